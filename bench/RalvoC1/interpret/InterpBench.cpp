#include "RalvoC1/interpret/Interpret.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

namespace {

using platform::Variant;
using platform::VArray;

// Twenty operators each: numbers only, and the mix a residual text has (names of the table,
// vector elements, functions, parentheses).
const std::string numbersOnly = "1+2*3-4/5+6^2-7*8+9/10-11+12*13-14/15+16-17*18+19-20";
const std::string residual =
    "2*X[1]-SIN(X[2])^2/3+Z1*4-5/2+X[1]^2*Z2+7*8/9-COS(0,5)+EXP(Z1/10)-1.5E-1*(3+X[3])";
// Twenty vector elements X[1] to X[20], as the equations of a system refer to their unknowns.
const std::string elements = [] {
    std::string s = "X[1]";
    for (int k = 2; k <= 20; ++k)
        s += "+X[" + std::to_string(k) + "]";
    return s;
}();

int operators(const std::string& s) {
    return static_cast<int>(std::count_if(
               s.begin(), s.end(),
               [](char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; })) -
           static_cast<int>(s.find("E-") != std::string::npos); // an exponent sign is no operator
}

void evaluate(benchmark::State& state, const std::string& text) {
    state.counters["operators"] = operators(text);
    ralvo::Interpret ip;
    VArray Pr(0, 10, 0, 2), Y(0, 20);
    for (int16_t i = 1; i <= 10; ++i) {
        Pr(i, 1) = Variant("Z" + std::to_string(i));
        Pr(i, 2) = Variant(0.5 * i);
    }
    for (int16_t k = 0; k <= 20; ++k)
        Y(k) = Variant(0.25 * k);
    Y(1) = Variant(1.25);
    Y(2) = Variant(0.75);
    Y(3) = Variant(2.0);
    Variant v;
    for (auto _ : state) {
        int16_t ipok = -2;
        v = ip.Interp(text, ipok, Pr, Y);
        benchmark::DoNotOptimize(v);
        benchmark::DoNotOptimize(ipok);
    }
    state.counters["value"] = v.toDouble();
}

void BM_Interp20OperatorsNumbers(benchmark::State& state) {
    evaluate(state, numbersOnly);
}
BENCHMARK(BM_Interp20OperatorsNumbers);

void BM_Interp20OperatorsResidual(benchmark::State& state) {
    evaluate(state, residual);
}
BENCHMARK(BM_Interp20OperatorsResidual);

void BM_Interp20Elements(benchmark::State& state) {
    evaluate(state, elements);
}
BENCHMARK(BM_Interp20Elements);

} // namespace
