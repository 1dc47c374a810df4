// The substance list: its lines and order, the file "SEZNAM.DAT", the list window with its
// modes and search, and the sort members.

#include "FixtureDb.h"
#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/Smes.h"
#include "KWELARdll/windows/F_Sezn.h"
#include "Platform/CodePage.h"
#include "Platform/FileSystem.h"
#include "Platform/Regional.h"
#include "WindowScript.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>

namespace {

using kwelar::Smes;
using kwelartest::child;
using kwelartest::FixtureDb;
using kwelartest::ModalScript;
using testsupport::ScriptedBoxes;
using testsupport::TempDir;

// 24 December 2026, noon UTC.
std::time_t christmasNoon() {
    return 1798113600;
}

// Pins the clock and the short date of the list file's header.
class PinnedDate {
public:
    PinnedDate() : m_pattern(platform::Regional::shortDatePattern()) {
        platform::Regional::setClock(&christmasNoon);
        platform::Regional::setShortDatePattern("%d.%m.%Y");
    }
    ~PinnedDate() {
        platform::Regional::setClock(nullptr);
        platform::Regional::setShortDatePattern(m_pattern);
    }

private:
    std::string m_pattern;
};

// Five records, record 3 blank; the names in an order that differs from the numbers.
FixtureDb fiveRecords() {
    FixtureDb db;
    db.add(1).name("METHANOL").synonyms("Methylalkohol").formula("CH3OH").cas(67561);
    db.add(2).name("ETHANOL").synonyms("Ethylalkohol, líh").formula("C2H5OH").cas(64175);
    db.add(4).name("VODA").synonyms("Water").formula("H2O").cas(7732185);
    db.add(5).name("METHAN").synonyms("Zemní plyn").formula("CH4");
    db.minimumRecords(5);
    return db;
}

// The text padded with blanks to `width` bytes (the test's texts are one byte a character
// in code page 1250).
std::string col(const std::string& text, size_t width) {
    return text + std::string(width - text.size(), ' ');
}

// The list line of the fixture's substance in code page 1250 bytes.
std::string cp1250Line(const std::string& number, const std::string& name, const std::string& syn,
                       const std::string& formula, const std::string& cas) {
    return number + "  " + col(name, 20) + " " + col(syn, 20) + " " + col(formula, 10) + cas + " ";
}

class SubstanceList : public ::testing::Test {
protected:
    void SetUp() override { database = fiveRecords().write(dir.path()); }

