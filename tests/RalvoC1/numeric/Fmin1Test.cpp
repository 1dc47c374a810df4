#include "Forms.h"
#include "Objective.h"
#include "TestSupport.h"

#include <cmath>
#include <vector>

namespace {

using namespace ralvotest;
using platform::RunTimeError;

template <class Form> class Simplex : public ::testing::Test {
protected:
    using Array = typename Form::Array;
    static constexpr bool general = std::is_same_v<Form, GeneralForm>;

    //! Runs the form's Fmin1 from the start point; X(0) must keep its sentinel.
    double minimise(Objective& G, std::vector<double> start, std::optional<Variant> eps = std::nullopt,
                    Variant* itmax = nullptr) {
        X = Array(0, static_cast<int32_t>(start.size()));
        X(0) = Form::sentinel();
        for (size_t i = 0; i < start.size(); ++i)
            X(static_cast<int32_t>(i) + 1) = Form::number(start[i]);
        const double result = Minimisers::fmin1<Form>(r, G, static_cast<int>(start.size()), X, eps, itmax);
        EXPECT_TRUE(Form::isSentinel(X(0)));
        return result;
    }
    double x(int i) const { return toDouble(X(i)); }

    Array X;
    ralvo::Ralvo r;
    testsupport::ScriptedBoxes boxes; // the simplex never shows a box
};
TYPED_TEST_SUITE(Simplex, Forms);

TYPED_TEST(Simplex, FindsTheCentreOfAParaboloid) {
    Objective G(paraboloid);
    const double result = this->minimise(G, {0, 0});
    // Converged when the vertex values spread less than Eps^2 (1e-8, 1e-14) around the value
    // at the centroid: on this paraboloid the centroid is then within about Eps of (1, -2).
    const double tolerance = this->general ? 1e-4 : 1e-7;
    EXPECT_NEAR(this->x(1), 1.0, tolerance);
    EXPECT_NEAR(this->x(2), -2.0, tolerance);
    EXPECT_GE(result, 0.0);
    EXPECT_LT(result, tolerance * tolerance);
}

TYPED_TEST(Simplex, FollowsTheCurvedValleyOfRosenbrocksFunction) {
    Objective G(banana);
    const double result = this->minimise(G, {-1.2, 1});
    const double tolerance = this->general ? 1e-3 : 1e-6;
    EXPECT_NEAR(this->x(1), 1.0, tolerance);
    EXPECT_NEAR(this->x(2), 1.0, tolerance);
    EXPECT_LT(result, tolerance * tolerance);
}

TYPED_TEST(Simplex, InitialSimplexIsRegularWithTheRoundedRootOfTwo) {
    // p = a / n / 1.42 (sqrt(n + 1) + n - 1), q = a / n / 1.42 (sqrt(n + 1) - 1), a = 0.1:
    // n = 1 gives p = 0.0995920..., n = 2 gives p = 0.0961995... and q = 0.0257766....
    Objective one(paraboloid1D);
    this->minimise(one, {0.5});
    ASSERT_GE(one.points.size(), 3u);
    EXPECT_EQ(one.points[0][1], 0.5);
    EXPECT_EQ(one.points[1][1], 0.5) << "the start point is evaluated twice";
    EXPECT_NEAR(one.points[2][1] - 0.5, 0.1 * std::sqrt(2.0) / 1.42, 1e-15);
    EXPECT_NEAR(one.points[2][1] - 0.5, 0.099592, 1e-6);

    Objective two(paraboloid);
    this->minimise(two, {3, 4});
    const double p = 0.1 / 2 / 1.42 * (std::sqrt(3.0) + 1), q = 0.1 / 2 / 1.42 * (std::sqrt(3.0) - 1);
    EXPECT_NEAR(p, 0.096199, 1e-6);
    EXPECT_NEAR(q, 0.025776, 1e-6);
    ASSERT_GE(two.points.size(), 4u);
    EXPECT_EQ(two.points[0], two.points[1]);
    EXPECT_NEAR(two.points[2][1], 3 + p, 1e-15);
    EXPECT_NEAR(two.points[2][2], 4 + q, 1e-15);
    EXPECT_NEAR(two.points[3][1], 3 + q, 1e-15);
    EXPECT_NEAR(two.points[3][2], 4 + p, 1e-15);
}

TYPED_TEST(Simplex, TiedValuesTakeTheFirstVertexAsHighestAndLowest) {
    // A constant: vertex 1 (the start) is the highest, so it is reflected through vertex 2 and
    // the centroid is vertex 2; all values equal F(C), so the spread is 0 after one iteration.
    Objective G([](const std::vector<double>&) { return 7.0; });
    Variant itmax(int16_t{100});
    const double result = this->minimise(G, {0.5}, std::nullopt, &itmax);
    const double p = 0.1 * std::sqrt(2.0) / 1.42;
    ASSERT_EQ(G.points.size(), 5u);
    EXPECT_NEAR(G.points[3][1], 0.5 + 2 * p, 1e-15) << "R = 2 C - S(H) with H = 1";
    EXPECT_NEAR(G.points[4][1], 0.5 + p, 1e-15) << "C = vertex 2";
    EXPECT_NEAR(this->x(1), 0.5 + p, 1e-15);
    EXPECT_EQ(result, 7.0);
    EXPECT_TRUE(itmax.identical(Variant(int16_t{1})));
}

TYPED_TEST(Simplex, LeavesTheLastCentroidInXAndReturnsTheLowestVertexBeforeIt) {
    Objective G(paraboloid);
    Variant itmax(int16_t{11});
    const double result = this->minimise(G, {0, 0}, Variant(0.0), &itmax);
    // The centroid is the last point evaluated; the result is a value seen at a vertex earlier.
    EXPECT_EQ(G.points.back(), (std::vector<double>{0, this->x(1), this->x(2)}));
    EXPECT_NE(result, paraboloid(G.points.back()));
    bool seen = false;
    for (size_t k = 0; k + 1 < G.points.size(); ++k)
        seen = seen || paraboloid(G.points[k]) == result;
    EXPECT_TRUE(seen);
    EXPECT_TRUE(itmax.identical(Variant(int16_t{12})));
}

TYPED_TEST(Simplex, IterationLimitEndsSilentlyWithTheCount) {
    // Eps 0 can never be met. A given limit below 11 is the form's default limit.
    struct Case {
        Variant given;
        int limit;
    };
    const int defaultLimit = this->general ? 1000 : 2000;
    for (const Case& c : {Case{Variant(int16_t{11}), 11}, Case{Variant(int16_t{10}), defaultLimit},
                          Case{Variant(), defaultLimit}, Case{Variant(int16_t{3000}), 3000}}) {
        Objective G(paraboloid);
        Variant itmax = c.given;
        this->minimise(G, {0, 0}, Variant(0.0), &itmax);
        EXPECT_TRUE(itmax.identical(Variant(int16_t(c.limit + 1)))) << "given " << c.given.toDouble();
    }
    EXPECT_TRUE(this->boxes.boxes().empty());
}

TYPED_TEST(Simplex, SignOfEpsDoesNotMatter) {
    Objective plus(paraboloid), minus(paraboloid);
    const double a = this->minimise(plus, {0, 0}, Variant(1e-3));
    const double b = this->minimise(minus, {0, 0}, Variant(-1e-3));
    EXPECT_EQ(a, b);
    EXPECT_EQ(plus.points, minus.points);
}

TYPED_TEST(Simplex, IterationBeyondSixteenBitsIsOverflow) {
    Objective G(paraboloid);
    Variant itmax(int16_t{32767});
    EXPECT_RUNTIME_ERROR(this->minimise(G, {0, 0}, Variant(0.0), &itmax), 6);
}

TYPED_TEST(Simplex, NoVariablesIsDivisionByZeroAfterTheFirstValue) {
    Objective G(paraboloid1D);
    typename TypeParam::Array X = vectorOf<TypeParam>({1});
    EXPECT_RUNTIME_ERROR(Minimisers::fmin1<TypeParam>(this->r, G, 0, X), 11);
    EXPECT_EQ(G.points.size(), 1u);
}

TYPED_TEST(Simplex, ErrorInFReachesTheCallerWithXAtThePoint) {
    Objective G([](const std::vector<double>& x) {
        if (x[1] != 0) throw RunTimeError(-2147220904, "Smes.CPG", "Teplota mimo rozsah");
        return 0.0;
    });
    try {
        this->minimise(G, {0});
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), -2147220904);
    }
    EXPECT_NEAR(this->x(1), 0.1 * std::sqrt(2.0) / 1.42, 1e-15);
}

TYPED_TEST(Simplex, MissingFRaises438) {
    struct Nothing : ralvo::Uloha {
    } nothing;
    typename TypeParam::Array X = vectorOf<TypeParam>({1});
    EXPECT_RUNTIME_ERROR(Minimisers::fmin1<TypeParam>(this->r, nothing, 1, X), 438);
}

} // namespace
