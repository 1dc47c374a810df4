#pragma once
//! Activation of the program's windows: the focus moving to a window from another window of
//! the program. The return from a message box, an input box or a file dialog is not an
//! activation, so those dialogs mark themselves with `SystemDialogScope`.

#include "PlatformQt/PlatformQtExport.h"

#include <QObject>

#include <functional>

class QWidget;

namespace platform {

//! Marks the showing of a system dialog: when it took the activation from a window, that
//! window's next activation is the return from the dialog and is not reported.
class PLATFORMQT_EXPORT SystemDialogScope {
public:
    SystemDialogScope();
    ~SystemDialogScope();
    SystemDialogScope(const SystemDialogScope&) = delete;
    SystemDialogScope& operator=(const SystemDialogScope&) = delete;

private:
    QWidget* m_window;
};

//! Calls `activated` each time the watched top-level window is activated, except on the
//! return from a system dialog.
class PLATFORMQT_EXPORT ActivationWatcher : public QObject {
    Q_OBJECT
public:
    ActivationWatcher(QWidget& window, std::function<void()> activated);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    std::function<void()> m_activated;
};

} // namespace platform
