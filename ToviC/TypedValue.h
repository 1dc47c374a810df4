#pragma once
//! Reading a typed value with units: a number alone, a number and a source unit (into SI base
//! units), a target unit and a number (from SI base units), or a target unit, a number and a
//! source unit (from the source into the target unit). A lone C, F or R is a temperature in
//! degrees Celsius, Fahrenheit or Rankine, converted with its offset.

#include "ToviC/DimensionCode.h"
#include "ToviC/UnitTable.h"

#include "Platform/Variant.h"

#include <cstdint>
#include <string>

namespace tovi {

//! The units of the last evaluated statement, kept for the SI text of the source unit.
struct LastConversion {
    std::string target;      //!< target unit text as typed
    std::string source;      //!< source unit text as typed
    double targetFactor = 1; //!< factor of the target unit to SI base units
    double sourceFactor = 1; //!< factor of the source unit to SI base units
    Exponents targetExponents{};
    Exponents sourceExponents{};
};

//! Reads `text` as at most two statements ended by ";" or ":" and returns the value of the
//! first as a double, or empty when the text holds none. CH receives the code of the last
//! problem found (each also shown in a message box); `rozmer`, when given, the target unit
//! text of the last evaluated statement. Statements after the second are not read.
platform::Variant readTypedValue(const UnitTable& table, std::string text, int16_t& CH, std::string* rozmer,
                                 LastConversion& last);

} // namespace tovi
