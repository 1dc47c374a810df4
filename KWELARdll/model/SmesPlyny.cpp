#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/Checked.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace kwelar {

using platform::RunTimeError;
using platform::Variant;
using platform::VArray;
namespace chk = platform::chk;
using platform::chk::Num;

// Low-pressure (ideal-gas) properties of the mixture. The correlations are called in the
// order the mixing rules read; each arithmetic step is its own statement.

// ---- Viscosity --------------------------------------------------------------------------

Variant Smes::ETAG(const Variant& T, const VArray& r) {
    return keptProperty(KeptProperty::ETAG, T, r, [&] {
        try {
            return Variant(mixedGasViscosity(T, r));
        } catch (const RunTimeError& e) {
            HlasChybu("ETAG", errorSource("ETAG", T), e);
            return Variant();
        }
    });
}

// eta = sum x_i eta_i sqrt(M_i) / sum x_i sqrt(M_i), both over the components with x_i > 0.
double Smes::mixedGasViscosity(const Variant& T, const VArray& r) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    double numerator = 0.0;
    double denominator = 0.0;
    for (int16_t i = 1; i <= n; ++i) {
        if (!(x[i] > 0.0)) continue;
        const double eta = FFce(T, i, GasViscosityCorrelation).toDouble();
        const double weight = Num(x[i]) * chk::sqrt(point(i, MolarMassPoint));
        numerator = numerator + Num(weight) * eta;
        denominator = Num(denominator) + weight;
    }
    return Num(numerator) / denominator;
}

// ---- Thermal conductivity ---------------------------------------------------------------

namespace {

//! Wilke's factors of a pair (i, j) that depend on the molar masses alone, b = (M_j / M_i)^(1/4)
//! and e = (1 + M_i / M_j)^(1/2): the same on every call for one mixture, so they are kept for
//! the last molar masses this thread has seen, each factor once it has been evaluated without
//! an error (a failing one fails again at its own place on the next call).
struct WilkeMassFactors {
    int16_t n = -1;
    std::array<double, MaxComponents + 1> M{};
    double b[MaxComponents + 1][MaxComponents + 1];
    double e[MaxComponents + 1][MaxComponents + 1];
    bool hasB[MaxComponents + 1][MaxComponents + 1];
    bool hasE[MaxComponents + 1][MaxComponents + 1];

    //! Keeps the factors when the molar masses M(1..count) are those of the kept factors, bit
    //! for bit; forgets them otherwise.
    void keyOn(const std::array<double, MaxComponents + 1>& masses, int16_t count) {
        bool same = count == n;
        for (int16_t i = 1; same && i <= count; ++i)
            same = std::bit_cast<uint64_t>(masses[i]) == std::bit_cast<uint64_t>(M[i]);
        if (same) return;
        n = count;
        M = masses;
        std::memset(hasB, 0, sizeof hasB);
        std::memset(hasE, 0, sizeof hasE);
    }
};

thread_local WilkeMassFactors wilkeFactors;

} // namespace

Variant Smes::ALAG(const Variant& T, const VArray& r) {
    return keptProperty(KeptProperty::ALAG, T, r, [&] {
        try {
            if (m_Nsloz == 1) return FFce(T, 1, GasConductivityCorrelation);
            return Variant(mixedGasConductivity(T, r));
        } catch (const RunTimeError& e) {
            HlasChybu("ALAG", errorSource("ALAG", T), e);
            return Variant();
        }
    });
}

// Wassiljewa: lambda = sum_i x_i lambda_i / D_i, D_i = x_i + sum_(j != i) x_j Phi_ij, with
// Wilke's Phi_ij = 0.35355 (1 + (eta_i / eta_j)^(1/2) (M_j / M_i)^(1/4))^2 / (1 + M_i / M_j)^(1/2).
// First every D_i, then the sum. No threshold: every pair is formed, and an empty mixture
// gives 0. Each viscosity is evaluated once, when the first pair needs it (pair (1, 2) the
// first two, pair (1, j) the j-th), so the correlations and the arithmetic fail in the order
// the pairs are formed.
double Smes::mixedGasConductivity(const Variant& T, const VArray& r) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    Fractions eta;
    std::array<bool, MaxComponents + 1> evaluated{};
    const auto viscosity = [&](int16_t i) {
        if (!evaluated[i]) {
            eta[i] = FFce(T, i, GasViscosityCorrelation).toDouble();
            evaluated[i] = true;
        }
        return eta[i];
    };
    Fractions M;
    for (int16_t i = 1; i <= n; ++i)
        M[i] = point(i, MolarMassPoint);
    WilkeMassFactors& w = wilkeFactors;
    w.keyOn(M, n);
    Fractions D;
    for (int16_t i = 1; i <= n; ++i) {
        D[i] = x[i];
        for (int16_t j = 1; j <= n; ++j) {
            if (j == i) continue;
            const double etaI = viscosity(i);
            const double etaJ = viscosity(j);
            const double a = chk::sqrt(chk::div(etaI, etaJ));
            if (!w.hasB[i][j]) {
                w.b[i][j] = chk::pow(chk::div(M[j], M[i]), 0.25);
                w.hasB[i][j] = true;
            }
            const double c = chk::add(1.0, chk::mul(a, w.b[i][j]));
            if (!w.hasE[i][j]) {
                // M_i / M_j is held in single precision.
                const double ratio = chk::single(chk::div(M[i], M[j]));
                w.e[i][j] = chk::sqrt(chk::add(1.0, ratio));
                w.hasE[i][j] = true;
            }
            const double e = w.e[i][j];
            const double phi = chk::div(chk::mul(WilkeConstant, chk::mul(c, c)), e);
            D[i] = chk::add(D[i], chk::mul(x[j], phi));
        }
    }
    double lambda = 0.0;
    for (int16_t i = 1; i <= n; ++i) {
        const double xLambda = chk::mul(x[i], FFce(T, i, GasConductivityCorrelation).toDouble());
        lambda = chk::add(lambda, chk::div(xLambda, D[i]));
    }
    return lambda;
}

// ---- Heat capacity ----------------------------------------------------------------------

Variant Smes::CPG(const Variant& T, const VArray& r) {
    Fractions x;
    const int16_t n = takeComposition(r, x);
    double Cp = 0.0;
    for (int16_t i = 1; i <= n; ++i)
        Cp = Cp + Num(x[i]) * FFce(T, i, GasHeatCapacityCorrelation).toDouble();
    return Variant(Cp);
}

Variant Smes::CPGW(const Variant& T, const VArray& r) {
    return keptProperty(KeptProperty::CPGW, T, r, [&] {
        const double Cp = CPG(T, r).toDouble();
        return Variant(Num(Cp) / VSM(r).toDouble());
    });
}

// ---- Density ----------------------------------------------------------------------------

Variant Smes::ROGW(const Variant& T, const Variant& p, const VArray& r) {
    try {
        return Variant(idealGasDensity(T, p, r));
    } catch (const RunTimeError& e) {
        HlasChybu("ROGW", errorSource("ROGW", T, p), e);
        return Variant();
    }
}

// rho = p M / (R T), R = 8.314 J/mol/K. A mean molar mass that VSM could not form (it has
// reported why and given nothing) is no mass of 0: ROGW fails with 6 instead of giving 0.
double Smes::idealGasDensity(const Variant& T, const Variant& p, const VArray& r) {
    const Variant M = VSM(r);
    if (M.isEmpty()) platform::raise(platform::err::Overflow);
    const double pM = Num(p.toDouble()) * M.toDouble();
    const double RT = Num(GasConstant) * T.toDouble();
    return Num(pM) / RT;
}

} // namespace kwelar
