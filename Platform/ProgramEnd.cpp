#include "Platform/ProgramEnd.h"

#include <cstdlib>

namespace platform {

namespace {
std::function<void(int)>& hook() {
    static std::function<void(int)> h;
    return h;
}
} // namespace

void endProgram(int code) {
    if (hook())
        hook()(code);
    else
        std::exit(code);
}

void setProgramEndHook(std::function<void(int)> h) {
    hook() = std::move(h);
}

} // namespace platform
