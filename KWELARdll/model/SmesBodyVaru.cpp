#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/Checked.h"

#include <algorithm>
#include <cmath>

namespace kwelar {

using platform::RunTimeError;
using platform::Variant;
using platform::VArray;
namespace chk = platform::chk;
using platform::chk::Num;

Variant Smes::TBV(const Variant& p, const VArray& r) {
    return keptProperty(KeptProperty::TBV, p, r, [&] {
        try {
            return boilingTemperature(p, r, false);
        } catch (const RunTimeError& e) {
            HlasChybu("TBV", pressureErrorSource("TBV", p), e);
            return Variant();
        }
    });
}

Variant Smes::TRB(const Variant& p, const VArray& r) {
    return keptProperty(KeptProperty::TRB, p, r, [&] {
        try {
            return boilingTemperature(p, r, true);
        } catch (const RunTimeError& e) {
            HlasChybu("TRB", pressureErrorSource("TRB", p), e);
            return Variant();
        }
    });
}

// Newton's method on T alone for f(T) = 0, with the vapour pressures P_i(T) of correlation 9:
//   bubble point  f = sum x_i P_i / p - 1,  f' = sum (x_i / p) dP_i
//   dew point     f = sum x_i p / P_i - 1,  f' = -sum (x_i p / P_i^2) dP_i
// dP_i = P_i(T + 1) - P_i(T), a forward difference over 1 K, with P_i(T) evaluated once.
// Each pass first lowers T when it has reached a critical temperature (to 0.95 of it), so a
// point above the limit is never reached and the iteration ends after 50 passes.
//   bubble point  T is lowered below the critical temperature of every component present, in
//                 slot order (each test sees T as already lowered);
//   dew point     T is lowered below the highest critical temperature of the components
//                 present only. Above that temperature nothing condenses; below it a lighter
//                 component may well be supercritical (a vapour carrying a little nitrogen):
//                 FFce then holds its vapour pressure at the value at 0.98 Tc, its term
//                 x_i p / P_i stays small and the heavier components set the dew point.
//                 Lowering T below the light component's Tc as well would keep the iteration
//                 away from the dew point for good (or stop it at the limit itself).
// A component of fraction 0 adds nothing to f and f' and so sets no limit either.
// A Newton value outside 0.5..1.5 times T is replaced by T multiplied by that bound.
Variant Smes::boilingTemperature(const Variant& p, const VArray& r, bool dew) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    const double P = p.toDouble();
    // The dew point's limit; with no component present there is none (f' stays 0 and the first
    // Newton step divides by zero).
    bool present = false;
    double highestTc = 0.0;
    if (dew)
        for (int16_t i = 1; i <= n; ++i) {
            if (x[i] == 0.0) continue;
            const double Tc = point(i, CriticalTemperaturePoint);
            highestTc = present ? std::max(highestTc, Tc) : Tc;
            present = true;
        }
    double T = BoilingStartTemperature;
    int k = 0;
    for (;;) {
        if (dew) {
            if (present && T >= highestTc) T = Num(BoilingCriticalCap) * highestTc;
        } else {
            for (int16_t i = 1; i <= n; ++i) {
                if (x[i] == 0.0) continue;
                const double Tc = point(i, CriticalTemperaturePoint);
                if (T >= Tc) T = Num(BoilingCriticalCap) * Tc;
            }
        }
        const Variant Tv(T);
        const Variant Tnext(Num(T) + BoilingDifferenceStep);
        double f = -1.0;
        double g = 0.0;
        for (int16_t i = 1; i <= n; ++i) {
            // Two evaluations per component, in this order: P_i(T), P_i(T + 1).
            const double Pi = FFce(Tv, i, VapourPressureCorrelation).toDouble();
            const double K = dew ? Num(x[i]) * P / Pi : Num(x[i]) * Pi / P;
            const double Pnext = FFce(Tnext, i, VapourPressureCorrelation).toDouble();
            const double dK = Num(K) / Pi * (Num(Pnext) - Pi);
            g = dew ? Num(g) - dK : Num(g) + dK;
            f = Num(f) + K;
        }
        const double Tn = T - Num(f) / g;
        ++k;
        // The pass limit is tested before the step: the 51st pass ends the iteration.
        if (k > BoilingPassLimit) {
            if (showsResultMessages() && counterFree())
                countedBox(dew ? "Výp.ros.bodu diverguje!" : "Výp.bodu varu diverguje!", 48, "KWELAR");
            return Variant(int16_t{0});
        }
        const double ratio = Num(Tn) / T;
        if (ratio < BoilingMinStepRatio) {
            T = Num(BoilingMinStepRatio) * T;
        } else if (ratio > BoilingMaxStepRatio) {
            T = Num(BoilingMaxStepRatio) * T;
        } else if (std::fabs(Tn - T) > BoilingTolerance) {
            T = Tn;
        } else {
            return Variant(Tn);
        }
    }
}

} // namespace kwelar
