#include "FixtureDb.h"
#include "KWELARdll/model/Smes.h"
#include "KWELARdll/model/SmesOkna.h"
#include "KWELARdll/model/SubstanceEditor.h"
#include "Platform/FileSystem.h"
#include "Platform/Regional.h"
#include "SmesProbe.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

using kwelar::EditorForm;
using kwelar::EditorTexts;
using kwelar::ZaznamLatky;
using kwelartest::SmesProbe;

namespace {

// The editor as a window part would hold it: the last form shown stands in its boxes until
// the test edits them.
class FakeEditor : public kwelar::SmesOkna {
public:
    void recreateComponentChoice() override {}
    void showEditor(const EditorForm& form) override {
        forms.push_back(form);
        boxes = form.texts;
    }
    std::optional<EditorTexts> editorTexts() const override { return boxes; }
    void hideEditor() override { ++hidden; }
    void selectEditorBox(const std::string& box) override { selected.push_back(box); }

    std::vector<EditorForm> forms;
    std::vector<std::string> selected;
    std::optional<EditorTexts> boxes;
    int hidden = 0;
};

class SmesOpravyTest : public ::testing::Test {
protected:
    void SetUp() override {
        kwelar::setSmesOknaFactory([this](kwelar::Smes&) {
            auto w = std::make_unique<FakeEditor>();
            fake = w.get();
            return w;
        });
        s = std::make_unique<SmesProbe>();
        kwelartest::FixtureDb db = kwelartest::FixtureDb::sample();
        db.minimumRecords(400);
        database = db.write(dir.path());
        original = platform::readWholeFile(database);
        kwelartest::pointAt(*s, database);
        // Water at position 1, n-hexane at position 2.
        s->ZapisNslozky(1, 1);
        s->ZapisNslozky(2, 3);
        ASSERT_EQ(s->Inikwl().toInteger(), 2);
    }
    void TearDown() override {
        s.reset();
        kwelar::setSmesOknaFactory(nullptr);
    }

    // Opens the editor on component Ind, as the user would.
    EditorTexts& open(int16_t Ind) {
        s->ZmenaDocas(Ind);
        return *fake->boxes;
    }

    testsupport::TempDir dir;
    testsupport::ScriptedBoxes boxes;
    std::unique_ptr<SmesProbe> s;
    FakeEditor* fake = nullptr;
    std::string database;
    std::string original;
};

TEST_F(SmesOpravyTest, FillingShowsWaterAs700WithTheRegionalSeparator) {
    for (const char sep : {'.', ','}) {
        platform::DecimalSeparatorScope region(sep);
        const EditorTexts& t = open(1);
        const EditorForm& form = fake->forms.back();
        EXPECT_EQ(form.caption, " Dočasná změna dat o látce");
        EXPECT_EQ(t.at("Text1"), "700");
        EXPECT_EQ(t.at("lblVoda"),
                  " Hustotu vody (látky č.1) nelze měnit! Proto tuto látku dočasně přečíslovávám na 700! ");
        EXPECT_EQ(t.at("txtPor"), "1");
        EXPECT_EQ(t.at("txtNazev"), "Voda" + std::string(26, ' '));
        EXPECT_EQ(t.at("lblNaz_2"), t.at("txtNazev"));
        EXPECT_EQ(t.at("txtCAS"), "[7732-18-5]");
        EXPECT_EQ(t.at("txtGroup"), "1");
        EXPECT_EQ(t.at("Text2_0"), sep == '.' ? "0.018015" : "0,018015");
        EXPECT_EQ(t.at("Text2_2"), sep == '.' ? "2.2064E+07" : "2,2064E+07");
        // 647.096 K, 22.064 MPa and 55.95 cm3/mol.
        EXPECT_EQ(t.at("lblBod_17"), sep == '.' ? "Tkrit (°C):   373.9" : "Tkrit (°C):   373,9");
        EXPECT_EQ(t.at("lblBod_18"), sep == '.' ? "Pkrit (MPa):   22.064" : "Pkrit (MPa):   22,064");
        EXPECT_EQ(t.at("lblBod_19"), sep == '.' ? "Vkrit (cm3/mol):    55.95" : "Vkrit (cm3/mol):    55,95");
        EXPECT_EQ(form.toolTips.at("Text2_14"), sep == '.' ? "100.0 °C" : "100,0 °C");
        // The melting point 273.15 in single precision lies 6e-6 K below 0 °C.
        EXPECT_EQ(form.toolTips.at("Text2_13"), sep == '.' ? "-0.0 °C" : "-0,0 °C");
        EXPECT_EQ(form.toolTips.count("Text2_1"), 0u);
        EXPECT_EQ(form.toolTips.at("txtCAS"), " Při vkládání zadávejte JEN čísla (bez [ ]a -) ");
        EXPECT_EQ(t.at("Text3_4"), "6");
        EXPECT_EQ(form.toolTips.at("Text3_4"), s->Vztah(6));
        EXPECT_EQ(t.at("txtDo_0"), "1073");
        EXPECT_EQ(form.toolTips.at("txtDo_0"), "800 °C");
    }
}

TEST_F(SmesOpravyTest, AnySubstanceButWaterKeepsItsNumberWithALeadingBlank) {
    const EditorTexts& t = open(2);
    EXPECT_EQ(t.at("Text1"), " 3");
    EXPECT_EQ(t.at("lblVoda"), "");
    EXPECT_EQ(t.at("txtPor"), "2");
}

TEST_F(SmesOpravyTest, ASlotWithoutSubstanceGetsABoxAndNoEditor) {
    boxes.answer(platform::answer::Ok);
    s->ZmenaDocas(5);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, " 5. složka nebyla ještě načtena!");
    EXPECT_EQ(boxes.boxes()[0].style, 48);
    EXPECT_EQ(boxes.boxes()[0].title, "Dočasná změna");
    EXPECT_TRUE(fake->forms.empty());
    EXPECT_RUNTIME_ERROR(s->ZmenaDocas(0), 9);
    EXPECT_RUNTIME_ERROR(s->ZmenaDocas(21), 9);
    EXPECT_TRUE(fake->forms.empty());
}

