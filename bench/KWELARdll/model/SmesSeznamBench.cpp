// Building the substance list over the database of the build, and over a large database
// of equal names.

#include "FixtureDb.h"
#include "KWELARdll/model/Smes.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

//! Builds the substance list of the database at every iteration.
void buildListEachIteration(benchmark::State& state, const std::string& database) {
    kwelar::Smes s;
    kwelartest::pointAt(s, database);
    for (auto _ : state) {
        s.AkSeznam();
        benchmark::DoNotOptimize(s.PocLatek());
    }
    state.counters["substances"] = s.PocLatek();
}

void BM_AkSeznam(benchmark::State& state) {
    // A copy in a folder of its own, so the list file is not written beside the build's
    // database.
    testsupport::TempDir dir;
    const std::string copy = dir.file("KWELAR.DRC");
    std::filesystem::copy_file(KWELAR_BUILT_DATABASE, copy);
    buildListEachIteration(state, copy);
}
BENCHMARK(BM_AkSeznam)->Unit(benchmark::kMillisecond);

// A database of 40,000 substances of one name: the sort meets nothing but equal keys.
void BM_AkSeznamEqualNames(benchmark::State& state) {
    testsupport::TempDir dir;
    const std::string database =
        kwelartest::writeNamedDatabase(dir.path(), std::vector<std::string>(40000, "ROZPOUŠTĚDLO"));
    buildListEachIteration(state, database);
}
BENCHMARK(BM_AkSeznamEqualNames)->Unit(benchmark::kMillisecond);

} // namespace
