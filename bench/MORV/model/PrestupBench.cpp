#include "Exchangers.h"

#include "MORV/model/ProgramState.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

//! Constant properties of water near 100 °C, not recorded, so the time is the model's own.
std::shared_ptr<morvtest::FixtureProperties> constantProperties() {
    auto props = std::make_shared<morvtest::FixtureProperties>();
    props->nsloz = 1;
    props->record = false;
    return props;
}

// The horizontal steam condenser of the tests.
morv::TARMST& condenser() {
    return morvtest::horizontalSteamCondenser(constantProperties(), constantProperties());
}

// Both coefficients of one residual evaluation: single phase in the tubes, condensation on
// the bundle.
void BM_HeatTransferOfOneEvaluation(benchmark::State& state) {
    morv::TARMST& m = condenser();
    morv::TARMMORV& k = morv::program().Kondenzator();
    for (auto _ : state) {
        m.Alfai = 3000.0;
        m.Alfao = 9000.0;
        k.PrestupTrubky();
        k.PrestupPlast();
        benchmark::DoNotOptimize(m.Alfao);
    }
    morv::resetProgram();
}
BENCHMARK(BM_HeatTransferOfOneEvaluation);

// The mean properties of one residual evaluation: both streams and the condensate in the
// trial-vector mode.
void BM_FyzVlastOfOneEvaluation(benchmark::State& state) {
    morv::TARMST& m = condenser();
    morv::TARMMORV& k = morv::program().Kondenzator();
    const platform::Variant trial(int16_t{1});
    for (auto _ : state) {
        k.FyzVlast(&trial);
        benchmark::DoNotOptimize(m.ReP);
    }
    morv::resetProgram();
}
BENCHMARK(BM_FyzVlastOfOneEvaluation);

// Condensation inside vertical tubes and single phase across the bundle.
void BM_CondensationInVerticalTubes(benchmark::State& state) {
    morv::TARMST& m = condenser();
    morv::TARMMORV& k = morv::program().Kondenzator();
    m.TrubKap = false;
    m.PlastKap = true;
    m.Natok = 1;
    m.xx(1, 0.5);
    m.xx(3, 100.0);
    m.xx(5, 100.0);
    m.xx(4, 20.0);
    m.xx(6, 40.0);
    m.TrTyp = -1;
    m.PlTyp = 1;
    m.Ttrubstr = 100.0;
    for (auto _ : state) {
        m.Alfai = 5000.0;
        m.Alfao = 3000.0;
        k.PrestupTrubky();
        k.PrestupPlast();
        benchmark::DoNotOptimize(m.Alfai);
    }
    morv::resetProgram();
}
BENCHMARK(BM_CondensationInVerticalTubes);

} // namespace
