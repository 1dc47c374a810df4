#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/Smes.h"

#include "FixtureDb.h"
#include "SmesProbe.h"
#include "TestSupport.h"

#include "Platform/CodePage.h"
#include "Platform/Conversions.h"
#include "Platform/FileSystem.h"
#include "Platform/ItemFile.h"

#include <algorithm>
#include <filesystem>

using kwelartest::FixtureDb;
using kwelartest::SmesProbe;
using platform::answer::No;
using platform::answer::Ok;
using platform::answer::Yes;

namespace fs = std::filesystem;

namespace {

const std::string SearchBoxText = "Budu nyní hledat datový soubor KWELAR.DRC na všech pevných discích\r\n"
                                  "Může to trvat i několik minut! Stiskněte OK a vyčkejte.";
const std::string NotFoundBoxText = "Lituji, ale nemáte nikde na dostupných discích\r\n"
                                    "nainstalován datový soubor báze KWELAR.DRC\r\n"
                                    "Zajistěte jeho nainstalování!\r\n"
                                    "Bez něho je báze nefunkční!";

// A library folder "lib" for the location file and two search roots "rootA", "rootB", all
// inside one temporary folder.
class SmesBaze : public ::testing::Test {
protected:
    SmesBaze() : roots({dir.file("rootA"), dir.file("rootB")}) {
        fs::create_directories(dir.file("lib"));
        fs::create_directories(dir.file("rootA"));
        fs::create_directories(dir.file("rootB"));
        s.CFGPath(dir.file("lib"));
    }

    // Writes the sample database into the folder `relative` of the temporary folder.
    std::string databaseIn(const std::string& relative, const std::string& name = "KWELAR.DRC") {
        fs::create_directories(dir.file(relative));
        return FixtureDb::sample().write(dir.file(relative), name);
    }
    std::string cfgFile() const { return dir.file("lib/KWELAR.CFG"); }
    // Items 1 and 2 of the location file.
    std::pair<std::string, std::string> cfgItems() const {
        platform::ItemReader r(cfgFile());
        std::string first = r.readString();
        return {first, r.readString()};
    }
    void expectBox(size_t k, const std::string& text, int style, const std::string& title) const {
        ASSERT_LT(k, boxes.boxes().size());
        EXPECT_EQ(boxes.boxes()[k].text, text);
        EXPECT_EQ(boxes.boxes()[k].style, style);
        EXPECT_EQ(boxes.boxes()[k].title, title);
    }

