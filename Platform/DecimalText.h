#pragma once
//! Numbers and their decimal texts in the one fixed form that files and the program's own
//! texts use ("." as separator, "e" before the exponent), whatever locale the process runs in.
//!
//! A window toolkit sets the C library's locale from the user's environment when it starts,
//! and from then on strtod and printf read and write the user's decimal comma. Every
//! conversion between numbers and texts goes through these two instead; the user's decimal
//! separator enters only through Regional, where a text asks for it.

#include "Platform/PlatformExport.h"

#include <string>
#include <string_view>

namespace platform {

//! The value of the decimal number the text begins with: [sign] digits [. digits]
//! [e|E [sign] digits], read as strtod reads it in the C locale: a magnitude beyond the double
//! range gives an infinity of its sign, one below the smallest double a zero of its sign.
//! Reading stops where the number stops; a text that does not begin with one gives 0.
PLATFORM_EXPORT double decimalValue(std::string_view text);

//! x in scientific notation with `fractionDigits` digits after the point, as printf's "%.*e"
//! writes it in the C locale ("1.2345e+03", "-5.0e-300").
PLATFORM_EXPORT std::string scientificText(double x, int fractionDigits);

} // namespace platform
