// Pressure drops of both sides: the tubes, their nozzles and turns; the shell bundle, its
// baffle windows and nozzles; the condensing side of the condensation model.

#include "Exchangers.h"
#include "PressureDropSupport.h"
#include "TestSupport.h"

#include "MORV/model/MorvConstants.h"
#include "MORV/model/TARMMORV.h"
#include "MORV/model/TARMST.h"
#include "Platform/RunTimeError.h"

#include <algorithm>
#include <cmath>
#include <memory>

using morv::TARMMORV;
using morv::TARMST;
using morvtest::FixtureProperties;
using platform::Variant;
using platform::VArray;
using pressuredrop::colebrookRounded;

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
        morvtest::tubePressureDropCase(e, props);
    }

    // Velocity head rho v^2 / 2 of the mean flow in a tube [Pa].
    double velocityHead() const { return 1000.0 * 1.0 * 1.0 / 2.0; }
    // One pass: entry, exit and chamber losses of 1.565 velocity heads plus friction.
    double onePass() const { return velocityHead() * (1.565 + colebrookRounded(1e4, 0.0) * 3.0 / tubeBore); }
    // A nozzle of diameter d [m] carrying m [kg/s] of a fluid of density rho: velocity and
    // pressure drop of `loss` velocity heads.
    static double nozzleVelocity(double m, double rho, double d) { return 4.0 * m / (pi * rho * d * d); }
    static double nozzleDrop(double loss, double rho, double v) { return loss * rho * v * v / 2.0; }

    std::shared_ptr<FixtureProperties> props = morvtest::pressureDropProperties();
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

namespace {

// Single-precision values as the fields hold them.
double single(double x) {
    return static_cast<float>(x);
}

// Water across a bundle of 100 tubes of 20 mm on a 25 mm square pitch in a 0.5 m shell,
// 3 m long, baffles 0.6 m apart cut to 0.75 of the diameter, 10 rows; nozzles of 0.1 m
// and 0.05 m carrying 2 kg/s.
class ShellPressureDrop : public ::testing::Test {
protected:
    void SetUp() override {
        model->he(exchanger);
        morvtest::shellPressureDropCase(e, props);
    }

    // Sets the mean velocity so that the Reynolds number of the hydraulic diameter,
    // dh v rho / mu with dh = 4 sL sT / (pi d) - d, is reh, to the last bit where it can.
    void setReh(double reh) {
        const double d = e.Dtrubo;
        const double dh = 4.0 * e.sL * e.sT / pi / d - d;
        double v = reh * 1e-3 / (dh * 1000.0);
        for (int i = 0; i < 8 && dh * v * 1000.0 / 1e-3 != reh; ++i)
            v = std::nextafter(v, dh * v * 1000.0 / 1e-3 < reh ? 1.0 : 0.0);
        e.vplaststr = Variant(v);
    }

    // Circular segment of height h in a circle of diameter D (Bronshtein, Handbook of
    // Mathematics, the circular segment): R^2 acos(1 - h/R) - (R - h) sqrt(2 R h - h^2).
    static double segmentArea(double D, double h) {
        const double R = D / 2.0;
        return R * R * std::acos(1.0 - h / R) - (R - h) * std::sqrt(2.0 * R * h - h * h);
    }
    // Shell nozzle of diameter d: velocity 4 m / (rho pi d^2) and its pressure drop.
    static double nozzleVelocity(double m, double rho, double d) { return 4.0 * m / (rho * pi * d * d); }
    static double nozzleDrop(double loss, double rho, double v) { return loss * rho * v * v / 2.0; }

    std::shared_ptr<FixtureProperties> props = morvtest::pressureDropProperties();
    std::shared_ptr<TARMST> exchanger = std::make_shared<TARMST>();
    TARMST& e = *exchanger;
    std::unique_ptr<TARMMORV> model = std::make_unique<TARMMORV>();
};

} // namespace

