#include "SteamCondenser.h"
#include "TestSupport.h"

#include "MORV/model/ProgramState.h"
#include "MORV/model/TARMMORV.h"
#include "Platform/RunTimeError.h"
#include "RalvoC1/numeric/Uloha.h"

#include <cmath>
#include <limits>
#include <memory>

using morvtest::f32;
using morvtest::FixtureProperties;
using platform::Variant;
using platform::VArray;

namespace {

// The residuals of the design solve at one trial vector of the steam condenser: 25 kg/s of
// water heated from 20 to 30 °C, 1 kg/s of steam entering at its dew point and leaving as
// condensate at 95 °C, a duty of 2.2 MW and 2 m tubes. Each expected value is the balance or
// rate equation written out here, with the single-precision roundings the model stores.
class Residuals : public morvtest::SteamCondenser {
protected:
    void SetUp() override {
        SteamCondenser::SetUp();
        he().Alfakon = wallConductance();
        he().Alfai = 180.0;
        he().Alfao = 150.0;
        he().Kprostup = 1000.0;
        x = VArray(0, 9);
        const double values[] = {0, 25.0, 1.0, 20.0, 100.0, 30.0, 95.0, 220.0, 2.0};
        for (int i = 1; i <= 8; ++i)
            x(i) = values[i];
    }

    //! Runs the residual function at x and returns FF(1..3).
    VArray run() {
        VArray FF(0, 3);
        Variant N(int16_t{3});
        VArray z(0, 10);
        k().FUN(x, FF, N, z);
        return FF;
    }
    double xv(int i) const { return x(i).toDouble(); }
    double duty() const { return 10000.0 * xv(7); }
    //! Area of the tube length x8 [m2] as the model stores it.
    double area() const { return f32(100 * pi * f32(0.025) * xv(8)); }
    //! Heat-capacity flow times area of the overall coefficient [W/K], single precision.
    double KA() const { return f32(area() * overallCoefficient(wallConductance())); }

