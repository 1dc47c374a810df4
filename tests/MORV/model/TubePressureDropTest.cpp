#include "PressureDropSupport.h"
#include "TestSupport.h"

#include "MORV/model/MorvConstants.h"
#include "MORV/model/TARMMORV.h"
#include "MORV/model/TARMST.h"
#include "Platform/RunTimeError.h"

#include <cmath>
#include <memory>

using morv::TARMMORV;
using morv::TARMST;
using platform::Variant;
using pressuredrop::colebrookRounded;
using morvtest::FixtureProperties;

namespace {

constexpr double pi = 3.1415; // the model's pi
// The diameters as their single-precision fields hold them [m].
const double tubeBore = static_cast<float>(0.02);
const double nozzleBore = static_cast<float>(0.05);

// Water at 1 m/s in tubes of 20 mm, 3 m long (Re 10000), nozzles of 50 mm carrying 0.5 kg/s.
class TubePressureDrop : public ::testing::Test {
protected:
    void SetUp() override {
        model->he(exchanger);
        e.Tr().properties(props);
        e.Tr().m(0.5);
        e.Tr().P(2e5);
        e.TrubKap = true;
        e.Chod = 1;
        e.Dtrubi = 0.02;
        e.L = 3.0;
        e.Drsnost = 0.0;
        e.HrdloTri = 0.05;
        e.HrdloTro = 0.05;
        e.Ttrubi = 20.0;
        e.Ttrubo = 60.0;
        e.vtrubstr = Variant(1.0);
        e.HustTr = Variant(1000.0);
        e.ReT = Variant(10000.0);
    }

    // Velocity head rho v^2 / 2 of the mean flow in a tube [Pa].
    double velocityHead() const { return 1000.0 * 1.0 * 1.0 / 2.0; }
    // One pass: entry, exit and chamber losses of 1.565 velocity heads plus friction.
    double onePass() const { return velocityHead() * (1.565 + colebrookRounded(1e4, 0.0) * 3.0 / tubeBore); }
    // A nozzle of diameter d [m] carrying m [kg/s] of a fluid of density rho: velocity and
    // pressure drop of `loss` velocity heads.
    static double nozzleVelocity(double m, double rho, double d) { return 4.0 * m / (pi * rho * d * d); }
    static double nozzleDrop(double loss, double rho, double v) { return loss * rho * v * v / 2.0; }

    std::shared_ptr<FixtureProperties> props = pressuredrop::pressureDropProperties();
    std::shared_ptr<TARMST> exchanger = std::make_shared<TARMST>();
    TARMST& e = *exchanger;
    std::unique_ptr<TARMMORV> model = std::make_unique<TARMMORV>();
};

} // namespace

// One pass: the friction of the Colebrook factor plus 1.565 velocity heads of local losses,
// and two nozzles at Re 12733 (one velocity head each).
TEST_F(TubePressureDrop, OnePassIsOnePassAndTwoNozzles) {
    Variant total;
    e.TlakZtrTrubky(&total);

    EXPECT_NEAR(e.ftr.toDouble(), colebrookRounded(1e4, 0.0), 1e-9);
    EXPECT_NEAR(e.ftr.toDouble(), 0.030882, 5e-7);
    EXPECT_NEAR(e.Gtr.toDouble(), 1.565, 1e-15);
    EXPECT_NEAR(e.dPtru.toDouble(), onePass(), 1e-5);
    EXPECT_NEAR(e.dPtru.toDouble(), 3098.7, 0.05);
    EXPECT_DOUBLE_EQ(e.dPkom.toDouble(), 1000.0); // computed although one pass has no turn

    const double v = nozzleVelocity(0.5, 1000.0, nozzleBore);
    EXPECT_NEAR(e.Retrvst.toDouble(), 4.0 * 0.5 / (pi * nozzleBore * 1e-3), 1e-8);
    EXPECT_NEAR(e.Retrvst.toDouble(), 12733.0, 0.5);
    EXPECT_TRUE(e.Gtrvst.identical(Variant(int16_t{1})));
    EXPECT_NEAR(e.vtrvst.toDouble(), v, 1e-13);
    EXPECT_NEAR(e.vtrvst.toDouble(), 0.25466, 5e-6);
    EXPECT_NEAR(e.dPtrvst.toDouble(), nozzleDrop(1.0, 1000.0, v), 1e-10);
    EXPECT_NEAR(e.dPtrvst.toDouble(), 32.42, 0.005);
    EXPECT_NEAR(e.dPtrvys.toDouble(), e.dPtrvst.toDouble(), 1e-12);

    const double expected = onePass() + 2.0 * nozzleDrop(1.0, 1000.0, v);
    EXPECT_NEAR(e.dPtr.toDouble(), expected, 1e-5);
    EXPECT_EQ(total.toDouble(), e.dPtr.toDouble());
}

