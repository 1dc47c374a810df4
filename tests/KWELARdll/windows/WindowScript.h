#pragma once
//! Helpers of the window tests: modal windows driven by a script, the Qt windows installed
//! for every `Smes` a test creates, and screenshots.

#include "FixtureDb.h"
#include "KWELARdll/windows/SmesOknaQt.h"
#include "Platform/qt/ModalHost.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kwelartest {

//! Receives every modal window instead of its event loop: shows it, runs the next scripted
//! action on it (the user's keys and clicks) and returns its result. A window without an
//! action, or one its action leaves open, fails the test and is closed.
class ModalScript {
public:
    using Action = std::function<void(QDialog&)>;

    ModalScript() {
        platform::ModalHost::setHook([this](QDialog& d) { return run(d); });
    }
    ~ModalScript() {
        platform::ModalHost::setHook({});
        EXPECT_TRUE(m_actions.empty()) << m_actions.size() << " scripted window(s) never shown";
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    //! Queues the action on the next modal window; returns *this for chaining.
    ModalScript& then(Action action) {
        m_actions.push_back(std::move(action));
        return *this;
    }
    //! Object names of the windows shown, in order.
    const std::vector<std::string>& shown() const { return m_shown; }

private:
    int run(QDialog& dialog) {
        m_shown.push_back(dialog.objectName().toStdString());
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QApplication::processEvents();
        if (m_actions.empty()) {
            ADD_FAILURE() << "Window " << m_shown.back() << " shown without a script";
        } else {
            Action action = std::move(m_actions.front());
            m_actions.pop_front();
            action(dialog);
        }
        if (dialog.isVisible()) {
            ADD_FAILURE() << "Window " << dialog.objectName().toStdString() << " left open";
            dialog.hide();
        }
        return dialog.result();
    }

    std::deque<Action> m_actions;
    std::vector<std::string> m_shown;
};

//! Every `Smes` created while the object lives gets the Qt windows.
class QtWindowsScope {
public:
    QtWindowsScope() { kwelar::installSmesWindows(); }
    ~QtWindowsScope() { kwelar::setSmesOknaFactory(nullptr); }
    QtWindowsScope(const QtWindowsScope&) = delete;
    QtWindowsScope& operator=(const QtWindowsScope&) = delete;
};

//! The child widget of type T named `name`; fails the test when there is none.
template <class T> T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no " << name << " in " << parent.objectName().toStdString();
    return found;
}

//! Saves the window's picture as <name>.png in the folder that MORV_SCREENSHOTS names (the
//! screenshots script sets it); without it nothing is saved.
inline void screenshot(QWidget& window, const std::string& name) {
    const QString folder = qEnvironmentVariable("MORV_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    window.adjustSize();
    QApplication::processEvents();
    EXPECT_TRUE(window.grab().save(folder + "/" + QString::fromStdString(name) + ".png"));
}

} // namespace kwelartest
