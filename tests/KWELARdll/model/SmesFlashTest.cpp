#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/Smes.h"
#include "TestSupport.h"

#include "MixtureFixture.h"

#include "Platform/Format.h"
#include "Platform/Regional.h"

#include <cmath>
#include <functional>

using kwelartest::fractions;
using platform::Variant;
using platform::VArray;

namespace {

using Box = platform::ScriptedMessageService::Box;
constexpr double Kelvin = 273.15;

// ---- Independent reference: ideal equilibrium of the sample's n-hexane and n-heptane --------

// Antoine's equation ln P = A1 + A2 / (A3 + T) [Pa, K] with the coefficients of the sample
// database (n-hexane and n-heptane, converted from the usual mmHg / degC constants of Reid,
// Prausnitz and Poling), taken in single precision as the database stores them.
struct Antoine {
    float A1, A2, A3;
    double P(double T) const { return std::exp(double{A1} + double{A2} / (double{A3} + T)); }
};
constexpr Antoine Hexane{20.7294f, -2697.55f, -48.78f};
constexpr Antoine Heptane{20.764f, -2911.0f, -56.5f};

// Root of a monotonic f on [lo, hi] by bisection.
double bisect(const std::function<double(double)>& f, double lo, double hi) {
    const bool rising = f(hi) > f(lo);
    for (int k = 0; k < 200; ++k) {
        const double mid = 0.5 * (lo + hi);
        ((f(mid) > 0) == rising ? hi : lo) = mid;
    }
    return 0.5 * (lo + hi);
}

// Raoult's law for the binary of hexane fraction z at p [Pa].
struct Binary {
    double z1, p;
    double K1(double T) const { return Hexane.P(T) / p; }
    double K2(double T) const { return Heptane.P(T) / p; }
    // Bubble point: z1 K1 + z2 K2 = 1; dew point: z1 / K1 + z2 / K2 = 1 [K].
    double bubble() const {
        return bisect([&](double T) { return z1 * K1(T) + (1 - z1) * K2(T) - 1; }, 250, 500);
    }
    double dew() const {
        return bisect([&](double T) { return z1 / K1(T) + (1 - z1) / K2(T) - 1; }, 250, 500);
    }
    // Vapour fraction at T by the Rachford-Rice equation sum z_i (K_i - 1) / (1 + V (K_i - 1)) = 0.
    double vapourFraction(double T) const {
        const double a = K1(T) - 1, b = K2(T) - 1;
        return bisect([&](double V) { return z1 * a / (1 + V * a) + (1 - z1) * b / (1 + V * b); }, 0, 1);
    }
    // Bubble pressure of the feed at T [Pa].
    double bubblePressure(double T) const { return z1 * Hexane.P(T) + (1 - z1) * Heptane.P(T); }
};

// ---- The report -------------------------------------------------------------------------

std::vector<std::string> split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t pos = 0;
    for (;;) {
        const size_t next = text.find(separator, pos);
        parts.push_back(text.substr(pos, next == std::string::npos ? std::string::npos : next - pos));
        if (next == std::string::npos) return parts;
        pos = next + separator.size();
    }
}

// The numbers of a two-phase report, its layout checked line by line on the way.
struct FlashReport {
    double V = 0, T0 = 0, T = 0, Pb = 0, p = 0, Tb = 0, Td = 0;
    std::vector<double> y, x, z;
};

