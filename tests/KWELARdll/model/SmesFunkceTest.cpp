#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/Smes.h"

#include "FixtureDb.h"
#include "SmesProbe.h"
#include "TestSupport.h"

#include "Platform/Regional.h"

#include <initializer_list>

using kwelartest::FixtureDb;
using kwelartest::SmesProbe;
using platform::RunTimeError;
using platform::Variant;
using platform::VArray;

namespace {

// A composition array 0..21, as the program sizes them, holding the fractions from element 1.
VArray composition(std::initializer_list<Variant> fractions) {
    VArray r(0, 21);
    int32_t i = 1;
    for (const Variant& x : fractions)
        r(i++) = x;
    return r;
}

// Water (M = 0.018 kg/mol, slot 1) and ethanol (M = 0.046 kg/mol, slot 2).
class SmesFunkce : public ::testing::Test {
protected:
    SmesFunkce() {
        FixtureDb db;
        db.add(1).name("Voda").point(1, 0.018f);
        db.add(2).name("Ethanol").point(1, 0.046f);
        kwelartest::pointAt(s, db.write(dir.path()));
        s.DefSlozky({1, 2});
    }

    testsupport::TempDir dir;
    testsupport::ScriptedBoxes boxes;
    platform::DecimalSeparatorScope point{'.'};
    SmesProbe s;
};

// ---- Composition conversions --------------------------------------------------------------

// Equimolar water and ethanol: w = 0.018 * 0.5 / (0.018 * 0.5 + 0.046 * 0.5) = 0.28125 and
// 0.71875 (the molar masses are stored in single precision, hence 1e-7); and back.
TEST_F(SmesFunkce, CohmoAndComolConvertBetweenMoleAndMassFractions) {
    const VArray x = composition({0.5, 0.5});
    VArray w(0, 21);
    EXPECT_TRUE(s.Cohmo(x, w).identical(Variant(int16_t{2})));
    EXPECT_NEAR(w(1).toDouble(), 0.28125, 1e-7);
    EXPECT_NEAR(w(2).toDouble(), 0.71875, 1e-7);
    EXPECT_EQ(w(1).type(), platform::VarType::Double);
    EXPECT_TRUE(w(3).isEmpty()) << "elements beyond Nsloz are not written";

    VArray back(0, 21);
    EXPECT_TRUE(s.Comol(w, back).identical(Variant(int16_t{2})));
    EXPECT_NEAR(back(1).toDouble(), 0.5, 1e-12);
    EXPECT_NEAR(back(2).toDouble(), 0.5, 1e-12);
}

// Neither checks the sum: the fractions are used as given.
TEST_F(SmesFunkce, ConversionsDoNotNormaliseTheirInput) {
    VArray w(0, 21);
    s.Cohmo(composition({2.0, 0.0}), w);
    EXPECT_DOUBLE_EQ(w(1).toDouble(), 1.0);
    EXPECT_DOUBLE_EQ(w(2).toDouble(), 0.0);
    VArray x(0, 21);
    s.Comol(composition({0.3, 0.3}), x);
    EXPECT_NEAR(x(1).toDouble(), 0.046 / (0.046 + 0.018), 1e-7);
}

// A divisor below 1e-5 is replaced by 1: no division by zero for an empty composition, and a
// tiny one is not blown up to 1.
TEST_F(SmesFunkce, TinyDivisorIsReplacedByOne) {
    VArray w(0, 21);
    s.Cohmo(composition({0.0, 0.0}), w);
    EXPECT_TRUE(w(1).identical(Variant(0.0)));
    s.Cohmo(composition({1e-4, 0.0}), w);
    EXPECT_NEAR(w(1).toDouble(), 0.018 * 1e-4, 1e-12);
    VArray x(0, 21);
    s.Comol(composition({1e-7, 0.0}), x);
    EXPECT_NEAR(x(1).toDouble(), 1e-7 / 0.018, 1e-12) << "sum 5.6e-6 < 1e-5";
}

TEST_F(SmesFunkce, ConversionsOfAnEmptyMixtureGiveChyba) {
    kwelar::Smes empty;
    VArray w = composition({7.0});
    EXPECT_TRUE(empty.Cohmo(composition({0.5}), w).identical(Variant("Chyba")));
    EXPECT_TRUE(empty.Comol(composition({0.5}), w).identical(Variant("Chyba")));
    EXPECT_TRUE(w(1).identical(Variant(7.0))) << "nothing changes";
}

TEST_F(SmesFunkce, ConversionErrorsPassToTheCaller) {
    VArray shortArray(0, 1);
    shortArray(1) = 1.0;
    VArray w(0, 21);
    EXPECT_RUNTIME_ERROR(s.Cohmo(shortArray, w), platform::err::Subscript);
    EXPECT_RUNTIME_ERROR(s.Cohmo(composition({0.5, 0.5}), shortArray), platform::err::Subscript);
    EXPECT_RUNTIME_ERROR(s.Cohmo(composition({"půl", 0.5}), w), platform::err::TypeMismatch);
    s.Bod(2, 1, 0.0f);
    EXPECT_RUNTIME_ERROR(s.Comol(composition({0.5, 0.5}), w), platform::err::DivisionByZero);
}

// ---- Check and normalisation of a composition ----------------------------------------------

struct SumCase {
    double x1, x2;
    const char* result;
};

TEST_F(SmesFunkce, KsumXAcceptsSumsWithin1e5OfOneAndZero) {
    const SumCase cases[] = {{0.5, 0.5, ""},  {0.5, 0.499995, ""},   {0.5, 0.500009, ""},
                             {0.0, 0.0, ""},  {0.5, 0.4, "ERR sl."}, {0.5, 0.6, "ERR sl."},
                             {1.0, -1.0, ""}, {2.0, 0.0, "ERR sl."}, {0.5, 0.49998, "ERR sl."}};
    s.ChyboveHlasky(2);
    for (const SumCase& c : cases)
        EXPECT_TRUE(s.KsumX(composition({c.x1, c.x2})).identical(Variant(c.result))) << c.x1 << " + " << c.x2;
    EXPECT_TRUE(boxes.boxes().empty()) << "mode 2 shows no box";
}

// The box is titled with the mixture's name ("nepojmenovaná" without one), shown below mode 2
// while the counter is free, and counted.
TEST_F(SmesFunkce, KsumXBoxFollowsModeCounterAndName) {
    const VArray bad = composition({0.5, 0.4});
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    s.KsumX(bad);
    s.SNazev("Chladivo");
    s.ChyboveHlasky(1);
    s.KsumX(bad);
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, "Součet zlom.složení směsi není 1!");
    EXPECT_EQ(boxes.boxes()[0].style, 48);
    EXPECT_EQ(boxes.boxes()[0].title, "nepojmenovaná");
    EXPECT_EQ(boxes.boxes()[1].title, "Chladivo");
    EXPECT_EQ(s.pocErrHlas(), 2);
    s.setPocErrHlas(20);
    EXPECT_TRUE(s.KsumX(bad).identical(Variant("ERR sl.")));
    EXPECT_EQ(boxes.boxes().size(), 2u) << "counter used up";
}