TEST(Min, GivesTheSmallestElementBelow1e30) {
    TARMST e;
    TARMMORV k;
    VArray x(0, 1);
    x(0) = Variant(0.025);
    x(1) = Variant(0.0216);
    EXPECT_EQ(e.Min(x).toDouble(), 0.0216);
    EXPECT_EQ(k.Min(x).toDouble(), 0.0216);
    x(0) = Variant(1e30);
    x(1) = Variant(2e30);
    EXPECT_EQ(e.Min(x).toDouble(), 1e30);
    VArray none;
    EXPECT_EQ(e.Min(none).toDouble(), 1e30);
}

// Equal pitches s on tubes of diameter d: dh = 4 s^2 / (pi d) - d, with pitch ratios s/d.
TEST_F(ShellPressureDrop, EqualPitchesGiveTheEquivalentDiameter) {
    const struct { double s, d; } cases[] = {{0.025, 0.02}, {0.032, 0.025}, {0.0254, 0.019}};
    for (const auto& c : cases) {
        e.sL = c.s;
        e.sT = c.s;
        e.Dtrubo = c.d;
        e.TlakZtrPlast();
        const double s = single(c.s), d = single(c.d);
        EXPECT_NEAR(e.dh.toDouble(), 4.0 * s * s / (pi * d) - d, 1e-15) << c.s;
        EXPECT_NEAR(e.Reh.toDouble(), e.dh.toDouble() * 0.25 * 1000.0 / 1e-3, 1e-9) << c.s;
    }
    e.sL = 0.025;
    e.sT = 0.025;
    e.Dtrubo = 0.02;
    e.TlakZtrPlast();
    EXPECT_NEAR(e.dh.toDouble(), 0.019790, 5e-7);
}

// Turbulent cross-flow at ReP 5000 (Reh 4947), pitch ratios 1.25 (the transverse one taken
// as (1.25 + 1.5) / 2 = 1.375), equal viscosities, ten rows: in-line evaluated at 10000,
// staggered at 5000.
TEST_F(ShellPressureDrop, TurbulentBundleFrictionInLineAndStaggered) {
    const double a = 1.25, b = 1.375;
    e.Uspor = 1;
    e.TlakZtrPlast();
    const double inLine =
        0.98 * (0.176 + 0.32 * a / std::pow(b - 1.0, 0.43 + 1.13 / a)) / std::pow(1e4, 0.15);
    EXPECT_NEAR(e.fpl.toDouble(), inLine, 1e-12);
    EXPECT_NEAR(e.fpl.toDouble(), 0.40768, 5e-6);
    EXPECT_EQ(e.VisKor.toDouble(), 1.0);

    e.Uspor = 0;
    e.TlakZtrPlast();
    const double staggered = 0.98 * (0.92 + 0.44 / std::pow(b - 1.0, 1.08)) / std::pow(5000.0, 0.15);
    EXPECT_NEAR(e.fpl.toDouble(), staggered, 1e-12);
    EXPECT_NEAR(e.fpl.toDouble(), 0.59793, 5e-6);
    EXPECT_NEAR(e.dPplsv.toDouble(), 10.0 * staggered * 1000.0 * 0.25 * 0.25 / 2.0, 1e-9);

    // The wall-viscosity factor (mu_w / mu)^0.14.
    e.ViskwPl = Variant(2e-3);
    e.TlakZtrPlast();
    EXPECT_NEAR(e.VisKor.toDouble(), std::pow(2.0, 0.14), 1e-14);
    EXPECT_NEAR(e.fpl.toDouble(), std::pow(2.0, 0.14) * staggered, 1e-12);
}

// Above ReP 40000 the field is lowered to 40000 and both forms use it.
TEST_F(ShellPressureDrop, ReynoldsAbove40000IsLoweredTo40000) {
    for (int16_t arrangement : {0, 1}) {
        e.Uspor = arrangement;
        e.ReP = Variant(50000.0);
        e.TlakZtrPlast();
        const double capped = e.fpl.toDouble();
        EXPECT_EQ(e.ReP.toDouble(), 40000.0);
        e.TlakZtrPlast();
        EXPECT_EQ(e.fpl.toDouble(), capped);
    }
}

