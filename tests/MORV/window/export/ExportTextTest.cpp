// The export text and the layouts built from it: tab runs, the first character, the progress
// of the build, the rows of the workbook, the lines of the document, the text route's bytes
// and the extension of a name chosen without one.

#include "MORV/window/export/ExportText.h"
#include "Platform/Progress.h"
#include "Platform/RunTimeError.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using morv::exportText;

namespace {

struct TextCase {
    const char* name;
    std::string results;
    std::string expected;
};

std::ostream& operator<<(std::ostream& os, const TextCase& c) {
    return os << c.name;
}

class ExportTextCases : public ::testing::TestWithParam<TextCase> {};

using testsupport::readBytes;

} // namespace

TEST_P(ExportTextCases, CollapsesTabRunsAndKeepsEveryOtherCharacter) {
    EXPECT_EQ(exportText(GetParam().results), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ExportTextCases,
    ::testing::Values(TextCase{"Report", "VÝPOČET TRUBKOVÉHO KONDENZÁTORU\r\n\r\nPrůtok\t\t\t\t1.5\t2\r\n",
                               "VÝPOČET TRUBKOVÉHO KONDENZÁTORU\r\n\r\nPrůtok\t1.5\t2\r\n"},
                      // After the results were cleared, an analysis table begins with a line end: the
                      // first character stays a carriage return.
                      TextCase{"BeginsWithALineEnd", "\r\nAnalýza\t\tx\r\n", "\r\nAnalýza\tx\r\n"},
                      TextCase{"BeginsWithATabRun", "\t\t\ta", "\ta"},
                      TextCase{"SingleTabsStay", "a\tb\tc", "a\tb\tc"}, TextCase{"OneCharacter", "č", "č"},
                      TextCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExportTextProgress, BarStepsEveryTenthOfTheCharacters) {
    // 100 characters, two bytes each: k = 10, i / n x 100 - 5 at i = 10, 20, ... 100.
    std::string results;
    for (int i = 0; i < 100; ++i)
        results += "é";
    platform::RecordingProgress bar;
    exportText(results, &bar);
    EXPECT_EQ(bar.values(), (std::vector<int>{5, 15, 25, 35, 45, 55, 65, 75, 85, 95}));
}

TEST(ExportTextProgress, ShortTextStepsEveryCharacter) {
    // Four characters round the step to 0; it is taken as 1: positions 2, 3 and 4.
    platform::RecordingProgress bar;
    EXPECT_EQ(exportText("ab\t\t", &bar), "ab\t");
    EXPECT_EQ(bar.values(), (std::vector<int>{45, 70, 95}));
}

TEST(WorkbookRows, LinesFieldsShortLinesAndTheLongLastField) {
    const std::string longField(120, 'x');
    const auto rows = morv::workbookRows("Nadpis\r\nab\r\nPrůtok\t1.5\t2\r\n\tčř\r\nDlouhý\t" + longField +
                                         "\r\nbez konce řádku");
    ASSERT_EQ(rows.size(), 5u); // the text after the last line end is left out
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Nadpis"}));
    EXPECT_TRUE(rows[1].empty()); // fewer than 3 characters
    EXPECT_EQ(rows[2], (std::vector<std::string>{"Průtok", "1.5", "2"}));
    EXPECT_EQ(rows[3], (std::vector<std::string>{"", "čř"}));
    EXPECT_EQ(rows[4], (std::vector<std::string>{"Dlouhý", std::string(99, 'x')}));
    // Characters, not bytes, are counted: a 99-character last field of two-byte letters stays.
    std::string wide;
    for (int i = 0; i < 100; ++i)
        wide += "ř";
    const auto cut = morv::workbookRows("a\t" + wide + "\r\n");
    EXPECT_EQ(morv::characterCount(cut[0][1]), 99u);
    EXPECT_EQ(cut[0][1].size(), 198u);
}

TEST(WorkbookRows, AnalysisCaptionsStandOverTheirColumns) {
    // The export text of an analysis table: the caption line with the pressure-drop captions
    // after blanks, a row with the pressure drops after blanks and a TAB.
    const auto rows = morv::workbookRows(exportText("ANALÝZA CITLIVOSTI\r\n\r\nPřevedené teplo\t"
                                                    "Hmot. průtok v trubkách\tHmot. průtok v plášti\t"
                                                    "Teplosměnná plocha   dPtr    dPpl\r\n"
                                                    "2.0000E+05\t\t\t7.5212\t\t\t1.0000\t\t\t"
                                                    "40.278\t\t    5310\t1193\r\n"));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2],
              (std::vector<std::string>{"Převedené teplo", "Hmot. průtok v trubkách", "Hmot. průtok v plášti",
                                        "Teplosměnná plocha", "dPtr", "dPpl"}));
    EXPECT_EQ(rows[3],
              (std::vector<std::string>{"2.0000E+05", "7.5212", "1.0000", "40.278", "    5310", "1193"}));
    // Only the end of a line that closes with those captions is split.
    EXPECT_EQ(morv::workbookRows("Poznámka   dPtr    dPpl\r\n")[0],
              (std::vector<std::string>{"Poznámka   dPtr    dPpl"}));
    EXPECT_EQ(morv::workbookRows("a\tdPtr    dPpl x\r\n")[0],
              (std::vector<std::string>{"a", "dPtr    dPpl x"}));
}

TEST(DocumentLines, CutAtLineEndsWithTheLastPieceKeptWhenItHasText) {
    EXPECT_EQ(morv::documentLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(morv::documentLines("a\r\nb"), (std::vector<std::string>{"a", "b"}));
}

TEST(TextRoute, AppendsTheTextAndALineEndEachTime) {
    testsupport::TempDir folder;
    const std::string file = folder.file("vysledky.res");
    morv::appendExportText(file, "VÝPOČET\tx\r\n");
    morv::appendExportText(file, "Analýza\r\n");
    EXPECT_EQ(readBytes(file), "VÝPOČET\tx\r\n\r\nAnalýza\r\n\r\n");
    try {
        morv::appendExportText(folder.file("chybí/vysledky.res"), "x");
        FAIL() << "a file in a missing folder was written";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), platform::err::PathFileAccess);
    }
}

TEST(FilterExtension, NameWithoutExtensionGetsThePatternsExtension) {
    EXPECT_EQ(morv::withFilterExtension("/tmp/vysl", "*.xlsx"), "/tmp/vysl.xlsx");
    EXPECT_EQ(morv::withFilterExtension("/tmp/vysl.txt", "*.xlsx"), "/tmp/vysl.txt");
    EXPECT_EQ(morv::withFilterExtension("/tmp.d/vysl", "*.res"), "/tmp.d/vysl.res");
    EXPECT_EQ(morv::withFilterExtension("/tmp/vysl", "*.*"), "/tmp/vysl");
    EXPECT_EQ(morv::withFilterExtension("/tmp/vysl", ""), "/tmp/vysl");
}
