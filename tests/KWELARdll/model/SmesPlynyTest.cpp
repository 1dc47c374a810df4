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

using GasMixture = kwelartest::MixtureFixture;

// Methane-like and oxygen-dimer-like gases: M 0.016 and 0.064 kg/mol (sqrt(M) 1 : 2),
// viscosity 1e-5 and 2e-5 Pa.s, conductivity 0.03 and 0.01 W/m/K, equimolar.
class GasBinary : public GasMixture {
protected:
    void SetUp() override {
        latka(2).point(1, 0.016f).point(2, 190.0f);
        latka(3).point(1, 0.064f).point(2, 300.0f);
        constant(2, 1, 1e-5f);
        constant(3, 1, 2e-5f);
        constant(2, 3, 0.03f);
        constant(3, 3, 0.01f);
        constant(2, 2, 35.0f);
        constant(3, 2, 29.0f);
        load({2, 3});
    }
    const VArray r = fractions({0.5, 0.5});
    const Variant T{300.0};
};

// Herning and Zipperer: eta = sum x_i eta_i sqrt(M_i) / sum x_i sqrt(M_i)
// = (1e-5 + 2 * 2e-5) / (1 + 2) = 1.666667e-5 Pa.s.
TEST_F(GasBinary, ViscosityWeighsTheComponentsBySquareRootOfMolarMass) {
    const double eta = s.ETAG(T, r).toDouble();
    EXPECT_NEAR(eta, 1.666667e-5, 5e-12);
    const double M[] = {0.016f, 0.064f}, e[] = {1e-5f, 2e-5f};
    const double expected = (0.5 * e[0] * std::sqrt(M[0]) + 0.5 * e[1] * std::sqrt(M[1])) /
                            (0.5 * std::sqrt(M[0]) + 0.5 * std::sqrt(M[1]));
    EXPECT_NEAR(eta, expected, 1e-12 * expected);
}

// Wassiljewa's equation lambda = sum x_i lambda_i / (x_i + sum_(j != i) x_j Phi_ij) with
// Wilke's coefficient
//   Phi_ij = 0.35355 (1 + (eta_i / eta_j)^(1/2) (M_j / M_i)^(1/4))^2 / (1 + M_i / M_j)^(1/2),
// the constant 0.35355 (not the exact 1/sqrt(8)) and M_i / M_j held in single precision.
double wassiljewa(const float (&M)[2], const double (&eta)[2], const double (&lam)[2], const double (&x)[2]) {
    auto phi = [&](int i, int j) {
        const double a = 1.0 + std::sqrt(eta[i] / eta[j]) * std::pow(static_cast<double>(M[j]) / M[i], 0.25);
        const float ratio = M[i] / M[j];
        return 0.35355 * a * a / std::sqrt(1.0 + ratio);
    };
    const double D0 = x[0] + x[1] * phi(0, 1);
    const double D1 = x[1] + x[0] * phi(1, 0);
    return x[0] * lam[0] / D0 + x[1] * lam[1] / D1;
}

TEST_F(GasBinary, ConductivityFollowsWassiljewaWithWilkesCoefficients) {
    const double expected = wassiljewa({0.016f, 0.064f}, {1e-5f, 2e-5f}, {0.03f, 0.01f}, {0.5, 0.5});
    EXPECT_NEAR(s.ALAG(T, r).toDouble(), expected, 1e-12 * expected);
    // Phi_12 = 4 * 0.35355 / sqrt(1.25), Phi_21 = 4 * 0.35355 / sqrt(5).
    EXPECT_NEAR(expected, 0.019371, 1e-6);
}

// Molar masses whose ratio is not exact in single precision (water and carbon dioxide).
TEST_F(GasMixture, ConductivityTakesTheRatioOfMolarMassesInSinglePrecision) {
    latka(2).point(1, 0.018015f).point(2, 647.1f);
    latka(3).point(1, 0.04401f).point(2, 304.1f);
    constant(2, 1, 1.0e-5f);
    constant(3, 1, 1.5e-5f);
    constant(2, 3, 0.019f);
    constant(3, 3, 0.0166f);
    load({2, 3});
    const double expected =
        wassiljewa({0.018015f, 0.04401f}, {1.0e-5f, 1.5e-5f}, {0.019f, 0.0166f}, {0.3, 0.7});
    EXPECT_NEAR(s.ALAG(Variant(400.0), fractions({0.3, 0.7})).toDouble(), expected, 1e-14 * expected);
}