using kwelartest::sevenDigits;

TEST_F(SmesOpravyTest, ContinuingWithoutEditsKeepsTheRecordAndRenumbersWater) {
    for (const char sep : {'.', ','}) {
        platform::DecimalSeparatorScope region(sep);
        ZaznamLatky expected = s->slozka(1);
        open(1);
        s->mOprDoc_ZavriOD(1);
        expected.N = 700;
        for (int32_t j = 1; j <= 17; ++j)
            expected.B(j) = sevenDigits(expected.B(j));
        for (int32_t k = 1; k <= 11; ++k) {
            kwelar::RozvojVztahu& r = expected.Rozvoj(k);
            for (float* a : {&r.A1, &r.A2, &r.A3, &r.A4, &r.A5, &r.A6})
                *a = sevenDigits(*a);
        }
        EXPECT_EQ(s->slozka(1), expected);
        EXPECT_EQ(s->cisloSlozky(1), 700);
        EXPECT_EQ(fake->hidden, 1);
        EXPECT_EQ(platform::readWholeFile(database), original);
        fake->hidden = 0;
    }
}

TEST_F(SmesOpravyTest, EditsReachTheRecordAndTheNumberForTheNextLoad) {
    EditorTexts& t = open(2);
    t["Text1"] = " 45";
    t["txtNazev"] = "Ethanol";
    t["txtGroup"] = "1,2";
    t["txtCAS"] = "[64-17-5]";
    t["Text2_0"] = "0,04607";
    t["txtRozv_65"] = "2.5E-03";
    t["Text3_10"] = "13";
    s->mOprDoc_ZavriOD(2);
    const ZaznamLatky& z = s->slozka(2);
    EXPECT_EQ(z.N, 45);
    EXPECT_EQ(s->cisloSlozky(2), 45);
    EXPECT_EQ(z.Nazev, "Ethanol" + std::string(23, ' '));
    EXPECT_EQ(z.Group, 12);
    EXPECT_EQ(z.CAS, 64175);
    EXPECT_EQ(z.B(1), 0.04607f);
    EXPECT_EQ(z.Rozvoj(11).A6, 2.5e-3f);
    EXPECT_EQ(z.Rozvoj(11).TypVztahu, 13);
    EXPECT_EQ(s->Nslozky(2).toInteger(), 45);
    // The records stay loaded: the edit serves the calculations at once.
    EXPECT_EQ(s->Mvi(2).toDouble(), static_cast<double>(0.04607f));
}

