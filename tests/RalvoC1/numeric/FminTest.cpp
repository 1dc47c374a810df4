#include "Forms.h"
#include "Objective.h"
#include "TestSupport.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace ralvotest;
using platform::RunTimeError;

//! The box of an exceeded trial limit, line by line, separated by a carriage return alone.
std::string limitBoxText(const std::string& limit) {
    return "Překročen max.počet iterací  " + limit + "\rVýsledky nesplňují přesnost nebo jsou zcela chybné!" +
           "\rZměňte poč.odhady, snižte přesnost\rnebo zvyšte max.počet iterací v Fmin.";
}

template <class Form> class RotatingCoordinates : public ::testing::Test {
protected:
    using Array = typename Form::Array;
    static constexpr bool general = std::is_same_v<Form, GeneralForm>;

    //! Runs the form's Fmin from the start point; X(0) must keep its sentinel.
    double minimise(Objective& G, std::vector<double> start, std::optional<Variant> epsa = std::nullopt,
                    Variant* itmax = nullptr) {
        X = Array(0, static_cast<int32_t>(start.size()));
        X(0) = Form::sentinel();
        for (size_t i = 0; i < start.size(); ++i)
            X(static_cast<int32_t>(i) + 1) = Form::number(start[i]);
        const double result = Minimisers::fmin<Form>(r, G, static_cast<int>(start.size()), X, epsa, itmax);
        EXPECT_TRUE(Form::isSentinel(X(0)));
        return result;
    }
    double x(int i) const { return toDouble(X(i)); }

    Array X;
    ralvo::Ralvo r;
    testsupport::ScriptedBoxes boxes; // a box that a case does not expect fails it
};
TYPED_TEST_SUITE(RotatingCoordinates, Forms);

TYPED_TEST(RotatingCoordinates, FindsTheCentreOfAParaboloid) {
    Objective G(paraboloid);
    const double result = this->minimise(G, {0, 0});
    // Converged when every step is below EPSA (1e-4 and 1e-7 by default).
    const double tolerance = this->general ? 1e-3 : 1e-6;
    EXPECT_NEAR(this->x(1), 1.0, tolerance);
    EXPECT_NEAR(this->x(2), -2.0, tolerance);
    // The result is the value at the point left in X (up to the rounding of x + e - e that
    // undoes a failed trial).
    EXPECT_NEAR(result, paraboloid({0, this->x(1), this->x(2)}), 1e-14);
    EXPECT_LT(result, tolerance * tolerance);
}

TYPED_TEST(RotatingCoordinates, FollowsTheCurvedValleyOfRosenbrocksFunction) {
    // Within the default trial limit: no box.
    Objective G(banana);
    const double result = this->minimise(G, {-1.2, 1});
    // Steps below 1e-4 stop the general-value form where the valley is still shallow.
    const double tolerance = this->general ? 1e-2 : 1e-6;
    EXPECT_NEAR(this->x(1), 1.0, tolerance);
    EXPECT_NEAR(this->x(2), 1.0, 2 * tolerance);
    EXPECT_NEAR(result, banana({0, this->x(1), this->x(2)}), 1e-12);
    EXPECT_LT(result, this->general ? 1e-4 : 1e-12);
}

TYPED_TEST(RotatingCoordinates, StartAtTheMinimumHalvesEveryStepUntilBelowEpsa) {
    // Every trial from the minimum of x^2 + y^2 + ... fails, so each step is halved and
    // reversed at every visit: below EPSA after k halvings of 0.02, k n trials, the last of
    // which is not counted; F is also called once at the start.
    struct Case {
        int n;
        std::optional<Variant> epsa;
        int halvings;
    };
    const int defaultHalvings = this->general ? 8 : 18; // 0.02 / 2^8 < 1e-4, 0.02 / 2^18 < 1e-7
    for (const Case& c : {Case{1, std::nullopt, defaultHalvings}, Case{2, std::nullopt, defaultHalvings},
                          Case{3, std::nullopt, defaultHalvings}, Case{2, Variant(0.01), 2}}) {
        Objective G([](const std::vector<double>& x) {
            double s = 0;
            for (size_t i = 1; i < x.size(); ++i)
                s += x[i] * x[i];
            return s;
        });
        Variant itmax(int16_t{1000});
        const double result = this->minimise(G, std::vector<double>(c.n, 0.0), c.epsa, &itmax);
        EXPECT_EQ(G.points.size(), static_cast<size_t>(c.halvings * c.n + 1)) << "n = " << c.n;
        EXPECT_TRUE(itmax.identical(Variant(int16_t(c.halvings * c.n - 1)))) << "n = " << c.n;
        EXPECT_EQ(result, 0.0);
        for (int i = 1; i <= c.n; ++i)
            EXPECT_EQ(this->x(i), 0.0);
    }
}

