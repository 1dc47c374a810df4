// The grid adapter, the file dialog's name filters and the key codes of the windows.

#include "Platform/qt/FlexGrid.h"
#include "Platform/qt/Keys.h"
#include "Platform/qt/QtFileDialog.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using platform::FlexGrid;

TEST(FlexGrid, WritingBeyondTheGridGrowsIt) {
    FlexGrid g;
    g.Cols(3);
    g.Rows(2);
    g.TextMatrix(0, 0, "Látka");
    g.TextMatrix(5, 4, "x");
    EXPECT_EQ(g.Rows(), 6);
    EXPECT_EQ(g.Cols(), 5);
    EXPECT_EQ(g.TextMatrix(5, 4), "x");
    EXPECT_EQ(g.TextMatrix(9, 9), "");
    EXPECT_EQ(g.TextMatrix(0, 0), "Látka");
    EXPECT_FALSE(g.item(0, 0)->flags() & Qt::ItemIsSelectable); // the heading row is fixed
}

TEST(FlexGrid, AddRemoveClearAndWidths) {
    FlexGrid g;
    g.Cols(3);
    g.Rows(1);
    g.ColAlignment(1, Qt::AlignHCenter | Qt::AlignTop);
    g.AddItem(" ");
    g.AddItem("a\tb\tc");
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(2, 1), "b");
    EXPECT_EQ(g.item(2, 1)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignTop));
    g.RemoveItem(1);
    EXPECT_EQ(g.Rows(), 2);
    EXPECT_EQ(g.TextMatrix(1, 2), "c");
    g.Clear();
    EXPECT_EQ(g.TextMatrix(1, 2), "");
    EXPECT_EQ(g.Rows(), 2);
    g.ColWidth(0, 2200);
    EXPECT_NEAR(g.ColWidth(0), 2200, 2 * platform::twipsPerPixel);
}

TEST(FlexGrid, EnterAndDoubleClickReachTheOwner) {
    FlexGrid g;
    g.Cols(2);
    g.Rows(3);
    g.TextMatrix(2, 1, "x");
    QSignalSpy keys(&g, &FlexGrid::keyPress);
    QSignalSpy clicks(&g, &FlexGrid::dblClick);
    QTest::keyClick(&g, Qt::Key_Return);
    ASSERT_EQ(keys.count(), 1);
    EXPECT_EQ(keys.at(0).at(0).toInt(), 13);
    emit g.cellDoubleClicked(2, 1);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(QtFileDialog, NameFiltersKeepCaptionsAndMatchNamesWithoutExtension) {
    const QStringList f = platform::qtNameFilters(
        platform::parseFileFilter("Všechny soubory (*.*)|*.*|Textové (*.txt)|*.txt|Obojí|*.a;*.b"));
    ASSERT_EQ(f.size(), 3);
    EXPECT_EQ(f[0], QStringLiteral("Všechny soubory (*)"));
    EXPECT_EQ(f[1], QStringLiteral("Textové (*.txt)"));
    EXPECT_EQ(f[2], QStringLiteral("Obojí (*.a *.b)"));
}

TEST(Keys, ProgramKeyCodes) {
    struct Case {
        Qt::Key key;
        QString text;
        int code, ascii;
    };
    const Case cases[] = {{Qt::Key_Return, "\r", 13, 13}, {Qt::Key_Enter, "\r", 13, 13},
                          {Qt::Key_Escape, "", 27, 27},   {Qt::Key_PageUp, "", 33, 0},
                          {Qt::Key_PageDown, "", 34, 0},  {Qt::Key_A, "a", 0, 'a'},
                          {Qt::Key_5, "5", 0, '5'}};
    for (const Case& c : cases) {
        QKeyEvent e(QEvent::KeyPress, c.key, Qt::NoModifier, c.text);
        EXPECT_EQ(platform::keyCode(e), c.code) << c.key;
        EXPECT_EQ(platform::keyAscii(e), c.ascii) << c.key;
    }
}
