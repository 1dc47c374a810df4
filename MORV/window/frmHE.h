#pragma once
//! The main window: identification and the four buttons above seven tabs (basic data,
//! construction, heat transfer, compositions, pressure drops, standard exchangers, results).
//! Every control carries the program's name as its object name (`txtPar_3` for the fourth
//! box of `txtPar`), so the handlers and the tests find it by name.

#include "MORV/model/ProgramState.h"
#include "MORV/model/Vysledky.h"
#include "MorvWindow/MorvWindowExport.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace platform {
class FileDialog;
class FlexGrid;
class Progress;
class QtProgress;
} // namespace platform

namespace morv {

class frmAnal;
class frmMetod;
class frmPreGraf;
class frmSplash;

class MORVWINDOW_EXPORT frmHE : public QWidget {
    Q_OBJECT
public:
    explicit frmHE(ProgramState& state, QWidget* parent = nullptr);
    ~frmHE() override;

    //! Start-up, once before the window is first shown.
    void Form_Load();
    //! Each activation: damping, the grids, the title, the focus and, the first time, the
    //! splash window. Every step that fails is skipped.
    void Form_Activate();
    //! The tab control's click: the focus and the tool tips of the tab shown.
    void SSTab1_Click();
    //! Page Up shows the next tab (from the last back to the first), Page Down the previous.
    void SSTab1_KeyDown(int KeyCode);
    void cmbChar_Click();

    // ---- Entry of the basic and construction tabs (frmHEVstup.cpp) ------------------------
    //! A mark clicked: its box coloured by the mark and given the focus.
    void chkPar_Click(int Index);
    //! A mark pressed: the results no longer belong to the inputs.
    void chkPar_MouseDown();
    //! What the calculation reads has changed since it ran: the status reads "Nespočteno", and
    //! the analysis refuses until the task is calculated again.
    void markUncalculated();
    void optZadk_Click();
    void optZads_Click();
    //! Enter in a main-quantity box: converted (a unit typed into a temperature box converts
    //! into °C, into the duty box into kW), shown rounded, the focus on to the next box.
    void txtPar_KeyPress(int Index, int KeyAscii);
    //! Enter in a pressure box: converted into MPa, shown rounded, the focus on; the results
    //! no longer belong to the inputs.
    void txtPtr_KeyPress(int KeyAscii);
    void txtPpl_KeyPress(int KeyAscii);
    //! Enter in a construction box: converted into SI units, shown rounded, checked against
    //! the other construction boxes, the focus on; a failed check keeps the focus. The
    //! results no longer belong to the inputs.
    void txtPark_KeyPress(int Index, int KeyAscii);
    //! Enter in the inert-content box `txtSl(18)` (a mole fraction, no unit): converted, shown
    //! rounded; the results no longer belong to the inputs.
    void txtSl_KeyPress(int Index, int KeyAscii);
    //! A phase chosen for a stream (`cmbSkS` tubes, `cmbSkT` shell): when it is not the
    //! model's, the results no longer belong to the inputs.
    void cmbSk_Click();
    //! The tool tip of a flow box: the flow in kg/h.
    void txtPar_MouseMove(int Index);
    //! The tool tips of the pitch and baffle boxes.
    void txtPark_MouseMove(int Index);

    //! The logical check of the construction data (frmHELogK.cpp).
    void cmdLogK_Click();
    //! The tube-sheet sketch of the construction boxes, modal; its "Dosadit zpět" writes the
    //! counts back into the boxes (frmHELogK.cpp).
    void cmdTrubk_Click();

    // ---- Charts of the sensitivity analysis (frmHEGraf.cpp) -------------------------------
    //! "Zobrazit graf analýzy": the choice of the plotted quantity, shown without blocking
    //! this window, the first unknown chosen; refused while no analysis has been made.
    void cmdGraf_Click();
    //! The choice window, created on first use as a child of this window.
    frmPreGraf& preGraf();

    // ---- The calculation and its report (frmHEVypocet.cpp) --------------------------------
    //! A mouse press on the calculation button: the status reads "Počítám..." at once.
    void cmdVypoc_MouseDown();
    //! One design calculation from the window's inputs to the shown results and the report.
    void cmdVypoc_Click();
    //! The results tab with the caret at the start of the latest report.
    void cmdVysl_Click();
    //! Clears the results text and its box.
    void cmdSmaz_Click();
    //! The captions and box texts the report reads.
    ReportBoxes reportBoxes() const;
    //! The progress bar as the calculation advances it (the window's own bar unless a test
    //! put another in its place).
    platform::Progress& progress();
    void setProgress(platform::Progress* progress) { m_progress = progress; }

