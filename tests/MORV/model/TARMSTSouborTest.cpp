#include "BuiltDatabaseSupport.h"
#include "FixtureDb.h"
#include "TestSupport.h"

#include "KWELARdll/model/LibraryFolder.h"
#include "MORV/model/ProgramState.h"
#include "MORV/model/TARMST.h"
#include "Platform/CodePage.h"
#include "Platform/FileSystem.h"
#include "Platform/MessageBox.h"
#include "Platform/Regional.h"
#include "Platform/RunTimeError.h"

#include <csignal>
#include <filesystem>
#include <limits>
#include <ostream>
#include <string>
#include <sys/resource.h>
#include <vector>

using morv::TARMST;
using platform::Variant;
using Box = platform::ScriptedMessageService::Box;

namespace {

const std::string Crlf = "\r\n";

//! The fixture database with the two substances of the sample task beside the four
//! synthetic ones: 1 "Voda" (water), 3 "n-Hexan", 4 "n-Heptan", 23 "Methanol".
kwelartest::FixtureDb taskDb() {
    kwelartest::FixtureDb db = kwelartest::FixtureDb::sample();
    db.add(23).name("Methanol").formula("CH4O");
    return db;
}

//! Fills every field the file holds, the flags 0, 2, 6, 7 and 8 (the others stay empty),
//! both streams' flows, pressures and fractions, and loads the mixtures: tube n-hexane and
//! n-heptane, shell water.
void fillTask(TARMST& m) {
    m.Nazev = "Kondenzátor č. 1";
    m.Kod = "K-101";
    m.Numb = 7;
    m.Kprostup = 650.5;
    m.Q = 1.25e6;
    m.Pterm = 0.25;
    m.Rkap = 0.125;
    m.Ttrubi = 20;
    m.Ttrubo = 30.5;
    m.Tplasti = 64.7;
    m.Tplasto = 60;
    m.Dplast = 0.6;
    m.Dtrubi = 0.021;
    m.Dtrubo = 0.025;
    m.L = 3;
    m.Plocha = 53.2485;
    m.Chod = 4;
    m.Ntrub = 226;
    m.sT = 0.032;
    m.sL = 0.0277;
    m.Zneci = 0.000176;
    m.Zneco = 1e-5;
    m.dPrep = 0.36;
    m.hPrep = 0.7;
    m.NstredT = 16;
    m.NstredL = 20;
    m.Uspor = 0;
    m.TrubKap = true;
    m.PlastKap = false;
    m.HrdloPli = 0.2027;
    m.HrdloPlo = 0.1023;
    m.HrdloTri = 0.1541;
    m.HrdloTro = 0.1541;
    m.Drsnost = 5e-5;
    m.indProti = 0.5;
    m.Vodw = 45;
    m.Natok = 1;
    m.IPOM(0, 1);
    m.IPOM(2, 0);
    m.IPOM(6, 1);
    m.IPOM(7, 1);
    m.IPOM(8, 1);
    m.Tr().m(26.6);
    m.Pl().m(1);
    m.Tr().P(300000);
    m.Pl().P(101325);
    m.Tr().S().ZapisNslozky(1, 3);
    m.Tr().S().ZapisNslozky(2, 4);
    m.Tr().S().ZapisNslozky(3, 0);
    m.Tr().S().Inikwl();
    m.Tr().Xh(1, 0.413);
    m.Tr().Xh(2, 0.587);
    m.Tr().Xm(1, 0.45);
    m.Tr().Xm(2, 0.55);
    m.Pl().S().ZapisNslozky(1, 1);
    m.Pl().S().ZapisNslozky(2, 0);
    m.Pl().S().Inikwl();
    m.Pl().Xh(1, 1);
    m.Pl().Xm(1, 1);
}

//! The file of `fillTask`, line by line as it must stand: strings in quotes, "." decimals,
//! 7 significant digits for the single-precision fields, #TRUE#/#FALSE#, the empty flags
//! as empty items, the names 30 characters wide.
const std::vector<std::string> filledLines = {
    "\"Kondenzátor č. 1\",\"K-101\",7,650.5,1250000,0.25,0.125,20,30.5,64.7,60",
    "0.6,0.021,0.025,3,53.2485,4,226,0.032,0.0277,0.000176,1E-05",
    "0.36,0.7,16,20,0,#TRUE#,#FALSE#",
    "0.2027,0.1023,0.1541,0.1541,5E-05,0.5,45,1",
    "1,,0,,,,1,1,1",
    "26.6,1,300000,101325",
    "2",
    "3,\"n-Hexan                       \",0.413,0.45",
    "4,\"n-Heptan                      \",0.587,0.55",
    "1",
    "1,\"Voda                          \",1,1",
};

std::string joinLines(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines)
        s += l + Crlf;
    return s;
}

