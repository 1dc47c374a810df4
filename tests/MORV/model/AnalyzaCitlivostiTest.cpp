// The sensitivity analysis on the sample task (methanol condensing in the shell, cooling water
// heated from 20 to 30 °C in the tubes) with the substance database of this build: the range's
// points, the table's lines with their TAB runs, the arrays, the progress, and a point that
// does not converge.

#include "BuiltDatabaseSupport.h"

#include "MORV/model/AnalyzaCitlivosti.h"
#include "MORV/model/DesignSolve.h"
#include "MORV/model/ProgramState.h"
#include "MORV/model/TaskCommands.h"
#include "Platform/Progress.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <string>
#include <vector>

using morv::program;
using platform::Variant;

namespace {

//! Isobaric heat capacity of water at 25 °C (IAPWS-95, Wagner & Pruss, J. Phys. Chem. Ref. Data
//! 31 (2002) 387) [J/kg/K].
constexpr double cpWater = 4181.0;

Variant single(double x) {
    return Variant(static_cast<float>(x));
}

//! The lines of a text ended by CR LF.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t from = 0;
    for (size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        out.push_back(text.substr(from, at - from));
    EXPECT_EQ(from, text.size()) << "the text does not end with CR LF";
    return out;
}

//! A data row: the varied value, three TABs before each unknown, two TABs and four blanks
//! before the tube-side pressure drop, one TAB before the shell-side one (whole pascals).
const std::regex row(R"(([^\t]+)\t\t\t([^\t]+)\t\t\t([^\t]+)\t\t\t([^\t]+)\t\t    (\d+)\t(\d+))");

class Analysis : public morvtest::BuiltDatabase {
protected:
    void SetUp() override {
        BuiltDatabase::SetUp();
        ASSERT_EQ(morv::loadTask(program(), morvtest::sampleTaskPath(morvtest::sampleTask)), 0);
    }
    static morv::TARMST& he() { return program().Vymenik(); }

    //! The unknowns flagged (three of the eight), then the calculation's solve, converged.
    void calculate(std::vector<int16_t> unknowns = {0, 6, 7}) {
        for (int16_t i = 0; i <= 7; ++i)
            he().IPOM(i, 0);
        for (int16_t i : unknowns)
            he().IPOM(i, 1);
        ASSERT_TRUE(morv::designSolve(program()).converged());
    }
    //! Runs the analysis of quantity i over the range (model units).
    morv::AnalysisOutcome analyse(int16_t i, const Variant& start, const Variant& end, const Variant& step) {
        program().AnalProm = i;
        program().AnalNazev = morv::analysisListCaption(i);
        program().AnalPoc = start;
        program().AnalKon = end;
        program().AnalKrok = step;
        return morv::analyzaCitlivosti(program(), bar);
    }

