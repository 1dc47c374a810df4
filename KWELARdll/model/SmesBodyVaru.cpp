#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/Checked.h"

#include <cmath>

namespace kwelar {

using platform::RunTimeError;
using platform::Variant;
using platform::VArray;
namespace chk = platform::chk;
using platform::chk::Num;

Variant Smes::TBV(const Variant& p, const VArray& r) {
    try {
        return boilingTemperature(p, r, false);
    } catch (const RunTimeError& e) {
        HlasChybu("TBV", pressureErrorSource("TBV", p), e);
        return Variant();
    }
}

Variant Smes::TRB(const Variant& p, const VArray& r) {
    try {
        return boilingTemperature(p, r, true);
    } catch (const RunTimeError& e) {
        HlasChybu("TRB", pressureErrorSource("TRB", p), e);
        return Variant();
    }
}

// Newton's method on T alone for f(T) = 0, with the vapour pressures P_i(T) of correlation 9:
//   bubble point  f = sum x_i P_i / p - 1,  f' = sum (x_i / p) dP_i
//   dew point     f = sum x_i p / P_i - 1,  f' = -sum (x_i p / P_i^2) dP_i
// dP_i = P_i(T + 1) - P_i(T), a forward difference over 1 K, with P_i(T) evaluated once. Each pass first lowers T below
// the critical temperature of every component (to 0.95 Tc of each one it reaches), so a
// point above a component's Tc is never reached and the iteration ends after 50 passes.
// A Newton value outside 0.5..1.5 times T is replaced by T multiplied by that bound.
Variant Smes::boilingTemperature(const Variant& p, const VArray& r, bool dew) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    const double P = p.toDouble();
    double T = BoilingStartTemperature;
    int k = 0;
    for (;;) {
        for (int16_t i = 1; i <= n; ++i) {
            const double Tc = point(i, CriticalTemperaturePoint);
            if (T >= Tc) T = Num(BoilingCriticalCap) * Tc;
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
