#pragma once
//! The data editor frmOprav of one `Smes`: created hidden with its owner, filled and shown by
//! `Smes::ZmenaDocas`, its button events connected to the owner's handlers, and the handlers
//! of its other events (tool tips of the type boxes, selection and Enter in the constant
//! boxes), which only touch the window.

#include "KWELARdll/model/SmesOkna.h"
#include "KwelarWindows/KwelarWindowsExport.h"

#include <QtGlobal>

#include <memory>
#include <optional>

namespace kwelar {

class Smes;
class frmOprav;

class KWELARWINDOWS_EXPORT DataEditorHost {
public:
    explicit DataEditorHost(Smes& owner);
    ~DataEditorHost();
    DataEditorHost(const DataEditorHost&) = delete;
    DataEditorHost& operator=(const DataEditorHost&) = delete;

    //! Writes every text, tool tip and the caption of the form, opens the first tab, enables
    //! "&Pokračovat se změnami" and shows the window modally.
    void showEditor(const EditorForm& form);
    //! Texts of all boxes by object name; nothing before the first filling.
    std::optional<EditorTexts> editorTexts() const;
    void hideEditor();
    //! Opens the tab of the box with this object name, gives the box the focus and selects
    //! its whole text.
    void selectEditorBox(const std::string& box);

    frmOprav& window() { return *mOprDoc; }

    //! The tool tip of the type box Text3(i) becomes the formula of its equation type.
    void mOprDoc_TipVztah(qint16 i);
    //! The constant box txtRozv(i) selects its whole text.
    void mOprDoc_SelOD(qint16 i);
    //! Enter in the constant box txtRozv(i): its first comma becomes a point, and the focus
    //! moves to the next constant box of the tab with its text selected, or from the last one
    //! to the type box of the tab's first correlation. Other keys do nothing.
    void mOprDoc_RetOD(qint16 i, qint16 KeyAscii);

private:
    Smes& m_owner;
    std::unique_ptr<frmOprav> mOprDoc;
    bool m_filled = false;
};

} // namespace kwelar
