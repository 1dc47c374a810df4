// Numbers read and written under the C library's locale a window toolkit sets from the user's
// environment: with a decimal comma (Czech) every reader and writer gives what it gives under
// the C locale.
#include "Platform/DecimalText.h"
#include "Platform/Conversions.h"
#include "Platform/Format.h"
#include "Platform/ItemFile.h"
#include "Platform/Regional.h"

#include "TestSupport.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

using namespace platform;

namespace {

// The fixture itself: the decimal-comma locale does change what the C library reads and
// writes, so the tests below would catch a conversion that follows it, and the locale is
// restored after.
TEST(ProcessLocaleGuard, DecimalCommaChangesTheCLibraryUntilItEnds) {
    {
        testsupport::ProcessLocale comma(testsupport::ProcessLocale::DecimalComma);
        ASSERT_TRUE(comma.isSet());
        EXPECT_EQ(std::strtod("2.5", nullptr), 2.0);
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.1f", 2.5);
        EXPECT_STREQ(buf, "2,5");
    }
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), "C");
    EXPECT_EQ(std::strtod("2.5", nullptr), 2.5);
}

class UnderLocale : public ::testing::TestWithParam<const char*> {
protected:
    testsupport::ProcessLocale locale{GetParam()};
};

std::string localeName(const ::testing::TestParamInfo<const char*>& info) {
    return testsupport::processLocaleName(info.param);
}

TEST_P(UnderLocale, DecimalValueReadsAsTheCLocaleDoes) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"2.5", 2.5},
        {"-.5", -0.5},
        {"+5", 5},
        {"5.", 5},
        {"1e3", 1000},
        {"1E-3", 0.001},
        {"2.5abc", 2.5},
        {"2,5", 2},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"+-5", 0},
        {"1e400", inf},
        {"-1e400", -inf},
        {"1e-400", 0},
        {"4e-320", 4e-320},
        {"1000e305", 1e308},
        {"0.00001e313", 1e308},
        {"0.0000000001e-320", 0},
        {"1e99999999999999", inf},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decimalValue(c.text), c.value) << c.text;
    EXPECT_TRUE(std::signbit(decimalValue("-1e-400")));
    EXPECT_TRUE(std::signbit(decimalValue("-0")));
}

TEST_P(UnderLocale, ScientificTextIsWrittenWithAPoint) {
    EXPECT_EQ(scientificText(1234.5, 14), "1.23450000000000e+03");
    EXPECT_EQ(scientificText(-5e-300, 1), "-5.0e-300");
    EXPECT_EQ(scientificText(0.0, 2), "0.00e+00");
    EXPECT_EQ(scientificText(1e21, 3), "1.000e+21");
    EXPECT_EQ(scientificText(1.0 / 3, 16), "3.3333333333333331e-01");
}

TEST_P(UnderLocale, ItemReaderReadsPointDecimals) {
    ItemReader r = ItemReader::fromBytes("26.78,-.25,1.5E+3,1D-2,\"2.5\",#TRUE#,7.5,64.7\r\n");
    EXPECT_EQ(r.readDouble(), 26.78);
    EXPECT_EQ(r.readDouble(), -0.25);
    EXPECT_EQ(r.readDouble(), 1500);
    EXPECT_EQ(r.readDouble(), 0.01);
    EXPECT_EQ(r.readString(), "2.5");
    EXPECT_TRUE(r.readBool());
    EXPECT_EQ(r.readSingle(), 7.5f);
    EXPECT_TRUE(r.readVariant().identical(Variant(64.7)));
    EXPECT_TRUE(r.atEnd());
    // A decimal comma is no number in an item file: "2,5" is the two items 2 and 5.
    ItemReader comma = ItemReader::fromBytes("2,5\r\n");
    EXPECT_EQ(comma.readDouble(), 2);
    EXPECT_EQ(comma.readDouble(), 5);
}

TEST_P(UnderLocale, ItemWriterWritesPointDecimalsThatReadBack) {
    ItemWriter w;
    w.number(26.78).number(0.1f, true).number(-1e-5).number(1.0 / 3).integer(-3).endLine();
    // 1/3 takes a 16th digit to read back as itself.
    EXPECT_EQ(w.content(), "26.78,0.1,-1E-05,0.3333333333333333,-3\r\n");
    ItemReader r = ItemReader::fromBytes(w.content());
    EXPECT_EQ(r.readDouble(), 26.78);
    EXPECT_EQ(r.readSingle(), 0.1f);
    EXPECT_EQ(r.readDouble(), -1e-5);
    EXPECT_EQ(r.readDouble(), 1.0 / 3);
}

TEST_P(UnderLocale, LenientReaderTakesOnlyThePoint) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"2.5", 2.5},  {"-.5", -0.5}, {"1 000.5", 1000.5},   {"12cm", 12},
                 {"1D3", 1000}, {"2,5", 2},    {" - 3.5e-2", -0.035}, {"0.5 h", 0.5}};
    for (const auto& c : cases)
        EXPECT_EQ(val(c.text), c.value) << c.text;
    EXPECT_EQ(valComma("2,5"), 2.5);
    EXPECT_EQ(valComma("-,5E1"), -5);
    EXPECT_RUNTIME_ERROR(val("1e400"), 6);
}

TEST_P(UnderLocale, RegionalReaderTakesTheRegionalSeparatorOnly) {
    double d = 0;
    {
        DecimalSeparatorScope point('.');
        EXPECT_EQ(regionalNumber(" -1.5E+2 "), -150);
        EXPECT_EQ(regionalNumber("2.5"), 2.5);
        EXPECT_FALSE(tryRegionalNumber("2,5", d));
    }
    {
        DecimalSeparatorScope comma(',');
        EXPECT_EQ(regionalNumber(" -1,5E+2 "), -150);
        EXPECT_EQ(regionalNumber("2,5"), 2.5);
        EXPECT_FALSE(tryRegionalNumber("2.5", d));
    }
}

TEST_P(UnderLocale, NumberTextsUseTheRegionalSeparatorOnlyWhereAsked) {
    {
        DecimalSeparatorScope point('.');
        EXPECT_EQ(numberText(0.25), " .25");
        EXPECT_EQ(generalText(-1.5e-5), "-1.5E-05");
        EXPECT_EQ(generalText(0.1f, true), "0.1");
        EXPECT_EQ(format(1234.5678, "#0.00"), "1234.57");
        EXPECT_EQ(format(0.000123456, "0.00E+00"), "1.23E-04");
    }
    {
        DecimalSeparatorScope comma(',');
        EXPECT_EQ(numberText(0.25), " .25");
        EXPECT_EQ(pointText(2.5), "2.5");
        EXPECT_EQ(generalText(-1.5e-5), "-1,5E-05");
        EXPECT_EQ(format(1234.5678, "#0.00"), "1234,57");
        EXPECT_EQ(format(0.000123456, "0.00E+00"), "1,23E-04");
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, UnderLocale, ::testing::ValuesIn(testsupport::ProcessLocales), localeName);

} // namespace
