// The expression interpreter (Interpret::Interp): a text gives a finite value with a code of
// 0 or more, or -9999 with a negative code, or a run-time error of its arithmetic.

#include "FuzzSupport.h"

#include "Platform/RunTimeError.h"
#include "RalvoC1/interpret/Interpret.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace fuzzsupport;
    setUp();
    static const ralvo::Interpret interpret;
    static const platform::VArray Pr = [] {
        platform::VArray table(0, 10, 0, 2);
        for (int32_t i = 1; i <= 10; ++i) {
            table(i, 1) = platform::Variant("Z" + std::to_string(i));
            table(i, 2) = platform::Variant(0.5 * i);
        }
        return table;
    }();
    static const platform::VArray Y = [] {
        platform::VArray y(0, 20);
        for (int32_t i = 0; i <= 20; ++i)
            y(i) = platform::Variant(1.0 + i);
        return y;
    }();
    const std::string s(text(data, size));
    for (const int16_t mode : {int16_t{0}, int16_t{-2}}) {
        int16_t ipok = mode;
        try {
            const double v = interpret.Interp(s, ipok, Pr, Y).toDouble();
            if (ipok >= 0)
                require(std::isfinite(v), "a value that is not finite");
            else
                require(v == -9999.0, "a failure without the failure value");
        } catch (const platform::RunTimeError&) {
        }
    }
    return 0;
}
