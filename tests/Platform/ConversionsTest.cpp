#include "Platform/Conversions.h"
#include "Platform/Regional.h"

#include "TestSupport.h"

#include <cmath>
#include <cstdlib>

using namespace platform;

namespace {

struct RoundCase {
    double x;
    int expected; // -99999: overflow
};
void PrintTo(const RoundCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class IntegerRounding : public ::testing::TestWithParam<RoundCase> {};

TEST_P(IntegerRounding, HalfGoesToEvenAndRangeIsChecked) {
    const RoundCase& c = GetParam();
    if (c.expected == -99999) {
        EXPECT_RUNTIME_ERROR(toInteger(c.x), 6);
    } else {
        EXPECT_EQ(toInteger(c.x), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, IntegerRounding,
                         ::testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2},
                                           RoundCase{-3.5, -4}, RoundCase{2.4999, 2},
                                           RoundCase{32767.4, 32767}, RoundCase{32767.5, -99999},
                                           RoundCase{-32768.5, -32768}, RoundCase{-32769, -99999},
                                           RoundCase{std::nan(""), -99999}));

struct TextCase {
    double x;
    bool single;
    const char* numberText;
    const char* generalText;
};
void PrintTo(const TextCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class NumberTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTexts, FollowTheGeneralNumberLayout) {
    const TextCase& c = GetParam();
    DecimalSeparatorScope point('.');
    EXPECT_EQ(numberText(c.x, c.single), c.numberText);
    EXPECT_EQ(generalText(c.x, c.single), c.generalText);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberTexts,
    ::testing::Values(TextCase{12, false, " 12", "12"}, TextCase{-3, false, "-3", "-3"},
                      TextCase{0.25, false, " .25", "0.25"}, TextCase{-0.25, false, "-.25", "-0.25"},
                      TextCase{0, false, " 0", "0"}, TextCase{1e-5, false, " 1E-05", "1E-05"},
                      TextCase{0.0001, false, " .0001", "0.0001"},
                      TextCase{1.5e16, false, " 1.5E+16", "1.5E+16"},
                      TextCase{123456789012345.0, false, " 123456789012345", "123456789012345"},
                      TextCase{1.0 / 3, false, " .333333333333333", "0.333333333333333"},
                      TextCase{double(0.1f), true, " .1", "0.1"},
                      TextCase{double(99.99f), true, " 99.99", "99.99"},
                      TextCase{double(1.0e7f), true, " 1E+07", "1E+07"},
                      TextCase{double(1234567.0f), true, " 1234567", "1234567"}));

TEST(GeneralText, UsesTheRegionalSeparator) {
    DecimalSeparatorScope comma(',');
    EXPECT_EQ(generalText(2.5), "2,5");
    EXPECT_EQ(pointText(2.5), "2.5");
    EXPECT_EQ(numberText(2.5), " 2.5");
}

TEST(PointText, KeepsTypedNumbersShortAndGivesEveryValueBack) {
    // Numbers as a user types them keep their 7 (single) or 15 significant digits at most.
    EXPECT_EQ(pointText(double(0.021f), true), "0.021");
    EXPECT_EQ(pointText(double(0.000176f), true), "0.000176");
    EXPECT_EQ(pointText(double(1e-5f), true), "1E-05");
    EXPECT_EQ(pointText(26.6), "26.6");
    EXPECT_EQ(pointText(101325.0), "101325");
    // Values out of a calculation may need more digits to come back bit for bit: the double
    // nearest 1/3 needs 16 significant digits, the float nearest 1/3 needs 8 (IEEE 754: 17
    // and 9 digits always suffice).
    EXPECT_EQ(pointText(1.0 / 3), "0.3333333333333333");
    EXPECT_EQ(pointText(double(1.0f / 3), true), "0.33333334");
    const double doubles[] = {2.0 / 3, 1e-300 / 7, 6.02214076e23 / 9, -4.0 / 7e-9, 26.59234567890123};
    for (double x : doubles)
        EXPECT_EQ(std::strtod(pointText(x).c_str(), nullptr), x) << pointText(x);
    float f = 1e-30f;
    for (int i = 0; i < 200; ++i) {
        f = std::nextafter(f * 1.37f, 2.0f * f);
        EXPECT_EQ(static_cast<float>(std::strtod(pointText(f, true).c_str(), nullptr)), f)
            << pointText(f, true);
    }
}

struct ValCase {
    const char* text;
    double expected;
};
void PrintTo(const ValCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class LenientReader : public ::testing::TestWithParam<ValCase> {};

TEST_P(LenientReader, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(val(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, LenientReader,
                         ::testing::Values(ValCase{"1 000", 1000}, ValCase{"12cm", 12}, ValCase{"1D3", 1000},
                                           ValCase{"abc", 0}, ValCase{"  -2.5e2x", -250}, ValCase{".5", 0.5},
                                           ValCase{"1,5", 1}, ValCase{"", 0}, ValCase{"3.4.5", 3.4},
                                           ValCase{"7E", 7}));

// Each kind of blank, the no-break spaces U+00A0 and U+202F among them, is skipped wherever it
// stands: before and after the sign, among the digits, around the point and the exponent.
// Only the whole sequence of a no-break space is a blank: a cut one, another character of the
// same lead bytes (the degree sign, U+202E) ends the number.
TEST(LenientReader, SkipsEveryKindOfBlankWhereverItStands) {
    const ValCase spread[] = {
        {"_-_1_2_._5_E_-_2_x", -0.125},
        {"1_000", 1000},
        {"_+_7_D_3", 7000},
        {"__", 0},
        {"_-_", 0},
        {"2_°C", 2},
    };
    for (const char* blank : {" ", "\t", "\n", "\r", "\u00A0", "\u202F"}) {
        for (const ValCase& c : spread) {
            std::string text = c.text;
            for (size_t at = text.find('_'); at != std::string::npos; at = text.find('_', at))
                text.replace(at, 1, blank);
            EXPECT_EQ(val(text), c.expected) << "[" << text << "]";
            EXPECT_EQ(beginsWithNumber(text), c.expected != 0) << "[" << text << "]";
        }
    }
    // The lead bytes of U+00A0 and U+202F alone.
    const std::string lead2 = "\xC2", lead3 = "\xE2\x80";
    for (const std::string& text : {std::string("1\u00B05"), std::string("1\u202E5"), "1" + lead2,
                                    "1" + lead2 + "5", "1" + lead3, "1" + lead3 + "5", "1E" + lead2 + "5"})
        EXPECT_EQ(val(text), 1) << "[" << text << "]";
}

// Which texts val reads a number from, and which give 0 for want of one.
TEST(LenientReader, TellsWhetherATextBeginsWithANumber) {
    for (const char* number : {"0", " -2.5e2x", "- 5", ".5", "1 000", "7E", "+0"})
        EXPECT_TRUE(beginsWithNumber(number)) << "[" << number << "]";
    for (const char* none : {"", "   ", "abc", "-", "+", ".", "-.", "l,5", ",5", "E5", "- x"})
        EXPECT_FALSE(beginsWithNumber(none)) << "[" << none << "]";
}

TEST(LenientReader, CommaFormReadsCommaAsPoint) {
    EXPECT_DOUBLE_EQ(valComma("1,5"), 1.5);
    EXPECT_RUNTIME_ERROR(val("1E999"), 6);
}

TEST(RegionalReader, AcceptsOnlyTheRegionalSeparator) {
    {
        DecimalSeparatorScope comma(',');
        EXPECT_DOUBLE_EQ(regionalNumber(" 2,5 "), 2.5);
        EXPECT_RUNTIME_ERROR(regionalNumber("2.5"), 13);
    }
    DecimalSeparatorScope point('.');
    EXPECT_DOUBLE_EQ(regionalNumber("-1.5E-3"), -0.0015);
    EXPECT_RUNTIME_ERROR(regionalNumber("2,5"), 13);
    EXPECT_RUNTIME_ERROR(regionalNumber(""), 13);
    EXPECT_RUNTIME_ERROR(regionalNumber("12cm"), 13);
}

// Number texts read back whole whatever the region; anything else around the number, or a
// comma, is not one.
TEST(PointReader, ReadsNumberTextsBackUnderEitherSeparator) {
    for (const char separator : {'.', ','}) {
        DecimalSeparatorScope region(separator);
        for (const double x : {5.13346, 7.008463E+08, -0.25, 0.0, 15.06557, 1E-05})
            for (const bool single : {true, false}) {
                const std::string text = numberText(x, single);
                double read = -1;
                EXPECT_TRUE(tryPointNumber(text, read)) << text;
                EXPECT_EQ(read, val(text)) << text;
            }
        double read = 7;
        for (const char* text : {"2,5", "", " ", "-", ".", "12cm", "1.5.3", "1E", "abc", "11.12.2026"})
            EXPECT_FALSE(tryPointNumber(text, read)) << '"' << text << '"';
        EXPECT_EQ(read, 7);
    }
}

} // namespace
