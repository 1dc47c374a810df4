#include "Forms.h"
#include "TestSupport.h"

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <vector>

namespace {

using namespace ralvotest;
using platform::RunTimeError;

//! Right-hand sides on plain doubles: y[i] is Y(i), dy[i] is DY(i); index 0 is not used.
using Rhs = std::function<void(double x, const std::vector<double>& y, std::vector<double>& dy)>;

//! One call of FKT as the function object saw it.
struct Stage {
    double x;
    std::vector<double> y;
};

//! A system of equations serving both forms from one formula; it records every call.
class Ode : public ralvo::Uloha {
public:
    explicit Ode(Rhs f) : m_f(std::move(f)) {}
    void FKT(Variant& nn, Variant& x, VArray& Y, VArray& DY, VArray&) override {
        evaluate(nn, x.toDouble(), Y, DY);
    }
    void FKT(Variant& nn, double& x, DArray& Y, DArray& DY, DArray&) override { evaluate(nn, x, Y, DY); }

    std::vector<Stage> calls;

private:
    template <class Array> void evaluate(const Variant& nn, double x, Array& Y, Array& DY) {
        const int n = nn.toInteger();
        std::vector<double> y(n + 1), dy(n + 1);
        for (int i = 1; i <= n; ++i)
            y[i] = toDouble(Y(i));
        calls.push_back({x, y});
        m_f(x, y, dy);
        for (int i = 1; i <= n; ++i)
            DY(i) = dy[i];
    }
    Rhs m_f;
};

const Rhs growth = [](double, const std::vector<double>& y, std::vector<double>& dy) { dy[1] = y[1]; };
const Rhs still = [](double, const std::vector<double>&, std::vector<double>& dy) { dy[1] = 0; };
// y'' = -y as y1' = y2, y2' = -y1.
const Rhs oscillator = [](double, const std::vector<double>& y, std::vector<double>& dy) {
    dy[1] = y[2];
    dy[2] = -y[1];
};

template <class Form> struct RkmCall;
template <> struct RkmCall<GeneralForm> {
    using X = Variant;
    static void run(ralvo::Ralvo& r, ralvo::Uloha& G, int nn, Variant& xb, Variant& xe, VArray& Y,
                    double delta, Variant& Star, VArray& zz) {
        r.Rkm(G, Variant(int16_t(nn)), xb, xe, Y, Variant(delta), Star, zz);
    }
};
template <> struct RkmCall<DoubleForm> {
    using X = double;
    static void run(ralvo::Ralvo& r, ralvo::Uloha& G, int nn, double& xb, double& xe, DArray& Y, double delta,
                    Variant& Star, DArray& zz) {
        r.Rkmd(G, Variant(int16_t(nn)), xb, xe, Y, delta, Star, zz);
    }
};

//! What one call left behind.
struct Outcome {
    double xb;
    std::vector<double> y; // index 0 unused
    Variant Star;
    std::vector<Stage> calls;
};

template <class Form> class Merson : public ::testing::Test {
protected:
    using Array = typename Form::Array;

    //! Integrates from (x0, y0) to x1 on the fixture's object; Y(0) and zz must stay alone.
    Outcome integrate(const Rhs& f, double x0, std::vector<double> y0, double x1, double delta,
                      Variant Star) {
        Ode ode(f);
        const int n = static_cast<int>(y0.size());
        Array Y(0, n), zz = vectorOf<Form>({4});
        Y(0) = Form::sentinel();
        zz(0) = Form::sentinel();
        for (int i = 1; i <= n; ++i)
            Y(i) = Form::number(y0[i - 1]);
        typename RkmCall<Form>::X xb = Form::number(x0), xe = Form::number(x1);
        RkmCall<Form>::run(r, ode, n, xb, xe, Y, delta, Star, zz);
        EXPECT_TRUE(Form::isSentinel(Y(0)));
        EXPECT_TRUE(Form::isSentinel(zz(0)));
        EXPECT_EQ(toDouble(zz(1)), 4.0);
        EXPECT_EQ(toDouble(xe), x1);
        Outcome o{toDouble(xb), std::vector<double>(n + 1), Star, ode.calls};
        for (int i = 1; i <= n; ++i)
            o.y[i] = toDouble(Y(i));
        return o;
    }

    //! The size of the first trial step of a call: stage 2 lies at x0 + h / 3.
    static double firstStep(const Outcome& o) { return 3 * (o.calls.at(1).x - o.calls.at(0).x); }

    ralvo::Ralvo r;
};
TYPED_TEST_SUITE(Merson, Forms);

const Variant start = Variant(int16_t{1});
const Variant carryOn = Variant(int16_t{0});

bool isSingleMinusOne(const Variant& v) {
    return v.identical(Variant(-1.0f));
}

// Accuracy on problems with known solutions ------------------------------------------------------

TYPED_TEST(Merson, ExponentialGivesEAndContinuesToESquared) {
    // y' = y, y(0) = 1: y(1) = e, y(2) = e^2. Each step's error is kept within Delta and grows
    // by at most e^(x_end - x) up to x_end, so the global error is below steps * Delta * y(x_end).
    const double delta = 1e-7;
    const Outcome first = this->integrate(growth, 0, {1}, 1, delta, start);
    const double steps1 = first.calls.size() / 5.0;
    EXPECT_NEAR(first.y[1], std::numbers::e, steps1 * delta * std::numbers::e);
    EXPECT_NEAR(first.xb, 1.0, 1e-15);
    EXPECT_TRUE(isSingleMinusOne(first.Star)) << "the whole interval at once is too long";
    const Outcome second = this->integrate(growth, first.xb, {first.y[1]}, 2, delta, first.Star);
    const double steps2 = second.calls.size() / 5.0;
    EXPECT_NEAR(second.y[1], std::exp(2.0), (steps1 + steps2) * delta * std::exp(2.0));
    EXPECT_NEAR(second.xb, 2.0, 1e-15);
    // The second piece starts with the step the first one adjusted last, not with the whole piece.
    EXPECT_LT(this->firstStep(second), 1.0);
    EXPECT_GT(this->firstStep(second), 1e-5);
}

TYPED_TEST(Merson, OscillatorReturnsAfterHalfAPeriod) {
    // y = sin x: (y, y') goes from (0, 1) at 0 to (0, -1) at pi.
    const Outcome o = this->integrate(oscillator, 0, {0, 1}, std::numbers::pi, 1e-7, start);
    EXPECT_NEAR(o.y[1], 0.0, 1e-6);
    EXPECT_NEAR(o.y[2], -1.0, 1e-6);
    EXPECT_NEAR(o.xb, std::numbers::pi, 1e-15);
}

TYPED_TEST(Merson, IntegratesTowardsSmallerAbscissae) {
    // y' = y from y(1) = e back to y(0) = 1; every step is negative.
    const Outcome o = this->integrate(growth, 1, {std::numbers::e}, 0, 1e-7, start);
    EXPECT_NEAR(o.y[1], 1.0, 1e-6);
    EXPECT_NEAR(o.xb, 0.0, 1e-15);
    for (const Stage& s : o.calls) {
        EXPECT_LE(s.x, 1.0);
        EXPECT_GE(s.x, 0.0);
    }
}

TYPED_TEST(Merson, ContinuedStepIsTurnedTowardsTheEnd) {
    // A new object continues with +1e-5; towards a smaller xe the step is -1e-5, so the
    // integration arrives instead of running away until its step limit.
    const Outcome backward = this->integrate(growth, 1, {std::numbers::e}, 0, 1e-7, carryOn);
    EXPECT_NEAR(this->firstStep(backward), -1e-5, 1e-15);
    EXPECT_NEAR(backward.y[1], 1.0, 1e-6);
    EXPECT_NEAR(backward.xb, 0.0, 1e-15);
    // The step it saved is negative; continuing forwards turns it again.
    const Outcome forward = this->integrate(growth, 0, {1}, 1, 1e-7, backward.Star);
    EXPECT_GT(this->firstStep(forward), 0.0);
    EXPECT_NEAR(forward.y[1], std::numbers::e, 1e-6);
}

// Step control ----------------------------------------------------------------------------------

TYPED_TEST(Merson, EmptyIntervalChangesNothingAndForgetsTheSavedStep) {
    // Leave a saved step of 1: the whole interval meets the tolerance at once.
    this->integrate(still, 0, {2}, 1, 1e-7, start);
    const Outcome empty = this->integrate(growth, 3, {2}, 3, 1e-7, start);
    EXPECT_EQ(empty.calls.size(), 5u);
    EXPECT_EQ(empty.xb, 3.0);
    EXPECT_EQ(empty.y[1], 2.0);
    EXPECT_TRUE(empty.Star.identical(start));
    // The saved step is now 0, so the next call begins with 1e-5 and, as the derivatives are
    // 0, takes the rest in one more step.
    const Outcome next = this->integrate(still, 0, {2}, 1, 1e-7, carryOn);
    EXPECT_NEAR(this->firstStep(next), 1e-5, 1e-15);
    EXPECT_EQ(next.calls.size(), 10u);
    EXPECT_TRUE(next.Star.identical(carryOn)) << "no adjustment happened";
}

TYPED_TEST(Merson, WholeIntervalMeetingTheToleranceIsOneStepAndIsSaved) {
    const Outcome whole = this->integrate(still, 0, {2}, 1.5, 1e-7, start);
    EXPECT_EQ(whole.calls.size(), 5u);
    EXPECT_TRUE(whole.Star.identical(start));
    EXPECT_EQ(whole.xb, 1.5);
    EXPECT_EQ(whole.y[1], 2.0);
    // Continuing over 3 with the saved step 1.5: one step of 1.5, then the rest.
    const Outcome next = this->integrate(still, 0, {2}, 3, 1e-7, carryOn);
    EXPECT_EQ(this->firstStep(next), 1.5);
    EXPECT_EQ(next.calls.size(), 10u);
    EXPECT_EQ(next.xb, 3.0);
}

TYPED_TEST(Merson, RejectedStepIsUndoneExactly) {
    // y' = y over 10 in one step is far too coarse; the next trial starts where the first did.
    const Outcome o = this->integrate(growth, 0.1, {1.3}, 10, 1e-7, start);
    ASSERT_GT(o.calls.size(), 6u);
    EXPECT_EQ(o.calls[5].x, 0.1);
    EXPECT_EQ(o.calls[5].y[1], 1.3);
    EXPECT_LT(this->firstStep({0, {}, {}, {o.calls.begin() + 5, o.calls.end()}}), 9.9);
    EXPECT_TRUE(isSingleMinusOne(o.Star));
}

TYPED_TEST(Merson, ToleranceBelowItsFloorIsReplaced) {
    // The general-value form replaces a tolerance below 1e-8 by 1e-4, the double-precision form
    // one below 1e-15 by 1e-7: the same trial steps as with that tolerance given.
    const bool general = std::is_same_v<TypeParam, GeneralForm>;
    const double replacement = general ? 1e-4 : 1e-7, belowFloor = general ? 5e-9 : 5e-16;
    const size_t reference = this->integrate(growth, 0, {1}, 1, replacement, start).calls.size();
    for (double delta : {0.0, -1.0, belowFloor})
        EXPECT_EQ(this->integrate(growth, 0, {1}, 1, delta, start).calls.size(), reference) << delta;
    // Just above the floor the tolerance is used as given: more steps.
    const double aboveFloor = general ? 2e-8 : 2e-15;
    EXPECT_GT(this->integrate(growth, 0, {1}, 1, aboveFloor, start).calls.size(), reference);
}

TYPED_TEST(Merson, ToleranceThatIsNoFiniteNumberIsAnInvalidArgument) {
    // NaN took one step over the whole interval and reported success; infinity would too.
    for (const double delta :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()})
        EXPECT_RUNTIME_ERROR(this->integrate(growth, 0, {1}, 1, delta, start), 5) << delta;
}

