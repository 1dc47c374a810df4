#include "ToviC/Tovi.h"

#include "Platform/Regional.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

// One value of every display band, as the windows and the report show them.
void BM_RoundX(benchmark::State& state) {
    platform::DecimalSeparatorScope scope(',');
    tovi::Tovi t;
    const std::array<platform::Variant, 7> values = {12345.678, 123.456,   12.3456,  1.23456,
                                                     0.123456,  0.0123456, 0.0012345};
    for (auto _ : state)
        for (const platform::Variant& x : values)
            benchmark::DoNotOptimize(t.RoundX(x));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}
BENCHMARK(BM_RoundX);

// A typed value converted between two compound units: four table lookups.
void BM_PrevodBetweenUnits(benchmark::State& state) {
    tovi::Tovi::setUserFileFolder("/nonexistent/");
    tovi::Tovi t;
    const std::string input = "BTU/lb 14 kcal/kg";
    int16_t ch = 0;
    for (auto _ : state) {
        std::string buf = input;
        benchmark::DoNotOptimize(t.Prevod(buf, ch));
    }
}
BENCHMARK(BM_PrevodBetweenUnits);

} // namespace