    TempDir dir;
    std::string database;
    kwelartest::QtWindowsScope windows;
    ScriptedBoxes boxes;
};

TEST_F(SubstanceList, BlankRecordIsSkippedAndLinesAreInNameOrder) {
    Smes s;
    kwelartest::pointAt(s, database);
    s.AkSeznam();
    ASSERT_EQ(s.PocLatek(), 4);
    const std::vector<std::string> numbers = {"002", "005", "001", "004"}; // ETHANOL METHAN METHANOL VODA
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(s.SeznamLatek(i).substr(0, 3), numbers[static_cast<size_t>(i - 1)]) << s.SeznamLatek(i);
    EXPECT_EQ(s.SeznamLatek(1), "002  ETHANOL              Ethylalkohol, líh    C2H5OH    [ 64-17-5] ");
    EXPECT_EQ(s.SeznamLatek(4), "004  VODA                 Water                H2O       [ 7732-18-5] ");
    // No CAS number: a single blank in its place.
    EXPECT_EQ(s.SeznamLatek(2), "005  METHAN               Zemní plyn           CH4         ");
}

// The same bytes whatever locale the C library runs in.
TEST_F(SubstanceList, ListFileIsWrittenInCodePage1250WithItsHeader) {
    for (const char* name : testsupport::ProcessLocales) {
        SCOPED_TRACE(name);
        testsupport::ProcessLocale locale(name);
        PinnedDate date;
        Smes s;
        kwelartest::pointAt(s, database);
        s.AkSeznam();
        const std::string expected =
            std::string("          SEZNAM L\xC1TEK DATAB\xC1ZE KWELAR ke dni 24.12.2026\r\n") +
            "          Z\xE1znamy v b\xE1zi o 4 l\xE1tk\xE1"
            "ch\r\n" +
            cp1250Line("002", "ETHANOL", "Ethylalkohol, l\xEDh", "C2H5OH", "[ 64-17-5]") + "\r\n" +
            cp1250Line("005", "METHAN", "Zemn\xED plyn", "CH4", " ") + "\r\n" +
            cp1250Line("001", "METHANOL", "Methylalkohol", "CH3OH", "[ 67-56-1]") + "\r\n" +
            cp1250Line("004", "VODA", "Water", "H2O", "[ 7732-18-5]") + "\r\n";
        EXPECT_EQ(platform::readWholeFile(dir.file("SEZNAM.DAT")), expected);
    }
}

TEST_F(SubstanceList, FolderThatCannotTakeTheFileIsReportedOnceAndTheListStands) {
    // A folder in the place of the file: the write fails even for a user who may write
    // anywhere, as it would in the read-only folder of an installed database.
    std::filesystem::create_directory(dir.file("SEZNAM.DAT"));
    boxes.answer(platform::answer::Ok);
    Smes s;
    kwelartest::pointAt(s, database);
    s.AkSeznam();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].title, "KWELAR");
    EXPECT_EQ(boxes.boxes()[0].style, 48);
    EXPECT_NE(boxes.boxes()[0].text.find("SEZNAM.DAT"), std::string::npos);
    EXPECT_EQ(s.PocLatek(), 4);
    s.AkSeznam();
    EXPECT_EQ(boxes.boxes().size(), 1u) << "the same failure is told once";
}

// Where the list file goes: beside the database while its folder may be written; else into
// the user's own data folder, without a box, replacing what an earlier run left there. The
// folder's mode decides, so the cases hold when the tests run as root too.
TEST_F(SubstanceList, ReadOnlyDatabaseFolderKeepsTheListInTheUsersDataFolder) {
    TempDir user;
    struct Case {
        const char* what;
        bool readOnly;
        std::optional<std::string> dataHome;
        std::string listFile; // "" beside the database
    };
    const Case cases[] = {
        {"writable folder", false, user.file("data"), ""},
        {"read-only folder", true, user.file("data"), user.file("data/KWELAR/SEZNAM.DAT")},
        {"read-only folder, no data home", true, std::nullopt,
         user.file("home/.local/share/KWELAR/SEZNAM.DAT")},
    };
    const std::string besideDatabase = dir.file("SEZNAM.DAT");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(besideDatabase);
        std::filesystem::remove_all(user.path());
        std::filesystem::create_directory(user.path());
        testsupport::EnvironmentVariable dataHome("XDG_DATA_HOME", c.dataHome);
        testsupport::EnvironmentVariable home("HOME", user.file("home"));
        std::optional<testsupport::ReadOnly> readOnly;
        if (c.readOnly) readOnly.emplace(dir.path());
        const std::string expected = c.listFile.empty() ? besideDatabase : c.listFile;
        if (c.readOnly) user.write(expected.substr(user.path().size() + 1), "the list of an earlier run");

        Smes s;
        kwelartest::pointAt(s, database);
        s.AkSeznam();
        EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes().front().text;
        const std::string written = platform::readWholeFile(expected);
        EXPECT_EQ(written.substr(0, 10), std::string(10, ' ')) << written;
        EXPECT_NE(written.find("[ 7732-18-5]"), std::string::npos) << written;
        EXPECT_EQ(std::filesystem::exists(besideDatabase), !c.readOnly);
        EXPECT_EQ(std::filesystem::exists(user.file("data/KWELAR")), c.readOnly && c.dataHome.has_value());
    }
}

