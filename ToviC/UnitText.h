#pragma once
//! Decoding of a unit text such as "kcal/kg" or "W/m2/K" into its factor to SI base units and
//! its exponent vector.

#include "ToviC/DimensionCode.h"
#include "ToviC/UnitTable.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tovi {

//! Problem codes of a conversion.
namespace problem {
inline constexpr int16_t None = 0;
inline constexpr int16_t Inconsistent = 1; //!< target and source units of different dimension
inline constexpr int16_t UnknownUnit = 2;  //!< an abbreviation not in the unit table
inline constexpr int16_t NoBlank = 3;      //!< a number not followed by a blank
} // namespace problem

//! Decodes `text` over the rows of `table`: abbreviations joined by "*" and "/", each operator
//! applying to the one abbreviation after it, a last digit 2 to 9 raising an abbreviation to
//! that power (cm3 = 1e-6 m3). Writes the factor to SI base units into `s` and the exponents
//! into `sk`, and returns the number of abbreviations read. An abbreviation not in the table,
//! or an empty one (a leading or doubled operator), shows "Neznamy rozmer!: " with it, sets
//! CH to problem::UnknownUnit and counts with factor 1 and no dimension. While CH is not 0
//! every abbreviation counts with factor 1. A trailing operator is ignored.
int16_t decodeUnitText(const UnitTable& table, std::string_view text, double& s, Exponents& sk, int16_t& CH);

//! The end of the unit text at the start of `text`, whose first token ends at the no-break
//! space (U+00A0, U+202F) at `end`. An abbreviation of the user's unit file may hold a no-break
//! space ("kN" U+00A0 "m"), so the unit text runs on across no-break spaces as far as the table
//! knows it: of the texts that end at a later no-break space or at the next blank, ";", ":" or
//! the end of `text`, the longest whose every abbreviation is in the table is taken. Where the
//! table knows none, the unit text ends at `end`, and the no-break space parts tokens as a
//! blank does.
size_t unitTextEnd(const UnitTable& table, std::string_view text, size_t end);

} // namespace tovi
