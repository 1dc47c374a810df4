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

// The typed texts of the unit boxes: a number alone, with a decimal comma, with a unit, with
// a temperature, with a target unit, and one whose unit follows a no-break space.
void BM_PrevodTypicalTexts(benchmark::State& state) {
    tovi::Tovi::setUserFileFolder("/nonexistent/");
    tovi::Tovi t;
    const std::array<std::string, 7> inputs = {"2,5",      "145 cm",      "25 km/h",          "20 C",
                                               "kW 500 W", "2,5\u00A0kg", "BTU/lb 14 kcal/kg"};
    int16_t ch = 0;
    for (auto _ : state)
        for (const std::string& input : inputs) {
            std::string buf = input;
            benchmark::DoNotOptimize(t.Prevod(buf, ch));
        }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(inputs.size()));
}
BENCHMARK(BM_PrevodTypicalTexts);

} // namespace
