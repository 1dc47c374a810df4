#pragma once
//! The Qt windows of one mixture object and the factory that gives them to every new
//! `Smes`. Each window's events are connected to the owner's handlers (`mZadSmes_SZavrit`
//! ...); a run-time error inside a handler is reported in a box and does not leave the
//! window's event.

#include "KWELARdll/model/SmesOkna.h"
#include "KWELARdll/windows/DataEditorHost.h"
#include "KwelarWindows/KwelarWindowsExport.h"

#include <memory>

namespace kwelar {

class F_Sezn;
class F_Seznam;
class F_Sloz;
class F_Zmenaz;
class frmLatka;

class KWELARWINDOWS_EXPORT SmesOknaQt : public SmesOkna {
public:
    explicit SmesOknaQt(Smes& owner);
    ~SmesOknaQt() override;

    void recreateComponentChoice() override;

    void fillSubstanceList(const std::vector<std::string>& lines, const std::string& nadpis1,
                           const std::string& nadpis2) override;
    void showSubstanceList() override;
    void hideSubstanceList() override;

    void fillComponentChoice(const std::vector<std::string>& lines,
                             const ComponentChoiceTexts& texts) override;
    void showComponentChoice() override;
    void hideComponentChoice() override;

    void fillComposition(const std::vector<CompositionRow>& rows, const std::string& caption) override;
    void showComposition() override;
    void hideComposition() override;
    std::vector<std::string> compositionTexts() const override;
    bool molarInput() const override;
    void renameCompositionRow(int16_t i, const std::string& text) override;
    void selectCompositionBox(int16_t i) override;

    void fillCard(const std::vector<std::pair<std::string, std::string>>& values) override;
    void showCard() override;
    void hideCard() override;

    void prepareRename(const std::string& current, int16_t i) override;
    void showRename() override;
    void hideRename() override;

    void showEditor(const EditorForm& form) override { m_editor.showEditor(form); }
    std::optional<EditorTexts> editorTexts() const override { return m_editor.editorTexts(); }
    void hideEditor() override { m_editor.hideEditor(); }
    void selectEditorBox(const std::string& box) override { m_editor.selectEditorBox(box); }
    DataEditorHost& editor() { return m_editor; }

private:
    void createComponentChoice();

    Smes& m_owner;
    std::unique_ptr<F_Sezn> m_mSeznam;
    std::unique_ptr<F_Seznam> m_mZadSmes;
    std::unique_ptr<F_Sloz> m_mSloz;
    std::unique_ptr<frmLatka> m_mLatka;
    std::unique_ptr<F_Zmenaz> m_mZmena;
    DataEditorHost m_editor{m_owner};
};

//! Installs the factory of the Qt windows: every `Smes` created afterwards gets them.
KWELARWINDOWS_EXPORT void installSmesWindows();

} // namespace kwelar
