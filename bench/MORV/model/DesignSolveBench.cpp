// The design solve of the sample task (methanol condensing at 1 atm in the shell, cooling
// water in four tube passes; unknowns water flow, duty and area) on the substance database
// of this build, and the same condenser with 1 to 20 components in the condensing stream
// (bench/MORV/tasks: methanol with 2 % of each further component).

#include "BuiltDatabaseSupport.h"
#include "ForwardingProperties.h"

#include "MORV/model/BoilingPointCache.h"
#include "MORV/model/DesignSolve.h"
#include "MORV/model/ProgramState.h"
#include "MORV/model/TaskCommands.h"
#include "Platform/MessageBox.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace {

using morv::program;
using platform::Variant;
using platform::VArray;

//! A task loaded as the program's load command does it.
class Task {
public:
    explicit Task(const std::string& path) {
        platform::setMessageService(&m_boxes);
        morv::loadTask(program(), path);
        m_water = he().Tr().m();
        m_Q = he().Q;
        m_area = he().Plocha;
        m_length = he().L;
    }
    ~Task() { platform::setMessageService(nullptr); }

    static morv::TARMST& he() { return program().Vymenik(); }
    //! The estimates of the task file in the fields of the unknowns again.
    void restoreEstimates() {
        he().Tr().m(m_water);
        he().Q = m_Q;
        he().Plocha = m_area;
        he().L = m_length;
    }

private:
    platform::ScriptedMessageService m_boxes;
    testsupport::TempDir m_folder;
    morvtest::BuiltDatabaseSession m_database{m_folder.path()};
    double m_water, m_Q, m_area, m_length;
};

std::string samplePath() {
    return morvtest::sampleTaskPath(morvtest::sampleTask);
}

//! The benchmark task with n components in the condensing stream.
std::string mixturePath(int64_t n) {
    char name[32];
    std::snprintf(name, sizeof name, "/condenser-%02d.dat", static_cast<int>(n));
    return std::string(MORV_BENCH_TASKS) + name;
}

// One design solve from the task's estimates: start values, properties, the Newton solve
// (about 25 residual evaluations) and both pressure drops.
void BM_DesignSolve(benchmark::State& state) {
    Task task(samplePath());
    for (auto _ : state) {
        task.restoreEstimates();
        benchmark::DoNotOptimize(morv::designSolve(program()).ID);
    }
}
BENCHMARK(BM_DesignSolve)->Unit(benchmark::kMicrosecond);

// The same solve as the first one after the mixtures were loaded: both mixture objects read
// their records again (outside the timing), so no property value of an earlier solve is kept.
void BM_DesignSolveFirst(benchmark::State& state) {
    Task task(samplePath());
    for (auto _ : state) {
        state.PauseTiming();
        Task::he().Tr().S().Inikwl();
        Task::he().Pl().S().Inikwl();
        task.restoreEstimates();
        state.ResumeTiming();
        benchmark::DoNotOptimize(morv::designSolve(program()).ID);
    }
}
BENCHMARK(BM_DesignSolveFirst)->Unit(benchmark::kMicrosecond);

//! A stream's property source that counts the real-gas densities and the bubble and dew
//! points asked of the source behind it.
class CountingProperties final : public morvtest::ForwardingProperties {
public:
    explicit CountingProperties(morv::StreamProperties& source) : ForwardingProperties(source) {}
    int64_t densities = 0;
    int64_t boilingPoints = 0;

    Variant RROGW(const Variant& T, const Variant& p, const VArray& r) override {
        ++densities;
        return ForwardingProperties::RROGW(T, p, r);
    }
    Variant TBV(const Variant& p, const VArray& r) override {
        ++boilingPoints;
        return ForwardingProperties::TBV(p, r);
    }
    Variant TRB(const Variant& p, const VArray& r) override {
        ++boilingPoints;
        return ForwardingProperties::TRB(p, r);
    }
};

