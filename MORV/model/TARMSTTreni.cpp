//! Friction factor of flow in a circular tube.

#include "MORV/model/MorvConstants.h"
#include "MORV/model/TARMST.h"
#include "Platform/Checked.h"
#include "Platform/RunTimeError.h"

#include <cmath>

namespace morv {

namespace chk = platform::chk;
using platform::Variant;
using platform::chk::Num;

Variant TARMST::HLTR(const Variant& Re, const Variant& d, const Variant& EPS) const {
    const double re = Re.toDouble();
    if (re < k::laminarReynolds) return Variant(64.0 / Num(re));
    if (re < k::turbulentReynolds) {
        // Straight line from 0.0291 at 2200 (not 64/2200) to the Colebrook value at 4000.
        const double lambda4000 = HLTU1(Variant(k::turbulentReynolds), d, EPS).toDouble();
        const double slope =
            (Num(lambda4000) - k::transitionFriction) / (k::turbulentReynolds - k::laminarReynolds);
        return Variant(k::transitionFriction + (Num(re) - k::laminarReynolds) * slope);
    }
    return HLTU1(Re, d, EPS);
}

// Colebrook: 1/sqrt(lambda) = -2 log10(EPS/(3.71 d) + 2.51/(Re sqrt(lambda))), written for
// s = sqrt(lambda) as F(s) = 1/s + 0.8686 ln(EPS/3.71/d + 2.51/Re/s) = 0, with
// F'(s) = -(1/lambda) (1 + 2.18 / (Re EPS/3.71/d + 2.51/s)); 0.8686 is 2/ln 10 and 2.18 the
// product 0.8686 * 2.51, both rounded as the equation is usually quoted.
Variant TARMST::HLTU1(const Variant& Re, const Variant& d, const Variant& EPS) const {
    const double re = Re.toDouble();
    const double dd = d.toDouble();
    const double eps = EPS.toDouble();
    double lambda = k::colebrookStart;
    for (int pass = 1; pass <= k::colebrookPasses; ++pass) {
        const double s = chk::sqrt(lambda);
        const double roughness = Num(eps) / 3.71 / dd;
        const double f = 1.0 / Num(s) + 0.8686 * chk::log(roughness + 2.51 / Num(re) / s);
        const double denominator = Num(re) * eps / 3.71 / dd + 2.51 / Num(s);
        const double fPrime = -(1.0 / Num(lambda)) * (1.0 + 2.18 / Num(denominator));
        double s1 = s - Num(f) / fPrime;
        if (s1 <= 0.0) {
            // Overshot through zero: start again from a tiny friction factor, untested.
            s1 = k::colebrookRestart;
            lambda = Num(s1) * s1;
            continue;
        }
        lambda = Num(s1) * s1;
        if (!(std::fabs((Num(s1) - s) / s1) > k::colebrookTolerance)) return Variant(lambda);
    }
    platform::raise(platform::err::Overflow, "HLTU1");
}

} // namespace morv
