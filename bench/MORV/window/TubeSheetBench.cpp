// The tube-sheet sketch painted as the sketch window paints it: the layout of the quarter, the
// shell, every tube and the row labels on a 470-pixel picture. The painting grows with the
// tubes of the quarter; the sketch refuses a sheet of more than `maxDrawnTubes` of them.

#include "MORV/model/ProgramState.h"
#include "MORV/model/Trubkovnice.h"
#include "MORV/window/sketch/frmTrubkov.h"
#include "Platform/MessageBox.h"
#include "Platform/Regional.h"
#include "Platform/qt/ImageSurface.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

//! A 5 m shell with 12.7 mm tubes staggered at 16 mm across and 13.9 mm along the flow:
//! 22,002 tubes in the quarter, 87,517 in the sheet.
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

//! Sheets of about the given number of tubes in the quarter, in line with the pitch equal to
//! the tube diameter: the largest circles that many tubes allow. The quarter of a 2 m shell
//! holds about pi / 4 / p^2 tubes at the pitch p [m].
void TubeSheetDrawnByTubeCount(benchmark::State& state) {
    platform::ImageSurface surface(470, 470);
    const double pitch = std::sqrt(3.1415 / 4 / double(state.range(0)));
    const morv::TubeSheetDimensions dims{2, pitch, pitch, pitch, false};
    for (auto _ : state) {
        const morv::TubeSheetLayout sheet = morv::sketchTubeSheet(surface, dims);
        if (!sheet.valid) state.SkipWithError("the sheet was refused");
        benchmark::DoNotOptimize(sheet.quarterTubes);
    }
    state.counters["tubes"] = double(morv::layOutTubeSheet(dims).quarterTubes);
}
BENCHMARK(TubeSheetDrawnByTubeCount)
    ->Arg(25'000)
    ->Arg(50'000)
    ->Arg(100'000)
    ->Arg(200'000)
    ->Arg(390'000)
    ->Unit(benchmark::kMillisecond);

//! The largest sheet the sketch accepts, drawn by "Kresli" of the window: a 2 m shell with
//! 1.402 mm tubes in line at their own diameter, 399,540 tubes in the quarter (1.401 mm gives
//! more than `maxDrawnTubes`). The time is what the window is held for.
void LargestAcceptedTubeSheetDrawnInTheWindow(benchmark::State& state) {
    platform::ScriptedMessageService boxes;
    platform::setMessageService(&boxes);
    morv::resetProgram();
    {
        const platform::DecimalSeparatorScope separator('.');
        QWidget main;
        const char* const construction[] = {"2",        "0.001402", "", "", "", "", "0.001402",
                                            "0.001402", "",         "", "", "", "1"};
        for (int i = 0; i < 13; ++i)
            (new QLineEdit(QString::fromLatin1(construction[i]), &main))
                ->setObjectName(QStringLiteral("txtPark_%1").arg(i));
        morv::frmTrubkov window(main, morv::program());
        window.Form_Activate();
        window.show();
        QApplication::processEvents();
        for (auto _ : state) {
            window.cmdKresli_Click();
            QApplication::processEvents();
        }
        if (!boxes.boxes().empty() || !window.isVisible()) state.SkipWithError("the sheet was refused");
        state.counters["tubes"] = window.findChild<QLineEdit*>("Text2")->text().toDouble();
    }
    morv::resetProgram();
    platform::setMessageService(nullptr);
}
BENCHMARK(LargestAcceptedTubeSheetDrawnInTheWindow)->Unit(benchmark::kMillisecond);

} // namespace
