#include "FixtureProperties.h"
#include "TestSupport.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "MORV/model/TARMST.h"
#include "Platform/RunTimeError.h"

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using morv::TARMST;
using morvtest::FixtureProperties;
using platform::Variant;

namespace {

//! The value a single-precision field holds after storing x.
double f32(double x) {
    return static_cast<float>(x);
}

const double pi = 3.1415; // the model's pi

//! Expects a to agree with the reference b to a few units in the last place.
void expectClose(double a, double b) {
    EXPECT_NEAR(a, b, 1e-13 * std::fabs(b));
}

// Linear property curves of the temperature T [K], so that every property tells at which
// temperature it was taken.
FixtureProperties::Curve line(double at0C, double perK) {
    return [=](double T) { return at0C + perK * (T - 273.15); };
}

// Cooling water in 100 tubes of 20/25 mm, 3 m long, two passes, 10 kg/s from 20 to 40 °C at
// 3 bar; steam at 1 atm on the shell from 110 to 100 °C, 0.5 kg/s, across a centre row of 12
// tubes in a shell of 600 mm with baffles 0.5 m apart. The trial vector holds the same values.
class MeanProperties : public ::testing::Test {
protected:
    void SetUp() override {
        for (FixtureProperties* p : {tube.get(), shell.get()}) {
            p->rolw = line(1000.0, -0.3);
            p->etal = line(1.8e-3, -1.2e-5);
            p->alal = line(0.57, 1.5e-3);
            p->cplw = line(4217.0, -0.5);
            p->rrogw = line(0.8, -2e-3);
            p->etag = line(9e-6, 4e-8);
            p->alag = line(0.016, 8e-5);
            p->cpgw = line(2000.0, 0.5);
            p->dhvw = line(2.5e6, -2400.0);
        }
        e.Tr().properties(tube);
        e.Pl().properties(shell);
        e.TrubKap = true;
        e.PlastKap = false;
        e.Dtrubi = 0.02;
        e.Dtrubo = 0.025;
        e.Dplast = 0.6;
        e.L = 3.0;
        e.Ntrub = 100;
        e.Chod = 2;
        e.NstredT = 12;
        e.dPrep = 0.5;
        e.Tr().m(10.0);
        e.Pl().m(0.5);
        e.Tr().P(3e5);
        e.Pl().P(101325.0);
        e.Ttrubi = 20.0;
        e.Ttrubo = 40.0;
        e.Tplasti = 110.0;
        e.Tplasto = 100.0;
        setTrialVector(10.0, 0.5, 20.0, 110.0, 40.0, 100.0);
    }

    void setTrialVector(double m1, double m2, double t3, double t4, double t5, double t6) {
        e.xx(1, m1);
        e.xx(2, m2);
        e.xx(3, t3);
        e.xx(4, t4);
        e.xx(5, t5);
        e.xx(6, t6);
    }

    void trial() {
        const Variant one(int16_t{1});
        e.FyzVlast(&one);
    }

    std::shared_ptr<FixtureProperties> tube = std::make_shared<FixtureProperties>();
    std::shared_ptr<FixtureProperties> shell = std::make_shared<FixtureProperties>();
    TARMST e;
};

// The free width across the centre row [m], as the model forms it from its single fields.
double freeWidth(const TARMST& e) {
    return static_cast<double>(e.Dplast) - e.NstredT * static_cast<double>(e.Dtrubo);
}

} // namespace

// ---- Order of the property calls ---------------------------------------------------------

class CallOrder : public MeanProperties, public ::testing::WithParamInterface<std::pair<bool, bool>> {};

