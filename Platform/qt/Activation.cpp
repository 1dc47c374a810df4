#include "Platform/qt/Activation.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace platform {

namespace {
//! The window whose next activation is the return from a system dialog.
QPointer<QWidget>& returning() {
    static QPointer<QWidget> w;
    return w;
}
} // namespace

SystemDialogScope::SystemDialogScope() : m_window(QApplication::activeWindow()) {}

SystemDialogScope::~SystemDialogScope() {
    // Only a dialog that really took the activation gives it back later.
    if (m_window && QApplication::activeWindow() != m_window) returning() = m_window;
}

ActivationWatcher::ActivationWatcher(QWidget& window, std::function<void()> activated)
    : QObject(&window), m_window(window), m_activated(std::move(activated)) {
    window.installEventFilter(this);
}

bool ActivationWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::WindowActivate) {
        if (returning() == &m_window)
            returning() = nullptr;
        else
            m_activated();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