    testsupport::TempDir dir;
    kwelartest::SearchRootsScope roots;
    testsupport::ScriptedBoxes boxes;
    SmesProbe s;
};

TEST_F(SmesBaze, LocationFileGivesThePathWithoutAnyBox) {
    const std::string db = databaseIn("data");
    kwelartest::writeLocationFile(dir.file("lib"), "  " + db + "  ");
    s.Adrkwl();
    EXPECT_EQ(s.AdrKWELAR(), db);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(SmesBaze, PathQueriesLocateOnlyWhileThePathIsEmpty) {
    const std::string db = databaseIn("data");
    kwelartest::writeLocationFile(dir.file("lib"), db);
    EXPECT_EQ(s.SouborBaze(), db);
    s.AdrKWELAR("jinde/JINA.DRC");
    EXPECT_EQ(s.AdrKWELAR(), "jinde/JINA.DRC") << "stored unchanged, no search";
    EXPECT_EQ(s.SouborBaze(), "jinde/JINA.DRC");
    s.AdrKWELAR("");
    EXPECT_EQ(s.AdrKWELAR(), db);
}

TEST_F(SmesBaze, WithoutLocationFileTheFirstPassLooksIntoTheKwelarFolders) {
    // A copy under rootA elsewhere would be found by the second pass only.
    databaseIn("rootA/jinde/hluboko");
    const std::string db = databaseIn("rootB/KWELAR/DATA");
    boxes.answer(Ok);
    s.Adrkwl();
    expectBox(0, SearchBoxText, 64, "Instalace KWELAR");
    EXPECT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(s.AdrKWELAR(), db);
    EXPECT_EQ(cfgItems(),
              std::make_pair(std::string("Soubor obsahuje na 2.ř. cestu k datovému souboru báze."), db));

    // The next object finds it through the location file, without a search.
    SmesProbe next;
    next.CFGPath(dir.file("lib"));
    EXPECT_EQ(next.AdrKWELAR(), db);
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

TEST_F(SmesBaze, SecondPassWalksTheWholeRootsInTheirOrder) {
    const std::string inA = databaseIn("rootA/jinde/hluboko");
    databaseIn("rootB/jinde");
    boxes.answer(Ok);
    s.Adrkwl();
    EXPECT_EQ(s.AdrKWELAR(), inA);
    EXPECT_EQ(cfgItems().second, inA);
}

TEST_F(SmesBaze, DatabaseNowhereGivesTheCriticalBoxAndAnEmptyPath) {
    boxes.answer(Ok).answer(Ok);
    s.Adrkwl();
    expectBox(0, SearchBoxText, 64, "Instalace KWELAR");
    expectBox(1, NotFoundBoxText, 16, "KWELAR");
    EXPECT_EQ(s.adrKWELAR(), "");
    EXPECT_FALSE(platform::fileExists(cfgFile()));
}

TEST_F(SmesBaze, SearchFollowsNoSymbolicLinks) {
    const std::string db = databaseIn("outside/KWELAR");
    fs::create_directories(dir.file("rootA/KWELAR"));
    fs::create_directory_symlink(dir.file("outside"), dir.file("rootA/KWELAR/odkaz"));
    fs::create_symlink(db, dir.file("rootB/KWELAR.DRC"));
    boxes.answer(Ok).answer(Ok);
    s.Adrkwl();
    expectBox(1, NotFoundBoxText, 16, "KWELAR");
    EXPECT_EQ(s.adrKWELAR(), "");
}

TEST_F(SmesBaze, PathWithACommaSurvivesTheLocationFile) {
    const std::string db = databaseIn("rootA/KWELAR/a,b");
    boxes.answer(Ok);
    s.Adrkwl();
    ASSERT_EQ(s.AdrKWELAR(), db);
    SmesProbe next;
    next.CFGPath(dir.file("lib"));
    EXPECT_EQ(next.AdrKWELAR(), db);
}

TEST_F(SmesBaze, UnwritableLocationFileKeepsTheFoundPathAndReportsTheFailure) {
    const std::string db = databaseIn("rootA/KWELAR");
    s.CFGPath(dir.file("missing"));
    s.ChyboveHlasky(-1);
    boxes.answer(Ok).answer(Ok);
    s.Adrkwl();
    expectBox(1, "Chyba č. 76 : " + platform::standardDescription(76), 48, "KWELAR Adrkwl");
    EXPECT_EQ(s.AdrKWELAR(), db);
}

// A path ending in "#" brings the file name of a new database, also below a folder whose
// name holds a ".".
class DatabaseNameFromLocationFile : public SmesBaze, public ::testing::WithParamInterface<const char*> {};

TEST_P(DatabaseNameFromLocationFile, NameEndingInHashBecomesTheDatabaseName) {
    const std::string db = databaseIn(GetParam(), "MYBASE.DRC");
    kwelartest::writeLocationFile(dir.file("lib"), db + "#");
    s.Adrkwl();
    EXPECT_EQ(s.DataFileName(), "MYBASE.DRC");
    EXPECT_EQ(s.AdrKWELAR(), db);
    EXPECT_TRUE(boxes.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Folders, DatabaseNameFromLocationFile, ::testing::Values("data", "base.v2"));

TEST_F(SmesBaze, LocationFileNamingAMissingFileOffersToDeleteIt) {
    kwelartest::writeLocationFile(dir.file("lib"), dir.file("data/KWELAR.DRC"));
    const std::string text = "Soubor KWELAR.CFG nejspíše v adresáři " + dir.file("lib") +
                             "/\r\n obsahuje odkaz na neexistující soubor KWELAR.DRC!!!\r\n"
                             "Smažte soubor KWELAR.CFG a znovu spusťte program.\r\n"
                             "Mám ho smazat sám? (Y/N)";
    boxes.answer(No);
    s.Adrkwl();
    expectBox(0, text, 52, "KWELAR");
    EXPECT_EQ(s.adrKWELAR(), "");
    EXPECT_TRUE(platform::fileExists(cfgFile()));

    boxes.answer(Yes);
    s.Adrkwl();
    EXPECT_EQ(s.adrKWELAR(), "");
    EXPECT_FALSE(platform::fileExists(cfgFile()));
}

TEST_F(SmesBaze, LocationFileNamingAnotherFileIsRefused) {
    const std::string other = databaseIn("data", "OTHER.DRC");
    kwelartest::writeLocationFile(dir.file("lib"), other);
    boxes.answer(No);
    s.Adrkwl();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].style, 52);
    EXPECT_EQ(s.adrKWELAR(), "");
}

TEST_F(SmesBaze, TooShortDatabaseIsRefusedAndDeletedOnlyOnYes) {
    const std::string db = dir.write("data/KWELAR.DRC", std::string(3999, '\0'));
    kwelartest::writeLocationFile(dir.file("lib"), db);
    const std::string text =
        "Soubor " + db + "má příliš malou délku ( 3999) nebo je nulový.\r\nSmazat ho ? (Y/N)";
    boxes.answer(No);
    s.Adrkwl();
    expectBox(0, text, 52, "KWELAR");
    EXPECT_EQ(s.adrKWELAR(), "");
    EXPECT_TRUE(platform::fileExists(db));

    boxes.answer(Yes);
    s.Adrkwl();
    EXPECT_EQ(s.adrKWELAR(), "");
    EXPECT_FALSE(platform::fileExists(db));
}

TEST_F(SmesBaze, DatabaseOfEightRecordsIsAccepted) {
    const std::string db = dir.write("data/KWELAR.DRC", std::string(4000, ' '));
    kwelartest::writeLocationFile(dir.file("lib"), db);
    s.Adrkwl();
    EXPECT_EQ(s.AdrKWELAR(), db);
}

TEST_F(SmesBaze, PathWithoutAFileNameIsAnUnexpectedError) {
    fs::create_directories(dir.file("data/KWELARDRC"));
    kwelartest::writeLocationFile(dir.file("lib"), dir.file("data/KWELARDRC"));
    const std::string text = "Chyba č. 5 : " + platform::standardDescription(5);
    boxes.answer(Ok);
    s.Adrkwl();
    expectBox(0, text, 48, "KWELAR Adrkwl");
    // The path that failed its check is not left behind as if it were located.
    EXPECT_EQ(s.adrKWELAR(), "");

    s.ChyboveHlasky(-1);
    boxes.answer(Ok);
    try {
        s.Adrkwl();
        ADD_FAILURE() << "mode -1 raises";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), kwelar::ChybaVypoctu);
        EXPECT_EQ(e.source(), "KWELAR - Adrkwl");
        EXPECT_EQ(e.description(), "Chyba při zjišťování umístění datového souboru!");
    }
    expectBox(1, text, 48, "KWELAR Adrkwl");
}

