#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/LeeKeslerFluid.h"
#include "Platform/Checked.h"
#include "Platform/Conversions.h"
#include "Platform/MessageBox.h"

#include <cmath>

namespace kwelar {

using platform::RunTimeError;
using platform::Variant;
using platform::VArray;
namespace chk = platform::chk;
using chk::add, chk::sub, chk::mul, chk::div;

// Units inside: p [MPa], molar volumes [cm3/mol], molar densities [mol/cm3]; with
// R = 8.314 J/(mol K) = 8.314 MPa cm3/(mol K), energies come out in J/mol. Each arithmetic step is
// checked, so a failing one raises its run-time error.

namespace {

constexpr double R = GasConstant;

// Degree t (1..5) of a heat-capacity block that is the polynomial A1 + A2 T + ... + A(t+1) T^t,
// 0 for another equation type.
int polynomialDegree(const RozvojVztahu& blok) {
    return blok.TypVztahu >= 1 && blok.TypVztahu <= MaxPolynomialType ? blok.TypVztahu : 0;
}

// Coefficient A_k (1..6) of a block; one that is not finite (a damaged record) raises 6.
double coefficient(const RozvojVztahu& blok, int k) {
    const float A[] = {blok.A1, blok.A2, blok.A3, blok.A4, blok.A5, blok.A6};
    return platform::chk::finite(A[k - 1]);
}

// X0 + W (Xr - X0): a property of the fluid of acentric factor omega = W 0.3978, linear between
// the simple and the reference fluid.
double blend(double X0, double Xr, double W) {
    return add(X0, mul(W, sub(Xr, X0)));
}

} // namespace

// ---- Entry points -----------------------------------------------------------------------

void Smes::TEVRP(const Variant& ivol, const Variant& T, const Variant& p, const VArray& rr) {
    realGas(ivol == Variant(int16_t{2}), T, p, rr);
}

void Smes::TEVRP0(const Variant& ivol, const Variant& T, const Variant& p, const VArray& rr) {
    const bool densityOnly = ivol == Variant(int16_t{2});
    clearRealGasResults(densityOnly);
    redlichKwong(densityOnly, T.toDouble(), p.toDouble(), rr, false);
}

void Smes::realGas(bool densityOnly, const Variant& T, const Variant& p, const VArray& rr) {
    // The results about to be written are emptied first: a failed evaluation, reported and
    // returned from in modes 0 to 2, must not leave the previous call's values to be read.
    clearRealGasResults(densityOnly);
    double P = p.toDouble();
    if (std::fabs(P) < MinRealGasPressure) P = MinRealGasPressure;
    if (m_Redlich) {
        if (m_Nsloz <= 0) return;
        redlichKwong(densityOnly, T.toDouble(), P, rr, true);
    } else {
        leeKesler(densityOnly, T, p, P, rr);
    }
}

void Smes::clearRealGasResults(bool densityOnly) {
    m_RoRG = Variant();
    if (densityOnly) return;
    m_URG = Variant();
    m_HRG = Variant();
    m_SRG = Variant();
    m_LnFugRG = Variant();
    m_CvRG = Variant();
    m_CpRG = Variant();
    m_JTRG = Variant();
}

// ---- Ideal-gas part ---------------------------------------------------------------------
// Reference: each component as liquid at its normal boiling point Tnb and p0, reached as ideal
// gas through its heat of vaporisation dHv there (correlation 8):
//   H_ig = sum x_i (dHv_i + I_H,i),  I_H = sum_(k=1..t+1) A_k (T^k - Tnb^k) / k
//   S_ig = sum x_i (dHv_i / Tnb_i + I_S,i) - R ln(p / p0) - R sum_(x_i > 0) x_i ln x_i,
//          I_S = A1 ln(T / Tnb) + sum_(k=2..t+1) A_k (T^(k-1) - Tnb^(k-1)) / (k - 1)
// the integrals of Cp and Cp / T of the heat-capacity polynomial of degree t (correlation 2)
// from Tnb to T. A component whose correlation 2 is no polynomial adds only dHv and dHv / Tnb,
// and its heat capacity from the correlation. The Lee-Kesler branch takes the heat capacity of
// the others as the mixture polynomial sum_k c_k T^(k-1), c_k = sum x_i A_k,i.
Smes::IdealGasPart Smes::idealGasPart(const Fractions& x, int16_t n, double T, double p, bool leeKesler,
                                      bool boilingPointBox) {
    const Variant Tv(T);
    double H = 0.0;
    double S = 0.0;
    double Cp = 0.0;
    double c[MaxPolynomialType + 2] = {};
    for (int16_t i = 1; i <= n; ++i) {
        const double Tnb = point(i, NormalBoilingPoint);
        if (boilingPointBox && Tnb < MinNormalBoilingPoint)
            platform::msgBox("Chybí údaj Tnbv " + platform::numberText(i) + ". složky", 0, "");
        const double dHv = FFce(Variant(Tnb), i, VaporisationHeatCorrelation).toDouble();
        const RozvojVztahu& blok = m_Slozka(i).Rozvoj(GasHeatCapacityCorrelation);
        const int t = polynomialDegree(blok);
        if (!leeKesler || t == 0) {
            Cp = add(Cp, mul(x[i], FFce(Tv, i, GasHeatCapacityCorrelation).toDouble()));
        } else {
            for (int k = 1; k <= t + 1; ++k)
                c[k] = add(c[k], mul(x[i], coefficient(blok, k)));
        }
        double h = dHv;
        double s = div(dHv, Tnb);
        if (t > 0) {
            for (int k = 1; k <= t + 1; ++k) {
                const double d = sub(chk::pow(T, k), chk::pow(Tnb, k));
                h = add(h, mul(div(coefficient(blok, k), k), d));
            }
            s = add(s, mul(coefficient(blok, 1), chk::log(div(T, Tnb))));
            for (int k = 2; k <= t + 1; ++k) {
                const double d = sub(chk::pow(T, k - 1), chk::pow(Tnb, k - 1));
                s = add(s, mul(div(coefficient(blok, k), k - 1), d));
            }
        }
        H = add(H, mul(x[i], h));
        S = add(S, mul(x[i], s));
    }
    if (leeKesler) {
        double Tk = 1.0;
        for (int k = 1; k <= MaxPolynomialType + 1; ++k) {
            Cp = add(Cp, mul(c[k], Tk));
            Tk = mul(Tk, T);
        }
    }
    S = sub(S, mul(R, chk::log(div(p, ReferencePressure))));
    double mixing = 0.0;
    for (int16_t i = 1; i <= n; ++i)
        if (x[i] > 0.0) mixing = add(mixing, mul(x[i], chk::log(x[i])));
    S = sub(S, mul(R, mixing));
    return {H, S, Cp};
}

// ---- Redlich-Kwong ----------------------------------------------------------------------
// Z = 1 / (1 - b rho) - a rho / ((1 + b rho) R T^1.5), with
//   a = 0.4278 R^2 (sum x_i Tc_i^1.25 / pc_i^0.5)^2,  b = 0.0867 R sum x_i Tc_i / pc_i.
void Smes::redlichKwong(bool densityOnly, double T, double p, const VArray& rr, bool boilingPointBox) {
    if (p < 0.0) platform::raise(platform::err::InvalidCall);
    p = mul(MegapascalPerPascal, p);
    Fractions x;
    const int16_t n = takeComposition(rr, x);
    double sa = 0.0;
    double sb = 0.0;
    for (int16_t i = 1; i <= n; ++i) {
        const double Tc = point(i, CriticalTemperaturePoint);
        const double pc = mul(MegapascalPerPascal, point(i, CriticalPressurePoint));
        sa = add(sa, div(mul(x[i], chk::pow(Tc, 1.25)), chk::pow(pc, 0.5)));
        sb = add(sb, div(mul(x[i], Tc), pc));
    }
    const double a = mul(mul(RedlichKwongA, mul(R, R)), mul(sa, sa));
    const double b = mul(mul(RedlichKwongB, R), sb);
    const double RT = mul(R, T);
    const double RT15 = mul(R, chk::pow(T, 1.5));

    // Newton's method on p(rho) = Z R T rho from the ideal gas; Z' = dZ/drho.
    double rho = div(p, RT);
    double Z = 0.0;
    double Zd = 0.0;
    int counter = 0;
    for (;;) {
        const double brho = mul(b, rho);
        const double minus = sub(1.0, brho);
        const double plus = add(1.0, brho);
        Z = sub(div(1.0, minus), div(mul(a, rho), mul(plus, RT15)));
        Zd = sub(div(b, mul(minus, minus)), div(a, mul(RT15, mul(plus, plus))));
        const double pc = mul(mul(Z, RT), rho);
        ++counter;
        if (div(mul(100.0, std::fabs(sub(p, pc))), p) < RedlichKwongTolerance ||
            counter > RedlichKwongPassLimit)
            break;
        rho = add(rho, div(sub(p, pc), mul(RT, add(Z, mul(rho, Zd)))));
    }
    m_RoRG = Variant(rho);
    if (densityOnly) return;

    const IdealGasPart ideal = idealGasPart(x, n, T, p, false, boilingPointBox);
    // With L = ln(1 + b rho) and q = a / (b R T^1.5): the residual internal energy -u R T with
    // u = 1.5 q L, the residual Helmholtz energy A_r R T with A_r = -ln(1 - b rho) - q L, the
    // residual Cv = -(2u + c_v) R = 0.75 q L R with c_v = -3.75 q L, m = (dp/dT)_rho / (rho R)
    // and d = (dp/drho)_T / (R T).
    const double L = chk::log(add(1.0, mul(b, rho)));
    const double q = div(a, mul(b, RT15));
    const double qL = mul(q, L);
    const double u = mul(1.5, qL);
    const double Ar = sub(-chk::log(sub(1.0, mul(b, rho))), qL);
    const double cv = mul(-3.75, qL);
    const double m =
        add(div(1.0, sub(1.0, mul(b, rho))), div(mul(a, rho), mul(mul(2.0, RT15), add(1.0, mul(b, rho)))));
    const double d = add(Z, mul(rho, Zd));

    const double Cv = sub(sub(ideal.Cp, R), mul(R, add(mul(2.0, u), cv)));
    const double Cp = add(Cv, div(mul(R, mul(m, m)), d));
    m_URG = Variant(sub(ideal.H, mul(RT, add(1.0, u))));
    m_HRG = Variant(sub(ideal.H, mul(RT, sub(add(u, 1.0), Z))));
    m_SRG = Variant(add(ideal.S, mul(R, sub(sub(chk::log(Z), Ar), u))));
    m_LnFugRG = Variant(add(sub(sub(Z, 1.0), chk::log(Z)), Ar));
    m_CvRG = Variant(Cv);
    m_CpRG = Variant(Cp);
    m_JTRG = Variant(div(sub(m, d), mul(mul(Cp, d), rho)));
}

// ---- Lee-Kesler -------------------------------------------------------------------------
// Z = Z0 + (omega / 0.3978)(Zr - Z0) of the simple and the reference fluid at the reduced
// temperature and pressure of the pseudo-critical mixture:
//   Zc_i = 0.2905 - 0.085 omega_i,  Vc_i = Zc_i R Tc_i / pc_i,
//   Vcm = 1/8 sum_i sum_j x_i x_j (Vc_i^0.333 + Vc_j^0.333)^3,
//   Tcm = 1/(8 Vcm) sum_i sum_j x_i x_j (Vc_i^0.333 + Vc_j^0.333)^3 (Tc_i Tc_j)^0.5,
//   omega = sum x_i omega_i,  pcm = (0.2905 - 0.085 omega) R Tcm / Vcm.
// A component without an acentric factor (0 or less) gets -1 - log10(p_sat(0.7 Tc) / pc).
void Smes::leeKesler(bool densityOnly, const Variant& Tv, const Variant& pGiven, double p, const VArray& rr) {
    try {
        // A negative pressure beyond the 1e-6 Pa taken for a vanishing one is no state.
        if (p < 0.0) platform::raise(platform::err::InvalidCall);
        p = mul(MegapascalPerPascal, p);
        Fractions x;
        const int16_t n = takeComposition(rr, x);
        Fractions Tc;
        Fractions vc; // Vc_i^0.333
        double omega = 0.0;
        for (int16_t i = 1; i <= n; ++i) {
            Tc[i] = point(i, CriticalTemperaturePoint);
            const double pc = point(i, CriticalPressurePoint);
            double w = point(i, AcentricFactorPoint);
            if (w <= 0.0) {
                const Variant T07(mul(AcentricReducedTemperature, Tc[i]));
                const double pSat = FFce(T07, i, VapourPressureCorrelation).toDouble();
                w = sub(-1.0, log10Value(div(pSat, pc)));
            }
            const double Zc = sub(CriticalCompressibilityBase, mul(CriticalCompressibilitySlope, w));
            const double Vc = div(mul(mul(Zc, R), Tc[i]), mul(MegapascalPerPascal, pc));
            vc[i] = chk::pow(Vc, CriticalVolumeExponent);
            omega = add(omega, mul(x[i], w));
        }
        double sumV = 0.0;
        double sumT = 0.0;
        for (int16_t i = 1; i <= n; ++i) {
            for (int16_t j = 1; j <= n; ++j) {
                const double s = add(vc[i], vc[j]);
                const double term = mul(mul(x[i], x[j]), mul(mul(s, s), s));
                sumV = add(sumV, term);
                sumT = add(sumT, mul(term, chk::sqrt(mul(Tc[i], Tc[j]))));
            }
        }
        const double Vcm = div(sumV, 8.0);
        const double Tcm = mul(div(1.0, mul(8.0, Vcm)), sumT);
        const double Zcm = sub(CriticalCompressibilityBase, mul(CriticalCompressibilitySlope, omega));
        const double pcm = div(mul(mul(Zcm, R), Tcm), Vcm);

        const double T = Tv.toDouble();
        const double Tr = div(T, Tcm);
        const double pr = div(p, pcm);
        const LeeKeslerFluid simple(LeeKeslerSimpleFluid, Tr);
        const LeeKeslerFluid reference(LeeKeslerReferenceFluid, Tr);
        const LeeKeslerFluid::Density d0 = simple.density(pr, div(pr, Tr), LeeKeslerSimplePassLimit);
        const LeeKeslerFluid::Density dr =
            reference.density(pr, mul(LeeKeslerReferenceStart, d0.rho), LeeKeslerReferencePassLimit);
        const double W = div(omega, LeeKeslerReferenceOmega);
        const double Z = blend(d0.Z, dr.Z, W);
        const double RT = mul(R, T);
        const double rho = div(p, mul(Z, RT));
        m_RoRG = Variant(rho);
        // The ideal-gas part is not needed for the density alone, so a density never asks for
        // a heat of vaporisation or a normal boiling point.
        if (densityOnly) return;

        const IdealGasPart ideal = idealGasPart(x, n, T, p, true, true);
        const LeeKeslerFluid::Departures f0 = simple.departures(d0.rho, d0.Z);
        const LeeKeslerFluid::Departures fr = reference.departures(dr.rho, dr.Z);
        const double phi = chk::exp(blend(f0.g, fr.g, W));
        const double h = blend(f0.h, fr.h, W);
        const double v = blend(f0.v, fr.v, W);
        const double G = blend(f0.G, fr.G, W);
        const double w = blend(f0.w, fr.w, W);
        // Residual internal energy -u R T and Helmholtz energy A_r R T; the heat capacity from
        // the blended G and w: Cp - Cv = R w^2 / G.
        const double u = sub(sub(Z, 1.0), div(h, Tr));
        const double Ar = add(sub(chk::log(mul(Z, phi)), Z), 1.0);
        const double Cv = add(sub(ideal.Cp, R), mul(R, v));
        const double Cp = add(Cv, div(mul(R, mul(w, w)), G));
        m_URG = Variant(sub(ideal.H, mul(RT, add(1.0, u))));
        m_HRG = Variant(sub(ideal.H, mul(RT, sub(add(u, 1.0), Z))));
        m_SRG = Variant(add(ideal.S, mul(R, sub(sub(chk::log(Z), Ar), u))));
        m_LnFugRG = Variant(chk::log(phi));
        m_CvRG = Variant(Cv);
        m_CpRG = Variant(Cp);
        m_JTRG = Variant(div(sub(w, G), mul(mul(Cp, G), rho)));
    } catch (const RunTimeError& e) {
        HlasChybu("TEVRP", errorSource("TEVRP", Tv, pGiven), e);
    }
}

} // namespace kwelar