TEST_F(SubstanceList, DatabaseNotFoundLeavesTheListAsItWas) {
    Smes s;
    kwelartest::pointAt(s, database);
    s.AkSeznam();
    s.AdrKWELAR(std::string());
    boxes->allowUnscripted(true); // the search of the (empty) test roots reports its miss
    s.AkSeznam();
    EXPECT_EQ(s.PocLatek(), 4);
}

TEST(SubstanceListSize, MoreThanNineHundredSubstancesAndFourDigitNumbersAreListed) {
    TempDir dir;
    FixtureDb db;
    for (int16_t n = 1; n <= 1005; ++n)
        db.add(n).name("L" + std::to_string(100000 + n));
    const std::string database = db.write(dir.path());
    Smes s;
    kwelartest::pointAt(s, database);
    s.AkSeznam();
    ASSERT_EQ(s.PocLatek(), 1005);
    // Every number in a column of four digits, so the columns stay aligned.
    EXPECT_EQ(s.SeznamLatek(1).substr(0, 11), "0001  L1000");
    EXPECT_EQ(s.SeznamLatek(1005).substr(0, 11), "1005  L1010");
    EXPECT_EQ(s.SeznamLatek(1).size(), s.SeznamLatek(1005).size());
}

TEST(SubstanceListBuiltDatabase, EverySubstanceOfTheTableIsListedOnce) {
    TempDir dir;
    const std::string copy = dir.file("KWELAR.DRC");
    std::filesystem::copy_file(KWELAR_BUILT_DATABASE, copy);
    // The substances of the database, counted from its records.
    const std::string bytes = platform::readWholeFile(copy);
    std::set<std::string> expected;
    for (size_t at = 0; at + kwelar::RecordLength <= bytes.size(); at += kwelar::RecordLength) {
        const platform::Bytes record(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                     bytes.begin() + static_cast<std::ptrdiff_t>(at + kwelar::RecordLength));
        if (!kwelar::ZaznamLatky::decode(record).isMissing())
            expected.insert(std::to_string(at / kwelar::RecordLength + 1));
    }
    Smes s;
    kwelartest::pointAt(s, copy);
    s.AkSeznam();
    ASSERT_EQ(static_cast<size_t>(s.PocLatek()), expected.size());
    std::set<std::string> listed;
    for (int i = 1; i <= s.PocLatek(); ++i)
        listed.insert(std::to_string(std::stoi(s.SeznamLatek(i).substr(0, 4))));
    EXPECT_EQ(listed, expected);
}

// ---- The list window ----------------------------------------------------------------------

// What the list window showed when it was open.
struct Shown {
    std::vector<std::string> lines;
    std::string nadpis1;
    std::string nadpis2;
    int selected = -2;
};

// Records the window's content and closes it with a key typed in the list.
ModalScript::Action readAndClose(Shown& shown) {
    return [&shown](QDialog& d) {
        auto* list = child<QListWidget>(d, "L_Sezn");
        for (int i = 0; i < list->count(); ++i)
            shown.lines.push_back(list->item(i)->text().toStdString());
        shown.selected = list->currentRow();
        shown.nadpis1 = child<QLabel>(d, "Nadpis_1")->text().toStdString();
        shown.nadpis2 = child<QLabel>(d, "Nadpis_2")->text().toStdString();
        QTest::keyClick(list, Qt::Key_Space);
    };
}

std::vector<std::string> numbersOf(const std::vector<std::string>& lines) {
    std::vector<std::string> numbers;
    for (const std::string& line : lines)
        numbers.push_back(line.substr(0, 3));
    return numbers;
}

