#pragma once
//! Checked floating-point arithmetic: no infinity or not-a-number ever leaves these helpers.
//!
//! x/0 raises 11 (Division by zero), 0/0 and any overflow raise 6 (Overflow), and a logarithm,
//! root or fractional power outside its domain raises 5 (Invalid procedure call).

#include "Platform/RunTimeError.h"

#include <cfloat>
#include <cmath>

namespace platform::chk {

//! Raises Overflow (6) unless r is finite; returns r.
inline double finite(double r) {
    if (!std::isfinite(r)) [[unlikely]]
        raise(err::Overflow);
    return r;
}

inline double add(double a, double b) { return finite(a + b); }
inline double sub(double a, double b) { return finite(a - b); }
inline double mul(double a, double b) { return finite(a * b); }

//! a / b: b = 0 raises 11, or 6 when a is 0 too.
inline double div(double a, double b) {
    if (b == 0.0) [[unlikely]]
        raise(a == 0.0 ? err::Overflow : err::DivisionByZero);
    return finite(a / b);
}

//! Square root; a negative argument raises 5.
inline double sqrt(double x) {
    if (x < 0.0) [[unlikely]]
        raise(err::InvalidCall);
    return std::sqrt(x);
}

//! Natural logarithm; an argument of 0 or less raises 5.
inline double log(double x) {
    if (!(x > 0.0)) [[unlikely]]
        raise(err::InvalidCall);
    return std::log(x);
}

//! e^x; overflow raises 6.
inline double exp(double x) { return finite(std::exp(x)); }

//! a^b: a negative base with a fractional exponent, or 0 to a negative power, raises 5;
//! overflow raises 6.
inline double pow(double a, double b) {
    if (a < 0.0 && b != std::floor(b)) [[unlikely]]
        raise(err::InvalidCall);
    if (a == 0.0 && b < 0.0) [[unlikely]]
        raise(err::InvalidCall);
    return finite(std::pow(a, b));
}

//! The value rounded to single precision; beyond the single range raises 6.
inline float single(double x) {
    if (!(std::fabs(x) <= static_cast<double>(FLT_MAX))) [[unlikely]] {
        // Values that round down into range still fit.
        const float f = static_cast<float>(x);
        if (!std::isfinite(f))
            raise(err::Overflow);
        return f;
    }
    return static_cast<float>(x);
}

} // namespace platform::chk
