#pragma once
//! Decoding of a unit text such as "kcal/kg" or "W/m2/K" into its factor to SI base units and
//! its exponent vector.

#include "ToviC/DimensionCode.h"
#include "ToviC/UnitTable.h"

#include <cstdint>
#include <string_view>

namespace tovi {

//! Decodes `text` over the rows of `table`: abbreviations joined by "*" and "/", each operator
//! applying to the one abbreviation after it, a last digit 2 to 9 raising an abbreviation to
//! that power (cm3 = 1e-6 m3). Writes the factor to SI base units into `s` and the exponents
//! into `sk`, and returns the number of abbreviations read. An abbreviation not in the table,
//! or an empty one (a leading or doubled operator), shows "Neznamy rozmer!: " with it, sets
//! CH to 2 and counts with factor 1 and no dimension. While CH is not 0 every abbreviation
//! counts with factor 1. A trailing operator is ignored.
int16_t decodeUnitText(const UnitTable& table, std::string_view text, double& s, Exponents& sk, int16_t& CH);

} // namespace tovi