TEST_F(SmesFunkce, NormalScalesFractionsToSumOne) {
    VArray x = composition({2.0, 2.0});
    s.Normal(x);
    EXPECT_TRUE(x(1).identical(Variant(0.5)));
    EXPECT_TRUE(x(2).identical(Variant(0.5)));

    VArray y = composition({0.5f, 0.500005});
    s.Normal(y);
    EXPECT_TRUE(y(1).identical(Variant(0.5f))) << "within 1e-5 nothing changes";
    EXPECT_TRUE(y(2).identical(Variant(0.500005)));

    VArray z = composition({int16_t{1}, int16_t{3}});
    s.Normal(z);
    EXPECT_TRUE(z(1).identical(Variant(0.25)));
    EXPECT_TRUE(z(2).identical(Variant(0.75)));
}

TEST_F(SmesFunkce, NormalOfASumOfZeroFailsOnTheDivision) {
    VArray x = composition({1.0, -1.0});
    EXPECT_RUNTIME_ERROR(s.Normal(x), platform::err::DivisionByZero);
    VArray z = composition({0.0, 0.0});
    EXPECT_RUNTIME_ERROR(s.Normal(z), platform::err::Overflow) << "0/0";
}

// ---- Mean molar mass -------------------------------------------------------------------------

TEST_F(SmesFunkce, VSMIsTheMoleFractionWeightedMolarMass) {
    const Variant M = s.VSM(composition({0.25, 0.75}));
    EXPECT_EQ(M.type(), platform::VarType::Double);
    EXPECT_DOUBLE_EQ(M.toDouble(), 0.25 * static_cast<double>(0.018f) + 0.75 * static_cast<double>(0.046f));
}

