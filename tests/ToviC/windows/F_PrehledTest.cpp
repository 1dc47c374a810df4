#include "ToviC/windows/F_Prehled.h"

#include "ToviWindowsFixture.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

using tovi::Tovi;

namespace {

using AbbreviationList = ToviWindowsTest;

// What the list showed while it was modal.
struct ListSeen {
    int showings = 0;
    QString title;
    QStringList items;
    int currentRow = -1;
    bool hiddenAfterClose = false;
};

// Shows the list as the modal loop would, records it, closes it with `close` and returns.
platform::ModalHost::Hook recordAndClose(ListSeen& seen, std::function<void(QDialog&)> close) {
    return [&seen, close = std::move(close)](QDialog& d) {
        d.show();
        ++seen.showings;
        seen.title = d.windowTitle();
        auto* list = d.findChild<QListWidget*>("T_Zkratky");
        seen.items = ToviWindowsTest::items(*list);
        seen.currentRow = list->currentRow();
        close(d);
        seen.hiddenAfterClose = !d.isVisible();
        return 0;
    };
}

void pressEscOnList(QDialog& d) {
    QTest::keyClick(d.findChild<QListWidget*>("T_Zkratky"), Qt::Key_Escape);
}

TEST_F(AbbreviationList, ListsTheBuiltInAbbreviationsFromMToBar) {
    Tovi t;
    ListSeen seen;
    platform::ModalHost::setHook(recordAndClose(seen, pressEscOnList));
    t.ZobrazPrehled();
    EXPECT_EQ(seen.showings, 1);
    EXPECT_EQ(seen.title, "Zkratky jednotek");
    ASSERT_EQ(seen.items.size(), 91);
    EXPECT_EQ(seen.items.front(), "m");
    EXPECT_EQ(seen.items[30], "torr");
    EXPECT_EQ(seen.items.back(), "bar");
    EXPECT_EQ(seen.currentRow, 0);
    EXPECT_TRUE(seen.hiddenAfterClose);
}

TEST_F(AbbreviationList, UserUnitsFollowTheBuiltInOnes) {
    folder.write("\"atm\",101325,523\r\n\" s\xE1h \",1.8965,5\r\n");
    Tovi t;
    ListSeen seen;
    platform::ModalHost::setHook(recordAndClose(seen, pressEscOnList));
    t.ZobrazPrehled();
    ASSERT_EQ(seen.items.size(), 93);
    EXPECT_EQ(seen.items[90], "bar");
    EXPECT_EQ(seen.items[91], "atm");
    EXPECT_EQ(seen.items[92], QString::fromUtf8("sáh"));
}

TEST_F(AbbreviationList, IsRefilledAtEveryShowing) {
    Tovi t;
    ListSeen seen;
    platform::ModalHost::setHook(recordAndClose(seen, pressEscOnList));
    t.ZobrazPrehled();
    t.Ncelk(3);
    t.ZobrazPrehled();
    EXPECT_EQ(seen.showings, 2);
    EXPECT_EQ(seen.items, (QStringList{"m", "dm", "cm"}));
    EXPECT_EQ(seen.currentRow, 0);
}

// Every way of closing goes through the owner, which hides the list.
TEST_F(AbbreviationList, EscOnTheListOrItsButtonAndTheButtonCloseIt) {
    const std::vector<std::pair<const char*, std::function<void(QDialog&)>>> closings = {
        {"Esc on the list", pressEscOnList},
        {"Esc on the button",
         [](QDialog& d) { QTest::keyClick(d.findChild<QPushButton*>("Command1"), Qt::Key_Escape); }},
        {"click on the button",
         [](QDialog& d) { QTest::mouseClick(d.findChild<QPushButton*>("Command1"), Qt::LeftButton); }},
        {"the window's close button", [](QDialog& d) { d.close(); }},
    };
    Tovi t;
    for (const auto& [how, close] : closings) {
        ListSeen seen;
        platform::ModalHost::setHook(recordAndClose(seen, close));
        t.ZobrazPrehled();
        EXPECT_TRUE(seen.hiddenAfterClose) << how;
    }
}

TEST_F(AbbreviationList, OtherKeysLeaveItOpen) {
    Tovi t;
    ListSeen seen;
    platform::ModalHost::setHook(recordAndClose(seen, [](QDialog& d) {
        auto* list = d.findChild<QListWidget*>("T_Zkratky");
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(list->currentRow(), 1);
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClicks(list, "k");
    }));
    t.ZobrazPrehled();
    EXPECT_FALSE(seen.hiddenAfterClose);
}

// Without the test hook the list runs its own modal loop; hiding it ends that loop.
TEST_F(AbbreviationList, TheModalShowingReturnsWhenTheListIsHidden) {
    Tovi t;
    QTimer::singleShot(0, [] {
        auto* list = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(list, nullptr);
        QTest::keyClick(list->findChild<QListWidget*>("T_Zkratky"), Qt::Key_Escape);
    });
    // A list that failed to close would keep the test waiting: end it after a while.
    bool forced = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&forced] {
        if (auto* list = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            forced = true;
            list->done(0);
        }
    });
    guard.start(5000);
    t.ZobrazPrehled();
    EXPECT_FALSE(forced);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
