#include "FixtureDb.h"
#include "TestSupport.h"

#include "KWELARdll/model/Smes.h"
#include "MORV/model/Proud.h"
#include "Platform/RunTimeError.h"

#include <functional>
#include <memory>

using morv::Proud;

namespace {

// Number of mixture objects alive in the process.
int mixtures() {
    return kwelar::Smes::PocetSmesi().toInteger();
}

} // namespace

TEST(Proud, NewStreamIsEmptyWithALiveMixtureRaisingErrors) {
    Proud p;
    EXPECT_EQ(p.Nazev(), "");
    EXPECT_EQ(p.Num(), 0);
    EXPECT_EQ(p.m(), 0.0);
    EXPECT_EQ(p.T(), 0.0);
    EXPECT_EQ(p.P(), 0.0);
    EXPECT_EQ(p.ApOd(), 0);
    EXPECT_EQ(p.ApDo(), 0);
    for (int16_t i = 0; i <= 21; ++i) {
        EXPECT_EQ(p.Xm(i), 0.0) << i;
        EXPECT_EQ(p.Xh(i), 0.0) << i;
    }
    EXPECT_EQ(p.S().ChyboveHlasky(), -1);
}

TEST(Proud, CreatingAStreamCreatesItsMixtureAndEndingItReleasesIt) {
    const int before = mixtures();
    {
        Proud p;
        EXPECT_EQ(mixtures(), before + 1);
    }
    EXPECT_EQ(mixtures(), before);
}

TEST(Proud, MixtureHeldElsewhereOutlivesTheStream) {
    auto s = std::make_shared<kwelar::Smes>();
    {
        Proud p;
        p.S(s);
        EXPECT_EQ(&p.S(), s.get());
    }
    EXPECT_EQ(s.use_count(), 1);
}

TEST(Proud, MixtureSetToNoneIsCreatedAnewInTheLibrarysInitialMode) {
    Proud p;
    const int before = mixtures();
    p.S(nullptr);
    EXPECT_EQ(mixtures(), before - 1);
    // Reading creates the object; mode -1 belongs to the creation of the stream only.
    EXPECT_EQ(p.S().ChyboveHlasky(), 0);
    EXPECT_EQ(mixtures(), before);
}

TEST(Proud, PropertiesKeepWhatIsAssigned) {
    Proud p;
    p.Nazev("Chladicí voda");
    p.Num(2);
    p.m(12.5);
    p.T(30.0);
    p.P(0.35e6);
    p.ApOd(1);
    p.ApDo(3);
    EXPECT_EQ(p.Nazev(), "Chladicí voda");
    EXPECT_EQ(p.Num(), 2);
    // Flow and pressure are double precision: 0.1 is not rounded to single.
    p.m(0.1);
    EXPECT_EQ(p.m(), 0.1);
    EXPECT_EQ(p.T(), 30.0);
    EXPECT_EQ(p.P(), 350000.0);
    EXPECT_EQ(p.ApOd(), 1);
    EXPECT_EQ(p.ApDo(), 3);
}

TEST(Proud, FractionsAreIndependentDoublesAtBothEndsOfTheRange) {
    Proud p;
    p.Xm(0, 0.25);
    p.Xm(21, 0.1);
    p.Xh(1, 0.7);
    EXPECT_EQ(p.Xm(0), 0.25);
    EXPECT_EQ(p.Xm(21), 0.1);
    EXPECT_EQ(p.Xh(1), 0.7);
    // Mole and mass fractions are separate arrays.
    EXPECT_EQ(p.Xh(0), 0.0);
    EXPECT_EQ(p.Xh(21), 0.0);
    EXPECT_EQ(p.Xm(1), 0.0);
}

TEST(Proud, FractionIndexOutsideZeroToTwentyOneRaisesSubscriptError) {
    Proud p;
    for (int16_t i : {int16_t(-1), int16_t(22), int16_t(-32768), int16_t(32767)}) {
        SCOPED_TRACE(i);
        EXPECT_RUNTIME_ERROR(p.Xm(i), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(p.Xh(i), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(p.Xm(i, 1.0), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(p.Xh(i, 1.0), platform::err::Subscript);
    }
}

// The condenser model's property calls reach the members of the stream's mixture object.
TEST(Proud, PropertySourceOfTheMixtureGivesItsMembersValues) {
    testsupport::TempDir dir;
    testsupport::ScriptedBoxes boxes;
    Proud p;
    kwelartest::pointAt(p.S(), kwelartest::FixtureDb::sample().write(dir.path()));
    p.S().DefSlozky({3, 4});
    platform::VArray r(0, 21);
    r(1) = platform::Variant(0.4);
    r(2) = platform::Variant(0.6);
    const platform::Variant T(320.0);
    using Member = platform::Variant (kwelar::Smes::*)(const platform::Variant&, const platform::VArray&);
    using Source =
        platform::Variant (morv::StreamProperties::*)(const platform::Variant&, const platform::VArray&);
    const struct {
        Member member;
        Source source;
    } calls[] = {{&kwelar::Smes::ROLW, &morv::StreamProperties::ROLW},
                 {&kwelar::Smes::ETAL, &morv::StreamProperties::ETAL},
                 {&kwelar::Smes::ALAL, &morv::StreamProperties::ALAL},
                 {&kwelar::Smes::CPLW, &morv::StreamProperties::CPLW},
                 {&kwelar::Smes::DHVW, &morv::StreamProperties::DHVW},
                 {&kwelar::Smes::SIGMA, &morv::StreamProperties::SIGMA},
                 {&kwelar::Smes::ObjRozL, &morv::StreamProperties::ObjRozL},
                 {&kwelar::Smes::ETAG, &morv::StreamProperties::ETAG},
                 {&kwelar::Smes::ALAG, &morv::StreamProperties::ALAG},
                 {&kwelar::Smes::CPGW, &morv::StreamProperties::CPGW}};
    for (const auto& c : calls) {
        const platform::Variant expected = (p.S().*c.member)(T, r);
        ASSERT_EQ(expected.type(), platform::VarType::Double);
        EXPECT_EQ(((p.properties()).*c.source)(T, r).toDouble(), expected.toDouble());
    }
    const platform::Variant rho = p.S().RROGW(T, platform::Variant(1e5), r);
    ASSERT_EQ(rho.type(), platform::VarType::Double);
    EXPECT_EQ(p.properties().RROGW(T, platform::Variant(1e5), r).toDouble(), rho.toDouble());

    // The bubble and dew points at a pressure.
    const platform::Variant P(101325.0);
    const platform::Variant bubble = p.S().TBV(P, r);
    const platform::Variant dew = p.S().TRB(P, r);
    ASSERT_GT(bubble.toDouble(), 1.0);
    ASSERT_GT(dew.toDouble(), bubble.toDouble());
    EXPECT_EQ(p.properties().TBV(P, r).toDouble(), bubble.toDouble());
    EXPECT_EQ(p.properties().TRB(P, r).toDouble(), dew.toDouble());
}