    platform::RecordingProgress bar;
};

TEST(AnalysisRange, PointsAreWholeStepsFromTheStartUpToTheEnd) {
    struct Case {
        double start, end, step;
        int points;
    };
    const Case cases[] = {
        {2e5, 3e5, 5e4, 3}, // the end itself is a point
        {1, 2, -0.5, 0},    // a step away from the end
        {1, 1, 1, 1},       // one value
        {5, 6, 2, 1},       // a step past the end at once
        {0, 99, 1, 100},    // as many as the arrays hold
        {0, 100, 1, 101},   // one more
        {0, 1e6, 1, 101},   // counted no further than the limit
        {3, 1, -1, 3},      // a falling range steps down to its end
        // The points are start + k step, k = 0, 1, ...: a range of whole steps of a step that a
        // single cannot hold exactly keeps its end, one short of a step does not reach it.
        {6, 9, 0.1, 31},
        {6, 8, 0.1, 21},
        {1000.1, 1000.9, 0.1, 9},
        {0.3, 0.1, -0.1, 3},
        {0, 0.95, 0.1, 10},
        {0, 9.9, 0.1, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(morv::analysisPointCount(single(c.start), single(c.end), single(c.step), 101), c.points)
            << c.start << " " << c.end << " " << c.step;
}

TEST_F(Analysis, DutyFrom200To300KilowattsGivesThreeRowsAndTheirArrays) {
    calculate({0, 1, 7});
    program().Vysledky = "report\r\n";
    const morv::AnalysisOutcome out = analyse(6, single(2e5), single(3e5), single(5e4));
    EXPECT_FALSE(out.error);
    const std::vector<std::string> l = lines(out.table);
    ASSERT_EQ(l.size(), 8u) << out.table;
    EXPECT_EQ(l[0], "");
    EXPECT_EQ(l[1], "ANALÝZA CITLIVOSTI");
    EXPECT_EQ(l[2], "");
    EXPECT_EQ(l[3], "Převedené teplo\tHmot. průtok v trubkách\tHmot. průtok v plášti\tTeplosměnná plocha"
                    "   dPtr    dPpl");
    const char* first[] = {"2.0000E+05", "2.5000E+05", "3.0000E+05"};
    const morv::ProgramState& s = program();
    ASSERT_EQ(s.AnalPocBodu, 3);
    // The arrays keep the quantities they were made with: the charts are captioned by them.
    EXPECT_EQ(s.AnalHotovaNazev, "Převedené teplo");
    EXPECT_EQ(s.AnalHotovaNezname, (std::array<int16_t, 3>{1, 2, 8}));
    for (int k = 1; k <= 3; ++k) {
        std::smatch m;
        const std::string& r = l[size_t(3 + k)];
        ASSERT_TRUE(std::regex_match(r, m, row)) << r;
        EXPECT_EQ(m[1], first[k - 1]);
        EXPECT_EQ(s.AnalX[size_t(k)], 1.5e5 + 5e4 * k);
        // The water takes the duty over its 10 K: m = Q / (cp 10).
        const double Q = s.AnalX[size_t(k)];
        EXPECT_NEAR(s.AnalY[0][size_t(k)], Q / (cpWater * 10.0), 0.005 * Q / (cpWater * 10.0)) << k;
        // Each column shows its array's value as the report rounds it.
        for (size_t j = 0; j < 3; ++j)
            EXPECT_EQ(m[2 + j], program().Prevodnik().RoundX(s.AnalY[j][size_t(k)]).toString()) << k << j;
        EXPECT_EQ(std::stod(m[5]), std::round(s.AnalY[5][size_t(k)]));
        EXPECT_EQ(std::stod(m[6]), std::round(s.AnalY[6][size_t(k)]));
        EXPECT_GT(s.AnalY[3][size_t(k)], 0.0); // Pterm
        EXPECT_GT(s.AnalY[4][size_t(k)], 0.0); // Kprostup
    }
    // The shell flow and the area grow with the duty, and more water loses more pressure.
    EXPECT_GT(s.AnalY[1][3], s.AnalY[1][1]);
    EXPECT_GT(s.AnalY[2][3], s.AnalY[2][1]);
    EXPECT_GT(s.AnalY[5][3], s.AnalY[5][1]);
    EXPECT_EQ(l[7], "");
    EXPECT_EQ(s.Vysledky, "report\r\n" + out.table);
    EXPECT_TRUE(s.AnalHotova);
    using Step = platform::RecordingProgress::Step;
    EXPECT_EQ(bar.steps(), (std::vector<Step>{{-1, true}, {0, true}, {50, true}, {100, true}, {-1, false}}));
    // The model is as the calculation left it, not at the last point.
    EXPECT_NE(static_cast<float>(he().Q), 3e5f);
}

TEST_F(Analysis, StepAwayFromTheEndGivesTheCaptionsAlone) {
    calculate();
    program().AnalPocBodu = 7;
    const morv::AnalysisOutcome out = analyse(1, single(1), single(2), single(-0.5));
    EXPECT_EQ(out.table, "\r\nANALÝZA CITLIVOSTI\r\n\r\nHmotový průtok v plášti\tHmot. průtok v trubkách\t"
                         "Převedené teplo (W)\tTeplosměnná plocha   dPtr    dPpl\r\n\r\n");
    EXPECT_EQ(program().AnalPocBodu, 0);
    EXPECT_TRUE(program().AnalHotova);
    EXPECT_TRUE(bar.values().empty());
    EXPECT_FALSE(bar.isVisible());
}

TEST_F(Analysis, RangeOfOneValueFillsTheBar) {
    calculate();
    const double flow = he().Pl().m();
    analyse(1, single(flow), single(flow), single(0.1));
    EXPECT_EQ(program().AnalPocBodu, 1);
    EXPECT_EQ(bar.values(), std::vector<int>{100});
}

TEST_F(Analysis, UnknownTubeFlowGivesThePointsOwnPressureDrop) {
    calculate();
    const double baseFlow = he().Pl().m(), baseWater = he().Tr().m(), baseDrop = he().dPtr.toDouble();
    const double baseNozzle = he().dPtrvst.toDouble();
    // 1.2 times the methanol needs about 1.2 times the water, which loses more pressure.
    analyse(1, single(1.2 * baseFlow), single(1.2 * baseFlow), single(0.1));
    ASSERT_EQ(program().AnalPocBodu, 1);
    const morv::ProgramState& s = program();
    const double water = s.AnalY[0][1];
    EXPECT_NEAR(water, 1.2 * baseWater, 0.01 * baseWater);
    EXPECT_GT(s.AnalY[5][1], 1.3 * baseDrop);
    // The analysis put the calculation back; the point's own solve from there is the row.
    EXPECT_EQ(he().Pl().m(), baseFlow);
    he().Pl().m(static_cast<float>(1.2 * baseFlow));
    ASSERT_TRUE(morv::designSolve(program(), morv::DesignSolveKind::AnalysisPoint).converged());
    EXPECT_EQ(he().Tr().m(), water);
    // The water's inlet nozzle loses velocity heads: its drop grows with the square of the
    // point's water flow (the same water temperatures, so the same density).
    EXPECT_NEAR(he().dPtrvst.toDouble() / baseNozzle, (water / baseWater) * (water / baseWater), 1e-3);
    // The duty in W and the area in m2 from the solved tube length.
    EXPECT_EQ(s.AnalY[1][1], 10000.0 * he().xx(7).toDouble());
    EXPECT_EQ(s.AnalY[2][1], he().xx(8).toDouble() * he().Ntrub * 3.1415 * he().Dtrubo);
    EXPECT_EQ(s.AnalY[5][1], he().dPtr.toDouble());
}

TEST_F(Analysis, PointThatDoesNotConvergeHasItsLineBeforeItsRow) {
    calculate();
    const double flow = he().Pl().m(), water = he().Tr().m();
    program().MaxIter = 1;
    const morv::AnalysisOutcome out = analyse(1, single(1.5 * flow), single(1.6 * flow), single(0.1 * flow));
    const std::vector<std::string> l = lines(out.table);
    ASSERT_EQ(program().AnalPocBodu, 2);
    ASSERT_EQ(l.size(), 9u) << out.table;
    for (size_t i : {4u, 6u}) {
        EXPECT_EQ(l[i], "Následující řádek výpočtu nekonveroval! ID= 1:");
        EXPECT_TRUE(std::regex_match(l[i + 1], row)) << l[i + 1];
    }
    // The row holds the iterate the solver left, and the next point starts again from the
    // estimates, not from that iterate.
    EXPECT_NE(program().AnalY[0][1], water);
    EXPECT_EQ(he().Tr().m(), water);
}

//! What an analysis makes and what it leaves in the model, bit for bit.
struct AnalysisPrint {
    std::string table;
    std::vector<double> x;
    std::array<std::vector<double>, 7> y;
    //! Every main quantity, the vector, the results a next solve starts from or shows.
    std::vector<double> model;

    bool operator==(const AnalysisPrint&) const = default;
};

std::vector<double> modelPrint() {
    morv::TARMST& m = program().Vymenik();
    morv::TARMMORV& c = program().Kondenzator();
    std::vector<double> v = {m.Tr().m(),
                             m.Pl().m(),
                             m.Ttrubi,
                             m.Tplasti,
                             m.Ttrubo,
                             m.Tplasto,
                             m.Q,
                             m.Plocha,
                             m.L,
                             m.Kprostup,
                             m.Pterm,
                             m.Alfai.toDouble(),
                             m.Alfao.toDouble(),
                             m.Twi.toDouble(),
                             m.Two.toDouble(),
                             m.ViskwTr.toDouble(),
                             m.ViskwPl.toDouble(),
                             m.dPtr.toDouble(),
                             m.dPpl.toDouble(),
                             m.ReT.toDouble(),
                             m.ReP.toDouble(),
                             c.Reko,
                             c.Nuko,
                             c.Ar,
                             c.K32,
                             c.dHvkor};
    for (int16_t i = 1; i <= 8; ++i) {
        v.push_back(m.xx(i).toDouble());
        v.push_back(program().VektorX(i).toDouble());
    }
    return v;
}

// An analysis starts from the calculation, never from what an analysis before it left: the same
// duty range gives the same table bit for bit right after the calculation, after an analysis of
// the water's inlet temperature and after one that ended with an error at a point, and each
// leaves the model as the calculation did.
TEST_F(Analysis, SameAnalysisGivesTheSameTableWhateverRanBefore) {
    calculate({0, 1, 7});
    const std::vector<double> calculated = modelPrint();
    auto duty = [&] {
        const morv::AnalysisOutcome out = analyse(6, single(2e5), single(3e5), single(5e4));
        EXPECT_FALSE(out.error);
        AnalysisPrint p{out.table, program().AnalX, {}, modelPrint()};
        for (size_t j = 0; j < 7; ++j)
            p.y[j] = program().AnalY[j];
        return p;
    };
    const AnalysisPrint first = duty();
    EXPECT_EQ(first.model, calculated);

    EXPECT_FALSE(analyse(2, single(6), single(9), single(1.5)).error);
    EXPECT_EQ(program().AnalPocBodu, 3);
    EXPECT_EQ(modelPrint(), calculated);
    EXPECT_TRUE(duty() == first);

    // An inlet temperature of 400 °C, beyond the water's liquid density: the property library
    // refuses the point (and says so in its box) and the analysis ends there.
    boxes.answer(platform::answer::Ok);
    const morv::AnalysisOutcome failed = analyse(2, single(20), single(400), single(380));
    ASSERT_TRUE(failed.error);
    EXPECT_EQ(modelPrint(), calculated);
    EXPECT_TRUE(duty() == first);

    // And the next calculation gives what it gives after the same calculation without them.
    ASSERT_TRUE(morv::designSolve(program()).converged());
    const std::vector<double> afterAnalyses = modelPrint();
    ASSERT_EQ(morv::loadTask(program(), morvtest::sampleTaskPath(morvtest::sampleTask)), 0);
    calculate({0, 1, 7});
    ASSERT_EQ(modelPrint(), calculated);
    ASSERT_TRUE(morv::designSolve(program()).converged());
    EXPECT_EQ(modelPrint(), afterAnalyses);
}

} // namespace