// Laminar cross-flow with the wall-viscosity factor (mu_w / mu)^(0.57 / Reh^0.25):
// 280 / Reh (d / min pitch)^1.6 below Reh 70, 106 / Reh sL / d from 70 to 100; exactly 70
// takes the second form, whatever the field held before.
TEST_F(ShellPressureDrop, LaminarBundleFrictionBelowAndFromReynolds70) {
    e.sT = 0.03;
    e.ViskwPl = Variant(2e-3);
    const double d = single(0.02), sL = single(0.025), smaller = single(0.025);
    const struct {
        double reh;
        bool creeping;
    } cases[] = {{50.0, true}, {69.99, true}, {70.0, false}, {80.0, false}, {99.9, false}};
    for (const auto& c : cases) {
        setReh(c.reh);
        e.fpl = Variant(123.0);
        e.TlakZtrPlast();
        const double reh = e.Reh.toDouble();
        ASSERT_EQ(reh, c.reh);
        const double wall = std::pow(2.0, 0.57 / std::pow(reh, 0.25));
        EXPECT_NEAR(e.VisKor.toDouble(), wall, 1e-14) << c.reh;
        const double form = c.creeping ? 280.0 / reh * std::pow(d / smaller, 1.6) : 106.0 / reh * sL / d;
        EXPECT_NEAR(e.fpl.toDouble(), wall * form, 1e-12 * form) << c.reh;
    }
}

// ReP below 2000 with Reh of 100 or more: a straight line from the laminar value at
// Reh 100 (placed at Re = Dtrubi 100 / dh) to the turbulent value at 2000.
TEST_F(ShellPressureDrop, TransitionInterpolatesBetweenLaminarAndTurbulent) {
    e.ReP = Variant(1500.0);
    e.TlakZtrPlast();
    const double dh = e.dh.toDouble();
    const double f100 = 1.06 * single(0.025) / single(0.02);
    const double re100 = single(0.016) * 100.0 / dh;
    const double turbulent = 0.98 * (0.92 + 0.44 / std::pow(0.375, 1.08)) / std::pow(1500.0, 0.15);
    EXPECT_NEAR(e.fpl.toDouble(), f100 + (turbulent - f100) * (1500.0 - re100) / (2000.0 - re100), 1e-12);
}

// Fewer than ten rows multiply the friction by 1.1098 / rows + 0.93617.
TEST_F(ShellPressureDrop, FewRowsRaiseTheFriction) {
    e.TlakZtrPlast();
    const double tenRows = e.fpl.toDouble();
    e.NstredL = 5.0;
    e.TlakZtrPlast();
    EXPECT_NEAR(e.fpl.toDouble(), tenRows * 1.15813, 1e-12);
}

// The window free for the flow is the circular segment of height (1 - hPrep) Dplast less
// the tubes' share Ntrub (d / D)^2 of the cross-section. The half-angle of the segment is
// iterated to |cos x - c| < 1e-5, so the area agrees to about 1e-6.
TEST_F(ShellPressureDrop, BaffleWindowIsTheCircularSegmentLessTheTubes) {
    const double tubes = 1.0 - 100.0 * (single(0.02) / 0.5) * (single(0.02) / 0.5);
    for (double cut : {0.75, 0.5, 0.65}) {
        e.hPrep = cut;
        e.TlakZtrPlast();
        const double window = segmentArea(0.5, (1.0 - single(cut)) * 0.5) * tubes;
        const double vus = 2.0 / 1000.0 / window;
        EXPECT_NEAR(e.vus.toDouble(), vus, 1e-5 * vus) << cut;
        const double v = e.vus.toDouble();
        EXPECT_NEAR(e.dPus.toDouble(), 1.5 * 1000.0 * v * v / 2.0, 1e-12) << cut;
    }
    e.hPrep = 0.75;
    e.TlakZtrPlast();
    EXPECT_NEAR(2.0 / 1000.0 / e.vus.toDouble(), 0.032245, 5e-7);
    e.hPrep = 0.5; // half the cross-section
    e.TlakZtrPlast();
    EXPECT_NEAR(2.0 / 1000.0 / e.vus.toDouble(), M_PI * 0.25 / 8.0 * tubes, 1e-12);
}

