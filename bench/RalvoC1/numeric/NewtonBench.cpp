#include "RalvoC1/numeric/Ralvo.h"

#include <benchmark/benchmark.h>

namespace {

using platform::DArray;
using platform::Variant;
using platform::VArray;

// x^2 + y^2 + z^2 = 14, x y z = 6, x + y^2 = 5, solution (1, 2, 3): three equations in three
// unknowns, the size of the condenser's design solve.
class ThreeEquations : public ralvo::Uloha {
public:
    void Fun(VArray& X, VArray& F, Variant&, VArray&) override {
        F(1) = X(1) * X(1) + X(2) * X(2) + X(3) * X(3) - Variant(int16_t{14});
        F(2) = X(1) * X(2) * X(3) - Variant(int16_t{6});
        F(3) = X(1) + X(2) * X(2) - Variant(int16_t{5});
    }
    void Fun(DArray& X, DArray& F, Variant&, DArray&) override {
        F(1) = X(1) * X(1) + X(2) * X(2) + X(3) * X(3) - 14;
        F(2) = X(1) * X(2) * X(3) - 6;
        F(3) = X(1) + X(2) * X(2) - 5;
    }
};

template <class Array> void start(Array& X) {
    X(1) = 1.5;
    X(2) = 1.5;
    X(3) = 2.5;
}

VArray positions() {
    VArray ipom(0, 3);
    for (int16_t i = 1; i <= 3; ++i)
        ipom(i) = Variant(i);
    return ipom;
}

// One solve to a relative correction below 1e-5 (the default of the general-value form).
void BM_NewtonGeneralValues(benchmark::State& state) {
    ThreeEquations g;
    VArray X(0, 3), z(0, 1), ipom = positions();
    Variant ID, k;
    for (auto _ : state) {
        start(X);
        k = ralvo::Ralvo::app().Newton(g, int16_t{3}, int16_t{3}, int16_t{3}, X, ipom, z, ID, Variant(1e-5));
        benchmark::DoNotOptimize(X);
        benchmark::DoNotOptimize(k);
    }
    state.counters["iterations"] = k.toDouble();
}
BENCHMARK(BM_NewtonGeneralValues);

void BM_NewtonDoublePrecision(benchmark::State& state) {
    ThreeEquations g;
    DArray X(0, 3), z(0, 1);
    VArray ipom = positions();
    Variant ID, k;
    for (auto _ : state) {
        start(X);
        k = ralvo::Ralvo::app().Newtond(g, int16_t{3}, int16_t{3}, int16_t{3}, X, ipom, z, ID, 1e-5);
        benchmark::DoNotOptimize(X);
        benchmark::DoNotOptimize(k);
    }
    state.counters["iterations"] = k.toDouble();
}
BENCHMARK(BM_NewtonDoublePrecision);

} // namespace
