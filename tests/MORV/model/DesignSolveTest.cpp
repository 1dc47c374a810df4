#include "SteamCondenser.h"
#include "TestSupport.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "MORV/model/DesignSolve.h"
#include "MORV/model/ProgramState.h"
#include "Platform/RunTimeError.h"

#include <cmath>
#include <limits>
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
    //! The residuals at the model's vector, evaluated directly.
    static VArray residualsAtTheVector() {
        VArray x(0, 9), FF(0, 3), z(0, 10);
        for (int16_t i = 1; i <= 8; ++i)
            x(i) = he().xx(i);
        Variant N(int16_t{3});
        k().FUN(x, FF, N, z);
        return FF;
    }
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
void PrintTo(const UnknownsCase& c, std::ostream* os) { testsupport::printFields(c, os); }

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
void PrintTo(const ControlCase& c, std::ostream* os) { testsupport::printFields(c, os); }

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

TEST_F(DesignSolve, AnalysisPointSolvesFromTheModelAsItStandsAndKeepsTheFields) {
    ASSERT_TRUE(morv::designSolve(program()).converged());
    const double water = he().Tr().m();
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
    EXPECT_EQ(he().Tr().m(), water);
    EXPECT_GT(he().dPtr.toDouble(), 0.0);
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
    EXPECT_EQ(he().Tr().m(), water);
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
