#include "RalvoC1/numeric/Ralvo.h"

#include <benchmark/benchmark.h>

#include <numbers>

namespace {

using platform::DArray;
using platform::Variant;
using platform::VArray;

// y'' = -y as y1' = y2, y2' = -y1: one full period from (0, 1), two equations.
class Oscillator : public ralvo::Uloha {
public:
    void FKT(Variant&, Variant&, VArray& Y, VArray& DY, VArray&) override {
        ++calls;
        DY(1) = Y(2);
        DY(2) = Variant(int16_t{0}) - Y(1);
    }
    void FKT(Variant&, double&, DArray& Y, DArray& DY, DArray&) override {
        ++calls;
        DY(1) = Y(2);
        DY(2) = -Y(1);
    }
    long calls = 0;
};

// One period with the tolerance 1e-8 per step, starting with the whole interval.
void BM_RkmdOscillator(benchmark::State& state) {
    Oscillator G;
    ralvo::Ralvo r;
    DArray Y(0, 2), zz(0, 1);
    Variant Star;
    for (auto _ : state) {
        double xb = 0, xe = 2 * std::numbers::pi;
        Y(1) = 0;
        Y(2) = 1;
        Star = Variant(int16_t{1});
        r.Rkmd(G, int16_t{2}, xb, xe, Y, 1e-8, Star, zz);
        benchmark::DoNotOptimize(Y);
    }
    state.counters["trial steps"] =
        static_cast<double>(G.calls) / 5 / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RkmdOscillator);

void BM_RkmOscillator(benchmark::State& state) {
    Oscillator G;
    ralvo::Ralvo r;
    VArray Y(0, 2), zz(0, 1);
    Variant Star;
    for (auto _ : state) {
        Variant xb(0.0), xe(2 * std::numbers::pi);
        Y(1) = Variant(0.0);
        Y(2) = Variant(1.0);
        Star = Variant(int16_t{1});
        r.Rkm(G, int16_t{2}, xb, xe, Y, Variant(1e-8), Star, zz);
        benchmark::DoNotOptimize(Y);
    }
    state.counters["trial steps"] =
        static_cast<double>(G.calls) / 5 / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RkmOscillator);

} // namespace
