#include "Forms.h"
#include "TestSupport.h"

#include <cmath>
#include <functional>
#include <vector>

namespace {

using namespace ralvotest;

constexpr double natural = 9999; // any end slope of 9998.999 or more: natural end
constexpr double chord = -9999;  // any end slope of -9998.999 or less: chord slope
constexpr const char* badTableText = " Špatné vstup. hodnoty ";

double cube(double x) {
    return x * x * x;
}

template <class Form> class CubicSpline : public ::testing::Test {
protected:
    using Array = typename Form::Array;

    //! The table f(x) at the abscissae xs, stored from index `first`; Y2 over the same
    //! indices filled with a marker; the sentinel in every element below `first`.
    void load(const std::vector<double>& xs, const std::function<double(double)>& f, int first = 1) {
        lo = first;
        hi = first + static_cast<int>(xs.size()) - 1;
        X = Array(0, hi);
        Y = Array(0, hi);
        Y2 = Array(0, hi);
        for (int i = 0; i < first; ++i)
            X(i) = Y(i) = Y2(i) = Form::sentinel();
        for (int i = lo; i <= hi; ++i) {
            X(i) = Form::number(xs[static_cast<size_t>(i - lo)]);
            Y(i) = Form::number(f(xs[static_cast<size_t>(i - lo)]));
            Y2(i) = Form::number(marker);
        }
    }
    void build(double y1min, double y1max) {
        Form::spline(r, Variant(int32_t(lo)), Variant(int32_t(hi)), X, Y, y1min, y1max, Y2);
        for (int i = 0; i < lo; ++i)
            EXPECT_TRUE(Form::isSentinel(Y2(i))) << "Y2(" << i << ") outside the range";
    }
    double y2(int i) const { return toDouble(Y2(i)); }
    double value(double x) { return Form::splinp(r, int32_t(lo), int32_t(hi), X, Y, Y2, x); }
    double slope(double x) { return Form::splder(r, int32_t(lo), int32_t(hi), X, Y, Y2, x); }
    double integral(double a, double b) { return Form::splint(r, int32_t(lo), int32_t(hi), X, Y, Y2, a, b); }

    //! x^3 at 0..4 with its true end slopes 0 and 48: the spline is x^3 itself.
    void loadCubic(int first = 1) {
        load({0, 1, 2, 3, 4}, cube, first);
        build(0, 48);
    }

    static constexpr double marker = -123.0;
    testsupport::ScriptedBoxes boxes; // any box not expected fails the test
    ralvo::Ralvo r;
    int lo = 1, hi = 0;
    Array X, Y, Y2;
};

TYPED_TEST_SUITE(CubicSpline, Forms);

TYPED_TEST(CubicSpline, CubicDataWithTrueEndSlopesGiveTheCubicsSecondDerivative) {
    // y = x^3 has y'' = 6x: 0, 6, 12, 18, 24 at x = 0..4.
    this->loadCubic();
    for (int i = 1; i <= 5; ++i)
        EXPECT_NEAR(this->y2(i), 6.0 * (i - 1), 1e-13) << "Y2(" << i << ")";
}

TYPED_TEST(CubicSpline, CubicIsReproducedWithItsSlopeAndIntegral) {
    // Inside the table the spline is x^3, its slope 3x^2 and its integral x^4 / 4.
    this->loadCubic();
    for (double x : {0.0, 0.3, 1.0, 1.5, 2.25, 3.0, 3.9, 4.0}) {
        EXPECT_NEAR(this->value(x), cube(x), 1e-12) << "x " << x;
        EXPECT_NEAR(this->slope(x), 3 * x * x, 1e-12) << "x " << x;
    }
    const double exact = (std::pow(3.7, 4) - std::pow(0.5, 4)) / 4;
    EXPECT_NEAR(this->integral(0.5, 3.7), exact, 1e-12);
    EXPECT_NEAR(this->integral(3.7, 0.5), -exact, 1e-12);
    EXPECT_NEAR(this->integral(1.2, 1.7), (std::pow(1.7, 4) - std::pow(1.2, 4)) / 4, 1e-13) << "one interval";
    EXPECT_NEAR(this->integral(0, 4), 64.0, 1e-12) << "whole table";
    EXPECT_NEAR(this->integral(1, 3), 20.0, 1e-12) << "between table points";
}

TYPED_TEST(CubicSpline, IntegralOverSeveralIntervalsIsTheSumOfItsPieces) {
    this->loadCubic();
    const double whole = this->integral(0.4, 3.3);
    const double pieces =
        this->integral(0.4, 1) + this->integral(1, 2) + this->integral(2, 3) + this->integral(3, 3.3);
    EXPECT_NEAR(whole, pieces, 1e-12);
}

TYPED_TEST(CubicSpline, OutsideTheTableTheSplineContinuesAsAStraightLine) {
    // Slope 0 at x = 0 and 48 at x = 4: y = 0 left of the table, y = 64 + 48 (x - 4) right.
    this->loadCubic();
    EXPECT_NEAR(this->value(-2), 0.0, 1e-12);
    EXPECT_NEAR(this->value(5), 112.0, 1e-12);
    EXPECT_NEAR(this->value(6.5), 184.0, 1e-12);
    EXPECT_NEAR(this->slope(-2), 0.0, 1e-12);
    EXPECT_NEAR(this->slope(5), 48.0, 1e-12);
    EXPECT_NEAR(this->slope(100), 48.0, 1e-12);
    // From -1 to 5: 0 on the left, x^4 / 4 = 64 over the table, 64 + 24 = 88 on the right.
    EXPECT_NEAR(this->integral(-1, 5), 152.0, 1e-11);
    EXPECT_NEAR(this->integral(4.5, 5.5), 64 + 48 * 1.0, 1e-11) << "right of the table";
    EXPECT_NEAR(this->integral(-0.5, 0.5), std::pow(0.5, 4) / 4, 1e-13) << "across the first point";
    EXPECT_NEAR(this->integral(3.5, 4.5), (256 - std::pow(3.5, 4)) / 4 + 64 * 0.5 + 24 * 0.25, 1e-11)
        << "across the last point";
}

TYPED_TEST(CubicSpline, LinearDataGiveZeroSecondDerivativesForNaturalAndChordEnds) {
    const auto line = [](double x) { return 2 * x - 1; };
    for (double slopes : {natural, chord}) {
        this->load({0, 0.5, 2, 3, 7}, line);
        this->build(slopes, slopes);
        for (int i = 1; i <= 5; ++i)
            EXPECT_NEAR(this->y2(i), 0.0, 1e-14) << "slopes " << slopes << ", Y2(" << i << ")";
        for (double x : {-3.0, 0.2, 1.0, 2.5, 6.0, 10.0})
            EXPECT_NEAR(this->value(x), line(x), 1e-13) << "slopes " << slopes << ", x " << x;
    }
}

TYPED_TEST(CubicSpline, NaturalSplineThroughThreePointsMatchesTheHandSolution) {
    // (0, 0), (1, 1), (2, 0) with M0 = M2 = 0: h/6 M0 + 2h/3 M1 + h/6 M2 = -1 - 1 gives M1 = -3.
    this->load({0, 1, 2}, [](double x) { return x == 1 ? 1.0 : 0.0; });
    this->build(natural, natural);
    EXPECT_EQ(this->y2(1), 0.0);
    EXPECT_NEAR(this->y2(2), -3.0, 1e-15);
    EXPECT_NEAR(this->y2(3), 0.0, 1e-15);
    // On [0, 1]: y = x + (x^3 - x) (-3) / 6, so y(0.5) = 0.5 + 0.1875 = 0.6875, y'(0) = 1.5.
    EXPECT_NEAR(this->value(0.5), 0.6875, 1e-15);
    EXPECT_NEAR(this->slope(0), 1.5, 1e-15);
}

TYPED_TEST(CubicSpline, EndConditionThresholds) {
    // x^2 on 0, 1, 2: natural, clamped with the given slope, or the chord slope at each end.
    const auto square = [](double x) { return x * x; };
    struct Case {
        double y1min;
        double y1max;
        double y2first; // expected Y2 at the first point (independent hand solution)
    };
    // Y2(1) = M0 of the spline clamped with slope s at x = 0 and natural at x = 2 (h = 1):
    // 2 M0 + M1 = 6 ((y1 - y0) / h - s) = 6 (1 - s) and M0 + 4 M1 + M2 = 6 (3 - 1) = 12 with
    // M2 = 0 give M0 = (4 * 6 (1 - s) - 12) / 7.
    const auto clampedNatural = [](double s) { return (24 * (1 - s) - 12) / 7; };
    const Case cases[] = {
        {9998.999, natural, 0.0},                // the threshold itself is natural
        {1e6, natural, 0.0},                     // far beyond it too
        {9998, natural, clampedNatural(9998)},   // just below: clamped with that slope
        {0, natural, clampedNatural(0)},         // the true slope of x^2 at 0
        {-9998.999, natural, clampedNatural(1)}, // chord slope (1 - 0) / 1
        {-1e6, natural, clampedNatural(1)},
    };
    for (const Case& c : cases) {
        this->load({0, 1, 2}, square);
        this->build(c.y1min, c.y1max);
        EXPECT_NEAR(this->y2(1), c.y2first, 1e-9 * std::max(1.0, std::fabs(c.y2first)))
            << "Y1min " << c.y1min;
        EXPECT_NEAR(this->y2(3), 0.0, 1e-12) << "natural last end, Y1min " << c.y1min;
    }
}

TYPED_TEST(CubicSpline, TwoPointsGiveTheSingleCubicOfTheEndSlopes) {
    // Values and slopes of x^3 at 1 and 2 fix x^3 itself.
    this->load({1, 2}, cube);
    this->build(3, 12);
    EXPECT_NEAR(this->y2(1), 6.0, 1e-13);
    EXPECT_NEAR(this->y2(2), 12.0, 1e-13);
    EXPECT_NEAR(this->value(1.5), cube(1.5), 1e-13);
}

TYPED_TEST(CubicSpline, TableMayStartAtAnyIndex) {
    this->loadCubic(5);
    for (int i = 5; i <= 9; ++i)
        EXPECT_NEAR(this->y2(i), 6.0 * (i - 5), 1e-13) << "Y2(" << i << ")";
    EXPECT_NEAR(this->value(2.5), cube(2.5), 1e-12);
    EXPECT_NEAR(this->slope(2.5), 18.75, 1e-12);
    EXPECT_NEAR(this->integral(0.5, 3.7), (std::pow(3.7, 4) - std::pow(0.5, 4)) / 4, 1e-12);
}

TYPED_TEST(CubicSpline, TableAbscissaGivesTheTableOrdinate) {
    this->load({0, 0.7, 1.1, 2.9, 3}, [](double x) { return std::sin(x); });
    this->build(natural, natural);
    for (int i = 1; i <= 5; ++i)
        EXPECT_NEAR(this->value(toDouble(this->X(i))), toDouble(this->Y(i)), 1e-15) << "point " << i;
}

TYPED_TEST(CubicSpline, IntegralLimitsCloserThanOneBillionthGiveZero) {
    this->loadCubic();
    EXPECT_EQ(this->integral(2, 2 + 0.9e-9), 0.0);
    EXPECT_EQ(this->integral(2 + 0.9e-9, 2), 0.0);
    EXPECT_NEAR(this->integral(2, 2 + 1.2e-9), 8 * 1.2e-9, 1e-15);
    // Exactly 1e-9 apart is still "at most": the tiny integral of x^3 over [0, 1e-9] is not taken.
    EXPECT_EQ(this->integral(0, 1e-9), 0.0);
}

TYPED_TEST(CubicSpline, OnePointShowsTheMessageAndLeavesY2Alone) {
    this->load({1}, cube);
    this->boxes.answer(platform::answer::Ok);
    this->build(0, 0);
    ASSERT_EQ(this->boxes.boxes().size(), 1u);
    EXPECT_EQ(this->boxes.boxes()[0].text, TypeParam::onePointText);
    EXPECT_EQ(this->boxes.boxes()[0].style, 16);
    EXPECT_EQ(this->boxes.boxes()[0].title, "SPLINE");
    EXPECT_EQ(this->y2(1), this->marker);
}

TYPED_TEST(CubicSpline, ReversedRangeOrUnorderedAbscissaeAreRefusedBeforeY2IsTouched) {
    const std::vector<std::vector<double>> unordered = {{0, 2, 1, 3}, {0, 1, 1, 3}, {3, 2, 1, 0}};
    for (const auto& xs : unordered) {
        this->load(xs, cube);
        EXPECT_RUNTIME_ERROR(this->build(0, 0), 5);
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(this->y2(i), this->marker);
    }
    this->load({0, 1, 2}, cube);
    EXPECT_RUNTIME_ERROR(TypeParam::spline(this->r, int16_t{3}, int16_t{1}, this->X, this->Y, 0, 0, this->Y2),
                         5);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(this->y2(i), this->marker);
}

TYPED_TEST(CubicSpline, RangeBeyondTheArraysIsSubscriptError) {
    this->load({0, 1, 2}, cube);
    EXPECT_RUNTIME_ERROR(TypeParam::spline(this->r, int16_t{1}, int16_t{4}, this->X, this->Y, 0, 0, this->Y2),
                         9);
}

TYPED_TEST(CubicSpline, EqualAbscissaeAtTheEvaluationShowTheMessageAndFail) {
    // A table Spline would refuse, evaluated with zero second derivatives: the interval found
    // has width 0, which the locator reports before the division fails.
    this->load({1, 1}, cube);
    this->Y2(1) = this->Y2(2) = TypeParam::number(0);
    this->boxes.answer(platform::answer::Ok);
    const int number = testsupport::errorNumberOf([&] { this->value(1.0); });
    EXPECT_TRUE(number == 6 || number == 11) << number;
    ASSERT_EQ(this->boxes.boxes().size(), 1u);
    EXPECT_EQ(this->boxes.boxes()[0].text, badTableText);
    EXPECT_EQ(this->boxes.boxes()[0].style, 16);
    EXPECT_EQ(this->boxes.boxes()[0].title, "SPLINE");
}

// One-call interpolation with the second derivatives kept in the object --------------------

template <class Form> class KeptSpline : public CubicSpline<Form> {
protected:
    double interpolate(double xi, Variant& Ipoc, int n = 5, int npoc = 1) {
        return Form::sinterp(this->r, int16_t(n), int16_t(npoc), this->X, this->Y, xi, 0, 48, Ipoc);
    }
};
TYPED_TEST_SUITE(KeptSpline, Forms);

TYPED_TEST(KeptSpline, BuildsOnceAndSetsIpoc) {
    this->load({0, 1, 2, 3, 4}, cube);
    for (const Variant& start : {Variant(int16_t{0}), Variant()}) {
        Variant Ipoc = start;
        EXPECT_NEAR(this->interpolate(2.5, Ipoc), cube(2.5), 1e-12);
        EXPECT_TRUE(Ipoc.identical(Variant(int16_t{1})));
    }
    // Same as Spline followed by Splinp.
    Variant Ipoc(int16_t{0});
    const double kept = this->interpolate(1.3, Ipoc);
    this->build(0, 48);
    EXPECT_EQ(kept, this->value(1.3));
}

TYPED_TEST(KeptSpline, ReuseKeepsTheOldSecondDerivativesUntilIpocIsZero) {
    this->load({0, 1, 2, 3, 4}, cube);
    Variant Ipoc(int16_t{0});
    this->interpolate(1, Ipoc);
    // New ordinates 2 x^3 with Ipoc left at 1: the old Y2 (6x) meet the new Y.
    for (int i = 1; i <= 5; ++i)
        this->Y(i) = TypeParam::number(2 * toDouble(this->Y(i)));
    const double reused = this->interpolate(2.5, Ipoc);
    const double a = 0.5, b = 0.5; // 2.5 in [2, 3]
    const double expected = a * 16 + b * 54 + ((a * a * a - a) * 12 + (b * b * b - b) * 18) / 6;
    EXPECT_NEAR(reused, expected, 1e-12);
    Ipoc = Variant(int16_t{0});
    const double rebuilt = this->interpolate(2.5, Ipoc);
    this->build(0, 48);
    EXPECT_EQ(rebuilt, this->value(2.5)) << "rebuilt from the new ordinates";
}

TYPED_TEST(KeptSpline, TableFromAnyIndex) {
    this->load({0, 1, 2, 3, 4}, cube, 5);
    Variant Ipoc(int16_t{0});
    EXPECT_NEAR(this->interpolate(3.25, Ipoc, 5, 5), cube(3.25), 1e-12);
}

TYPED_TEST(KeptSpline, ReuseOnAFreshObjectIsTheStraightLineBetweenPoints) {
    this->load({0, 1, 2, 3, 4}, cube);
    Variant Ipoc(int16_t{1});
    EXPECT_NEAR(this->interpolate(2.5, Ipoc), (8 + 27) / 2.0, 1e-13);
    EXPECT_TRUE(Ipoc.identical(Variant(int16_t{1})));
}

TYPED_TEST(KeptSpline, EmptyOrUnorderedTableIsRefusedAndTheKeptOneSurvives) {
    this->load({0, 1, 2, 3, 4}, cube);
    Variant Ipoc(int16_t{0});
    this->interpolate(1, Ipoc);
    EXPECT_RUNTIME_ERROR(this->interpolate(1, Ipoc, 0), 5);
    EXPECT_RUNTIME_ERROR(this->interpolate(1, Ipoc, -3), 5);
    typename TypeParam::Array goodX = this->X;
    this->X(3) = TypeParam::number(5);
    Variant rebuild(int16_t{0});
    EXPECT_RUNTIME_ERROR(this->interpolate(1, rebuild), 5);
    EXPECT_TRUE(rebuild.identical(Variant(int16_t{0})));
    this->X = goodX;
    EXPECT_NEAR(this->interpolate(2.5, Ipoc), cube(2.5), 1e-12) << "kept second derivatives untouched";
}

TYPED_TEST(KeptSpline, RangeBeyondTheArraysIsSubscriptError) {
    this->load({0, 1, 2, 3, 4}, cube);
    Variant Ipoc(int16_t{1});
    EXPECT_RUNTIME_ERROR(this->interpolate(1, Ipoc, 30000), 9);
}

TEST(KeptSplineForms, EachFormKeepsItsOwnTablePerObject) {
    testsupport::ScriptedBoxes boxes;
    ralvo::Ralvo r, other;
    VArray gx = vectorOf<GeneralForm>({0, 1, 2, 3}), gy = vectorOf<GeneralForm>({0, 1, 8, 27});
    DArray dx = vectorOf<DoubleForm>({0, 1, 2, 3}), dy = vectorOf<DoubleForm>({0, 2, 16, 54});
    Variant gIpoc(int16_t{0}), dIpoc(int16_t{0});
    // x^3 in the general form, 2 x^3 in the twin, both clamped with their true slopes.
    EXPECT_NEAR(r.Sinterp(int16_t{4}, int16_t{1}, gx, gy, Variant(1.5), Variant(0.0), Variant(27.0), gIpoc)
                    .toDouble(),
                cube(1.5), 1e-12);
    EXPECT_NEAR(r.Sinterpd(int16_t{4}, int16_t{1}, dx, dy, 1.5, 0.0, 54.0, dIpoc), 2 * cube(1.5), 1e-12);
    // Reuse in the general form still has the general table's second derivatives.
    EXPECT_NEAR(
        r.Sinterp(int16_t{4}, int16_t{1}, gx, gy, Variant(2.5), Variant(), Variant(), gIpoc).toDouble(),
        cube(2.5), 1e-12);
    EXPECT_NEAR(r.Sinterpd(int16_t{4}, int16_t{1}, dx, dy, 2.5, 0, 0, dIpoc), 2 * cube(2.5), 1e-12);
    // Another object has built nothing: straight line between the points.
    EXPECT_NEAR(other.Sinterpd(int16_t{4}, int16_t{1}, dx, dy, 2.5, 0, 0, dIpoc), (16 + 54) / 2.0, 1e-12);
}

TEST(SplineGeneralValues, IntegralOfLimitsTooCloseIsTheIntegerZero) {
    ralvo::Ralvo r;
    VArray x = vectorOf<GeneralForm>({0, 1}), y = vectorOf<GeneralForm>({0, 1}),
           y2 = vectorOf<GeneralForm>({0, 0});
    EXPECT_TRUE(r.Splint(int16_t{1}, int16_t{2}, x, y, y2, Variant(0.5), Variant(0.5))
                    .identical(Variant(int16_t{0})));
}

} // namespace