// One source for both streams records the global order: the four properties of the tubes, of
// the shell (liquid or real gas at the stream's pressure), both heats of vaporisation, both
// bubble points, both dew points, each at its side's mean temperature + 273.15 or pressure.
TEST_P(CallOrder, PropertiesAreTakenInOrderAtTheMeanTemperatures) {
    const auto [tubeLiquid, shellLiquid] = GetParam();
    e.TrubKap = tubeLiquid;
    e.PlastKap = shellLiquid;
    e.Pl().properties(tube);
    e.FyzVlast();

    const double Tt = 30.0 + 273.15;
    const double Ts = 105.0 + 273.15;
    const std::vector<std::string> liquid = {"ROLW", "ETAL", "ALAL", "CPLW"};
    const std::vector<std::string> gas = {"RROGW", "ETAG", "ALAG", "CPGW"};
    std::vector<std::string> expected = tubeLiquid ? liquid : gas;
    for (const std::string& m : shellLiquid ? liquid : gas)
        expected.push_back(m);
    for (const char* m : {"DHVW", "DHVW", "TBV", "TBV", "TRB", "TRB"})
        expected.push_back(m);
    ASSERT_EQ(tube->members(), expected);

    const double T[] = {Tt, Tt, Tt, Tt, Ts, Ts, Ts, Ts, Tt, Ts, 0.0, 0.0, 0.0, 0.0};
    const double p[] = {tubeLiquid ? 0.0 : 3e5,
                        0,
                        0,
                        0,
                        shellLiquid ? 0.0 : 101325.0,
                        0,
                        0,
                        0,
                        0,
                        0,
                        3e5,
                        101325.0,
                        3e5,
                        101325.0};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(tube->calls[i].T, T[i]) << i;
        EXPECT_EQ(tube->calls[i].p, p[i]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Phases, CallOrder,
                         ::testing::Values(std::pair{true, false}, std::pair{false, true},
                                           std::pair{true, true}, std::pair{false, false}));

// Each stream hands over its own mole fractions Xm(1..Nsloz) in an array 0..21 whose other
// elements are empty; a change of the fractions or of their count is seen at the next call.
TEST_F(MeanProperties, EachStreamHandsOverItsMoleFractionsAfresh) {
    tube->nsloz = 3;
    shell->nsloz = 1;
    e.Tr().Xm(1, 0.5);
    e.Tr().Xm(2, 0.3);
    e.Tr().Xm(3, 0.2);
    e.Tr().Xm(4, 0.9); // beyond the count
    e.Pl().Xm(1, 1.0);
    e.Pl().Xm(2, 0.4);
    e.FyzVlast();
    const platform::VArray& rt = tube->lastComposition();
    ASSERT_EQ(rt.lbound(), 0);
    ASSERT_EQ(rt.ubound(), 21);
    EXPECT_TRUE(rt(0).isEmpty());
    EXPECT_EQ(rt(1).toDouble(), 0.5);
    EXPECT_EQ(rt(2).toDouble(), 0.3);
    EXPECT_EQ(rt(3).toDouble(), 0.2);
    EXPECT_TRUE(rt(4).isEmpty());
    const platform::VArray& rs = shell->lastComposition();
    EXPECT_EQ(rs(1).toDouble(), 1.0);
    EXPECT_TRUE(rs(2).isEmpty());

    tube->nsloz = 1;
    e.FyzVlast();
    EXPECT_EQ(tube->lastComposition()(1).toDouble(), 0.5);
    EXPECT_TRUE(tube->lastComposition()(2).isEmpty());
    EXPECT_TRUE(tube->lastComposition()(3).isEmpty());

    // 22 components do not fit the array.
    tube->nsloz = 22;
    tube->calls.clear();
    EXPECT_RUNTIME_ERROR(e.FyzVlast(), platform::err::Subscript);
    EXPECT_TRUE(tube->calls.empty());

    // After the failed fill, and after a fraction changed between two calls, the array holds
    // the stream's fractions as they stand.
    tube->nsloz = 3;
    e.FyzVlast();
    EXPECT_EQ(tube->lastComposition()(2).toDouble(), 0.3);
    EXPECT_EQ(tube->lastComposition()(3).toDouble(), 0.2);
    EXPECT_TRUE(tube->lastComposition()(4).isEmpty());
    e.Tr().Xm(2, 0.25);
    e.FyzVlast();
    EXPECT_EQ(tube->lastComposition()(2).toDouble(), 0.25);
    // A new stream with the same fractions in place of the old one is read afresh.
    auto other = std::make_shared<morv::Proud>();
    other->properties(tube);
    other->Xm(1, 0.7);
    e.Tr(other);
    e.FyzVlast();
    EXPECT_EQ(tube->lastComposition()(1).toDouble(), 0.7);
    EXPECT_EQ(tube->lastComposition()(2).toDouble(), 0.0);
}

// ---- Values --------------------------------------------------------------------------------

// The results against the textbook definitions: Pr = cp mu / lambda, W = m cp, R = WTr / WPl,
// P = (t2 - t1) / (T1 - t1), the mean tube velocity m / (rho N pi d² / 4) without the passes,
// the velocity in the gap of the centre row m / (rho w s), Re = v d rho / mu.
TEST_F(MeanProperties, FieldModeGivesTheDefinedNumbersAtTheMeanTemperatures) {
    e.FyzVlast();

    EXPECT_TRUE(e.Ttrubstr.identical(Variant(30.0)));
    EXPECT_TRUE(e.Tplaststr.identical(Variant(105.0)));
    const double rhoT = 1000.0 - 0.3 * 30.0, muT = 1.8e-3 - 1.2e-5 * 30.0, lamT = 0.57 + 1.5e-3 * 30.0,
                 cpT = 4217.0 - 0.5 * 30.0;
    const double rhoS = 0.8 - 2e-3 * 105.0, muS = 9e-6 + 4e-8 * 105.0, lamS = 0.016 + 8e-5 * 105.0,
                 cpS = 2000.0 + 0.5 * 105.0;
    EXPECT_NEAR(e.HustTr.toDouble(), rhoT, 1e-12);
    EXPECT_NEAR(e.ViskTr.toDouble(), muT, 1e-15);
    EXPECT_NEAR(e.VodTr.toDouble(), lamT, 1e-14);
    EXPECT_NEAR(e.CpTr.toDouble(), cpT, 1e-11);
    EXPECT_NEAR(e.HustPl.toDouble(), rhoS, 1e-14);
    EXPECT_NEAR(e.ViskPl.toDouble(), muS, 1e-17);
    EXPECT_NEAR(e.VodPl.toDouble(), lamS, 1e-15);
    EXPECT_NEAR(e.CpPl.toDouble(), cpS, 1e-11);
    EXPECT_NEAR(e.dHTr.toDouble(), 2.5e6 - 2400.0 * 30.0, 1e-8);
    EXPECT_NEAR(e.dHPl.toDouble(), 2.5e6 - 2400.0 * 105.0, 1e-8);

    expectClose(e.PrT.toDouble(), cpT * muT / lamT);
    expectClose(e.PrP.toDouble(), cpS * muS / lamS);
    expectClose(e.WTr.toDouble(), 10.0 * cpT);
    expectClose(e.WPl.toDouble(), 0.5 * cpS);
    EXPECT_FLOAT_EQ(e.Rkap, static_cast<float>(10.0 * cpT / (0.5 * cpS)));
    EXPECT_EQ(static_cast<float>(e.Pterm), static_cast<float>(20.0 / 90.0));

    const double d = f32(0.02), D = f32(0.025);
    const double vT = 10.0 / (rhoT * 100.0 * pi * d * d / 4.0);
    const double vS = 0.5 / (rhoS * freeWidth(e) * 0.5);
    expectClose(e.vtrubstr.toDouble(), vT);
    EXPECT_NEAR(e.vtrubstr.toDouble(), 0.3212, 5e-5); // 10 kg/s of water in 100 tubes of 20 mm
    expectClose(e.vplaststr.toDouble(), vS);
    EXPECT_NEAR(e.vplaststr.toDouble(), 5.650, 5e-4); // 0.5 kg/s of steam through 0.3 m x 0.5 m
    expectClose(e.ReT.toDouble(), vT * d * rhoT / muT);
    expectClose(e.ReP.toDouble(), D * vS * rhoS / muS);
    EXPECT_TRUE(e.dL.identical(Variant(static_cast<float>(d / f32(3.0)))));
}

// Bubble and dew points come back from kelvin to °C; the library's 0 for a point it did not
// find is stored as -273.15 without an error here.
TEST_F(MeanProperties, BubbleAndDewPointsAreStoredInCelsius) {
    tube->tbv = [](double p) { return p == 3e5 ? 360.0 : -1.0; };
    tube->trb = FixtureProperties::constant(380.0);
    shell->tbv = [](double p) { return p == 101325.0 ? 365.0 : -1.0; };
    shell->trb = FixtureProperties::constant(0.0);
    e.FyzVlast();
    EXPECT_NEAR(e.TbvT.toDouble(), 86.85, 1e-12);
    EXPECT_NEAR(e.TrbT.toDouble(), 106.85, 1e-12);
    EXPECT_NEAR(e.TbvP.toDouble(), 91.85, 1e-12);
    EXPECT_EQ(e.TrbP.toDouble(), -273.15);
}

// For the same temperatures and flows both modes give the same properties and balance values;
// the tube velocity of the trial vector counts the passes, and the trial free width across the
// centre row is first rounded to single precision. Any argument, even an empty one, selects
// the trial vector.
TEST_F(MeanProperties, TrialVectorGivesTheSamePropertiesAndCountsThePasses) {
    const struct {
        bool tubeLiquid, shellLiquid;
        int16_t passes;
    } cases[] = {{true, false, 2}, {false, true, 1}, {true, true, 4}, {false, false, 3}};
    const std::vector<Variant TARMST::*> same = {
        &TARMST::Ttrubstr, &TARMST::Tplaststr, &TARMST::HustTr, &TARMST::ViskTr, &TARMST::VodTr,
        &TARMST::CpTr,     &TARMST::HustPl,    &TARMST::ViskPl, &TARMST::VodPl,  &TARMST::CpPl,
        &TARMST::dHTr,     &TARMST::dHPl,      &TARMST::TbvT,   &TARMST::TbvP,   &TARMST::TrbT,
        &TARMST::TrbP,     &TARMST::PrT,       &TARMST::PrP,    &TARMST::WTr,    &TARMST::WPl,
        &TARMST::dL};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.passes);
        e.TrubKap = c.tubeLiquid;
        e.PlastKap = c.shellLiquid;
        e.Chod = c.passes;
        e.FyzVlast();
        std::vector<Variant> field;
        for (auto f : same)
            field.push_back(e.*f);
        const double vT = e.vtrubstr.toDouble();
        const float R = e.Rkap, P = e.Pterm;
        const double rhoS = e.HustPl.toDouble();

        for (auto f : same)
            e.*f = Variant();
        const Variant empty;
        e.FyzVlast(&empty);
        for (size_t i = 0; i < same.size(); ++i)
            EXPECT_TRUE((e.*same[i]).identical(field[i])) << i;
        EXPECT_EQ(static_cast<float>(e.Rkap), R);
        EXPECT_EQ(static_cast<float>(e.Pterm), P);
        EXPECT_EQ(e.vtrubstr.toDouble(), c.passes * vT);
        expectClose(e.vplaststr.toDouble(), 0.5 / (rhoS * f32(freeWidth(e)) * 0.5));
    }
}

