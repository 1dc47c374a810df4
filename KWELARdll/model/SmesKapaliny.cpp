#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/Checked.h"

namespace kwelar {

using platform::RunTimeError;
using platform::Variant;
using platform::VArray;
namespace chk = platform::chk;
using platform::chk::Num;

// The correlations are called in the order the mixing rules read, component by component:
// a correlation that cannot be evaluated shows its counted box at its own place in that
// order. Each arithmetic step is its own statement, so the first failing one names the error.

namespace {

// Degree m (1..5) of a liquid heat-capacity block that is a polynomial a_1 + ... + a_(m+1) T^m,
// 0 for another equation type.
int polynomialDegree(const RozvojVztahu& blok) {
    return blok.TypVztahu >= 1 && blok.TypVztahu <= 5 ? blok.TypVztahu : 0;
}

// Coefficient a_k (1..6) of a block; one that is not finite (a damaged record) raises 6.
double coefficient(const RozvojVztahu& blok, int k) {
    const float A[] = {blok.A1, blok.A2, blok.A3, blok.A4, blok.A5, blok.A6};
    return platform::chk::finite(A[k - 1]);
}

} // namespace

// ---- Density ----------------------------------------------------------------------------

Variant Smes::ROLW(const Variant& T, const VArray& r) {
    return keptProperty(KeptProperty::ROLW, T, r, [&] {
        try {
            if (m_Nsloz == 1) return FFce(T, 1, LiquidDensityCorrelation);
            return Variant(mixedLiquidDensity(T, r));
        } catch (const RunTimeError& e) {
            HlasChybu("ROLW", errorSource("ROLW", T), e);
            return Variant();
        }
    });
}

// rho = M / V with V = sum x_i M_i / rho_i(Tr Tc_i): each component's density at the reduced
// temperature Tr = T / Tcm of the mixture, Tcm = sum phi_i Tc_i with the critical-volume
// fractions phi_i = x_i Vc_i / sum x_j Vc_j. An empty mixture has Tcm = 0 and fails on T / Tcm.
double Smes::mixedLiquidDensity(const Variant& T, const VArray& r) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    const double Tcm = pseudoCriticalTemperature(x, n);
    const double Tr = Num(T.toDouble()) / Tcm;
    double V = 0.0;
    for (int16_t i = 1; i <= n; ++i) {
        if (!(x[i] > MinMixingFraction)) continue;
        const double Ti = Num(Tr) * point(i, CriticalTemperaturePoint);
        const double rho = FFce(Variant(Ti), i, LiquidDensityCorrelation).toDouble();
        const double xM = Num(x[i]) * point(i, MolarMassPoint);
        V = V + Num(xM) / rho;
    }
    const double M = VSM(r).toDouble();
    return Num(M) / V;
}

// Tcm = sum phi_i Tc_i with the critical-volume fractions phi_i = x_i Vc_i / sum x_j Vc_j.
double Smes::pseudoCriticalTemperature(const Fractions& x, int16_t n) {
    double sumV = 0.0;
    for (int16_t i = 1; i <= n; ++i)
        sumV = sumV + Num(x[i]) * point(i, CriticalVolumePoint);
    double Tcm = 0.0;
    for (int16_t i = 1; i <= n; ++i) {
        const double phi = Num(x[i]) * point(i, CriticalVolumePoint) / sumV;
        Tcm = Tcm + Num(phi) * point(i, CriticalTemperaturePoint);
    }
    return Tcm;
}

