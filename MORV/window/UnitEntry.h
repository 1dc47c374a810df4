#pragma once
//! The text of an entry box as the unit converter is to read it. A box holds its value in a
//! unit of its own (°C, kW, MPa, kg/s, m): a unit typed after the number converts into that
//! unit, and a unit of another quantity is refused by the converter, which compares the two.

#include "MorvWindow/MorvWindowExport.h"

#include <string>

namespace morv {

//! The unit of main quantity i (0 to 7, the order of the main boxes and of the analysis) as
//! the converter's target: "kg/s " for the two flows, "C " for the four temperatures, "kW "
//! for the duty, "m2 " for the area.
MORVWINDOW_EXPORT const char* mainQuantityUnit(int i);

//! The unit of construction box i (0 to 22) as the converter's target: "m " for the lengths
//! and diameters, the fouling factors' and the wall conductivity's SI units, and "m/m " (no
//! dimension) for the counts, the ratios and the codes.
MORVWINDOW_EXPORT const char* constructionUnit(int i);

//! The unit of a length or diameter box [m], as the converter's target.
inline constexpr const char* lengthUnit = "m ";
//! The unit of a pressure box [MPa], as the converter's target.
inline constexpr const char* pressureUnit = "MPa ";
//! The target of a box without a unit (a count, a fraction): a unit of no dimension, so that
//! the converter refuses any typed unit that has one.
inline constexpr const char* noUnit = "m/m ";

//! `typed` as the converter is to read it: its minus signs U+2212 as "-" (`platform::plainMinus`), and when a
//! unit follows the number, `unit` (a target unit and a blank, as "C ") in front of the text. A unit follows
//! the number when the text's last character, blanks (also no-break spaces and tabs) and
//! parentheses around it left aside, sorts after "9": "85 F", " 85 F ", "85 (F)" alike.
//! Without `unit` (null) nothing goes in front.
MORVWINDOW_EXPORT std::string withBoxUnit(const std::string& typed, const char* unit);

//! The zero of the unit typed in `typed`, as `withBoxUnit` forms it for the same box: "0"
//! followed by what follows the number, with `unit` in front; "" when no unit follows the
//! number. A difference typed with a unit (a temperature step of "1.8 F") is its value less
//! this zero's value: 1 K, where the temperature itself would be -16.8 °C.
MORVWINDOW_EXPORT std::string zeroOfTypedUnit(const std::string& typed, const char* unit);

} // namespace morv