// ---- Inikwl -----------------------------------------------------------------------------

// Substances 3, 5, 8 and a blank record 4 in a database of 8 records.
class SmesInikwl : public SmesBaze {
protected:
    SmesInikwl() {
        db.add(3).name("Látka tři");
        db.add(5).name("Látka pět").point(2, 500.f);
        db.add(8).name("Látka osm").block(4, 1, {1000.f, -1.f}, 1, 200, 450);
        path = db.write(dir.path());
        kwelartest::pointAt(s, path);
    }
    void request(std::initializer_list<int16_t> numbers) {
        int16_t k = 1;
        for (const int16_t n : numbers)
            s.ZapisNslozky(k++, n);
    }

    FixtureDb db;
    std::string path;
};

TEST_F(SmesInikwl, LoadsTheLeadingRequestedSubstances) {
    request({3, 8, 0, 5});
    EXPECT_TRUE(s.Inikwl().identical(platform::Variant(int16_t{2})));
    EXPECT_EQ(s.Nsloz().toInteger(), 2);
    EXPECT_EQ(s.slozka(1), db.substance(3).record());
    EXPECT_EQ(s.slozka(2), db.substance(8).record());
    EXPECT_EQ(s.slozka(2).Rozvoj(4).Do, 450);
    EXPECT_EQ(s.priznakNacteni(), kwelar::LoadedMarker);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(SmesInikwl, SecondLoadReadsNothingUntilASlotIsWritten) {
    request({3, 5});
    ASSERT_EQ(s.Inikwl().toInteger(), 2);
    db.substance(5).name("Přejmenovaná");
    db.write(dir.path());
    EXPECT_EQ(s.Inikwl().toInteger(), 2);
    EXPECT_EQ(platform::trimRight(s.slozka(2).Nazev), "Látka pět");
    s.ZapisNslozky(3, 0);
    EXPECT_EQ(s.Inikwl().toInteger(), 2);
    EXPECT_EQ(platform::trimRight(s.slozka(2).Nazev), "Přejmenovaná");
}

TEST_F(SmesInikwl, WithoutAPathTheDatabaseIsLocatedFirst) {
    kwelartest::writeLocationFile(dir.file("lib"), path);
    s.AdrKWELAR("");
    request({5});
    EXPECT_EQ(s.Inikwl().toInteger(), 1);
    EXPECT_EQ(s.AdrKWELAR(), path);
}

TEST_F(SmesInikwl, DatabaseThatCannotBeReadGivesZeroAtOnce) {
    s.AdrKWELAR(dir.file("nikde/KWELAR.DRC"));
    request({3});
    EXPECT_EQ(s.Inikwl().toInteger(), 0);
    EXPECT_EQ(s.slozka(1).N, 0);
    EXPECT_NE(s.priznakNacteni(), kwelar::LoadedMarker);

    s.AdrKWELAR(dir.path());
    EXPECT_EQ(s.Inikwl().toInteger(), 0) << "a folder in place of the file";
}

TEST_F(SmesInikwl, DatabaseNowhereGivesZeroAfterTheSearchBoxes) {
    s.AdrKWELAR("");
    request({3});
    boxes.answer(Ok).answer(Ok);
    EXPECT_EQ(s.Inikwl().toInteger(), 0);
    expectBox(1, NotFoundBoxText, 16, "KWELAR");
}

struct MissingCase {
    int16_t mode;
    int16_t number;
};
void PrintTo(const MissingCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class MissingSubstance : public SmesInikwl, public ::testing::WithParamInterface<MissingCase> {};

// A blank record and a record beyond the end of the file are missing in every mode.
TEST_P(MissingSubstance, IsReportedInEveryModeAndGivesZero) {
    const MissingCase c = GetParam();
    s.ChyboveHlasky(c.mode);
    request({3, c.number, 5});
    boxes.answer(Ok);
    EXPECT_TRUE(s.Inikwl().identical(platform::Variant(int16_t{0})));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    expectBox(0, "INIKWL: Látka č. " + std::string(" ") + std::to_string(c.number) + " není v bázi!", 48,
              "KWELAR");
    EXPECT_EQ(s.slozka(1).N, 3);
    EXPECT_EQ(s.slozka(2).N, 0);
    EXPECT_EQ(s.Nsloz().toInteger(), 3);
    EXPECT_EQ(s.priznakNacteni(), 0);
}

INSTANTIATE_TEST_SUITE_P(ModesAndRecords, MissingSubstance,
                         ::testing::Values(MissingCase{-1, 4}, MissingCase{0, 4}, MissingCase{1, 4},
                                           MissingCase{2, 4}, MissingCase{-1, 50}, MissingCase{0, 50},
                                           MissingCase{1, 50}, MissingCase{2, 50}),
                         [](const auto& info) {
                             return "mode" + std::to_string(info.param.mode + 1) + "_record" +
                                    std::to_string(info.param.number);
                         });

TEST_F(SmesInikwl, BlankBoxTextHasTheNumberInNumberTextForm) {
    request({4});
    boxes.answer(Ok);
    s.Inikwl();
    expectBox(0, "INIKWL: Látka č.  4 není v bázi!", 48, "KWELAR");
}

// ---- FindFiles and TrimNulls --------------------------------------------------------------

class SmesFindFiles : public SmesBaze {
protected:
    SmesFindFiles() {
        for (const char* name : {"KWELAR.DRC", "kwelar1.drc", "Čaj.txt", "A7.DRC", "AB.DRC"})
            dir.write(std::string("find/") + name, "x");
        dir.write("find/sub/KWELAR.DRC", "x");
    }
    // The hits of one search from an empty list, sorted.
    std::vector<std::string> hits(const std::string& pattern, const std::string& folderPattern = "*") {
        platform::Array<std::string> found;
        std::string root = dir.file("find");
        s.FindFiles(root, folderPattern, pattern, found);
        std::vector<std::string> v;
        const int32_t n = platform::toLong(platform::val(found(0)));
        for (int32_t i = 1; i <= n; ++i)
            v.push_back(found(i).substr(dir.file("find/").size()));
        std::sort(v.begin(), v.end());
        return v;
    }
};

TEST_F(SmesFindFiles, NamesMatchWildcardsWithoutRegardToCase) {
    using V = std::vector<std::string>;
    EXPECT_EQ(hits("KWELAR.DRC"), (V{"KWELAR.DRC", "sub/KWELAR.DRC"}));
    EXPECT_EQ(hits("kwelar?.drc"), (V{"kwelar1.drc"}));
    EXPECT_EQ(hits("*.DRC"), (V{"A7.DRC", "AB.DRC", "KWELAR.DRC", "kwelar1.drc", "sub/KWELAR.DRC"}));
    EXPECT_EQ(hits("A#.DRC"), (V{"A7.DRC"}));
    EXPECT_EQ(hits("A[!0-9].DRC"), (V{"AB.DRC"}));
    EXPECT_EQ(hits("[KA]*1.DRC"), (V{"kwelar1.drc"}));
    EXPECT_EQ(hits("čaj.*"), (V{"Čaj.txt"}));
    EXPECT_EQ(hits("KWELAR.DRC", "*/sub/"), (V{"sub/KWELAR.DRC"}));
    EXPECT_EQ(hits("NIC.DRC"), V{});
}

TEST_F(SmesFindFiles, HitsAreAppendedAfterTheCountInElementZero) {
    platform::Array<std::string> found(0, 4);
    found(0) = " 3";
    std::string root = dir.file("find/sub");
    s.FindFiles(root, "*", "KWELAR.DRC", found);
    EXPECT_EQ(root, dir.file("find/sub/")) << "a final / appended";
    EXPECT_EQ(found(0), " 4");
    EXPECT_EQ(found(4), dir.file("find/sub/KWELAR.DRC"));
    EXPECT_EQ(found.ubound(), 4);
}

TEST_F(SmesFindFiles, FullListGrowsByTenElements) {
    platform::Array<std::string> found(0, 2);
    found(0) = " 2";
    found(1) = "první";
    std::string root = dir.file("find/sub");
    s.FindFiles(root, "*", "KWELAR.DRC", found);
    EXPECT_EQ(found.ubound(), 12);
    EXPECT_EQ(found(1), "první");
    EXPECT_EQ(found(0), " 3");
    EXPECT_EQ(found(3), dir.file("find/sub/KWELAR.DRC"));

    platform::Array<std::string> none;
    s.FindFiles(root, "*", "NIC", none);
    EXPECT_EQ(none.ubound(), 10) << "a list without elements gets 0 to 10";
    EXPECT_EQ(none(0), "");
}

TEST_F(SmesFindFiles, FolderThatCannotBeListedGivesNothing) {
    platform::Array<std::string> found(0, 2);
    std::string root = dir.file("nikde");
    s.FindFiles(root, "*", "*", found);
    EXPECT_EQ(found(0), "");
}

TEST(SmesTrimNulls, CutsAtTheFirstNullCharacter) {
    const kwelar::Smes s;
    EXPECT_EQ(s.TrimNulls(std::string("abc\0def", 7)), "abc");
    EXPECT_EQ(s.TrimNulls(std::string("\0abc", 4)), "");
    EXPECT_EQ(s.TrimNulls("abc"), "abc");
    EXPECT_EQ(s.TrimNulls(""), "");
}

} // namespace

namespace {

// The library's own location file serves every new object: no search and no box.
TEST(SmesLibraryFolder, NewObjectsFindTheDatabaseThroughTheLocationFileOfTheLibraryFolder) {
    testsupport::ScriptedBoxes boxes;
    const kwelartest::FixtureLibrary library;
    SmesProbe s;
    EXPECT_EQ(s.CFGPath(), library.folder() + "/");
    s.DefSlozky({1, 2, 3, 4});
    EXPECT_EQ(s.adrKWELAR(), library.databasePath());
    EXPECT_EQ(s.Nsloz().toInteger(), 4);
    const char* const names[] = {"Voda", "Dusík", "n-Hexan", "n-Heptan"};
    for (int32_t i = 1; i <= 4; ++i) {
        EXPECT_EQ(platform::trimRight(s.slozka(i).Nazev), names[i - 1]);
        for (int32_t k = 1; k <= 10; ++k)
            EXPECT_EQ(s.slozka(i).Rozvoj(k).Presn, 1) << "substance " << i << " correlation " << k;
        EXPECT_EQ(s.slozka(i).Rozvoj(11).Presn, 0);
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

} // namespace