// The trial vector's temperatures and flows take the place of the fields'.
TEST_F(MeanProperties, TrialVectorReplacesTheFieldTemperaturesAndFlows) {
    setTrialVector(8.0, 0.4, 15.0, 120.0, 45.0, 96.0);
    trial();
    EXPECT_EQ(e.Ttrubstr.toDouble(), 30.0);
    EXPECT_EQ(e.Tplaststr.toDouble(), 108.0);
    EXPECT_DOUBLE_EQ(tube->calls[0].T, 303.15);
    EXPECT_DOUBLE_EQ(shell->calls[0].T, 381.15);
    const double cpT = e.CpTr.toDouble(), cpS = e.CpPl.toDouble();
    EXPECT_EQ(e.WTr.toDouble(), 8.0 * cpT);
    EXPECT_EQ(e.WPl.toDouble(), 0.4 * cpS);
    EXPECT_EQ(static_cast<float>(e.Rkap), static_cast<float>(8.0 * cpT / (0.4 * cpS)));
    EXPECT_EQ(static_cast<float>(e.Pterm), static_cast<float>(30.0 / 105.0));
    const double d = f32(0.02);
    expectClose(e.vtrubstr.toDouble(), 2.0 * 8.0 / (e.HustTr.toDouble() * 100.0 * pi * d * d / 4.0));
}

