#pragma once
//! The windows that one mixture object owns, as the window part of the library provides
//! them. The model knows them only through this interface; the window part installs the
//! factory that makes them, so the model builds and runs without any window system.

#include "KWELAR/KWELARExport.h"
#include "KWELARdll/model/SubstanceEditor.h"

#include <functional>
#include <memory>
#include <optional>

namespace kwelar {

class Smes;

//! The six windows of one `Smes` (substance list, choice of components, composition entry,
//! substance card, temporary rename, temporary data edit), created hidden with the object
//! and released with it.
class KWELAR_EXPORT SmesOkna {
public:
    virtual ~SmesOkna();
    //! Releases the component-choice window and creates a new, empty one in its place.
    virtual void recreateComponentChoice() = 0;

    // ---- Temporary editing of a substance's data (window frmOprav) ----------------------
    // The data editor of `Smes::ZmenaDocas`. A window part without the editor keeps these
    // defaults: nothing is shown and no box is ever filled.

    //! Fills the editor with the form, opens it on its first tab with "&Pokračovat se
    //! změnami" enabled and shows it modally; returns when the window is hidden or closed.
    virtual void showEditor(const EditorForm& form);
    //! The texts of the editor's boxes by object name; nothing while the editor has never
    //! been filled.
    virtual std::optional<EditorTexts> editorTexts() const;
    //! Hides the editor, which ends its modal display.
    virtual void hideEditor();
};

//! Makes the windows of a new object, which handles their events.
using SmesOknaFactory = std::function<std::unique_ptr<SmesOkna>(Smes&)>;

//! Installs the factory used by every `Smes` created afterwards; an empty factory (the
//! default) leaves new objects without windows.
KWELAR_EXPORT void setSmesOknaFactory(SmesOknaFactory factory);
//! The windows for a new object from the installed factory (none without a factory).
KWELAR_EXPORT std::unique_ptr<SmesOkna> createSmesOkna(Smes& owner);

} // namespace kwelar
