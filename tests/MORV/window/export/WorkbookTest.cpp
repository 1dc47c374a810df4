// The workbook route on its own: the bar as the rows come, and a file that cannot be
// written.

#include "OfficeFiles.h"

#include "MORV/window/export/Workbook.h"
#include "Platform/Progress.h"
#include "Platform/Regional.h"
#include "Platform/RunTimeError.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(Workbook, BarMarksRows50100And120) {
    platform::DecimalSeparatorScope region('.');
    testsupport::TempDir folder;
    std::string text;
    for (int row = 1; row <= 130; ++row)
        text += "Řádek\t" + std::to_string(row) + "\r\n";
    platform::RecordingProgress bar;
    morv::writeWorkbook(folder.file("radky.xlsx"), text, bar);
    EXPECT_EQ(bar.values(), (std::vector<int>{5, 15, 30, 40, 60, 80, 90}));
    const morvtest::WorkbookContent w = morvtest::readWorkbook(folder.file("radky.xlsx"));
    ASSERT_NE(w.cell("B130"), nullptr);
    EXPECT_TRUE(w.cell("B130")->number);
    EXPECT_EQ(w.cell("B130")->text, "130");
    EXPECT_EQ(w.cell("A131"), nullptr);
}

TEST(Workbook, FileThatCannotBeWrittenRaises75) {
    testsupport::TempDir folder;
    platform::RecordingProgress bar;
    try {
        morv::writeWorkbook(folder.file("chybi/radky.xlsx"), "a\tb\r\n", bar);
        FAIL() << "a workbook in a missing folder was written";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), platform::err::PathFileAccess);
    }
    EXPECT_EQ(bar.values().back(), 90);
}