TEST_F(SubstanceList, OrderByNameOrByNumberAsAnswered) {
    PinnedDate date;
    struct Case {
        std::string answer;
        std::vector<std::string> numbers;
    };
    const Case cases[] = {
        {"0", {"002", "005", "001", "004"}},
        {"", {"002", "005", "001", "004"}}, // Cancel keeps the order of the names
        {"1", {"001", "002", "004", "005"}},
    };
    for (const Case& c : cases) {
        Smes s;
        kwelartest::pointAt(s, database);
        Shown shown;
        ModalScript script;
        script.then(readAndClose(shown));
        boxes.type(c.answer);
        s.SeznamShow();
        EXPECT_EQ(numbersOf(shown.lines), c.numbers) << "answer " << c.answer;
        EXPECT_EQ(shown.selected, 0);
        EXPECT_EQ(shown.nadpis1, "SEZNAM LÁTEK DATABÁZE  K W E L A R   24.12.2026");
        EXPECT_EQ(shown.nadpis2, "Počet zahrnutých látek  4");
    }
    const auto& first = boxes.boxes().front();
    EXPECT_TRUE(first.input);
    EXPECT_EQ(first.text, "0 - podle abecedy\r\n1 - podle čísel (chvíli trvá ...)");
    EXPECT_EQ(first.def, "0");
}

TEST_F(SubstanceList, SearchFindsPartsOfNamesWithOrWithoutTheStar) {
    struct Case {
        std::string typed;
        std::vector<std::string> numbers;
        std::string heading;
    };
    const Case cases[] = {
        {"*meth", {"005", "001"}, "k zadání nalezeno  2 látek"},
        {"METH", {"005", "001"}, "k zadání nalezeno  2 látek"},
        {"líh", {"002"}, "k zadání nalezeno  1 látek"},
        {"", {"002", "005", "001", "004"}, "k zadání nalezeno  4 látek"},
    };
    for (const Case& c : cases) {
        Smes s;
        kwelartest::pointAt(s, database);
        Shown shown;
        ModalScript script;
        script.then(readAndClose(shown));
        boxes.type(c.typed);
        s.SeznamShow(2);
        EXPECT_EQ(numbersOf(shown.lines), c.numbers) << c.typed;
        EXPECT_EQ(shown.nadpis2, c.heading) << c.typed;
    }
    EXPECT_EQ(boxes.boxes().back().title, "KWELAR");
    EXPECT_EQ(boxes.boxes().back().text, "Vložte název nebo část názvu hledané látky (bez *, %):");
}

TEST_F(SubstanceList, SearchWithoutMatchAddsItsLineAndShowsItsBox) {
    Smes s;
    kwelartest::pointAt(s, database);
    Shown shown;
    ModalScript script;
    script.then(readAndClose(shown));
    boxes.type("2").answer(platform::answer::Ok);
    boxes.type("benzen");
    s.SeznamShow(0);
    EXPECT_EQ(shown.lines, std::vector<std::string>{"Látka  BENZEN  nenalezena!!!"});
    EXPECT_EQ(shown.nadpis2, "k zadání nalezeno  0 látek");
    EXPECT_EQ(boxes.boxes().back().text, "Látka nenalezena");
    EXPECT_EQ(boxes.boxes().back().style, 48);
}

TEST_F(SubstanceList, ClickOnTheWindowOutsideTheListClosesIt) {
    Smes s;
    kwelartest::pointAt(s, database);
    ModalScript script;
    script.then(
        [](QDialog& d) { QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(d.width() - 5, d.height() - 3)); });
    boxes.type("");
    s.SeznamShow(2);
    EXPECT_EQ(script.shown(), std::vector<std::string>{"F_Sezn"});
}

TEST_F(SubstanceList, EmptyListSelectsNothing) {
    TempDir empty;
    FixtureDb none;
    none.minimumRecords(3);
    Smes s;
    kwelartest::pointAt(s, none.write(empty.path()));
    Shown shown;
    ModalScript script;
    script.then(readAndClose(shown));
    boxes.type("0");
    s.SeznamShow();
    EXPECT_TRUE(shown.lines.empty());
    EXPECT_EQ(shown.selected, -1);
}