// ---- Edge cases ----------------------------------------------------------------------------

// Without tubes (or without a bore) the field mode ends after the balance values: W, R and
// P are new, neither clamped nor followed by the velocities, Reynolds numbers and d/L, which
// keep their earlier values; nothing divides by zero. The trial vector divides.
TEST_F(MeanProperties, WithoutTubesTheFieldModeUpdatesOnlyTheBalance) {
    const struct {
        const char* name;
        std::function<void(TARMST&)> set;
    } cases[] = {{"Ntrub 0", [](TARMST& m) { m.Ntrub = 0; }},
                 {"Dtrubi 0", [](TARMST& m) { m.Dtrubi = 0.0; }}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.set(e);
        e.Ttrubo = 10.0; // a tube stream that cools: P below 0 stays
        for (Variant* f : {&e.vtrubstr, &e.vplaststr, &e.ReT, &e.ReP, &e.dL})
            *f = Variant(-7.0);
        e.FyzVlast();
        const double cpT = e.CpTr.toDouble(), cpS = e.CpPl.toDouble();
        EXPECT_EQ(e.WTr.toDouble(), 10.0 * cpT);
        EXPECT_EQ(e.WPl.toDouble(), 0.5 * cpS);
        EXPECT_EQ(static_cast<float>(e.Rkap), static_cast<float>(10.0 * cpT / cpS / 0.5));
        EXPECT_EQ(static_cast<float>(e.Pterm), static_cast<float>(-10.0 / 90.0));
        for (Variant* f : {&e.vtrubstr, &e.vplaststr, &e.ReT, &e.ReP, &e.dL})
            EXPECT_TRUE(f->identical(Variant(-7.0)));
        EXPECT_RUNTIME_ERROR(trial(), platform::err::DivisionByZero);
    }
}

