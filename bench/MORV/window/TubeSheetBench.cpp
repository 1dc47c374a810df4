// The tube-sheet sketch of a large condenser painted as the sketch window paints it: the
// layout of the quarter, the shell, every tube and the row labels on a 470-pixel picture.

#include "MORV/model/Trubkovnice.h"
#include "Platform/qt/ImageSurface.h"

#include <benchmark/benchmark.h>

namespace {

//! A 5 m shell with 12.7 mm tubes staggered at 16 mm across and 13.9 mm along the flow:
//! 22,002 tubes in the quarter.
void TubeSheetOfALargeCondenserDrawn(benchmark::State& state) {
    platform::ImageSurface surface(470, 470);
    const morv::TubeSheetDimensions dims{5, 0.0127, 0.016, 0.0139, true};
    for (auto _ : state) {
        const morv::TubeSheetLayout sheet = morv::sketchTubeSheet(surface, dims);
        benchmark::DoNotOptimize(sheet.quarterTubes);
    }
    state.counters["tubes"] = double(morv::layOutTubeSheet(dims).quarterTubes);
}
BENCHMARK(TubeSheetOfALargeCondenserDrawn)->Unit(benchmark::kMillisecond);

} // namespace