// Two passes: each pass once and the turn between them once.
TEST_F(TubePressureDrop, TwoPassesAddOneTurnOfTwoVelocityHeads) {
    e.Chod = 2;
    e.TlakZtrTrubky();
    const double nozzles = 2.0 * nozzleDrop(1.0, 1000.0, nozzleVelocity(0.5, 1000.0, nozzleBore));
    EXPECT_NEAR(2.0 * e.dPtru.toDouble() + e.dPkom.toDouble(), 7197.3, 0.05);
    EXPECT_NEAR(e.dPtr.toDouble(), 2.0 * onePass() + 2.0 * velocityHead() + nozzles, 2e-5);
}

// The local losses of one pass switch from 3.16 to 1.565 velocity heads at the tube-side
// Reynolds number 4000.
TEST_F(TubePressureDrop, LocalLossesSwitchAtReynolds4000) {
    const struct {
        double re;
        double gtr;
    } cases[] = {{1000.0, 3.16}, {3999.99, 3.16}, {4000.0, 1.565}, {1e5, 1.565}};
    for (const auto& c : cases) {
        e.ReT = Variant(c.re);
        e.TlakZtrTrubky();
        EXPECT_NEAR(e.Gtr.toDouble(), c.gtr, 1e-15) << c.re;
        EXPECT_NEAR(e.dPtru.toDouble(), velocityHead() * (c.gtr + e.ftr.toDouble() * 3.0 / tubeBore), 1e-8)
            << c.re;
    }
}

// A nozzle loses two velocity heads below Re 4000 and one from 4000 on.
TEST_F(TubePressureDrop, NozzleLossSwitchesAtReynolds4000) {
    // A viscosity that puts the nozzle Reynolds number at exactly 4000.
    const double mu4000 = 0.5 * 4.0 / morv::k::pi / nozzleBore / 4000.0;
    const struct {
        double mu;
        int16_t loss;
    } cases[] = {{mu4000, 1}, {mu4000 * (1.0 + 1e-12), 2}, {1e-3, 1}, {1e-1, 2}};
    for (const auto& c : cases) {
        props->etal = FixtureProperties::constant(c.mu);
        e.TlakZtrTrubky();
        EXPECT_TRUE(e.Gtrvst.identical(Variant(c.loss))) << c.mu;
        EXPECT_TRUE(e.Gtrvys.identical(Variant(c.loss))) << c.mu;
        const double v = e.vtrvst.toDouble();
        EXPECT_NEAR(v, nozzleVelocity(0.5, 1000.0, nozzleBore), 1e-12);
        EXPECT_NEAR(e.dPtrvst.toDouble(), nozzleDrop(c.loss, 1000.0, v), 1e-9) << c.mu;
    }
    props->etal = FixtureProperties::constant(mu4000);
    e.TlakZtrTrubky();
    EXPECT_EQ(e.Retrvst.toDouble(), 4000.0);
}

