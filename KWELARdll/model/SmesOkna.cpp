#include "KWELARdll/model/SmesOkna.h"

namespace kwelar {

namespace {

SmesOknaFactory& installedFactory() {
    static SmesOknaFactory factory;
    return factory;
}

} // namespace

SmesOkna::~SmesOkna() = default;

void SmesOkna::fillSubstanceList(const std::vector<std::string>&, const std::string&, const std::string&) {}
void SmesOkna::showSubstanceList() {}
void SmesOkna::hideSubstanceList() {}
void SmesOkna::fillComponentChoice(const std::vector<std::string>&, const ComponentChoiceTexts&) {}
void SmesOkna::showComponentChoice() {}
void SmesOkna::hideComponentChoice() {}

void setSmesOknaFactory(SmesOknaFactory factory) {
    installedFactory() = std::move(factory);
}

std::unique_ptr<SmesOkna> createSmesOkna(Smes& owner) {
    const SmesOknaFactory& factory = installedFactory();
    return factory ? factory(owner) : nullptr;
}

} // namespace kwelar
