// Typed values with units and unit texts (Tovi::Prevod, Tovi::Dekodr): a value that comes
// back is empty or a finite number, and so is every factor.

#include "FuzzSupport.h"

#include "Platform/RunTimeError.h"
#include "ToviC/Tovi.h"

#include <cmath>
#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace fuzzsupport;
    setUp();
    static tovi::Tovi& t = []() -> tovi::Tovi& {
        // No user unit file takes part.
        const std::string units = file("no-units");
        std::filesystem::create_directories(units);
        tovi::Tovi::setUserFileFolder(units + "/");
        static tovi::Tovi object;
        return object;
    }();
    const std::string typed(text(data, size));
    try {
        std::string buf = typed;
        int16_t CH = 0;
        std::string rozmer;
        const platform::Variant v = t.Prevod(buf, CH, rozmer);
        require(v.isEmpty() || std::isfinite(v.toDouble()), "Prevod gives a value that is not finite");
    } catch (const platform::RunTimeError&) {
    }
    try {
        double s = 0;
        platform::Array<int16_t> sk(0, 7);
        int16_t CH = 0;
        t.Dekodr(typed, s, sk, CH);
        require(std::isfinite(s), "Dekodr gives a factor that is not finite");
    } catch (const platform::RunTimeError&) {
    }
    return 0;
}
