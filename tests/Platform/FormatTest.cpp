#include "Platform/Format.h"
#include "Platform/Regional.h"

#include "TestSupport.h"

namespace {

struct FormatCase {
    double x;
    const char* pattern;
    const char* point;
    const char* comma;
};
void PrintTo(const FormatCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class Format : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Format, ShowsDigitsByPatternWithTheRegionalSeparator) {
    const FormatCase& c = GetParam();
    {
        platform::DecimalSeparatorScope sep('.');
        EXPECT_EQ(platform::format(c.x, c.pattern), c.point);
    }
    platform::DecimalSeparatorScope sep(',');
    EXPECT_EQ(platform::format(c.x, c.pattern), c.comma);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Format,
    ::testing::Values(FormatCase{12.3456, "#0.000", "12.346", "12,346"},
                      FormatCase{1234567, "0.0000E+00", "1.2346E+06", "1,2346E+06"},
                      FormatCase{300, "#0.0", "300.0", "300,0"}, FormatCase{0, "###", "", ""},
                      FormatCase{7, "#000", "007", "007"}, FormatCase{0.5, "#.0", ".5", ",5"},
                      FormatCase{0, "0.0000E-00", "0.0000E00", "0,0000E00"},
                      FormatCase{0, "0.0000E+00", "0.0000E+00", "0,0000E+00"},
                      FormatCase{0.00012345, "0.0000E-00", "1.2345E-04", "1,2345E-04"},
                      FormatCase{12345.678, "0.0000E-00", "1.2346E04", "1,2346E04"},
                      FormatCase{9.99996, "0.0000E+00", "1.0000E+01", "1,0000E+01"},
                      FormatCase{-1234.5, "#0.00", "-1234.50", "-1234,50"},
                      FormatCase{0.125, "0.00", "0.13", "0,13"}, FormatCase{2.675, "0.00", "2.68", "2,68"},
                      FormatCase{9.996, "#0.00", "10.00", "10,00"},
                      FormatCase{0.0996, "0.00", "0.10", "0,10"}, FormatCase{0.006, "0.00", "0.01", "0,01"},
                      FormatCase{0.004, "0.00", "0.00", "0,00"}, FormatCase{101325, "#0", "101325", "101325"},
                      FormatCase{373.15, "#0.0", "373.2", "373,2"}, FormatCase{5, "#.##", "5.", "5,"},
                      FormatCase{1e20, "#0", "100000000000000000000", "100000000000000000000"}));

} // namespace