// The nozzles take the stream's liquid or real-gas properties at their own temperatures
// [K] with the stream's composition.
TEST_F(TubePressureDrop, NozzlesTakeTheFluidAtInletAndOutletTemperature) {
    e.Tr().Xm(1, 0.7);
    e.Tr().Xm(21, 0.3);
    e.TlakZtrTrubky();
    ASSERT_EQ(props->calls.size(), 4u);
    EXPECT_EQ(props->calls[0].member, "ROLW");
    EXPECT_EQ(props->calls[1].member, "ETAL");
    EXPECT_DOUBLE_EQ(props->calls[0].T, 293.15);
    EXPECT_DOUBLE_EQ(props->calls[3].T, 333.15);
    const auto& r = props->calls[0].r;
    EXPECT_EQ(r.lbound(), 0);
    EXPECT_EQ(r.ubound(), 21);
    EXPECT_TRUE(r(0).isEmpty());
    EXPECT_EQ(r(1).toDouble(), 0.7);
    EXPECT_EQ(r(21).toDouble(), 0.3);

    props->calls.clear();
    e.TrubKap = false;
    e.TlakZtrTrubky();
    ASSERT_EQ(props->calls.size(), 4u);
    EXPECT_EQ(props->calls[0].member, "RROGW");
    EXPECT_EQ(props->calls[0].p, 2e5);
    EXPECT_EQ(props->calls[1].member, "ETAG");
    EXPECT_EQ(props->calls[2].member, "RROGW");
    const double v = nozzleVelocity(0.5, 5.0, nozzleBore);
    EXPECT_NEAR(e.vtrvst.toDouble(), v, 1e-12);
    EXPECT_NEAR(e.dPtrvst.toDouble(), nozzleDrop(1.0, 5.0, v), 1e-9);
}

// Condensation in the tubes, two passes: the inlet nozzle keeps the vapour, the passes
// and the turn count half, the outlet nozzle carries the condensate.
TEST_F(TubePressureDrop, CondensingTwoPassesCountHalfWithACondensateOutlet) {
    e.TrubKap = false;
    e.Chod = 2;
    e.TlakZtrTrubky();
    const double inletGas = e.dPtrvst.toDouble();
    const double passSingle = e.dPtru.toDouble();
    const double turnSingle = e.dPkom.toDouble();

    Variant total;
    model->TlakZtrTrubky(&total);
    const double v = nozzleVelocity(0.5, 1000.0, nozzleBore);
    const double outletLiquid = nozzleDrop(1.0, 1000.0, v);
    EXPECT_NEAR(e.dPtr.toDouble(), inletGas + 0.5 * (2.0 * passSingle + turnSingle) + outletLiquid, 1e-8);
    EXPECT_EQ(total.toDouble(), e.dPtr.toDouble());
    EXPECT_NEAR(e.dPtru.toDouble(), passSingle / 2.0, 1e-12);
    EXPECT_EQ(e.dPkom.toDouble(), turnSingle);
    EXPECT_EQ(e.dPtrvst.toDouble(), inletGas);
    EXPECT_NEAR(e.vtrvys.toDouble(), v, 1e-13);
    EXPECT_NEAR(e.dPtrvys.toDouble(), outletLiquid, 1e-10);
    EXPECT_EQ(props->calls.back().member, "ETAL");
    EXPECT_DOUBLE_EQ(props->calls.back().T, 333.15);
}

// A liquid in the tubes: the condensation model gives the single-phase result unchanged.
TEST_F(TubePressureDrop, LiquidInTheTubesKeepsTheSinglePhaseResult) {
    e.Chod = 2;
    e.TlakZtrTrubky();
    const double single = e.dPtr.toDouble();
    Variant total;
    model->TlakZtrTrubky(&total);
    EXPECT_EQ(e.dPtr.toDouble(), single);
    EXPECT_EQ(total.toDouble(), single);
}

// Errors pass to the caller; a given total is not written.
TEST_F(TubePressureDrop, ErrorsPassToTheCallerAndLeaveTheTotalUnwritten) {
    Variant total(-1.0);
    props->etal = FixtureProperties::constant(0.0);
    EXPECT_RUNTIME_ERROR(e.TlakZtrTrubky(&total), platform::err::DivisionByZero);
    EXPECT_EQ(total.toDouble(), -1.0);
    EXPECT_RUNTIME_ERROR(TARMMORV().TlakZtrTrubky(), platform::err::ObjectNotSet);
}