    // ---- The sensitivity analysis (frmHEAnaliza.cpp) --------------------------------------
    //! One known main quantity of the last calculation varied over a range: the settings
    //! window, the solve of every point, the table appended to the results, the arrays of the
    //! chart; the results tab shown at the end.
    void cmdAnal_Click();
    //! The analysis's settings window, created on first use and kept hidden afterwards.
    frmAnal& anal();

    // ---- Task file, results file and export (frmHESoubory.cpp); exit (frmHEKonec.cpp) -----
    //! Loads a design task chosen in the open dialog, asking again while the file is missing
    //! or malformed, and shows it.
    void cmdNactiD_Click();
    //! Chooses the results file and with it the export route.
    void cmdNFile_Click();
    //! Writes the results text to the results file by its route (the file chosen first when
    //! there is none): appended as text, or as a document or a workbook.
    void cmdZapis_Click();
    //! Ends the program, with the results offered for writing and a confirmation first when
    //! `chkRes` is ticked.
    void cmdKon_Click();

    // ---- Method and damping (frmHEMetoda.cpp) ---------------------------------------------
    void cmdMetP_Click();
    void cmdTlum_Click();
    frmMetod& metod();

    // ---- Composition entry (frmHESlozeni.cpp) ---------------------------------------------
    //! Asks which stream's composition to enter ("Složení médií"), lets the property
    //! library's windows choose its components and take its composition, copies the
    //! fractions into the stream, and asks again until both streams have components; then
    //! their properties at the mean temperatures are computed and shown. An answer without a
    //! leading number asks again; going back from the library's windows leaves the stream's
    //! mixture as it was. Refused when the transfer cannot read a box (named in the message),
    //! and, with the basic tab shown, while the temperatures, pressures or flows are not
    //! entered.
    void cmdSloz_Click();

    // ---- Standard-exchanger catalogue (frmHENorm.cpp) -------------------------------------
    //! Reads the catalogue into the grid `flxG2` (row k for record k) and shows its tab.
    void cmdNorm_Click();
    void Command1_Click();
    //! Copies the code and the construction values of the exchanger in the grid's current
    //! row into `txtKod` and `txtPark(0..21)` and shows the construction tab.
    void flxG2_DblClick();
    //! Enter in the grid picks as a double click does.
    void flxG2_KeyPress(int KeyAscii);
    //! The folders searched for the catalogue and the sample tasks, in order; none set means
    //! the program's own (beside the executable, then ../share/MORV).
    void setProgramFolders(std::vector<std::string> folders);
    //! The folder of the sample tasks, where the first task-open dialog starts: "tasks" in the
    //! first program folder that holds one (../share/MORV/tasks installed), else the tasks of
    //! the source tree when the program runs from its build; "" when neither is there.
    std::string sampleTaskFolder() const;

    //! The window's title for a version.
    static QString title(int major, int minor, int revision);

    ProgramState& state() { return m_state; }
    frmSplash& splash();

    // ---- Controls outside the tabs --------------------------------------------------------
    QLineEdit* txtZnac;
    QLineEdit* txtKod;
    QLineEdit* txtNum;
    QPushButton* cmdNactiD;
    QPushButton* cmdVypoc;
    QPushButton* cmdKon;
    QPushButton* cmdVysl;
    QLabel* lblStav;
    QLabel* lblFile;
    std::unique_ptr<platform::FileDialog> CommonDialog1;
    QTabWidget* SSTab1;

    // ---- Tab 0: basic data ----------------------------------------------------------------
    QGroupBox* Frame1;
    std::array<QLineEdit*, 8> txtPar;
    std::array<QCheckBox*, 8> chkPar;
    QComboBox* cmbSkT;
    QComboBox* cmbSkS;
    QLabel* lblTrTyp;
    QLabel* lblPltyp;
    QLineEdit* txtPtr;
    QLineEdit* txtPpl;
    QGroupBox* Frame2;
    QCheckBox* chkVysl;
    QCheckBox* chkZap;
    QCheckBox* chkRes;
    QRadioButton* optZadk;
    QRadioButton* optZads;
    QPushButton* cmdAnal;
    QProgressBar* pbAn;
    QLabel* lblHelp;
    QLabel* lblHelp1;

    // ---- Tab 1: construction --------------------------------------------------------------
    std::array<QLineEdit*, 23> txtPark;
    std::array<QLabel*, 23> lblKo;
    QComboBox* cmbChar;
    QPushButton* cmdNorm;
    QPushButton* cmdLogK;
    QPushButton* cmdTrubk;
    QLabel* lblHelp2;