// A mixture property calculated before the edit is calculated anew from the edited record:
// hexane's ideal-gas heat capacity becomes the constant 5.
TEST_F(SmesOpravyTest, AnEditedRecordServesTheNextPropertyCall) {
    const platform::Variant T(300.0);
    platform::VArray r(0, 21);
    r(1) = platform::Variant(0.5);
    r(2) = platform::Variant(0.5);
    const double before = s->CPGW(T, r).toDouble();
    EditorTexts& t = open(2);
    t["Text3_1"] = "1";
    t["txtRozv_6"] = "5";
    t["txtRozv_7"] = "0";
    s->SejmiDocasne(2);
    const double water = s->FFce(T, 1, 2).toDouble();
    const double after = s->CPGW(T, r).toDouble();
    EXPECT_NE(after, before);
    EXPECT_DOUBLE_EQ(after, (0.5 * water + 0.5 * 5.0) / s->VSM(r).toDouble());
}

TEST_F(SmesOpravyTest, StornoHidesAndCopiesNothing) {
    const ZaznamLatky before = s->slozka(1);
    open(1)["txtNazev"] = "Jiná";
    s->mOprDoc_StornoOD();
    EXPECT_EQ(fake->hidden, 1);
    EXPECT_EQ(s->slozka(1), before);
    EXPECT_EQ(s->cisloSlozky(1), 1);
}

TEST_F(SmesOpravyTest, ThePositionBoxChoosesTheComponentThatTakesTheValues) {
    const ZaznamLatky hexane = s->slozka(2);
    open(2);
    s->mOprDoc_ZavriOD(1);
    EXPECT_EQ(s->slozka(1).Nazev, hexane.Nazev);
    EXPECT_EQ(s->slozka(1).N, 3);
    EXPECT_EQ(s->cisloSlozky(1), 3);
}

TEST_F(SmesOpravyTest, APositionOutsideTheMixtureIsRefusedWithoutCopying) {
    const ZaznamLatky water = s->slozka(1);
    open(1)["txtNazev"] = "Jiná";
    for (const int16_t Ind : {0, 21, -3}) {
        boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
        s->mOprDoc_ZavriOD(Ind);
        s->mOprDoc_ZapisOD(Ind);
    }
    ASSERT_EQ(boxes.boxes().size(), 6u);
    for (const auto& box : boxes.boxes()) {
        EXPECT_EQ(box.text, "Index složky mimo meze!");
        EXPECT_EQ(box.style, 16);
        EXPECT_EQ(box.title, "KWELAR");
    }
    EXPECT_EQ(fake->hidden, 0);
    EXPECT_EQ(s->slozka(1), water);
    EXPECT_EQ(platform::readWholeFile(database), original);
}

// Each bad box refuses the whole take-back with its message and is selected; the record, the
// number of the next load and the database stay as they were, and the editor stays open.
TEST_F(SmesOpravyTest, ABoxThatCannotBeTakenBackChangesNothingAnywhere) {
    struct Case {
        const char* box;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"txtOd_3", "abc", "Chyba č. 13 : Type mismatch"}, {"txtDo_0", "", "Chyba č. 13 : Type mismatch"},
        {"Text3_7", "7,5", "Chyba č. 13 : Type mismatch"}, {"txtPresn_0", "99999", "Chyba č. 6 : Overflow"},
        {"Text1", "70000", "Chyba č. 6 : Overflow"},       {"txtCAS", "12345678901", "Chyba č. 6 : Overflow"},
        {"txtRozv_0", "1E40", "Chyba č. 6 : Overflow"},    {"txtGroup", "-3300", "Chyba č. 6 : Overflow"},
        {"Text1", "", "Chyba č. 13 : Type mismatch"},      {"Text1", "-5", "Chyba č. 13 : Type mismatch"},
        {"Text2_1", "abc", "Chyba č. 13 : Type mismatch"}, {"txtRozv_9", "", "Chyba č. 13 : Type mismatch"},
    };
    platform::DecimalSeparatorScope region('.');
    const ZaznamLatky water = s->slozka(1);
    for (const Case& c : cases) {
        EditorTexts& t = open(1);
        t["txtNazev"] = "Jiná";
        t[c.box] = c.text;
        boxes.answer(platform::answer::Ok).answer(platform::answer::Ok).answer(platform::answer::Ok);
        s->mOprDoc_ZavriOD(1);
        s->mOprDoc_ZapisOD(1);
        s->SejmiDocasne(1);
        ASSERT_EQ(boxes.boxes().size(), 3u) << c.box;
        for (const auto& box : boxes.boxes()) {
            EXPECT_EQ(box.text, c.message) << c.box << " [" << c.text << "]";
            EXPECT_EQ(box.style, 48);
            EXPECT_EQ(box.title, "KWELAR");
        }
        EXPECT_TRUE(boxes->unexpected().empty());
        boxes->clear();
        EXPECT_EQ(fake->hidden, 0);
        EXPECT_EQ(fake->selected, std::vector<std::string>(3, c.box));
        fake->selected.clear();
        EXPECT_EQ(s->slozka(1), water);
        EXPECT_EQ(s->cisloSlozky(1), 1);
    }
    EXPECT_EQ(platform::readWholeFile(database), original);
}

