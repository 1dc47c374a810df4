#pragma once
//! The results text as it leaves the program: the export text that every route writes, the
//! text route that appends it to a file, the rows and cells the workbook route lays it out
//! in, and the extension a chosen file name gets from its route. Nothing here needs a window
//! system, so the main window and the tests use the same steps.

#include "MorvWindow/MorvWindowExport.h"

#include <string>
#include <vector>

namespace platform {
class Progress;
}

namespace morv {

//! The export text of a results text: every run of TAB characters becomes one TAB, every
//! other character (the first one included) stays as it is. With k = round(n / 10), at
//! least 1, where n is the length in characters, the bar (when given) is set to
//! i / n x 100 - 5 at each character position i from 2 on that is a multiple of k.
MORVWINDOW_EXPORT std::string exportText(const std::string& results, platform::Progress* bar = nullptr);

//! The text route: appends the text and one CR LF to the file, creating it when missing. A
//! file that cannot be opened or written raises 75.
MORVWINDOW_EXPORT void appendExportText(const std::string& path, const std::string& text);

//! The rows of the workbook route: the text cut into lines at each CR LF (what follows the
//! last CR LF is left out); row j holds the fields of line j, cut at its TAB characters, the
//! last field at most 99 characters; a line of fewer than 3 characters gives an empty row.
//! The caption line of an analysis table, whose pressure-drop captions follow the last
//! unknown's caption after blanks, gets them in cells of their own, so that each caption
//! stands over its column.
MORVWINDOW_EXPORT std::vector<std::vector<std::string>> workbookRows(const std::string& text);

//! The lines of the document routes: the text cut at each CR LF; what follows the last
//! CR LF is a line of its own unless it is empty.
MORVWINDOW_EXPORT std::vector<std::string> documentLines(const std::string& text);

//! A file name chosen without an extension gets the extension of the chosen filter's pattern
//! ("*.res" gives ".res"); a name with an extension, or a pattern without a plain extension
//! ("*.*"), leaves the name as it is.
MORVWINDOW_EXPORT std::string withFilterExtension(const std::string& fileName, const std::string& pattern);

//! The number of characters of a UTF-8 text.
MORVWINDOW_EXPORT size_t characterCount(const std::string& text);

} // namespace morv