// Equal molar masses and viscosities: Phi = 0.35355 * 4 / sqrt(2) = 0.99999..., so the
// conductivity is the mole-fraction average to about 1e-5.
TEST_F(GasMixture, ConductivityOfEqualMoleculesIsCloseToTheMoleFractionAverage) {
    for (const int16_t n : {int16_t{2}, int16_t{3}}) {
        latka(n).point(1, 0.028f).point(2, 130.0f);
        constant(n, 1, 1.8e-5f);
    }
    constant(2, 3, 0.026f);
    constant(3, 3, 0.018f);
    load({2, 3});
    const double average = 0.3 * static_cast<double>(0.026f) + 0.7 * static_cast<double>(0.018f);
    EXPECT_NEAR(s.ALAG(Variant(300.0), fractions({0.3, 0.7})).toDouble(), average, 2e-5 * average);
}

TEST_F(GasBinary, HeatCapacityIsTheMoleFractionAverage) {
    const double Cp = 0.5 * 35.0 + 0.5 * 29.0;
    const double Mm = 0.5 * static_cast<double>(0.016f) + 0.5 * static_cast<double>(0.064f);
    EXPECT_NEAR(s.CPG(T, r).toDouble(), Cp, 1e-12 * Cp);
    EXPECT_NEAR(s.CPGW(T, r).toDouble(), Cp / Mm, 1e-12 * Cp / Mm);
}

// Ideal-gas law rho = p M / (R T) with R = 8.314 J/mol/K: nitrogen, M = 0.028 kg/mol, at
// 1e5 Pa and 300 K: 2800 / 2494.2 = 1.12260 kg/m3.
TEST_F(GasMixture, DensityIsTheIdealGasLawWithR8314) {
    latka(2).point(1, 0.028f).point(2, 126.2f);
    latka(3).point(1, 0.044f).point(2, 304.1f);
    load({2});
    Variant T(300.0), p(1e5);
    EXPECT_NEAR(s.ROGW(T, p, fractions({1.0})).toDouble(), 1.12260, 5e-6);
    load({2, 3});
    const double M = 0.8 * static_cast<double>(0.028f) + 0.2 * static_cast<double>(0.044f);
    const double expected = 1e5 * M / (8.314 * 300.0);
    EXPECT_NEAR(s.ROGW(T, p, fractions({0.8, 0.2})).toDouble(), expected, 1e-12 * expected);
}

// One component: the conductivity is its own, whatever the fractions or the array; the
// viscosity is its own whatever a positive fraction (the weights cancel).
TEST_F(GasMixture, OneComponentGivesThePureValues) {
    latka(3).point(1, 0.044f).point(2, 304.1f).block(1, 1, {1e-6f, 5e-8f}).block(3, 1, {-0.007f, 8e-5f});
    load({3});
    const double T = 350.0;
    const double eta = static_cast<double>(1e-6f) + static_cast<double>(5e-8f) * T;
    const double lam = static_cast<double>(-0.007f) + static_cast<double>(8e-5f) * T;
    for (const VArray& r : {fractions({1.0}), fractions({0.3}), fractions({0.0}), VArray()}) {
        const Variant y = s.ALAG(Variant(T), r);
        ASSERT_EQ(y.type(), VarType::Double);
        EXPECT_NEAR(y.toDouble(), lam, 1e-12 * lam);
    }
    for (const double x : {1.0, 0.3})
        EXPECT_NEAR(s.ETAG(Variant(T), fractions({x})).toDouble(), eta, 1e-12 * eta);
}

// A component with the fraction 0 takes no part in the viscosity: its correlation is not
// even evaluated (a block of unknown type would show its box).
TEST_F(GasMixture, ViscosityIgnoresAComponentWithoutFraction) {
    latka(2).point(1, 0.016f).point(2, 190.0f);
    latka(3).point(1, 0.064f).point(2, 300.0f).block(1, 0, {}, 1);
    constant(2, 1, 1.1e-5f);
    load({2, 3});
    EXPECT_NEAR(s.ETAG(Variant(300.0), fractions({0.7, 0.0})).toDouble(), static_cast<double>(1.1e-5f),
                1e-17);
    EXPECT_TRUE(boxes.boxes().empty());
}

