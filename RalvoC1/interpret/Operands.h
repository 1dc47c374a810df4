#pragma once
//! The operands of an expression that are not numbers: functions and names. Private to the
//! interpreter.

#include "Platform/Array.h"
#include "Platform/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ralvo::interp {

//! True when v counts as the failure value -9999 (|v + 9999| < 1e-5).
bool isFailure(double v);

//! A message of the interpreter: critical-stop icon and an OK button.
void message(const std::string& text, const std::string& title);

//! True when the message mode shows every message (0 or more).
inline bool showsAll(int16_t mode) {
    return mode >= 0;
}
//! True when the message mode shows the message of a missing table or element (-1 or more).
inline bool showsMissingData(int16_t mode) {
    return mode >= -1;
}

//! The value of the function named fce (any letter case) at x, or -9999 when x lies outside
//! its domain or no function has that name.
double Funkce(std::string_view fce, double x, int16_t mode);

//! The value of the name or vector element `name`, or -9999 when it cannot be read.
double Promenna(std::string_view name, const platform::VArray& Pr, int16_t mode, const platform::VArray& Y);

} // namespace ralvo::interp
