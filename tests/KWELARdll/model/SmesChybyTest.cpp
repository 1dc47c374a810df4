#include "KWELARdll/model/KwelarConstants.h"

#include "SmesProbe.h"
#include "TestSupport.h"

#include "Platform/Regional.h"

using kwelartest::SmesProbe;
using platform::RunTimeError;
using platform::Variant;

namespace {

// The raised error's number is the object-defined base 0x80040000 plus 600, read as a
// signed 32-bit number.
TEST(SmesChyby, RaisedErrorNumberIsTheObjectErrorBasePlus600) {
    EXPECT_EQ(kwelar::ChybaVypoctu, static_cast<int32_t>(0x80040000u + 600u));
    EXPECT_EQ(kwelar::ChybaVypoctu, -2147220904);
}

struct HlasChybuCase {
    int16_t mode;
    int32_t number;
    bool counterAtLimit;
};
void PrintTo(const HlasChybuCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

std::string caseName(const ::testing::TestParamInfo<HlasChybuCase>& info) {
    const HlasChybuCase& c = info.param;
    return std::string("mode") + (c.mode < 0 ? "Minus1" : std::to_string(c.mode)) +
           (c.number < 0 ? "_ForeignError" : "_Error9") +
           (c.counterAtLimit ? "_CounterAtLimit" : "_CounterFree");
}

class HlasChybuMatrix : public ::testing::TestWithParam<HlasChybuCase> {};

// The box appears only in mode 0 or less, with the counter below its limit, for an error
// numbered below -2147220904; it is never counted. The raise happens only in mode -1,
// box or no box.
TEST_P(HlasChybuMatrix, BoxAndRaiseFollowTheModeCounterAndNumber) {
    const HlasChybuCase c = GetParam();
    testsupport::ScriptedBoxes boxes;
    SmesProbe s;
    s.ChyboveHlasky(c.mode);
    s.setPocErrHlas(c.counterAtLimit ? int16_t{20} : int16_t{19});
    const bool boxExpected = c.mode <= 0 && !c.counterAtLimit && c.number == -2147221000;
    const bool raiseExpected = c.mode == -1;
    if (boxExpected) boxes.answer(platform::answer::Ok);

    const RunTimeError error(c.number, "Komponenta", "Chyba komponenty");
    const std::string source = "KWELAR - ALAG; T(K)= 300.0";
    bool raised = false;
    try {
        s.HlasChybu("ALAG", source, error);
    } catch (const RunTimeError& e) {
        raised = true;
        EXPECT_EQ(e.number(), -2147220904);
        EXPECT_EQ(e.source(), source);
        EXPECT_EQ(e.description(), "Chyba při výpočtu vlastnosti!");
    }
    EXPECT_EQ(raised, raiseExpected);
    ASSERT_EQ(boxes.boxes().size(), boxExpected ? 1u : 0u);
    if (boxExpected) {
        EXPECT_EQ(boxes.boxes()[0].text, "Chyba ALAG: -2147221000 : Chyba komponenty");
        EXPECT_EQ(boxes.boxes()[0].style, 48);
        EXPECT_EQ(boxes.boxes()[0].title, "KWELAR Chyba");
    }
    EXPECT_EQ(s.pocErrHlas(), c.counterAtLimit ? 20 : 19) << "the box is not counted";
}

std::vector<HlasChybuCase> allCases() {
    std::vector<HlasChybuCase> v;
    for (const int16_t mode : {-1, 0, 1, 2})
        for (const int32_t number : {9, -2147221000})
            for (const bool atLimit : {false, true})
                v.push_back({mode, number, atLimit});
    return v;
}

INSTANTIATE_TEST_SUITE_P(Modes, HlasChybuMatrix, ::testing::ValuesIn(allCases()), caseName);

TEST(SmesChyby, ErrorNumberJustAtTheRaisedErrorGetsNoBox) {
    testsupport::ScriptedBoxes boxes;
    SmesProbe s;
    boxes.answer(platform::answer::Ok);
    s.HlasChybu("VSM", "KWELAR - VSM", RunTimeError(-2147220904, "x", "y"));
    s.HlasChybu("VSM", "KWELAR - VSM", RunTimeError(INT32_MIN, "x", "y"));
    ASSERT_EQ(boxes.boxes().size(), 1u) << "only the number below it";
}

TEST(SmesChyby, MaxErrHlasZeroSilencesTheBoxButNotTheRaise) {
    testsupport::ScriptedBoxes boxes;
    SmesProbe s;
    s.MaxErrHlas(0);
    s.ChyboveHlasky(-1);
    EXPECT_RUNTIME_ERROR(s.HlasChybu("ROLW", "KWELAR - ROLW; T(K)= 1.0", RunTimeError(-2147221000, "x", "y")),
                         -2147220904);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST(SmesChyby, ChyboveHlaskyKeepsOnlyModesMinusOneToTwo) {
    SmesProbe s;
    for (const int16_t mode : {-1, 0, 1, 2}) {
        s.ChyboveHlasky(mode);
        EXPECT_EQ(s.ChyboveHlasky(), mode);
    }
    s.ChyboveHlasky(3);
    EXPECT_EQ(s.ChyboveHlasky(), 2);
    s.ChyboveHlasky(-2);
    EXPECT_EQ(s.ChyboveHlasky(), 2);
}

TEST(SmesChyby, BoxGuardsFollowTheMode) {
    SmesProbe s;
    struct Expect {
        int16_t mode;
        bool calculation, results, raises;
    };
    for (const Expect e : {Expect{-1, true, true, true}, Expect{0, true, true, false},
                           Expect{1, false, true, false}, Expect{2, false, false, false}}) {
        s.ChyboveHlasky(e.mode);
        EXPECT_EQ(s.showsCalculationErrors(), e.calculation) << e.mode;
        EXPECT_EQ(s.showsResultMessages(), e.results) << e.mode;
        EXPECT_EQ(s.raisesErrors(), e.raises) << e.mode;
    }
}

TEST(SmesChyby, MaxErrHlasIgnoresNegativeLimits) {
    SmesProbe s;
    s.MaxErrHlas(-1);
    EXPECT_EQ(s.MaxErrHlas(), 20);
    s.MaxErrHlas(0);
    EXPECT_EQ(s.MaxErrHlas(), 0);
    s.MaxErrHlas(3);
    EXPECT_EQ(s.MaxErrHlas(), 3);
}

TEST(SmesChyby, CountedBoxesStopAtTheLimit) {
    testsupport::ScriptedBoxes boxes;
    SmesProbe s;
    s.MaxErrHlas(2);
    int shown = 0;
    for (int k = 0; k < 5; ++k) {
        if (!s.counterFree()) continue;
        boxes.answer(platform::answer::Ok);
        s.countedBox("Zpráva", 48, "KWELAR");
        ++shown;
    }
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(s.pocErrHlas(), 2);
    s.ResetujSmes();
    EXPECT_EQ(s.pocErrHlas(), 2) << "the counter is never reset";
}

TEST(SmesChyby, ChybRozvNamesTheCorrelations) {
    SmesProbe s;
    const char* const names[] = {"ETAG", "CPG", "ALAG", "ROLW",  "ETAL",   "ALAL",
                                 "CPL",  "DHV", "TENS", "SIGMA", "Rezerva"};
    for (int16_t k = 1; k <= 11; ++k)
        EXPECT_EQ(s.ChybRozv(k), names[k - 1]);
    EXPECT_EQ(s.ChybRozv(0), "Nedef.  0");
    EXPECT_EQ(s.ChybRozv(12), "Nedef.  12");
    EXPECT_EQ(s.ChybRozv(-3), "Nedef. -3");
}

TEST(SmesChyby, SourceTextsNameTheMemberTemperatureAndPressure) {
    EXPECT_EQ(SmesProbe::errorSource("ALAG", Variant(298.15)), "KWELAR - ALAG; T(K)= 298.2");
    EXPECT_EQ(SmesProbe::errorSource("RROGW", Variant(350.0), Variant(101325.5)),
              "KWELAR - RROGW; T(K)= 350.0 ,P(Pa)= 101326");
    EXPECT_EQ(SmesProbe::pressureErrorSource("TBV", Variant(0.0)), "KWELAR - TBV; P(Pa)= 0");
    const platform::DecimalSeparatorScope comma(',');
    EXPECT_EQ(SmesProbe::errorSource("ETAL", Variant(300.04)), "KWELAR - ETAL; T(K)= 300,0");
}

// The source is built inside an error handler: an argument that is no number must not raise
// a second error there (type mismatch) in place of the reported one.
TEST(SmesChyby, SourceTextTakesATextArgumentAsItStands) {
    const platform::DecimalSeparatorScope point('.');
    EXPECT_EQ(SmesProbe::errorSource("ETAG", Variant("abc")), "KWELAR - ETAG; T(K)= abc");
    EXPECT_EQ(SmesProbe::errorSource("ROGW", Variant("300"), Variant("x")),
              "KWELAR - ROGW; T(K)= 300.0 ,P(Pa)= x");
    EXPECT_EQ(SmesProbe::pressureErrorSource("TRB", Variant("")), "KWELAR - TRB; P(Pa)= ");
}

} // namespace