TYPED_TEST(Merson, StepLimitEndsTheCallAtTheLastAcceptedPoint) {
    // Derivatives that alternate in sign from call to call: no step, however short, passes.
    int sign = 1;
    const Rhs rough = [&sign](double, const std::vector<double>&, std::vector<double>& dy) {
        dy[1] = 1e6 * sign;
        sign = -sign;
    };
    const Outcome o = this->integrate(rough, 0.5, {2}, 1, 1e-7, start);
    EXPECT_EQ(o.calls.size(), 5u * 15000u);
    EXPECT_EQ(o.xb, 0.5) << "short of xe: the caller can see that the integration stopped";
    EXPECT_EQ(o.y[1], 2.0);
    EXPECT_TRUE(isSingleMinusOne(o.Star));
    // The steps stay at the minimum size from some point on.
    EXPECT_NEAR(this->firstStep({0, {}, {}, {o.calls.end() - 5, o.calls.end()}}), 1e-5, 1e-15);
}

TYPED_TEST(Merson, FormsKeepSeparateSavedSteps) {
    ralvo::Ralvo& r = this->r;
    Ode ode(still);
    auto general = [&](double x0, double x1, Variant Star) {
        ode.calls.clear();
        Variant xb(x0), xe(x1);
        VArray Y = vectorOf<GeneralForm>({1}), zz = vectorOf<GeneralForm>({});
        r.Rkm(ode, int16_t{1}, xb, xe, Y, Variant(1e-7), Star, zz);
        return 3 * (ode.calls.at(1).x - ode.calls.at(0).x);
    };
    auto twin = [&](double x0, double x1, Variant Star) {
        ode.calls.clear();
        DArray Y = vectorOf<DoubleForm>({1}), zz = vectorOf<DoubleForm>({});
        r.Rkmd(ode, int16_t{1}, x0, x1, Y, 1e-7, Star, zz);
        return 3 * (ode.calls.at(1).x - ode.calls.at(0).x);
    };
    general(0, 2, start);                          // Rkm saves 2
    EXPECT_NEAR(twin(0, 1, carryOn), 1e-5, 1e-15); // Rkmd still has nothing saved
    twin(0, 0.25, start);                          // Rkmd saves 0.25
    EXPECT_NEAR(general(0, 4, carryOn), 2.0, 1e-15);
    EXPECT_NEAR(twin(0, 4, carryOn), 0.25, 1e-15);
}

