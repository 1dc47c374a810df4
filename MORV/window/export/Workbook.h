#pragma once
//! The workbook route of the results export: an .xlsx workbook with one sheet holding the
//! export text, one line per row and one TAB-separated field per cell from column A.

#include "MorvWindow/MorvWindowExport.h"

#include <string>

namespace platform {
class Progress;
}

namespace morv {

//! Column widths of the sheet's columns A to D [characters of the default font].
inline constexpr double workbookColumnWidths[4] = {38.0, 18.0, 14.0, 12.0};
//! Last row of the centred block B1:D200.
inline constexpr int workbookCentredRows = 200;

//! Writes the export text as a workbook file (replacing it): the rows of `workbookRows`, a
//! field that reads as a number in the regional format as that number, any other as text;
//! columns A to D 38, 18, 14 and 12 wide, B1:D200 centred, A1 bold. The bar goes 5, 15, 30,
//! 40, 60 and 80 as rows 50, 100 and 120 come, and 90 before the file is saved. A file that
//! cannot be written raises 75; the file may then be left incomplete.
MORVWINDOW_EXPORT void writeWorkbook(const std::string& path, const std::string& text,
                                     platform::Progress& bar);

} // namespace morv