// Errors go to the reporter: no box for an ordinary error, empty result in mode 0, the raised
// error with the source "KWELAR - VSM" in mode -1.
TEST_F(SmesFunkce, VSMReportsItsErrorsThroughTheReporter) {
    VArray shortArray(0, 1);
    shortArray(1) = 1.0;
    EXPECT_TRUE(s.VSM(shortArray).isEmpty());
    s.ChyboveHlasky(-1);
    try {
        s.VSM(shortArray);
        ADD_FAILURE() << "mode -1 raises";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), kwelar::ChybaVypoctu);
        EXPECT_EQ(e.source(), "KWELAR - VSM");
        EXPECT_EQ(e.description(), "Chyba při výpočtu vlastnosti!");
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

// ---- Number functions ------------------------------------------------------------------------

struct GFormatCase {
    double x;
    const char* text;
};

// Each band's pattern, then centring in 12 characters: p = 12 - length, p/2 blanks before
// and p - p/2 after, halves rounded to even (p = 1: none; p = 3: two and two; p = 5: two
// and two; p = 7: four and four).
TEST_F(SmesFunkce, GFormatFormatsByMagnitudeAndCentres) {
    const GFormatCase cases[] = {
        {-9999.0, " neobsazeno "},  {-9999.000001, " neobsazeno "}, {0.0, "   0.0000   "},
        {5e-7, "   0.0000   "},     {5e-5, " 5.0000E-05 "},         {-5e-5, "-5.0000E-05"},
        {1e-4, "  0.000100  "},     {0.005, "  0.005000  "},        {-0.005, "  -0.005000  "},
        {0.0099, "   0.0099   "},   {0.5, "   0.5000   "},          {1.0, "    1.000    "},
        {12.3456, "   12.346   "},  {-12.3456, "  -12.346  "},      {60.0, "    60.00    "},
        {100.0, "    100.0    "},   {999.96, "   1000.0   "},       {1000.0, "    1000    "},
        {999998.6, "   999999   "}, {999999.0, " 1.0000E+06 "},     {1.5e10, " 1.5000E+10 "},
    };
    for (const GFormatCase& c : cases)
        EXPECT_TRUE(s.GFormat(Variant(c.x)).identical(Variant(c.text)))
            << c.x << " -> [" << s.GFormat(Variant(c.x)).str() << "]";
}

TEST_F(SmesFunkce, GFormatUsesTheRegionalSeparator) {
    platform::DecimalSeparatorScope comma(',');
    EXPECT_EQ(s.GFormat(Variant(12.3456)).str(), "   12,346   ");
    EXPECT_RUNTIME_ERROR(s.GFormat(Variant("dvanáct")), platform::err::TypeMismatch);
}

TEST_F(SmesFunkce, HodnotaReadsTheLeadingNumberWithADecimalComma) {
    const std::pair<const char*, double> cases[] = {{"1,5", 1.5},    {"1.5", 1.5},       {"abc", 0.0},
                                                    {"", 0.0},       {"  -0,25", -0.25}, {"2,5e3 kg", 2500.0},
                                                    {"12,5,7", 12.5}};
    for (const auto& [text, value] : cases)
        EXPECT_TRUE(s.Hodnota(text).identical(Variant(value))) << text;
}

TEST_F(SmesFunkce, Log10IsTheDecimalLogarithm) {
    EXPECT_DOUBLE_EQ(s.Log10(Variant(1000.0)).toDouble(), 3.0);
    EXPECT_DOUBLE_EQ(s.Log10(Variant(0.01)).toDouble(), -2.0);
    EXPECT_DOUBLE_EQ(s.Log10(Variant(int16_t{2})).toDouble(), 0.30102999566398120);
    EXPECT_EQ(s.Log10(Variant(10.0f)).type(), platform::VarType::Double);
    EXPECT_RUNTIME_ERROR(s.Log10(Variant(0.0)), platform::err::InvalidCall);
    EXPECT_RUNTIME_ERROR(s.Log10(Variant(-1.0)), platform::err::InvalidCall);
    EXPECT_RUNTIME_ERROR(s.Log10(Variant()), platform::err::InvalidCall) << "empty counts as 0";
    EXPECT_RUNTIME_ERROR(s.Log10(Variant("deset")), platform::err::TypeMismatch);
}

} // namespace
