// The main window offscreen: its start-up (building and loading it, then its first activation
// with the splash answered at once) and a click on the calculation button for the sample task,
// from the press to the report shown.

#include "FixtureDb.h"
#include "TestSupport.h"

#include "KWELARdll/model/LibraryFolder.h"
#include "MORV/model/ProgramState.h"
#include "MORV/model/TaskCommands.h"
#include "MORV/window/Vypocet.h"
#include "MORV/window/frmHE.h"
#include "Platform/MessageBox.h"
#include "Platform/qt/ModalHost.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void MainWindowShown(benchmark::State& state) {
    platform::ScriptedMessageService boxes;
    platform::setMessageService(&boxes);
    testsupport::TempDir folder;
    kwelartest::writeLocationFile(folder.path(), MORV_BUILT_DATABASE);
    kwelar::setLibraryFolder(folder.path());
    platform::ModalHost::setHook([](QDialog&) { return int(QDialog::Accepted); });
    for (auto _ : state) {
        morv::resetProgram();
        morv::frmHE window(morv::program());
        window.show();
        window.Form_Activate();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.windowTitle());
    }
    platform::ModalHost::setHook({});
    morv::resetProgram();
    platform::setMessageService(nullptr);
}
BENCHMARK(MainWindowShown)->Unit(benchmark::kMillisecond);

//! One calculation of the sample task: the task is loaded and shown anew before every click, so
//! that each run starts from the same estimates; the results are cleared outside the timing.
void SampleTaskCalculated(benchmark::State& state) {
    platform::ScriptedMessageService boxes;
    platform::setMessageService(&boxes);
    testsupport::TempDir folder;
    kwelartest::writeLocationFile(folder.path(), MORV_BUILT_DATABASE);
    kwelar::setLibraryFolder(folder.path());
    platform::ModalHost::setHook([](QDialog&) { return int(QDialog::Accepted); });
    morv::resetProgram();
    {
        morv::frmHE window(morv::program());
        window.show();
        window.Form_Activate();
        QApplication::processEvents();
        auto* button = window.findChild<QPushButton*>("cmdVypoc");
        const std::string task = std::string(MORV_SAMPLE_TASKS) + "/methanol-condenser.dat";
        for (auto _ : state) {
            state.PauseTiming();
            morv::loadTask(morv::program(), task);
            morv::ZobrazData(window);
            window.cmdSmaz_Click();
            state.ResumeTiming();
            QTest::mouseClick(button, Qt::LeftButton);
            QApplication::processEvents();
            if (morv::program().Vysledky.empty()) state.SkipWithError("the sample task did not report");
        }
    }
    platform::ModalHost::setHook({});
    morv::resetProgram();
    platform::setMessageService(nullptr);
}
BENCHMARK(SampleTaskCalculated)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
