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

struct GasCase {
    const char* name;
    int16_t gas; // air 2, nitrogen 3, oxygen 4
    double y;    // mole fraction of the gas in the vapour
    double dew;  // K
};
void PrintTo(const GasCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class MethanolWithGas : public ::testing::TestWithParam<GasCase> {};

// Methanol vapour with some permanent gas, far above its critical temperature, condenses at
// 101325 Pa a little below methanol alone (337.75 K), and with the gas's fraction 0 exactly
// where methanol alone does; no box. (Values of this database, to 0.05 K.)
TEST_P(MethanolWithGas, CondensesALittleBelowMethanolAlone) {
    const GasCase& c = GetParam();
    testsupport::ScriptedBoxes boxes;
    kwelar::Smes s;
    kwelartest::pointAt(s, KWELAR_BUILT_DATABASE);
    s.DefSlozky({23, c.gas});
    s.ChyboveHlasky(-1);
    platform::VArray r(0, 21);
    r(1) = Variant(1.0 - c.y);
    r(2) = Variant(c.y);
    Variant p(101325.0);
    const Variant dew = s.TRB(p, r);
    ASSERT_EQ(dew.type(), VarType::Double);
    EXPECT_NEAR(dew.toDouble(), c.dew, 0.05);
    EXPECT_TRUE(boxes.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Gases, MethanolWithGas,
    ::testing::Values(GasCase{"NitrogenAbsent", 3, 0.0, 337.75}, GasCase{"Nitrogen5", 3, 0.05, 336.50},
                      GasCase{"Nitrogen50", 3, 0.5, 321.50}, GasCase{"Air5", 2, 0.05, 336.49},
                      GasCase{"Oxygen5", 4, 0.05, 336.48}),
    [](const ::testing::TestParamInfo<GasCase>& info) { return std::string(info.param.name); });

} // namespace
