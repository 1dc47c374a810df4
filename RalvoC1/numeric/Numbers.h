#pragma once
//! The two number kinds every numerical routine is written for, so that each algorithm is
//! written once as a template and instantiated for both.
//!
//! A kind gives the number type `Num`, the array type `Array` of the caller's vectors and
//! matrices, and the four arithmetic operations with their run-time errors: x/0 raises 11,
//! 0/0 and any overflow raise 6, so no infinity or not-a-number value reaches a comparison.
//! Constants are written `Num(int16_t{1})` for the algorithms' integer constants and
//! `Num(0.5)` for their decimal constants: a general value keeps the kind of the constant.

#include "Platform/Array.h"
#include "Platform/Checked.h"
#include "Platform/Variant.h"

#include <cmath>
#include <cstdint>

namespace ralvo::detail {

//! General values in general-value arithmetic (the operators of platform::Variant).
struct GeneralValues {
    using Num = platform::Variant;
    using Array = platform::VArray;

    static Num add(const Num& a, const Num& b) { return a + b; }
    static Num sub(const Num& a, const Num& b) { return a - b; }
    static Num mul(const Num& a, const Num& b) { return a * b; }
    static Num div(const Num& a, const Num& b) { return a / b; }
    // Two operations stored into target, each as the operation above gives it: three doubles
    // are worked in place, any other kinds by the general operators.
    //! target = a - f * b.
    static void subMul(Num& target, const Num& a, const Num& f, const Num& b) {
        if (allDouble(a, f, b)) [[likely]]
            target = platform::chk::finite(a.toDouble() - platform::chk::finite(f.toDouble() * b.toDouble()));
        else
            target = sub(a, mul(f, b));
    }
    //! target = a + f * b.
    static void addMul(Num& target, const Num& a, const Num& f, const Num& b) {
        if (allDouble(a, f, b)) [[likely]]
            target = platform::chk::finite(a.toDouble() + platform::chk::finite(f.toDouble() * b.toDouble()));
        else
            target = add(a, mul(f, b));
    }
    //! target = (a - b) / h.
    static void subDiv(Num& target, const Num& a, const Num& b, const Num& h) {
        if (allDouble(a, b, h)) [[likely]]
            target = platform::chk::div(platform::chk::finite(a.toDouble() - b.toDouble()), h.toDouble());
        else
            target = div(sub(a, b), h);
    }
    //! target = a / b.
    static void divInto(Num& target, const Num& a, const Num& b) {
        if (allDouble(a, b, b)) [[likely]]
            target = platform::chk::div(a.toDouble(), b.toDouble());
        else
            target = div(a, b);
    }
    //! -a, in the kind of 0 - a.
    static Num neg(const Num& a) { return -a; }
    //! |a| in the kind of a.
    static Num abs(const Num& a) {
        if (a.type() == platform::VarType::Double) [[likely]]
            return Num(std::fabs(a.toDouble()));
        return platform::Abs(a);
    }
    //! The largest integer not above a.
    static Num intPart(const Num& a) { return platform::Int(a); }
    //! Square root of a >= 0, a double-precision number.
    static Num sqrt(const Num& a) { return platform::chk::sqrt(a.toDouble()); }
    //! e^a, a double-precision number.
    static Num exp(const Num& a) { return platform::chk::exp(a.toDouble()); }
    //! A general-value argument taken into this kind: kept as it is.
    static Num fromVariant(const platform::Variant& v) { return v; }
    //! a ^ b, a double-precision number.
    static Num pow(const Num& a, const Num& b) { return Num(platform::chk::pow(a.toDouble(), b.toDouble())); }
    //! The sign of a as a 16-bit integer: -1, 0 or 1.
    static Num sgn(const Num& a) { return Num(static_cast<int16_t>((a > Num()) - (a < Num()))); }

private:
    static bool allDouble(const Num& a, const Num& b, const Num& c) noexcept {
        using platform::VarType;
        return a.type() == VarType::Double && b.type() == VarType::Double && c.type() == VarType::Double;
    }
};

//! Double-precision numbers in checked arithmetic.
struct DoubleValues {
    using Num = double;
    using Array = platform::DArray;

    static double add(double a, double b) { return platform::chk::add(a, b); }
    static double sub(double a, double b) { return platform::chk::sub(a, b); }
    static double mul(double a, double b) { return platform::chk::mul(a, b); }
    static double div(double a, double b) { return platform::chk::div(a, b); }
    static void subMul(double& target, double a, double f, double b) { target = sub(a, mul(f, b)); }
    static void addMul(double& target, double a, double f, double b) { target = add(a, mul(f, b)); }
    static void subDiv(double& target, double a, double b, double h) { target = div(sub(a, b), h); }
    static void divInto(double& target, double a, double b) { target = div(a, b); }
    static double neg(double a) { return -a; }
    static double abs(double a) { return std::fabs(a); }
    static double intPart(double a) { return std::floor(a); }
    static double sqrt(double a) { return platform::chk::sqrt(a); }
    static double exp(double a) { return platform::chk::exp(a); }
    //! A general-value argument taken into this kind: its double value.
    static double fromVariant(const platform::Variant& v) { return v.toDouble(); }
    static double pow(double a, double b) { return platform::chk::pow(a, b); }
    //! The sign of a: -1, 0 or 1.
    static double sgn(double a) { return (a > 0.0) - (a < 0.0); }
};

//! The bound of a loop whose counter is a 16-bit integer: the counter would pass 32767 after
//! a last pass at a bound above 32766, which raises Overflow (6).
inline int32_t loopBound16(int32_t bound) {
    if (bound > INT16_MAX - 1) [[unlikely]]
        platform::raise(platform::err::Overflow);
    return bound;
}

} // namespace ralvo::detail
