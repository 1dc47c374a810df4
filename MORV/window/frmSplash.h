#pragma once
//! The splash window shown once after start: the product, its version and what it does.
//! Any key, or a click on its frame or its description, closes it.

#include "MorvWindow/MorvWindowExport.h"

#include <QDialog>

class QFrame;
class QLabel;

namespace morv {

class MORVWINDOW_EXPORT frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    //! The name of the platform the program runs on, as the splash shows it.
    static QString platformName();

    QFrame* Frame1;
    QLabel* imgLogo;
    QLabel* lblVersion;
    QLabel* lblWarning;
    QLabel* lblPlatform;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace morv
