#include "Exchangers.h"

#include "MORV/model/TARMST.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using platform::Variant;

//! The pressure-drop properties of the tests, not recorded: the benchmark measures the
//! pressure drop itself.
std::shared_ptr<morvtest::FixtureProperties> water() {
    auto props = morvtest::pressureDropProperties();
    props->record = false;
    return props;
}

// Friction factor of a smooth tube (Re 1e5: about sixteen Colebrook passes) and of a rough
// one in the transition zone (one Colebrook solve at 4000).
void BM_HLTR(benchmark::State& state) {
    morv::TARMST model;
    const Variant re(static_cast<double>(state.range(0)));
    const Variant d(0.02);
    const Variant eps(state.range(0) < 4000 ? 0.0001 : 0.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(model.HLTR(re, d, eps));
}
BENCHMARK(BM_HLTR)->Arg(3000)->Arg(100000);

// The tube-side and shell-side cases of the pressure-drop tests.
void BM_TlakZtrTrubky(benchmark::State& state) {
    morv::TARMST e;
    morvtest::tubePressureDropCase(e, water());
    for (auto _ : state) {
        e.TlakZtrTrubky();
        benchmark::DoNotOptimize(e.dPtr);
    }
}
BENCHMARK(BM_TlakZtrTrubky);

void BM_TlakZtrPlast(benchmark::State& state) {
    morv::TARMST e;
    morvtest::shellPressureDropCase(e, water());
    for (auto _ : state) {
        e.ReP = Variant(5000.0);
        e.TlakZtrPlast();
        benchmark::DoNotOptimize(e.dPpl);
    }
}
BENCHMARK(BM_TlakZtrPlast);

} // namespace
