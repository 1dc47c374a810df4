#pragma once
//! Helpers of the friction and pressure-drop tests: independent solutions of the Colebrook
//! equation.

#include <cmath>

namespace pressuredrop {

//! Solves 1/s = -factor ln(k/3.71 + 2.51/(Re s)) for s = sqrt(lambda) by bisection and
//! returns lambda; k is the relative roughness EPS/d. The left side minus the right side
//! falls with s, so the root is bracketed between s = 1e-3 and s = 2.
inline double colebrookBisection(double Re, double k, double factor) {
    auto g = [&](double s) { return 1.0 / s + factor * std::log(k / 3.71 + 2.51 / (Re * s)); };
    double lo = 1e-3, hi = 2.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (g(mid) > 0.0 ? lo : hi) = mid;
    }
    const double s = 0.5 * (lo + hi);
    return s * s;
}

//! The Colebrook equation 1/sqrt(lambda) = -2 log10(k/3.71 + 2.51/(Re sqrt(lambda)))
//! (C. F. Colebrook, J. Inst. Civ. Eng. 11 (1939) 133-156, in the Prandtl-Colebrook form
//! with 3.71), solved with the exact 2/ln 10.
inline double colebrookWhite(double Re, double k) {
    return colebrookBisection(Re, k, 2.0 / std::log(10.0));
}

//! The same equation with 2/ln 10 rounded to 0.8686, as the model writes it.
inline double colebrookRounded(double Re, double k) {
    return colebrookBisection(Re, k, 0.8686);
}

} // namespace pressuredrop