    // ---- Tab 2: heat transfer -------------------------------------------------------------
    std::array<QLineEdit*, 21> txtTr;
    std::array<QLabel*, 21> lblTran;
    QLabel* lblRed;
    QLabel* lblFix;
    QPushButton* cmdMetP;
    QPushButton* cmdTlum;

    // ---- Tab 3: compositions --------------------------------------------------------------
    platform::FlexGrid* flxG;
    platform::FlexGrid* flxG1;
    std::array<QLineEdit*, 19> txtSl;
    std::array<QLabel*, 7> lblSl;
    QLabel* lblSt;
    QLabel* lblSp;
    QLabel* lblTrSk;
    QLabel* lblPlSk;
    QPushButton* cmdSloz;

    // ---- Tab 4: pressure drops ------------------------------------------------------------
    std::array<QLineEdit*, 30> txtDp;
    std::array<QLabel*, 30> lblDp;

    // ---- Tab 5: standard exchangers -------------------------------------------------------
    QGroupBox* Frame3;
    platform::FlexGrid* flxG2;
    QPushButton* Command1;

    // ---- Tab 6: results -------------------------------------------------------------------
    QPlainTextEdit* txtRes;
    QLabel* lblResFile;
    QPushButton* cmdGraf;
    QPushButton* cmdNFile;
    QPushButton* cmdZapis;
    QPushButton* cmdSmaz;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    //! The close button takes the way of `cmdKon`: a No to its confirmation keeps the window.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildHeader();
    QWidget* buildBasicTab();
    QWidget* buildConstructionTab();
    QWidget* buildHeatTransferTab();
    QWidget* buildCompositionTab();
    QWidget* buildPressureDropTab();
    QWidget* buildCatalogueTab();
    QWidget* buildResultsTab();

    //! Sets a composition grid up empty: widths, heads, 19 blank rows, centred fractions.
    static void setUpCompositionGrid(platform::FlexGrid& grid);
    //! Fills a composition grid from a stream: names, mass and mole fractions.
    static void fillCompositionGrid(platform::FlexGrid& grid, Proud& stream);
    //! Sets the catalogue grid up empty: widths, heads, 21 blank rows, every column centred.
    void setUpCatalogueGrid();

    //! Converts the text of an entry box with the unit converter, `unitBefore` put in front
    //! of a text that ends in a unit. On success the box shows the value rounded for display
    //! and `value` holds it; when the converter reports a problem, or the number cannot be
    //! held, the box keeps the typed text and the focus, and the result is false.
    bool confirmEntry(QLineEdit& box, const char* unitBefore, double& value);
    //! The checks of a confirmed construction value against the other construction boxes;
    //! false when one refused it (message shown, text selected, focus kept).
    bool checkConstruction(int Index, double v);
    void connectEntryHandlers();
    void connectFileHandlers();
    void connectExitHandlers();
    void connectCatalogueHandlers();
    //! Shows the save dialog of the results file with a filter list and takes the name chosen
    //! (with the extension of its filter when it has none) and its filter index as the route.
    //! Cancel raises 32755.
    void chooseResultsFile(const std::string& filter);
    //! The exit: false when the user keeps the program running.
    bool exitProgram();
    //! True when a temperature, pressure or flow that the properties need is not entered: a
    //! temperature box empty, a flow or pressure box empty or below its bound (1e-5 kg/s,
    //! 1e-6 Pa in the tubes, 1e-5 Pa in the shell) as the transfer takes it. A box whose text
    //! is no number counts as neither: the transfer names it.
    bool basicDataMissing() const;
    //! The loop of questions and library windows of the composition entry.
    void enterCompositions();
    //! The model after a composition entry: inputs, compositions and properties shown, the
    //! result boxes of the heat-transfer and pressure-drop tabs empty.
    void showEntered();
    //! The catalogue file in the program's folders; "" when none holds it.
    std::string catalogueFile() const;

    ProgramState& m_state;
    std::unique_ptr<frmSplash> m_splash;
    std::unique_ptr<frmMetod> m_metod;
    std::unique_ptr<platform::QtProgress> m_barProgress;
    platform::Progress* m_progress = nullptr;
    //! A calculation is running: a second one started while pending messages are let
    //! through is refused.
    bool m_calculating = false;
    //! The exit has run: the program is ending.
    bool m_ended = false;
    //! The folders searched for the catalogue and the sample tasks; none: the program's own.
    std::vector<std::string> m_programFolders;
};

} // namespace morv
