// Bubble and dew points on the database that the build made (KWELAR_BUILT_DATABASE).

#include "KWELARdll/model/Smes.h"

#include "FixtureDb.h"
#include "TestSupport.h"

namespace {

using platform::Variant;
using platform::VarType;

// The normal boiling point of water: 373.124 K on ITS-90 (IAPWS), 373.15 K as the
// pre-1990 tables give it. Pure water condenses and boils at 101325 Pa where its
// vapour-pressure correlation reaches that pressure.
TEST(BuiltBoilingPoints, WaterCondensesAndBoilsAt373KUnderOneAtmosphere) {
    testsupport::ScriptedBoxes boxes;
    kwelar::Smes s;
    kwelartest::pointAt(s, KWELAR_BUILT_DATABASE);
    s.DefSlozky({1});
    s.ChyboveHlasky(-1);
    platform::VArray r(0, 21);
    r(1) = Variant(1.0);
    Variant p(101325.0);
    const Variant dew = s.TRB(p, r);
    ASSERT_EQ(dew.type(), VarType::Double);
    EXPECT_NEAR(dew.toDouble(), 373.15, 0.1);
    EXPECT_NEAR(s.TBV(p, r).toDouble(), 373.15, 0.1);
    EXPECT_TRUE(boxes.boxes().empty());
}

} // namespace
