#pragma once
//! The two windows of one unit converter, as the window part of the library provides them.
//! The converter knows them only through this interface; the window part installs the
//! factory that makes them, so the converter builds and runs without any window system.

#include "Tovicls/ToviclsExport.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tovi {

class Tovi;

//! The abbreviation list (`F_Prehled`) and the conversion window (`frmPrep`) of one `Tovi`,
//! made when a client first asks for either and released with the object. Each window is
//! created when it is first shown.
class TOVICLS_EXPORT ToviOkna {
public:
    virtual ~ToviOkna();
    //! Fills the abbreviation list with `abbreviations` in their order, selects the first and
    //! shows the list modally; returns when the list is hidden.
    virtual void showList(const std::vector<std::string>& abbreviations) = 0;
    //! Hides the abbreviation list.
    virtual void hideList() = 0;
    //! Shows the conversion window and returns at once.
    virtual void showConversion() = 0;
    //! Hides the conversion window; it keeps its texts for the next showing.
    virtual void hideConversion() = 0;
};

//! Makes the windows of a converter, which handles their events.
using ToviOknaFactory = std::function<std::unique_ptr<ToviOkna>(Tovi&)>;

//! Installs the factory used whenever a converter first needs its windows; an empty factory
//! (the default) leaves converters without windows.
TOVICLS_EXPORT void setToviOknaFactory(ToviOknaFactory factory);
//! The windows for a converter from the installed factory (none without a factory).
TOVICLS_EXPORT std::unique_ptr<ToviOkna> createToviOkna(Tovi& owner);

} // namespace tovi
