// The design solve of the sample task (methanol condensing at 1 atm in the shell, cooling
// water in four tube passes; unknowns water flow, duty and area) on the substance database
// of this build.

#include "BuiltDatabaseSupport.h"

#include "MORV/model/DesignSolve.h"
#include "MORV/model/ProgramState.h"
#include "MORV/model/TaskCommands.h"
#include "Platform/MessageBox.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using morv::program;
using platform::Variant;
using platform::VArray;

//! The sample task loaded as the program's load command does it.
class SampleTask {
public:
    SampleTask() {
        platform::setMessageService(&m_boxes);
        morv::loadTask(program(), morvtest::sampleTaskPath(morvtest::sampleTask));
        m_water = he().Tr().m();
        m_Q = he().Q;
        m_area = he().Plocha;
        m_length = he().L;
    }
    ~SampleTask() { platform::setMessageService(nullptr); }

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

// One design solve from the task's estimates: start values, properties, the Newton solve
// (about 25 residual evaluations) and both pressure drops.
void BM_DesignSolve(benchmark::State& state) {
    SampleTask task;
    for (auto _ : state) {
        task.restoreEstimates();
        benchmark::DoNotOptimize(morv::designSolve(program()).ID);
    }
}
BENCHMARK(BM_DesignSolve)->Unit(benchmark::kMillisecond);

// One evaluation of the residual function at the solution: properties of both streams, both
// heat-transfer coefficients and the three residuals.
void BM_Residuals(benchmark::State& state) {
    SampleTask task;
    morv::designSolve(program());
    VArray x(0, 9), FF(0, 3), z(0, 10);
    for (int16_t i = 1; i <= 8; ++i)
        x(i) = SampleTask::he().xx(i);
    Variant N(int16_t{3});
    for (auto _ : state) {
        program().Kondenzator().FUN(x, FF, N, z);
        benchmark::DoNotOptimize(FF);
    }
}
BENCHMARK(BM_Residuals)->Unit(benchmark::kMicrosecond);

} // namespace