TEST_F(SubstanceList, Screenshot) {
    Smes s;
    TempDir copyDir;
    const std::string copy = copyDir.file("KWELAR.DRC");
    std::filesystem::copy_file(KWELAR_BUILT_DATABASE, copy);
    kwelartest::pointAt(s, copy);
    ModalScript script;
    script.then([](QDialog& d) {
        kwelartest::screenshot(d, "F_Sezn");
        d.hide();
    });
    boxes.type("0");
    s.SeznamShow();
}

// ---- Sorting members ------------------------------------------------------------------

TEST(SubstanceListSort, QuickSortOrdersByTheFirstSeventeenCharactersInCodePageOrder) {
    Smes s;
    platform::VArray a(0, 6);
    // "Š" (0x8A) comes before "Á" (0xC1) in code page 1250; the tails beyond 17 characters
    // do not count.
    const std::vector<std::string> given = {"b", "Á", "Š", "a", "aaaaaaaaaaaaaaaaaZ", "aaaaaaaaaaaaaaaaaA"};
    for (size_t k = 0; k < given.size(); ++k)
        a(static_cast<int32_t>(k + 1)) = given[k];
    int16_t low = 1;
    int16_t high = 6;
    s.QuickSort(a, low, high);
    EXPECT_EQ(a(1).toString(), "a");
    EXPECT_EQ(a(2).toString().substr(0, 17), std::string(17, 'a'));
    EXPECT_EQ(a(3).toString().substr(0, 17), std::string(17, 'a'));
    EXPECT_EQ(a(4).toString(), "b");
    EXPECT_EQ(a(5).toString(), "Š");
    EXPECT_EQ(a(6).toString(), "Á");
    EXPECT_TRUE(a(0).isEmpty()) << "elements outside Low..High stay";
}

// Many lines of few keys, in runs and scattered: the keys come out in order, and the lines
// are those given.
TEST(SubstanceListSort, QuickSortOrdersManyEqualKeys) {
    Smes s;
    const std::vector<std::string> keys = {"  VODA", "  ETHANOL", "  Á", "  METHAN", "  A"};
    constexpr int count = 3000;
    platform::VArray a(0, count);
    std::multiset<std::string> given;
    for (int k = 1; k <= count; ++k) {
        // A run of equal keys first, then the keys in a scattered order; the tail after the
        // 17 characters of the key tells the lines apart.
        const std::string& key = keys[static_cast<size_t>(k <= 1000 ? 0 : (k * 7) % 5)];
        const std::string line = platform::padChars(key, 17) + std::to_string(k);
        a(k) = line;
        given.insert(line);
    }
    int16_t low = 1;
    int16_t high = count;
    s.QuickSort(a, low, high);
    std::multiset<std::string> sorted;
    for (int k = 1; k <= count; ++k) {
        sorted.insert(a(k).toString());
        if (k > 1) {
            EXPECT_LE(platform::toCp1250(platform::leftChars(a(k - 1).toString(), 17)),
                      platform::toCp1250(platform::leftChars(a(k).toString(), 17)))
                << k;
        }
    }
    EXPECT_EQ(sorted, given);
}

TEST(SubstanceListSort, RandIntStaysWithinItsBoundsAndSwapExchanges) {
    Smes s;
    std::set<int16_t> seen;
    for (int k = 0; k < 400; ++k) {
        const int16_t r = s.RandInt(platform::Variant(int16_t{3}), platform::Variant(int16_t{7}));
        ASSERT_GE(r, 3);
        ASSERT_LE(r, 7);
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 5u);
    platform::VArray a(0, 2);
    a(1) = "x";
    a(2) = "y";
    int16_t i = 1;
    int16_t j = 2;
    s.SWAP(a, i, j);
    EXPECT_EQ(a(1).toString(), "y");
    EXPECT_EQ(a(2).toString(), "x");
}

} // namespace
