#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/Smes.h"
#include "TestSupport.h"

#include "MixtureFixture.h"

#include <cmath>
#include <functional>

using kwelartest::fractions;
using platform::RunTimeError;
using platform::Variant;
using platform::VArray;
using platform::VarType;

namespace {

// Relative agreement of two evaluations of one formula written in different orders.
constexpr double Close = 1e-12;

double rel(double expected) {
    return Close * std::fabs(expected);
}

using LiquidMixture = kwelartest::MixtureFixture;

// ---- Mixing rules of a binary -----------------------------------------------------------

// Equimolar water-like and ethanol-like liquids with constant correlations and equal critical
// temperatures, so every component is taken at T itself. The expected values are the mixing
// rules written out here:
//   density       rho = M / sum x_i M_i / rho_i (ideal mixing of the molar volumes)
//   viscosity     ln(eta V) = sum x_i ln(eta_i V_i), V = M / rho
//   conductivity  lambda = (sum w_i lambda_i^-2)^(-1/2), w_i mass fractions (Vredeveld)
//   surface tension sigma^(1/4) = rho sum x_i sigma_i^(1/4) / rho_i (Macleod-Sugden parachor
//                 with P_i = sigma_i^(1/4) / rho_i)
class LiquidBinary : public LiquidMixture {
protected:
    void SetUp() override {
        const float Mf[] = {0.018f, 0.046f};
        const float rhof[] = {1000.0f, 800.0f};
        const float etaf[] = {1e-3f, 2e-3f};
        const float lamf[] = {0.6f, 0.17f};
        const float sigf[] = {0.072f, 0.022f};
        const float cpf[] = {75.4f, 112.0f};
        const float Vcf[] = {5.6e-5f, 1.67e-4f};
        for (int k = 0; k < 2; ++k) {
            const int16_t n = static_cast<int16_t>(k + 2);
            latka(n).point(1, Mf[k]).point(2, 600.0f).point(4, Vcf[k]);
            constant(n, 4, rhof[k]);
            constant(n, 5, etaf[k]);
            constant(n, 6, lamf[k]);
            constant(n, 7, cpf[k]);
            constant(n, 10, sigf[k]);
            M[k] = Mf[k];
            rho[k] = rhof[k];
            eta[k] = etaf[k];
            lam[k] = lamf[k];
            sig[k] = sigf[k];
            cp[k] = cpf[k];
        }
        load({2, 3});
    }

