#include "FixtureProperties.h"
#include "TestSupport.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "MORV/model/BoilingPointCache.h"
#include "MORV/model/TARMST.h"
#include "Platform/RunTimeError.h"

#include <memory>
#include <string>
#include <vector>

using morvtest::FixtureProperties;
using platform::Variant;
using platform::VArray;

namespace {

VArray composition(double x1) {
    VArray r(0, 21);
    r(1) = Variant(x1);
    r(2) = Variant(1.0 - x1);
    return r;
}

class BoilingPointCache : public ::testing::Test {
protected:
    void SetUp() override {
        source->tbv = [](double p) { return 300.0 + p / 1e5; };
        source->trb = [](double p) { return 310.0 + p / 1e5; };
        m.Pl().properties(source);
    }
    std::shared_ptr<FixtureProperties> source = std::make_shared<FixtureProperties>();
    morv::TARMST m;
};

TEST_F(BoilingPointCache, AsksTheSourceOnceForEachPressureAndComposition) {
    const morv::FixedBoilingPoints fixed(m);
    morv::StreamProperties& props = m.Pl().properties();
    ASSERT_NE(&props, source.get());
    const Variant p(101325.0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(props.TRB(p, composition(0.5)).toDouble(), 310.0 + 1.01325);
        EXPECT_EQ(props.TBV(p, composition(0.5)).toDouble(), 300.0 + 1.01325);
    }
    EXPECT_EQ(source->members(), (std::vector<std::string>{"TRB", "TBV"}));
    // Another pressure, another composition, a pressure of another kind: asked again.
    EXPECT_EQ(props.TRB(Variant(2e5), composition(0.5)).toDouble(), 312.0);
    props.TRB(Variant(2e5), composition(0.4));
    props.TRB(Variant(2e5f), composition(0.4));
    EXPECT_EQ(source->calls.size(), 5u);
    // Everything else is the source's on every call.
    props.CPLW(Variant(300.0), composition(0.5));
    props.CPLW(Variant(300.0), composition(0.5));
    props.RROGW(Variant(300.0), p, composition(0.5));
    EXPECT_EQ(source->calls.size(), 8u);
    EXPECT_EQ(source->calls.back().member, "RROGW");
    EXPECT_EQ(source->calls.back().p, 101325.0);
}

TEST_F(BoilingPointCache, FailureIsNotKeptAndTheFormerSourcesComeBack) {
    int calls = 0;
    source->trb = [&](double) -> double {
        if (++calls == 1) platform::raise(kwelar::ChybaVypoctu, "KWELAR - TRB");
        return 337.8;
    };
    const Variant p(101325.0);
    {
        const morv::FixedBoilingPoints fixed(m);
        EXPECT_RUNTIME_ERROR(m.Pl().properties().TRB(p, composition(1.0)), kwelar::ChybaVypoctu);
        EXPECT_EQ(m.Pl().properties().TRB(p, composition(1.0)).toDouble(), 337.8);
        EXPECT_EQ(calls, 2);
    }
    EXPECT_EQ(&m.Pl().properties(), source.get());
    // The tube stream had no source of its own: its mixture object serves again.
    EXPECT_EQ(m.Tr().ownProperties(), nullptr);
}

} // namespace
