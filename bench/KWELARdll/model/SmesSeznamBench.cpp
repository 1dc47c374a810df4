// Building the substance list over the database of the build.

#include "FixtureDb.h"
#include "KWELARdll/model/Smes.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void BM_AkSeznam(benchmark::State& state) {
    // A copy in a folder of its own, so the list file is not written beside the build's
    // database.
    testsupport::TempDir dir;
    const std::string copy = dir.file("KWELAR.DRC");
    std::filesystem::copy_file(KWELAR_BUILT_DATABASE, copy);
    kwelar::Smes s;
    kwelartest::pointAt(s, copy);
    for (auto _ : state) {
        s.AkSeznam();
        benchmark::DoNotOptimize(s.PocLatek());
    }
    state.counters["substances"] = s.PocLatek();
}
BENCHMARK(BM_AkSeznam)->Unit(benchmark::kMillisecond);

} // namespace
