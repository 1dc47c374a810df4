#include "FixtureProperties.h"
#include "TestSupport.h"

#include "MORV/model/Aplik.h"
#include "MORV/model/ProgramState.h"
#include "MORV/model/TARMST.h"
#include "Platform/RunTimeError.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using morv::program;
using morv::TARMST;
using morvtest::FixtureProperties;
using platform::Variant;
using platform::VArray;
using Box = platform::ScriptedMessageService::Box;

namespace {

const std::string Crlf = "\r\n";

//! coth x.
double coth(double x) {
    return std::cosh(x) / std::sinh(x);
}

//! Effectiveness of the tube stream of a counter-current exchanger (R < 1) and of a
//! co-current one, R = W_tube / W_shell (Incropera & DeWitt, Fundamentals of Heat and Mass
//! Transfer, the effectiveness-NTU relations of the double-pipe exchanger).
double counterCurrent(double R, double NTU) {
    const double E = std::exp(-(1.0 - R) * NTU);
    return (1.0 - E) / (1.0 - R * E);
}
double coCurrent(double R, double NTU) {
    return (1.0 - std::exp(-(1.0 + R) * NTU)) / (1.0 + R);
}

// ---- Effectiveness -----------------------------------------------------------------------

struct EffectivenessCase {
    double r, ntu, ip;
    double expected;
};
void PrintTo(const EffectivenessCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class SinglePhaseEffectiveness : public ::testing::TestWithParam<EffectivenessCase> {};

TEST_P(SinglePhaseEffectiveness, FollowsThePNtuRelationOfTheFlowArrangement) {
    TARMST m;
    const EffectivenessCase& c = GetParam();
    EXPECT_NEAR(m.P_TermUcin(Variant(c.r), Variant(c.ntu), Variant(c.ip)).toDouble(), c.expected, 1e-14);
}

INSTANTIATE_TEST_SUITE_P(
    TARMST, SinglePhaseEffectiveness,
    ::testing::Values(EffectivenessCase{0.5, 1.0, 0.0, coCurrent(0.5, 1.0)},      // 0.51791...
                      EffectivenessCase{0.5, 1.0, 1.0, counterCurrent(0.5, 1.0)}, // 0.56908...
                      EffectivenessCase{0.2, 3.0, 1.0, counterCurrent(0.2, 3.0)},
                      // Balanced counter-current flow: the radicand is 0, D = 0.1 stands in.
                      EffectivenessCase{1.0, 2.0, 1.0, 2.0 / (2.0 + 0.1 * coth(0.1))})); // 0.66592...

TEST(SinglePhaseCotangent, IsOneFromTwentyFiveOnAndRaisesAtZero) {
    TARMST m;
    EXPECT_EQ(m.Cotgh(Variant(25.0)).toDouble(), 1.0);
    EXPECT_NEAR(m.Cotgh(Variant(24.9)).toDouble(), coth(24.9), 1e-15);
    EXPECT_NEAR(m.Cotgh(Variant(0.5)).toDouble(), coth(0.5), 1e-15);
    EXPECT_RUNTIME_ERROR(m.Cotgh(Variant(0.0)), platform::err::DivisionByZero);
}

// ---- The single-phase solve --------------------------------------------------------------

// Water heated from 20 °C in 100 tubes of 25 x 2 mm by hotter water entering the shell at
// 80 °C, both with constant properties and the coefficients fixed by method 4, so that the
// overall coefficient k is known and the effectiveness relations give the solution.
class SinglePhaseSolve : public ::testing::Test {
protected:
    static constexpr double cpCold = 4180.0; // [J/kg/K]
    static constexpr double cpHot = 4190.0;  // [J/kg/K]
    static constexpr double mCold = 5.0;     // [kg/s]
    static constexpr double mHot = 4.0;      // [kg/s]

    void SetUp() override {
        morv::resetProgram();
        program().Kondenzator().MetodaP = 4;
        tube->rolw = FixtureProperties::constant(997.0);
        tube->etal = FixtureProperties::constant(8.9e-4);
        tube->alal = FixtureProperties::constant(0.607);
        tube->cplw = FixtureProperties::constant(cpCold);
        shell->rolw = FixtureProperties::constant(972.0);
        shell->etal = FixtureProperties::constant(3.5e-4);
        shell->alal = FixtureProperties::constant(0.67);
        shell->cplw = FixtureProperties::constant(cpHot);
        fill(m);
    }
    void TearDown() override { morv::resetProgram(); }

    void fill(TARMST& e) {
        e.Tr().properties(tube);
        e.Pl().properties(shell);
        e.Tr().m(mCold);
        e.Pl().m(mHot);
        e.TrubKap = true;
        e.PlastKap = true;
        e.TrTyp = 1;
        e.PlTyp = -1;
        e.Ttrubi = 20.0;
        e.Ttrubo = 35.0;
        e.Tplasti = 80.0;
        e.Tplasto = 65.0;
        e.Q = 300000.0;
        e.Dplast = 0.5;
        e.Dtrubi = 0.021;
        e.Dtrubo = 0.025;
        e.L = 2.0;
        e.Ntrub = 100;
        e.Plocha = 10.0;
        e.Chod = 1;
        e.sT = 0.032;
        e.sL = 0.0277;
        e.NstredT = 10;
        e.NstredL = 10.0;
        e.dPrep = 0.4;
        e.Vodw = 16.0;
        e.Zneci = 0.0002;
        e.Zneco = 0.0001;
        e.indProti = 1.0;
        e.AlfaiK = 3000.0;
        e.AlfaoK = 4000.0;
    }
    void flags(const std::vector<int16_t>& unknowns) {
        for (int16_t i = 0; i <= 7; ++i)
            m.IPOM(i, 0);
        for (int16_t i : unknowns)
            m.IPOM(i, 1);
    }

    //! Overall coefficient [W/m2/K] of the fixed coefficients: wall and fouling
    //! 1 / (Rfo + do/(2 lambda_w) ln(do/di) + (do/di) Rfi), then 1 / (1/Ak + 1/alpha_o +
    //! (do/di)/alpha_i), do/di in single precision, stored in single precision.
    double overallCoefficient() const {
        const double di = m.Dtrubi, d0 = m.Dtrubo;
        const double Ak = 1.0 / (f(0.0001) + d0 / 16.0 / 2.0 * std::log(d0 / di) + d0 / di * f(0.0002));
        const double q = f(d0 / di);
        return f(1.0 / ((1.0 / Ak + 1.0 / 4000.0) + q / 3000.0));
    }
    static double f(double x) { return static_cast<float>(x); }
    //! R = W_tube / W_shell, single precision.
    static double ratio() { return f(mCold * cpCold / cpHot / mHot); }

    testsupport::ScriptedBoxes boxes;
    std::shared_ptr<FixtureProperties> tube = std::make_shared<FixtureProperties>();
    std::shared_ptr<FixtureProperties> shell = std::make_shared<FixtureProperties>();
    TARMST m;
};

struct ArrangementCase {
    double indProti;
    double (*effectiveness)(double R, double NTU);
};
void PrintTo(const ArrangementCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class SinglePhaseArrangement : public SinglePhaseSolve,
                               public ::testing::WithParamInterface<ArrangementCase> {};

TEST_P(SinglePhaseArrangement, GivenAreaGivesTheOutletsOfTheEffectiveness) {
    m.indProti = GetParam().indProti;
    flags({4, 5, 6});
    EXPECT_EQ(m.ResitVymenik().toDouble(), 0.0);
    EXPECT_TRUE(boxes.boxes().empty());

    // Q = P W_tube (T_hot,in - T_cold,in), the outlets from the balances of both streams.
    const double Wc = mCold * cpCold;
    const double NTU = f(10.0 * overallCoefficient()) / Wc;
    const double Q = GetParam().effectiveness(ratio(), NTU) * Wc * (80.0 - 20.0);
    EXPECT_NEAR(m.Q, Q, 1e-4 * Q);
    EXPECT_NEAR(m.Ttrubo, 20.0 + Q / Wc, 1e-3);
    EXPECT_NEAR(m.Tplasto, 80.0 - Q / (mHot * cpHot), 1e-3);
    // The known quantities stay as they were.
    EXPECT_EQ(m.Tr().m(), mCold);
    EXPECT_EQ(static_cast<float>(m.Ttrubi), 20.0f);
    EXPECT_EQ(static_cast<float>(m.Plocha), 10.0f);
}

INSTANTIATE_TEST_SUITE_P(TARMST, SinglePhaseArrangement,
                         ::testing::Values(ArrangementCase{1.0, counterCurrent},
                                           ArrangementCase{0.0, coCurrent}));

TEST_F(SinglePhaseSolve, UnknownAreaIsSolvedThroughTheTubeLength) {
    // Cold water to 35 °C: P = 15 / 60; counter-current NTU = ln((1 - R P) / (1 - P)) / (1 - R).
    flags({5, 6, 7});
    m.Plocha = 8.0;
    EXPECT_EQ(m.ResitVymenik().toDouble(), 0.0);
    const double Wc = mCold * cpCold;
    const double P = 15.0 / 60.0;
    const double R = ratio();
    const double NTU = std::log((1.0 - R * P) / (1.0 - P)) / (1.0 - R);
    const double area = NTU * Wc / overallCoefficient();
    EXPECT_NEAR(m.Plocha, area, 1e-3 * area);
    EXPECT_NEAR(m.L, area / (100 * 3.1415 * f(0.025)), 1e-3 * m.L);
    EXPECT_NEAR(m.Q, Wc * 15.0, 1e-4 * m.Q);
    EXPECT_NEAR(m.Tplasto, 80.0 - Wc * 15.0 / (mHot * cpHot), 1e-3);
}

TEST_F(SinglePhaseSolve, StartValuesAreSetBeforeTheSolve) {
    // A centre row wider than the shell stops the solve after the start values.
    m.NstredT = 30;
    flags({4, 5, 6});
    boxes.answer(platform::answer::Ok);
    EXPECT_TRUE(m.ResitVymenik().isEmpty());
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Záporné Re v plášti, zajistěte aby Dplast > Nstřed.Dtrubvněj");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(boxes.boxes()[0].title, "HE");
    EXPECT_EQ(m.Alfai0.toDouble(), 180.0);
    EXPECT_EQ(m.Alfao0.toDouble(), 180.0);
    EXPECT_EQ(m.Alfai.toDouble(), 180.0);
    EXPECT_EQ(m.Alfao.toDouble(), 180.0);
    const double Ak = m.Alfakon.toDouble();
    EXPECT_NEAR(
        Ak,
        1.0 / (f(0.0001) + f(0.025) / 32.0 * std::log(f(0.025) / f(0.021)) + f(0.025) / f(0.021) * f(0.0002)),
        1e-9);
    EXPECT_EQ(static_cast<float>(m.Kprostup),
              f(1.0 / f(1.0 / Ak + 1.0 / 180.0 + f(f(0.025) / f(0.021)) / 180.0)));
    const double vector[] = {0, mCold, mHot, 20.0, 80.0, 35.0, 65.0, 30.0, 10.0 / 100 / 3.1415 / f(0.025)};
    for (int16_t i = 1; i <= 8; ++i)
        EXPECT_NEAR(m.xx(i).toDouble(), vector[i], 1e-12) << i;
}

struct CheckCase {
    const char* name;
    void (*change)(TARMST&);
    std::string message; //!< empty: the data pass the checks
};
void PrintTo(const CheckCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class SinglePhaseChecks : public SinglePhaseSolve, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(SinglePhaseChecks, RefuseUnrealisticDataWithStatusFour) {
    // The data that pass stop only at the negative Reynolds number of a too wide centre row.
    m.NstredT = 30;
    flags({4, 5, 6});
    GetParam().change(m);
    boxes.answer(platform::answer::Ok);
    const Variant status = m.ResitVymenik();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    if (GetParam().message.empty()) {
        EXPECT_TRUE(status.isEmpty());
        return;
    }
    EXPECT_EQ(status.toDouble(), 4.0);
    EXPECT_EQ(boxes.boxes()[0].text, GetParam().message);
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(boxes.boxes()[0].title, "HE");
    EXPECT_TRUE(m.Alfai0.isEmpty());
}

const std::string construction = "Nerálná konstrukční data! Zkontrolujte!";
const std::string basic = "Nerálná základní data! Zkontrolujte!";
INSTANTIATE_TEST_SUITE_P(
    TARMST, SinglePhaseChecks,
    ::testing::Values(CheckCase{"SmallestDimensions", [](TARMST& e) { e.L = 0.05, e.Dplast = 0.05; }, ""},
                      CheckCase{"ShortTubes", [](TARMST& e) { e.L = 0.0499; }, construction},
                      CheckCase{"NarrowShell", [](TARMST& e) { e.Dplast = 0.0499; }, construction},
                      CheckCase{"SmallestFlowsAndArea",
                                [](TARMST& e) { e.Tr().m(0.001), e.Pl().m(0.001), e.Plocha = 0.02; }, ""},
                      CheckCase{"TubeFlow", [](TARMST& e) { e.Tr().m(0.00099); }, basic},
                      CheckCase{"ShellFlow", [](TARMST& e) { e.Pl().m(0.00099); }, basic},
                      CheckCase{"Area", [](TARMST& e) { e.Plocha = 0.0199; }, basic}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnknownsCase {
    const char* name;
    std::vector<int16_t> flags;
    bool accepted;
};
void PrintTo(const UnknownsCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class SinglePhaseUnknowns : public SinglePhaseSolve, public ::testing::WithParamInterface<UnknownsCase> {};

TEST_P(SinglePhaseUnknowns, AreThreeWithOneOnEachSideTheDutyCountingForBoth) {
    m.NstredT = 30;
    for (int16_t i = 0; i <= 7; ++i)
        m.IPOM(i, 0);
    for (int16_t i : GetParam().flags)
        m.IPOM(i, 1);
    boxes.answer(platform::answer::Ok);
    const Variant status = m.ResitVymenik();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    if (GetParam().accepted) {
        EXPECT_TRUE(status.isEmpty());
        return;
    }
    EXPECT_EQ(status.toDouble(), 3.0);
    EXPECT_EQ(boxes.boxes()[0].text, "Nevybrali jste správně 3 neznámé k výpočtu!" + Crlf +
                                         "Nebo zadáváte přeurčené známé (Q a údaje jednoho proudu)");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
}

INSTANTIATE_TEST_SUITE_P(TARMST, SinglePhaseUnknowns,
                         ::testing::Values(UnknownsCase{"BothFlowsAndDuty", {0, 1, 6}, true},
                                           UnknownsCase{"TubeSideAndDuty", {2, 4, 6}, true},
                                           UnknownsCase{"DutyAndArea", {5, 6, 7}, true},
                                           UnknownsCase{"OnlyTubeSide", {0, 2, 4}, false},
                                           UnknownsCase{"OnlyShellSideAndArea", {1, 3, 7}, false},
                                           UnknownsCase{"Four", {0, 1, 6, 7}, false},
                                           UnknownsCase{"Two", {0, 1}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LimitCase {
    const char* name;
    std::vector<int16_t> flags;
    bool hint;
};
void PrintTo(const LimitCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class SinglePhaseIterationLimit : public SinglePhaseSolve, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(SinglePhaseIterationLimit, LeavesTheResidualsAndTheFieldsAndHintsOnlyAtAnUnknownDutyOfAGivenArea) {
    flags(GetParam().flags);
    m.Tr().m(2.0);
    m.Q = 100000.0;
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    EXPECT_EQ(m.ResitVymenik(Variant(int16_t{1})).toDouble(), 1.0);

    // The residuals of the last vector, as a direct evaluation there gives them.
    VArray FF(0, 3);
    VArray vector(0, 9);
    for (int16_t i = 0; i <= 9; ++i)
        vector(i) = m.xx(i);
    Variant N(int16_t{3});
    VArray z(0, 10);
    m.FUN(vector, FF, N, z);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(program().Rezidua(i).toDouble(), FF(i).toDouble()) << i;

    const Variant sum = FF(1) + FF(2) + FF(3);
    std::vector<std::string> expected = {"Překročen max.počet iterací" + Crlf +
                                         "Suma reziduí = " + program().Prevodnik().RoundX(sum).toString()};
    if (GetParam().hint)
        expected.push_back("Možná chybný odhad převedeného teplo na zadanou plochu?" + Crlf +
                           "Zadejte spíše větší odhad.");
    ASSERT_EQ(boxes.boxes().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(boxes.boxes()[i].text, expected[i]);
        EXPECT_EQ(boxes.boxes()[i].style, 64);
        EXPECT_EQ(boxes.boxes()[i].title, "HE");
    }
    // The fields keep the input values.
    EXPECT_EQ(m.Tr().m(), 2.0);
    EXPECT_EQ(static_cast<float>(m.Q), 100000.0f);
    EXPECT_EQ(static_cast<float>(m.Ttrubo), 35.0f);
}

INSTANTIATE_TEST_SUITE_P(TARMST, SinglePhaseIterationLimit,
                         ::testing::Values(LimitCase{"DutyForAGivenArea", {4, 5, 6}, true},
                                           LimitCase{"DutyAndArea", {4, 6, 7}, false},
                                           LimitCase{"KnownDuty", {0, 4, 5}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Aplik ---------------------------------------------------------------------------------

TEST_F(SinglePhaseSolve, AplikEvaluatesTheProgramsModelWithTheDutyInWatts) {
    TARMST& v = program().Vymenik();
    fill(v);
    v.Alfakon = 5000.0;
    v.Alfai = 180.0;
    v.Alfao = 180.0;
    v.Kprostup = 100.0;
    flags({4, 5, 6});
    v.IPOM(7, 0);

    VArray x(0, 9);
    const double values[] = {0, mCold, mHot, 20.0, 80.0, 33.0, 64.0, 280000.0, 1.2};
    for (int i = 1; i <= 8; ++i)
        x(i) = values[i];
    VArray FF(0, 3);
    Variant N(int16_t{3});
    VArray z(0, 10);
    morv::Aplik aplik;
    aplik.FUN(x, FF, N, z);
    for (int16_t i = 1; i <= 8; ++i)
        EXPECT_EQ(v.xx(i).toDouble(), values[i]) << i;

    // The same residuals as the model's own at the duty scaled to the model's vector.
    VArray scaled(0, 9);
    for (int16_t i = 1; i <= 8; ++i)
        scaled(i) = v.xx(i);
    scaled(7) = Variant(28.0);
    for (int16_t i = 1; i <= 8; ++i)
        v.xx(i, scaled(i));
    VArray expected(0, 3);
    v.FUN(scaled, expected, N, z);
    for (int i = 1; i <= 3; ++i)
        EXPECT_NEAR(FF(i).toDouble(), expected(i).toDouble(), 1e-9) << i;
    // FF(1) = W_tube (t_out - t_in) - Q, Q = x7 [W].
    EXPECT_NEAR(FF(1).toDouble(), mCold * cpCold * 13.0 - 280000.0, 1e-6);
}

} // namespace
