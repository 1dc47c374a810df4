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

#include <functional>
#include <memory>
#include <string>
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
    virtual void fillComponentChoice(const std::vector<std::string>& lines, const ComponentChoiceTexts& texts);
    //! Shows the choice modally; returns when a confirmation has hidden it or the user has
    //! closed it.
    virtual void showComponentChoice();
    virtual void hideComponentChoice();
};

//! Makes the windows of a new object, which handles their events.
using SmesOknaFactory = std::function<std::unique_ptr<SmesOkna>(Smes&)>;

//! Installs the factory used by every `Smes` created afterwards; an empty factory (the
//! default) leaves new objects without windows.
KWELAR_EXPORT void setSmesOknaFactory(SmesOknaFactory factory);
//! The windows for a new object from the installed factory (none without a factory).
KWELAR_EXPORT std::unique_ptr<SmesOkna> createSmesOkna(Smes& owner);

} // namespace kwelar