TEST_F(SmesOpravyTest, AnEditorNeverFilledChangesNothing) {
    const ZaznamLatky water = s->slozka(1);
    s->SejmiDocasne(1);
    s->mOprDoc_ZavriOD(1);
    s->mOprDoc_ZapisOD(1);
    EXPECT_EQ(s->slozka(1), water);
    EXPECT_EQ(s->cisloSlozky(1), 1);
    EXPECT_EQ(platform::readWholeFile(database), original);

    kwelar::setSmesOknaFactory(nullptr);
    SmesProbe withoutWindows;
    withoutWindows.SejmiDocasne(1);
    withoutWindows.mOprDoc_ZapisOD(1);
    EXPECT_EQ(withoutWindows.slozka(1).N, 0);
}

// Record 700 lies at bytes 355092 to 355599; the 400 records before it stay byte for byte,
// the records between are empty, and a later write replaces the record.
TEST_F(SmesOpravyTest, WritingRecord700GrowsTheDatabaseAndTouchesNothingElse) {
    ASSERT_EQ(original.size(), 400u * 508u);
    open(2)["txtNazev"] = "Upravený hexan";
    s->mOprDoc_ZapisOD(2);
    EXPECT_EQ(fake->hidden, 0);
    EXPECT_EQ(s->slozka(2).N, 700);
    EXPECT_EQ(s->cisloSlozky(2), 3);

    const std::string after = platform::readWholeFile(database);
    ASSERT_EQ(after.size(), 700u * 508u);
    EXPECT_EQ(after.substr(0, original.size()), original);
    EXPECT_EQ(after.substr(original.size(), 299u * 508u), std::string(299u * 508u, '\0'));
    const std::string record = after.substr(355092, 508);
    EXPECT_EQ(ZaznamLatky::decode(platform::Bytes(record.begin(), record.end())), s->slozka(2));

    // A second write replaces the first; a later load of substance 700 reads it.
    open(1)["txtNazev"] = "Upravená voda";
    s->mOprDoc_ZapisOD(1);
    const std::string again = platform::readWholeFile(database);
    ASSERT_EQ(again.size(), 700u * 508u);
    EXPECT_EQ(again.substr(0, 355092), after.substr(0, 355092));
    SmesProbe reader;
    kwelartest::pointAt(reader, database);
    reader.ZapisNslozky(1, 700);
    ASSERT_EQ(reader.Inikwl().toInteger(), 1);
    EXPECT_EQ(reader.slozka(1), s->slozka(1));
    EXPECT_EQ(reader.Nazev(1), "Upravená voda" + std::string(17, ' '));
    EXPECT_TRUE(boxes.boxes().empty());
}