    double M[2], rho[2], eta[2], lam[2], sig[2], cp[2];
    const double x[2] = {0.5, 0.5};
    VArray r = fractions({0.5, 0.5});
    const Variant T{300.0};
};

TEST_F(LiquidBinary, DensityViscosityConductivityAndSurfaceTensionFollowTheirMixingRules) {
    const double Mm = x[0] * M[0] + x[1] * M[1];
    const double rhoMix = Mm / (x[0] * M[0] / rho[0] + x[1] * M[1] / rho[1]);
    const double etaMix =
        std::exp(x[0] * std::log(eta[0] * M[0] / rho[0]) + x[1] * std::log(eta[1] * M[1] / rho[1])) /
        (Mm / rhoMix);
    const double w[2] = {x[0] * M[0] / Mm, x[1] * M[1] / Mm};
    const double lamMix = std::pow(w[0] / (lam[0] * lam[0]) + w[1] / (lam[1] * lam[1]), -0.5);
    const double sigMix = std::pow(
        rhoMix * (x[0] * std::pow(sig[0], 0.25) / rho[0] + x[1] * std::pow(sig[1], 0.25) / rho[1]), 4.0);

    EXPECT_NEAR(s.ROLW(T, r).toDouble(), rhoMix, rel(rhoMix));
    EXPECT_NEAR(s.ETAL(T, r).toDouble(), etaMix, rel(etaMix));
    EXPECT_NEAR(s.ALAL(T, r).toDouble(), lamMix, rel(lamMix));
    EXPECT_NEAR(s.SIGMA(T, r).toDouble(), sigMix, rel(sigMix));
    // 0.032 kg/mol in 3.775e-5 m3/mol.
    EXPECT_NEAR(rhoMix, 847.68, 0.01);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(LiquidBinary, PrandtlAndReynoldsNumbersCombineTheMixtureProperties) {
    const double Mm = x[0] * M[0] + x[1] * M[1];
    const double rhoMix = Mm / (x[0] * M[0] / rho[0] + x[1] * M[1] / rho[1]);
    const double etaMix =
        std::exp(x[0] * std::log(eta[0] * M[0] / rho[0]) + x[1] * std::log(eta[1] * M[1] / rho[1])) /
        (Mm / rhoMix);
    const double lamMix = std::sqrt(Mm / (M[0] * x[0] / (lam[0] * lam[0]) + M[1] * x[1] / (lam[1] * lam[1])));
    const double cpW = (x[0] * cp[0] + x[1] * cp[1]) / Mm;

    EXPECT_NEAR(s.CPLW(T, r).toDouble(), cpW, rel(cpW));
    const double Pr = cpW * etaMix / lamMix;
    EXPECT_NEAR(s.PrL(T, r).toDouble(), Pr, rel(Pr));
    Variant v(1.5), d(0.02);
    const double Re = rhoMix * 1.5 * 0.02 / etaMix;
    EXPECT_NEAR(s.ReL(T, r, v, d).toDouble(), Re, rel(Re));
}

// A mixture property asked again at the same temperature and composition gives the value
// calculated before, bit for bit and without a correlation call; another composition, a
// changed record or a composition call in between is calculated anew, and a calculation that
// showed a box shows it again.
TEST_F(LiquidBinary, APropertyAskedAgainIsKeptForItsTemperatureAndComposition) {
    using Member = Variant (kwelar::Smes::*)(const Variant&, const VArray&);
    const std::pair<const char*, Member> members[] = {
        {"ROLW", &kwelar::Smes::ROLW}, {"ETAL", &kwelar::Smes::ETAL},   {"ALAL", &kwelar::Smes::ALAL},
        {"CPLW", &kwelar::Smes::CPLW}, {"SIGMA", &kwelar::Smes::SIGMA},
    };
    const VArray other = fractions({0.25, 0.75});
    for (const auto& [name, member] : members) {
        const auto call = [&](const VArray& composition) { return (s.*member)(T, composition); };
        const Variant first = call(r);
        const uint64_t calls = s.correlationCalls();
        EXPECT_TRUE(call(r).identical(first)) << name;
        EXPECT_EQ(s.correlationCalls(), calls) << name << " kept";
        EXPECT_FALSE(call(other).identical(first)) << name;
        EXPECT_GT(s.correlationCalls(), calls) << name << " another composition";
        EXPECT_TRUE(call(r).identical(first)) << name;
        EXPECT_TRUE(s.slozeniSmesi()(2).identical(Variant(0.5))) << name << " the composition is taken";
    }

    // A composition call in between leaves its fractions behind: the next call takes r again.
    const double lambda = s.ALAL(T, r).toDouble();
    s.CPL(T, other);
    EXPECT_EQ(s.ALAL(T, r).toDouble(), lambda);
    EXPECT_TRUE(s.slozeniSmesi()(1).identical(Variant(0.5)));

    s.Bod(1, 1, 0.03f);
    const double lighter = s.ALAL(T, r).toDouble();
    EXPECT_NE(lighter, lambda) << "a changed molar mass";
    s.KWLConst(1, 6, 1, 0.3f);
    EXPECT_NE(s.ALAL(T, r).toDouble(), lighter) << "a changed coefficient";
    s.ZapisNslozky(1, 3);
    s.Inikwl();
    EXPECT_EQ(s.ALAL(T, r).toDouble(), lam[1]) << "another substance in the slot";
    EXPECT_TRUE(boxes.boxes().empty());

    // No heat of vaporisation in the records: each call shows the boxes of both components.
    boxes->allowUnscripted(true);
    s.DHVW(T, r);
    const size_t shown = boxes.boxes().size();
    ASSERT_GT(shown, 0u);
    s.DHVW(T, r);
    EXPECT_EQ(boxes.boxes().size(), 2 * shown);
}

// Critical temperatures 500 and 600 K: the pseudo-critical temperature is the critical-volume
// weighted Tcm = sum phi_i Tc_i, and each density is taken at T Tc_i / Tcm, not at T.
TEST_F(LiquidMixture, DensityTakesEachComponentAtTheReducedTemperatureOfTheMixture) {
    latka(2).point(1, 0.05f).point(2, 500.0f).point(4, 1e-4f).block(4, 1, {1200.0f, -1.0f});
    latka(3).point(1, 0.08f).point(2, 600.0f).point(4, 3e-4f).block(4, 1, {1000.0f, -0.8f});
    load({2, 3});
    const double x[] = {0.4, 0.6}, M[] = {0.05f, 0.08f}, Tc[] = {500.0, 600.0}, Vc[] = {1e-4f, 3e-4f};
    const double a[] = {1200.0, 1000.0}, b[] = {-1.0, -0.8f};
    const double T = 350.0;
    const double phi0 = x[0] * Vc[0] / (x[0] * Vc[0] + x[1] * Vc[1]);
    const double Tcm = phi0 * Tc[0] + (1.0 - phi0) * Tc[1];
    auto density = [&](double T0, double T1) {
        return (x[0] * M[0] + x[1] * M[1]) /
               (x[0] * M[0] / (a[0] + b[0] * T0) + x[1] * M[1] / (a[1] + b[1] * T1));
    };
    const double expected = density(T / Tcm * Tc[0], T / Tcm * Tc[1]);
    EXPECT_NEAR(s.ROLW(Variant(T), fractions({0.4, 0.6})).toDouble(), expected, 1e-10 * expected);
    // Taken at T itself the densities would give a value 0.6 kg/m3 away.
    const double atT = density(T, T);
    EXPECT_GT(std::fabs(expected - atT), 0.5);
}

// A condensate with a permanent gas dissolved in it, at a temperature far above the gas's
// critical one (126.2 K), where its density correlation (1 - T/Tc)^0.249 has a negative base.
// The viscosity and the surface tension take the gas's correlations where the mixture's
// density takes it, at its corresponding temperature T Tc_g / Tcm; the liquid stays at T.
// Nothing is raised in mode -1 and no box is shown.
TEST_F(LiquidMixture, ViscosityAndSurfaceTensionTakeASupercriticalGasAtItsCorrespondingTemperature) {
    const float Ml = 0.032f, Tcl = 500.0f, Vcl = 1.2e-4f, Mg = 0.028f, Tcg = 126.2f, Vcg = 9e-5f;
    const float rho0 = 1000.0f, drho = -0.5f, etal = 5e-4f, sigl = 0.02f;
    // The gas's viscosity and surface tension fall with temperature: taken at 0.98 Tc, as the
    // correlations take a temperature above it, they would be about a third lower.
    const float eta0 = 2e-4f, deta = -1e-6f, sig0 = 0.012f, dsig = -8e-5f;
    const float A[] = {68.2f, 0.25137f, 126.27f, 0.249f};
    latka(2).point(1, Ml).point(2, Tcl).point(4, Vcl).block(4, 1, {rho0, drho});
    latka(3).point(1, Mg).point(2, Tcg).point(4, Vcg).block(4, 15, {A[0], A[1], A[2], A[3]});
    constant(2, 5, etal);
    db.substance(3).block(5, 1, {eta0, deta});
    constant(2, 10, sigl);
    db.substance(3).block(10, 1, {sig0, dsig});
    load({2, 3});
    s.ChyboveHlasky(-1);
    const double T = 335.0, x[] = {0.95, 0.05};
    const VArray r = fractions({0.95, 0.05});

    const double phil = x[0] * Vcl / (x[0] * Vcl + x[1] * Vcg);
    const double Tcm = phil * Tcl + (1.0 - phil) * Tcg;
    auto liquid = [&](double t) { return rho0 + double{drho} * t; };
    auto gas = [&](double t) {
        return A[0] / std::pow(double{A[1]}, 1.0 + std::pow(1.0 - t / A[2], double{A[3]}));
    };
    const double Tg = T / Tcm * Tcg;
    const double rhog = gas(Tg);
    const double etag = eta0 + double{deta} * Tg, sigg = sig0 + double{dsig} * Tg;
    const double Mm = x[0] * Ml + x[1] * Mg;
    const double rhoMix = Mm / (x[0] * Ml / liquid(T / Tcm * Tcl) + x[1] * Mg / rhog);
    const double etaMix =
        std::exp(x[0] * std::log(etal * double{Ml} / liquid(T)) + x[1] * std::log(etag * Mg / rhog)) *
        rhoMix / Mm;
    const double sigMix = std::pow(
        (x[0] * std::pow(double{sigl}, 0.25) / liquid(T) + x[1] * std::pow(sigg, 0.25) / rhog) * rhoMix, 4.0);

    EXPECT_NEAR(s.ROLW(Variant(T), r).toDouble(), rhoMix, 1e-10 * rhoMix);
    EXPECT_NEAR(s.ETAL(Variant(T), r).toDouble(), etaMix, 1e-10 * etaMix);
    EXPECT_NEAR(s.SIGMA(Variant(T), r).toDouble(), sigMix, 1e-10 * sigMix);
    EXPECT_TRUE(boxes.boxes().empty());
}

// ln(eta V) sums x_i ln A over every component, where A is the last eta_i V_i formed: a
// component at or below 1e-6 adds its fraction times the logarithm of the previous one's.
TEST_F(LiquidMixture, ViscosityGivesAComponentBelowTheThresholdTheLastEtaV) {
    const float Mf[] = {0.02f, 0.05f, 0.2f}, rhof[] = {800.0f, 700.0f, 600.0f},
                etaf[] = {2e-3f, 3e-3f, 4e-3f};
    for (int k = 0; k < 3; ++k) {
        const int16_t n = static_cast<int16_t>(k + 2);
        latka(n).point(1, Mf[k]).point(2, 600.0f).point(4, 1e-4f);
        constant(n, 4, rhof[k]);
        constant(n, 5, etaf[k]);
    }
    load({2, 3, 4});
    const double x[] = {0.5, 0.5, 5e-7};
    const double M[] = {Mf[0], Mf[1], Mf[2]}, rho[] = {rhof[0], rhof[1], rhof[2]},
                 eta[] = {etaf[0], etaf[1], etaf[2]};
    const double A0 = eta[0] * M[0] / rho[0], A1 = eta[1] * M[1] / rho[1];
    const double S = x[0] * std::log(A0) + x[1] * std::log(A1) + x[2] * std::log(A1);
    const double Mm = x[0] * M[0] + x[1] * M[1] + x[2] * M[2];
    // The density leaves the third component out of the molar volume but not out of M.
    const double rhoMix = Mm / (x[0] * M[0] / rho[0] + x[1] * M[1] / rho[1]);
    const double expected = std::exp(S) * rhoMix / Mm;
    EXPECT_NEAR(s.ETAL(Variant(300.0), fractions({0.5, 0.5, 5e-7})).toDouble(), expected, 1e-11 * expected);
}

TEST_F(LiquidMixture, ConductivityTakesAtLeast1e6ForAComponent) {
    latka(2).point(1, 0.02f).point(2, 600.0f);
    latka(3).point(1, 0.05f).point(2, 600.0f);
    constant(2, 6, 0.5f);
    constant(3, 6, 0.0f);
    load({2, 3});
    const double Mm = 0.5 * static_cast<double>(0.02f) + 0.5 * static_cast<double>(0.05f);
    const double S =
        static_cast<double>(0.02f) * 0.5 / 0.25 + static_cast<double>(0.05f) * 0.5 / (1e-6 * 1e-6);
    const double expected = std::sqrt(Mm / S);
    EXPECT_NEAR(s.ALAL(Variant(300.0), fractions({0.5, 0.5})).toDouble(), expected, rel(expected));
}

// ---- One component ----------------------------------------------------------------------

struct PureCase {
    const char* name;
    int16_t Nvl;
    std::function<Variant(kwelar::Smes&, const Variant&, const VArray&)> member;
};
void PrintTo(const PureCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class OneComponent : public LiquidMixture, public ::testing::WithParamInterface<PureCase> {};

// Density, viscosity and surface tension of one component are its correlation at T, without
// looking at the fractions at all: a fraction 0.3 or 0, or an array without elements, alike.
TEST_P(OneComponent, GivesThePureCorrelationValueWhateverTheFractions) {
    const PureCase& c = GetParam();
    latka(3).point(1, 0.086f).point(2, 507.6f).point(4, 3.7e-4f).block(c.Nvl, 1, {0.5f, 1e-3f});
    load({3});
    const double T = 320.0;
    const double expected = static_cast<double>(0.5f) + static_cast<double>(1e-3f) * T;
    for (const VArray& r : {fractions({1.0}), fractions({0.3}), fractions({0.0}), VArray()}) {
        const Variant y = c.member(s, Variant(T), r);
        ASSERT_EQ(y.type(), VarType::Double) << c.name;
        EXPECT_NEAR(y.toDouble(), expected, rel(expected)) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Members, OneComponent,
    ::testing::Values(
        PureCase{"ROLW", 4, [](kwelar::Smes& s, const Variant& T, const VArray& r) { return s.ROLW(T, r); }},
        PureCase{"ETAL", 5, [](kwelar::Smes& s, const Variant& T, const VArray& r) { return s.ETAL(T, r); }},
        PureCase{"SIGMA", 10,
                 [](kwelar::Smes& s, const Variant& T, const VArray& r) { return s.SIGMA(T, r); }}),
    [](const ::testing::TestParamInfo<PureCase>& info) { return std::string(info.param.name); });

// ---- Sums over the components -----------------------------------------------------------

// Heat capacity sums over every component; vapour pressure (Raoult's law for an ideal
// solution, P = sum x_i P_i) only over fractions above 1e-6.
TEST_F(LiquidMixture, HeatCapacityTakesEveryComponentAndVapourPressureThoseAbove1e6) {
    const float M[] = {0.018f, 0.046f, 0.1f}, cp[] = {75.0f, 140.0f, 1000.0f},
                P[] = {3000.0f, 20000.0f, 1e6f};
    for (int k = 0; k < 3; ++k) {
        const int16_t n = static_cast<int16_t>(k + 2);
        latka(n).point(1, M[k]).point(2, 600.0f);
        constant(n, 7, cp[k]);
        constant(n, 9, P[k]);
    }
    load({2, 3, 4});
    const VArray r = fractions({0.5, 0.5, 1e-6});
    const Variant T(300.0);
    const double Cp = 0.5 * cp[0] + 0.5 * cp[1] + 1e-6 * cp[2];
    const double Mm = 0.5 * M[0] + 0.5 * M[1] + 1e-6 * M[2];
    EXPECT_NEAR(s.CPL(T, r).toDouble(), Cp, rel(Cp));
    EXPECT_NEAR(s.CPLW(T, r).toDouble(), Cp / Mm, rel(Cp / Mm));
    EXPECT_NEAR(s.TENS(T, r).toDouble(), 0.5 * 3000.0 + 0.5 * 20000.0, rel(11500.0));
}

// A component at or above its critical temperature has no heat of vaporisation: it is left
// out and the others keep their fractions (no renormalising).
TEST_F(LiquidMixture, HeatOfVaporisationLeavesOutAComponentAboveItsCriticalTemperature) {
    latka(2).point(1, 0.018f).point(2, 600.0f);
    latka(3).point(1, 0.03f).point(2, 350.0f);
    latka(4).point(1, 0.05f).point(2, 600.0f);
    constant(2, 8, 40000.0f);
    constant(3, 8, 30000.0f);
    constant(4, 8, 20000.0f);
    load({2, 3, 4});
    const VArray r = fractions({0.5, 0.3, 1e-6});
    const double Mm = 0.5 * static_cast<double>(0.018f) + 0.3 * static_cast<double>(0.03f) +
                      1e-6 * static_cast<double>(0.05f);
    EXPECT_NEAR(s.DHV(Variant(400.0), r).toDouble(), 0.5 * 40000.0, rel(20000.0));
    EXPECT_NEAR(s.DHVW(Variant(400.0), r).toDouble(), 20000.0 / Mm, rel(20000.0 / Mm));
    EXPECT_NEAR(s.DHV(Variant(300.0), r).toDouble(), 0.5 * 40000.0 + 0.3 * 30000.0, rel(29000.0));
    EXPECT_NEAR(s.DHV(Variant(350.0), r).toDouble(), 0.5 * 40000.0, rel(20000.0)) << "at Tc itself";
}

// H = integral of Cp dT and S = integral of Cp / T dT from the normal boiling point Tnb,
// for Cp = a1 + a2 T + a3 T^2:
//   H = a1 (T - Tnb) + a2 / 2 (T^2 - Tnb^2) + a3 / 3 (T^3 - Tnb^3)
//   S = a1 ln(T / Tnb) + a2 (T - Tnb) + a3 / 2 (T^2 - Tnb^2)
// A component whose heat capacity is not a polynomial adds nothing.
TEST_F(LiquidMixture, EnthalpyAndEntropyIntegrateAPolynomialHeatCapacityFromTheNormalBoilingPoint) {
    latka(2).point(1, 0.05f).point(2, 600.0f).point(15, 350.0f).block(7, 2, {50.0f, 0.1f, 2e-4f});
    latka(3).point(1, 0.08f).point(2, 600.0f).point(15, 330.0f).block(7, 6, {5.0f, -100.0f, 10.0f});
    load({2, 3});
    const VArray r = fractions({0.6, 0.4});
    const double a1 = 50.0f, a2 = 0.1f, a3 = 2e-4f, Tb = 350.0, T = 400.0;
    const double H = 0.6 * (a1 * (T - Tb) + a2 / 2 * (T * T - Tb * Tb) + a3 / 3 * (T * T * T - Tb * Tb * Tb));
    const double S = 0.6 * (a1 * std::log(T / Tb) + a2 * (T - Tb) + a3 / 2 * (T * T - Tb * Tb));
    const double Mm = 0.6 * static_cast<double>(0.05f) + 0.4 * static_cast<double>(0.08f);
    EXPECT_NEAR(s.HL(Variant(T), r).toDouble(), H, rel(H));
    EXPECT_NEAR(s.SL(Variant(T), r).toDouble(), S, rel(S));
    EXPECT_NEAR(s.HLW(Variant(T), r).toDouble(), H / Mm, rel(H / Mm));
    EXPECT_NEAR(s.SLW(Variant(T), r).toDouble(), S / Mm, rel(S / Mm));
    EXPECT_EQ(s.HL(Variant(Tb), r).toDouble(), 0.0);
    EXPECT_EQ(s.SL(Variant(Tb), r).toDouble(), 0.0);
}

// For a density linear in T, rho = a + b T, the backward difference over 3 K is exact:
// beta = (rho(T - 3) - rho(T)) / (3 rho(T)) = -b / (a + b T), positive when b < 0.
TEST_F(LiquidMixture, ExpansionCoefficientIsTheBackwardDifferenceOfTheDensity) {
    latka(3).point(1, 0.086f).point(2, 507.6f).block(4, 1, {947.0f, -0.98f});
    load({3});
    const double a = 947.0f, b = -0.98f, T = 320.0;
    const double expected = -b / (a + b * T);
    const double beta = s.ObjRozL(Variant(T), fractions({1.0})).toDouble();
    EXPECT_GT(beta, 0.0);
    EXPECT_NEAR(beta, expected, 1e-9 * expected);
}

// ---- Errors -----------------------------------------------------------------------------

using Member = std::function<Variant(kwelar::Smes&, const Variant& T, const VArray& r)>;

struct ReportedCase {
    const char* name;
    Member member;
};
void PrintTo(const ReportedCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class ReportedLiquidError : public LiquidMixture, public ::testing::WithParamInterface<ReportedCase> {
protected:
    void SetUp() override {
        for (const int16_t n : {int16_t{2}, int16_t{3}})
            latka(n)
                .point(1, 0.05f)
                .point(2, 600.0f)
                .point(4, 1e-4f)
                .point(15, 350.0f)
                .block(7, 1, {50.0f, 0.1f});
        load({2, 3});
    }
    // A composition array holding only element 1 of the two components: error 9 inside.
    VArray shortArray = VArray(0, 1);
};

// A run-time error inside a member with an error handler: in mode 0 (and 2) an empty result
// and no box (the error's number is positive); in mode -1 the error ChybaVypoctu whose
// source names the member and T with one decimal, rounded half away from zero.
TEST_P(ReportedLiquidError, IsEmptyInModes0And2AndRaisedWithItsSourceInModeMinus1) {
    const ReportedCase& c = GetParam();
    shortArray(1) = Variant(0.5);
    const Variant T(312.25);
    for (const int16_t mode : {int16_t{0}, int16_t{2}}) {
        s.ChyboveHlasky(mode);
        EXPECT_TRUE(c.member(s, T, shortArray).isEmpty()) << c.name << " mode " << mode;
    }
    s.ChyboveHlasky(-1);
    try {
        c.member(s, T, shortArray);
        ADD_FAILURE() << c.name << " raised nothing";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), kwelar::ChybaVypoctu);
        EXPECT_EQ(e.source(), std::string("KWELAR - ") + c.name + "; T(K)= 312.3");
        EXPECT_EQ(e.description(), "Chyba při výpočtu vlastnosti!");
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

#define LIQUID_MEMBER(name)                                                                                  \
    ReportedCase {                                                                                           \
#name, [](kwelar::Smes & s, const Variant& T, const VArray& r) { return s.name(T, r); }              \
    }

INSTANTIATE_TEST_SUITE_P(Members, ReportedLiquidError,
                         ::testing::Values(LIQUID_MEMBER(ROLW), LIQUID_MEMBER(ETAL), LIQUID_MEMBER(ALAL),
                                           LIQUID_MEMBER(SIGMA), LIQUID_MEMBER(SL), LIQUID_MEMBER(TENS)),
                         [](const ::testing::TestParamInfo<ReportedCase>& info) {
                             return std::string(info.param.name);
                         });

#undef LIQUID_MEMBER

// Members without a handler pass the error on unchanged, in mode -1 too.
TEST_F(LiquidMixture, MembersWithoutAHandlerPassTheErrorOn) {
    for (const int16_t n : {int16_t{2}, int16_t{3}})
        latka(n).point(1, 0.05f).point(2, 600.0f);
    load({2, 3});
    VArray shortArray(0, 1);
    const Variant T(300.0);
    for (const int16_t mode : {int16_t{0}, int16_t{-1}}) {
        s.ChyboveHlasky(mode);
        EXPECT_RUNTIME_ERROR(s.CPL(T, shortArray), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(s.DHV(T, shortArray), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(s.HL(T, shortArray), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(s.DHVW(T, shortArray), platform::err::Subscript);
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

// The per-kilogram members of an empty mixture divide 0 by 0.
TEST_F(LiquidMixture, PerKilogramMembersOfAnEmptyMixtureFailWithOverflow) {
    const VArray r = fractions({});
    const Variant T(300.0);
    EXPECT_RUNTIME_ERROR(s.CPLW(T, r), platform::err::Overflow);
    EXPECT_RUNTIME_ERROR(s.DHVW(T, r), platform::err::Overflow);
    EXPECT_RUNTIME_ERROR(s.HLW(T, r), platform::err::Overflow);
    EXPECT_TRUE(s.ROLW(T, r).isEmpty()) << "Tcm = 0: T / Tcm is reported";
}

} // namespace
