#pragma once
//! The document routes of the results export: an OpenDocument text holding the export text,
//! either as its lines or as a four-column table.

#include "MorvWindow/MorvWindowExport.h"

#include <string>

namespace platform {
class Progress;
}

namespace morv {

//! Widths of the four table columns [cm].
inline constexpr double documentColumnWidths[4] = {8.4, 3.75, 3.0, 3.0};

//! Writes the export text as an OpenDocument text (replacing the file), one paragraph per
//! line, TAB characters kept; the bar goes 5, 30 and 60. A file that cannot be written
//! raises 75.
MORVWINDOW_EXPORT void writeDocument(const std::string& path, const std::string& text,
                                     platform::Progress& bar);

//! Writes the export text as an OpenDocument text whose one table, without borders, has a
//! row for each line and four columns of `documentColumnWidths`; a line's TAB-separated
//! fields fill its cells from the left, the fourth cell keeping the rest of the line. The
//! bar goes 5, 25, 40, 60 and 80 before the file is saved. A file that cannot be written raises 75.
MORVWINDOW_EXPORT void writeDocumentTable(const std::string& path, const std::string& text,
                                          platform::Progress& bar);

} // namespace morv