//! The lines in code page 1250, as the file holds them.
std::string fileBytes(const std::vector<std::string>& lines) {
    return platform::toCp1250(joinLines(lines));
}

class TaskFile : public ::testing::Test {
protected:
    void SetUp() override {
        morv::resetProgram();
        morv::program().ChybaNacteni = 5;
        morv::program().SlozeniZadano = 5;
    }
    void TearDown() override { morv::resetProgram(); }

    //! The model as its file shows it: every field the file holds, the streams' flows,
    //! pressures and fractions and the mixtures' loaded components.
    std::string snapshot(TARMST& m) {
        const std::string path = dir.file("snapshot.dat");
        m.UlozData(path);
        return platform::readWholeFile(path);
    }

    kwelartest::FixtureLibrary library{taskDb()};
    testsupport::ScriptedBoxes boxes;
    testsupport::TempDir dir;
};

TEST_F(TaskFile, IsWrittenLineByLineInTheItemConvention) {
    TARMST m;
    fillTask(m);
    const std::string path = dir.file("task.dat");
    m.UlozData(path);
    const std::string bytes = platform::readWholeFile(path);
    EXPECT_EQ(bytes, fileBytes(filledLines));
    // Code page 1250: "á" is the byte E1, "č" the byte E8.
    EXPECT_EQ(bytes.substr(0, 18), "\"Kondenz\xE1tor \xE8. 1\"");
}

TEST_F(TaskFile, IsWrittenWithPointDecimalsWhateverTheRegion) {
    platform::DecimalSeparatorScope comma(',');
    TARMST m;
    fillTask(m);
    EXPECT_EQ(snapshot(m), fileBytes(filledLines));
}

