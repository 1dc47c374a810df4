#include "KWELARdll/model/SmesOkna.h"

namespace kwelar {

namespace {

SmesOknaFactory& installedFactory() {
    static SmesOknaFactory factory;
    return factory;
}

} // namespace

SmesOkna::~SmesOkna() = default;

void setSmesOknaFactory(SmesOknaFactory factory) {
    installedFactory() = std::move(factory);
}

std::unique_ptr<SmesOkna> createSmesOkna(Smes& owner) {
    const SmesOknaFactory& factory = installedFactory();
    return factory ? factory(owner) : nullptr;
}

} // namespace kwelar
