#pragma once
//! The tube-sheet sketch: one quarter of the tube sheet drawn from the shell and tube
//! dimensions of the main window's construction boxes, with the counts of rows, tubes and
//! tubes of the central row, which "Dosadit zpět" writes back into those boxes.

#include "MorvWindow/MorvWindowExport.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QRadioButton;
class QPushButton;

namespace platform {
class PictureBox;
}

namespace morv {

class ProgramState;

class MORVWINDOW_EXPORT frmTrubkov : public QDialog {
    Q_OBJECT
public:
    //! `mainWindow` holds the construction boxes `txtPark_0` .. `txtPark_22` (QLineEdit) and
    //! the status label `lblStav` (QLabel), found by their names; the unit converter is the
    //! program state's `Prevodnik`.
    frmTrubkov(QWidget& mainWindow, ProgramState& state);

    //! Each activation: the dimensions and the arrangement from the main window, then a
    //! drawing.
    void Form_Activate();
    //! Draws the quarter sheet and shows the counts; dimensions the layout refuses (faulty,
    //! overlapping tubes, a tube not inside the shell, a grid too fine to draw) are refused
    //! with a message saying why and the window is hidden.
    void cmdKresli_Click();
    //! Writes the dimensions, the counts and the arrangement back into the main window's
    //! boxes, sets its status label `lblStav` to "Nespočteno" (the results no longer belong to
    //! the construction) and closes the window. A tube count or a central row count beyond
    //! what the construction holds is refused with a message: nothing is written and the
    //! window stays open with its counts.
    void cmdKonc_Click();
    //! Enter in a dimension box: the typed value (a number, or a number and a unit) is
    //! converted and shown rounded, and the focus moves on; a refused value stays with the
    //! focus.
    void Text3_Enter(int Index);

    platform::PictureBox& picture() { return *m_picture; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* park(int index) const;
    //! The number in a dimension box, read with the regional separator; NaN when it holds none.
    double dimension(int index) const;

    QWidget& m_main;
    ProgramState& m_state;
    platform::PictureBox* m_picture;
    std::array<QLineEdit*, 4> m_Text3{};
    QLineEdit* m_Text1;
    QLineEdit* m_Text2;
    QLineEdit* m_Text4;
    std::array<QRadioButton*, 2> m_Option1{};
    QPushButton* m_cmdKresli;
    QPushButton* m_cmdKonc;
};

} // namespace morv
