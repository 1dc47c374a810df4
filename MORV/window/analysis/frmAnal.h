#pragma once
//! The settings of the sensitivity analysis: which known main quantity is varied (the list is
//! built anew from the unknown flags at each activation, nothing chosen), its start, end and
//! step, "Analyzuj" and "Storno". Modal; created once and hidden after use, so the boxes keep
//! their texts between analyses. The choice and the range go into the program state
//! (`AnalProm`, `AnalNazev`, `AnalPoc`, `AnalKon`, `AnalKrok`); `AnalProm` = -1 after "Storno"
//! or any other closing without "Analyzuj".

#include "MorvWindow/MorvWindowExport.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace morv {

class ProgramState;

class MORVWINDOW_EXPORT frmAnal : public QDialog {
    Q_OBJECT
public:
    //! `mainWindow` holds the main-quantity boxes `txtPar_0` .. `txtPar_7` (QLineEdit), found by
    //! their names.
    frmAnal(QWidget& mainWindow, ProgramState& state);

    //! Each activation: the list of the known quantities anew, none chosen.
    void Form_Activate();
    //! A quantity chosen: the choice, the main window's value as the start, the unit hint.
    void cmbProm_Click();
    //! Enter in a box: a typed value (a number, or a number and a unit) is converted into the
    //! box's unit (kW for the duty, °C for the start and end of a temperature, SI base units
    //! otherwise) and shown rounded; then the focus moves on (from the step to "Analyzuj"). A
    //! refused value stays with the focus.
    void txtPoc_KeyPress(int Index, int KeyAscii);
    //! Checks the choice and reads and checks the range; a good one is stored (a duty in W)
    //! and the window hidden. With nothing chosen in the list, the quantity chosen last time
    //! is varied while it is still known; a quantity that is now an unknown, or none chosen
    //! yet, is refused with a message that asks for a choice, and the window stays.
    void cmdAn_Click();
    //! Enter on "Analyzuj" acts as its click.
    void cmdAn_KeyPress(int KeyAscii);
    //! No analysis: `AnalProm` = -1, the window hidden.
    void smdSt_Click();
    //! Every closing other than by "Analyzuj" (the title bar's close button, Esc) is "Storno".
    void reject() override;

    QLabel* lblProm;
    QComboBox* cmbProm;
    QLabel* lblPoc;
    QLabel* lblKon;
    QLabel* lblKrok;
    std::array<QLineEdit*, 3> txtPoc{};
    QLabel* lblQ;
    QLabel* lblUpoz;
    QPushButton* cmdAn;
    QPushButton* smdSt;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget& m_main;
    ProgramState& m_state;
    //! The index i of the quantity at each position of the list.
    std::array<int16_t, 9> m_PoradiProm{};
};

} // namespace morv