// The work of one design solve of the sample task, per solve: the correlation calls (FFce)
// of both mixture objects, the real-gas densities and the bubble and dew points asked of the
// property library, the Newton iterations and the residual evaluations (1 at the start and
// 4 per iteration: 3 for the Jacobian of the 3 unknowns, 1 after the step).
void BM_DesignSolveCalls(benchmark::State& state) {
    Task task(samplePath());
    morv::TARMST& he = Task::he();
    auto tube = std::make_shared<CountingProperties>(he.Tr().properties());
    auto shell = std::make_shared<CountingProperties>(he.Pl().properties());
    he.Tr().properties(tube);
    he.Pl().properties(shell);
    const auto correlations = [&] { return he.Tr().S().correlationCalls() + he.Pl().S().correlationCalls(); };
    const uint64_t correlationsBefore = correlations();
    int64_t iterations = 0;
    for (auto _ : state) {
        task.restoreEstimates();
        const morv::DesignSolveResult result = morv::designSolve(program());
        iterations += result.iterations.toLong();
    }
    const auto perSolve = [&](double total) {
        return benchmark::Counter(total / static_cast<double>(state.iterations()));
    };
    state.counters["correlations"] = perSolve(static_cast<double>(correlations() - correlationsBefore));
    state.counters["densities"] = perSolve(static_cast<double>(tube->densities + shell->densities));
    state.counters["boilingPoints"] =
        perSolve(static_cast<double>(tube->boilingPoints + shell->boilingPoints));
    state.counters["iterations"] = perSolve(static_cast<double>(iterations));
    state.counters["residuals"] = perSolve(static_cast<double>(state.iterations() + 4 * iterations));
    he.Tr().properties(nullptr);
    he.Pl().properties(nullptr);
}
BENCHMARK(BM_DesignSolveCalls)->Unit(benchmark::kMicrosecond);

// One evaluation of the residual function as a Newton iteration at the solution makes them:
// the evaluations go round the solution and the three points of its difference Jacobian (one
// unknown moved by 1 % of itself, at least by 1e-4), each with the properties of both
// streams, both heat-transfer coefficients and the three residuals; the streams' bubble and
// dew points are held for the solve, as the design solve holds them.
void residuals(benchmark::State& state, const std::string& path) {
    Task task(path);
    morv::designSolve(program());
    std::array<VArray, 4> x;
    for (int k = 0; k < 4; ++k) {
        x[k] = VArray(0, 9);
        for (int16_t i = 1; i <= 8; ++i)
            x[k](i) = Task::he().xx(i);
    }
    for (int k = 1; k < 4; ++k) {
        const int32_t m = program().Nezname(k).toLong();
        const double value = x[k](m).toDouble();
        x[k](m) = Variant(value + std::max(0.01 * std::fabs(value), 1e-4));
    }
    VArray FF(0, 3), z(0, 10);
    Variant N(int16_t{3});
    morv::FixedBoilingPoints held(Task::he());
    unsigned k = 0;
    for (auto _ : state) {
        program().Kondenzator().FUN(x[k++ % 4], FF, N, z);
        benchmark::DoNotOptimize(FF);
    }
}

void BM_Residuals(benchmark::State& state) {
    residuals(state, samplePath());
}
BENCHMARK(BM_Residuals)->Unit(benchmark::kMicrosecond);

// The same with n components in the condensing stream.
void BM_ResidualsComponents(benchmark::State& state) {
    residuals(state, mixturePath(state.range(0)));
}
BENCHMARK(BM_ResidualsComponents)->Arg(1)->Arg(2)->Arg(5)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);

// A sensitivity analysis of 100 points: the shell stream's flow from 0.8 to 1.2 kg/s in
// equal steps, each point a design solve of the analysis-point kind that starts from the
// solution of the point before; the first starts from the calculation solve of the task.
void BM_AnalysisComponents(benchmark::State& state) {
    Task task(mixturePath(state.range(0)));
    morv::TARMST& he = Task::he();
    morv::designSolve(program());
    VArray start(0, 9);
    for (int16_t i = 1; i <= 8; ++i)
        start(i) = he.xx(i);
    const double flow = he.Pl().m();
    int64_t converged = 0;
    const auto calls = [&] { return he.Tr().S().correlationCalls() + he.Pl().S().correlationCalls(); };
    const uint64_t callsBefore = calls();
    for (auto _ : state) {
        for (int16_t i = 1; i <= 8; ++i)
            he.xx(i, start(i));
        morv::fieldsFromVector(he);
        for (int point = 0; point < 100; ++point) {
            he.Pl().m(0.8 + 0.4 * point / 99.0);
            const morv::DesignSolveResult result =
                morv::designSolve(program(), morv::DesignSolveKind::AnalysisPoint);
            if (result.converged()) ++converged;
            morv::fieldsFromVector(he);
        }
    }
    he.Pl().m(flow);
    const auto perAnalysis = [&](double total) {
        return benchmark::Counter(total / static_cast<double>(state.iterations()));
    };
    state.counters["converged"] = perAnalysis(static_cast<double>(converged));
    state.counters["correlations"] = perAnalysis(static_cast<double>(calls() - callsBefore));
}
BENCHMARK(BM_AnalysisComponents)->Arg(1)->Arg(2)->Arg(5)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);

} // namespace
