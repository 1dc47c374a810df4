#pragma once
//! The text a window or the report shows for a number: about five significant digits, in
//! fixed-point form between 0.01 and 9999 and in exponent form outside, with the regional
//! decimal separator.

#include <string>

namespace tovi {

//! x formatted with the pattern of its magnitude band (each limit exclusive):
//! above 9999 "0.0000E+00", above 99.99 "#0.00", above 9.999 "#0.000", above 0.9999 "0.0000",
//! above 0.09999 "0.00000", above 0.009999 "0.000000", otherwise "0.0000E-00".
//! A value that is not finite raises 6.
std::string displayText(double x);

} // namespace tovi