// Negative velocities, effectiveness and capacity ratio are raised to 1e-6 (the last two in
// single precision) before the Reynolds numbers are formed.
TEST_F(MeanProperties, NegativeVelocitiesAndBalanceValuesAreRaisedTo1e6) {
    const float floor = 1e-6f;
    const double d = f32(0.02), D = f32(0.025);

    setTrialVector(-10.0, 0.5, 20.0, 110.0, 40.0, 100.0); // tube flow backwards: v and R < 0
    trial();
    EXPECT_EQ(e.vtrubstr.toDouble(), 1e-6);
    EXPECT_EQ(static_cast<float>(e.Rkap), floor);
    EXPECT_EQ(static_cast<float>(e.Pterm), static_cast<float>(20.0 / 90.0));
    expectClose(e.ReT.toDouble(), 1e-6 * d * e.HustTr.toDouble() / e.ViskTr.toDouble());

    setTrialVector(10.0, -0.5, 20.0, 110.0, 15.0, 100.0); // shell flow backwards, tube cools
    trial();
    EXPECT_EQ(e.vplaststr.toDouble(), 1e-6);
    EXPECT_EQ(static_cast<float>(e.Rkap), floor);
    EXPECT_EQ(static_cast<float>(e.Pterm), floor);
    EXPECT_GT(e.vtrubstr.toDouble(), 0.3);
    expectClose(e.ReP.toDouble(), D * 1e-6 * e.HustPl.toDouble() / e.ViskPl.toDouble());

    e.Ttrubo = 15.0;
    e.FyzVlast();
    EXPECT_EQ(static_cast<float>(e.Pterm), floor);
}

