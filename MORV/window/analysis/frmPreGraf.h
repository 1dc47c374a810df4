#pragma once
//! The choice of the plotted quantity after a sensitivity analysis: it names the varied
//! quantity and offers the seven results of every point (the three unknowns, the thermal
//! effectiveness, the overall coefficient and the two pressure drops); "Zobrazit graf" shows
//! the chosen one in the chart window. The window does not block the main window.

#include "MorvWindow/MorvWindowExport.h"

#include <QDialog>

#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace morv {

class ProgramState;
class frmGraf;

class MORVWINDOW_EXPORT frmPreGraf : public QDialog {
    Q_OBJECT
public:
    //! `mainWindow` holds the tab control `SSTab1`, found by its name; `state` the analysis.
    frmPreGraf(QWidget& mainWindow, ProgramState& state);
    ~frmPreGraf() override;

    //! Each activation (also the return from a chart): the varied quantity, the captions of
    //! the options by the unknowns of the analysis (as they were when it ran), the focus on
    //! "Zobrazit graf". The choice stays.
    void Form_Activate();
    //! An option clicked: it alone is chosen, the focus goes to "Zobrazit graf".
    void optAn_Click(int Index);
    //! The captions brought up to the analysis, the chosen result and its caption into the
    //! program state, then its chart, modal. Refused, as the main window's button refuses,
    //! while no analysis is available (none made yet, or a task loaded since).
    void cmdGr_Click();
    //! Hides the window and brings the main window's first tab to the front.
    void cmdNe_Click();

    //! The caption of an option of the first three by the position 1 to 8 of its unknown in
    //! the Newton vector; empty for another number.
    static QString unknownCaption(int code);
    //! The chart window, created on first use.
    frmGraf& graf();

    QLabel* lblHdr;
    QLabel* lblBaz;
    QGroupBox* Frame1;
    QLabel* lblHdr1;
    std::array<QRadioButton*, 7> optAn;
    QPushButton* cmdGr;
    QPushButton* cmdNe;

private:
    //! The varied quantity and the options' captions of the analysis in the arrays.
    void showCaptions();

    QWidget& m_main;
    ProgramState& m_state;
    std::unique_ptr<frmGraf> m_graf;
};

} // namespace morv
