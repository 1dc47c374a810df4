#pragma once
//! The substance table from which the database "KWELAR.DRC" is built: tab-separated UTF-8
//! text, one header row, then one row per substance with every field of its record.
//!
//! Columns, in this order: N, Nazev, Vzor, Syn, Group, CAS, B1..B17, and for each
//! correlation j = 1..11 Rj_A1..Rj_A6, Rj_Typ, Rj_Presn, Rj_Od, Rj_Do. Real numbers are
//! decimal texts that are rounded to single precision; integers are plain decimal.

#include "KWELARdll/model/ZaznamLatky.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kwelar::tools {

//! Highest substance number a table may hold: record 700 is kept free for the substance
//! that a user edits temporarily.
inline constexpr int16_t MaxTableSubstance = 699;
//! Highest accuracy class of a correlation (1 < 0.5 %, 2 < 2 %, 3 < 5 %; 0 = no data).
inline constexpr int16_t MaxAccuracyClass = 3;
//! Equation types of the correlations.
inline constexpr int16_t MinEquationType = 1;
inline constexpr int16_t MaxEquationType = 19;

//! A table that breaks a rule: the file, the row (the line of the file, the header being
//! row 1; 0 for the file as a whole), the column and what is wrong; what() holds all of
//! them in one message.
class TableError : public std::runtime_error {
public:
    TableError(const std::string& file, int32_t row, const std::string& column, const std::string& problem);

    int32_t row() const noexcept { return m_row; }
    //! The column's name from the header ("" when the fault is the row as a whole).
    const std::string& column() const noexcept { return m_column; }
    const std::string& problem() const noexcept { return m_problem; }

private:
    int32_t m_row;
    std::string m_column;
    std::string m_problem;
};

//! The column names of the header, in their order (133 columns).
const std::vector<std::string>& tableColumns();

//! One substance of the table: the row it stands in and its record.
struct TableSubstance {
    int32_t row = 0;
    ZaznamLatky record;
};

//! Reads the table text and checks every row; the substances in the order of their rows.
//! The first fault raises `TableError`; `fileName` names the table in its message.
//!
//! Checks: the header; the number of fields of every row; numbers that are whole numbers
//! in the range of their fields; real numbers finite in single precision; substance
//! numbers 1..699, each once; names present, not beginning with a blank and each once;
//! texts of at most 30, 20 and 30 characters from code page 1250 without control
//! characters; the group not negative; a CAS number 0 (unknown) or of at least five digits
//! with its check digit right; a molar mass above 0; each correlation either with data
//! (accuracy class 1..3, equation type 1..19, 1 <= Od < Do [K]) or without (class 0 with
//! type, coefficients and range all 0).
std::vector<TableSubstance> parseSubstanceTable(std::string_view text, const std::string& fileName);

//! Reads the table file at `path` and parses it; a file that cannot be read raises
//! `TableError` for row 0, and messages name the table by `path`.
std::vector<TableSubstance> readSubstanceTable(const std::string& path);

} // namespace kwelar::tools