// A centre row that is as wide as the shell or wider leaves no gap. The field mode stores a
// negative shell Reynolds number, the mark the main window refuses such an exchanger by,
// with the velocity at its floor; no division by the zero width takes place. A row that just
// fits keeps the ordinary numbers. The trial vector keeps its floor (a zero width divides).
TEST_F(MeanProperties, CentreRowWithoutAGapGivesANegativeShellReynoldsNumber) {
    const struct {
        const char* name;
        float Dplast, Dtrubo;
        int16_t NstredT;
        bool fits;
    } cases[] = {
        {"width 0", 0.5f, 0.03125f, 16, false},
        {"width -0.05 m", 0.25f, 0.025f, 12, false},
        {"width 7.5e-9 m", 0.3f, 0.025f, 12, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        e.Dplast = c.Dplast;
        e.Dtrubo = c.Dtrubo;
        e.NstredT = c.NstredT;
        e.FyzVlast();
        const double rho = e.HustPl.toDouble(), mu = e.ViskPl.toDouble();
        if (c.fits) {
            const double v = 0.5 / (rho * freeWidth(e) * 0.5);
            EXPECT_GT(freeWidth(e), 0.0);
            expectClose(e.vplaststr.toDouble(), v);
            EXPECT_GT(e.ReP.toDouble(), 0.0);
            continue;
        }
        EXPECT_LE(freeWidth(e), 0.0);
        EXPECT_EQ(e.vplaststr.toDouble(), 1e-6);
        EXPECT_LT(e.ReP.toDouble(), 0.0);
        expectClose(e.ReP.toDouble(), -c.Dtrubo * 1e-6 * rho / mu);

        if (freeWidth(e) == 0.0) {
            EXPECT_RUNTIME_ERROR(trial(), platform::err::DivisionByZero);
        } else {
            trial();
            EXPECT_EQ(e.vplaststr.toDouble(), 1e-6);
            EXPECT_GT(e.ReP.toDouble(), 0.0);
        }
    }
}

// ---- Errors --------------------------------------------------------------------------------

// Nothing is trapped: the first failing step raises to the caller, the fields of the steps
// before it are updated and those after it keep their values.
TEST_F(MeanProperties, ErrorsPassToTheCallerAfterTheEarlierSteps) {
    const auto libraryError = [](double) -> double {
        platform::raise(kwelar::ChybaVypoctu, "KWELAR - ETAG; T(K)= 378.1", "Chyba při výpočtu vlastnosti!");
    };
    const struct {
        const char* name;
        std::function<void(TARMST&, FixtureProperties& tube, FixtureProperties& shell)> set;
        int32_t number;
        Variant TARMST::*updated;
        Variant TARMST::*kept;
    } cases[] = {
        {"library error in the shell viscosity",
         [&](TARMST&, FixtureProperties&, FixtureProperties& s) { s.etag = libraryError; },
         kwelar::ChybaVypoctu, &TARMST::HustPl, &TARMST::ViskPl},
        {"tube conductivity 0",
         [](TARMST&, FixtureProperties& t, FixtureProperties&) { t.alal = FixtureProperties::constant(0.0); },
         platform::err::DivisionByZero, &TARMST::TrbP, &TARMST::PrT},
        {"shell flow 0", [](TARMST& m, FixtureProperties&, FixtureProperties&) { m.Pl().m(0.0); },
         platform::err::DivisionByZero, &TARMST::WPl, &TARMST::vtrubstr},
        {"shell inlet = tube inlet",
         [](TARMST& m, FixtureProperties&, FixtureProperties&) { m.Tplasti = 20.0; },
         platform::err::DivisionByZero, &TARMST::WTr, &TARMST::vtrubstr},
        {"baffle spacing 0", [](TARMST& m, FixtureProperties&, FixtureProperties&) { m.dPrep = 0.0; },
         platform::err::DivisionByZero, &TARMST::vtrubstr, &TARMST::vplaststr},
        {"shell viscosity 0",
         [](TARMST&, FixtureProperties&, FixtureProperties& s) { s.etag = FixtureProperties::constant(0.0); },
         platform::err::DivisionByZero, &TARMST::ReT, &TARMST::ReP},
        {"tube length 0", [](TARMST& m, FixtureProperties&, FixtureProperties&) { m.L = 0.0; },
         platform::err::DivisionByZero, &TARMST::ReP, &TARMST::dL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.set(e, *tube, *shell);
        e.*c.updated = Variant("before");
        e.*c.kept = Variant("before");
        if (c.number == kwelar::ChybaVypoctu) {
            try {
                e.FyzVlast();
                ADD_FAILURE() << "no error";
            } catch (const platform::RunTimeError& err) {
                EXPECT_EQ(err.number(), kwelar::ChybaVypoctu);
                EXPECT_EQ(err.source(), "KWELAR - ETAG; T(K)= 378.1");
            }
        } else {
            EXPECT_RUNTIME_ERROR(e.FyzVlast(), c.number);
        }
        EXPECT_FALSE((e.*c.updated).identical(Variant("before")));
        EXPECT_TRUE((e.*c.kept).identical(Variant("before")));
    }
}
