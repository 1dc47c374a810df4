#pragma once
//! A test fixture for the real-gas members: gases given by their critical constants, acentric
//! factor, normal boiling point, heat of vaporisation and ideal-gas heat capacity, with the
//! ideal-gas enthalpy and entropy those data define, and the pseudo-critical constants of one
//! gas as the Lee-Kesler mixing rule forms them.

#include "MixtureFixture.h"

#include <cmath>

namespace kwelartest {

//! Data of one gas. Its correlations are simple forms: constant viscosity, conductivity and
//! heat of vaporisation, the heat capacity Cp1 + Cp2 T, and a constant vapour pressure of
//! 0.1 pc, so that a gas without an acentric factor gets exactly 0 from it.
struct GasData {
    float M;      //!< molar mass [kg/mol]
    float Tc;     //!< critical temperature [K]
    float pc;     //!< critical pressure [Pa]
    float Vc;     //!< critical volume [m3/mol]
    float omega;  //!< acentric factor [-]
    float Tnb;    //!< normal boiling point [K]
    float dHv;    //!< heat of vaporisation [J/mol]
    float Cp1;    //!< ideal-gas heat capacity Cp1 + Cp2 T [J/(mol K)]
    float Cp2;    //!< [J/(mol K^2)]
    float eta;    //!< gas viscosity [Pa.s]
    float lambda; //!< gas thermal conductivity [W/(m K)]
};

//! Gas constant of the library [J/(mol K)].
inline constexpr double Rlib = 8.314;

//! Ideal-gas enthalpy of a pure gas [J/mol] on the library's reference (liquid at Tnb):
//! dHv + Cp1 (T - Tnb) + Cp2 (T^2 - Tnb^2) / 2.
inline double idealEnthalpy(const GasData& g, double T) {
    const double Tnb = g.Tnb;
    return double{g.dHv} + double{g.Cp1} * (T - Tnb) + double{g.Cp2} / 2 * (T * T - Tnb * Tnb);
}

//! Ideal-gas entropy of a pure gas [J/(mol K)] at T [K] and p [Pa]: dHv / Tnb + Cp1 ln(T / Tnb)
//! + Cp2 (T - Tnb) - R ln(p / 101325).
inline double idealEntropy(const GasData& g, double T, double p) {
    const double Tnb = g.Tnb;
    return double{g.dHv} / Tnb + double{g.Cp1} * std::log(T / Tnb) + double{g.Cp2} * (T - Tnb) -
           Rlib * std::log(p / 101325.0);
}

//! Pseudo-critical constants of a pure gas by the Lee-Kesler mixing rule with its exponent
//! 0.333: Zc = 0.2905 - 0.085 omega, Vc = Zc R Tc / pc [cm3/mol],
//! Vcm = (Vc^0.333 + Vc^0.333)^3 / 8 (so Vc^0.999, not Vc), Tcm = Tc, pcm = Zc R Tcm / Vcm.
struct PseudoCritical {
    double Tcm; //!< [K]
    double pcm; //!< [Pa]
};
inline PseudoCritical leeKeslerPseudoCritical(const GasData& g, double omega) {
    const double Zc = 0.2905 - 0.085 * omega;
    const double Vc = Zc * Rlib * g.Tc / (1e-6 * g.pc);
    const double s = 2 * std::pow(Vc, 0.333);
    const double Vcm = s * s * s / 8;
    const double Tcm = double{g.Tc};
    return {Tcm, 1e6 * Zc * Rlib * Tcm / Vcm};
}

//! Fixture of the real-gas tests: `gas` adds a substance, then `load` the mixture.
class RealGasFixture : public MixtureFixture {
protected:
    FixtureSubstance& gas(int16_t n, const GasData& g) {
        return latka(n)
            .point(1, g.M)
            .point(2, g.Tc)
            .point(3, g.pc)
            .point(4, g.Vc)
            .point(5, g.omega)
            .point(15, g.Tnb)
            .block(1, 1, {g.eta, 0.0f})
            .block(2, 1, {g.Cp1, g.Cp2})
            .block(3, 1, {g.lambda, 0.0f})
            .block(8, 1, {g.dHv, 0.0f})
            .block(9, 1, {0.1f * g.pc, 0.0f});
    }
};

//! Methane-like gas: Tc 190.6 K, pc 4.599 MPa, omega 0.012, Vc 98.6 cm3/mol, Tnb 111.7 K,
//! dHv 8190 J/mol, Cp 19.25 + 0.05213 T J/(mol K), viscosity 1.1e-5 Pa.s, conductivity
//! 0.034 W/(m K).
inline constexpr GasData Methane{0.016043f, 190.6f, 4.599e6f, 9.86e-5f, 0.012f, 111.7f,
                                 8190.0f,   19.25f, 0.05213f, 1.1e-5f,  0.034f};
//! Nitrogen-like gas: Tc 126.2 K, pc 3.3958 MPa, omega 0.0372, Vc 89.5 cm3/mol, Tnb 77.35 K.
inline constexpr GasData Nitrogen{0.028013f, 126.2f, 3.3958e6f, 8.95e-5f, 0.0372f, 77.35f,
                                  5577.0f,   29.1f,  0.0f,      1.78e-5f, 0.026f};

} // namespace kwelartest
