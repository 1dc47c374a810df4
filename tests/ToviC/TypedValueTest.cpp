#include "ToviC/Tovi.h"

#include "TestSupport.h"
#include "UserUnitFolder.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

using platform::Array;
using platform::Variant;
using tovi::Tovi;

namespace {

class TypedValue : public ::testing::Test {
protected:
    UserUnitFolder folder;
    testsupport::ScriptedBoxes boxes;
};

// A typed text, its value and the target unit returned. The expected values are computed from
// the definitions of the units (1 kcal = 4186.8 J, T[K] = t[degC] + 273.15,
// T[K] = (t[degF] + 459.67) / 1.8) with the factors the table stores.
struct ValueCase {
    const char* input;
    double value;
    const char* rozmer;
};
void PrintTo(const ValueCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

// Each text is also read under the decimal-comma locale a window toolkit sets for a Czech user:
// the values are those of the C locale.
class ConvertsTypedText : public TypedValue,
                          public ::testing::WithParamInterface<std::tuple<ValueCase, const char*>> {};

TEST_P(ConvertsTypedText, WithoutProblem) {
    const auto& [c, localeName] = GetParam();
    testsupport::ProcessLocale locale(localeName);
    Tovi t;
    std::string buf = c.input;
    int16_t ch = -1;
    std::string rozmer = "old";
    const Variant v = t.Prevod(buf, ch, rozmer);
    ASSERT_EQ(v.type(), platform::VarType::Double);
    EXPECT_NEAR(v.toDouble(), c.value, 1e-12 * std::fabs(c.value) + 1e-12) << c.input;
    EXPECT_EQ(ch, 0);
    EXPECT_EQ(rozmer, c.rozmer);
    EXPECT_EQ(buf, "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertsTypedText,
    ::testing::Combine(
        ::testing::Values(ValueCase{"145 cm", 1.45, ""}, ValueCase{"25 km/h", 25 * 1000.0 / 3600, ""},
                          ValueCase{"70 kcal/kg", 70 * 4186.8, ""},
                          ValueCase{"BTU/lb 14 kcal/kg", 14 * 4186.8 / (1055.1 / 0.4536), "BTU/lb"},
                          ValueCase{"kW 500 W", 0.5, "kW"}, ValueCase{"kW W 500", 0.5, "kW"},
                          ValueCase{"MPa 1 bar", 0.1, "MPa"}, ValueCase{"20 C", 293.15, ""},
                          ValueCase{"C 300", 300 - 273.15, "C"}, ValueCase{"c 300", 300 - 273.15, "c"},
                          ValueCase{"R 300", 540, "R"}, ValueCase{"K 25 C", 298.15, "K"},
                          ValueCase{"F 1 C", 33.8, "F"}, ValueCase{"-5 C", 268.15, ""},
                          ValueCase{"2,5", 2.5, ""}, ValueCase{"(5)", 5, ""}, ValueCase{"3 m2", 3, ""},
                          ValueCase{"1 000", 0, ""}, ValueCase{"  7", 7, ""}, ValueCase{"5  cm", 0.05, ""},
                          ValueCase{"+5", 5, ""}, ValueCase{".5 kg", 0.5, ""}, ValueCase{"1e3 m", 1000, ""},
                          ValueCase{"1D3 g", 1, ""}, ValueCase{"l 1 m3", 1000, "l"},
                          ValueCase{"cm3 1 l", 1000, "cm3"}, ValueCase{"mmHg 1 torr", 1, "mmHg"},
                          // Inside a longer unit text C is a temperature difference, the kelvin.
                          ValueCase{"kJ/kg/K 1 kcal/kg/C", 4.1868, "kJ/kg/K"},
                          ValueCase{"1 kJ/kg/F", 1000 / 0.555555556, ""},
                          // A trailing blank or a blank after the semicolon ends the text.
                          ValueCase{"145 cm ", 1.45, ""}, ValueCase{"5 cm; ", 0.05, ""},
                          // The second statement is evaluated, the first is returned; the target unit is the
                          // last statement's.
                          ValueCase{"5; 3", 5, ""}, ValueCase{"kW 5 W: 7", 0.005, "kW"},
                          ValueCase{"0.5 h", 1800, ""}, ValueCase{"-.5", -0.5, ""}),
        ::testing::ValuesIn(testsupport::ProcessLocales)));

// Temperatures typed in degrees Fahrenheit: T[K] = (t + 459.67) / 1.8, with the stored offset
// 255.37222 K written to five decimals.
TEST_F(TypedValue, FahrenheitTemperaturesUseTheirOffsets) {
    for (const char* localeName : testsupport::ProcessLocales) {
        testsupport::ProcessLocale locale(localeName);
        Tovi t;
        std::string buf = "F 273.15";
        EXPECT_NEAR(t.Prevod(buf).toDouble(), 32, 1e-9) << localeName;
        buf = "100 F";
        EXPECT_NEAR(t.Prevod(buf).toDouble(), (100 + 459.67) / 1.8, 1e-5) << localeName;
    }
}

// A typed text that shows message boxes: their texts, the code and the value returned.
struct ProblemCase {
    const char* input;
    std::vector<std::string> messages;
    int16_t ch;
    double value;
};
void PrintTo(const ProblemCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class ReportsProblem : public TypedValue, public ::testing::WithParamInterface<ProblemCase> {};

TEST_P(ReportsProblem, InBoxesWithoutTitleAndGoesOn) {
    const ProblemCase& c = GetParam();
    for (size_t i = 0; i < c.messages.size(); ++i)
        boxes.answer(platform::answer::Ok);
    Tovi t;
    std::string buf = c.input;
    int16_t ch = -1;
    const Variant v = t.Prevod(buf, ch);
    EXPECT_NEAR(v.toDouble(), c.value, 1e-12 * std::fabs(c.value));
    EXPECT_EQ(ch, c.ch);
    ASSERT_EQ(boxes.boxes().size(), c.messages.size());
    for (size_t i = 0; i < c.messages.size(); ++i) {
        EXPECT_EQ(boxes.boxes()[i].text, c.messages[i]);
        EXPECT_EQ(boxes.boxes()[i].style, 0);
        EXPECT_EQ(boxes.boxes()[i].title, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReportsProblem,
    ::testing::Values(ProblemCase{"12cm", {"Chybí mezera za číslem!  :12cm"}, 3, 12},
                      ProblemCase{"5 xyz", {"Neznamy rozmer!: xyz"}, 2, 5},
                      ProblemCase{"kW 5 m", {"Nekonzistentni jednotky!   m :  2  1"}, 1, 0.005},
                      ProblemCase{"m/s 5 m", {"Nekonzistentni jednotky!   s : -1  0"}, 1, 5},
                      ProblemCase{"C 5 m", {"Nekonzistentni jednotky!   m :  0  1"}, 1, 5 - 273.15},
                      // The power digit is not part of the abbreviation shown.
                      ProblemCase{"5 xyz3", {"Neznamy rozmer!: xyz"}, 2, 5},
                      // After a problem every factor of the call counts as 1.
                      ProblemCase{"5 xyz*km", {"Neznamy rozmer!: xyz"}, 2, 5},
                      // An empty abbreviation (leading or doubled operator) is unknown.
                      ProblemCase{"5 /m", {"Neznamy rozmer!: "}, 2, 5},
                      ProblemCase{"5 W//m", {"Neznamy rozmer!: "}, 2, 5}, ProblemCase{"5 m3/", {}, 0, 5},
                      ProblemCase{"5.", {"Chybí mezera za číslem!  :5."}, 3, 5},
                      ProblemCase{"12cm 3", {"Chybí mezera za číslem!  :12cm 3"}, 3, 3},
                      // The second statement shows its messages; the first value is returned.
                      ProblemCase{"5; 3 xyz", {"Neznamy rozmer!: xyz"}, 2, 5},
                      ProblemCase{"5 m; 12cm", {"Chybí mezera za číslem!  :12cm"}, 3, 5},
                      // A third statement is not read at all.
                      ProblemCase{"1; 2; 3 xyz", {}, 0, 1}, ProblemCase{"1:2:12cm 3 xyz", {}, 0, 1}));

// A no-break space parts a number from its unit, and units from each other, as a blank does;
// an abbreviation of the user's unit file that holds one (code page 1250 0xA0) is found as
// written. "_" stands for U+00A0, "~" for the narrow U+202F, which code page 1250 cannot hold.
// The file defines kN_m as the newton metre, 1000 J (dimension code 526).
TEST_F(TypedValue, NoBreakSpaceBelongsToAUnitTheTableKnowsWithIt) {
    folder.write("\"kN\xA0m\",1000,526\r\n");
    const ValueCase cases[] = {
        {"1 kN_m", 1000, ""},
        {"1_kN_m", 1000, ""},
        {"2 kN_m/s", 2000, ""},
        {"2 J/kN_m", 0.002, ""},
        {"kN_m 1000 J", 1, "kN_m"},
        {"kN_m_1000_J", 1, "kN_m"},
        {"J_3_kN_m", 3000, "J"},
        {"3 kN_m_; 4", 3000, ""},
        {"1 kN_m/", 1000, ""},
        {"2 kN_m2", 2e6, ""},
        // Where the table knows no unit with the no-break space, it separates as a blank:
        // the later unit text replaces the earlier one.
        {"1 kN~m", 1, ""},
        {"5 m_km", 5000, ""},
        {"1 kN__m", 1, ""},
        {"1 kN_m_m", 1, ""},
    };
    Tovi t;
    ASSERT_EQ(t.Zkr(92).str(), "kN\u00A0m");
    for (const ValueCase& c : cases) {
        std::string input = c.input, rozmer = c.rozmer;
        for (std::string* s : {&input, &rozmer}) {
            for (size_t at = s->find_first_of("_~"); at != std::string::npos; at = s->find_first_of("_~", at))
                s->replace(at, 1, (*s)[at] == '_' ? "\u00A0" : "\u202F");
        }
        std::string buf = input, got = "old";
        int16_t ch = -1;
        EXPECT_NEAR(t.Prevod(buf, ch, got).toDouble(), c.value, 1e-12 * c.value) << c.input;
        EXPECT_EQ(ch, 0) << c.input;
        EXPECT_EQ(got, rozmer) << c.input;
    }
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes().front().text;
}

TEST_F(TypedValue, EmptyAbbreviationNeverMatchesAnEmptyRow) {
    Tovi t;
    t.Ncelk(100); // rows 92 to 100 are empty, with factor 0
    for (const char* input : {"5 W//m", "m/ 5 /s", "5 *"}) {
        boxes.service().clear();
        boxes.service().allowUnscripted(true);
        std::string buf = input;
        int16_t ch = -1;
        EXPECT_EQ(t.Prevod(buf, ch).toDouble(), 5) << input;
    }
}

TEST_F(TypedValue, EmptyTextReturnsEmptyAndKeepsRozmer) {
    Tovi t;
    for (const char* input : {"", "   "}) {
        std::string buf = input;
        int16_t ch = -1;
        std::string rozmer = "kW";
        EXPECT_TRUE(t.Prevod(buf, ch, rozmer).isEmpty());
        EXPECT_EQ(ch, 0);
        EXPECT_EQ(rozmer, "kW");
        EXPECT_EQ(buf, "");
    }
}

TEST_F(TypedValue, StatementsShareNumberAndUnits) {
    Tovi t;
    // A statement without a number converts the number before it; one without units uses
    // the units before it.
    std::string buf = "kW 5 W; 7";
    std::string rozmer;
    int16_t ch = -1;
    EXPECT_DOUBLE_EQ(t.Prevod(buf, ch, rozmer).toDouble(), 0.005);
    EXPECT_EQ(rozmer, "kW");
    // A first statement without any number converts 0.
    buf = "kW";
    EXPECT_EQ(t.Prevod(buf, ch, rozmer).toDouble(), 0);
    EXPECT_EQ(rozmer, "kW");
}

TEST_F(TypedValue, NumbersBeyondTheDoubleRangeAreOverflow) {
    Tovi t;
    for (const char* input : {"1e999", "1e999 m", "5 m; 1e999", "1e308 km", "nm 1e300 TW"}) {
        std::string buf = input;
        EXPECT_RUNTIME_ERROR(t.Prevod(buf), 6);
    }
}

TEST_F(TypedValue, ZeroFactorOfAUserTargetUnitIsDivisionByZero) {
    folder.write("\"nic\",0,5\r\n");
    Tovi t;
    std::string buf = "nic 5 m";
    EXPECT_RUNTIME_ERROR(t.Prevod(buf), 11);
}

// Decoding unit texts: factor to SI base units, exponents over m, s, kg, K, A, mol, cd, x and
// the number of abbreviations.
struct DecodeCase {
    const char* text;
    double factor;
    std::vector<int16_t> exponents;
    int16_t count;
};
void PrintTo(const DecodeCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class DecodesUnitText : public TypedValue, public ::testing::WithParamInterface<DecodeCase> {};

TEST_P(DecodesUnitText, IntoFactorAndExponents) {
    const DecodeCase& c = GetParam();
    Tovi t;
    double s = -1;
    Array<int16_t> sk(0, 7);
    int16_t ch = 0;
    const Variant n = t.Dekodr(c.text, s, sk, ch);
    EXPECT_EQ(n.type(), platform::VarType::Integer);
    EXPECT_EQ(n.toInteger(), c.count);
    EXPECT_NEAR(s, c.factor, 1e-12 * c.factor);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(sk(i), c.exponents[static_cast<size_t>(i)]) << c.text << " index " << i;
    EXPECT_EQ(ch, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, DecodesUnitText,
                         ::testing::Values(DecodeCase{"kg*m/K/s3", 1, {1, -3, 1, -1, 0, 0, 0, 0}, 4},
                                           DecodeCase{"W/m2/K", 1, {0, -3, 1, -1, 0, 0, 0, 0}, 3},
                                           DecodeCase{"cm3", 1e-6, {3, 0, 0, 0, 0, 0, 0, 0}, 1},
                                           DecodeCase{"kcal/kg", 4186.8, {2, -2, 0, 0, 0, 0, 0, 0}, 2},
                                           DecodeCase{"mm2*kPa", 1e-3, {1, -2, 1, 0, 0, 0, 0, 0}, 2},
                                           // A power digit 0 or 1 leaves the abbreviation as it is.
                                           DecodeCase{"m1*s0", 1, {1, 1, 0, 0, 0, 0, 0, 0}, 2},
                                           DecodeCase{"km9", 1e27, {9, 0, 0, 0, 0, 0, 0, 0}, 1},
                                           DecodeCase{" kmol/ ", 1000, {0, 0, 0, 0, 0, 1, 0, 0}, 1},
                                           DecodeCase{"", 1, {0, 0, 0, 0, 0, 0, 0, 0}, 0}));

TEST_F(TypedValue, DekodrCountsEveryFactorAsOneAfterAProblem) {
    Tovi t;
    double s = 0;
    Array<int16_t> sk(0, 7);
    int16_t ch = 3;
    EXPECT_EQ(t.Dekodr("km/h", s, sk, ch).toInteger(), 2);
    EXPECT_EQ(s, 1);
    EXPECT_EQ(sk(0), 1);
    EXPECT_EQ(sk(1), -1);
    EXPECT_EQ(ch, 3);

    Array<int16_t> shifted(1, 8);
    EXPECT_RUNTIME_ERROR(t.Dekodr("m", s, shifted, ch), 9);
}

struct RdefCase {
    const char* input;
    const char* si;
};
void PrintTo(const RdefCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class NamesSourceDimension : public TypedValue, public ::testing::WithParamInterface<RdefCase> {};

TEST_P(NamesSourceDimension, InSIText) {
    const RdefCase& c = GetParam();
    Tovi t;
    std::string buf = c.input;
    t.Prevod(buf);
    const Variant r = t.Rdef();
    EXPECT_EQ(r.type(), platform::VarType::String);
    EXPECT_EQ(r.str(), c.si) << c.input;
}

INSTANTIATE_TEST_SUITE_P(Table, NamesSourceDimension,
                         ::testing::Values(RdefCase{"5 W/m/K", "kg*m/K/s3"}, RdefCase{"1 bar", "Pa"},
                                           RdefCase{"1 kW", "W"}, RdefCase{"1 kJ", "J"},
                                           RdefCase{"1 kp", "N"}, RdefCase{"1 cp", "Pas"},
                                           RdefCase{"1 kV", "V"}, RdefCase{"1 kOhm", "Ohm"},
                                           RdefCase{"1 m/m/s", "/s"}, RdefCase{"20 C", "K"},
                                           RdefCase{"3 m2", "m2"}, RdefCase{"1 J/kg/C", "m2/K/s2"},
                                           RdefCase{"1 kmol/l", "mol/m3"}, RdefCase{"1 m/m", ""},
                                           RdefCase{"145", ""}, RdefCase{"C 300", ""}));

TEST_F(TypedValue, RdefIsEmptyBeforeAnyConversion) {
    Tovi t;
    EXPECT_EQ(t.Rdef().str(), "");
}

// Lines of a text ended by CR LF; positions count characters from 1.
TEST_F(TypedValue, RadekReadsLineByLine) {
    Tovi t;
    const std::string tx = "ab\r\ncd";
    Variant j(int16_t{1});
    EXPECT_EQ(t.Radek(tx, j), "ab");
    EXPECT_EQ(j.toLong(), 5);
    EXPECT_EQ(t.Radek(tx, j), " ");
    EXPECT_EQ(j.toLong(), 5);

    const std::string czech = "čá\r\n\r\ny\r\n";
    j = Variant(int16_t{1});
    EXPECT_EQ(t.Radek(czech, j), "čá");
    EXPECT_EQ(j.toLong(), 5);
    EXPECT_EQ(t.Radek(czech, j), "");
    EXPECT_EQ(j.toLong(), 7);
    EXPECT_EQ(t.Radek(czech, j), "y");
    EXPECT_EQ(j.toLong(), 10);
    EXPECT_EQ(t.Radek(czech, j), " ");

    j = Variant(int16_t{99});
    EXPECT_EQ(t.Radek(tx, j), " ");
    EXPECT_EQ(j.toLong(), 99);
}

TEST_F(TypedValue, RadekRefusesAPositionBelowOne) {
    Tovi t;
    const std::string tx = "ab\r\n";
    for (Variant j : {Variant(int16_t{0}), Variant(-3.0), Variant()})
        EXPECT_RUNTIME_ERROR(t.Radek(tx, j), 5);
    Variant notANumber("x");
    EXPECT_RUNTIME_ERROR(t.Radek(tx, notANumber), 13);
}

// Bad input of every kind gives a value or a run-time error, never a crash.
TEST_F(TypedValue, ArbitraryTextNeverBreaksTheReader) {
    boxes.service().allowUnscripted(true);
    // Single characters, the no-break spaces and the lead bytes of one cut short.
    std::vector<std::string> alphabet = {"\xC4\x8D", "\u00A0", "\u202F", "\xC2", "\xE2\x80"};
    for (const char c : std::string(" ;:*/()0123456789.,-+eEDmkKgCFRWxsN"))
        alphabet.emplace_back(1, c);
    folder.write("\"kN\xA0m\",1000,526\r\n"); // a user unit with a no-break space
    uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    Tovi t;
    t.Ncelk(100);
    for (int n = 0; n < 3000; ++n) {
        std::string buf;
        const uint32_t len = next() % 16;
        for (uint32_t i = 0; i < len; ++i)
            buf += alphabet[next() % alphabet.size()];
        const std::string input = buf;
        int16_t ch = -1;
        std::string rozmer;
        try {
            const Variant v = t.Prevod(buf, ch, rozmer);
            EXPECT_TRUE(v.isEmpty() || std::isfinite(v.toDouble())) << input;
            EXPECT_GE(ch, 0) << input;
            EXPECT_LE(ch, 3) << input;
            t.Rdef();
        } catch (const platform::RunTimeError& e) {
            EXPECT_TRUE(e.number() == 6 || e.number() == 11) << input << ": " << e.number();
        }
        EXPECT_EQ(buf, "");
    }
}

} // namespace
