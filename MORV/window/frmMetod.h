#pragma once
//! The method window: the condensation correlation of the condensing side (three methods)
//! or both heat-transfer coefficients fixed, confirmed with one button. Modeless; hidden,
//! not destroyed, so the fixed coefficients typed stay in their boxes.

#include "MorvWindow/MorvWindowExport.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace morv {

class frmHE;

class MORVWINDOW_EXPORT frmMetod : public QDialog {
    Q_OBJECT
public:
    explicit frmMetod(frmHE& owner);

    //! The tab of the stored method, the focus on the button (on the first fixed
    //! coefficient for the fixed coefficients).
    void Form_Activate();
    void SSTabM_Click();
    //! Enter in a coefficient box stores the coefficient and moves on.
    void txtIN_KeyPress(int KeyAscii);
    void txtOUT_KeyPress(int KeyAscii);
    //! Confirms the method of the tab shown; fixed coefficients below 0.49 W/m2/K are refused.
    void cmdMet_Click();

    QTabWidget* SSTabM;
    QLineEdit* txtIN;
    QLineEdit* txtOUT;
    QPushButton* cmdMet;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmHE& m_owner;
};

} // namespace morv