TEST_F(TaskFile, RoundTripRestoresEveryFieldFlowPressureAndFraction) {
    TARMST saved;
    fillTask(saved);
    const std::string path = dir.file("task.dat");
    saved.UlozData(path);

    // The model loaded into holds another task, with other mixtures.
    TARMST m;
    m.Tr().S().ZapisNslozky(1, 23);
    m.Tr().S().ZapisNslozky(2, 0);
    m.Tr().S().Inikwl();
    m.IPOM(1, 1);
    m.Natok = 0;
    const Variant result = m.NactiData(path);
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(result.type(), platform::VarType::Long);
    EXPECT_EQ(result.toLong(), 0);
    EXPECT_EQ(morv::program().ChybaNacteni, 0);
    EXPECT_EQ(morv::program().SlozeniZadano, 0);

    EXPECT_EQ(m.Nazev, saved.Nazev);
    EXPECT_EQ(m.Kod, saved.Kod);
    const float singles[][2] = {
        {m.Kprostup, saved.Kprostup},
        {m.Q, saved.Q},
        {m.Pterm, saved.Pterm},
        {m.Rkap, saved.Rkap},
        {m.Ttrubi, saved.Ttrubi},
        {m.Ttrubo, saved.Ttrubo},
        {m.Tplasti, saved.Tplasti},
        {m.Tplasto, saved.Tplasto},
        {m.Dplast, saved.Dplast},
        {m.Dtrubi, saved.Dtrubi},
        {m.Dtrubo, saved.Dtrubo},
        {m.L, saved.L},
        {m.Plocha, saved.Plocha},
        {m.sT, saved.sT},
        {m.sL, saved.sL},
        {m.Zneci, saved.Zneci},
        {m.Zneco, saved.Zneco},
        {m.dPrep, saved.dPrep},
        {m.hPrep, saved.hPrep},
        {m.NstredL, saved.NstredL},
        {m.HrdloPli, saved.HrdloPli},
        {m.HrdloPlo, saved.HrdloPlo},
        {m.HrdloTri, saved.HrdloTri},
        {m.HrdloTro, saved.HrdloTro},
        {m.Drsnost, saved.Drsnost},
        {m.indProti, saved.indProti},
        {m.Vodw, saved.Vodw},
    };
    for (size_t i = 0; i < std::size(singles); ++i)
        EXPECT_EQ(singles[i][0], singles[i][1]) << "single field " << i;
    const int16_t integers[][2] = {{m.Numb, saved.Numb},   {m.Chod, saved.Chod},
                                   {m.Ntrub, saved.Ntrub}, {m.NstredT, saved.NstredT},
                                   {m.Uspor, saved.Uspor}, {m.Natok, saved.Natok}};
    for (size_t i = 0; i < std::size(integers); ++i)
        EXPECT_EQ(integers[i][0], integers[i][1]) << "integer field " << i;
    EXPECT_TRUE(m.TrubKap);
    EXPECT_FALSE(m.PlastKap);
    for (int16_t i = 0; i <= 8; ++i)
        EXPECT_EQ(m.IPOM(i), saved.IPOM(i)) << "IPOM(" << i << ")";

    EXPECT_EQ(m.Tr().m(), 26.6);
    EXPECT_EQ(m.Pl().m(), 1.0);
    EXPECT_EQ(m.Tr().P(), 300000.0);
    EXPECT_EQ(m.Pl().P(), 101325.0);
    for (int16_t i = 1; i <= 2; ++i) {
        EXPECT_EQ(m.Tr().Xh(i), saved.Tr().Xh(i));
        EXPECT_EQ(m.Tr().Xm(i), saved.Tr().Xm(i));
    }
    EXPECT_EQ(m.Pl().Xh(1), 1.0);
    EXPECT_EQ(m.Pl().Xm(1), 1.0);

    // The mixtures come back from the database: tube n-hexane and n-heptane, shell water.
    ASSERT_EQ(m.Tr().S().Nsloz().toInteger(), 2);
    EXPECT_EQ(m.Tr().S().Nslozky(1).toInteger(), 3);
    EXPECT_EQ(m.Tr().S().Nslozky(2).toInteger(), 4);
    ASSERT_EQ(m.Pl().S().Nsloz().toInteger(), 1);
    EXPECT_EQ(m.Pl().S().Nslozky(1).toInteger(), 1);
    EXPECT_EQ(m.Pl().S().AdrKWELAR(), library.databasePath());

    // Saved again, the task gives the same file: the empty flags are still empty.
    EXPECT_EQ(snapshot(m), fileBytes(filledLines));
}

