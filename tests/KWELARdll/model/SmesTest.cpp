#include "KWELARdll/model/Smes.h"
#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/LibraryFolder.h"

#include "FixtureDb.h"
#include "SmesProbe.h"
#include "TestSupport.h"

#include "Platform/CodePage.h"
#include "Platform/FileSystem.h"

using kwelar::Smes;
using kwelartest::FixtureDb;
using kwelartest::SmesProbe;
using platform::Variant;
using platform::VArray;

namespace {

// A database with substances 1 to 20 (named "Látka n") in a temporary folder.
class SmesDefinition : public ::testing::Test {
protected:
    SmesDefinition() {
        FixtureDb db;
        for (int16_t n = 1; n <= 20; ++n)
            db.add(n);
        database = db.write(dir.path());
        kwelartest::pointAt(s, database);
    }

    // The requested numbers of slots 1..count.
    std::vector<int16_t> slots(int32_t count) const {
        std::vector<int16_t> v;
        for (int32_t i = 1; i <= count; ++i)
            v.push_back(s.cisloSlozky(i));
        return v;
    }

    testsupport::TempDir dir;
    testsupport::ScriptedBoxes boxes;
    std::string database;
    SmesProbe s;
};

TEST(SmesObject, NewObjectHasTheDefaultSettingsAndOpensNothing) {
    testsupport::ScriptedBoxes boxes;
    SmesProbe s;
    EXPECT_EQ(s.DataFileName(), "KWELAR.DRC");
    EXPECT_EQ(s.CFGName(), "KWELAR.CFG");
    EXPECT_EQ(s.CFGPath(), kwelar::libraryFolder() + "/");
    EXPECT_EQ(s.ChyboveHlasky(), 0);
    EXPECT_EQ(s.MaxErrHlas(), 20);
    EXPECT_EQ(s.pocErrHlas(), 0);
    EXPECT_FALSE(s.Redlich());
    EXPECT_EQ(s.mezeTeplot(), 0);
    EXPECT_EQ(s.SNazev(), "");
    EXPECT_TRUE(s.Nsloz().identical(Variant(int16_t{0})));
    EXPECT_EQ(s.priznakNacteni(), 0);
    EXPECT_EQ(s.strNalez().lbound(), 0);
    EXPECT_EQ(s.strNalez().ubound(), 2);
    EXPECT_EQ(s.seznamLatek().ubound(), 2);
    EXPECT_EQ(s.pocLatek(), 0);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST(SmesObject, LocationFileFolderIsTheFolderOfTheSharedLibrary) {
    const std::string overridden = kwelar::libraryFolder();
    kwelar::setLibraryFolder("");
    const std::string folder = kwelar::libraryFolder();
    kwelar::setLibraryFolder(overridden);
    EXPECT_TRUE(platform::fileExists(platform::joinPath(folder, "libKWELAR.so"))) << folder;
}

TEST(SmesObject, PocetSmesiCountsTheLiveObjects) {
    const int32_t before = Smes::PocetSmesi().toLong();
    auto a = std::make_unique<Smes>();
    {
        Smes b;
        EXPECT_EQ(a->PocetSmesi().toLong(), before + 2);
    }
    EXPECT_EQ(Smes::PocetSmesi().toLong(), before + 1);
    a.reset();
    EXPECT_EQ(Smes::PocetSmesi().toLong(), before);
}

TEST(SmesSettings, LetMembersStoreAsTheirRulesSay) {
    Smes s;
    s.CFGPath("  /tmp/kwelar data  ");
    EXPECT_EQ(s.CFGPath(), "/tmp/kwelar data/");
    s.CFGPath("");
    EXPECT_EQ(s.CFGPath(), "/tmp/kwelar data/");
    s.CFGPath("/opt/k/");
    EXPECT_EQ(s.CFGPath(), "/opt/k/");

    s.DataFileName("");
    EXPECT_EQ(s.DataFileName(), "KWELAR.DRC");
    s.DataFileName("MYBASE.DRC");
    EXPECT_EQ(s.DataFileName(), "MYBASE.DRC");

    s.CFGName("");
    EXPECT_EQ(s.CFGName(), "");

    s.Redlich(true);
    EXPECT_TRUE(s.Redlich());
    s.SNazev("Směs A");
    EXPECT_EQ(s.SNazev(), "Směs A");
}

TEST(SmesSettings, MezeZapAndMezeVypSwitchClamping) {
    SmesProbe s;
    s.MezeZap();
    EXPECT_EQ(s.mezeTeplot(), 1);
    s.MezeVyp();
    EXPECT_EQ(s.mezeTeplot(), 0);
}

TEST_F(SmesDefinition, ZapisNslozkyOutsideTheSlotsShowsTheBoxAndChangesNothing) {
    s.ZapisNslozky(1, 7);
    s.Inikwl();
    ASSERT_EQ(s.priznakNacteni(), kwelar::LoadedMarker);
    for (const int16_t index : {int16_t{0}, int16_t{21}, int16_t{-1}}) {
        boxes->clear();
        boxes.answer(platform::answer::Ok);
        s.ZapisNslozky(index, 5);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text, "Index složky mimo meze!");
        EXPECT_EQ(boxes.boxes()[0].style, 16);
        EXPECT_EQ(boxes.boxes()[0].title, "KWELAR");
    }
    EXPECT_EQ(slots(3), (std::vector<int16_t>{7, 0, 0}));
    EXPECT_EQ(s.priznakNacteni(), kwelar::LoadedMarker);
    EXPECT_EQ(s.Nsloz().toInteger(), 1);
}

TEST_F(SmesDefinition, ZapisNslozkySetsTheSlotAndClearsTheMarkerWithoutLoading) {
    s.ZapisNslozky(1, 7);
    s.Inikwl();
    s.ZapisNslozky(2, 9);
    EXPECT_EQ(slots(2), (std::vector<int16_t>{7, 9}));
    EXPECT_EQ(s.priznakNacteni(), 0);
    EXPECT_EQ(s.Nsloz().toInteger(), 1);
    EXPECT_EQ(s.slozka(2).N, 0);
}

TEST_F(SmesDefinition, NslozLetOnlyShortensTheMixture) {
    for (int16_t i = 1; i <= 5; ++i)
        s.ZapisNslozky(i, static_cast<int16_t>(10 + i));
    ASSERT_EQ(s.Inikwl().toInteger(), 5);
    s.Nsloz(Variant(int16_t{3}));
    EXPECT_EQ(s.Nsloz().toInteger(), 3);
    EXPECT_EQ(slots(5), (std::vector<int16_t>{11, 12, 13, 0, 15}));
    EXPECT_EQ(s.priznakNacteni(), kwelar::LoadedMarker) << "the records stay loaded";
    s.Nsloz(Variant(int16_t{7}));
    s.Nsloz(Variant(int16_t{3}));
    EXPECT_EQ(s.Nsloz().toInteger(), 3);
    EXPECT_EQ(slots(5), (std::vector<int16_t>{11, 12, 13, 0, 15}));
    EXPECT_RUNTIME_ERROR(s.Nsloz(Variant(int16_t{-1})), platform::err::Subscript);
    EXPECT_EQ(s.Nsloz().toInteger(), -1);
}

TEST_F(SmesDefinition, DefSmesDefinesAndLoadsTheMixtureAndSetsTheMode) {
    VArray r(0, 21);
    r(1) = Variant(10.0);
    r(2) = Variant(20.0);
    s.DefSmes(-2, r);
    EXPECT_EQ(slots(3), (std::vector<int16_t>{10, 20, 0}));
    EXPECT_EQ(s.Nsloz().toInteger(), 2);
    EXPECT_EQ(s.slozka(1).N, 10);
    EXPECT_EQ(platform::trimRight(s.slozka(2).Nazev), "Látka 20");
    EXPECT_EQ(s.ChyboveHlasky(), 1);
    EXPECT_EQ(s.priznakNacteni(), 0) << "the next Inikwl reads again";
    s.DefSmes(2, r);
    EXPECT_EQ(s.ChyboveHlasky(), 0);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(SmesDefinition, DefSmesRoundsTheNumbersHalfToEven) {
    VArray r(0, 3);
    r(1) = Variant(2.5);
    r(2) = Variant(3.5);
    r(3) = Variant(6.4);
    s.DefSmes(3, r);
    EXPECT_EQ(slots(4), (std::vector<int16_t>{2, 4, 6, 0}));
}

TEST_F(SmesDefinition, DefSmesOfMoreThanTwentyWritesTwentySlotsAndFailsBeforeLoading) {
    VArray r(0, 25);
    for (int32_t k = 1; k <= 25; ++k)
        r(k) = Variant(static_cast<double>(k));
    EXPECT_RUNTIME_ERROR(s.DefSmes(25, r), platform::err::Subscript);
    EXPECT_EQ(s.cisloSlozky(20), 20);
    EXPECT_EQ(s.slozka(1).N, 0) << "nothing loaded";
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(SmesDefinition, DefSmesWithAShortArrayFailsWithSubscriptOutOfRange) {
    VArray r(0, 1);
    r(1) = Variant(3.0);
    EXPECT_RUNTIME_ERROR(s.DefSmes(2, r), platform::err::Subscript);
}

TEST_F(SmesDefinition, NewDefinitionReadsNewRecordsEvenAfterALoad) {
    s.DefSlozky({1, 2, 3});
    ASSERT_EQ(s.Inikwl().toInteger(), 3);
    ASSERT_EQ(s.priznakNacteni(), kwelar::LoadedMarker);
    s.DefSlozky({-5});
    EXPECT_EQ(s.Nsloz().toInteger(), 1);
    EXPECT_EQ(s.slozka(1).N, 5);
    EXPECT_EQ(s.cisloSlozky(2), 0);
    EXPECT_EQ(s.ChyboveHlasky(), 1);

    VArray r(0, 2);
    r(1) = Variant(8.0);
    r(2) = Variant(9.0);
    s.Inikwl();
    s.DefSmes(2, r);
    EXPECT_EQ(s.Nsloz().toInteger(), 2);
    EXPECT_EQ(s.slozka(1).N, 8);
    EXPECT_EQ(s.slozka(2).N, 9);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(SmesDefinition, DefSlozkyTakesAbsoluteValuesAndTheModeFromTheFirst) {
    s.DefSlozky({Variant(-4.0), Variant(-6), Variant("7")});
    EXPECT_EQ(slots(4), (std::vector<int16_t>{4, 6, 7, 0}));
    EXPECT_EQ(s.Nsloz().toInteger(), 3);
    EXPECT_EQ(s.ChyboveHlasky(), 1);
    s.DefSlozky({Variant(2.0), Variant(-6)});
    EXPECT_EQ(s.ChyboveHlasky(), 0);
    EXPECT_EQ(slots(3), (std::vector<int16_t>{2, 6, 0}));
}

TEST_F(SmesDefinition, DefSlozkyWithoutNumbersWarnsAndReportsTheEmptyLoad) {
    s.ChyboveHlasky(1);
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    s.DefSlozky({});
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, "Nebyly zadány čísla složek!");
    EXPECT_EQ(boxes.boxes()[0].style, 48);
    EXPECT_EQ(boxes.boxes()[0].title, "Definice složek");
    EXPECT_EQ(boxes.boxes()[1].text, "Nemohu načíst z KWELAR.DRC!");
    EXPECT_EQ(boxes.boxes()[1].style, 16);
    EXPECT_EQ(boxes.boxes()[1].title, "KWELAR");
    EXPECT_EQ(s.ChyboveHlasky(), 1) << "an empty list leaves the mode";

    boxes->clear();
    s.ChyboveHlasky(2);
    s.DefSlozky({});
    EXPECT_TRUE(boxes.boxes().empty()) << "mode 2 shows neither box";
}

TEST_F(SmesDefinition, DefSlozkyReportsABadNumberAndGoesOn) {
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    s.DefSlozky({Variant(3), Variant("abc"), Variant(99999.0), Variant(5)});
    ASSERT_EQ(boxes.boxes().size(), 2u);
    for (const auto& box : boxes.boxes()) {
        EXPECT_EQ(box.text, "Chybné zadání složek");
        EXPECT_EQ(box.style, 48);
        EXPECT_EQ(box.title, "Definice složek");
    }
    EXPECT_EQ(slots(5), (std::vector<int16_t>{3, 0, 0, 5, 0}));
    EXPECT_EQ(s.Nsloz().toInteger(), 1) << "the list ends at the first slot left 0";
}

TEST_F(SmesDefinition, LoadFailureAfterADefinitionIsReportedBelowModeTwo) {
    FixtureDb db;
    db.add(1);
    db.write(dir.path(), "SMALL.DRC");
    s.AdrKWELAR(dir.file("SMALL.DRC"));
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    s.DefSlozky({1, 6});
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, "INIKWL: Látka č.  6 není v bázi!");
    EXPECT_EQ(boxes.boxes()[1].text, "Nemohu načíst z KWELAR.DRC!");
    EXPECT_EQ(boxes.boxes()[1].style, 16);
}

TEST_F(SmesDefinition, ResetujSmesEmptiesTheMixtureAndReturnsToModeZero) {
    s.DefSlozky({3, 4});
    s.Inikwl();
    s.ChyboveHlasky(-1);
    s.setPocErrHlas(7);
    s.MaxErrHlas(9);
    s.DataFileName("JINA.DRC");
    s.ResetujSmes();
    EXPECT_EQ(s.Nsloz().toInteger(), 0);
    EXPECT_EQ(s.priznakNacteni(), 0);
    EXPECT_EQ(s.ChyboveHlasky(), 0);
    for (int32_t i = 1; i <= 20; ++i) {
        EXPECT_EQ(s.cisloSlozky(i), 0);
        EXPECT_EQ(s.slozka(i).N, 0);
        EXPECT_EQ(s.slozka(i).Nazev, std::string(30, ' '));
    }
    EXPECT_EQ(s.pocErrHlas(), 7);
    EXPECT_EQ(s.MaxErrHlas(), 9);
    EXPECT_EQ(s.DataFileName(), "JINA.DRC");
    EXPECT_EQ(s.AdrKWELAR(), database);
}

TEST_F(SmesDefinition, DefinitionTakenBeforeARedefinitionPutsTheMixtureBack) {
    s.DefSlozky({3, 4});
    s.Inikwl();
    s.Nazev(2, "Přejmenovaná"); // changed in memory only, as the rename window does
    s.ChyboveHlasky(-1);
    const Smes::Definition before = s.definition();
    s.ResetujSmes();
    s.DefSlozky({5});
    s.restoreDefinition(before);
    EXPECT_EQ(s.Nsloz().toInteger(), 2);
    EXPECT_EQ(slots(3), (std::vector<int16_t>{3, 4, 0}));
    EXPECT_EQ(s.slozka(1).N, 3);
    EXPECT_EQ(s.Nazev(2).rfind("Přejmenovaná", 0), 0u) << "the record as it was in memory";
    EXPECT_EQ(s.priznakNacteni(), before.PriznakNacteni);
    EXPECT_EQ(s.ChyboveHlasky(), -1);
}

// Records what happens to the windows of each object.
struct WindowLog {
    int created = 0;
    int recreated = 0;
    int released = 0;
};

class RecordingWindows : public kwelar::SmesOkna {
public:
    explicit RecordingWindows(WindowLog& log) : m_log(log) { ++m_log.created; }
    ~RecordingWindows() override { ++m_log.released; }
    void recreateComponentChoice() override { ++m_log.recreated; }

private:
    WindowLog& m_log;
};

TEST(SmesWindows, WindowsLiveWithTheObjectAndResetRenewsTheChoiceWindow) {
    WindowLog log;
    kwelar::setSmesOknaFactory([&](Smes&) { return std::make_unique<RecordingWindows>(log); });
    {
        Smes s;
        EXPECT_EQ(log.created, 1);
        s.ResetujSmes();
        s.ResetujSmes();
        EXPECT_EQ(log.recreated, 2);
        EXPECT_EQ(log.released, 0);
    }
    kwelar::setSmesOknaFactory(nullptr);
    EXPECT_EQ(log.released, 1);
    Smes withoutWindows;
    withoutWindows.ResetujSmes();
    EXPECT_EQ(log.created, 1);
}

} // namespace
