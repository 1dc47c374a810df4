#pragma once
//! Numbers formatted by patterns such as "#0.00", "0.0000E+00", "###".
//!
//! "0" is a digit always shown, "#" a digit shown only when significant, "." the regional
//! decimal separator, "E+00" a signed exponent of at least two digits and "E-00" an exponent
//! with its sign only when negative. Rounding is half away from zero on the number's
//! 15-digit decimal form. Characters before the first and after the last placeholder are
//! copied as they stand. A value that is not finite raises 6.

#include "Platform/PlatformExport.h"

#include <string>
#include <string_view>

namespace platform {

PLATFORM_EXPORT std::string format(double x, std::string_view pattern);

} // namespace platform
