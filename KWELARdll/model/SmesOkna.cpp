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
void SmesOkna::fillComposition(const std::vector<CompositionRow>&, const std::string&) {}
void SmesOkna::showComposition() {}
void SmesOkna::hideComposition() {}
std::vector<std::string> SmesOkna::compositionTexts() const {
    return {};
}
bool SmesOkna::molarInput() const {
    return false;
}
void SmesOkna::renameCompositionRow(int16_t, const std::string&) {}
void SmesOkna::selectCompositionBox(int16_t) {}
void SmesOkna::fillCard(const std::vector<std::pair<std::string, std::string>>&) {}
void SmesOkna::showCard() {}
void SmesOkna::hideCard() {}
void SmesOkna::prepareRename(const std::string&, int16_t) {}
void SmesOkna::showRename() {}
void SmesOkna::hideRename() {}

void SmesOkna::showEditor(const EditorForm&) {}

std::optional<EditorTexts> SmesOkna::editorTexts() const {
    return std::nullopt;
}

void SmesOkna::hideEditor() {}
void SmesOkna::selectEditorBox(const std::string&) {}

void setSmesOknaFactory(SmesOknaFactory factory) {
    installedFactory() = std::move(factory);
}

std::unique_ptr<SmesOkna> createSmesOkna(Smes& owner) {
    const SmesOknaFactory& factory = installedFactory();
    return factory ? factory(owner) : nullptr;
}

} // namespace kwelar