// Callback contract -----------------------------------------------------------------------------

template <class Form> struct Watcher : ralvo::Uloha {
    using Array = typename Form::Array;
    using X = typename RkmCall<Form>::X;
    X* xb = nullptr;
    Array* Y = nullptr;
    Array* zz = nullptr;
    bool contract = true;
    int calls = 0;

    void check(Variant& nn, X& x, Array& Y_, Array& DY, Array& zz_) {
        ++calls;
        contract = contract && &x == xb && &Y_ == Y && &zz_ == zz && nn.toInteger() == 1 &&
                   DY.lbound() == 0 && DY.ubound() == 1;
        DY(1) = Form::number(0.0);
    }
    void FKT(Variant& nn, X& x, Array& Y_, Array& DY, Array& zz_) override { check(nn, x, Y_, DY, zz_); }
};

TYPED_TEST(Merson, FktWorksOnTheCallersOwnVariables) {
    Watcher<TypeParam> w;
    typename TypeParam::Array Y = vectorOf<TypeParam>({1, 9}), zz = vectorOf<TypeParam>({});
    typename RkmCall<TypeParam>::X xb = TypeParam::number(0), xe = TypeParam::number(1);
    w.xb = &xb;
    w.Y = &Y;
    w.zz = &zz;
    Variant Star = start;
    RkmCall<TypeParam>::run(this->r, w, 1, xb, xe, Y, 1e-7, Star, zz);
    EXPECT_TRUE(w.contract);
    EXPECT_EQ(w.calls, 5);
    EXPECT_EQ(toDouble(Y(2)), 9.0) << "only Y(1..nn) is used";
}

