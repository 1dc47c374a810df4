#include "RalvoC1/numeric/Ralvo.h"

#include <benchmark/benchmark.h>

namespace {

using platform::DArray;
using platform::Variant;
using platform::VArray;

// Rosenbrock's function 100 (y - x^2)^2 + (1 - x)^2, minimum 0 at (1, 1).
class Banana : public ralvo::Uloha {
public:
    double F(DArray& X) override {
        const double a = X(2) - X(1) * X(1), b = 1 - X(1);
        return 100 * a * a + b * b;
    }
    Variant F(VArray& X) override {
        const Variant a = X(2) - X(1) * X(1), b = Variant(int16_t{1}) - X(1);
        return Variant(int16_t{100}) * a * a + b * b;
    }
};

// From the classical start (-1.2, 1) with the default tolerance of each form.
void BM_Fmin1dBanana(benchmark::State& state) {
    Banana G;
    ralvo::Ralvo r;
    DArray X(0, 2);
    Variant itmax;
    double f = 0;
    for (auto _ : state) {
        X(1) = -1.2;
        X(2) = 1;
        itmax = Variant(int16_t{2000});
        f = r.Fmin1d(G, int16_t{2}, X, std::nullopt, &itmax);
        benchmark::DoNotOptimize(f);
        benchmark::DoNotOptimize(X);
    }
    state.counters["iterations"] = itmax.toDouble();
}
BENCHMARK(BM_Fmin1dBanana);

void BM_Fmin1Banana(benchmark::State& state) {
    Banana G;
    ralvo::Ralvo r;
    VArray X(0, 2);
    Variant itmax, f;
    for (auto _ : state) {
        X(1) = Variant(-1.2);
        X(2) = Variant(int16_t{1});
        itmax = Variant(int16_t{1000});
        f = r.Fmin1(G, int16_t{2}, X, std::nullopt, &itmax);
        benchmark::DoNotOptimize(f);
        benchmark::DoNotOptimize(X);
    }
    state.counters["iterations"] = itmax.toDouble();
}
BENCHMARK(BM_Fmin1Banana);

} // namespace
