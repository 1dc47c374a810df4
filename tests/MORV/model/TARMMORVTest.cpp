#include "TestSupport.h"

#include "MORV/model/TARMMORV.h"
#include "Platform/RunTimeError.h"
#include "RalvoC1/numeric/Uloha.h"

#include <cmath>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

using morv::Single;
using morv::TARMMORV;
using morv::TARMST;

// The Newton method takes the condensation model as its function object.
static_assert(std::is_base_of_v<ralvo::Uloha, TARMMORV>);

namespace {

#define FIELD(name)                                                                                          \
    { #name, &TARMMORV::name }
// The single-precision fields in interface order.
const std::vector<std::pair<const char*, Single TARMMORV::*>> singleFields = {
    FIELD(Xinert), FIELD(Reko),   FIELD(Prko),  FIELD(Nuko), FIELD(Ar),     FIELD(K32),
    FIELD(Hustko), FIELD(Viskko), FIELD(Vodko), FIELD(Cpko), FIELD(dHvkor),
};
#undef FIELD

} // namespace

TEST(TARMMORV, NewObjectHasMethodOneZeroFieldsAndNoModel) {
    TARMMORV k;
    EXPECT_EQ(static_cast<int16_t>(k.MetodaP), 1);
    for (const auto& [name, field] : singleFields)
        EXPECT_EQ(static_cast<float>(k.*field), 0.0f) << name;
    EXPECT_EQ(k.heRef(), nullptr);
}

TEST(TARMMORV, UsingTheModelWhileNoneIsSetRaisesObjectNotSet) {
    TARMMORV k;
    EXPECT_RUNTIME_ERROR(k.he(), platform::err::ObjectNotSet);
    k.he(std::make_shared<TARMST>());
    k.he(nullptr);
    EXPECT_RUNTIME_ERROR(k.he(), platform::err::ObjectNotSet);
}

TEST(TARMMORV, SingleFieldsRoundTheirStoreAndMethodRoundsHalfToEven) {
    TARMMORV k;
    for (const auto& [name, field] : singleFields) {
        k.*field = 1.0 / 3.0;
        EXPECT_EQ(static_cast<double>(static_cast<float>(k.*field)), std::ldexp(11184811.0, -25)) << name;
    }
    k.MetodaP = 2.5;
    EXPECT_EQ(static_cast<int16_t>(k.MetodaP), 2);
}

TEST(TARMMORV, TwoObjectsSharingOneModelSeeEachOthersWrites) {
    auto model = std::make_shared<TARMST>();
    TARMMORV a;
    TARMMORV b;
    a.he(model);
    b.he(model);
    a.he().Q = 125000.0;
    a.he().Tr().m(4.0);
    a.he().xx(3, 20.0);
    EXPECT_EQ(static_cast<float>(b.he().Q), 125000.0f);
    EXPECT_EQ(b.he().Tr().m(), 4.0);
    EXPECT_EQ(b.he().xx(3).toDouble(), 20.0);
    EXPECT_EQ(&b.he(), model.get());
}

TEST(TARMMORV, EndingTheObjectLeavesTheModelToItsOtherHolders) {
    auto model = std::make_shared<TARMST>();
    {
        TARMMORV k;
        k.he(model);
        EXPECT_EQ(model.use_count(), 2);
    }
    EXPECT_EQ(model.use_count(), 1);
}
