#include "FixtureProperties.h"
#include "TestSupport.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "MORV/model/TARMMORV.h"
#include "Platform/RunTimeError.h"

#include <memory>
#include <string>
#include <vector>

using morv::TARMMORV;
using morv::TARMST;
using morvtest::FixtureProperties;
using platform::Variant;

namespace {

//! The value a single-precision field holds after storing x.
double f32(double x) {
    return static_cast<float>(x);
}

// A condenser whose streams tell their side by their properties: the tube stream at 30 °C
// (fields) or 32 °C (trial vector), the shell stream at 105 °C or 103 °C, and a condensate
// whose properties depend on the temperature.
class CondensateProperties : public ::testing::Test {
protected:
    void SetUp() override {
        for (FixtureProperties* p : {tube.get(), shell.get()}) {
            p->rolw = [](double T) { return 1000.0 - 0.5 * (T - 273.15); };
            p->cplw = [](double T) { return 4200.0 + (T - 273.15); };
            p->etal = [](double T) { return 1e-3 / (1.0 + 0.02 * (T - 273.15)); };
            p->alal = [](double T) { return 0.56 + 1e-3 * (T - 273.15); };
        }
        model->he(exchanger);
        e.Tr().properties(tube);
        e.Pl().properties(shell);
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
        e.xx(1, 10.0);
        e.xx(2, 0.5);
        e.xx(3, 22.0);
        e.xx(4, 108.0);
        e.xx(5, 42.0);
        e.xx(6, 98.0);
    }

    std::shared_ptr<FixtureProperties> tube = std::make_shared<FixtureProperties>();
    std::shared_ptr<FixtureProperties> shell = std::make_shared<FixtureProperties>();
    std::shared_ptr<TARMST> exchanger = std::make_shared<TARMST>();
    TARMST& e = *exchanger;
    std::unique_ptr<TARMMORV> model = std::make_unique<TARMMORV>();
};

} // namespace

TEST(TARMMORVFyzVlast, WithoutAnExchangerModelRaisesObjectNotSet) {
    TARMMORV k;
    const Variant one(int16_t{1});
    EXPECT_RUNTIME_ERROR(k.FyzVlast(), platform::err::ObjectNotSet);
    EXPECT_RUNTIME_ERROR(k.FyzVlast(&one), platform::err::ObjectNotSet);
}

// Liquid tubes make the shell the condensing side, even when the shell carries a liquid too;
// otherwise the condensate is that of the tubes. It is evaluated after both streams, as a
// liquid at its side's mean temperature, in the order density, heat capacity, viscosity,
// conductivity; each value and the Prandtl number mu cp / lambda held in single precision.
TEST_F(CondensateProperties, CondensateIsTheLiquidOfTheCondensingSide) {
    const struct {
        bool tubeLiquid, shellLiquid, trial;
        bool shellCondenses;
        double tMean; // [°C]
    } cases[] = {
        {true, false, false, true, 105.0}, {false, true, false, false, 30.0},
        {true, true, false, true, 105.0},  {false, false, false, false, 30.0},
        {true, false, true, true, 103.0},  {false, true, true, false, 32.0},
    };
    const std::vector<std::string> condensate = {"ROLW", "CPLW", "ETAL", "ALAL"};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tubeLiquid << c.shellLiquid << c.trial);
        e.TrubKap = c.tubeLiquid;
        e.PlastKap = c.shellLiquid;
        tube->calls.clear();
        shell->calls.clear();
        const Variant any(-5.0);
        if (c.trial)
            model->FyzVlast(&any);
        else
            model->FyzVlast();

        // The exchanger model's own calls end with the dew point; the condensate follows.
        FixtureProperties& side = c.shellCondenses ? *shell : *tube;
        FixtureProperties& other = c.shellCondenses ? *tube : *shell;
        EXPECT_EQ(other.calls.size(), 7u);
        ASSERT_EQ(side.calls.size(), 11u);
        EXPECT_EQ(side.calls[6].member, "TRB");
        for (size_t i = 0; i < condensate.size(); ++i) {
            EXPECT_EQ(side.calls[7 + i].member, condensate[i]);
            EXPECT_DOUBLE_EQ(side.calls[7 + i].T, c.tMean + 273.15);
        }

        const double t = c.tMean;
        const double rho = 1000.0 - 0.5 * t, cp = 4200.0 + t, mu = 1e-3 / (1.0 + 0.02 * t),
                     lambda = 0.56 + 1e-3 * t;
        EXPECT_FLOAT_EQ(model->Hustko, f32(rho));
        EXPECT_FLOAT_EQ(model->Cpko, f32(cp));
        EXPECT_FLOAT_EQ(model->Viskko, f32(mu));
        EXPECT_FLOAT_EQ(model->Vodko, f32(lambda));
        EXPECT_EQ(static_cast<float>(model->Prko),
                  static_cast<float>(static_cast<double>(model->Viskko) * model->Cpko / model->Vodko));
    }
}