    VArray x;
};

TEST_F(Residuals, AreTheBalancesOfBothStreamsAndTheRateEquationOfACondensingShell) {
    const VArray FF = run();
    const double Tdew = dewPoint();
    // Water: m cp (t_out - t_in) - Q.
    EXPECT_NEAR(FF(1).toDouble(), 25.0 * cpWater * (30.0 - 20.0) - duty(), 1e-6);
    // Steam: m (h_fg + cp_v (t_in - t_dew)) - Q, plus the condensate cooled to 95 °C.
    EXPECT_NEAR(FF(2).toDouble(),
                1.0 * (hfg + cpSteam * (100.0 - Tdew)) - duty() + 1.0 * cpCondensate * (Tdew - 95.0), 1e-6);
    // Rate: k A LMTD - Q, LMTD = (t_out - t_in) / ln((Tc - t_in) / (Tc - t_out)).
    EXPECT_NEAR(FF(3).toDouble(), KA() * (30.0 - 20.0) / std::log((Tdew - 20.0) / (Tdew - 30.0)) - duty(),
                1e-6);

    // The model follows the trial vector: its copy, the tube length and area of x8, k and,
    // for display, the effectiveness of a condenser 1 - exp(-NTU), NTU = k A / (m cp).
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(he().xx(static_cast<int16_t>(i)), x(i)) << i;
    EXPECT_EQ(static_cast<float>(he().L), 2.0f);
    EXPECT_DOUBLE_EQ(he().Plocha, area());
    EXPECT_DOUBLE_EQ(he().Kprostup, overallCoefficient(wallConductance()));
    EXPECT_DOUBLE_EQ(he().Pterm, f32(1.0 - std::exp(-KA() / (25.0 * cpWater))));
}

TEST_F(Residuals, OfACondensingTubeStreamTakeTheTubeDewPointAndTheShellTemperatures) {
    // Steam in the tubes, water in the shell: the sources change sides.
    he().Tr().properties(shell);
    he().Pl().properties(tube);
    he().TrubKap = false;
    he().PlastKap = true;
    he().TrTyp = -1;
    he().PlTyp = 1;
    const double values[] = {0, 1.0, 25.0, 100.0, 20.0, 95.0, 30.0, 220.0, 2.0};
    for (int i = 1; i <= 8; ++i)
        x(i) = values[i];
    const VArray FF = run();
    const double Tdew = dewPoint();
    EXPECT_NEAR(FF(1).toDouble(),
                1.0 * (hfg + cpSteam * (100.0 - Tdew)) - duty() + 1.0 * cpCondensate * (Tdew - 95.0), 1e-6);
    EXPECT_NEAR(FF(2).toDouble(), 25.0 * cpWater * (30.0 - 20.0) - duty(), 1e-6);
    EXPECT_NEAR(FF(3).toDouble(), KA() * (30.0 - 20.0) / std::log((Tdew - 20.0) / (Tdew - 30.0)) - duty(),
                1e-6);
}

TEST_F(Residuals, CondensateAtItsDewPointIsNotSubcooled) {
    x(6) = dewPoint();
    const VArray FF = run();
    EXPECT_NEAR(FF(2).toDouble(), hfg - duty(), 1e-6);
}

// A heated outlet above the condensing temperature (a negative ratio) or an inlet at it (a
// ratio of 0, with superheated steam entering the shell) takes the ratio 1e-6:
// ln(1e-6) = -13.8155..., a finite residual.
struct RatioCase {
    double inlet;
    double outlet;
    double shellInlet;
};
void PrintTo(const RatioCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class RatioFloor : public Residuals, public ::testing::WithParamInterface<RatioCase> {};

TEST_P(RatioFloor, KeepsTheRateResidualFinite) {
    x(3) = GetParam().inlet;
    x(5) = GetParam().outlet;
    x(4) = GetParam().shellInlet;
    const VArray FF = run();
    EXPECT_NEAR(std::log(1e-6), -13.815510557964274, 1e-15);
    EXPECT_NEAR(FF(3).toDouble(), KA() * (GetParam().outlet - GetParam().inlet) / std::log(1e-6) - duty(),
                1e-6);
}

INSTANTIATE_TEST_SUITE_P(Residuals, RatioFloor,
                         ::testing::Values(RatioCase{20.0, 105.0, 100.0}, RatioCase{100.0, 80.0, 110.0}));

TEST_F(Residuals, GivenAreaKeepsTheTubeLengthAndAreaWhateverTheVectorHolds) {
    he().IPOM(7, 0);
    const float L = he().L;
    const float A = he().Plocha;
    x(8) = 7.5;
    const VArray FF = run();
    EXPECT_EQ(static_cast<float>(he().L), L);
    EXPECT_EQ(static_cast<float>(he().Plocha), A);
    EXPECT_NEAR(FF(3).toDouble(),
                f32(A * overallCoefficient(wallConductance())) * 10.0 /
                        std::log((dewPoint() - 20.0) / (dewPoint() - 30.0)) -
                    duty(),
                1e-6);
}

TEST_F(Residuals, ZeroAreaGivesNoEffectivenessInsteadOfAnError) {
    he().IPOM(7, 0);
    he().Plocha = 0.0;
    const VArray FF = run();
    EXPECT_EQ(static_cast<float>(he().Pterm), 0.0f);
    EXPECT_NEAR(FF(3).toDouble(), -duty(), 1e-9);
}

TEST_F(Residuals, HugeNumberOfTransferUnitsGivesAnEffectivenessOfOne) {
    // 1 g/s of water: NTU = k A / (m cp) is about 2e4, where e^(NTU/2) has no value.
    x(1) = 0.001;
    run();
    EXPECT_EQ(static_cast<float>(he().Pterm), 1.0f);
}

TEST_F(Residuals, ANumberOrTypeOfTheUnusedArgumentsChangesNothing) {
    const VArray expected = run();
    VArray FF(0, 3);
    Variant text("anything");
    VArray none;
    k().FUN(x, FF, text, none);
    ralvo::Uloha& callback = k();
    VArray viaCallback(0, 3);
    Variant N(2.5);
    callback.Fun(x, viaCallback, N, none);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(FF(i).toDouble(), expected(i).toDouble()) << i;
        EXPECT_EQ(viaCallback(i).toDouble(), expected(i).toDouble()) << i;
    }
}

TEST_F(Residuals, PropertyThatIsNotANumberIsAnErrorNotAResidual) {
    shell->dhvw = FixtureProperties::constant(std::numeric_limits<double>::quiet_NaN());
    VArray FF(0, 3);
    Variant N(int16_t{3});
    VArray z(0, 10);
    EXPECT_RUNTIME_ERROR(k().FUN(x, FF, N, z), platform::err::Overflow);
    EXPECT_TRUE(FF(2).isEmpty());
    EXPECT_TRUE(FF(3).isEmpty());
}

TEST_F(Residuals, FailuresReachTheCaller) {
    VArray FF(0, 3);
    Variant N(int16_t{3});
    VArray z(0, 10);
    // Heated outlet at the condensing temperature: Tc - t_out = 0.
    x(5) = dewPoint();
    EXPECT_RUNTIME_ERROR(k().FUN(x, FF, N, z), platform::err::DivisionByZero);
    // Outlet equal to the inlet: ln r = 0 under a zero temperature rise.
    x(5) = 20.0;
    EXPECT_RUNTIME_ERROR(k().FUN(x, FF, N, z), platform::err::Overflow);
    x(5) = 30.0;
    // No wall conductance.
    he().Alfakon = Variant();
    EXPECT_RUNTIME_ERROR(k().FUN(x, FF, N, z), platform::err::DivisionByZero);
    he().Alfakon = wallConductance();
    // Arrays too short.
    VArray shortFF(0, 2);
    EXPECT_RUNTIME_ERROR(k().FUN(x, shortFF, N, z), platform::err::Subscript);
    VArray shortX(0, 7);
    EXPECT_RUNTIME_ERROR(k().FUN(shortX, FF, N, z), platform::err::Subscript);
    // No exchanger model.
    morv::TARMMORV alone;
    EXPECT_RUNTIME_ERROR(alone.FUN(x, FF, N, z), platform::err::ObjectNotSet);
}

// ---- Effectiveness and hyperbolic cotangent ------------------------------------------------

TEST(CondenserEffectiveness, IsOneMinusTheExponentialOfMinusNtuForAnyRatioAndIndex) {
    morv::TARMMORV k;
    for (const Variant& r : {Variant(), Variant(0.3), Variant("x")})
        for (const Variant& ip : {Variant(), Variant(1.0)})
            EXPECT_NEAR(k.P_TermUcin(r, Variant(2.0), ip).toDouble(), 0.8646647167633873, 1e-15);
    // Where coth(NTU / 2) has no value: NTU = 0 and a large NTU.
    EXPECT_EQ(k.P_TermUcin(Variant(), Variant(0.0), Variant()).toDouble(), 0.0);
    EXPECT_EQ(k.P_TermUcin(Variant(), Variant(2000.0), Variant()).toDouble(), 1.0);
}

TEST(CondenserCotangent, IsEvaluatedAsWrittenWithoutACutOff) {
    morv::TARMMORV k;
    EXPECT_NEAR(k.Cotgh(Variant(1.0)).toDouble(), std::cosh(1.0) / std::sinh(1.0), 1e-15);
    EXPECT_NEAR(k.Cotgh(Variant(-1.0)).toDouble(), -std::cosh(1.0) / std::sinh(1.0), 1e-15);
    EXPECT_NEAR(k.Cotgh(Variant(30.0)).toDouble(), 1.0, 1e-15);
    EXPECT_RUNTIME_ERROR(k.Cotgh(Variant(0.0)), platform::err::DivisionByZero);
    EXPECT_RUNTIME_ERROR(k.Cotgh(Variant(710.0)), platform::err::Overflow);
}

} // namespace