TEST_F(TaskFile, HandWrittenFileIsReadItemByItem) {
    // Blanks around items, numbers with and without the 0 before the point and with an
    // exponent, a comma inside a quoted name, Booleans also as numbers, and line breaks that
    // do not match the lines of the writer: items are taken in order.
    const std::string text = " \"Kondenzátor, pokus\" , \"K 2\", 3, 700, 1.2E+06, .5, 0.5, 15, 25, 80, 75\r\n"
                             "0.5,.016,.02,2.5,20,2\r\n40,.025,.0217,1E-04,1E-05\r\n"
                             ".3,.75,10,12.,1,#TRUE#,0\r\n"
                             ".1,.05,.08,.08,1E-05,1,48,0\r\n"
                             "0,1,,0,1,,,1,0\r\n"
                             "5.5,2,2E+05,1.5E+05\r\n"
                             "1\r\n"
                             "1, \"Voda\" ,1,1\r\n"
                             "2\r\n"
                             "3,\"n-Hexan\",.5,.46\r\n4,\"n-Heptan\",0.5,0.54\r\n";
    const std::string path = dir.write("hand.dat", platform::toCp1250(text));
    TARMST m;
    EXPECT_EQ(m.NactiData(path).toLong(), 0);
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(m.Nazev, "Kondenzátor, pokus");
    EXPECT_EQ(m.Kod, "K 2");
    EXPECT_EQ(m.Numb, 3);
    EXPECT_EQ(m.Q, 1.2e6f);
    EXPECT_EQ(m.Pterm, 0.5f);
    EXPECT_EQ(m.Rkap, 0.5f);
    EXPECT_EQ(m.Tplasto, 75.0f);
    EXPECT_EQ(m.Dtrubi, 0.016f);
    EXPECT_EQ(m.Chod, 2);
    EXPECT_EQ(m.Ntrub, 40);
    EXPECT_EQ(m.Zneci, 1e-4f);
    EXPECT_EQ(m.Zneco, 0.00001f);
    EXPECT_EQ(m.dPrep, 0.3f);
    EXPECT_EQ(m.NstredL, 12.0f);
    EXPECT_EQ(m.Uspor, 1);
    EXPECT_TRUE(m.TrubKap);
    EXPECT_FALSE(m.PlastKap);
    EXPECT_EQ(m.Drsnost, 1e-5f);
    EXPECT_EQ(m.Vodw, 48.0f);
    const int16_t flags[] = {0, 1, 0, 0, 1, 0, 0, 1, 0};
    for (int16_t i = 0; i <= 8; ++i)
        EXPECT_EQ(m.IPOM(i), flags[i]) << "IPOM(" << i << ")";
    EXPECT_EQ(m.Tr().m(), 5.5);
    EXPECT_EQ(m.Pl().P(), 1.5e5);
    EXPECT_EQ(m.Tr().S().Nsloz().toInteger(), 1);
    EXPECT_EQ(m.Pl().S().Nsloz().toInteger(), 2);
    EXPECT_EQ(m.Pl().Xh(1), 0.5);
    EXPECT_EQ(m.Pl().Xm(2), 0.54);
}

TEST_F(TaskFile, QuotesAndLineBreaksInTextsCannotBreakTheFile) {
    TARMST saved;
    fillTask(saved);
    saved.Nazev = "Kondenzátor \"A\"\r\nřada 2";
    saved.Kod = "K,1\n";
    const std::string path = dir.file("task.dat");
    saved.UlozData(path);
    TARMST m;
    EXPECT_EQ(m.NactiData(path).toLong(), 0);
    EXPECT_EQ(m.Nazev, "Kondenzátor 'A'řada 2");
    EXPECT_EQ(m.Kod, "K,1");
    EXPECT_EQ(m.Numb, 7);
    EXPECT_EQ(m.Pl().S().Nsloz().toInteger(), 1);
}

// ---- Files that do not hold a whole task ---------------------------------------------------

struct BadFile {
    const char* name;
    //! Changes the lines of a good file into the bad one.
    std::vector<std::string> (*make)(std::vector<std::string>);
};

void PrintTo(const BadFile& f, std::ostream* os) {
    *os << f.name;
}

std::vector<std::string> replaceLine(std::vector<std::string> lines, size_t i, const std::string& by) {
    lines[i] = by;
    return lines;
}
std::vector<std::string> firstLines(std::vector<std::string> lines, size_t n) {
    lines.resize(n);
    return lines;
}
//! The shell stream with 21 components, each on its line.
std::vector<std::string> shellOf21(std::vector<std::string> lines) {
    lines = replaceLine(firstLines(lines, 10), 9, "21");
    for (int i = 0; i < 21; ++i)
        lines.push_back("1,\"Voda\",0.05,0.05");
    return lines;
}

