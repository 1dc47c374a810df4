#include "MORV/window/export/Workbook.h"

#include "MORV/window/export/ExportText.h"
#include "Platform/Conversions.h"
#include "Platform/Progress.h"
#include "Platform/RunTimeError.h"

#include <xlsxwriter.h>

#include <cmath>

namespace morv {

namespace {

void failed(lxw_error error) {
    platform::raise(platform::err::PathFileAccess, "MORV",
                    std::string(platform::standardDescription(platform::err::PathFileAccess)) + " (" +
                        lxw_strerror(error) + ")");
}

} // namespace

void writeWorkbook(const std::string& path, const std::string& text, platform::Progress& bar) {
    bar.setValue(5);
    lxw_workbook* book = workbook_new(path.c_str());
    if (!book) failed(LXW_ERROR_MEMORY_MALLOC_FAILED);
    bar.setValue(15);
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_format* centred = workbook_add_format(book);
    format_set_align(centred, LXW_ALIGN_CENTER);
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    bar.setValue(30);

    // The format a cell carries: A1 bold, B1:D200 centred, any other none.
    auto formatOf = [&](lxw_row_t row, lxw_col_t col) -> lxw_format* {
        if (row == 0 && col == 0) return bold;
        if (row < workbookCentredRows && col >= 1 && col <= 3) return centred;
        return nullptr;
    };
    // A cell left empty keeps its format, so blanks carry it first and values replace them.
    worksheet_write_blank(sheet, 0, 0, bold);
    for (lxw_row_t row = 0; row < workbookCentredRows; ++row)
        for (lxw_col_t col = 1; col <= 3; ++col)
            worksheet_write_blank(sheet, row, col, centred);

    const auto rows = workbookRows(text);
    for (size_t j = 0; j < rows.size(); ++j) {
        const size_t next = j + 2; // the row number after this one
        const auto row = static_cast<lxw_row_t>(j);
        for (size_t c = 0; c < rows[j].size(); ++c) {
            const std::string& field = rows[j][c];
            if (field.empty()) continue;
            const auto col = static_cast<lxw_col_t>(c);
            double number = 0.0;
            // A number is a field in the regional format of the windows, or a number text with
            // its "." whatever the region (as the report writes its dimensionless criteria).
            // A cell the sheet cannot hold (a text over its length limit) is left out and the
            // write goes on.
            if ((platform::tryRegionalNumber(field, number) || platform::tryPointNumber(field, number)) &&
                std::isfinite(number))
                worksheet_write_number(sheet, row, col, number, formatOf(row, col));
            else
                worksheet_write_string(sheet, row, col, field.c_str(), formatOf(row, col));
        }
        if (next == 50)
            bar.setValue(40);
        else if (next == 100)
            bar.setValue(60);
        else if (next == 120)
            bar.setValue(80);
    }
    bar.setValue(90);
    for (lxw_col_t col = 0; col < 4; ++col)
        worksheet_set_column(sheet, col, col, workbookColumnWidths[col], nullptr);
    const lxw_error saved = workbook_close(book);
    if (saved != LXW_NO_ERROR) failed(saved);
}

} // namespace morv
