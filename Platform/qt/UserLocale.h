#pragma once
//! What a program of ours takes from the user's language and regional settings once its
//! application object exists.
//!
//! The application object sets the C library's locale in every category from the user's
//! environment. The numbers the C library then writes and reads (printf and strtod, inside
//! the libraries that write the workbook too) would follow the user's decimal comma, and a
//! file would differ with the desktop it was written on. So the numeric category goes back to
//! the "C" form for the whole program, and the decimal separator the windows show keeps coming
//! from the user's settings through `Regional`, which reads them from the environment itself.
//! The toolkit's own texts (the buttons of message and input boxes, the captions of the open
//! and save dialogs) are shown in the user's language where a translation is installed.

#include "PlatformQt/PlatformQtExport.h"

#include <QLocale>

namespace platform {

//! Settles the program's locale after the application object was made: numbers of the C
//! library in the "C" form, the toolkit's texts in the language of the user's locale.
PLATFORMQT_EXPORT void settleUserLocale();

//! Installs the toolkit's translation for `locale`, replacing the one installed before; the
//! toolkit's English texts when none is installed for that language. Returns whether a
//! translation was found.
PLATFORMQT_EXPORT bool installToolkitTranslation(const QLocale& locale);

} // namespace platform