// The trial-vector mode reaches the exchanger model: its mean temperatures come from xx and
// its tube velocity counts the passes.
TEST_F(CondensateProperties, TrialVectorModeIsPassedToTheExchangerModel) {
    e.TrubKap = true;
    model->FyzVlast();
    const double field = e.vtrubstr.toDouble();
    EXPECT_EQ(e.Ttrubstr.toDouble(), 30.0);
    e.xx(3, 20.0);
    e.xx(5, 40.0);
    const Variant empty;
    model->FyzVlast(&empty);
    EXPECT_EQ(e.Ttrubstr.toDouble(), 30.0);
    EXPECT_EQ(e.Tplaststr.toDouble(), 103.0);
    EXPECT_EQ(e.vtrubstr.toDouble(), 2.0 * field);
}

// A side that condenses takes its dew point as the condensing temperature. When the property
// library found none (its 0 K, stored as -273.15 °C), the calculation of the trial vector
// ends with the library's calculation error naming the dew point and the pressure, which the
// main window reports as a fatal error of the data. The field mode only shows the value, and
// a side carrying a liquid does not condense.
TEST_F(CondensateProperties, CondensingSideWithoutADewPointEndsTheCalculation) {
    const struct {
        const char* name;
        bool tubeLiquid, shellLiquid;
        bool tubeFails, shellFails;
        const char* source; // nullptr: no error
    } cases[] = {
        {"shell condenses", true, false, false, true, "KWELAR - TRB; P(Pa)= 101325"},
        {"tubes condense", false, true, true, false, "KWELAR - TRB; P(Pa)= 300000"},
        {"both gases, the tubes fail first", false, false, true, true, "KWELAR - TRB; P(Pa)= 300000"},
        {"both gases, the shell fails", false, false, false, true, "KWELAR - TRB; P(Pa)= 101325"},
        {"liquid shell", false, true, false, true, nullptr},
        {"liquid tubes", true, false, true, false, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        e.TrubKap = c.tubeLiquid;
        e.PlastKap = c.shellLiquid;
        tube->trb = FixtureProperties::constant(c.tubeFails ? 0.0 : 373.15);
        shell->trb = FixtureProperties::constant(c.shellFails ? 0.0 : 373.15);

        model->FyzVlast();
        EXPECT_NEAR(e.TrbT.toDouble(), c.tubeFails ? -273.15 : 100.0, 1e-12);
        EXPECT_NEAR(e.TrbP.toDouble(), c.shellFails ? -273.15 : 100.0, 1e-12);

        const Variant one(int16_t{1});
        if (!c.source) {
            model->FyzVlast(&one);
            continue;
        }
        model->Hustko = 1.0;
        try {
            model->FyzVlast(&one);
            ADD_FAILURE() << "no error";
        } catch (const platform::RunTimeError& err) {
            EXPECT_EQ(err.number(), kwelar::ChybaVypoctu);
            EXPECT_EQ(err.number(), -2147220904);
            EXPECT_EQ(err.source(), c.source);
            EXPECT_EQ(err.description(), "Výp.ros.bodu diverguje!");
        }
        EXPECT_EQ(static_cast<float>(model->Hustko), 1.0f);
    }
}

// Any dew point below 1 K is no dew point; one just above it is taken.
TEST_F(CondensateProperties, DewPointsBelowOneKelvinAreNoDewPoints) {
    e.TrubKap = true;
    const Variant one(int16_t{1});
    shell->trb = FixtureProperties::constant(0.99);
    EXPECT_RUNTIME_ERROR(model->FyzVlast(&one), kwelar::ChybaVypoctu);
    shell->trb = FixtureProperties::constant(1.0);
    model->FyzVlast(&one);
    EXPECT_NEAR(e.TrbP.toDouble(), -272.15, 1e-12);
}
