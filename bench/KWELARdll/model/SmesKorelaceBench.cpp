#include "KWELARdll/model/Smes.h"

#include "FixtureDb.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using platform::Variant;

// One fixture substance for each of the 19 equation types, its block in the slot of the
// ideal-gas heat capacity (correlation 2, which no temperature rule touches), with
// coefficients that give a finite value at 350 K; slot 20 is water, whose liquid density
// comes from the saturated-liquid equation.
struct TypeCase {
    int16_t type;
    std::vector<float> A;
};

const TypeCase Types[] = {
    {1, {1.0f, 0.01f}},
    {2, {1.0f, 0.01f, 1e-5f}},
    {3, {-4.4f, 0.582f, -3.1e-4f, 6.5e-8f}},
    {4, {1.0f, 1e-2f, 1e-5f, 1e-8f, 1e-11f}},
    {5, {-0.01f, 5e-5f, 1e-7f, -1e-10f, 3e-14f, -1e-18f}},
    {6, {20.7f, -2696.7f, -48.7f}},
    {7, {0.3f, 0.27f, 600.0f}},
    {8, {1000.0f, 300.0f, 0.38f, 600.0f}},
    {9, {30.0f, -3000.0f, 0.0f, -8.0f, 0.001f, 1e-7f}},
    {10, {5.0f, -1000.0f, 0.001f, 1e-7f, 0.0f}},
    {11, {-10.0f, 1000.0f, 1e4f, 1e5f}},
    {12, {1e-6f, 100.0f}},
    {13, {-7.7f, 1.5f, -2.8f, -1.2f, 600.0f, 3e6f}},
    {14, {0.05f, 600.0f}},
    {15, {0.7147f, 0.265f, 507.6f, 0.2781f}},
    {16, {4.4544e7f, 0.39002f, 0.0f, 0.0f, 0.0f, 507.6f}},
    {17, {-500.0f, 300.0f, 2.0f}},
    {18, {104.65f, -6995.5f, -12.702f, 1.2381e-5f, 2.0f}},
    {19, {1.7e-7f, 0.68f, 120.0f, 0.0f}},
};

struct Mixture {
    testsupport::TempDir dir;
    kwelar::Smes s;

    Mixture() {
        kwelartest::FixtureDb db;
        std::vector<Variant> numbers;
        for (const TypeCase& c : Types) {
            db.add(static_cast<int16_t>(c.type + 1)).point(2, 600.0f).block(2, c.type, c.A);
            numbers.emplace_back(static_cast<int16_t>(c.type + 1));
        }
        db.add(1).point(2, 647.096f).block(4, 1, {1000.0f, 0.0f});
        numbers.emplace_back(int16_t{1});
        kwelartest::pointAt(s, db.write(dir.path()));
        s.DefSlozky(numbers);
        s.ChyboveHlasky(-1);
    }
};

Mixture& mixture() {
    static Mixture m;
    return m;
}

// One correlation of one component at 350 K: equation type `type` (slot `type`), or the
// water density (slot 20, correlation 4) for type 0.
void BM_FFce(benchmark::State& state) {
    const auto type = static_cast<int16_t>(state.range(0));
    kwelar::Smes& s = mixture().s;
    const int16_t slot = type == 0 ? int16_t{20} : type;
    const int16_t Nvl = type == 0 ? int16_t{4} : int16_t{2};
    const Variant T(350.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(s.FFce(T, slot, Nvl));
}
BENCHMARK(BM_FFce)->DenseRange(0, 19)->ArgName("type");

} // namespace