// A baffle height outside 0..1 leaves no window angle: the search ends with error 6.
TEST_F(ShellPressureDrop, BaffleWithoutWindowAngleEndsWithOverflow) {
    e.hPrep = 1.5;
    EXPECT_RUNTIME_ERROR(e.TlakZtrPlast(), platform::err::Overflow);
}

// Number of baffles Int(L / dPrep - 1) from the single-precision ratio, never below 0; the
// total holds one segment more than baffles and one window per baffle, and a bundle
// without baffles one fifth of a segment.
TEST_F(ShellPressureDrop, BafflesSegmentsAndWindowsMakeTheTotal) {
    const struct {
        double spacing;
        double baffles;
    } cases[] = {{0.3, 9.0}, {0.6, 4.0}, {1.0, 2.0}, {1.5, 1.0},
                 {2.0, 0.0}, {3.0, 0.0}, {4.0, 0.0}, {30.0, 0.0}};
    const double vIn = nozzleVelocity(2.0, 1000.0, single(0.1));
    const double vOut = nozzleVelocity(2.0, 1000.0, single(0.05));
    const double nozzles = nozzleDrop(1.0, 1000.0, vIn) + nozzleDrop(1.0, 1000.0, vOut);
    const double segment = 10.0 * 0.98 * (0.92 + 0.44 / std::pow(0.375, 1.08)) / std::pow(5000.0, 0.15) *
                           1000.0 * 0.25 * 0.25 / 2.0;
    const double window = 2.0 / 1000.0 / 0.0322449; // velocity in the window of the cut 0.75
    for (const auto& c : cases) {
        e.dPrep = c.spacing;
        Variant total;
        e.TlakZtrPlast(&total);
        const double n = c.baffles;
        EXPECT_EQ(e.Nprep.toDouble(), n) << c.spacing;
        if (n > 0) {
            EXPECT_NEAR(e.dPplsv.toDouble(), segment, 1e-9) << c.spacing;
            EXPECT_NEAR(e.vus.toDouble(), window, 1e-4) << c.spacing;
        } else {
            EXPECT_NEAR(e.dPplsv.toDouble(), 0.2 * segment, 1e-9) << c.spacing;
            EXPECT_EQ(e.vus.toDouble(), 0.0) << c.spacing;
            EXPECT_EQ(e.dPus.toDouble(), 0.0) << c.spacing;
        }
        EXPECT_NEAR(e.dPpl.toDouble(), (n + 1.0) * e.dPplsv.toDouble() + n * e.dPus.toDouble() + nozzles,
                    1e-8)
            << c.spacing;
        EXPECT_GT(e.dPpl.toDouble(), nozzles) << c.spacing;
        EXPECT_EQ(total.toDouble(), e.dPpl.toDouble());
    }
}