TYPED_TEST(Merson, ErrorInFktReachesTheCallerWithTheStageState) {
    // Fails in stage 2 of the first step over [0, 3]: xb holds 0 + 3/3 and Y the stage state
    // 1 + 1 * 1.
    struct Failing : ralvo::Uloha {
        int calls = 0;
        void fail() {
            if (++calls == 2) throw RunTimeError(-2147220904, "Smes.CPG", "Teplota mimo rozsah");
        }
        void FKT(Variant&, Variant&, VArray&, VArray& DY, VArray&) override {
            fail();
            DY(1) = Variant(1.0);
        }
        void FKT(Variant&, double&, DArray&, DArray& DY, DArray&) override {
            fail();
            DY(1) = 1.0;
        }
    } failing;
    typename TypeParam::Array Y = vectorOf<TypeParam>({1}), zz = vectorOf<TypeParam>({});
    typename RkmCall<TypeParam>::X xb = TypeParam::number(0), xe = TypeParam::number(3);
    Variant Star = start;
    try {
        RkmCall<TypeParam>::run(this->r, failing, 1, xb, xe, Y, 1e-7, Star, zz);
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), -2147220904);
        EXPECT_EQ(e.description(), "Teplota mimo rozsah");
    }
    EXPECT_EQ(toDouble(xb), 1.0);
    EXPECT_EQ(toDouble(Y(1)), 2.0);
    EXPECT_TRUE(Star.identical(start));
}

TYPED_TEST(Merson, MissingFktRaises438) {
    struct Nothing : ralvo::Uloha {
    } nothing;
    typename TypeParam::Array Y = vectorOf<TypeParam>({1}), zz = vectorOf<TypeParam>({});
    typename RkmCall<TypeParam>::X xb = TypeParam::number(0), xe = TypeParam::number(1);
    Variant Star = start;
    EXPECT_RUNTIME_ERROR(RkmCall<TypeParam>::run(this->r, nothing, 1, xb, xe, Y, 1e-7, Star, zz), 438);
}

TYPED_TEST(Merson, StateArrayShorterThanNnIsSubscriptError) {
    typename TypeParam::Array Y = vectorOf<TypeParam>({1}), zz = vectorOf<TypeParam>({});
    typename RkmCall<TypeParam>::X xb = TypeParam::number(0), xe = TypeParam::number(1);
    Ode ode(oscillator);
    Variant Star = start;
    EXPECT_RUNTIME_ERROR(RkmCall<TypeParam>::run(this->r, ode, 2, xb, xe, Y, 1e-7, Star, zz), 9);
}

} // namespace
