// The design solve: on a steam condenser with fixed coefficients, whose solution follows from
// a few lines of arithmetic, and on the sample tasks with the substance database of this build.
// The sample task: methanol vapour condensing at 1 atm in the shell of a horizontal exchanger, cooling
// water heated from 20 to 30 °C in four passes; the unknowns are the water flow, the duty and
// the area. The vertical task: methanol condensing at 1 atm in 200 vertical tubes, cooling
// water at 3 bar in the shell.

#include "BuiltDatabaseSupport.h"
#include "SteamCondenser.h"
#include "TestSupport.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "MORV/model/DesignSolve.h"
#include "MORV/model/ProgramState.h"
#include "MORV/model/TaskCommands.h"
#include "Platform/RunTimeError.h"
#include "RalvoC1/numeric/Ralvo.h"

#include <array>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

using morv::DesignSolveKind;
using morv::DesignSolveStatus;
using morv::program;
using morvtest::f32;
using morvtest::FixtureProperties;
using platform::Variant;
using platform::VArray;

namespace {

//! The residuals [W] of the program's condensation model at the model's vector m.xx(1..8),
//! evaluated directly.
VArray residualsAt(const morv::TARMST& m) {
    VArray x(0, 9), FF(0, 3), z(0, 10);
    for (int16_t i = 1; i <= 8; ++i)
        x(i) = m.xx(i);
    Variant N(int16_t{3});
    program().Kondenzator().FUN(x, FF, N, z);
    return FF;
}

class DesignSolve : public morvtest::SteamCondenser {
protected:
    //! The solution of the steam condenser with the unknowns water flow, duty and area, from
    //! the balances and the rate equation written out: the steam's heat Q = m (h_fg +
    //! cp_v (t_in - t_dew)) + m cp_l (t_dew - t_out), the water m_w = Q / (cp_w (30 - 20)) and
    //! the area A = Q / (k LMTD), LMTD = 10 / ln((Tc - 20) / (Tc - 30)).
    struct Solution {
        double Q, mWater, area;
    };
    static Solution expected() {
        const double Tdew = dewPoint();
        const double Q = 1.0 * (hfg + cpSteam * (100.0 - Tdew)) + 1.0 * cpCondensate * (Tdew - 95.0);
        const double lmtd = 10.0 / std::log((Tdew - 20.0) / (Tdew - 30.0));
        return {Q, Q / (cpWater * 10.0), Q / (overallCoefficient(wallConductance()) * lmtd)};
    }
    static VArray residualsAtTheVector() { return residualsAt(he()); }
};

TEST_F(DesignSolve, StartValuesAreTheWallConductanceAndTheStartCoefficients) {
    morv::startCoefficients(he());
    EXPECT_NEAR(he().Alfakon.toDouble(), wallConductance(), 1e-9);
    EXPECT_EQ(he().Alfai0.toDouble(), 180.0);
    EXPECT_EQ(he().Alfao0.toDouble(), 150.0);
    EXPECT_EQ(he().Alfai.toDouble(), 180.0);
    EXPECT_EQ(he().Alfao.toDouble(), 150.0);
    // k of the start coefficients, the sum of the resistances in single precision.
    const double sum = 1.0 / he().Alfakon.toDouble() + 1.0 / 150.0 + f32(0.025) / f32(0.021) / 180.0;
    EXPECT_EQ(static_cast<float>(he().Kprostup), static_cast<float>(1.0 / f32(sum)));
}

TEST_F(DesignSolve, VectorHoldsTheFieldsWithTheDutyScaledAndTheTubeLengthOfTheArea) {
    he().Plocha = 12.0;
    morv::vectorFromFields(he());
    const double values[] = {0, 50.0, 1.0, 20.0, 100.0, 30.0, 95.0, 220.0, f32(12.0) / 100 / pi / f32(0.025)};
    for (int16_t i = 1; i <= 8; ++i)
        EXPECT_DOUBLE_EQ(he().xx(i).toDouble(), values[i]) << i;
}

struct UnknownsCase {
    std::vector<int16_t> flags;
    std::vector<int16_t> positions; //!< empty: the choice is refused
};
void PrintTo(const UnknownsCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class DesignUnknowns : public DesignSolve, public ::testing::WithParamInterface<UnknownsCase> {};

TEST_P(DesignUnknowns, AreThreeWithOneOnEachSideTheDutyCountingForBoth) {
    for (int16_t i = 0; i <= 7; ++i)
        he().IPOM(i, 0);
    for (int16_t i : GetParam().flags)
        he().IPOM(i, 1);
    const bool accepted = !GetParam().positions.empty();
    EXPECT_EQ(morv::unknownsChosenRightly(he()), accepted);
    VArray positions(0, 8);
    EXPECT_EQ(morv::unknownPositions(he(), positions), static_cast<int16_t>(GetParam().flags.size()));
    for (size_t j = 0; j < GetParam().positions.size(); ++j)
        EXPECT_EQ(positions(static_cast<int32_t>(j + 1)).toInteger(), GetParam().positions[j]);
    if (!accepted) {
        // Nothing of the model is touched.
        EXPECT_EQ(morv::designSolve(program()).status, DesignSolveStatus::WrongUnknowns);
        EXPECT_TRUE(he().Alfai.isEmpty());
        EXPECT_TRUE(he().xx(1).isEmpty());
        EXPECT_TRUE(program().Nezname(1).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(DesignSolve, DesignUnknowns,
                         ::testing::Values(UnknownsCase{{0, 6, 7}, {1, 7, 8}},
                                           UnknownsCase{{4, 6, 7}, {5, 7, 8}},
                                           UnknownsCase{{1, 3, 0}, {1, 2, 4}}, UnknownsCase{{0, 2, 4}, {}},
                                           UnknownsCase{{1, 3, 5}, {}}, UnknownsCase{{0, 1, 6, 7}, {}},
                                           UnknownsCase{{6, 7}, {}}));

struct ControlCase {
    int16_t method;
    double inerts;
    double Eps;
    double ALAM;
};
void PrintTo(const ControlCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class DesignControl : public DesignSolve, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(DesignControl, InertsDampTheSolveMoreAndLoosenItsTolerance) {
    k().MetodaP = GetParam().method;
    k().Xinert = GetParam().inerts;
    const morv::SolveControl c = morv::designSolveControl(Variant(0.4), k());
    EXPECT_EQ(c.Eps, GetParam().Eps);
    EXPECT_DOUBLE_EQ(c.ALAM.toDouble(), GetParam().ALAM);
}

INSTANTIATE_TEST_SUITE_P(
    DesignSolve, DesignControl,
    ::testing::Values(ControlCase{1, 0.0, 0.0005, 0.4}, ControlCase{2, 0.01, 0.0005, 0.4},
                      ControlCase{2, 0.05, 0.0005, 0.4 / 25}, ControlCase{1, 0.05, 0.0005, 0.4},
                      ControlCase{4, 0.02, 0.0005, 0.4 / 25}, ControlCase{1, 0.06, 0.0025, 0.4 / 45},
                      ControlCase{3, 0.06, 0.0025, 0.4 / 45}));

TEST_F(DesignSolve, ConvergesToTheBalancesAndTheRateEquation) {
    const morv::DesignSolveResult r = morv::designSolve(program());
    ASSERT_EQ(r.status, DesignSolveStatus::Solved);
    EXPECT_EQ(r.ID.toDouble(), 0.0);
    EXPECT_TRUE(r.converged());
    EXPECT_GT(r.iterations.toDouble(), 1.0);
    EXPECT_EQ(r.control.Eps, 0.0005);
    EXPECT_EQ(program().TlumAkt.toDouble(), 0.4);
    EXPECT_EQ(&k().he(), &he());
    const int16_t positions[] = {0, 1, 7, 8};
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(program().Nezname(i).toInteger(), positions[i]);

    // The solution, written back into the fields.
    const Solution s = expected();
    EXPECT_NEAR(he().Q, s.Q, 1e-3 * s.Q);
    EXPECT_NEAR(he().Tr().m(), s.mWater, 1e-3 * s.mWater);
    EXPECT_NEAR(he().Plocha, s.area, 1e-3 * s.area);
    EXPECT_NEAR(he().L, s.area / (100 * pi * f32(0.025)), 1e-3 * he().L);
    EXPECT_EQ(he().Tr().m(), he().xx(1).toDouble());
    for (int16_t i = 1; i <= 9; ++i)
        EXPECT_EQ(he().xx(i), program().VektorX(i)) << i;
    // The known quantities are kept.
    EXPECT_EQ(he().Pl().m(), 1.0);
    EXPECT_EQ(static_cast<float>(he().Ttrubo), 30.0f);
    // At the solution the residuals are a small part of the duty.
    const VArray FF = residualsAtTheVector();
    for (int i = 1; i <= 3; ++i)
        EXPECT_LT(std::fabs(FF(i).toDouble()), 1e-3 * s.Q) << i;
    // Both pressure drops follow a converged solve.
    EXPECT_GT(he().dPtr.toDouble(), 0.0);
    EXPECT_GT(he().dPpl.toDouble(), 0.0);
    // Nothing is left for the report of a failure.
    EXPECT_TRUE(program().Rezidua(1).isEmpty());
}

TEST_F(DesignSolve, CallersCheckComesAfterThePropertiesOfTheFieldsAndCanStopTheSolve) {
    int calls = 0;
    const morv::DesignSolveResult r = morv::designSolve(program(), DesignSolveKind::Calculation, [&] {
        ++calls;
        // The start values, the vector and the properties at the fields' temperatures.
        EXPECT_EQ(he().Alfai.toDouble(), 180.0);
        EXPECT_EQ(he().xx(1).toDouble(), 50.0);
        EXPECT_DOUBLE_EQ(he().Tplaststr.toDouble(), (100.0 + 95.0) / 2.0);
        EXPECT_DOUBLE_EQ(he().TrbP.toDouble(), dewPoint());
        // Nothing of the solve yet.
        EXPECT_TRUE(program().VektorX(1).isEmpty());
        return false;
    });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(r.status, DesignSolveStatus::Stopped);
    EXPECT_FALSE(r.converged());
    EXPECT_TRUE(program().VektorX(1).isEmpty());
    EXPECT_EQ(he().Tr().m(), 50.0);
}

TEST_F(DesignSolve, ShellOutletEstimateAboveTheDewPointIsLoweredToIt) {
    k().FyzVlast();
    he().Tplasto = 103.0;
    morv::designSolve(program(), DesignSolveKind::Calculation, [] {
        EXPECT_EQ(static_cast<float>(he().Tplasto), static_cast<float>(dewPoint()));
        EXPECT_EQ(he().xx(6).toDouble(), f32(dewPoint()));
        return false;
    });
    // Without a dew point of an earlier property calculation nothing is lowered.
    morv::resetProgram();
    SetUp();
    he().Tplasto = 103.0;
    morv::designSolve(program(), DesignSolveKind::Calculation, [] {
        EXPECT_EQ(static_cast<float>(he().Tplasto), 103.0f);
        return false;
    });
}

TEST_F(DesignSolve, IterationLimitLeavesTheResidualsAndTheLastVectorButNoPressureDrops) {
    program().MaxIter = 1;
    const morv::DesignSolveResult r = morv::designSolve(program());
    ASSERT_EQ(r.status, DesignSolveStatus::Solved);
    EXPECT_EQ(r.ID.toDouble(), 1.0);
    const VArray FF = residualsAtTheVector();
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(program().Rezidua(i).toDouble(), FF(i).toDouble()) << i;
    // The last iterate is written back all the same.
    EXPECT_EQ(he().Tr().m(), program().VektorX(1).toDouble());
    EXPECT_NE(he().Tr().m(), 50.0);
    EXPECT_TRUE(he().dPtr.isEmpty());
    EXPECT_TRUE(he().dPpl.isEmpty());
}

TEST_F(DesignSolve, AnalysisPointSolvesFromTheModelAsItStandsAndWritesItsPointBack) {
    ASSERT_TRUE(morv::designSolve(program()).converged());
    const double water = he().Tr().m();
    const double baseDrop = he().dPtr.toDouble();
    he().Alfai = 999.0;
    he().dPtr = Variant();
    // 1.2 kg/s of steam: 1.2 times the duty and the water.
    he().Pl().m(1.2);
    const morv::DesignSolveResult r = morv::designSolve(program(), DesignSolveKind::AnalysisPoint, [] {
        EXPECT_EQ(he().Alfai.toDouble(), 999.0);
        return true;
    });
    EXPECT_TRUE(r.converged());
    EXPECT_EQ(r.control.Eps, 0.001);
    EXPECT_EQ(r.control.ALAM.toDouble(), 0.5);
    EXPECT_EQ(program().TlumAkt.toDouble(), 0.4);
    const Solution s = expected();
    EXPECT_NEAR(he().xx(1).toDouble(), 1.2 * s.mWater, 2e-3 * s.mWater);
    EXPECT_NEAR(10000.0 * he().xx(7).toDouble(), 1.2 * s.Q, 2e-3 * s.Q);
    // The point's water flow is in the field, and its tube-side pressure drop is that of 1.2
    // times the water (turbulent: about 1.2^1.8 times the drop), not the base case's.
    EXPECT_EQ(he().Tr().m(), he().xx(1).toDouble());
    EXPECT_NE(he().Tr().m(), water);
    EXPECT_GT(he().dPtr.toDouble(), 1.3 * baseDrop);
}

TEST_F(DesignSolve, AnalysisPointComputesThePressureDropsAlsoWithoutConvergence) {
    ASSERT_TRUE(morv::designSolve(program()).converged());
    const double water = he().Tr().m();
    he().dPtr = Variant();
    he().dPpl = Variant();
    he().Pl().m(2.0);
    program().MaxIter = 1;
    const morv::DesignSolveResult r = morv::designSolve(program(), DesignSolveKind::AnalysisPoint);
    EXPECT_EQ(r.ID.toDouble(), 1.0);
    EXPECT_GT(he().dPtr.toDouble(), 0.0);
    EXPECT_GT(he().dPpl.toDouble(), 0.0);
    EXPECT_TRUE(program().Rezidua(1).isEmpty());
    // The last iterate stands in the fields, as the pressure drops used it.
    EXPECT_EQ(he().Tr().m(), he().xx(1).toDouble());
    EXPECT_NE(he().Tr().m(), water);
}

TEST_F(DesignSolve, PropertyErrorEndsTheSolveBeforeTheWriteBack) {
    // The steam's viscosity has a value at its mean temperature, not at the wall the
    // condensation coefficient asks for in the solve.
    shell->etag = [](double T) {
        if (T != 273.15 + 97.5) platform::raise(kwelar::ChybaVypoctu, "KWELAR - ETAG");
        return 1.2e-5;
    };
    EXPECT_RUNTIME_ERROR(morv::designSolve(program()), kwelar::ChybaVypoctu);
    EXPECT_EQ(he().Tr().m(), 50.0);
    EXPECT_EQ(static_cast<float>(he().Q), 2.2e6f);
}

TEST_F(DesignSolve, ResidualThatIsNotANumberIsAnErrorNeverAConvergedSolve) {
    // The latent heat has a value at the mean temperature, not at the dew point where the
    // condensation coefficient asks for it in the solve.
    shell->dhvw = [](double T) {
        return T == 273.15 + 97.5 ? hfg : std::numeric_limits<double>::quiet_NaN();
    };
    EXPECT_RUNTIME_ERROR(morv::designSolve(program()), platform::err::Overflow);
    EXPECT_EQ(he().Tr().m(), 50.0);
}

} // namespace

// ---- The sample tasks -----------------------------------------------------------------------

namespace {

// Published values the solution is checked against.
//! Isobaric heat capacity of water at 25 °C (IAPWS-95, Wagner & Pruss, J. Phys. Chem. Ref.
//! Data 31 (2002) 387) [J/kg/K].
constexpr double cpWater = 4181.0;
//! Molar mass of methanol [kg/mol].
constexpr double molarMassMethanol = 0.03204186;

//! Heat of vaporisation of methanol [J/kg] at T [K]: the DIPPR 106 correlation
//! C1 (1 - Tr)^C2, C1 = 5.239e7 J/kmol, C2 = 0.3682, Tc = 512.5 K (Perry's Chemical
//! Engineers' Handbook, 8th ed., Table 2-150); 35.25 kJ/mol at the normal boiling point.
double methanolLatentHeat(double T) {
    return 5.239e7 * std::pow(1.0 - T / 512.5, 0.3682) / 1000.0 / molarMassMethanol;
}

//! Heat capacity of liquid methanol [J/kg/K] at T [K]: the DIPPR 100 polynomial
//! 1.058e5 - 362.23 T + 0.9379 T² J/kmol/K (Perry's, Table 2-153).
double methanolLiquidHeatCapacity(double T) {
    return (1.058e5 - 362.23 * T + 0.9379 * T * T) / 1000.0 / molarMassMethanol;
}

using morvtest::sampleTask;
using morvtest::verticalTask;

class SampleTaskSolve : public morvtest::BuiltDatabase {
protected:
    void SetUp() override { load(sampleTask); }

    // The load command of the program: the task file, the stream types, the properties at
    // the fields' temperatures.
    void load(const char* task) {
        BuiltDatabase::SetUp();
        ASSERT_EQ(morv::loadTask(program(), morvtest::sampleTaskPath(task)), 0);
    }

    static morv::TARMMORV& k() { return program().Kondenzator(); }
    static morv::TARMST& he() { return program().Vymenik(); }

    //! The three unknowns of the last solve: water flow [kg/s], duty [W], area [m2].
    struct Unknowns {
        double water, Q, area;
    };
    static Unknowns unknowns() { return {he().Tr().m(), he().Q, he().Plocha}; }

    //! Solves and expects convergence without a box.
    void solve() {
        const morv::DesignSolveResult r = morv::designSolve(program());
        ASSERT_EQ(r.status, morv::DesignSolveStatus::Solved);
        ASSERT_EQ(r.ID.toDouble(), 0.0);
        EXPECT_TRUE(boxes.boxes().empty());
    }
};

TEST_F(SampleTaskSolve, SolutionSatisfiesBothBalancesAndTheRateEquation) {
    solve();
    morv::TARMST& m = he();
    const double Q = m.Q;

    // The residual function at the solution.
    const VArray FF = residualsAt(m);
    for (int i = 1; i <= 3; ++i)
        EXPECT_LT(std::fabs(FF(i).toDouble()), 1e-3 * Q) << i;

    // The cooling water takes the duty: m cp (30 - 20).
    EXPECT_NEAR(Q, m.Tr().m() * cpWater * (m.Ttrubo - m.Ttrubi), 0.005 * Q);
    // The methanol gives it up: 1 kg/s condensed, with the latent heat at the mean shell
    // temperature, and the condensate cooled from the dew point to 60 °C.
    const double dew = m.TrbP.toDouble();
    const double tMean = (m.Tplasti + m.Tplasto) / 2.0 + 273.15;
    const double condensation =
        m.Pl().m() * (methanolLatentHeat(tMean) + methanolLiquidHeatCapacity(tMean) * (dew - m.Tplasto));
    EXPECT_NEAR(Q, condensation, 0.005 * Q);
    // The area transfers it at the overall coefficient over the logarithmic mean difference
    // against the condensing temperature.
    const double lmtd = (m.Ttrubo - m.Ttrubi) / std::log((dew - m.Ttrubi) / (dew - m.Ttrubo));
    EXPECT_NEAR(Q, m.Kprostup * m.Plocha * lmtd, 0.005 * Q);
    EXPECT_NEAR(m.Plocha, m.Ntrub * 3.1415 * m.Dtrubo * m.L, 1e-3 * m.Plocha);

    // The pressure drops of the converged solve.
    EXPECT_GT(m.dPtr.toDouble(), 0.0);
    EXPECT_GT(m.dPpl.toDouble(), 0.0);
}

TEST_F(SampleTaskSolve, KeptBoilingPointsChangeNoDigitOfTheSolution) {
    solve();
    double solved[9] = {};
    for (int16_t i = 1; i <= 8; ++i)
        solved[i] = he().xx(i).toDouble();

    // The same solve step by step, every bubble and dew point asked of the library.
    SetUp();
    morv::ProgramState& s = program();
    morv::unknownPositions(he(), s.Nezname);
    morv::startCoefficients(he());
    morv::vectorFromFields(he());
    he().FyzVlast();
    for (int16_t i = 1; i <= 9; ++i)
        s.VektorX(i) = he().xx(i);
    Variant ID;
    const Variant three(int16_t{3});
    ralvo::Ralvo::app().Newton(k(), three, three, Variant(int16_t{8}), s.VektorX, s.Nezname, s.VektorZ, ID,
                               Variant(0.0005), Variant(0.4), Variant(int16_t{100}));
    ASSERT_EQ(ID.toDouble(), 0.0);
    for (int16_t i = 1; i <= 8; ++i)
        EXPECT_EQ(s.VektorX(i).toDouble(), solved[i]) << i;
}

TEST_F(SampleTaskSolve, OtherEstimatesReachTheSameUnknowns) {
    solve();
    const Unknowns first = unknowns();
    struct Estimate {
        double water, Q, area;
    };
    for (const Estimate& e : {Estimate{10.0, 5e5, 80.0}, Estimate{60.0, 2e6, 20.0}}) {
        SetUp();
        he().Tr().m(e.water);
        he().Q = e.Q;
        he().Plocha = e.area;
        solve();
        const Unknowns again = unknowns();
        EXPECT_NEAR(again.water, first.water, 1e-3 * first.water) << e.water;
        EXPECT_NEAR(again.Q, first.Q, 1e-3 * first.Q) << e.water;
        EXPECT_NEAR(again.area, first.area, 1e-3 * first.area) << e.water;
    }
}

TEST_F(SampleTaskSolve, InertsLowerTheShellCoefficientAndLengthenTheTubes) {
    solve();
    const double clean = he().Alfao.toDouble();
    const double cleanLength = he().L;
    const double cleanDuty = he().Q;
    SetUp();
    k().Xinert = 0.02;
    solve();
    EXPECT_LT(he().Alfao.toDouble(), clean);
    EXPECT_GT(he().L, cleanLength);
    // The duty is the methanol's either way.
    EXPECT_NEAR(he().Q, cleanDuty, 1e-3 * cleanDuty);
}

// Methanol vapour with 5 mol % nitrogen in the shell: the liquid properties of the condensate
// take the dissolved gas without a failure, so the solve converges without a box; the gas
// lowers the dew point and with it the driving difference, so the same duty needs a larger
// area.
TEST_F(SampleTaskSolve, MethanolWithNitrogenInTheShellConverges) {
    solve();
    const double cleanArea = he().Plocha;
    const double cleanDew = he().TrbP.toDouble();
    SetUp();
    kwelar::Smes& s = he().Pl().S();
    s.ZapisNslozky(1, morvtest::methanol);
    s.ZapisNslozky(2, morvtest::nitrogen);
    s.ZapisNslozky(3, 0);
    ASSERT_EQ(s.Inikwl().toInteger(), 2);
    const double x[] = {0.95, 0.05}, M[] = {32.04, 28.01};
    const double Mm = x[0] * M[0] + x[1] * M[1];
    for (int16_t i = 1; i <= 2; ++i) {
        he().Pl().Xm(i, x[i - 1]);
        he().Pl().Xh(i, x[i - 1] * M[i - 1] / Mm);
    }
    solve();
    EXPECT_LT(he().TrbP.toDouble(), cleanDew);
    EXPECT_GT(he().Plocha, cleanArea);
    const VArray FF = residualsAt(he());
    for (int i = 1; i <= 3; ++i)
        EXPECT_LT(std::fabs(FF(i).toDouble()), 1e-3 * he().Q) << i;
}

// ---- Every choice of unknowns -----------------------------------------------------------------

//! A sample task and three of its eight main quantities as the unknowns (IPOM indices).
struct UnknownsChoice {
    const char* task;
    std::array<int16_t, 3> flags;
};

void PrintTo(const UnknownsChoice& c, std::ostream* os) {
    *os << c.task << ", unknowns " << c.flags[0] << ' ' << c.flags[1] << ' ' << c.flags[2];
}

//! Every choice of three unknowns that the calculation accepts, for both tasks: one among
//! the tube-side quantities (IPOM 0, 2, 4) or the duty (6), one among the shell-side ones
//! (1, 3, 5) or the duty.
std::vector<UnknownsChoice> everyChoice() {
    const auto tubeSide = [](int16_t i) { return i == 0 || i == 2 || i == 4 || i == 6; };
    const auto shellSide = [](int16_t i) { return i == 1 || i == 3 || i == 5 || i == 6; };
    std::vector<UnknownsChoice> choices;
    for (const char* task : {sampleTask, verticalTask})
        for (int16_t a = 0; a <= 7; ++a)
            for (int16_t b = a + 1; b <= 7; ++b)
                for (int16_t c = b + 1; c <= 7; ++c)
                    if ((tubeSide(a) || tubeSide(b) || tubeSide(c)) &&
                        (shellSide(a) || shellSide(b) || shellSide(c)))
                        choices.push_back({task, {a, b, c}});
    return choices;
}

class EveryChoiceOfUnknowns : public SampleTaskSolve, public ::testing::WithParamInterface<UnknownsChoice> {
protected:
    void SetUp() override { load(GetParam().task); }

    //! Makes the choice's quantities the unknowns, their estimates off the task's values so
    //! that the solve has to move them: flows and duty a fifth up, the area a fifth down,
    //! temperatures 1 K lower.
    static void chooseUnknowns(const std::array<int16_t, 3>& flags) {
        morv::TARMST& m = he();
        for (int16_t i = 0; i <= 7; ++i)
            m.IPOM(i, 0);
        for (const int16_t i : flags) {
            m.IPOM(i, 1);
            switch (i) {
            case 0:
                m.Tr().m(1.2 * m.Tr().m());
                break;
            case 1:
                m.Pl().m(1.2 * m.Pl().m());
                break;
            case 2:
                m.Ttrubi = m.Ttrubi - 1.0;
                break;
            case 3:
                m.Tplasti = m.Tplasti - 1.0;
                break;
            case 4:
                m.Ttrubo = m.Ttrubo - 1.0;
                break;
            case 5:
                m.Tplasto = m.Tplasto - 1.0;
                break;
            case 6:
                m.Q = 1.2 * m.Q;
                break;
            default:
                m.Plocha = 0.8 * m.Plocha;
                break;
            }
        }
    }
};

// A converged solve satisfies the model's own equations: evaluated again at the fields it
// wrote back, the residuals are a vanishing part of the duty, and the coefficients are those
// the solve reported, whichever quantities were unknown (the condensing flow among them too).
TEST_P(EveryChoiceOfUnknowns, ConvergedSolveSatisfiesItsEquationsAtTheWrittenBackFields) {
    chooseUnknowns(GetParam().flags);
    ASSERT_TRUE(morv::unknownsChosenRightly(he()));
    // A choice that reaches no solution from its estimates may stray where the property
    // library reports a failure (its box) or raises one: it is not checked.
    boxes->allowUnscripted(true);
    morv::DesignSolveResult r;
    try {
        r = morv::designSolve(program());
    } catch (const platform::RunTimeError&) {
        return;
    }
    if (!r.converged() || !boxes.boxes().empty()) return;
    boxes->allowUnscripted(false);

    morv::TARMST& m = he();
    const double alfai = m.Alfai.toDouble();
    const double alfao = m.Alfao.toDouble();
    const double Q = m.Q;
    morv::vectorFromFields(m);
    const VArray FF = residualsAt(m);
    for (int i = 1; i <= 3; ++i)
        EXPECT_LT(std::fabs(FF(i).toDouble()), 1e-4 * Q) << "residual " << i;
    // Each evaluation takes the wall temperature from the coefficients before it, so the
    // coefficients move by a trace once more.
    EXPECT_NEAR(m.Alfao.toDouble(), alfao, 1e-4 * alfao);
    EXPECT_NEAR(m.Alfai.toDouble(), alfai, 1e-4 * alfai);
}

INSTANTIATE_TEST_SUITE_P(SampleTasks, EveryChoiceOfUnknowns, ::testing::ValuesIn(everyChoice()));

} // namespace
