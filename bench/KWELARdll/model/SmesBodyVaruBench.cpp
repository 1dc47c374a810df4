#include "KWELARdll/model/Smes.h"

#include "FixtureDb.h"

#include <benchmark/benchmark.h>

namespace {

using platform::Variant;
using platform::VArray;

// Five hydrocarbons with Antoine vapour pressures ln P = A1 + A2 / (A3 + T) [Pa, K] (type 6),
// converted from the usual mmHg / degC constants: n-pentane, n-hexane, n-heptane, n-octane,
// toluene, boiling at 309, 342, 372, 399 and 384 K under 101325 Pa.
struct Database {
    testsupport::TempDir dir;
    std::string path;

    Database() {
        const struct {
            float M, Tc, A1, A2, A3;
        } data[] = {{0.07215f, 469.7f, 20.7261f, -2477.07f, -39.945f},
                    {0.08618f, 507.6f, 20.7254f, -2696.72f, -48.74f},
                    {0.1002f, 540.2f, 20.7732f, -2912.54f, -56.606f},
                    {0.11423f, 568.7f, 20.8236f, -3113.07f, -63.995f},
                    {0.09214f, 591.8f, 20.9064f, -3096.52f, -53.668f}};
        kwelartest::FixtureDb db;
        int16_t n = 2;
        for (const auto& d : data)
            db.add(n++).point(1, d.M).point(2, d.Tc).block(9, 6, {d.A1, d.A2, d.A3}, 1, 150, 600);
        path = db.write(dir.path());
    }
};

const std::string& databasePath() {
    static Database db;
    return db.path;
}

// Bubble (dew = false) or dew point at about 101325 Pa of the first n of the five, equimolar.
// Calculated: the pressure goes round eight values within 0.8 %, more than the mixture keeps,
// so that every call calculates its point. Kept: every call at 101325 Pa, the point kept from
// the first.
void BM_BoilingPoint(benchmark::State& state, bool dew, bool kept = false) {
    const int n = static_cast<int>(state.range(0));
    kwelar::Smes s;
    kwelartest::pointAt(s, databasePath());
    std::vector<Variant> numbers;
    VArray r(0, 21);
    for (int k = 1; k <= n; ++k) {
        numbers.emplace_back(static_cast<int16_t>(k + 1));
        r(k) = Variant(1.0 / n);
    }
    s.DefSlozky(numbers);
    s.ChyboveHlasky(-1);
    Variant p[8];
    for (int k = 0; k < 8; ++k)
        p[k] = Variant(101325.0 * (1.0 + (kept ? 0 : k) / 1000.0));
    unsigned k = 0;
    for (auto _ : state) {
        const Variant& pk = p[k++ % 8];
        benchmark::DoNotOptimize(dew ? s.TRB(pk, r) : s.TBV(pk, r));
    }
}

BENCHMARK_CAPTURE(BM_BoilingPoint, TBV, false)->Arg(2)->Arg(5);
BENCHMARK_CAPTURE(BM_BoilingPoint, TRB, true)->Arg(2)->Arg(5);
BENCHMARK_CAPTURE(BM_BoilingPoint, TBVKept, false, true)->Arg(5);

} // namespace
