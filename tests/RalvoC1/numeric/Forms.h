#pragma once
//! The two forms of the numerical routines (general values and double precision) behind one
//! face, so one test body runs on both twins.

#include "Platform/Array.h"
#include "Platform/Variant.h"
#include "RalvoC1/numeric/Ralvo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <optional>

namespace ralvotest {

using platform::DArray;
using platform::Variant;
using platform::VArray;

inline double toDouble(const Variant& v) {
    return v.toDouble();
}
inline double toDouble(double v) {
    return v;
}

//! Optional arguments of Newton and Newtond; a member left empty is left out of the call.
struct NewtonOptions {
    std::optional<double> Eps = std::nullopt;
    std::optional<Variant> ALAM = std::nullopt;
    std::optional<Variant> NITER = std::nullopt;
    std::optional<double> Delta = std::nullopt;
};

struct GeneralForm {
    using Array = VArray;
    static Variant number(double v) { return Variant(v); }
    //! A value no routine may take into its arithmetic (a text raises 13 there).
    static Variant sentinel() { return Variant("unused"); }
    static bool isSentinel(const Variant& v) { return v.identical(sentinel()); }
    static void gauss(ralvo::Ralvo& r, Variant n, Array& a, Variant ncol, Variant& ID) {
        r.Gauss(n, a, ncol, ID);
    }
    static Variant newton(ralvo::Ralvo& r, ralvo::Uloha& G, Variant n, Variant nu, Array& X, VArray& ipom,
                          Array& z, Variant& ID, const NewtonOptions& o = {}) {
        auto general = [](const std::optional<double>& v) {
            return v ? std::optional<Variant>(Variant(*v)) : std::nullopt;
        };
        return r.Newton(G, n, nu, Variant(), X, ipom, z, ID, general(o.Eps), o.ALAM, o.NITER,
                        general(o.Delta));
    }
    static void invert(ralvo::Ralvo& r, Variant n, const Array& ap, Array& Ainv, Variant& ID,
                       std::optional<double> EP = std::nullopt) {
        r.Invert(n, ap, Ainv, ID, EP ? std::optional<Variant>(Variant(*EP)) : std::nullopt);
    }
    static void linBairstow(ralvo::Ralvo& r, Variant npol, const Array& a, Array& xreal, Array& ximag,
                            double epslin) {
        r.LinBairstow(npol, a, xreal, ximag, Variant(epslin));
    }
    static double polyn(ralvo::Ralvo& r, Variant n, double X, const Array& a) {
        return r.Polyn(n, Variant(X), a).toDouble();
    }
    static double flagr(ralvo::Ralvo& r, Variant n, Array& X, Array& Y, double XI,
                        std::optional<Variant> M = std::nullopt) {
        return r.Flagr(n, X, Y, Variant(XI), M).toDouble();
    }
    static void spline(ralvo::Ralvo& r, Variant imin, Variant imax, const Array& X, const Array& Y,
                       double y1min, double y1max, Array& Y2) {
        r.Spline(imin, imax, X, Y, Variant(y1min), Variant(y1max), Y2);
    }
    static double splinp(ralvo::Ralvo& r, Variant imin, Variant imax, const Array& X, const Array& Y,
                         const Array& Y2, double XX) {
        return r.Splinp(imin, imax, X, Y, Y2, Variant(XX)).toDouble();
    }
    static double splder(ralvo::Ralvo& r, Variant imin, Variant imax, const Array& X, const Array& Y,
                         const Array& Y2, double XX) {
        return r.Splder(imin, imax, X, Y, Y2, Variant(XX)).toDouble();
    }
    static double splint(ralvo::Ralvo& r, Variant imin, Variant imax, const Array& X, const Array& Y,
                         const Array& Y2, double poc, double kon) {
        return r.Splint(imin, imax, X, Y, Y2, Variant(poc), Variant(kon)).toDouble();
    }
    static double sinterp(ralvo::Ralvo& r, Variant n, Variant npoc, const Array& X, const Array& Y, double XI,
                          double y1min, double y1max, Variant& Ipoc) {
        return r.Sinterp(n, npoc, X, Y, Variant(XI), Variant(y1min), Variant(y1max), Ipoc).toDouble();
    }
    //! The text of the one-point message of this form's Spline.
    static constexpr const char* onePointText = " SPLINE - zadan jen 1 bod!";
};

struct DoubleForm {
    using Array = DArray;
    static double number(double v) { return v; }
    //! A value no routine may take into its arithmetic (checked arithmetic raises 6 on it).
    static double sentinel() { return std::nan(""); }
    static bool isSentinel(double v) { return std::isnan(v); }
    static void gauss(ralvo::Ralvo& r, Variant n, Array& a, Variant ncol, Variant& ID) {
        r.Gaussd(n, a, ncol, ID);
    }
    static Variant newton(ralvo::Ralvo& r, ralvo::Uloha& G, Variant n, Variant nu, Array& X, VArray& ipom,
                          Array& z, Variant& ID, const NewtonOptions& o = {}) {
        return r.Newtond(G, n, nu, Variant(), X, ipom, z, ID, o.Eps, o.ALAM, o.NITER, o.Delta);
    }
    static void invert(ralvo::Ralvo& r, Variant n, const Array& ap, Array& Ainv, Variant& ID,
                       std::optional<double> EP = std::nullopt) {
        r.Invertd(n, ap, Ainv, ID, EP);
    }
    static void linBairstow(ralvo::Ralvo& r, Variant npol, const Array& a, Array& xreal, Array& ximag,
                            double epslin) {
        r.LinBairstowd(npol, a, xreal, ximag, epslin);
    }
    static double polyn(ralvo::Ralvo& r, Variant n, double X, const Array& a) { return r.Polynd(n, X, a); }
    static double flagr(ralvo::Ralvo& r, Variant n, Array& X, Array& Y, double XI,
                        std::optional<Variant> M = std::nullopt) {
        return r.Flagrd(n, X, Y, XI, M);
    }
    static void spline(ralvo::Ralvo& r, Variant imin, Variant imax, const Array& X, const Array& Y,
                       double y1min, double y1max, Array& Y2) {
        r.Splined(imin, imax, X, Y, y1min, y1max, Y2);
    }
    static double splinp(ralvo::Ralvo& r, Variant imin, Variant imax, const Array& X, const Array& Y,
                         const Array& Y2, double XX) {
        return r.Splinpd(imin, imax, X, Y, Y2, XX);
    }
    static double splder(ralvo::Ralvo& r, Variant imin, Variant imax, const Array& X, const Array& Y,
                         const Array& Y2, double XX) {
        return r.Splderd(imin, imax, X, Y, Y2, XX);
    }
    static double splint(ralvo::Ralvo& r, Variant imin, Variant imax, const Array& X, const Array& Y,
                         const Array& Y2, double poc, double kon) {
        return r.Splintd(imin, imax, X, Y, Y2, poc, kon);
    }
    static double sinterp(ralvo::Ralvo& r, Variant n, Variant npoc, const Array& X, const Array& Y, double XI,
                          double y1min, double y1max, Variant& Ipoc) {
        return r.Sinterpd(n, npoc, X, Y, XI, y1min, y1max, Ipoc);
    }
    static constexpr const char* onePointText = " SPLINED - zadan jen 1 bod!";
};

using Forms = ::testing::Types<GeneralForm, DoubleForm>;

//! A vector 0..values.size() with the values from index 1 and `first` in element 0.
template <class Form>
typename Form::Array vectorOf(std::initializer_list<double> values, double first = 0.0) {
    typename Form::Array v(0, static_cast<int32_t>(values.size()));
    v(0) = Form::number(first);
    int32_t i = 1;
    for (double x : values)
        v(i++) = Form::number(x);
    return v;
}

//! A matrix (0..rows, 0..cols) with the values row by row from (1, 1) and the sentinel in
//! row 0 and column 0.
template <class Form>
typename Form::Array matrixOf(int32_t rows, int32_t cols, std::initializer_list<double> values) {
    typename Form::Array a(0, rows, 0, cols);
    for (int32_t i = 0; i <= rows; ++i)
        a(i, 0) = Form::sentinel();
    for (int32_t j = 0; j <= cols; ++j)
        a(0, j) = Form::sentinel();
    auto it = values.begin();
    for (int32_t i = 1; i <= rows; ++i)
        for (int32_t j = 1; j <= cols && it != values.end(); ++j)
            a(i, j) = Form::number(*it++);
    return a;
}

//! An index array 0..positions.size() of 16-bit integers.
inline VArray indexOf(std::initializer_list<int16_t> positions) {
    VArray v(0, static_cast<int32_t>(positions.size()));
    int32_t i = 1;
    for (int16_t p : positions)
        v(i++) = Variant(p);
    return v;
}

} // namespace ralvotest
