// A value that is not finite has no number text: every conversion that would write it as a
// number raises 6 instead of reading past its digits (the old texts were "n.n" and the like,
// which a file then took as a success).

#include "Platform/Conversions.h"
#include "Platform/Format.h"
#include "Platform/ItemFile.h"
#include "Platform/Variant.h"

#include "TestSupport.h"

#include <functional>
#include <limits>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

struct Writer {
    const char* name;
    std::function<void(double)> write;
};

TEST(NonFiniteNumber, IsOverflowWhereverItWouldBeWrittenAsANumber) {
    const Writer writers[] = {
        {"numberText", [](double x) { platform::numberText(x); }},
        {"numberText single", [](double x) { platform::numberText(x, true); }},
        {"generalText", [](double x) { platform::generalText(x); }},
        {"pointText", [](double x) { platform::pointText(x); }},
        {"format fixed", [](double x) { platform::format(x, "#0.00"); }},
        {"format scientific", [](double x) { platform::format(x, "0.0000E+00"); }},
        {"Variant text", [](double x) { platform::Variant(x).toString(); }},
        {"item file number", [](double x) { platform::ItemWriter().number(x); }},
        {"item file value", [](double x) { platform::ItemWriter().value(platform::Variant(x)); }},
    };
    for (const Writer& w : writers)
        for (const double x : {nan, -nan, inf, -inf})
            EXPECT_RUNTIME_ERROR(w.write(x), 6) << w.name << " " << x;
}

TEST(NonFiniteNumber, LargestFiniteValuesStillHaveTheirText) {
    EXPECT_EQ(platform::numberText(1.7976931348623157e308), " 1.79769313486232E+308");
    EXPECT_EQ(platform::format(-1e308, "0.0E+00"), "-1.0E+308");
}

} // namespace
