#include "MORV/model/ProgramState.h"
#include "MORV/model/StreamProperties.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Constant properties of water near 100 °C, so the time is the model's own.
class ConstantProperties : public morv::StreamProperties {
public:
    platform::Variant Nsloz() override { return int16_t{1}; }
    platform::Variant ROLW(const platform::Variant&, const platform::VArray&) override { return 958.0; }
    platform::Variant ETAL(const platform::Variant&, const platform::VArray&) override { return 2.82e-4; }
    platform::Variant ALAL(const platform::Variant&, const platform::VArray&) override { return 0.68; }
    platform::Variant CPLW(const platform::Variant&, const platform::VArray&) override { return 4216.0; }
    platform::Variant DHVW(const platform::Variant&, const platform::VArray&) override { return 2.257e6; }
    platform::Variant SIGMA(const platform::Variant&, const platform::VArray&) override { return 0.0589; }
    platform::Variant ObjRozL(const platform::Variant&, const platform::VArray&) override { return 7.5e-4; }
    platform::Variant ETAG(const platform::Variant&, const platform::VArray&) override { return 1.2e-5; }
    platform::Variant RROGW(const platform::Variant&, const platform::Variant&, const platform::VArray&) override {
        return 0.598;
    }
    platform::Variant ALAG(const platform::Variant&, const platform::VArray&) override { return 0.025; }
    platform::Variant CPGW(const platform::Variant&, const platform::VArray&) override { return 2080.0; }
    platform::Variant TBV(const platform::Variant&, const platform::VArray&) override { return 373.15; }
    platform::Variant TRB(const platform::Variant&, const platform::VArray&) override { return 373.15; }
};

// A horizontal condenser: cooling water in 100 tubes, steam condensing on the bundle.
morv::TARMST& condenser() {
    morv::resetProgram();
    morv::program().Kondenzator().he(morv::program().VymenikRef());
    morv::TARMST& m = morv::program().Vymenik();
    m.Tr().properties(std::make_shared<ConstantProperties>());
    m.Pl().properties(std::make_shared<ConstantProperties>());
    m.Tr().Xm(1, 1.0);
    m.Pl().Xm(1, 1.0);
    m.TrubKap = true;
    m.Dtrubi = 0.021;
    m.Dtrubo = 0.025;
    m.Dplast = 0.5;
    m.L = 3.0;
    m.dPrep = 0.5;
    m.Ntrub = 100;
    m.Chod = 2;
    m.NstredL = 8.0;
    m.sL = 0.03125;
    m.sT = 0.03125;
    m.Tr().m(10.0);
    m.Pl().m(0.5);
    m.Tr().P(3e5);
    m.Pl().P(101325.0);
    m.NstredT = 12;
    m.xx(1, 10.0);
    m.xx(2, 0.5);
    m.xx(3, 20.0);
    m.xx(5, 40.0);
    m.xx(4, 100.0);
    m.xx(6, 100.0);
    m.TrTyp = 1;
    m.PlTyp = -1;
    m.Kprostup = 900.0;
    m.ReT = 20000.0;
    m.PrT = 5.0;
    m.dL = 0.007;
    m.ViskTr = 8e-4;
    m.VodTr = 0.61;
    m.Ttrubstr = 30.0;
    m.Ttrubi = 20.0;
    m.TrbT = 100.0;
    m.HustTr = 0.6;
    m.Tplaststr = 100.0;
    m.Tplasti = 104.0;
    m.TrbP = 100.0;
    m.HustPl = 2.0;
    m.vplaststr = 250.0;
    m.ReP = 1e4;
    m.PrP = 7.0;
    m.ViskPl = 1e-3;
    m.VodPl = 0.6;
    morv::program().Kondenzator().Xinert = 0.02;
    morv::program().Kondenzator().MetodaP = 3;
    return m;
}

// Both coefficients of one residual evaluation: single phase in the tubes, condensation on
// the bundle.
void BM_HeatTransferOfOneEvaluation(benchmark::State& state) {
    morv::TARMST& m = condenser();
    morv::TARMMORV& k = morv::program().Kondenzator();
    for (auto _ : state) {
        m.Alfai = 3000.0;
        m.Alfao = 9000.0;
        k.PrestupTrubky();
        k.PrestupPlast();
        benchmark::DoNotOptimize(m.Alfao);
    }
    morv::resetProgram();
}
BENCHMARK(BM_HeatTransferOfOneEvaluation);

// The mean properties of one residual evaluation: both streams and the condensate in the
// trial-vector mode.
void BM_FyzVlastOfOneEvaluation(benchmark::State& state) {
    morv::TARMST& m = condenser();
    morv::TARMMORV& k = morv::program().Kondenzator();
    const platform::Variant trial(int16_t{1});
    for (auto _ : state) {
        k.FyzVlast(&trial);
        benchmark::DoNotOptimize(m.ReP);
    }
    morv::resetProgram();
}
BENCHMARK(BM_FyzVlastOfOneEvaluation);

// Condensation inside vertical tubes and single phase across the bundle.
void BM_CondensationInVerticalTubes(benchmark::State& state) {
    morv::TARMST& m = condenser();
    morv::TARMMORV& k = morv::program().Kondenzator();
    m.TrubKap = false;
    m.PlastKap = true;
    m.Natok = 1;
    m.xx(1, 0.5);
    m.xx(3, 100.0);
    m.xx(5, 100.0);
    m.xx(4, 20.0);
    m.xx(6, 40.0);
    m.TrTyp = -1;
    m.PlTyp = 1;
    m.Ttrubstr = 100.0;
    m.Ttrubi = 100.0;
    for (auto _ : state) {
        m.Alfai = 5000.0;
        m.Alfao = 3000.0;
        k.PrestupTrubky();
        k.PrestupPlast();
        benchmark::DoNotOptimize(m.Alfai);
    }
    morv::resetProgram();
}
BENCHMARK(BM_CondensationInVerticalTubes);

} // namespace
