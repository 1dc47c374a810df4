// Liquid properties of a condensate with a dissolved permanent gas, on the database that the
// build made (KWELAR_BUILT_DATABASE).

#include "KWELARdll/model/Smes.h"

#include "FixtureDb.h"
#include "TestSupport.h"

namespace {

using platform::Variant;
using platform::VarType;

constexpr int16_t methanol = 23;
constexpr int16_t nitrogen = 3;

// Methanol with 5 mol % nitrogen at 335 K, far above nitrogen's critical temperature, in
// error mode -1: nothing is raised or shown, and the viscosity and the surface tension of the
// liquid stay near methanol's (3.30e-4 against 3.53e-4 Pa.s, 0.0173 against 0.0191 N/m: the
// mixture's density, 743.9 against 753.0 kg/m3, enters the surface tension to the fourth
// power). Taken at 335 K the nitrogen's density fails to evaluate.
TEST(BuiltLiquidProperties, MethanolWithNitrogenStaysCloseToMethanolAlone) {
    testsupport::ScriptedBoxes boxes;
    const Variant T(335.0);
    kwelar::Smes pure;
    kwelartest::pointAt(pure, KWELAR_BUILT_DATABASE);
    pure.DefSlozky({methanol});
    pure.ChyboveHlasky(-1);
    platform::VArray one(0, 21);
    one(1) = Variant(1.0);
    const double eta0 = pure.ETAL(T, one).toDouble();
    const double sigma0 = pure.SIGMA(T, one).toDouble();
    const double rho0 = pure.ROLW(T, one).toDouble();

    kwelar::Smes s;
    kwelartest::pointAt(s, KWELAR_BUILT_DATABASE);
    s.DefSlozky({methanol, nitrogen});
    s.ChyboveHlasky(-1);
    platform::VArray r(0, 21);
    r(1) = Variant(0.95);
    r(2) = Variant(0.05);
    const Variant eta = s.ETAL(T, r);
    const Variant sigma = s.SIGMA(T, r);
    const Variant rho = s.ROLW(T, r);
    ASSERT_EQ(eta.type(), VarType::Double);
    ASSERT_EQ(sigma.type(), VarType::Double);
    EXPECT_NEAR(rho.toDouble(), rho0, 0.02 * rho0);
    EXPECT_NEAR(eta.toDouble(), eta0, 0.08 * eta0);
    EXPECT_NEAR(sigma.toDouble(), sigma0, 0.12 * sigma0);
    EXPECT_TRUE(boxes.boxes().empty());
}

} // namespace
