#pragma once
//! The windows that one mixture object owns, as the window part of the library provides
//! them. The model knows them only through this interface; the window part installs the
//! factory that makes them, so the model builds and runs without any window system.
//!
//! A window does no work of its own beyond focus movement and key filtering: it reports to
//! its owner through the owner's handlers (`Smes::mZadSmes_SZavrit` ...), and the owner fills
//! it and shows or hides it through the members below. A show is modal: it returns once the
//! window is hidden again.

#include "KWELAR/KWELARExport.h"
#include "KWELARdll/model/SubstanceEditor.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

    // The members below do nothing unless the window part gives them a body.

    // ---- Substance list `F_Sezn` -------------------------------------------------------
    //! Replaces the lines of the list and its headings `Nadpis_1`, `Nadpis_2`; the first
    //! line is selected when there is one.
    virtual void fillSubstanceList(const std::vector<std::string>& lines, const std::string& nadpis1,
                                   const std::string& nadpis2);
    //! Shows the list modally; returns when it is hidden.
    virtual void showSubstanceList();
    virtual void hideSubstanceList();

    // ---- Choice of components `F_Seznam` -----------------------------------------------
    //! What `ZadejSmes` writes into the choice window.
    struct ComponentChoiceTexts {
        std::string caption;  //!< window caption with the library's version
        std::string nadpis1;  //!< list heading
        std::string nadpis2;  //!< substance count
        std::string datafile; //!< path of the database (`lblDatafile`)
    };
    //! Replaces the lines of `L_Seznam` and the texts; the first line is selected when there
    //! is one. The number boxes keep their contents.
    virtual void fillComponentChoice(const std::vector<std::string>& lines,
                                     const ComponentChoiceTexts& texts);
    //! Shows the choice modally; returns when a confirmation has hidden it or the user has
    //! closed it.
    virtual void showComponentChoice();
    virtual void hideComponentChoice();

    // ---- Composition entry `F_Sloz` ----------------------------------------------------
    //! One row of the composition window.
    struct CompositionRow {
        std::string number; //!< substance number with its leading blank
        std::string name;   //!< the 30 stored characters of the name
        std::string value;  //!< prefilled text of the entry box
    };
    //! Empties the 20 rows, fills rows 1..rows.size(), enables their boxes and sets the
    //! caption; the window's row count becomes rows.size().
    virtual void fillComposition(const std::vector<CompositionRow>& rows, const std::string& caption);
    //! Shows the composition modally; returns when a button has hidden it.
    virtual void showComposition();
    virtual void hideComposition();
    //! Texts of the entry boxes of the rows in use.
    virtual std::vector<std::string> compositionTexts() const;
    //! True when the values are mole fractions, false for mass fractions.
    virtual bool molarInput() const;
    //! Writes the name label of row i (1..20) as given.
    virtual void renameCompositionRow(int16_t i, const std::string& text);
    //! Gives the entry box of row i (1..20) the focus with its whole text selected.
    virtual void selectCompositionBox(int16_t i);

    // ---- Substance card `frmLatka` -----------------------------------------------------
    //! Writes the value labels, each given by its object name.
    virtual void fillCard(const std::vector<std::pair<std::string, std::string>>& values);
    virtual void showCard();
    virtual void hideCard();

    // ---- Temporary rename `F_Zmenaz` ---------------------------------------------------
    //! Shows the current name, empties the new-name box and keeps the row number i.
    virtual void prepareRename(const std::string& current, int16_t i);
    virtual void showRename();
    virtual void hideRename();

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
    //! Shows the tab of the editor's box with this object name and gives the box the focus
    //! with its whole text selected.
    virtual void selectEditorBox(const std::string& box);
};

//! Makes the windows of a new object, which handles their events.
using SmesOknaFactory = std::function<std::unique_ptr<SmesOkna>(Smes&)>;

//! Installs the factory used by every `Smes` created afterwards; an empty factory (the
//! default) leaves new objects without windows.
KWELAR_EXPORT void setSmesOknaFactory(SmesOknaFactory factory);
//! The windows for a new object from the installed factory (none without a factory).
KWELAR_EXPORT std::unique_ptr<SmesOkna> createSmesOkna(Smes& owner);

} // namespace kwelar
