#include "ToviC/Tovi.h"

#include "Platform/Regional.h"

#include "TestSupport.h"
#include "UserUnitFolder.h"

#include <cmath>
#include <string>
#include <tuple>

using platform::Variant;
using tovi::Tovi;

namespace {

// A number and its display text written with a point; with a decimal comma the point becomes
// a comma. Each band limit is checked at the limit itself (strict tests: the band below) and
// just above it; the texts follow from rounding half away from zero to the digits shown.
struct DisplayCase {
    double x;
    const char* text;
};

// Each case is shown with either regional separator and under either C library locale: the C
// locale and the decimal-comma one a window toolkit sets for a Czech user give the same texts.
class RoundX : public ::testing::TestWithParam<std::tuple<DisplayCase, char, const char*>> {
protected:
    UserUnitFolder folder;
    testsupport::ScriptedBoxes boxes;
};

TEST_P(RoundX, ShowsFiveSignificantDigitsInItsBand) {
    const auto& [c, separator, localeName] = GetParam();
    testsupport::ProcessLocale locale(localeName);
    platform::DecimalSeparatorScope scope(separator);
    std::string expected = c.text;
    for (char& ch : expected)
        if (ch == '.') ch = separator;
    Tovi t;
    const Variant x(c.x);
    const Variant r = t.RoundX(x);
    ASSERT_EQ(r.type(), platform::VarType::String);
    EXPECT_EQ(r.str(), expected) << c.x;
    EXPECT_TRUE(x.identical(Variant(c.x)));
}

INSTANTIATE_TEST_SUITE_P(
    Bands, RoundX,
    ::testing::Combine(
        ::testing::Values(
            DisplayCase{12345.678, "1.2346E+04"}, DisplayCase{-12345.678, "-1.2346E+04"},
            DisplayCase{10000, "1.0000E+04"}, DisplayCase{9999.5, "9.9995E+03"},
            DisplayCase{9999.0001, "9.9990E+03"}, DisplayCase{9999, "9999.00"},
            DisplayCase{123.456, "123.46"}, DisplayCase{100, "100.00"}, DisplayCase{99.996, "100.00"},
            DisplayCase{99.991, "99.99"}, DisplayCase{99.99, "99.990"}, DisplayCase{12.3456, "12.346"},
            DisplayCase{10, "10.000"}, DisplayCase{9.9996, "10.000"}, DisplayCase{9.9991, "9.999"},
            DisplayCase{9.999, "9.9990"}, DisplayCase{1.23456, "1.2346"}, DisplayCase{1, "1.0000"},
            DisplayCase{0.99996, "1.0000"}, DisplayCase{0.99991, "0.9999"}, DisplayCase{0.9999, "0.99990"},
            DisplayCase{-0.5, "-0.50000"}, DisplayCase{0.123456, "0.12346"}, DisplayCase{0.1, "0.10000"},
            DisplayCase{0.099991, "0.09999"}, DisplayCase{0.09999, "0.099990"},
            DisplayCase{0.0123456, "0.012346"}, DisplayCase{0.01, "0.010000"},
            DisplayCase{0.0099991, "0.009999"}, DisplayCase{0.009999, "9.9990E-03"},
            DisplayCase{0.0099, "9.9000E-03"}, DisplayCase{0.0012345, "1.2345E-03"},
            DisplayCase{-0.001234, "-1.2340E-03"}, DisplayCase{1e-300, "1.0000E-300"},
            DisplayCase{1.5e300, "1.5000E+300"}, DisplayCase{0, "0.0000E00"}, DisplayCase{-0.0, "0.0000E00"}),
        ::testing::Values('.', ','), ::testing::ValuesIn(testsupport::ProcessLocales)));

TEST(RoundXKinds, SinglePrecisionIsComparedAsTheDoubleItEquals) {
    UserUnitFolder folder;
    platform::DecimalSeparatorScope scope('.');
    Tovi t;
    // 99.99f = 99.98999786... lies below the double 99.99 and takes the band below it.
    EXPECT_EQ(t.RoundX(Variant(99.99f)).str(), "99.990");
    EXPECT_EQ(t.RoundX(Variant(100.5f)).str(), "100.50");
}

TEST(RoundXKinds, OtherKindsAreTakenAsTheirNumber) {
    UserUnitFolder folder;
    Tovi t;
    {
        platform::DecimalSeparatorScope scope('.');
        EXPECT_EQ(t.RoundX(Variant()).str(), "0.0000E00");
        EXPECT_EQ(t.RoundX(Variant(int16_t{5})).str(), "5.0000");
        EXPECT_EQ(t.RoundX(Variant(int32_t{-70000})).str(), "-7.0000E+04");
        EXPECT_EQ(t.RoundX(Variant(true)).str(), "-1.0000");
        EXPECT_EQ(t.RoundX(Variant("12.5")).str(), "12.500");
    }
    {
        platform::DecimalSeparatorScope scope(',');
        EXPECT_EQ(t.RoundX(Variant(12345.678)).str(), "1,2346E+04");
        EXPECT_EQ(t.RoundX(Variant(" 12,5 ")).str(), "12,500");
    }
}

TEST(RoundXKinds, ValueThatIsNoNumberIsTypeMismatch) {
    UserUnitFolder folder;
    Tovi t;
    EXPECT_RUNTIME_ERROR(t.RoundX(Variant("abc")), 13);
    EXPECT_RUNTIME_ERROR(t.RoundX(Variant("")), 13);
    EXPECT_RUNTIME_ERROR(t.RoundX(Variant(platform::VArray(1, 2))), 13);
}

TEST(RoundXKinds, ShownTextReadsBackAsTheValue) {
    UserUnitFolder folder;
    testsupport::ScriptedBoxes boxes;
    Tovi t;
    for (const char* localeName : testsupport::ProcessLocales) {
        testsupport::ProcessLocale locale(localeName);
        for (char separator : {'.', ','}) {
            platform::DecimalSeparatorScope scope(separator);
            for (double x : {1.45, 293076.0, 0.0012345, -26.85}) {
                std::string text = t.RoundX(Variant(x)).str();
                int16_t ch = -1;
                EXPECT_NEAR(t.Prevod(text, ch).toDouble(), x, 1e-4 * std::fabs(x))
                    << localeName << " " << text;
                EXPECT_EQ(ch, 0);
            }
        }
    }
}

} // namespace