// The temperature at which the viscosity and surface-tension rules take component i's own
// liquid correlations: T itself for a component below its critical temperature. A component
// at or above it (a permanent gas dissolved in the condensate) has no liquid state at T: its
// density correlation is undefined there, and its viscosity and surface tension would come
// from just below its critical point, where they vanish. It is taken in the corresponding
// state instead, at the mixture's reduced temperature Tc_i T / Tcm, where the mixture's
// density takes every component; the products eta_i V_i and sigma_i^(1/4) / rho_i that the
// rules mix are then formed from one liquid state of the component.
Variant Smes::componentLiquidTemperature(const Variant& T, int16_t i, const Fractions& x, int16_t n,
                                         std::optional<double>& Tcm) {
    const double t = T.toDouble();
    if (point(i, CriticalTemperaturePoint) > t) return T;
    if (!Tcm) Tcm = pseudoCriticalTemperature(x, n);
    const double Tr = Num(t) / *Tcm;
    return Variant(Num(Tr) * point(i, CriticalTemperaturePoint));
}

// ---- Viscosity --------------------------------------------------------------------------

Variant Smes::ETAL(const Variant& T, const VArray& r) {
    return keptProperty(KeptProperty::ETAL, T, r, [&] {
        try {
            if (m_Nsloz == 1) return FFce(T, 1, LiquidViscosityCorrelation);
            return Variant(mixedLiquidViscosity(T, r));
        } catch (const RunTimeError& e) {
            HlasChybu("ETAL", errorSource("ETAL", T), e);
            return Variant();
        }
    });
}

// eta = exp(sum x_i ln(eta_i M_i / rho_i)) / (M / rho): logarithmic mixing of eta_i V_i,
// divided by the mixture's molar volume. A component at or below the threshold adds its
// fraction times the logarithm of the last eta_i V_i formed (ln 1 = 0 before the first). A
// component above its critical temperature has eta_i V_i at its corresponding temperature.
double Smes::mixedLiquidViscosity(const Variant& T, const VArray& r) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    double S = 0.0;
    double A = 1.0;
    std::optional<double> Tcm;
    for (int16_t i = 1; i <= n; ++i) {
        if (x[i] > MinMixingFraction) {
            const Variant Ti = componentLiquidTemperature(T, i, x, n, Tcm);
            const double eta = FFce(Ti, i, LiquidViscosityCorrelation).toDouble();
            const double etaM = Num(eta) * point(i, MolarMassPoint);
            const double rho = FFce(Ti, i, LiquidDensityCorrelation).toDouble();
            A = Num(etaM) / rho;
        }
        S = S + Num(x[i]) * chk::log(A);
    }
    const double e = chk::exp(S);
    const double rho = ROLW(T, r).toDouble();
    const double numerator = Num(e) * rho;
    const double M = VSM(r).toDouble();
    return Num(numerator) / M;
}

// ---- Thermal conductivity ---------------------------------------------------------------

Variant Smes::ALAL(const Variant& T, const VArray& r) {
    return keptProperty(KeptProperty::ALAL, T, r, [&] {
        try {
            return Variant(mixedLiquidConductivity(T, r));
        } catch (const RunTimeError& e) {
            HlasChybu("ALAL", errorSource("ALAL", T), e);
            return Variant();
        }
    });
}

// lambda = sqrt(M / sum M_i x_i / lambda_i^2) = (sum w_i / lambda_i^2)^(-1/2), w_i the mass
// fractions; a conductivity below 1e-6 is taken as 1e-6.
double Smes::mixedLiquidConductivity(const Variant& T, const VArray& r) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    double S = 0.0;
    for (int16_t i = 1; i <= n; ++i) {
        if (!(x[i] > 0.0)) continue;
        double lambda = FFce(T, i, LiquidConductivityCorrelation).toDouble();
        if (lambda < MinLiquidConductivity) lambda = MinLiquidConductivity;
        const double Mx = Num(point(i, MolarMassPoint)) * x[i];
        S = S + Mx / (Num(lambda) * lambda);
    }
    const double M = VSM(r).toDouble();
    return chk::sqrt(Num(M) / S);
}

// ---- Heat capacity and heat of vaporisation ---------------------------------------------

