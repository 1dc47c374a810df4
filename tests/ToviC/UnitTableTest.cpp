#include "ToviC/Tovi.h"

#include "TestSupport.h"
#include "UserUnitFolder.h"

#include <cmath>
#include <string>
#include <vector>

using platform::Array;
using platform::Variant;
using tovi::Tovi;

namespace {

class UnitTable : public ::testing::Test {
protected:
    UserUnitFolder folder;
    testsupport::ScriptedBoxes boxes;
};

// The built-in abbreviations in table order, as the system lists them.
const std::vector<std::string> builtInAbbreviations = {
    "m",    "dm",  "cm",  "mm",  "km",   "nm",    "s",     "min",   "hod",  "den",  "rok",  "ms",    "ns",
    "kg",   "g",   "dkg", "q",   "t",    "K",     "C",     "F",     "R",    "ar",   "ha",   "l",     "dcl",
    "Pa",   "kPa", "MPa", "at",  "torr", "mmH2O", "mmvs",  "J",     "kJ",   "MJ",   "GJ",   "TJ",    "cal",
    "kcal", "kWh", "W",   "kW",  "MW",   "GW",    "TW",    "N",     "kp",   "dyn",  "Pas",  "miPas", "cp",
    "deg",  "ft",  "in",  "yd",  "sqin", "sqft",  "galUS", "galGB", "hr",   "sec",  "mol",  "kmol",  "mip",
    "lb",   "oz",  "lbf", "pdl", "BTU",  "psia",  "ml",    "inHg",  "mmHg", "y",    "h",    "mile",  "x",
    "A",    "mA",  "uA",  "kA",  "V",    "mV",    "uV",    "kV",    "Ohm",  "kOhm", "MOhm", "mi",    "bar"};

TEST_F(UnitTable, HoldsTheBuiltInUnitsInTableOrder) {
    Tovi t;
    ASSERT_EQ(builtInAbbreviations.size(), 91u);
    EXPECT_EQ(t.Ncelk(), 91);
    EXPECT_EQ(t.Zkr(0).str(), "");
    for (int16_t i = 1; i <= 91; ++i)
        EXPECT_EQ(t.Zkr(i).str(), builtInAbbreviations[static_cast<size_t>(i - 1)]) << "row " << i;
    EXPECT_EQ(t.Zkr(31).str(), "torr");
    EXPECT_EQ(t.Zkr(92).str(), "");
    EXPECT_EQ(t.Zkr(100).str(), "");
    EXPECT_RUNTIME_ERROR(t.Zkr(101), 9);
    EXPECT_RUNTIME_ERROR(t.Zkr(-1), 9);
}

TEST_F(UnitTable, NcelkIsHeldWithinTheTable) {
    Tovi t;
    t.Ncelk(100);
    EXPECT_EQ(t.Ncelk(), 100);
    EXPECT_RUNTIME_ERROR(t.Ncelk(101), 9);
    EXPECT_RUNTIME_ERROR(t.Ncelk(-1), 9);
    EXPECT_EQ(t.Ncelk(), 100);
    t.Inicializace();
    EXPECT_EQ(t.Ncelk(), 91);

    // Lookups search only the rows in use.
    t.Ncelk(0);
    std::string buf = "5 m";
    int16_t ch = -1;
    boxes.answer(platform::answer::Ok);
    EXPECT_EQ(t.Prevod(buf, ch).toDouble(), 5);
    EXPECT_EQ(ch, 2);
}

// One unit typed after the number 1: its value in SI base units and the SI text of its
// dimension. References: NIST SP 811 (2008), Appendix B.8/B.9, and the SI brochure for the
// exact prefixes; `rel` is the relative tolerance the stored factor is written to.
struct UnitCase {
    const char* unit;
    double si;
    double rel;
    const char* dimension;
};
void PrintTo(const UnitCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class BuiltInUnit : public UnitTable, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(BuiltInUnit, ConvertsToItsPublishedFactorAndDimension) {
    const UnitCase& c = GetParam();
    Tovi t;
    std::string buf = std::string("1 ") + c.unit;
    int16_t ch = -1;
    const double v = t.Prevod(buf, ch).toDouble();
    EXPECT_EQ(ch, 0);
    EXPECT_NEAR(v, c.si, c.rel * c.si) << c.unit;
    EXPECT_EQ(t.Rdef().str(), c.dimension) << c.unit;
}

INSTANTIATE_TEST_SUITE_P(
    Table, BuiltInUnit,
    ::testing::Values(UnitCase{"m", 1, 0, "m"}, UnitCase{"nm", 1e-9, 1e-15, "m"},
                      UnitCase{"km", 1000, 0, "m"}, UnitCase{"ft", 0.3048, 1e-15, "m"},
                      UnitCase{"in", 0.0254, 1e-15, "m"}, UnitCase{"yd", 0.9144, 1e-15, "m"},
                      UnitCase{"mile", 1609.344, 3e-5, "m"}, UnitCase{"mi", 1609.344, 3e-5, "m"},
                      UnitCase{"min", 60, 0, "s"}, UnitCase{"hod", 3600, 0, "s"},
                      UnitCase{"den", 86400, 0, "s"},
                      // Julian year: 365.25 d.
                      UnitCase{"rok", 31557600, 0, "s"}, UnitCase{"y", 31557600, 0, "s"},
                      UnitCase{"g", 0.001, 1e-15, "kg"}, UnitCase{"q", 100, 0, "kg"},
                      UnitCase{"t", 1000, 0, "kg"}, UnitCase{"lb", 0.45359237, 2e-5, "kg"},
                      UnitCase{"oz", 0.028349523, 2e-5, "kg"}, UnitCase{"K", 1, 0, "K"},
                      UnitCase{"deg", 1, 0, "K"}, UnitCase{"ha", 1e4, 0, "m2"},
                      UnitCase{"sqin", 6.4516e-4, 1e-15, "m2"}, UnitCase{"l", 1e-3, 1e-15, "m3"},
                      UnitCase{"ml", 1e-6, 1e-15, "m3"}, UnitCase{"galUS", 3.785412e-3, 2e-4, "m3"},
                      UnitCase{"kPa", 1000, 0, "Pa"}, UnitCase{"bar", 1e5, 0, "Pa"},
                      // Technical atmosphere: 1 kgf/cm2 = 98066.5 Pa exactly.
                      UnitCase{"at", 98066.5, 0, "Pa"}, UnitCase{"torr", 101325.0 / 760, 5e-6, "Pa"},
                      UnitCase{"mmHg", 133.3224, 5e-6, "Pa"}, UnitCase{"psia", 6894.757, 5e-5, "Pa"},
                      UnitCase{"inHg", 3386.389, 5e-6, "Pa"}, UnitCase{"kJ", 1000, 0, "J"},
                      // International-table calorie: 4.1868 J exactly.
                      UnitCase{"cal", 4.1868, 1e-15, "J"}, UnitCase{"kcal", 4186.8, 1e-15, "J"},
                      UnitCase{"kWh", 3.6e6, 0, "J"}, UnitCase{"BTU", 1055.056, 5e-5, "J"},
                      UnitCase{"MW", 1e6, 0, "W"}, UnitCase{"kp", 9.80665, 1e-15, "N"},
                      UnitCase{"dyn", 1e-5, 1e-15, "N"}, UnitCase{"lbf", 4.448222, 1e-5, "N"},
                      UnitCase{"pdl", 0.138255, 5e-5, "N"}, UnitCase{"cp", 1e-3, 1e-15, "Pas"},
                      // Poise = 0.1 Pa s; the micropoise 1e-7 Pa s.
                      UnitCase{"mip", 1e-7, 1e-15, "Pas"}, UnitCase{"kmol", 1000, 0, "mol"},
                      UnitCase{"mA", 1e-3, 1e-15, "A"}, UnitCase{"kV", 1000, 0, "V"},
                      UnitCase{"MOhm", 1e6, 0, "Ohm"}, UnitCase{"x", 1, 0, "x"}));

// The lookup compares whole abbreviations without regard to case, first row first.
struct LookupCase {
    const char* unit;
    double si;
    const char* dimension;
};
void PrintTo(const LookupCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class Lookup : public UnitTable, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(Lookup, FindsTheFirstRowOfEqualLengthIgnoringCase) {
    const LookupCase& c = GetParam();
    Tovi t;
    std::string buf = std::string("1 ") + c.unit;
    int16_t ch = -1;
    EXPECT_DOUBLE_EQ(t.Prevod(buf, ch).toDouble(), c.si);
    EXPECT_EQ(ch, 0);
    EXPECT_EQ(t.Rdef().str(), c.dimension);
}

INSTANTIATE_TEST_SUITE_P(Table, Lookup,
                         ::testing::Values(LookupCase{"nm", 1e-9, "m"}, LookupCase{"n", 1, "N"},
                                           LookupCase{"mW", 1e6, "W"}, LookupCase{"MV", 1e-3, "V"},
                                           LookupCase{"KM", 1000, "m"}, LookupCase{"lbf", 4.4482, "N"},
                                           LookupCase{"ml", 1e-6, "m3"}, LookupCase{"pas", 1, "Pas"},
                                           LookupCase{"MMHG", 133.322, "Pa"}));

// Codes hold exponent + 4 in each decimal digit, index 0 (m) rightmost.
struct CodeCase {
    int32_t code;
    std::vector<int16_t> exponents;
    int16_t highest;
};
void PrintTo(const CodeCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class DimensionCode : public UnitTable, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(DimensionCode, SplitsAndPacksBothWays) {
    const CodeCase& c = GetParam();
    Tovi t;
    Array<int16_t> tp(0, 7);
    const Variant highest = t.DeTyp(c.code, tp);
    EXPECT_EQ(highest.type(), platform::VarType::Integer);
    EXPECT_EQ(highest.toInteger(), c.highest);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(tp(i), c.exponents[static_cast<size_t>(i)]) << "index " << i;
    EXPECT_EQ(t.NaTyp(tp), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DimensionCode,
    ::testing::Values(CodeCase{34516, {2, -3, 1, 0, -1, 0, 0, 0}, 4}, // V = kg m2 s-3 A-1
                      CodeCase{24516, {2, -3, 1, 0, -2, 0, 0, 0}, 4}, // Ohm = kg m2 s-3 A-2
                      CodeCase{5, {1, 0, 0, 0, 0, 0, 0, 0}, 0}, CodeCase{54, {0, 1, 0, 0, 0, 0, 0, 0}, 1},
                      CodeCase{523, {-1, -2, 1, 0, 0, 0, 0, 0}, 2}, // Pa = kg m-1 s-2
                      CodeCase{54444444, {0, 0, 0, 0, 0, 0, 0, 1}, 7},
                      CodeCase{0, {0, 0, 0, 0, 0, 0, 0, 0}, 0},
                      CodeCase{99999999, {5, 5, 5, 5, 5, 5, 5, 5}, 7},
                      CodeCase{11111111, {-3, -3, -3, -3, -3, -3, -3, -3}, 7}));

TEST_F(UnitTable, DigitZeroMeansExponentZero) {
    Tovi t;
    Array<int16_t> tp(0, 7);
    EXPECT_EQ(t.DeTyp(5045, tp).toInteger(), 3);
    const int16_t expected[8] = {1, 0, 0, 1, 0, 0, 0, 0};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(tp(i), expected[i]) << "index " << i;
    // Digits left of the eighth belong to no dimension.
    EXPECT_EQ(t.DeTyp(900000005, tp).toInteger(), 0);
    EXPECT_EQ(tp(0), 1);
}

TEST_F(UnitTable, ExponentArraysMustCoverIndicesZeroToSeven) {
    Tovi t;
    Array<int16_t> short_(0, 6), shifted(1, 8);
    EXPECT_RUNTIME_ERROR(t.DeTyp(5, short_), 9);
    EXPECT_RUNTIME_ERROR(t.DeTyp(5, shifted), 9);
    EXPECT_RUNTIME_ERROR(t.NaTyp(short_), 9);
    Array<int16_t> large(0, 7);
    large(7) = 300;
    EXPECT_RUNTIME_ERROR(t.NaTyp(large), 6);
}

// User unit files ------------------------------------------------------------------------

TEST_F(UnitTable, UserFileOfTwoRecordsIsReadOnce) {
    // Standard atmosphere 101325 Pa; the Vienna fathom (sáh) 1.8965 m, in code page 1250.
    folder.write("\"atm\",101325,523\r\n  \" s\xE1h \" , 1.8965 , 5\r\n");
    Tovi t;
    EXPECT_EQ(t.Ncelk(), 93);
    EXPECT_EQ(t.Zkr(92).str(), "atm");
    EXPECT_EQ(t.Zkr(93).str(), "sáh");
    t.Inicializace();
    EXPECT_EQ(t.Ncelk(), 93);

    std::string buf = "2 SÁH";
    int16_t ch = -1;
    EXPECT_DOUBLE_EQ(t.Prevod(buf, ch).toDouble(), 2 * 1.8965);
    buf = "kPa 1 atm";
    EXPECT_DOUBLE_EQ(t.Prevod(buf, ch).toDouble(), 101.325);
    EXPECT_EQ(ch, 0);

    // A later change of the file reaches only a new object.
    folder.write("\"atm\",101325,523\r\n\"sah\",1.8965,5\r\n\"psi\",6894.757,523\r\n");
    t.Inicializace();
    EXPECT_EQ(t.Ncelk(), 93);
    EXPECT_EQ(Tovi().Ncelk(), 94);
}

TEST_F(UnitTable, WithoutUserFileTheTableKeepsItsBuiltInRows) {
    Tovi t;
    EXPECT_EQ(t.Ncelk(), 91);
    t.Inicializace();
    EXPECT_EQ(t.Ncelk(), 91);
    tovi::Tovi::setUserFileFolder(folder.dir().file("missing/"));
    EXPECT_EQ(Tovi().Ncelk(), 91);
}

TEST_F(UnitTable, UserRowNeverReplacesABuiltInAbbreviation) {
    folder.write("\"M\",2,5\r\n");
    Tovi t;
    EXPECT_EQ(t.Ncelk(), 92);
    std::string buf = "3 m";
    EXPECT_EQ(t.Prevod(buf).toDouble(), 3);
}

struct UserFileCase {
    const char* name;
    std::string content;
    int16_t ncelk;
    const char* lastRow;
};
void PrintTo(const UserFileCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class UserFile : public UnitTable, public ::testing::WithParamInterface<UserFileCase> {};

TEST_P(UserFile, KeepsTheRowsReadBeforeAnyProblem) {
    const UserFileCase& c = GetParam();
    folder.write(c.content);
    Tovi t;
    EXPECT_EQ(t.Ncelk(), c.ncelk);
    EXPECT_EQ(t.Zkr(t.Ncelk()).str(), c.lastRow);
    t.Inicializace();
    EXPECT_EQ(t.Ncelk(), c.ncelk);
}

std::string records(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "\"u" + std::string(1, static_cast<char>('a' + i)) + "\"," + std::to_string(i + 1) + ",5\r\n";
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Table, UserFile,
    ::testing::Values(
        UserFileCase{"NineFit", records(9), 100, "ui"},
        UserFileCase{"TenthIsNotRead", records(12), 100, "ui"},
        UserFileCase{"BadFactorEndsReading", records(2) + "\"uz\",abc,5\r\n" + records(3), 93, "ub"},
        UserFileCase{"BadCodeEndsReading", records(1) + "\"uz\",1,x\r\n\"uy\",1,5\r\n", 92, "ua"},
        UserFileCase{"CodeBeyondRangeEndsReading", records(1) + "\"uz\",1,1E20\r\n", 92, "ua"},
        UserFileCase{"TruncatedLastRecord", records(2) + "\"uz\",1\r\n", 93, "ub"},
        UserFileCase{"EmptyAbbreviationIsSkipped", "\"\",1,5\r\n  ,2,5\r\n\"yard\",0.9144,5\r\n", 92, "yard"},
        UserFileCase{"OneRecordPerItemLine", "\"atm\"\r\n101325\r\n523\r\n", 92, "atm"},
        UserFileCase{"EmptyFile", "", 91, "bar"}, UserFileCase{"BlankLines", "\r\n\r\n  \r\n", 91, "bar"},
        UserFileCase{"BinaryBytes", std::string("\x00\xFF\",\x01\r", 6), 91, "bar"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UnitTable, UserFileThatIsAFolderIsIgnored) {
    folder.dir().write(std::string(tovi::k::userFileName) + "/inside", "x");
    EXPECT_EQ(Tovi().Ncelk(), 91);
}

} // namespace
