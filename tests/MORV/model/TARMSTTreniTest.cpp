#include "PressureDropSupport.h"
#include "TestSupport.h"

#include "MORV/model/TARMST.h"
#include "Platform/RunTimeError.h"

#include <cmath>

using morv::TARMST;
using platform::Variant;
using pressuredrop::colebrookRounded;
using pressuredrop::colebrookWhite;

namespace {

double hltr(double Re, double d, double eps) {
    TARMST model;
    return model.HLTR(Variant(Re), Variant(d), Variant(eps)).toDouble();
}
double hltu1(double Re, double d, double eps) {
    TARMST model;
    return model.HLTU1(Variant(Re), Variant(d), Variant(eps)).toDouble();
}

} // namespace

// Hagen-Poiseuille: lambda = 64 / Re in laminar flow, up to just below 2200.
TEST(FrictionFactor, LaminarFlowFollowsHagenPoiseuille) {
    for (double re : {1.0, 1000.0, 2199.99})
        EXPECT_DOUBLE_EQ(hltr(re, 0.02, 0.0), 64.0 / re) << re;
    EXPECT_DOUBLE_EQ(hltr(1000.0, 0.02, 0.0), 0.064);
    // A negative Reynolds number takes the laminar branch; zero divides by zero.
    EXPECT_DOUBLE_EQ(hltr(-1000.0, 0.02, 0.0), -0.064);
    EXPECT_RUNTIME_ERROR(hltr(0.0, 0.02, 0.0), platform::err::DivisionByZero);
}

// The transition zone is the straight line from 0.0291 at 2200 (not 64/2200 = 0.029091)
// to the Colebrook value at 4000.
TEST(FrictionFactor, TransitionIsTheLineFrom0p0291ToTheColebrookValueAt4000) {
    for (double eps : {0.0, 0.0001}) {
        const double at4000 = hltu1(4000.0, 0.02, eps);
        EXPECT_EQ(hltr(2200.0, 0.02, eps), 0.0291);
        EXPECT_NEAR(hltr(3100.0, 0.02, eps), (0.0291 + at4000) / 2.0, 1e-15);
        EXPECT_NEAR(hltr(2650.0, 0.02, eps), 0.0291 + 0.25 * (at4000 - 0.0291), 1e-15);
        EXPECT_NEAR(hltr(3999.999, 0.02, eps), at4000, 1e-8);
        EXPECT_EQ(hltr(4000.0, 0.02, eps), at4000);
    }
}

struct ColebrookCase {
    double Re;
    double k; // relative roughness EPS / d
};
void PrintTo(const ColebrookCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class Colebrook : public ::testing::TestWithParam<ColebrookCase> {};

// The turbulent friction factor solves the Colebrook equation: within 1e-4 of the equation
// with the exact 2/ln 10, and within 1e-8 of the same equation with 2/ln 10 rounded to 0.8686
// (which moves the fifth digit), both solved here by bisection.
TEST_P(Colebrook, TurbulentFrictionSolvesTheColebrookEquation) {
    const auto [re, k] = GetParam();
    const double d = 0.02;
    const double lambda = hltr(re, d, k * d);
    EXPECT_NEAR(lambda, colebrookWhite(re, k), 1e-4 * colebrookWhite(re, k));
    EXPECT_NEAR(lambda, colebrookRounded(re, k), 1e-8 * lambda);
    EXPECT_EQ(lambda, hltu1(re, d, k * d));
}

INSTANTIATE_TEST_SUITE_P(SmoothAndRoughTubes, Colebrook,
                         ::testing::Values(ColebrookCase{4000.0, 0.0}, ColebrookCase{1e4, 0.0},
                                           ColebrookCase{1e5, 0.0}, ColebrookCase{4000.0, 0.001},
                                           ColebrookCase{1e4, 0.001}, ColebrookCase{1e5, 0.001},
                                           ColebrookCase{4000.0, 0.005}, ColebrookCase{1e4, 0.005},
                                           ColebrookCase{1e5, 0.005}));

// Values of the Moody chart at the precision of the model's constants.
TEST(FrictionFactor, MoodyChartValues) {
    EXPECT_NEAR(hltu1(4000.0, 0.02, 0.0), 0.03991, 5e-6);
    EXPECT_NEAR(hltu1(4000.0, 0.02, 0.0001), 0.04470, 5e-6);
    EXPECT_NEAR(hltu1(100000.0, 0.02, 0.0), 0.01799, 5e-6);
}

// At Re = 1e12 the first Newton value from lambda = 0.1 falls below zero; the iteration
// starts again from sqrt(lambda) = 0.0001 and still reaches the root.
TEST(FrictionFactor, NewtonValueBelowZeroRestartsFromATinyFrictionFactor) {
    const double lambda = hltu1(1e12, 0.02, 0.0);
    EXPECT_NEAR(lambda, colebrookRounded(1e12, 0.0), 1e-8 * lambda);
}

// Arguments without a turbulent solution: the iteration ends with an error, never with a
// number. A cycle (Re = -500, relative roughness 0.1) stops after 100 passes with error 6
// from "HLTU1"; a logarithm of zero or less is error 5; Re = 0 divides by zero.
TEST(FrictionFactor, IterationWithoutSolutionEndsWithAnError) {
    TARMST model;
    try {
        model.HLTU1(Variant(-500.0), Variant(1.0), Variant(0.1));
        ADD_FAILURE() << "no error raised";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), platform::err::Overflow);
        EXPECT_EQ(e.source(), "HLTU1");
    }
    EXPECT_RUNTIME_ERROR(hltu1(4000.0, 1.0, -1.0), platform::err::InvalidCall);
    EXPECT_RUNTIME_ERROR(hltu1(0.0, 0.02, 0.0), platform::err::DivisionByZero);
}