Variant Smes::CPL(const Variant& T, const VArray& r) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    double Cp = 0.0;
    for (int16_t i = 1; i <= n; ++i)
        Cp = Cp + Num(x[i]) * FFce(T, i, LiquidHeatCapacityCorrelation).toDouble();
    return Variant(Cp);
}

Variant Smes::CPLW(const Variant& T, const VArray& r) {
    return keptProperty(KeptProperty::CPLW, T, r, [&] {
        const double Cp = CPL(T, r).toDouble();
        return Variant(Num(Cp) / VSM(r).toDouble());
    });
}

// dHv = sum x_i dHv_i over the components above the threshold and below their critical
// temperature; the others add nothing and the rest is not renormalised.
Variant Smes::DHV(const Variant& T, const VArray& r) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    const double t = T.toDouble();
    double H = 0.0;
    for (int16_t i = 1; i <= n; ++i) {
        if (!(x[i] > MinMixingFraction && point(i, CriticalTemperaturePoint) > t)) continue;
        H = H + Num(x[i]) * FFce(T, i, VaporisationHeatCorrelation).toDouble();
    }
    return Variant(H);
}

Variant Smes::DHVW(const Variant& T, const VArray& r) {
    return keptProperty(KeptProperty::DHVW, T, r, [&] {
        const double H = DHV(T, r).toDouble();
        return Variant(Num(H) / VSM(r).toDouble());
    });
}

// ---- Enthalpy and entropy ---------------------------------------------------------------
// Reference: each component as liquid at its normal boiling point Tnb. Only components whose
// heat-capacity block is a polynomial a_1 + a_2 T + ... + a_(m+1) T^m contribute; the
// coefficients are taken from the record as they stand, without the adjustments of FFce.

// H = sum x_i sum_k a_k / k (T^k - Tnb^k), k = 1..m+1.
Variant Smes::HL(const Variant& T, const VArray& r) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    const double t = T.toDouble();
    double H = 0.0;
    for (int16_t i = 1; i <= n; ++i) {
        const RozvojVztahu& blok = m_Slozka(i).Rozvoj(LiquidHeatCapacityCorrelation);
        const int m = polynomialDegree(blok);
        if (!(x[i] > MinMixingFraction && m > 0)) continue;
        const double Tnb = point(i, NormalBoilingPoint);
        double h = 0.0;
        for (int k = 1; k <= m + 1; ++k) {
            const double d = chk::pow(Num(t), k) - chk::pow(Tnb, k);
            h = h + Num(coefficient(blok, k)) / k * d;
        }
        H = H + Num(x[i]) * h;
    }
    return Variant(H);
}

Variant Smes::HLW(const Variant& T, const VArray& r) {
    const double H = HL(T, r).toDouble();
    return Variant(Num(H) / VSM(r).toDouble());
}

Variant Smes::SL(const Variant& T, const VArray& r) {
    try {
        return Variant(mixedLiquidEntropy(T, r));
    } catch (const RunTimeError& e) {
        HlasChybu("SL", errorSource("SL", T), e);
        return Variant();
    }
}

// S = sum x_i (a_1 ln(T / Tnb) + sum_k a_k / (k - 1) (T^(k-1) - Tnb^(k-1))), k = 2..m+1: the
// integral of Cp / T from Tnb to T.
double Smes::mixedLiquidEntropy(const Variant& T, const VArray& r) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    const double t = T.toDouble();
    double S = 0.0;
    for (int16_t i = 1; i <= n; ++i) {
        const RozvojVztahu& blok = m_Slozka(i).Rozvoj(LiquidHeatCapacityCorrelation);
        const int m = polynomialDegree(blok);
        if (!(x[i] > 0.0 && m > 0)) continue;
        const double Tnb = point(i, NormalBoilingPoint);
        double s = coefficient(blok, 1) * chk::log(Num(t) / Tnb);
        for (int k = 2; k <= m + 1; ++k) {
            const double d = chk::pow(Num(t), k - 1) - chk::pow(Tnb, k - 1);
            s = s + Num(coefficient(blok, k)) / (k - 1) * d;
        }
        S = S + Num(x[i]) * s;
    }
    return S;
}