FlashReport parse(const std::string& text, const std::string& header, int components) {
    FlashReport r;
    std::vector<std::string> lines = split(text, "\r\n");
    // Lines, the empty last line, and "" after its CR LF.
    EXPECT_EQ(lines.size(), static_cast<size_t>(7 + components + 1)) << text;
    if (lines.size() != static_cast<size_t>(7 + components + 1)) return r;
    EXPECT_EQ(lines[0], header);
    auto numbers = [&](size_t line, const std::string& label, size_t count) {
        const std::vector<std::string> f = split(lines[line], "\t");
        EXPECT_EQ(f.size(), count + 1) << lines[line];
        EXPECT_EQ(f[0], label);
        std::vector<double> v;
        for (size_t k = 1; k < f.size(); ++k)
            v.push_back(std::stod(f[k]));
        v.resize(count);
        return v;
    };
    r.V = numbers(1, "Poměr parní fáze k nástřiku: ", 1)[0];
    auto t = numbers(2, "Teplota poč., koncová (°C)   : ", 2);
    r.T0 = t[0] + Kelvin;
    r.T = t[1] + Kelvin;
    auto p = numbers(3, "Tlak poč., koncový (kPa)     : ", 2);
    r.Pb = p[0] * 1000;
    r.p = p[1] * 1000;
    auto b = numbers(4, "Bod varu(°C), rosný bod(°C)  : ", 2);
    r.Tb = b[0] + Kelvin;
    r.Td = b[1] + Kelvin;
    EXPECT_EQ(lines[5], "Složka\t\t\t\t\t\t\tPára\tKapalina\tNástřik");
    for (int k = 0; k < components; ++k) {
        const std::vector<std::string> f = split(lines[6 + k], "\t");
        EXPECT_EQ(f.size(), 5u) << lines[6 + k];
        if (f.size() != 5u) continue;
        EXPECT_EQ(f[0].size(), 30u) << f[0];
        EXPECT_EQ(f[3], "");
        r.y.push_back(std::stod(f[1]));
        r.x.push_back(std::stod(f[2]));
        r.z.push_back(std::stod(f[4]));
    }
    EXPECT_EQ(lines[6 + components], "");
    EXPECT_EQ(lines[7 + components], "");
    return r;
}

const char* const Isothermal = "FLASH výpočet izotermní";
const char* const Adiabatic = "FLASH výpočet adiabatický";

// The sample's n-hexane and n-heptane, 40 : 60, at one atmosphere.
class Flash : public kwelartest::MixtureFixture {
protected:
    void SetUp() override {
        db = kwelartest::FixtureDb::sample();
        load({3, 4});
    }
    void expectBoxes(const std::vector<Box>& expected) const {
        ASSERT_EQ(boxes.boxes().size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(boxes.boxes()[i].text, expected[i].text) << i;
            EXPECT_EQ(boxes.boxes()[i].style, expected[i].style) << i;
            EXPECT_EQ(boxes.boxes()[i].title, expected[i].title) << i;
            EXPECT_EQ(boxes.boxes()[i].input, expected[i].input) << i;
            EXPECT_EQ(boxes.boxes()[i].def, expected[i].def) << i;
        }
    }
    std::string flash(int16_t iad, double T) {
        Variant t(T);
        Variant pressure(p);
        return s.FLASH(iad, t, pressure, feed);
    }
    const double p = 101325.0;
    const Binary ref{0.4, 101325.0};
    const VArray feed = fractions({0.4, 0.6});
};

// ---- Isothermal flash -------------------------------------------------------------------

class TwoPhase : public Flash, public ::testing::WithParamInterface<double> {};