// A user who may not write the database, as only its administrator may write an installed
// one, keeps record 700 in a file of their own in their data folder, without a box; the
// database stays byte for byte. Every later load of substance 700 by that user reads the
// user's record: a reload of the edited mixture, a new mixture object (as a task load makes)
// and the substance list. Where the database can be written, record 700 goes into it as
// always and a file of the user's left from before is not read. The database file's mode
// decides, so the cases hold when the tests run as root too.
TEST_F(SmesOpravyTest, AUserWhoMayNotWriteTheDatabaseKeepsRecord700OfTheirOwn) {
    testsupport::TempDir user;
    struct Case {
        const char* what;
        bool readOnly;
        std::optional<std::string> dataHome;
        std::string ownFile;
    };
    const Case cases[] = {
        {"read-only database", true, user.file("data"), user.file("data/KWELAR/ZAZNAM700.DRC")},
        {"read-only database, no data home", true, std::nullopt,
         user.file("home/.local/share/KWELAR/ZAZNAM700.DRC")},
        {"writable database", false, user.file("data"), user.file("data/KWELAR/ZAZNAM700.DRC")},
    };
    const std::string leftFromBefore(508, '\0');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(user.path());
        std::filesystem::create_directory(user.path());
        user.write(c.ownFile.substr(user.path().size() + 1), leftFromBefore);
        testsupport::EnvironmentVariable dataHome("XDG_DATA_HOME", c.dataHome);
        testsupport::EnvironmentVariable home("HOME", user.file("home"));
        const std::string fresh = dir.write("KWELAR.DRC", original);
        ASSERT_EQ(fresh, database);
        std::optional<testsupport::ReadOnly> readOnly;
        if (c.readOnly) readOnly.emplace(database);

        open(1)["txtNazev"] = "Upravená voda";
        s->mOprDoc_ZapisOD(1);
        EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes().front().text;
        const ZaznamLatky edited = s->slozka(1);
        ASSERT_EQ(edited.N, 700);
        ASSERT_EQ(s->cisloSlozky(1), 700);
        const std::string own = platform::readWholeFile(c.ownFile);
        const std::string inDatabase = platform::readWholeFile(database);
        if (c.readOnly) {
            EXPECT_EQ(inDatabase, original);
            ASSERT_EQ(own.size(), 508u);
            EXPECT_EQ(ZaznamLatky::decode(platform::Bytes(own.begin(), own.end())), edited);
        } else {
            EXPECT_EQ(own, leftFromBefore);
            ASSERT_EQ(inDatabase.size(), 700u * 508u);
            EXPECT_EQ(inDatabase.substr(0, original.size()), original);
        }

        s->ZapisNslozky(1, 700);
        ASSERT_EQ(s->Inikwl().toInteger(), 2);
        EXPECT_EQ(s->slozka(1), edited);
        FakeEditor* const editor = fake;
        {
            SmesProbe reader;
            kwelartest::pointAt(reader, database);
            reader.ZapisNslozky(1, 700);
            ASSERT_EQ(reader.Inikwl().toInteger(), 1);
            EXPECT_EQ(reader.slozka(1), edited);
            reader.AkSeznam();
            bool listed = false;
            for (int32_t i = 1; i <= reader.PocLatek(); ++i)
                listed = listed || reader.SeznamLatek(i).rfind("700  Upravená voda", 0) == 0;
            EXPECT_TRUE(listed);
        }
        fake = editor; // the reader's editor went with it
        EXPECT_TRUE(boxes.boxes().empty());
    }
}

// A data folder that cannot be made: the write is reported as any failed write, the
// database stays as it was and the edit stays in memory.
TEST_F(SmesOpravyTest, AUsersRecord700ThatCannotBeWrittenIsReported) {
    testsupport::TempDir user;
    testsupport::EnvironmentVariable dataHome("XDG_DATA_HOME", user.write("data", "a file, no folder"));
    testsupport::ReadOnly readOnly(database);
    open(1)["txtNazev"] = "Upravená voda";
    boxes.answer(platform::answer::Ok);
    s->mOprDoc_ZapisOD(1);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Chyba při zápisu č.  76 : Path not found");
    EXPECT_EQ(boxes.boxes()[0].style, 48);
    EXPECT_EQ(platform::readWholeFile(database), original);
    EXPECT_EQ(s->Nazev(1), "Upravená voda" + std::string(17, ' '));
    EXPECT_EQ(fake->hidden, 0);
}

TEST_F(SmesOpravyTest, AMissingDatabaseIsReportedAndNeverCreated) {
    struct Case {
        std::string path;
        const char* message;
    };
    const Case cases[] = {
        {dir.file("jinde.drc"), "Chyba při zápisu č.  53 : File not found"},
        {dir.file("chybi/KWELAR.DRC"), "Chyba při zápisu č.  76 : Path not found"},
        {"", "Chyba při zápisu č.  53 : File not found"},
    };
    for (const Case& c : cases) {
        kwelartest::pointAt(*s, c.path);
        open(1)["txtNazev"] = "Upravená voda";
        boxes.answer(platform::answer::Ok);
        s->mOprDoc_ZapisOD(1);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text, c.message);
        EXPECT_EQ(boxes.boxes()[0].style, 48);
        EXPECT_EQ(boxes.boxes()[0].title, "KWELAR");
        EXPECT_TRUE(boxes->unexpected().empty());
        boxes->clear();
        if (!c.path.empty()) {
            EXPECT_FALSE(std::filesystem::exists(c.path));
        }
        // The values reached memory before the write failed; the editor stays.
        EXPECT_EQ(s->slozka(1).N, 700);
        EXPECT_EQ(s->Nazev(1), "Upravená voda" + std::string(17, ' '));
        EXPECT_EQ(fake->hidden, 0);
    }
}

} // namespace