// A gas viscosity of 0 divides by zero in Phi: no box in mode 0 (the number is positive) and
// an empty result; in mode -1 ChybaVypoctu with the member and T in its source.
TEST_F(GasMixture, ZeroViscosityInConductivityIsReportedThroughTheHandler) {
    latka(2).point(1, 0.016f).point(2, 190.0f);
    latka(3).point(1, 0.064f).point(2, 300.0f);
    constant(2, 1, 1e-5f);
    constant(3, 1, 0.0f);
    load({2, 3});
    const VArray r = fractions({0.5, 0.5});
    EXPECT_TRUE(s.ALAG(Variant(300.0), r).isEmpty());
    s.ChyboveHlasky(-1);
    try {
        s.ALAG(Variant(300.0), r);
        ADD_FAILURE() << "no error raised";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), kwelar::ChybaVypoctu);
        EXPECT_EQ(e.source(), "KWELAR - ALAG; T(K)= 300.0");
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

struct ReportedCase {
    const char* name;
    std::function<Variant(kwelar::Smes&, const VArray& r)> member;
    const char* source;
};
void PrintTo(const ReportedCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class ReportedGasError : public GasMixture, public ::testing::WithParamInterface<ReportedCase> {
protected:
    void SetUp() override {
        for (const int16_t n : {int16_t{2}, int16_t{3}})
            latka(n).point(1, 0.03f).point(2, 300.0f).block(1, 1, {1e-5f}).block(3, 1, {0.02f});
        load({2, 3});
    }
};

// Viscosity and conductivity with an array shorter than the mixture, and the density at 0 K:
// empty in modes 0 and 2, ChybaVypoctu with the member's source in mode -1, never a box.
TEST_P(ReportedGasError, IsEmptyInModes0And2AndRaisedWithItsSourceInModeMinus1) {
    const ReportedCase& c = GetParam();
    VArray shortArray(0, 1);
    shortArray(1) = Variant(0.5);
    for (const int16_t mode : {int16_t{0}, int16_t{2}}) {
        s.ChyboveHlasky(mode);
        EXPECT_TRUE(c.member(s, shortArray).isEmpty()) << c.name << " mode " << mode;
    }
    s.ChyboveHlasky(-1);
    try {
        c.member(s, shortArray);
        ADD_FAILURE() << c.name << " raised nothing";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), kwelar::ChybaVypoctu);
        EXPECT_EQ(e.source(), c.source);
        EXPECT_EQ(e.description(), "Chyba při výpočtu vlastnosti!");
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Members, ReportedGasError,
    ::testing::Values(
        ReportedCase{"ETAG", [](kwelar::Smes& s, const VArray& r) { return s.ETAG(Variant(298.15), r); },
                     "KWELAR - ETAG; T(K)= 298.2"},
        ReportedCase{"ALAG", [](kwelar::Smes& s, const VArray& r) { return s.ALAG(Variant(298.15), r); },
                     "KWELAR - ALAG; T(K)= 298.2"},
        ReportedCase{"ROGW",
                     [](kwelar::Smes& s, const VArray&) {
                         return s.ROGW(Variant(0.0), Variant(101325.5), fractions({0.5, 0.5}));
                     },
                     "KWELAR - ROGW; T(K)= 0.0 ,P(Pa)= 101326"}),
    [](const ::testing::TestParamInfo<ReportedCase>& info) { return std::string(info.param.name); });

TEST_F(GasMixture, HeatCapacityPassesErrorsOnAndPerKilogramOfAnEmptyMixtureOverflows) {
    EXPECT_RUNTIME_ERROR(s.CPGW(Variant(300.0), fractions({})), platform::err::Overflow);
    for (const int16_t n : {int16_t{2}, int16_t{3}})
        latka(n).point(1, 0.03f).point(2, 300.0f);
    load({2, 3});
    s.ChyboveHlasky(-1);
    EXPECT_RUNTIME_ERROR(s.CPG(Variant(300.0), VArray(0, 1)), platform::err::Subscript);
}

} // namespace