// Between the bubble and the dew point the feed splits: the vapour fraction is the root of the
// Rachford-Rice equation with the Antoine K-values, the phases are in equilibrium (y = K x),
// both balances hold and both phases sum to 1, all within the iteration's tolerance of 0.0005
// on the vapour fraction (the report shows four decimals).
TEST_P(TwoPhase, SplitsTheFeedIntoPhasesInEquilibrium) {
    const double Tb = ref.bubble(), Td = ref.dew();
    const double T = Tb + GetParam() * (Td - Tb);
    const FlashReport r = parse(flash(0, T), Isothermal, 2);
    ASSERT_EQ(r.x.size(), 2u);
    const double tol = kwelar::FlashVapourTolerance;
    EXPECT_NEAR(r.V, ref.vapourFraction(T), tol);
    const double z[] = {0.4, 0.6};
    const double K[] = {ref.K1(T), ref.K2(T)};
    for (size_t k = 0; k < 2; ++k) {
        EXPECT_EQ(r.z[k], z[k]);
        EXPECT_NEAR((1 - r.V) * r.x[k] + r.V * r.y[k], z[k], tol) << k;
        EXPECT_NEAR(r.y[k], K[k] * r.x[k], tol) << k;
    }
    EXPECT_NEAR(r.x[0] + r.x[1], 1.0, tol);
    EXPECT_NEAR(r.y[0] + r.y[1], 1.0, tol);
    // Temperatures, pressures and the bubble and dew points (to the 0.02 K of their iteration
    // and the 0.05 K of one decimal).
    EXPECT_NEAR(r.T0, T, 0.05);
    EXPECT_NEAR(r.T, T, 0.05);
    EXPECT_NEAR(r.Pb, ref.bubblePressure(T), 1.0);
    EXPECT_NEAR(r.p, p, 1.0);
    EXPECT_NEAR(r.Tb, Tb, 0.07);
    EXPECT_NEAR(r.Td, Td, 0.07);
    EXPECT_TRUE(boxes.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(BetweenBubbleAndDew, TwoPhase, ::testing::Values(0.05, 0.5, 0.95));

// A single phase: the report's lines exactly as laid down, with the initial pressure the
// bubble pressure of the feed at its temperature.
struct SinglePhaseCase {
    const char* label;
    int16_t iad;
    double offset; // from the bubble point (negative) or the dew point (positive) [K]
    char separator;
};
void PrintTo(const SinglePhaseCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class SinglePhase : public Flash, public ::testing::WithParamInterface<SinglePhaseCase> {};

TEST_P(SinglePhase, ReportMatchesTheTableCharacterForCharacter) {
    const SinglePhaseCase& c = GetParam();
    platform::DecimalSeparatorScope separator(c.separator);
    const bool vapour = c.offset > 0;
    // Temperatures with one decimal in °C, so that the shown values do not depend on rounding.
    const double T = std::round(((vapour ? ref.dew() : ref.bubble()) + c.offset - Kelvin) * 10) / 10 + Kelvin;
    const double Tb = s.TBV(Variant(p), feed).toDouble();
    const double Td = s.TRB(Variant(p), feed).toDouble();
    auto number = [&](std::string text) {
        for (char& ch : text)
            if (ch == '.') ch = c.separator;
        return text;
    };
    auto celsius = [&](double K) { return platform::format(K - Kelvin, "0.0"); };
    const std::string note =
        vapour ? "Zadáno T > rosný bod : Vše odpařeno" : "Zadáno T < bod varu: Vše kapalné";
    const std::string y1 = vapour ? "0.4000" : "0.0000", y2 = vapour ? "0.6000" : "0.0000";
    const std::string x1 = vapour ? "0.0000" : "0.4000", x2 = vapour ? "0.0000" : "0.6000";
    const std::string expected =
        std::string(c.iad == 1 ? Adiabatic : Isothermal) + "\r\n" + note + "\r\n" +
        "Poměr parní fáze k nástřiku: \t" + number(vapour ? "1.0000" : "0.0000") + "\r\n" +
        "Teplota poč., koncová (°C)   : \t" + celsius(T) + "\t" + celsius(T) + "\r\n" +
        "Tlak poč., koncový (kPa)     : \t" + platform::format(ref.bubblePressure(T) / 1000, "0.000") + "\t" +
        number("101.325") + "\r\n" + "Bod varu(°C), rosný bod(°C)  : \t" + celsius(Tb) + "\t" + celsius(Td) +
        "\r\n" + "Složka\t\t\t\t\t\t\tPára\tKapalina\tNástřik\r\n" + "n-Hexan                       \t" +
        number(y1) + "\t" + number(x1) + "\t\t" + number("0.4000") + "\r\n" +
        "n-Heptan                      \t" + number(y2) + "\t" + number(x2) + "\t\t" + number("0.6000") +
        "\r\n" + "\r\n";
    boxes.answer(platform::answer::Ok);
    Variant t(T);
    Variant pressure(p);
    EXPECT_EQ(s.FLASH(c.iad, t, pressure, feed), expected);
    expectBoxes({{note, 48, "KWELAR"}});
    EXPECT_EQ(t.toDouble(), T);
}

INSTANTIATE_TEST_SUITE_P(Cases, SinglePhase,
                         ::testing::Values(SinglePhaseCase{"IsothermalBelowBubblePoint", 0, -5.0, '.'},
                                           SinglePhaseCase{"IsothermalAboveDewPoint", 0, 5.0, '.'},
                                           SinglePhaseCase{"AdiabaticBelowBubblePoint", 1, -5.0, '.'},
                                           SinglePhaseCase{"AnyOtherKindIsIsothermal", 7, 20.0, '.'},
                                           SinglePhaseCase{"DecimalComma", 0, -30.0, ','}),
                         [](const auto& info) { return std::string(info.param.label); });

// ---- Adiabatic flash --------------------------------------------------------------------

// A liquid feed hotter than its dew point, let down without heat exchange: the final state
// keeps the feed's enthalpy, (1 - V) HL(T, x) + V RHG(T, p, y) = HL(T0, z), within 1e-3 of it,
// is in equilibrium at its final temperature (Rachford-Rice with the Antoine K-values), and
// that temperature is written back. The final state is read from the object's working values,
// which hold the vapour fraction and the phases in full precision.
TEST_F(Flash, AdiabaticFlashOfAHotLiquidKeepsItsEnthalpy) {
    const double T0 = ref.dew() + 30.0;
    Variant t(T0);
    Variant pressure(p);
    const FlashReport r = parse(s.FLASH(1, t, pressure, feed), Adiabatic, 2);
    const double T = t.toDouble();
    EXPECT_GT(T, ref.bubble());
    EXPECT_LT(T, ref.dew());
    EXPECT_NEAR(r.T0, T0, 0.05);
    EXPECT_NEAR(r.T, T, 0.05);

    const auto& f = s.flash();
    const double hF = s.HL(Variant(T0), feed).toDouble();
    ASSERT_GT(hF, 1000.0);
    const VArray x = fractions({f.x[1], f.x[2]});
    const VArray y = fractions({f.y[1], f.y[2]});
    const double h = (1 - f.V) * s.HL(t, x).toDouble() + f.V * s.RHG(t, pressure, y).toDouble();
    EXPECT_NEAR(h, hF, 1e-3 * hF);
    // The iteration stops once the temperature step is at most 0.1 K, so V is the equilibrium's
    // within 0.1 K times its slope dV/dT, besides its own tolerance.
    const double slope = (ref.vapourFraction(T + 0.05) - ref.vapourFraction(T - 0.05)) / 0.1;
    EXPECT_NEAR(f.V, ref.vapourFraction(T),
                kwelar::FlashVapourTolerance + kwelar::FlashTemperatureTolerance * std::fabs(slope));
    EXPECT_NEAR(r.V, f.V, 5e-5);
    EXPECT_TRUE(boxes.boxes().empty());
}

// A liquid feed whose enthalpy exceeds that of its saturated vapour would need a vapour fraction
// above 1: the iteration ends after 30 passes with the header line alone, the caller's T kept
// and no box.
TEST_F(Flash, IterationThatDoesNotConvergeInThirtyPassesGivesTheHeaderAlone) {
    const double T0 = ref.dew() + 200.0;
    Variant t(T0);
    Variant pressure(p);
    EXPECT_EQ(s.FLASH(1, t, pressure, feed), std::string(Adiabatic) + "\r\n");
    EXPECT_EQ(t.toDouble(), T0);
    EXPECT_EQ(s.flash().pass, kwelar::FlashPassLimit + 1);
    EXPECT_TRUE(boxes.boxes().empty());
}

// A bubble or dew point that failed (empty after a division by the pressure 0; 0 after 50
// passes at a pressure no vapour pressure reaches) leaves nothing to flash: the header alone in
// both kinds, where the isothermal flash took any temperature as above a dew point of 0 K.
TEST_F(Flash, FailedBubbleOrDewPointGivesTheHeaderAlone) {
    for (const int16_t iad : {int16_t{0}, int16_t{1}}) {
        const std::string header = std::string(iad == 1 ? Adiabatic : Isothermal) + "\r\n";
        Variant t(350.0);
        Variant zero(0.0);
        EXPECT_EQ(s.FLASH(iad, t, zero, feed), header);
        EXPECT_TRUE(boxes.boxes().empty());

        boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
        Variant huge(1e9);
        EXPECT_EQ(s.FLASH(iad, t, huge, feed), header);
        expectBoxes({{"Výp.bodu varu diverguje!", 48, "KWELAR"}, {"Výp.ros.bodu diverguje!", 48, "KWELAR"}});
        EXPECT_EQ(t.toDouble(), 350.0);
        boxes->clear();
    }
}

// Fractions that do not sum to 1 are normalised; the sum is reported in a counted box unless
// the error mode is 2.
TEST_F(Flash, FeedNotSummingToOneIsNormalisedAndReported) {
    for (const int16_t mode : {int16_t{0}, int16_t{2}}) {
        boxes->clear();
        s.ChyboveHlasky(mode);
        const int16_t before = s.pocErrHlas();
        if (mode == 0) boxes.answer(platform::answer::Ok);
        const Binary normalised{2.0 / 3.0, p};
        Variant t(0.5 * (normalised.bubble() + normalised.dew()));
        Variant pressure(p);
        const FlashReport r = parse(s.FLASH(0, t, pressure, fractions({0.8, 0.4})), Isothermal, 2);
        ASSERT_EQ(r.z.size(), 2u);
        EXPECT_EQ(r.z[0], 0.6667);
        EXPECT_EQ(r.z[1], 0.3333);
        if (mode == 0) {
            expectBoxes({{"FLASH chybně zadané složení, součet 1.20000", 64, "FLASH"}});
            EXPECT_EQ(s.pocErrHlas(), before + 1);
        } else {
            EXPECT_TRUE(boxes.boxes().empty());
        }
    }
}

// ---- Interactive input ------------------------------------------------------------------

Box input(const std::string& prompt, const std::string& title, const std::string& def) {
    return {prompt, 0, title, true, def};
}
const Box KindBox = input("FLASH  0-izotermní; 1-adiabatický:", "KWELAR", "0");
const Box PressureBox = input("Zadat tlak(Pa):", "FLASH", "101300");
const Box FeedBox = input("Zadat složení nástřiku (mol.zl.) oddělené mezerou nebo středníkem: ", "FLASH", "");
const Box CountBox{"Nezadáno tolik mol.zlomků, kolik je složek!  2", 48, "FLASH"};

class Interactive : public Flash {
protected:
    // The temperature box with the bubble and dew points of the feed and the temperature it
    // offers, 0.3 Tb + 0.7 Td.
    Box temperatureBox() {
        const double Tb = s.TBV(Variant(p), feed).toDouble();
        const double Td = s.TRB(Variant(p), feed).toDouble();
        return input("Zadat teplotu(°C):\r\nBod varu  " + platform::format(Tb - Kelvin, "0.0") +
                         "\r\nRosný bod " + platform::format(Td - Kelvin, "0.0"),
                     "KWELAR", platform::format(0.3 * Tb + 0.7 * Td - Kelvin, "#0.0"));
    }
    // The report of FLASH(-1) with the scripted answers; T and p start as given.
    std::string ask(Variant& T, Variant& P) { return s.FLASH(-1, T, P, VArray(1, 1)); }
};

struct Typed {
    const char* label;
    const char* kind;
    const char* feed;
};
void PrintTo(const Typed& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class TypedInput : public Interactive, public ::testing::WithParamInterface<Typed> {};

// The answers typed in the boxes give the same report as the direct call with the same kind,
// pressure, feed and temperature, in any decimal mark and any mix of separators; p and T are
// written back (T the final temperature of the adiabatic flash).
TEST_P(TypedInput, GivesTheReportOfTheDirectCall) {
    const Typed& c = GetParam();
    const Box expectedTemperatureBox = temperatureBox();
    boxes.type(c.kind).type("101325").type(c.feed).type("86,6");
    Variant T(0.0), P(5.0);
    const std::string report = ask(T, P);
    expectBoxes({KindBox, PressureBox, FeedBox, expectedTemperatureBox});

    Variant directT(86.6 + Kelvin), directP(101325.0);
    const int16_t iad = std::string(c.kind) == "1" ? 1 : 0;
    EXPECT_EQ(report, s.FLASH(iad, directT, directP, feed));
    EXPECT_EQ(report.rfind(iad == 1 ? Adiabatic : Isothermal, 0), 0u);
    EXPECT_TRUE(T.identical(directT));
    EXPECT_TRUE(P.identical(Variant(101325.0)));
}

INSTANTIATE_TEST_SUITE_P(Answers, TypedInput,
                         ::testing::Values(Typed{"Blanks", "0", "0.4 0.6"},
                                           Typed{"CommasAndSemicolon", "0", "0,4;0,6"},
                                           Typed{"MixedSeparators", "0", " 0.4 ;; 0,6 "},
                                           Typed{"SemicolonThenBlank", "0", "0.4; 0.6"},
                                           Typed{"Adiabatic", "1", "0.4 0.6"},
                                           Typed{"UnreadableKindIsIsothermal", "x", "0.4;0.6"}),
                         [](const auto& info) { return std::string(info.param.label); });

// A pressure of 0 or below, or one that is no number, is asked for again.
TEST_F(Interactive, PressureIsAskedForUntilItIsAboveZero) {
    boxes.type("0").type("-5").type("0").type("tlak").type("1,01325e5").type("0.4 0.6").type("85");
    Variant T, P;
    EXPECT_FALSE(ask(T, P).empty());
    ASSERT_EQ(boxes.boxes().size(), 7u);
    for (size_t k = 1; k <= 4; ++k)
        EXPECT_EQ(boxes.boxes()[k].text, PressureBox.text);
    EXPECT_TRUE(P.identical(Variant(101325.0)));
}

// A count of values other than the number of components is reported (counted) and the feed is
// asked for again; more than 20 values are no error.
TEST_F(Interactive, WrongCountOfFractionsIsReportedAndAskedForAgain) {
    std::string many;
    for (int k = 0; k < 21; ++k)
        many += "0.05 ";
    for (const std::string& wrong : {std::string("0.4"), many, std::string("0.2 0.3;0.5")}) {
        boxes->clear();
        const Box expectedTemperatureBox = temperatureBox();
        const int16_t before = s.pocErrHlas();
        boxes.type("0").type("101325").type(wrong);
        boxes.answer(platform::answer::Ok);
        boxes.type("0.4 0.6").type("86.6");
        Variant T, P;
        const std::string report = ask(T, P);
        expectBoxes({KindBox, PressureBox, FeedBox, CountBox, FeedBox, expectedTemperatureBox});
        EXPECT_EQ(s.pocErrHlas(), before + 1);
        Variant directT(86.6 + Kelvin), directP(101325.0);
        EXPECT_EQ(report, s.FLASH(0, directT, directP, feed)) << wrong;
    }
}

// In error mode 2 a wrong count goes on with the values read; the components not typed are 0,
// not the values of the call before.
TEST_F(Interactive, InErrorMode2AShortFeedGoesOnWithZerosNotWithTheValuesOfTheCallBefore) {
    boxes.type("0").type("101325").type("0.4 0.6").type("86.6");
    Variant T, P;
    ASSERT_FALSE(ask(T, P).empty());
    boxes->clear();

    s.ChyboveHlasky(2);
    boxes.type("0").type("101325").type("0.3").type("20");
    boxes.answer(platform::answer::Ok);
    const std::string report = ask(T, P);
    ASSERT_EQ(boxes.boxes().size(), 5u);
    EXPECT_EQ(boxes.boxes()[4].text, "Zadáno T < bod varu: Vše kapalné");
    const std::vector<std::string> lines = split(report, "\r\n");
    ASSERT_EQ(lines.size(), 11u) << report;
    EXPECT_EQ(lines[7], "n-Hexan                       \t0.0000\t1.0000\t\t1.0000");
    EXPECT_EQ(lines[8], "n-Heptan                      \t0.0000\t0.0000\t\t0.0000");
}

class Cancel : public Interactive, public ::testing::WithParamInterface<int> {};

// Cancel in any of the four boxes ends the flash with an empty report; nothing is asked after
// it and the caller's T is kept (p only once a pressure was accepted).
TEST_P(Cancel, InAnyBoxGivesAnEmptyReport) {
    const int cancelled = GetParam();
    const char* answers[] = {"0", "101325", "0.4 0.6", "86.6"};
    for (int k = 0; k < 4; ++k)
        boxes.type(k == cancelled ? "" : answers[k]);
    Variant T(300.0), P(5.0);
    EXPECT_EQ(ask(T, P), "");
    EXPECT_EQ(boxes.boxes().size(), static_cast<size_t>(cancelled + 1));
    EXPECT_EQ(boxes->unusedAnswers(), static_cast<size_t>(3 - cancelled));
    boxes->clear();
    EXPECT_TRUE(T.identical(Variant(300.0)));
    EXPECT_TRUE(P.identical(cancelled <= 1 ? Variant(5.0) : Variant(101325.0)));
}

std::string boxName(const ::testing::TestParamInfo<int>& info) {
    static const char* const names[] = {"Kind", "Pressure", "Feed", "Temperature"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Boxes, Cancel, ::testing::Values(0, 1, 2, 3), boxName);

} // namespace