// Shell nozzles: v = 4 m / (rho pi d^2), two velocity heads below Re 10000, one from it.
TEST_F(ShellPressureDrop, NozzleLossSwitchesAtReynolds10000) {
    const double d = single(0.1);
    const double v = 2.0 * 4.0 / 1000.0 / morv::k::pi / d / d;
    const double mu10000 = v * d * 1000.0 / 10000.0;
    const struct {
        double mu;
        double loss;
    } cases[] = {{mu10000, 1.0}, {mu10000 * (1.0 + 1e-12), 2.0}, {1e-3, 1.0}, {1e-1, 2.0}};
    e.HrdloPlo = 0.1;
    for (const auto& c : cases) {
        props->etal = FixtureProperties::constant(c.mu);
        e.TlakZtrPlast();
        EXPECT_TRUE(e.fplvst.identical(Variant(c.loss))) << c.mu;
        EXPECT_TRUE(e.fplvys.identical(Variant(c.loss))) << c.mu;
        EXPECT_NEAR(e.vplvst.toDouble(), nozzleVelocity(2.0, 1000.0, d), 1e-13);
        EXPECT_NEAR(e.dPplvst.toDouble(), nozzleDrop(c.loss, 1000.0, v), 1e-9) << c.mu;
    }
    props->etal = FixtureProperties::constant(mu10000);
    e.TlakZtrPlast();
    EXPECT_EQ(e.Replvst.toDouble(), 10000.0);
}

// Condensation in the shell with four baffles: the inlet nozzle keeps the vapour, the five
// segments and four windows count half, the outlet nozzle carries the condensate.
TEST_F(ShellPressureDrop, CondensingShellCountsHalfWithACondensateOutlet) {
    e.PlastKap = false;
    e.TlakZtrPlast();
    ASSERT_EQ(e.Nprep.toDouble(), 4.0);
    const double inletGas = e.dPplvst.toDouble();
    EXPECT_NEAR(inletGas, nozzleDrop(1.0, 5.0, nozzleVelocity(2.0, 5.0, single(0.1))), 1e-8);
    EXPECT_EQ(props->calls[0].member, "RROGW");
    EXPECT_EQ(props->calls[0].p, 3e5);
    const double segment = e.dPplsv.toDouble();
    const double window = e.dPus.toDouble();

    Variant total;
    model->TlakZtrPlast(&total);
    const double vOut = nozzleVelocity(2.0, 1000.0, single(0.05));
    const double outletLiquid = nozzleDrop(1.0, 1000.0, vOut);
    EXPECT_NEAR(e.dPpl.toDouble(), inletGas + 0.5 * (5.0 * segment + 4.0 * window) + outletLiquid, 1e-8);
    EXPECT_EQ(total.toDouble(), e.dPpl.toDouble());
    EXPECT_NEAR(e.dPplsv.toDouble(), segment / 2.0, 1e-12);
    EXPECT_NEAR(e.dPus.toDouble(), window / 2.0, 1e-12);
    EXPECT_EQ(e.dPplvst.toDouble(), inletGas);
    EXPECT_NEAR(e.vplvys.toDouble(), vOut, 1e-12);
    EXPECT_EQ(props->calls.back().member, "ETAL");
    EXPECT_DOUBLE_EQ(props->calls.back().T, 313.15);
}

// A liquid in the shell: the condensation model gives the single-phase result unchanged.
TEST_F(ShellPressureDrop, LiquidInTheShellKeepsTheSinglePhaseResult) {
    e.TlakZtrPlast();
    const double single = e.dPpl.toDouble();
    model->TlakZtrPlast();
    EXPECT_EQ(e.dPpl.toDouble(), single);
}

// Errors pass to the caller; a given total is not written.
TEST_F(ShellPressureDrop, ErrorsPassToTheCallerAndLeaveTheTotalUnwritten) {
    Variant total(-1.0);
    e.vplaststr = Variant(0.0); // Reh = 0
    EXPECT_RUNTIME_ERROR(e.TlakZtrPlast(&total), platform::err::DivisionByZero);
    EXPECT_EQ(total.toDouble(), -1.0);
    e.vplaststr = Variant(0.25);
    e.sL = 0.1;
    e.sT = 0.008; // transverse pitch ratio 0.4, taken as 0.95: b - 1 < 0
    EXPECT_RUNTIME_ERROR(e.TlakZtrPlast(&total), platform::err::InvalidCall);
    EXPECT_RUNTIME_ERROR(TARMMORV().TlakZtrPlast(), platform::err::ObjectNotSet);
}
