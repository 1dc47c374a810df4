#include "KWELARdll/model/Smes.h"

#include "FixtureDb.h"
#include "SmesProbe.h"
#include "TestSupport.h"

#include "Platform/CodePage.h"

#include <functional>

using kwelartest::FixtureDb;
using kwelartest::SmesProbe;
using platform::Variant;
using platform::VarType;

namespace {

// Point value j of the fixture substances: distinct, and exact in single precision where a
// test needs the decimal value.
float pointOf(int16_t substance, int32_t j) {
    return static_cast<float>(substance) * 100.0f + static_cast<float>(j) + 0.25f;
}

// A mixture of substances 3 and 5 (slots 1 and 2) from a fixture database. Substance 3
// melts at 273.15 K (stored in single precision) and boils at 341.9 K.
class SmesKonstanty : public ::testing::Test {
protected:
    SmesKonstanty() {
        FixtureDb db;
        for (const int16_t n : {int16_t{3}, int16_t{5}}) {
            kwelartest::FixtureSubstance& sub = db.add(n);
            for (int32_t j = 1; j <= 17; ++j)
                sub.point(j, pointOf(n, j));
            sub.block(4, 2, {1.5f, -2.5f, 3.5f, 4.5f, 5.5f, 6.5f}, 3, 250, 351);
        }
        db.substance(3)
            .name("n-Hexan")
            .formula("C6H14")
            .synonyms("hexan")
            .group(30)
            .cas(110543)
            .point(14, 273.15f)
            .point(15, 341.9f);
        db.substance(5).name("Ethanol").cas(64175).number(55);
        kwelartest::pointAt(s, db.write(dir.path()));
        s.DefSlozky({3, 5});
    }

