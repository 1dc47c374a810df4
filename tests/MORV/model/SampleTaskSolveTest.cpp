// The design solve of the sample tasks on the substance database of this build. The sample
// task: methanol vapour condensing at 1 atm in the shell of a horizontal exchanger, cooling
// water heated from 20 to 30 °C in four passes; the unknowns are the water flow, the duty and
// the area. The vertical task: methanol condensing at 1 atm in 200 vertical tubes, cooling
// water at 3 bar in the shell.

#include "BuiltDatabaseSupport.h"

#include "MORV/model/DesignSolve.h"
#include "MORV/model/ProgramState.h"
#include "MORV/model/TaskCommands.h"
#include "RalvoC1/numeric/Ralvo.h"

#include <array>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

using morv::program;
using platform::Variant;
using platform::VArray;

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

constexpr const char* sampleTask = "methanol-condenser.dat";
constexpr const char* verticalTask = "methanol-vertical-condenser.dat";

class SampleTaskSolve : public morvtest::BuiltDatabase {
protected:
    void SetUp() override { load(sampleTask); }

    // The load command of the program: the task file, the stream types, the properties at
    // the fields' temperatures.
    void load(const char* task) {
        BuiltDatabase::SetUp();
        ASSERT_EQ(morv::loadTask(program(), std::string(MORV_SAMPLE_TASKS) + "/" + task), 0);
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
    VArray x(0, 9), FF(0, 3), z(0, 10);
    for (int16_t i = 1; i <= 8; ++i)
        x(i) = m.xx(i);
    Variant N(int16_t{3});
    k().FUN(x, FF, N, z);
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
                    if ((tubeSide(a) || tubeSide(b) || tubeSide(c)) && (shellSide(a) || shellSide(b) || shellSide(c)))
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
            case 0: m.Tr().m(1.2 * m.Tr().m()); break;
            case 1: m.Pl().m(1.2 * m.Pl().m()); break;
            case 2: m.Ttrubi = m.Ttrubi - 1.0; break;
            case 3: m.Tplasti = m.Tplasti - 1.0; break;
            case 4: m.Ttrubo = m.Ttrubo - 1.0; break;
            case 5: m.Tplasto = m.Tplasto - 1.0; break;
            case 6: m.Q = 1.2 * m.Q; break;
            default: m.Plocha = 0.8 * m.Plocha; break;
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
    VArray x(0, 9), FF(0, 3), z(0, 10);
    for (int16_t i = 1; i <= 8; ++i)
        x(i) = m.xx(i);
    Variant N(int16_t{3});
    k().FUN(x, FF, N, z);
    for (int i = 1; i <= 3; ++i)
        EXPECT_LT(std::fabs(FF(i).toDouble()), 1e-4 * Q) << "residual " << i;
    // Each evaluation takes the wall temperature from the coefficients before it, so the
    // coefficients move by a trace once more.
    EXPECT_NEAR(m.Alfao.toDouble(), alfao, 1e-4 * alfao);
    EXPECT_NEAR(m.Alfai.toDouble(), alfai, 1e-4 * alfai);
}

INSTANTIATE_TEST_SUITE_P(SampleTasks, EveryChoiceOfUnknowns, ::testing::ValuesIn(everyChoice()));

} // namespace
