#include "KWELARdll/tools/DatabaseTool.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/Smes.h"
#include "KWELARdll/model/ZaznamLatky.h"

#include "SampleTable.h"
#include "TestSupport.h"

#include "Platform/CodePage.h"
#include "Platform/FileSystem.h"
#include "Platform/ItemFile.h"
#include "Platform/RecordFile.h"

#include <filesystem>
#include <sstream>

using kwelartest::columnOf;
using kwelartest::sampleRow;
using kwelartest::tableText;

namespace fs = std::filesystem;

namespace {

// A temporary folder with a table "t.tsv", and the tool run on it.
class DatabaseTool : public ::testing::Test {
protected:
    int run(const std::vector<std::string>& args) {
        out.str("");
        err.str("");
        return kwelar::tools::runDatabaseTool(args, out, err);
    }
    int build(const std::vector<std::vector<std::string>>& rows) {
        dir.write("t.tsv", tableText(rows));
        return run({"database", dir.file("t.tsv"), database()});
    }
    std::string database() const { return dir.file("KWELAR.DRC"); }
    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    kwelar::ZaznamLatky record(int32_t n) const {
        return kwelar::ZaznamLatky::decode(platform::RecordFile(database(), kwelar::RecordLength).read(n));
    }

    testsupport::TempDir dir;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(DatabaseTool, RecordNHoldsSubstanceNWithBlankRecordsBetween) {
    ASSERT_EQ(build({sampleRow(5), sampleRow(2)}), 0) << err.str();
    // Eight records at least: the library refuses a file below 4000 bytes.
    EXPECT_EQ(fs::file_size(database()), 8u * 508u);
    EXPECT_EQ(record(2).N, 2);
    EXPECT_EQ(platform::trimRight(record(2).Nazev), "Látka 2");
    EXPECT_EQ(record(5).N, 5);
    for (const int32_t n : {1, 3, 4, 6, 7, 8}) {
        EXPECT_EQ(record(n), kwelar::ZaznamLatky()) << n;
        EXPECT_TRUE(record(n).isMissing()) << n;
    }
    EXPECT_EQ(out.str(),
              database() +
                  ": 2 substances in 8 records; correlations with data: 1 ETAG 2, 2 CPG 0, 3 ALAG 0, 4 "
                  "ROLW 2, 5 ETAL 0, 6 ALAL 0, 7 CPL 0, 8 DHV 0, 9 TENS 2, 10 SIGMA 0, 11 Rezerva 0\n");
}

TEST_F(DatabaseTool, DatabaseEndsWithTheHighestSubstanceAndLeavesRecord700Free) {
    ASSERT_EQ(build({sampleRow(12), sampleRow(699)}), 0) << err.str();
    EXPECT_EQ(fs::file_size(database()), 699u * 508u);
    EXPECT_EQ(record(699).N, 699);
    EXPECT_TRUE(record(700).isMissing());
    EXPECT_TRUE(record(698).isMissing());
}

TEST_F(DatabaseTool, NameInCodePage1250OnDisk) {
    auto row = sampleRow(1);
    row[columnOf("Nazev")] = "Čistá voda";
    ASSERT_EQ(build({row}), 0) << err.str();
    const std::string bytes = platform::readWholeFile(database());
    EXPECT_EQ(bytes.substr(2, 30), "\xC8ist\xE1 voda" + std::string(20, ' '));
}

// A fault stops the build, names the row and the column, and leaves no file: neither a
// temporary one nor the database of an earlier build that no longer matches the table.
TEST_F(DatabaseTool, BadRowStopsTheBuildAndLeavesNoFileBehind) {
    ASSERT_EQ(build({sampleRow(1)}), 0);
    auto bad = sampleRow(2);
    bad[columnOf("R9_Typ")] = "31";
    EXPECT_EQ(build({sampleRow(1), bad}), 1);
    EXPECT_EQ(err.str(),
              dir.file("t.tsv") +
                  ", row 3, column R9_Typ: equation type 31 is not one of 1..19\nNo database was written.\n");
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"t.tsv"});
}

TEST_F(DatabaseTool, UnwritableOrMissingFilesAreReported) {
    dir.write("t.tsv", tableText({sampleRow(1)}));
    EXPECT_EQ(run({"database", dir.file("t.tsv"), dir.file("no-folder/KWELAR.DRC")}), 1);
    EXPECT_EQ(err.str(), dir.file("no-folder/KWELAR.DRC") +
                             ": cannot be written (Path not found)\nNo database was "
                             "written.\n");
    EXPECT_EQ(run({"database", dir.file("none.tsv"), database()}), 1);
    EXPECT_NE(err.str().find(dir.file("none.tsv") + ": cannot be read (File not found)"), std::string::npos);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"t.tsv"});
}

TEST_F(DatabaseTool, LocationFileLeadsAnObjectToTheDatabaseWithoutASearch) {
    ASSERT_EQ(build({sampleRow(1)}), 0);
    fs::create_directories(dir.file("lib"));
    ASSERT_EQ(run({"location", dir.file("lib/KWELAR.CFG"), database()}), 0) << err.str();
    platform::ItemReader cfg(dir.file("lib/KWELAR.CFG"));
    EXPECT_EQ(cfg.readString(), "Soubor obsahuje na 2.ř. cestu k datovému souboru báze.");
    EXPECT_EQ(cfg.readString(), database());

    testsupport::ScriptedBoxes boxes; // any box fails the test
    kwelar::Smes s;
    s.CFGPath(dir.file("lib"));
    EXPECT_EQ(s.AdrKWELAR(), database());
}

TEST_F(DatabaseTool, LocationFileTakesOnlyAFullPathItCanHold) {
    for (const std::string& path : {std::string("data/KWELAR.DRC"), std::string(""),
                                    dir.file("a\"b/KWELAR.DRC"), dir.file("данные/KWELAR.DRC")}) {
        EXPECT_EQ(run({"location", dir.file("KWELAR.CFG"), path}), 1) << path;
        EXPECT_FALSE(err.str().empty());
    }
    EXPECT_EQ(run({"location", dir.file("no-folder/KWELAR.CFG"), database()}), 1);
    EXPECT_EQ(err.str(), dir.file("no-folder/KWELAR.CFG") + ": cannot be written (Path not found)\n");
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{});
}

TEST_F(DatabaseTool, WrongArgumentsShowTheUsage) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"database", "t.tsv"}, {"build", "t.tsv", "KWELAR.DRC"}, {"location", "a", "b", "c"}}) {
        EXPECT_EQ(run(args), 2);
        EXPECT_EQ(err.str().rfind("usage: ", 0), 0u);
    }
}

} // namespace