    testsupport::TempDir dir;
    testsupport::ScriptedBoxes boxes;
    SmesProbe s;
};

using Getter = std::function<Variant(const kwelar::Smes&, int16_t)>;

struct PointGetter {
    const char* name;
    Getter get;
    int32_t j;      // source point value B(j)
    bool celsius;   // B(j) - 273.15 as a double
    bool emptyRule; // "" while no substance is requested in the slot
};

const PointGetter pointGetters[] = {
    {"Mvi", &kwelar::Smes::Mvi, 1, false, true},
    {"Tkri", &kwelar::Smes::Tkri, 2, false, true},
    {"TkriC", &kwelar::Smes::TkriC, 2, true, true},
    {"Pkri", &kwelar::Smes::Pkri, 3, false, true},
    {"Vkri", &kwelar::Smes::Vkri, 4, false, true},
    {"Acenti", &kwelar::Smes::Acenti, 5, false, true},
    {"Gyr", &kwelar::Smes::Gyr, 6, false, false},
    {"Nlomui", &kwelar::Smes::Nlomui, 7, false, true},
    {"TNlomui", &kwelar::Smes::TNlomui, 8, false, false},
    {"TDipolm", &kwelar::Smes::TDipolm, 10, false, false},
    {"Permiti", &kwelar::Smes::Permiti, 11, false, false},
    {"TPermiti", &kwelar::Smes::TPermiti, 12, false, false},
    {"Htani", &kwelar::Smes::Htani, 13, false, true},
    {"Ttani", &kwelar::Smes::Ttani, 14, false, true},
    {"Tnbvi", &kwelar::Smes::Tnbvi, 15, false, true},
    {"TnbviC", &kwelar::Smes::TnbviC, 15, true, true},
};

// Each getter gives its point value of the slot's record: single precision in a general
// value, the °C getters B(j) - 273.15 in double precision (slot 2, whose values are far from
// the melting-point rule).
TEST_F(SmesKonstanty, PointGettersGiveTheirPointValueInItsKind) {
    for (const PointGetter& g : pointGetters) {
        const Variant v = g.get(s, 2);
        const float b = pointOf(5, g.j);
        if (g.celsius) {
            EXPECT_TRUE(v.identical(Variant(static_cast<double>(b) - 273.15))) << g.name;
        } else {
            EXPECT_TRUE(v.identical(Variant(b))) << g.name;
        }
    }
    EXPECT_EQ(s.Dipolm(2), pointOf(5, 9));
}

// With no substance requested in the slot, the getters under the empty rule give "" while
// the others still read the record.
TEST_F(SmesKonstanty, EmptySlotGivesEmptyTextOnlyUnderTheEmptyRule) {
    s.ZapisNslozky(2, 0);
    for (const PointGetter& g : pointGetters) {
        const Variant v = g.get(s, 2);
        if (g.emptyRule) {
            EXPECT_TRUE(v.identical(Variant(""))) << g.name;
        } else {
            EXPECT_TRUE(v.identical(Variant(pointOf(5, g.j)))) << g.name;
        }
    }
    EXPECT_EQ(s.Dipolm(2), pointOf(5, 9));
    EXPECT_EQ(s.Nazev(2), "");
    EXPECT_EQ(s.Vzorec(2), "");
    EXPECT_EQ(s.Synonym(2), "");
    EXPECT_TRUE(s.Nslozky(2).identical(Variant(int16_t{55})));
    EXPECT_EQ(s.CAS(2), "[ 64-17-5]");
}

// Every member but Bod and KWLConst raises 9 for a slot outside 1..20.
TEST_F(SmesKonstanty, SlotOutsideOneToTwentyRaisesSubscriptOutOfRange) {
    for (const int16_t i : {int16_t{0}, int16_t{21}, int16_t{-1}}) {
        for (const PointGetter& g : pointGetters)
            EXPECT_RUNTIME_ERROR(g.get(s, i), platform::err::Subscript) << g.name << " " << i;
        EXPECT_RUNTIME_ERROR(s.Dipolm(i), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(s.Nslozky(i), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(s.Nazev(i), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(s.Nazev(i, "x"), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(s.Vzorec(i), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(s.Synonym(i), platform::err::Subscript);
        EXPECT_RUNTIME_ERROR(s.CAS(i), platform::err::Subscript);
    }
    // A slot of 1..20 beyond the mixture reads its (empty) record.
    EXPECT_TRUE(s.Gyr(20).identical(Variant(0.0f)));
    EXPECT_TRUE(s.Tkri(20).identical(Variant("")));
}

// 273.15 in single precision is 273.149994 K: its difference to 273.15 (-6.1e-6 K) is
// given as exactly 0 °C; the boiling point keeps its difference.
TEST_F(SmesKonstanty, MeltingPointAtZeroCelsiusIsExactlyZero) {
    EXPECT_TRUE(s.TtaniC(1).identical(Variant(0.0)));
    EXPECT_TRUE(s.TnbviC(1).identical(Variant(static_cast<double>(341.9f) - 273.15)));
    s.Bod(1, 14, 273.16f);
    EXPECT_NEAR(s.TtaniC(1).toDouble(), 0.01, 1e-4);
    s.ZapisNslozky(1, 0);
    EXPECT_TRUE(s.TtaniC(1).identical(Variant("")));
}

TEST_F(SmesKonstanty, IdentityTextsKeepTheirWidths) {
    EXPECT_EQ(s.Nazev(1), "n-Hexan" + std::string(23, ' '));
    EXPECT_EQ(s.Vzorec(1), "C6H14" + std::string(15, ' '));
    EXPECT_EQ(s.Synonym(1), "hexan" + std::string(25, ' '));
    EXPECT_TRUE(s.Nslozky(1).identical(Variant(int16_t{3})));
}

TEST_F(SmesKonstanty, RenamingKeepsThirtyCharactersInMemoryOnly) {
    const std::string forty = "Čtyřicet znaků dlouhý název složky směsi";
    ASSERT_EQ(platform::charCount(forty), 40u);
    s.Nazev(1, forty);
    EXPECT_EQ(s.Nazev(1), platform::leftChars(forty, 30));
    s.Nazev(2, "Líh");
    EXPECT_EQ(s.Nazev(2), "Líh" + std::string(27, ' '));
    // The next load reads the database again.
    s.DefSlozky({3, 5});
    EXPECT_EQ(s.Nazev(1), "n-Hexan" + std::string(23, ' '));
}

struct CasCase {
    int32_t number;
    const char* text;
};

// The number-text form (a blank, then the digits) is split before its last three and last
// characters. A one-digit number used to fail on a negative length; it gives " " as no
// number does.
TEST(SmesKonstantyCas, CasNumberIsFormattedWithItsCheckDigit) {
    const CasCase cases[] = {
        {64175, "[ 64-17-5]"},
        {7732185, "[ 7732-18-5]"},
        {110543, "[ 110-54-3]"},
        {100, "[ -10-0]"},
        {12, "[- 1-2]"},
        {0, " "},
        {-64175, " "},
        {5, " "},
        {1, " "},
        {9, " "},
        {123456789, "[ 123456-78-9]"},
    };
    testsupport::TempDir dir;
    FixtureDb db;
    std::vector<Variant> numbers;
    for (int16_t k = 1; k <= static_cast<int16_t>(std::size(cases)); ++k) {
        db.add(k).cas(cases[k - 1].number);
        numbers.emplace_back(k);
    }
    kwelar::Smes s;
    kwelartest::pointAt(s, db.write(dir.path()));
    s.DefSlozky(numbers);
    for (int16_t k = 1; k <= static_cast<int16_t>(std::size(cases)); ++k)
        EXPECT_EQ(s.CAS(k), cases[k - 1].text) << cases[k - 1].number;
}

// Bod tests i against Nsloz, not 20, and gives -9999 without an error.
TEST_F(SmesKonstanty, BodOutsideTheMixtureOrPointsGivesMinus9999) {
    EXPECT_EQ(s.Bod(1, 1), pointOf(3, 1));
    EXPECT_EQ(s.Bod(2, 17), pointOf(5, 17));
    for (const auto& [i, j] : {std::pair{2, 18}, std::pair{3, 1}, std::pair{21, 1}, std::pair{0, 1},
                               std::pair{1, 0}, std::pair{-1, 5}})
        EXPECT_EQ(s.Bod(static_cast<int16_t>(i), static_cast<int16_t>(j)), -9999.0f) << i << "," << j;
}

// A let outside the mixture shows its box in every error mode and changes nothing.
TEST_F(SmesKonstanty, BodLetStoresInMemoryOrShowsItsBox) {
    s.Bod(2, 3, 4.5e6f);
    EXPECT_EQ(s.Bod(2, 3), 4.5e6f);
    EXPECT_TRUE(s.Pkri(2).identical(Variant(4.5e6f)));
    for (const int16_t mode : {-1, 0, 1, 2}) {
        s.ChyboveHlasky(mode);
        boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
        s.Bod(3, 1, 1.0f);
        s.Bod(1, 18, 1.0f);
    }
    ASSERT_EQ(boxes.boxes().size(), 8u);
    EXPECT_EQ(boxes.boxes()[0].text, "Bod( ) - chybné zadání!");
    EXPECT_EQ(boxes.boxes()[0].style, 48);
    EXPECT_EQ(boxes.boxes()[0].title, "KWELAR");
    EXPECT_EQ(s.slozka(1).B, [] {
        platform::Array<float> b(1, 17);
        for (int32_t j = 1; j <= 17; ++j)
            b(j) = pointOf(3, j);
        b(14) = 273.15f;
        b(15) = 341.9f;
        return b;
    }());
}

TEST_F(SmesKonstanty, KWLConstGivesTheItemsOfACorrelationBlock) {
    const float expected[] = {1.5f, -2.5f, 3.5f, 4.5f, 5.5f, 6.5f, 2.0f, 3.0f, 250.0f, 351.0f};
    for (int16_t M = 1; M <= 10; ++M)
        EXPECT_EQ(s.KWLConst(1, 4, M), expected[M - 1]) << M;
    EXPECT_EQ(s.KWLConst(1, 4, 11), 0.0f);
    EXPECT_EQ(s.KWLConst(1, 4, 0), 0.0f);
    for (const auto& [i, j] :
         {std::pair{0, 4}, std::pair{3, 4}, std::pair{21, 4}, std::pair{1, 0}, std::pair{1, 12}})
        EXPECT_EQ(s.KWLConst(static_cast<int16_t>(i), static_cast<int16_t>(j), 1), -9999.0f) << i << "," << j;
    EXPECT_EQ(s.KWLConst(1, 11, 7), 0.0f) << "the reserve block is a block";
}

// Coefficients are stored as given, items 7..10 rounded to 16-bit integers with halves
// going to the even neighbour.
TEST_F(SmesKonstanty, KWLConstLetRoundsItemsHalfToEven) {
    struct Let {
        int16_t M;
        float value, stored;
    };
    for (const Let l :
         {Let{9, 250.5f, 250.0f}, Let{10, 251.5f, 252.0f}, Let{7, 2.5f, 2.0f}, Let{8, -0.5f, 0.0f},
          Let{8, 3.4999f, 3.0f}, Let{1, 250.5f, 250.5f}, Let{6, -1e-7f, -1e-7f}}) {
        s.KWLConst(2, 4, l.M, l.value);
        EXPECT_EQ(s.KWLConst(2, 4, l.M), l.stored) << l.M << " " << l.value;
    }
    EXPECT_EQ(s.slozka(2).Rozvoj(4).Od, 250);
    const kwelar::RozvojVztahu before = s.slozka(2).Rozvoj(4);
    s.KWLConst(2, 4, 11, 99.0f);
    EXPECT_EQ(s.slozka(2).Rozvoj(4), before) << "an item beyond 10 changes nothing";
    EXPECT_RUNTIME_ERROR(s.KWLConst(2, 4, 9, 40000.0f), platform::err::Overflow);
}

TEST_F(SmesKonstanty, KWLConstLetOutsideShowsItsBoxInEveryMode) {
    for (const int16_t mode : {-1, 2}) {
        s.ChyboveHlasky(mode);
        boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
        s.KWLConst(3, 4, 1, 1.0f);
        s.KWLConst(1, 12, 1, 1.0f);
    }
    ASSERT_EQ(boxes.boxes().size(), 4u);
    EXPECT_EQ(boxes.boxes()[3].text, "KWLConst( ) - chybné zadání!");
    EXPECT_EQ(boxes.boxes()[3].style, 48);
    EXPECT_EQ(boxes.boxes()[3].title, "KWELAR");
    EXPECT_EQ(s.KWLConst(1, 4, 1), 1.5f);
}

TEST_F(SmesKonstanty, PrenesLCopiesIdentityAndPointValues) {
    int16_t N = 0, group = 0;
    std::string name, formula, syn;
    int32_t cas = 0;
    platform::Array<float> B(1, 17);
    s.PrenesL(1, N, name, formula, syn, group, cas, B);
    EXPECT_EQ(N, 3);
    EXPECT_EQ(name, "n-Hexan" + std::string(23, ' '));
    EXPECT_EQ(formula, "C6H14" + std::string(15, ' '));
    EXPECT_EQ(syn, "hexan" + std::string(25, ' '));
    EXPECT_EQ(group, 30);
    EXPECT_EQ(cas, 110543);
    EXPECT_EQ(B, s.slozka(1).B);
}

// No empty rule; a short B array fails with 9 after the items before it are copied.
TEST_F(SmesKonstanty, PrenesLWithAShortArrayFailsAfterCopyingWhatFits) {
    s.ZapisNslozky(2, 0);
    int16_t N = 0, group = 0;
    std::string name, formula, syn;
    int32_t cas = 0;
    platform::Array<float> B(1, 10);
    EXPECT_RUNTIME_ERROR(s.PrenesL(2, N, name, formula, syn, group, cas, B), platform::err::Subscript);
    EXPECT_EQ(N, 55);
    EXPECT_EQ(cas, 64175);
    EXPECT_EQ(B(10), pointOf(5, 10));
}

} // namespace
