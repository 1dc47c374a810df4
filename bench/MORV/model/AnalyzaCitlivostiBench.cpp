// The sensitivity analysis of the sample task (methanol condensing in the shell, cooling water
// in the tubes; unknowns water flow, duty and area) on the substance database of this build:
// the water's inlet temperature from 10 to 22.375 °C in steps of 0.125 K, 100 points, each an
// analysis-point design solve starting from the point before. Beside the whole analysis, the
// same 100 solves alone and the 100 rows and array entries alone, so that the analysis's own
// share of the time can be read off.

#include "BuiltDatabaseSupport.h"

#include "MORV/model/AnalyzaCitlivosti.h"
#include "MORV/model/DesignSolve.h"
#include "MORV/model/ProgramState.h"
#include "MORV/model/TaskCommands.h"
#include "Platform/MessageBox.h"
#include "Platform/Progress.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

using morv::program;
using platform::Variant;

//! The water's inlet temperature: the range of the analysis [°C].
constexpr float first = 10.0f, step = 0.125f;
constexpr int points = 100;
//! Index of the water's inlet temperature among the main quantities.
constexpr int16_t waterInlet = 2;

//! A progress bar that shows nothing, as a bar's value costs next to nothing.
class NoBar final : public platform::Progress {
public:
    void setValue(int v) override { m_value = v; }
    int value() const override { return m_value; }
    void setVisible(bool) override {}
    bool isVisible() const override { return false; }

private:
    int m_value = 0;
};

//! The sample task loaded and calculated, and the analysis's settings; `restore` puts the
//! calculation's solution back into the fields, so every run starts from the same state.
class SolvedTask {
public:
    SolvedTask() {
        platform::setMessageService(&m_boxes);
        morv::loadTask(program(), morvtest::sampleTaskPath(morvtest::sampleTask));
        morv::designSolve(program());
        morv::TARMST& m = program().Vymenik();
        m_fields = {m.Tr().m(), m.Pl().m(), m.Ttrubi, m.Tplasti, m.Ttrubo, m.Tplasto, m.Q, m.Plocha};
        program().AnalProm = waterInlet;
        program().AnalNazev = morv::analysisListCaption(waterInlet);
        program().AnalPoc = Variant(first);
        program().AnalKon = Variant(first + step * (points - 1));
        program().AnalKrok = Variant(step);
    }
    ~SolvedTask() { platform::setMessageService(nullptr); }

    void restore() {
        morv::TARMST& m = program().Vymenik();
        m.Tr().m(m_fields[0]);
        m.Pl().m(m_fields[1]);
        m.Ttrubi = m_fields[2];
        m.Tplasti = m_fields[3];
        m.Ttrubo = m_fields[4];
        m.Tplasto = m_fields[5];
        m.Q = m_fields[6];
        m.Plocha = m_fields[7];
        program().Vysledky.clear();
    }

private:
    platform::ScriptedMessageService m_boxes;
    testsupport::TempDir m_folder;
    morvtest::BuiltDatabaseSession m_database{m_folder.path()};
    std::array<double, 8> m_fields{};
};

// The whole analysis of 100 points: the solves, the rows and the arrays.
void BM_Analysis100(benchmark::State& state) {
    SolvedTask task;
    NoBar bar;
    for (auto _ : state) {
        task.restore();
        const morv::AnalysisOutcome out = morv::analyzaCitlivosti(program(), bar);
        benchmark::DoNotOptimize(out.table.data());
        if (program().AnalPocBodu != points || out.error)
            state.SkipWithError("the analysis did not give its 100 points");
    }
}
BENCHMARK(BM_Analysis100)->Unit(benchmark::kMillisecond);

// The same 100 analysis-point solves without the analysis around them.
void BM_AnalysisSolves100(benchmark::State& state) {
    SolvedTask task;
    morv::TARMST& m = program().Vymenik();
    int64_t converged = 0;
    for (auto _ : state) {
        task.restore();
        for (int k = 0; k < points; ++k) {
            m.Ttrubi = first + step * static_cast<float>(k);
            converged += morv::designSolve(program(), morv::DesignSolveKind::AnalysisPoint).converged();
        }
    }
    state.counters["converged"] =
        benchmark::Counter(static_cast<double>(converged) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_AnalysisSolves100)->Unit(benchmark::kMillisecond);

// The analysis's own work for 100 points on a solved model: the rows of the table (the
// rounded texts of the varied value and the three unknowns, both pressure drops) and the
// array entries.
void BM_AnalysisRows100(benchmark::State& state) {
    SolvedTask task;
    morv::designSolve(program(), morv::DesignSolveKind::AnalysisPoint);
    const Variant v(first);
    std::string table;
    for (auto _ : state) {
        table.clear();
        program().AnalPocBodu = 0;
        for (int k = 0; k < points; ++k)
            morv::recordAnalysisPoint(program(), table, v, 0);
        benchmark::DoNotOptimize(table.data());
    }
}
BENCHMARK(BM_AnalysisRows100)->Unit(benchmark::kMicrosecond);

} // namespace
