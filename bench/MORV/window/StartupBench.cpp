// Start-up of the program's main window: building and loading it, then its first
// activation (the splash answered at once), offscreen.

#include "FixtureDb.h"
#include "TestSupport.h"

#include "KWELARdll/model/LibraryFolder.h"
#include "MORV/model/ProgramState.h"
#include "MORV/window/frmHE.h"
#include "Platform/MessageBox.h"
#include "Platform/qt/ModalHost.h"

#include <QApplication>
#include <QDialog>
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

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
