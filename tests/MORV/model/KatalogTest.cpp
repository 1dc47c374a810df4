// The catalogue of standard exchangers: its records read as consecutive items, and where the
// program finds the file.

#include "../CatalogueRows.h"
#include "TestSupport.h"

#include "MORV/model/Katalog.h"
#include "Platform/FileSystem.h"

#include <gtest/gtest.h>

namespace {

using morv::CatalogueRecord;
using morv::readCatalogueRecord;
using platform::ItemReader;

TEST(Katalog, ShippedCatalogueGivesItsRecordsInOrder) {
    const auto rows = morvtest::readCatalogue(MORV_CATALOGUE);
    ItemReader in(MORV_CATALOGUE);
    std::vector<CatalogueRecord> records;
    while (!in.atEnd())
        records.push_back(readCatalogueRecord(in));
    ASSERT_EQ(records.size(), 64u);
    ASSERT_EQ(rows.size(), records.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(records[i].Kod, rows[i].code);
        EXPECT_EQ(records[i].konstrukce[0], rows[i].Dplast);
        EXPECT_EQ(records[i].konstrukce[5], rows[i].Chod);
        EXPECT_EQ(records[i].konstrukce[12], rows[i].Uspor);
    }
    // The line of "600425" as the file has it, item for item.
    const CatalogueRecord& r = records[38];
    EXPECT_EQ(r.Kod, "600425");
    const std::array<double, morv::catalogueValues> expected = {
        0.6, 0.025, 0.02,   4,      228,    4,      0.032,   0.0277,   0.355,    0.7, 16,
        18,  0,     0.2027, 0.1023, 0.1541, 0.1541, 0.00005, 0.000176, 0.000176, 0.5, 48};
    EXPECT_EQ(r.konstrukce, expected);
    EXPECT_EQ(r.protiproud, 1.0);
}

TEST(Katalog, RecordsAreConsecutiveItemsWhateverTheLineEnds) {
    // A record broken over two lines reads as one; a record cut short by the end of the file
    // raises "Input past end of file", an item that is no number "Type mismatch".
    std::string two = "\"100101\",0.1,0.01,0.008,1,7,1,0.0125,0.0108,0.1,0.75,3\r\n"
                      "3,0,0.03,0.03,0.02,0.02,0.00005,0.000176,0.000176,1,48,1\r\n";
    ItemReader in = ItemReader::fromBytes(two + "\"200101\",0.2,0.02\r\n");
    const CatalogueRecord first = readCatalogueRecord(in);
    EXPECT_EQ(first.Kod, "100101");
    EXPECT_EQ(first.konstrukce[11], 3.0);
    EXPECT_EQ(first.konstrukce[21], 48.0);
    EXPECT_RUNTIME_ERROR(readCatalogueRecord(in), 62);
    ItemReader bad = ItemReader::fromBytes("\"100101\",0.1,x\r\n");
    EXPECT_RUNTIME_ERROR(readCatalogueRecord(bad), 13);
}

TEST(Katalog, FirstFolderHoldingTheCatalogueWins) {
    testsupport::TempDir dir;
    const std::string program = dir.file("bin");
    const std::string share = dir.file("share/MORV");
    dir.write("bin/other.dta", "");
    const std::string installed = dir.write("share/MORV/normmorv.dta", "");
    EXPECT_EQ(morv::findCatalogue({program, share}), installed);
    const std::string beside = dir.write("bin/NormMorv.dta", "");
    EXPECT_EQ(morv::findCatalogue({program, share}), beside) << "matched without regard to case";
    EXPECT_EQ(morv::findCatalogue({dir.file("none")}), "");
}

TEST(Katalog, ProgramFoldersAreBesideTheExecutableThenTheInstalledShare) {
    const auto folders = morv::programFolders();
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0], platform::executableFolder());
    EXPECT_EQ(folders[1], platform::folderOf(platform::executableFolder()) + "/share/MORV");
    // The build puts the catalogue beside its programs.
    EXPECT_EQ(morv::findCatalogue(folders), platform::executableFolder() + "/normmorv.dta");
}

} // namespace
