#include "KWELARdll/model/Smes.h"

#include "FixtureDb.h"

#include <benchmark/benchmark.h>

namespace {

using platform::Variant;

// A two-component mixture from a fixture database: slot 1 a hexane-like substance whose
// correlations use the common equation types, slot 2 water, whose liquid density comes from
// the saturated-liquid equation.
struct Mixture {
    testsupport::TempDir dir;
    kwelar::Smes s;

    Mixture() {
        kwelartest::FixtureDb db;
        db.add(3)
            .point(2, 507.6f)
            .block(1, 19, {1.7e-7f, 0.68f, 120.0f, 0.0f})                   // gas viscosity
            .block(2, 3, {-4.4f, 0.582f, -3.1e-4f, 6.5e-8f})                // ideal-gas heat capacity
            .block(3, 5, {-0.01f, 5e-5f, 1e-7f, -1e-10f, 3e-14f, -1e-18f})  // gas conductivity
            .block(4, 15, {0.7147f, 0.265f, 507.6f, 0.2781f})               // liquid density
            .block(8, 16, {4.4544e7f, 0.39002f, 0.0f, 0.0f, 0.0f, 507.6f})  // heat of vaporisation
            .block(9, 18, {104.65f, -6995.5f, -12.702f, 1.2381e-5f, 2.0f}); // vapour pressure
        db.add(1).point(2, 647.096f).block(4, 1, {1000.0f, 0.0f});
        kwelartest::pointAt(s, db.write(dir.path()));
        s.DefSlozky({3, 1});
    }
};

Mixture& mixture() {
    static Mixture m;
    return m;
}

// One correlation of one component at 350 K.
void BM_FFce(benchmark::State& state, int16_t slot, int16_t Nvl) {
    kwelar::Smes& s = mixture().s;
    const Variant T(350.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(s.FFce(T, slot, Nvl));
}

BENCHMARK_CAPTURE(BM_FFce, Polynomial3_CPG, int16_t{1}, int16_t{2});
BENCHMARK_CAPTURE(BM_FFce, Polynomial5_ALAG, int16_t{1}, int16_t{3});
BENCHMARK_CAPTURE(BM_FFce, Type15_ROLW, int16_t{1}, int16_t{4});
BENCHMARK_CAPTURE(BM_FFce, Type16_DHV, int16_t{1}, int16_t{8});
BENCHMARK_CAPTURE(BM_FFce, Type18_TENS, int16_t{1}, int16_t{9});
BENCHMARK_CAPTURE(BM_FFce, Type19_ETAG, int16_t{1}, int16_t{1});
BENCHMARK_CAPTURE(BM_FFce, Water_ROLW, int16_t{2}, int16_t{4});

} // namespace