TYPED_TEST(RotatingCoordinates, FirstTrialsStepTwoHundredthsAlongTheAxes) {
    Objective G(paraboloid);
    Variant itmax(int16_t{11});
    this->boxes.answer(platform::answer::Ok);
    this->minimise(G, {0, 0}, Variant(0.0), &itmax);
    ASSERT_GE(G.points.size(), 3u);
    EXPECT_EQ(G.points[1], (std::vector<double>{0, 0.02, 0}));
    // A success along x triples the step there; then y gets its first trial.
    EXPECT_EQ(G.points[2], (std::vector<double>{0, 0.02, 0.02}));
}

TYPED_TEST(RotatingCoordinates, ExceededLimitShowsTheFminBoxOnceAndReturnsTheCount) {
    // EPSA 0 can never be met: the call ends when the counted trials exceed the limit.
    Objective G(paraboloid);
    Variant itmax(int16_t{11});
    this->boxes.answer(platform::answer::Ok);
    const double result = this->minimise(G, {0, 0}, Variant(0.0), &itmax);
    ASSERT_EQ(this->boxes.boxes().size(), 1u);
    EXPECT_EQ(this->boxes.boxes()[0].text, limitBoxText(" 11"));
    EXPECT_EQ(this->boxes.boxes()[0].style, 48);
    EXPECT_EQ(this->boxes.boxes()[0].title, "FMIN");
    EXPECT_TRUE(itmax.identical(Variant(int16_t{12})));
    EXPECT_EQ(G.points.size(), 13u);
    // The best point found so far is returned with its value.
    EXPECT_NEAR(result, paraboloid({0, this->x(1), this->x(2)}), 1e-14);
    EXPECT_LT(result, paraboloid({0, 0, 0}));
}

TYPED_TEST(RotatingCoordinates, OmittedLimitIsTheFormsDefault) {
    Objective G(paraboloid);
    this->boxes.answer(platform::answer::Ok);
    this->minimise(G, {0, 0}, Variant(0.0));
    const int limit = this->general ? 1000 : 2000;
    ASSERT_EQ(this->boxes.boxes().size(), 1u);
    EXPECT_EQ(this->boxes.boxes()[0].text, limitBoxText(" " + std::to_string(limit)));
    EXPECT_EQ(G.points.size(), static_cast<size_t>(limit + 2));
}

TYPED_TEST(RotatingCoordinates, LimitBelowElevenIsTwoThousandInTheCallersVariable) {
    for (const Variant& given : {Variant(int16_t{10}), Variant(int16_t{0}), Variant(-5.5), Variant()}) {
        // The caller's variable is the limit itself: F sees 2000 in it during the call.
        Variant itmax = given;
        std::vector<double> seen;
        Objective G([&](const std::vector<double>& x) {
            seen.push_back(itmax.toDouble());
            return paraboloid(x);
        });
        this->boxes.answer(platform::answer::Ok);
        this->minimise(G, {0, 0}, Variant(0.0), &itmax);
        for (double limit : seen)
            ASSERT_EQ(limit, 2000.0) << "given " << given.toDouble();
        EXPECT_TRUE(itmax.identical(Variant(int16_t{2001})));
        EXPECT_EQ(this->boxes.boxes().back().text, limitBoxText(" 2000"));
    }
}

TYPED_TEST(RotatingCoordinates, TrialBeyondSixteenBitsIsOverflowWithoutABox) {
    Objective G(paraboloid);
    Variant itmax(int16_t{32767});
    EXPECT_RUNTIME_ERROR(this->minimise(G, {0, 0}, Variant(0.0), &itmax), 6);
    EXPECT_EQ(G.points.size(), 32769u);
    EXPECT_TRUE(this->boxes.boxes().empty());
}

TYPED_TEST(RotatingCoordinates, ErrorInFReachesTheCallerWithXAtTheTrialPoint) {
    Objective G([](const std::vector<double>& x) {
        if (x[1] != 0) throw RunTimeError(-2147220904, "Smes.CPG", "Teplota mimo rozsah");
        return 0.0;
    });
    try {
        this->minimise(G, {0, 5});
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), -2147220904);
        EXPECT_EQ(e.source(), "Smes.CPG");
    }
    EXPECT_EQ(this->x(1), 0.02);
    EXPECT_EQ(this->x(2), 5.0);
}

TYPED_TEST(RotatingCoordinates, MissingFRaises438) {
    struct Nothing : ralvo::Uloha {
    } nothing;
    typename TypeParam::Array X = vectorOf<TypeParam>({1});
    EXPECT_RUNTIME_ERROR(Minimisers::fmin<TypeParam>(this->r, nothing, 1, X), 438);
}

} // namespace
