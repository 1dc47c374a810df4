#pragma once
//! What the tests of the unit converter's windows share: the Qt windows installed, no user
//! unit file, scripted boxes, and helpers that find the windows and their controls.

#include "ToviC/Tovi.h"
#include "ToviC/windows/ToviOknaQt.h"
#include "ToviC/windows/frmPrep.h"

#include "Platform/Regional.h"
#include "Platform/qt/ModalHost.h"

#include "TestSupport.h"
#include "UserUnitFolder.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

class ToviWindowsTest : public ::testing::Test {
public:
    ToviWindowsTest() { tovi::installToviOkna(); }
    ~ToviWindowsTest() override {
        tovi::setToviOknaFactory(nullptr);
        platform::ModalHost::setHook({});
    }

    //! The windows show numbers with the decimal separator pinned, whatever the desktop; a
    //! test sets another for its own cases.
    platform::DecimalSeparatorScope separator{'.'};

    //! The conversion window that is shown (null when none is).
    static tovi::frmPrep* shownConversionWindow() {
        tovi::frmPrep* found = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* prep = qobject_cast<tovi::frmPrep*>(w); prep && prep->isVisible()) found = prep;
        return found;
    }

    //! The control `name` of `window`; fails the test when there is none.
    template <class T> static T* control(QWidget& window, const char* name) {
        T* c = window.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    //! The items of a list box.
    static QStringList items(const QListWidget& list) {
        QStringList all;
        for (int i = 0; i < list.count(); ++i)
            all << list.item(i)->text();
        return all;
    }

protected:
    UserUnitFolder folder;
    testsupport::ScriptedBoxes boxes;
};
