#include "TestSupport.h"

#include "KWELARdll/model/Smes.h"
#include "MORV/model/TARMST.h"
#include "Platform/RunTimeError.h"

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

using morv::Int16;
using morv::Proud;
using morv::Single;
using morv::TARMST;
using platform::Variant;

namespace {

template <class T> using FieldTable = std::vector<std::pair<const char*, T TARMST::*>>;
#define FIELD(name)                                                                                          \
    { #name, &TARMST::name }

// The fields of each kind, in interface order: a field declared with another kind does not
// compile here.
const FieldTable<Single> singleFields = {
    FIELD(Kprostup), FIELD(Q),       FIELD(Pterm),    FIELD(Rkap),     FIELD(Ttrubi),   FIELD(Ttrubo),
    FIELD(Tplasti),  FIELD(Tplasto), FIELD(Dplast),   FIELD(Dtrubi),   FIELD(Dtrubo),   FIELD(L),
    FIELD(Plocha),   FIELD(sT),      FIELD(sL),       FIELD(Zneci),    FIELD(Zneco),    FIELD(dPrep),
    FIELD(hPrep),    FIELD(NstredL), FIELD(Vodw),     FIELD(HrdloPli), FIELD(HrdloPlo), FIELD(HrdloTri),
    FIELD(HrdloTro), FIELD(Drsnost), FIELD(indProti),
};
const FieldTable<Int16> integerFields = {
    FIELD(Numb),  FIELD(Chod),  FIELD(Ntrub), FIELD(NstredT),
    FIELD(Uspor), FIELD(Natok), FIELD(TrTyp), FIELD(PlTyp),
};
const FieldTable<bool> booleanFields = {FIELD(TrubKap), FIELD(PlastKap)};
const FieldTable<std::string> textFields = {FIELD(Nazev), FIELD(Kod)};
const FieldTable<Variant> generalFields = {
    // Properties of the streams.
    FIELD(Ttrubstr),
    FIELD(Tplaststr),
    FIELD(vtrubstr),
    FIELD(vplaststr),
    FIELD(HustTr),
    FIELD(HustPl),
    FIELD(ViskTr),
    FIELD(ViskwTr),
    FIELD(ViskPl),
    FIELD(ViskwPl),
    FIELD(VisKor),
    FIELD(CpTr),
    FIELD(CpPl),
    FIELD(VodTr),
    FIELD(VodPl),
    FIELD(dHTr),
    FIELD(dHPl),
    FIELD(TbvT),
    FIELD(TrbT),
    FIELD(TbvP),
    FIELD(TrbP),
    FIELD(PrT),
    FIELD(PrP),
    FIELD(ReT),
    FIELD(ReP),
    FIELD(NuT),
    FIELD(NuP),
    FIELD(dL),
    FIELD(WTr),
    FIELD(WPl),
    // Heat transfer.
    FIELD(Alfai),
    FIELD(Alfao),
    FIELD(Alfai0),
    FIELD(Alfao0),
    FIELD(AlfaiK),
    FIELD(AlfaoK),
    FIELD(Alfakon),
    FIELD(Twi),
    FIELD(Two),
    FIELD(Tsi),
    FIELD(Tso),
    FIELD(Mezer),
    // Pressure drop.
    FIELD(ReTdp),
    FIELD(RePdp),
    FIELD(Reh),
    FIELD(dh),
    FIELD(ftr),
    FIELD(fpl),
    FIELD(fplvst),
    FIELD(fplvys),
    FIELD(Gtr),
    FIELD(Nprep),
    FIELD(dPtr),
    FIELD(dPpl),
    FIELD(dPkom),
    FIELD(vtrvst),
    FIELD(vtrvys),
    FIELD(vplvst),
    FIELD(vplvys),
    FIELD(vus),
    FIELD(Retrvst),
    FIELD(Retrvys),
    FIELD(Replvst),
    FIELD(Replvys),
    FIELD(Gtrvst),
    FIELD(Gtrvys),
    FIELD(dPtrvst),
    FIELD(dPtrvys),
    FIELD(dPtru),
    FIELD(dPplsv),
    FIELD(dPus),
    FIELD(dPplvst),
    FIELD(dPplvys),
};
#undef FIELD

int mixtures() {
    return kwelar::Smes::PocetSmesi().toInteger();
}

} // namespace

TEST(TARMST, FreshModelHoldsZeroFalseEmptyTextAndEmptyGeneralValues) {
    TARMST t;
    for (const auto& [name, field] : singleFields)
        EXPECT_EQ(static_cast<float>(t.*field), 0.0f) << name;
    for (const auto& [name, field] : integerFields)
        EXPECT_EQ(static_cast<int16_t>(t.*field), 0) << name;
    for (const auto& [name, field] : booleanFields)
        EXPECT_FALSE(t.*field) << name;
    for (const auto& [name, field] : textFields)
        EXPECT_EQ(t.*field, "") << name;
    for (const auto& [name, field] : generalFields)
        EXPECT_TRUE((t.*field).isEmpty()) << name;
    for (int16_t i = 0; i <= 10; ++i)
        EXPECT_EQ(t.IPOM(i), 0) << i;
    for (int16_t i = 0; i <= 9; ++i)
        EXPECT_TRUE(t.xx(i).isEmpty()) << i;
    for (int16_t i = 0; i <= 10; ++i)
        EXPECT_TRUE(t.z(i).isEmpty()) << i;
}

TEST(TARMST, EverySingleFieldRoundsItsStoreToSinglePrecision) {
    TARMST t;
    const double reference = std::ldexp(13421773.0, -27); // 0.1 as the nearest single
    for (const auto& [name, field] : singleFields) {
        t.*field = 0.1;
        EXPECT_EQ(static_cast<double>(static_cast<float>(t.*field)), reference) << name;
        EXPECT_RUNTIME_ERROR(t.*field = 1e39, platform::err::Overflow);
    }
}

TEST(TARMST, EveryIntegerFieldRoundsItsStoreHalfToEven) {
    TARMST t;
    for (const auto& [name, field] : integerFields) {
        t.*field = 12.5;
        EXPECT_EQ(static_cast<int16_t>(t.*field), 12) << name;
        t.*field = -1.5;
        EXPECT_EQ(static_cast<int16_t>(t.*field), -2) << name;
        EXPECT_RUNTIME_ERROR(t.*field = 40000, platform::err::Overflow);
    }
}

TEST(TARMST, GeneralFieldsKeepDoublePrecision) {
    TARMST t;
    for (const auto& [name, field] : generalFields) {
        t.*field = 0.1;
        EXPECT_EQ((t.*field).toDouble(), 0.1) << name;
    }
}

TEST(TARMST, IndexedPropertiesRaiseSubscriptErrorOutsideTheirBounds) {
    TARMST t;
    for (int16_t i : {int16_t(-1), int16_t(11)}) {
        EXPECT_RUNTIME_ERROR(t.IPOM(i), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(t.IPOM(i, 1), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(t.z(i), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(t.z(i, 1.0), platform::err::Subscript);
    }
    for (int16_t i : {int16_t(-1), int16_t(10)}) {
        EXPECT_RUNTIME_ERROR(t.xx(i), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(t.xx(i, 1.0), platform::err::Subscript);
    }
}

TEST(TARMST, IndexedPropertiesKeepWhatIsAssignedAtTheirBounds) {
    TARMST t;
    t.IPOM(0, 1);
    t.IPOM(10, 1);
    t.xx(0, 2.5);
    t.xx(9, Variant(0.1));
    t.z(0, 3.0);
    t.z(10, Variant("z"));
    EXPECT_EQ(t.IPOM(0), 1);
    EXPECT_EQ(t.IPOM(10), 1);
    EXPECT_EQ(t.IPOM(5), 0);
    EXPECT_EQ(t.xx(0).toDouble(), 2.5);
    // A general value keeps its kind and double precision.
    EXPECT_TRUE(t.xx(9).identical(Variant(0.1)));
    EXPECT_EQ(t.z(0).toDouble(), 3.0);
    EXPECT_EQ(t.z(10).str(), "z");
}

TEST(TARMST, ReadingAStreamCreatesItOnceWithItsMixture) {
    const int before = mixtures();
    TARMST t;
    EXPECT_EQ(mixtures(), before);
    Proud& tr = t.Tr();
    EXPECT_EQ(mixtures(), before + 1);
    EXPECT_EQ(tr.m(), 0.0);
    EXPECT_EQ(&t.Tr(), &tr);
    EXPECT_EQ(t.TrRef().get(), &tr);
    EXPECT_NE(&t.Pl(), &tr);
    EXPECT_EQ(t.PlRef().get(), &t.Pl());
    EXPECT_EQ(mixtures(), before + 2);
}

TEST(TARMST, EndingTheModelReleasesBothStreamsAndTheirMixtures) {
    const int before = mixtures();
    {
        TARMST t;
        t.Tr();
        t.Pl();
    }
    EXPECT_EQ(mixtures(), before);
}

TEST(TARMST, AssignedStreamReplacesTheOldAndNoneGivesANewEmptyStream) {
    TARMST t;
    t.Tr().m(5.0);
    auto other = std::make_shared<Proud>();
    other->m(3.0);
    t.Tr(other);
    EXPECT_EQ(&t.Tr(), other.get());
    EXPECT_EQ(t.Tr().m(), 3.0);

    t.Pl().P(2e5);
    t.Pl(nullptr);
    EXPECT_EQ(t.Pl().P(), 0.0);
    EXPECT_EQ(t.Pl().S().ChyboveHlasky(), -1);
}

TEST(TARMST, StreamSharedWithAnotherHolderOutlivesTheModel) {
    std::shared_ptr<Proud> held;
    {
        TARMST t;
        held = t.TrRef();
        held->m(7.0);
    }
    EXPECT_EQ(held.use_count(), 1);
    EXPECT_EQ(held->m(), 7.0);
}
