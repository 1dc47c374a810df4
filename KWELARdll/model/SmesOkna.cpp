#include "KWELARdll/model/SmesOkna.h"

namespace kwelar {

namespace {

SmesOknaFactory& installedFactory() {
    static SmesOknaFactory factory;
    return factory;
}

} // namespace

SmesOkna::~SmesOkna() = default;

void SmesOkna::showEditor(const EditorForm&) {}

std::optional<EditorTexts> SmesOkna::editorTexts() const {
    return std::nullopt;
}

void SmesOkna::hideEditor() {}

void setSmesOknaFactory(SmesOknaFactory factory) {
    installedFactory() = std::move(factory);
}

std::unique_ptr<SmesOkna> createSmesOkna(Smes& owner) {
    const SmesOknaFactory& factory = installedFactory();
    return factory ? factory(owner) : nullptr;
}

} // namespace kwelar
