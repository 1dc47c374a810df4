#include "MORV/model/StreamProperties.h"
#include "MORV/model/TARMST.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using platform::Variant;
using platform::VArray;

// Water-like properties that do not depend on temperature, so the benchmark measures the
// pressure drop itself; the pressure drops ask for nothing else.
class Water : public morv::StreamProperties {
public:
    Variant ROLW(const Variant&, const VArray&) override { return Variant(1000.0); }
    Variant ETAL(const Variant&, const VArray&) override { return Variant(1e-3); }
    Variant RROGW(const Variant&, const Variant&, const VArray&) override { return Variant(5.0); }
    Variant ETAG(const Variant&, const VArray&) override { return Variant(1.5e-5); }
    Variant Nsloz() override { return {}; }
    Variant ALAL(const Variant&, const VArray&) override { return {}; }
    Variant CPLW(const Variant&, const VArray&) override { return {}; }
    Variant DHVW(const Variant&, const VArray&) override { return {}; }
    Variant SIGMA(const Variant&, const VArray&) override { return {}; }
    Variant ObjRozL(const Variant&, const VArray&) override { return {}; }
    Variant ALAG(const Variant&, const VArray&) override { return {}; }
    Variant CPGW(const Variant&, const VArray&) override { return {}; }
    Variant TBV(const Variant&, const VArray&) override { return {}; }
    Variant TRB(const Variant&, const VArray&) override { return {}; }
};

// Friction factor of a smooth tube (Re 1e5: about sixteen Colebrook passes) and of a rough
// one in the transition zone (one Colebrook solve at 4000).
void BM_HLTR(benchmark::State& state) {
    morv::TARMST model;
    const Variant re(static_cast<double>(state.range(0)));
    const Variant d(0.02);
    const Variant eps(state.range(0) < 4000 ? 0.0001 : 0.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(model.HLTR(re, d, eps));
}
BENCHMARK(BM_HLTR)->Arg(3000)->Arg(100000);

void BM_TlakZtrTrubky(benchmark::State& state) {
    morv::TARMST e;
    e.Tr().properties(std::make_shared<Water>());
    e.Tr().m(0.5);
    e.TrubKap = true;
    e.Chod = 2;
    e.Dtrubi = 0.02;
    e.L = 3.0;
    e.HrdloTri = 0.05;
    e.HrdloTro = 0.05;
    e.vtrubstr = Variant(1.0);
    e.HustTr = Variant(1000.0);
    e.ReT = Variant(10000.0);
    for (auto _ : state) {
        e.TlakZtrTrubky();
        benchmark::DoNotOptimize(e.dPtr);
    }
}
BENCHMARK(BM_TlakZtrTrubky);

void BM_TlakZtrPlast(benchmark::State& state) {
    morv::TARMST e;
    e.Pl().properties(std::make_shared<Water>());
    e.Pl().m(2.0);
    e.PlastKap = true;
    e.Dplast = 0.5;
    e.Dtrubo = 0.02;
    e.Dtrubi = 0.016;
    e.L = 3.0;
    e.sL = 0.025;
    e.sT = 0.025;
    e.dPrep = 0.6;
    e.hPrep = 0.75;
    e.Ntrub = 100;
    e.NstredL = 10.0;
    e.HrdloPli = 0.1;
    e.HrdloPlo = 0.05;
    e.vplaststr = Variant(0.25);
    e.HustPl = Variant(1000.0);
    e.ViskPl = Variant(1e-3);
    e.ViskwPl = Variant(1e-3);
    for (auto _ : state) {
        e.ReP = Variant(5000.0);
        e.TlakZtrPlast();
        benchmark::DoNotOptimize(e.dPpl);
    }
}
BENCHMARK(BM_TlakZtrPlast);

} // namespace
