// The user unit file "Prevody.kfc" (read when a Tovi object is made). At most nine user rows
// are taken, and converting with each of them gives an empty value, a finite number or a
// run-time error.

#include "FuzzSupport.h"

#include "Platform/RunTimeError.h"
#include "ToviC/Tovi.h"
#include "ToviC/ToviConstants.h"

#include <cmath>
#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace fuzzsupport;
    setUp();
    const std::string folder = file("units");
    std::filesystem::create_directories(folder);
    write("units/" + std::string(tovi::k::userFileName), text(data, size));
    tovi::Tovi::setUserFileFolder(folder + "/");
    tovi::Tovi t;
    require(t.Ncelk() >= tovi::k::builtInRows && t.Ncelk() <= tovi::k::tableRows, "row count out of range");
    for (int16_t i = tovi::k::builtInRows + 1; i <= t.Ncelk(); ++i) {
        const std::string zkr = t.Zkr(i).toString();
        for (const std::string& typed : {"2.5 " + zkr, zkr + " 2.5", "1 " + zkr + "/s;" + zkr + " 3 m"}) {
            try {
                std::string buf = typed;
                int16_t CH = 0;
                const platform::Variant v = t.Prevod(buf, CH);
                require(v.isEmpty() || std::isfinite(v.toDouble()),
                        "a user unit gives a value that is not finite");
            } catch (const platform::RunTimeError&) {
            }
        }
    }
    return 0;
}