const BadFile badFiles[] = {
    {"TextWhereLine2ExpectsANumber",
     [](auto l) {
         return replaceLine(l, 1, "\"0,6 m\",0.021,0.025,3,53.2485,4,226,0.032,0.0277,0.000176,1E-05");
     }},
    {"WordWhereLine2ExpectsANumber",
     [](auto l) {
         return replaceLine(l, 1, "šest,0.021,0.025,3,53.2485,4,226,0.032,0.0277,0.000176,1E-05");
     }},
    {"IntegerBeyond16Bits",
     [](auto l) {
         return replaceLine(l, 1, "0.6,0.021,0.025,3,53.2485,4,40000,0.032,0.0277,0.000176,1E-05");
     }},
    {"SingleBeyondItsRange",
     [](auto l) { return replaceLine(l, 1, "0.6,0.021,0.025,3,1E+39,4,226,0.032,0.0277,0.000176,1E-05"); }},
    {"WordWhereABooleanStands", [](auto l) { return replaceLine(l, 2, "0.36,0.7,16,20,0,ano,#FALSE#"); }},
    {"TextAmongTheFlags", [](auto l) { return replaceLine(l, 4, "1,,0,,\"x\",,1,1,1"); }},
    {"EmptyFile", [](auto l) { return firstLines(l, 0); }},
    {"CutAfterLine1", [](auto l) { return firstLines(l, 1); }},
    {"CutInTheFlags", [](auto l) { return replaceLine(firstLines(l, 5), 4, "1,,0"); }},
    {"CutAfterTheFlows", [](auto l) { return firstLines(l, 6); }},
    {"CutInATubeComponent", [](auto l) { return replaceLine(firstLines(l, 8), 7, "3,\"n-Hexan\""); }},
    {"CutBeforeTheShellCount", [](auto l) { return firstLines(l, 9); }},
    {"CutBeforeTheLastComponent", [](auto l) { return firstLines(l, 10); }},
    {"TubeCountAbove20", [](auto l) { return replaceLine(l, 6, "21"); }},
    {"TubeCountHuge", [](auto l) { return replaceLine(l, 6, "30000"); }},
    {"TubeCountNegative", [](auto l) { return replaceLine(l, 6, "-1"); }},
    {"TubeCountNotWhole", [](auto l) { return replaceLine(l, 6, "1.5"); }},
    {"TubeCountAText", [](auto l) { return replaceLine(l, 6, "\"dvě\""); }},
    {"ShellCountAbove20", [](auto l) { return replaceLine(l, 9, "21"); }},
    {"ShellOf21Components", shellOf21},
    {"MoreComponentsThanLines", [](auto l) { return replaceLine(l, 9, "2"); }},
    // Flags outside 0 and 1 would pass the count of three unknowns (0+0+0+0+0+0+3+0 = 3)
    // with no unknown marked; a layout outside 0 and 1 is neither of the two.
    {"FlagThreeAmongTheUnknowns", [](auto l) { return replaceLine(l, 4, "0,0,0,0,0,0,3,0,1"); }},
    {"FlagMinusOne", [](auto l) { return replaceLine(l, 4, "1,,0,,,,1,1,-1"); }},
    {"WarmShellFlagTwo", [](auto l) { return replaceLine(l, 4, "1,,0,,,,1,1,2"); }},
    {"Layout700", [](auto l) { return replaceLine(l, 3, "0.2027,0.1023,0.1541,0.1541,5E-05,0.5,45,700"); }},
};

class WrongStructure : public TaskFile, public ::testing::WithParamInterface<BadFile> {};

TEST_P(WrongStructure, IsReportedAndLeavesTheModelAsItWas) {
    TARMST m;
    fillTask(m);
    m.Nazev = "Původní úloha";
    m.Tr().m(3.5);
    const std::string before = snapshot(m);
    const std::string path = dir.write("bad.dat", fileBytes(GetParam().make(filledLines)));

    boxes.answer(platform::answer::Ok);
    const Variant result = m.NactiData(path);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Načítaný soubor má nesprávnou strukturu!");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(boxes.boxes()[0].title, "HE");
    EXPECT_TRUE(result.isEmpty());
    EXPECT_EQ(morv::program().ChybaNacteni, -1);
    EXPECT_EQ(morv::program().SlozeniZadano, 0);
    EXPECT_EQ(snapshot(m), before);
    EXPECT_EQ(m.Tr().S().Nsloz().toInteger(), 2);
    EXPECT_EQ(m.Pl().S().Nsloz().toInteger(), 1);
}

