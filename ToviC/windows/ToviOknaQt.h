#pragma once
//! The windows of the unit converter in Qt: installing them gives every converter its
//! abbreviation list and conversion window when a client first asks for one.

#include "ToviWindows/ToviWindowsExport.h"

namespace tovi {

//! Installs the factory of the Qt windows for every converter (call once a QApplication
//! exists).
TOVIWINDOWS_EXPORT void installToviOkna();

} // namespace tovi
