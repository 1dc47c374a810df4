#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/Smes.h"
#include "TestSupport.h"

#include "MixtureFixture.h"

#include <cmath>
#include <functional>

using kwelartest::correlationCalls;
using kwelartest::fractions;
using platform::RunTimeError;
using platform::Variant;
using platform::VArray;
using platform::VarType;

namespace {

// Antoine's equation ln P = A1 + A2 / (A3 + T) [Pa, K] (correlation type 6), and its inverse
// T = A2 / (ln P - A1) - A3. Coefficients as the database stores them, in single precision.
struct Antoine {
    float A1, A2, A3;
    double P(double T) const { return std::exp(double{A1} + double{A2} / (double{A3} + T)); }
    double T(double p) const { return double{A2} / (std::log(p) - double{A1}) - double{A3}; }
};

// n-hexane and n-heptane: Antoine constants converted from the usual mmHg / degC form
// (Reid, Prausnitz and Poling), critical temperatures 507.6 and 540.2 K.
constexpr Antoine Hexane{20.7294f, -2697.55f, -48.78f};
constexpr Antoine Heptane{20.764f, -2911.0f, -56.5f};

using Member = Variant (kwelar::Smes::*)(const Variant&, const VArray&);

class BubbleDew : public kwelartest::MixtureFixture {
protected:
    // Substance n with the vapour pressure a and the critical temperature Tc.
    void antoine(int16_t n, const Antoine& a, float Tc) {
        latka(n).point(1, 0.1f).point(2, Tc).block(9, 6, {a.A1, a.A2, a.A3});
    }
    // Substance 9, the tracer: critical temperature 5000 K and a vapour-pressure block that
    // fails at every temperature (type 16 with a negative base to the power 0.5), so that with
    // the fraction 0 it adds nothing to the iteration while each of its evaluations shows the
    // temperature of the pass in FFce's error box.
    void tracer() { latka(9).point(1, 0.1f).point(2, 5000.0f).block(9, 16, {1.0f, 0.5f, 0, 0, 0, 1.0f}); }
    // The temperatures of the passes: every second evaluation of the tracer.
    std::vector<std::string> passes() const {
        std::vector<std::string> t;
        const std::vector<std::string> calls = correlationCalls(boxes.boxes());
        for (size_t k = 0; k < calls.size(); k += 2)
            t.push_back(calls[k].substr(calls[k].rfind(' ') + 1));
        return t;
    }
};

// Root of a monotonic f on [lo, hi] by bisection.
double bisect(const std::function<double(double)>& f, double lo, double hi) {
    const bool rising = f(hi) > f(lo);
    for (int k = 0; k < 200; ++k) {
        const double mid = 0.5 * (lo + hi);
        ((f(mid) > 0) == rising ? hi : lo) = mid;
    }
    return 0.5 * (lo + hi);
}

// ---- Convergence ------------------------------------------------------------------------

class PureComponent : public BubbleDew, public ::testing::WithParamInterface<double> {};

// A pure substance boils and condenses at the temperature where its own vapour pressure
// equals p: both members give the inverse of its Antoine equation within the 0.02 K step.
TEST_P(PureComponent, BoilsAndCondensesWhereItsVapourPressureEqualsThePressure) {
    antoine(3, Hexane, 507.6f);
    load({3});
    Variant p(GetParam());
    const double expected = Hexane.T(GetParam());
    for (const Member m : {&kwelar::Smes::TBV, &kwelar::Smes::TRB}) {
        const Variant T = (s.*m)(p, fractions({1.0}));
        ASSERT_EQ(T.type(), VarType::Double);
        EXPECT_NEAR(T.toDouble(), expected, 0.02) << "p = " << GetParam();
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

// 101325 Pa: the normal boiling point, 341.9 K.
INSTANTIATE_TEST_SUITE_P(Pressures, PureComponent, ::testing::Values(2000.0, 101325.0, 500000.0));

// Raoult's law for an ideal solution: at the bubble point sum x_i P_i(T) = p, at the dew
// point sum y_i p / P_i(T) = 1. The roots are found here by bisection.
TEST_F(BubbleDew, BinaryBubblePointLiesBelowItsDewPointAndBothObeyRaoultsLaw) {
    antoine(3, Hexane, 507.6f);
    antoine(4, Heptane, 540.2f);
    load({3, 4});
    const double x[] = {0.4, 0.6}, p = 101325.0;
    const double bubble = bisect(
        [&](double T) { return x[0] * Hexane.P(T) / p + x[1] * Heptane.P(T) / p - 1.0; }, 250.0, 500.0);
    const double dew = bisect(
        [&](double T) { return x[0] * p / Hexane.P(T) + x[1] * p / Heptane.P(T) - 1.0; }, 250.0, 500.0);
    Variant pv(p);
    const double TBV = s.TBV(pv, fractions({0.4, 0.6})).toDouble();
    const double TRB = s.TRB(pv, fractions({0.4, 0.6})).toDouble();
    EXPECT_NEAR(TBV, bubble, 0.02);
    EXPECT_NEAR(TRB, dew, 0.02);
    EXPECT_LT(TBV, TRB);
    // Between the boiling points of the two, 341.9 and 371.6 K.
    EXPECT_GT(TBV, 341.9);
    EXPECT_LT(TRB, 371.6);
}

// ---- The passes -------------------------------------------------------------------------

struct StartCase {
    const char* name;
    std::vector<float> Tc;
    const char* T;              // temperature of the first pass
    const char* Tnext;          // the same plus 1 K
    const char* dewT = nullptr; // of the dew point when it differs
    const char* dewTnext = nullptr;
};
void PrintTo(const StartCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class FirstPass : public BubbleDew, public ::testing::WithParamInterface<StartCase> {};

// The first pass starts at 300 K lowered, component by component in slot order, to 0.95 Tc
// of each component whose Tc it reaches (each test sees T as already lowered); the dew point
// only to 0.95 of the highest Tc, when it reaches that. Each pass
// evaluates the vapour pressure twice per component: at T and at T + 1. Here
// every block is of an unknown type (a box, the value 1e-8), so f' = 0 and the first pass
// ends in a division by zero, which mode 0 reports silently: the result is empty.
TEST_P(FirstPass, StartsAt300KBelowEveryCriticalTemperature) {
    const StartCase& c = GetParam();
    std::vector<Variant> numbers;
    for (size_t k = 0; k < c.Tc.size(); ++k) {
        const int16_t n = static_cast<int16_t>(k + 2);
        latka(n).point(1, 0.05f).point(2, c.Tc[k]).block(9, 0, {}, 1);
        numbers.emplace_back(n);
    }
    load(numbers);
    s.MaxErrHlas(100);
    const auto expected = [&](const char* T, const char* Tnext) {
        std::vector<std::string> calls;
        for (size_t k = 0; k < c.Tc.size(); ++k)
            for (const char* t : {T, Tnext})
                calls.push_back(std::to_string(k + 2) + " TENS " + t);
        return calls;
    };
    Variant p(101325.0);
    for (const Member m : {&kwelar::Smes::TBV, &kwelar::Smes::TRB}) {
        const bool dew = m == &kwelar::Smes::TRB && c.dewT;
        boxes->clear();
        boxes->allowUnscripted(true);
        EXPECT_TRUE((s.*m)(p, fractions({0.5, 0.5})).isEmpty());
        EXPECT_EQ(correlationCalls(boxes.boxes()), expected(dew ? c.dewT : c.T, dew ? c.dewTnext : c.Tnext));
    }
}

INSTANTIATE_TEST_SUITE_P(
    CriticalTemperatures, FirstPass,
    ::testing::Values(StartCase{"AllAbove300K", {500.0f, 600.0f}, "300.0", "301.0"},
                      StartCase{"AtTc", {300.0f}, "285.0", "286.0"},
                      StartCase{"Tc190K", {190.0f}, "180.5", "181.5"},
                      StartCase{"SecondSeesTheLoweredT", {290.0f, 280.0f}, "275.5", "276.5"},
                      StartCase{"LowerTcFirst", {280.0f, 290.0f}, "266.0", "267.0", "275.5", "276.5"}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

struct StepCase {
    const char* name;
    Member member;
    Antoine a;
    std::vector<std::string> firstPasses;
};
void PrintTo(const StepCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class StepLimit : public BubbleDew, public ::testing::WithParamInterface<StepCase> {};

// A Newton value above 1.5 or below 0.5 times the current temperature is not taken: the
// next pass starts at 1.5 T or 0.5 T. The substance boils at 590 K (A2 = -5000) or at
// 100 K (A2 = -300) at 101325 Pa; from 300 K the Newton values lie far beyond either bound.
TEST_P(StepLimit, ReplacesAFarNewtonValueByTheBound) {
    const StepCase& c = GetParam();
    antoine(3, c.a, 900.0f);
    tracer();
    load({3, 9});
    s.MaxErrHlas(1000);
    boxes->allowUnscripted(true);
    Variant p(101325.0);
    const Variant T = (s.*c.member)(p, fractions({1.0, 0.0}));
    EXPECT_NEAR(T.toDouble(), c.a.T(101325.0), 0.02);
    const std::vector<std::string> t = passes();
    ASSERT_GE(t.size(), c.firstPasses.size());
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + static_cast<long>(c.firstPasses.size())),
              c.firstPasses);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, StepLimit,
    ::testing::Values(
        StepCase{"BubbleAbove", &kwelar::Smes::TBV, {20.0f, -5000.0f, 0.0f}, {"300.0", "450.0", "675.0"}},
        StepCase{"DewBelow", &kwelar::Smes::TRB, {14.526f, -300.0f, 0.0f}, {"300.0", "150.0", "75.0"}}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

// ---- Light components -------------------------------------------------------------------

// A gas far above its critical temperature (126.2 K, vapour pressure 101325 Pa at 77 K) in
// the vapour of n-hexane. Above its Tc, FFce takes its vapour pressure at 0.98 Tc.
constexpr Antoine Inert{21.5f, -700.0f, 0.0f};
constexpr float InertTc = 126.2f;

class LightComponent : public BubbleDew, public ::testing::WithParamInterface<double> {};

// The dew point of a vapour with a little of the gas lies a little below that of hexane
// alone, where sum y_i p / P_i = 1 with the gas's vapour pressure held at its 0.98 Tc value.
// The passes are not lowered below the gas's Tc, which would keep them away from the dew
// point for good. With the fraction 0 the gas changes nothing for either member.
TEST_P(LightComponent, TheDewPointIsSetByTheCondensingComponent) {
    const double y = GetParam();
    antoine(3, Hexane, 507.6f);
    antoine(4, Inert, InertTc);
    load({3, 4});
    const double p = 101325.0;
    const double Pinert = Inert.P(0.98 * double{InertTc});
    const double dew =
        bisect([&](double T) { return (1.0 - y) * p / Hexane.P(T) + y * p / Pinert - 1.0; }, 200.0, 500.0);
    Variant pv(p);
    const Variant T = s.TRB(pv, fractions({1.0 - y, y}));
    ASSERT_EQ(T.type(), VarType::Double);
    EXPECT_NEAR(T.toDouble(), dew, 0.02);
    EXPECT_LE(T.toDouble(), Hexane.T(p) + 0.02);
    if (y == 0.0) {
        EXPECT_NEAR(s.TBV(pv, fractions({1.0, 0.0})).toDouble(), Hexane.T(p), 0.02);
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(GasFractions, LightComponent, ::testing::Values(0.0, 0.05, 0.5, 0.99));

// ---- Divergence -------------------------------------------------------------------------

// A substance of critical temperature 350 K whose vapour pressure reaches 101325 Pa only at
// 425 K: every pass starts again at 332.5 K, so the iteration cannot converge.
constexpr Antoine AboveCritical{20.0f, -3600.0f, 0.0f};

struct DivergenceCase {
    int16_t mode;
    bool counterFree;
};
void PrintTo(const DivergenceCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class Divergence : public BubbleDew, public ::testing::WithParamInterface<DivergenceCase> {};

// After the pass limit the result is the integer 0 in every mode. The counted box
// (exclamation, "KWELAR") is shown in modes below 2 while the counter is free, mode -1
// included; nothing is raised.
TEST_P(Divergence, GivesZeroWithACountedBoxInModesBelow2) {
    const DivergenceCase c = GetParam();
    antoine(3, AboveCritical, 350.0f);
    load({3});
    s.ChyboveHlasky(c.mode);
    const bool boxShown = c.mode < 2 && c.counterFree;
    Variant p(101325.0);
    const struct {
        Member member;
        const char* text;
    } members[] = {{&kwelar::Smes::TBV, "Výp.bodu varu diverguje!"},
                   {&kwelar::Smes::TRB, "Výp.ros.bodu diverguje!"}};
    for (const auto& m : members) {
        s.setPocErrHlas(c.counterFree ? 19 : 20);
        boxes->clear();
        if (boxShown) boxes.answer(platform::answer::Ok);
        const Variant T = (s.*m.member)(p, fractions({1.0}));
        EXPECT_EQ(T.type(), VarType::Integer);
        EXPECT_EQ(T.toDouble(), 0.0);
        ASSERT_EQ(boxes.boxes().size(), boxShown ? 1u : 0u);
        if (boxShown) {
            EXPECT_EQ(boxes.boxes()[0].text, m.text);
            EXPECT_EQ(boxes.boxes()[0].style, 48);
            EXPECT_EQ(boxes.boxes()[0].title, "KWELAR");
        }
        EXPECT_EQ(s.pocErrHlas(), boxShown ? 20 : (c.counterFree ? 19 : 20));
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, Divergence,
                         ::testing::Values(DivergenceCase{-1, true}, DivergenceCase{0, true},
                                           DivergenceCase{1, true}, DivergenceCase{2, true},
                                           DivergenceCase{0, false}, DivergenceCase{-1, false}),
                         [](const ::testing::TestParamInfo<DivergenceCase>& info) {
                             return std::string("mode") +
                                    (info.param.mode < 0 ? "Minus1" : std::to_string(info.param.mode)) +
                                    (info.param.counterFree ? "_CounterFree" : "_CounterUsedUp");
                         });

// A boiling point asked again at the same pressure and composition is the one calculated before,
// without a correlation call; a diverging one shows its box again.
TEST_F(BubbleDew, ABoilingPointAskedAgainIsKeptButADivergenceIsShownAgain) {
    antoine(3, Hexane, 507.6f);
    antoine(4, Heptane, 540.2f);
    load({3, 4});
    const VArray r = fractions({0.4, 0.6});
    for (const Member member : {&kwelar::Smes::TBV, &kwelar::Smes::TRB}) {
        const Variant first = (s.*member)(Variant(101325.0), r);
        const uint64_t calls = s.correlationCalls();
        EXPECT_TRUE((s.*member)(Variant(101325.0), r).identical(first));
        EXPECT_EQ(s.correlationCalls(), calls);
        EXPECT_FALSE((s.*member)(Variant(2e5), r).identical(first)) << "another pressure";
    }

    antoine(3, AboveCritical, 350.0f);
    load({3});
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    for (int k = 0; k < 2; ++k)
        EXPECT_EQ(s.TBV(Variant(101325.0), fractions({1.0})).type(), VarType::Integer);
    EXPECT_EQ(boxes.boxes().size(), 2u);
}

// 50 passes are allowed: the 51st computes its Newton value and then ends the iteration.
TEST_F(BubbleDew, IterationEndsOnThe51stPass) {
    antoine(3, AboveCritical, 350.0f);
    tracer();
    load({3, 9});
    s.MaxErrHlas(1000);
    boxes->allowUnscripted(true);
    Variant p(101325.0);
    EXPECT_EQ(s.TBV(p, fractions({1.0, 0.0})).toDouble(), 0.0);
    const std::vector<std::string> t = passes();
    ASSERT_EQ(t.size(), 51u);
    EXPECT_EQ(t[0], "300.0");
    EXPECT_EQ(t[50], "332.5");
    EXPECT_EQ(boxes.boxes().back().text, "Výp.bodu varu diverguje!");
}

// ---- Errors -----------------------------------------------------------------------------

// A pressure of 0 divides by zero (bubble point: x P / p; dew point: f / f' with f' = 0), as
// does a mixture without components: an empty result without a box in mode 0, and in mode
// -1 ChybaVypoctu whose source names the member and the pressure without decimals.
TEST_F(BubbleDew, ZeroPressureOrNoComponentsGiveAnEmptyResultOrTheRaisedError) {
    const struct {
        Member member;
        const char* source;
    } members[] = {{&kwelar::Smes::TBV, "KWELAR - TBV; P(Pa)= 0"},
                   {&kwelar::Smes::TRB, "KWELAR - TRB; P(Pa)= 0"}};
    Variant zero(0.0), p(101325.0);
    for (const auto& m : members)
        EXPECT_TRUE((s.*m.member)(p, fractions({})).isEmpty()) << "no components";
    antoine(3, Hexane, 507.6f);
    load({3});
    for (const auto& m : members) {
        EXPECT_TRUE((s.*m.member)(zero, fractions({1.0})).isEmpty());
        s.ChyboveHlasky(-1);
        try {
            (s.*m.member)(zero, fractions({1.0}));
            ADD_FAILURE() << m.source << ": nothing raised";
        } catch (const RunTimeError& e) {
            EXPECT_EQ(e.number(), kwelar::ChybaVypoctu);
            EXPECT_EQ(e.source(), m.source);
            EXPECT_EQ(e.description(), "Chyba při výpočtu vlastnosti!");
        }
        s.ChyboveHlasky(0);
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

} // namespace