INSTANTIATE_TEST_SUITE_P(TaskFile, WrongStructure, ::testing::ValuesIn(badFiles),
                         [](const auto& info) { return std::string(info.param.name); });

struct UnreadableFile {
    const char* name;
    //! The path to read, made in the folder.
    std::string (*path)(const testsupport::TempDir&);
    const char* text;
    int style;
};

const UnreadableFile unreadableFiles[] = {
    {"MissingFile", [](const testsupport::TempDir& d) { return d.file("none.dat"); },
     "Zadali jste název neexistujícího souboru!", 64},
    {"MissingFolder", [](const testsupport::TempDir& d) { return d.file("none/task.dat"); },
     "NactiData - Chyba č.  76\r\nPath not found", 16},
    {"FolderInsteadOfAFile",
     [](const testsupport::TempDir& d) {
         std::filesystem::create_directory(d.file("folder.dat"));
         return d.file("folder.dat");
     },
     "NactiData - Chyba č.  75\r\nPath/File access error", 16},
};

void PrintTo(const UnreadableFile& f, std::ostream* os) {
    *os << f.name;
}

class Unreadable : public TaskFile, public ::testing::WithParamInterface<UnreadableFile> {};

TEST_P(Unreadable, IsReportedAndLeavesTheModelAsItWas) {
    TARMST m;
    fillTask(m);
    const std::string before = snapshot(m);
    boxes.answer(platform::answer::Ok);
    const Variant result = m.NactiData(GetParam().path(dir));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, GetParam().text);
    EXPECT_EQ(boxes.boxes()[0].style, GetParam().style);
    EXPECT_EQ(boxes.boxes()[0].title, "HE");
    EXPECT_TRUE(result.isEmpty());
    EXPECT_EQ(morv::program().ChybaNacteni, -1);
    EXPECT_EQ(morv::program().SlozeniZadano, 0);
    EXPECT_EQ(snapshot(m), before);
}