Variant Smes::SLW(const Variant& T, const VArray& r) {
    const double S = SL(T, r).toDouble();
    return Variant(Num(S) / VSM(r).toDouble());
}

// ---- Vapour pressure and surface tension ------------------------------------------------

Variant Smes::TENS(const Variant& T, const VArray& r) {
    try {
        return Variant(mixedVapourPressure(T, r));
    } catch (const RunTimeError& e) {
        HlasChybu("TENS", errorSource("TENS", T), e);
        return Variant();
    }
}

// P = sum x_i P_i over the components above the threshold (Raoult's law).
double Smes::mixedVapourPressure(const Variant& T, const VArray& r) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    double P = 0.0;
    for (int16_t i = 1; i <= n; ++i) {
        if (!(x[i] > MinMixingFraction)) continue;
        P = P + Num(x[i]) * FFce(T, i, VapourPressureCorrelation).toDouble();
    }
    return P;
}

Variant Smes::SIGMA(const Variant& T, const VArray& r) {
    return keptProperty(KeptProperty::SIGMA, T, r, [&] {
        try {
            if (m_Nsloz == 1) return FFce(T, 1, SurfaceTensionCorrelation);
            return Variant(mixedSurfaceTension(T, r));
        } catch (const RunTimeError& e) {
            HlasChybu("SIGMA", errorSource("SIGMA", T), e);
            return Variant();
        }
    });
}

// sigma = (rho sum x_i sigma_i^(1/4) / rho_i)^4 (parachor rule in density form). A component
// without a fraction adds nothing itself but its x_i (0) times the last quotient formed; one
// above its critical temperature has sigma_i and rho_i at its corresponding temperature.
double Smes::mixedSurfaceTension(const Variant& T, const VArray& r) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    double S = 0.0;
    double rho = 1.0;
    double P = 0.0;
    std::optional<double> Tcm;
    for (int16_t i = 1; i <= n; ++i) {
        if (x[i] > 0.0) {
            const Variant Ti = componentLiquidTemperature(T, i, x, n, Tcm);
            rho = FFce(Ti, i, LiquidDensityCorrelation).toDouble();
            P = chk::pow(FFce(Ti, i, SurfaceTensionCorrelation).toDouble(), 0.25);
        }
        S = S + x[i] * (Num(P) / rho);
    }
    const double rhoMix = ROLW(T, r).toDouble();
    return chk::pow(Num(S) * rhoMix, 4.0);
}

// ---- Expansion and dimensionless numbers ------------------------------------------------

// beta = (rho(T - 3) - rho(T)) / (3 rho(T)), rho(T) evaluated once for the difference and
// the divisor.
Variant Smes::ObjRozL(const Variant& T, const VArray& r) {
    const Variant Tminus(Num(T.toDouble()) - ExpansionStep);
    const double rhoBefore = ROLW(Tminus, r).toDouble();
    const double rho = ROLW(T, r).toDouble();
    const double difference = Num(rhoBefore) - rho;
    const double divisor = Num(ExpansionStep) * rho;
    return Variant(Num(difference) / divisor);
}

Variant Smes::PrL(const Variant& T, const VArray& r) {
    const double cp = CPLW(T, r).toDouble();
    const double cpEta = Num(cp) * ETAL(T, r).toDouble();
    return Variant(Num(cpEta) / ALAL(T, r).toDouble());
}

Variant Smes::ReL(const Variant& T, const VArray& r, const Variant& v, const Variant& d) {
    const double rho = ROLW(T, r).toDouble();
    const double rhoV = Num(rho) * v.toDouble();
    const double rhoVd = Num(rhoV) * d.toDouble();
    return Variant(Num(rhoVd) / ETAL(T, r).toDouble());
}

} // namespace kwelar
