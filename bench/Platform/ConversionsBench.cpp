#include "Platform/Conversions.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

// The leading number of the short texts that boxes and files hold.
void BM_ValShortTexts(benchmark::State& state) {
    const std::array<std::string, 8> texts = {" 12.5", "1.5E-3", "-3",    "0.018",
                                              "1000",  "  7 kg", "2.5D2", "100"};
    for (auto _ : state)
        for (const std::string& t : texts)
            benchmark::DoNotOptimize(platform::val(t));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}
BENCHMARK(BM_ValShortTexts);

// A number followed by a tail of the given length: reading it must not depend on the tail,
// whether the tail holds plain text or degree signs and no-break spaces.
void valWithTail(benchmark::State& state, const std::string& piece) {
    std::string text = "12.5";
    while (text.size() < static_cast<size_t>(state.range(0)))
        text += piece;
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::val(text));
}
void BM_ValNumberThenText(benchmark::State& state) {
    valWithTail(state, " kg/m3 abc");
}
BENCHMARK(BM_ValNumberThenText)->Arg(10)->Arg(1000)->Arg(100000);
void BM_ValNumberThenDegreesAndNoBreakSpaces(benchmark::State& state) {
    valWithTail(state, "\u00A0\u00B0C\u202F");
}
BENCHMARK(BM_ValNumberThenDegreesAndNoBreakSpaces)->Arg(10)->Arg(1000)->Arg(100000);

// Thousands grouped with no-break spaces, as a spreadsheet of a Czech desktop copies them.
void BM_ValGroupedThousands(benchmark::State& state) {
    const std::string text = "1\u00A0234\u00A0567,5";
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::valComma(text));
}
BENCHMARK(BM_ValGroupedThousands);

} // namespace