INSTANTIATE_TEST_SUITE_P(TaskFile, Unreadable, ::testing::ValuesIn(unreadableFiles),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Mixtures that cannot be loaded --------------------------------------------------------

class MissingSubstance : public TaskFile, public ::testing::WithParamInterface<size_t> {};

TEST_P(MissingSubstance, IsReportedOnEitherSideAndTheLoadCompletes) {
    // Substance 99 lies beyond the end of the database.
    const size_t line = GetParam();
    std::vector<std::string> lines = filledLines;
    lines[line] = "99" + lines[line].substr(1);
    const std::string path = dir.write("task.dat", fileBytes(lines));
    TARMST m;
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    EXPECT_EQ(m.NactiData(path).toLong(), 0);
    const std::vector<Box> expected = {
        {"INIKWL: Látka č.  99 není v bázi!", 48, "KWELAR"},
        {"Nenačtena řádně data z KWELAR.DRC!", 16, "HE"},
    };
    ASSERT_EQ(boxes.boxes().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(boxes.boxes()[i].text, expected[i].text);
        EXPECT_EQ(boxes.boxes()[i].style, expected[i].style);
        EXPECT_EQ(boxes.boxes()[i].title, expected[i].title);
    }
    EXPECT_EQ(morv::program().ChybaNacteni, 0);
    // The other side is loaded all the same.
    EXPECT_EQ(line == 7 ? m.Pl().S().Nsloz().toInteger() : m.Tr().S().Nsloz().toInteger(), line == 7 ? 1 : 2);
}

// The substance the file named stays in the mixture as requested and is saved again: the
// mixture counts it with the number 0 of a missing record, and the file keeps its number.
TEST_P(MissingSubstance, IsSavedAgainWithItsNumber) {
    const size_t line = GetParam();
    std::vector<std::string> lines = filledLines;
    lines[line] = "99" + lines[line].substr(1);
    const std::string path = dir.write("task.dat", fileBytes(lines));
    TARMST m;
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    m.NactiData(path);
    kwelar::Smes& s = line == 7 ? m.Tr().S() : m.Pl().S();
    ASSERT_EQ(s.Nsloz().toInteger(), line == 7 ? 2 : 1);
    EXPECT_EQ(s.Nslozky(1).toInteger(), 0);
    EXPECT_EQ(s.requestedNumber(1), 99);
    if (line == 7) {
        EXPECT_EQ(s.Nslozky(2).toInteger(), 4); // read all the same, not left from before
    }

    std::vector<std::string> expected = filledLines;
    expected[line] = "99,\"" + std::string(30, ' ') + "\"" + lines[line].substr(lines[line].find("\",") + 1);
    EXPECT_EQ(snapshot(m), fileBytes(expected));
}

// Line 8 holds the first tube component, line 11 the shell component.
INSTANTIATE_TEST_SUITE_P(TaskFile, MissingSubstance, ::testing::Values(size_t{7}, size_t{10}),
                         [](const auto& info) { return info.param == 7 ? "TubeSide" : "ShellSide"; });

TEST_F(TaskFile, StreamWithTwentyComponentsLoadsWithoutABox) {
    kwelartest::FixtureDb db = taskDb();
    for (int16_t n = 5; n <= 20; ++n)
        db.add(n);
    kwelartest::FixtureLibrary twenty(db);
    std::vector<std::string> lines(filledLines.begin(), filledLines.begin() + 6);
    lines.push_back("20");
    for (int n = 1; n <= 20; ++n)
        lines.push_back(std::to_string(n) + ",\"\",0.05,0.05");
    lines.push_back("1");
    lines.push_back("1,\"Voda\",1,1");
    const std::string path = dir.write("twenty.dat", fileBytes(lines));
    TARMST m;
    EXPECT_EQ(m.NactiData(path).toLong(), 0);
    EXPECT_TRUE(boxes.boxes().empty());
    ASSERT_EQ(m.Tr().S().Nsloz().toInteger(), 20);
    EXPECT_EQ(m.Tr().S().Nslozky(20).toInteger(), 20);
    EXPECT_EQ(m.Tr().Xm(20), 0.05);
}

// ---- Writing that fails --------------------------------------------------------------------

//! Limits the size of files this process writes for its lifetime, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_handler)(int);
};

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    return names;
}

TEST_F(TaskFile, FailedWriteIsReportedAndLeavesTheOldFile) {
    TARMST m;
    fillTask(m);
    const std::string path = dir.write("task.dat", "old task\r\n");
    {
        FileSizeLimit full(64);
        EXPECT_RUNTIME_ERROR(m.UlozData(path), 75);
    }
    EXPECT_EQ(platform::readWholeFile(path), "old task\r\n");
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"task.dat"});
}

TEST_F(TaskFile, FlowThatIsNotANumberIsReportedAndLeavesTheOldFile) {
    TARMST m;
    fillTask(m);
    const std::string path = dir.write("task.dat", "old task\r\n");
    m.Tr().m(std::numeric_limits<double>::quiet_NaN());
    EXPECT_RUNTIME_ERROR(m.UlozData(path), 6);
    m.Tr().m(1);
    m.Pl().P(-std::numeric_limits<double>::infinity());
    EXPECT_RUNTIME_ERROR(m.UlozData(path), 6);
    EXPECT_EQ(platform::readWholeFile(path), "old task\r\n");
}

TEST_F(TaskFile, WriteIntoAFolderThatCannotHoldItIsReported) {
    TARMST m;
    fillTask(m);
    dir.write("file", "");
    EXPECT_RUNTIME_ERROR(m.UlozData(dir.file("missing/task.dat")), 76);
    EXPECT_RUNTIME_ERROR(m.UlozData(dir.file("file/task.dat")), 76);
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"file"});
}

