#pragma once
//! Checked floating-point arithmetic: no infinity or not-a-number ever leaves these helpers.
//!
//! x/0 raises 11 (Division by zero), 0/0 and any overflow raise 6 (Overflow), and a logarithm,
//! root or fractional power outside its domain raises 5 (Invalid procedure call).
//!
//! A formula is written with `Num`, a double whose every operation is checked this way:
//! `Num(m) * 4.0 / k::pi / Ntrub / d / d / rho` stands for the chain of checked calls
//! div(div(div(div(div(mul(m, 4.0), pi), Ntrub), d), d), rho), evaluated left to right in the
//! same order and so to the same bits.

#include "Platform/RunTimeError.h"

#include <cfloat>
#include <cmath>
#include <concepts>
#include <type_traits>

namespace platform::chk {

//! Raises Overflow (6) unless r is finite; returns r.
inline double finite(double r) {
    if (!std::isfinite(r)) [[unlikely]]
        raise(err::Overflow);
    return r;
}

inline double add(double a, double b) {
    return finite(a + b);
}
inline double sub(double a, double b) {
    return finite(a - b);
}
inline double mul(double a, double b) {
    return finite(a * b);
}

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
inline double exp(double x) {
    return finite(std::exp(x));
}

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
        if (!std::isfinite(f)) raise(err::Overflow);
        return f;
    }
    return static_cast<float>(x);
}

// ---- The checked number ----------------------------------------------------------------------

//! A double whose arithmetic is checked: +, -, * and / with another `Num` or with any value
//! that converts to double (double, float, an integer, a single-precision or integer field)
//! give a `Num` through add, sub, mul and div above, and the functions below give a `Num`
//! of a `Num`. It reads as its double wherever a double is wanted (a comparison, a store, a
//! plain function), so a formula needs only its first operand made a `Num`. C++ groups
//! operators of one precedence from the left, so a chain is computed in the order it is
//! written; an operation with two plain doubles stays plain: start the chain with the `Num`.
class Num {
public:
    constexpr Num() noexcept = default;
    constexpr Num(double v) noexcept : m_v(v) {}

    constexpr operator double() const noexcept { return m_v; }
    constexpr double value() const noexcept { return m_v; }

    //! Negation changes the sign only: it cannot overflow.
    constexpr Num operator-() const noexcept { return Num(-m_v); }
    constexpr Num operator+() const noexcept { return *this; }

    Num& operator+=(Num b) { return *this = add(m_v, b.m_v); }
    Num& operator-=(Num b) { return *this = sub(m_v, b.m_v); }
    Num& operator*=(Num b) { return *this = mul(m_v, b.m_v); }
    Num& operator/=(Num b) { return *this = div(m_v, b.m_v); }

private:
    double m_v = 0.0;
};

//! A plain value that a `Num` takes as the other operand: anything that converts to double
//! and is not a `Num` itself.
template <class T>
concept Operand = !std::same_as<std::remove_cvref_t<T>, Num> && std::is_convertible_v<const T&, double>;

#define PLATFORM_CHK_OPERATOR(op, fn)                                                                        \
    inline Num operator op(Num a, Num b) {                                                                   \
        return fn(a.value(), b.value());                                                                     \
    }                                                                                                        \
    template <Operand T> Num operator op(Num a, const T& b) {                                                \
        return fn(a.value(), static_cast<double>(b));                                                        \
    }                                                                                                        \
    template <Operand T> Num operator op(const T& a, Num b) {                                                \
        return fn(static_cast<double>(a), b.value());                                                        \
    }
PLATFORM_CHK_OPERATOR(+, add)
PLATFORM_CHK_OPERATOR(-, sub)
PLATFORM_CHK_OPERATOR(*, mul)
PLATFORM_CHK_OPERATOR(/, div)
#undef PLATFORM_CHK_OPERATOR

//! The functions above of a `Num`, as a `Num`, so that a chain goes on checked after them.
inline Num sqrt(Num x) {
    return sqrt(x.value());
}
inline Num log(Num x) {
    return log(x.value());
}
inline Num exp(Num x) {
    return exp(x.value());
}
inline Num pow(Num a, double b) {
    return pow(a.value(), b);
}

} // namespace platform::chk
