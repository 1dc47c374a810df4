#include "ToviC/ToviOkna.h"

namespace tovi {

namespace {

ToviOknaFactory& installedFactory() {
    static ToviOknaFactory factory;
    return factory;
}

} // namespace

ToviOkna::~ToviOkna() = default;

void setToviOknaFactory(ToviOknaFactory factory) {
    installedFactory() = std::move(factory);
}

std::unique_ptr<ToviOkna> createToviOkna(Tovi& owner) {
    const ToviOknaFactory& factory = installedFactory();
    return factory ? factory(owner) : nullptr;
}

} // namespace tovi