// ---- The sample task -----------------------------------------------------------------------

//! The sample tasks are loaded with the substance database of this build. Each test runs under
//! the C locale and under the decimal-comma locale a window toolkit sets for a Czech user: the
//! task reads and writes the same.
class SampleTask : public morvtest::BuiltDatabase, public ::testing::WithParamInterface<const char*> {
protected:
    testsupport::ProcessLocale locale{GetParam()};
    const std::string path = morvtest::sampleTaskPath(morvtest::sampleTask);
};

TEST_P(SampleTask, MethanolCondenserLoadsAsADesignTask) {
    TARMST m;
    EXPECT_EQ(m.NactiData(path).toLong(), 0);
    EXPECT_TRUE(boxes.boxes().empty());

    // Unknowns: water flow, duty and area; the shell stream is the warm one.
    const int16_t flags[] = {1, 0, 0, 0, 0, 0, 1, 1, 1};
    for (int16_t i = 0; i <= 8; ++i)
        EXPECT_EQ(m.IPOM(i), flags[i]) << "IPOM(" << i << ")";
    // Cooling water in four passes through 25 x 2 mm tubes, methanol vapour in the shell of
    // a horizontal exchanger at 1 atm.
    EXPECT_TRUE(m.TrubKap);
    EXPECT_FALSE(m.PlastKap);
    EXPECT_EQ(m.Natok, 0);
    EXPECT_EQ(m.Chod, 4);
    EXPECT_FLOAT_EQ(m.Dtrubo - m.Dtrubi, 0.004f);
    EXPECT_EQ(m.Pl().P(), 101325.0);
    ASSERT_EQ(m.Tr().S().Nsloz().toInteger(), 1);
    EXPECT_EQ(m.Tr().S().Nslozky(1).toInteger(), 1);
    ASSERT_EQ(m.Pl().S().Nsloz().toInteger(), 1);
    EXPECT_EQ(m.Pl().S().Nslozky(1).toInteger(), 23);

    // The estimates agree with each other: area = Ntrub 3.1415 Dtrubo L; the duty is the
    // methanol's heat of condensation, 35.21 kJ/mol / 32.04 g/mol = 1099 kJ/kg at its normal
    // boiling point 64.7 °C (NIST Chemistry WebBook), with the condensate cooled by 4.7 K at
    // 2.53 kJ/kg/K; the water takes it at 4181 J/kg/K (IAPWS-95 at 25 °C) over 20 -> 30 °C.
    EXPECT_NEAR(m.Plocha, m.Ntrub * 3.1415 * m.Dtrubo * m.L, 1e-3);
    EXPECT_NEAR(m.Q, m.Pl().m() * (1099e3 + 2530 * (m.Tplasti - m.Tplasto)), 0.005 * m.Q);
    EXPECT_NEAR(m.Tr().m(), m.Q / (4181 * (m.Ttrubo - m.Ttrubi)), 0.005 * m.Tr().m());
    // Water velocity in one pass 1 to 2 m/s at 998 kg/m3.
    const double v = m.Tr().m() / 998 / (m.Ntrub / double(m.Chod) * 3.1415 / 4 * m.Dtrubi * m.Dtrubi);
    EXPECT_GT(v, 1.0);
    EXPECT_LT(v, 2.0);
}

TEST_P(SampleTask, SavedAgainGivesTheSameFile) {
    // The names of the component lines are those of the database, so the file written back
    // is the sample byte for byte.
    TARMST m;
    ASSERT_EQ(m.NactiData(path).toLong(), 0);
    const std::string copy = folder.file("copy.dat");
    m.UlozData(copy);
    EXPECT_EQ(platform::readWholeFile(copy), platform::readWholeFile(path));
}

INSTANTIATE_TEST_SUITE_P(Locales, SampleTask, ::testing::ValuesIn(testsupport::ProcessLocales),
                         [](const auto& info) { return testsupport::processLocaleName(info.param); });

} // namespace
