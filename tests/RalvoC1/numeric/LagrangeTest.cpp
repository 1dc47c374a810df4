#include "Forms.h"
#include "TestSupport.h"

#include <vector>

namespace {

using namespace ralvotest;

//! The interpolating polynomial through (x[i], y[i]) at t by Neville's scheme, an algorithm
//! independent of the Lagrange form under test.
double neville(std::vector<double> x, std::vector<double> y, double t) {
    for (size_t m = 1; m < x.size(); ++m)
        for (size_t i = 0; i + m < x.size(); ++i)
            y[i] = ((t - x[i + m]) * y[i] + (x[i] - t) * y[i + 1]) / (x[i] - x[i + m]);
    return y[0];
}

//! y = e^x at the abscissae 1..5 (no polynomial of degree below 4 through them), in the
//! scrambled order (3, 1, 2, 4, 5).
const std::vector<double> scrambled = {3, 1, 2, 4, 5};

template <class Form> class LagrangeInterpolation : public ::testing::Test {
protected:
    using Array = typename Form::Array;

    void load(const std::vector<double>& x, const std::vector<double>& y) {
        X = Array(0, static_cast<int32_t>(x.size()));
        Y = Array(0, static_cast<int32_t>(y.size()));
        X(0) = Y(0) = Form::sentinel();
        for (size_t i = 0; i < x.size(); ++i) {
            X(static_cast<int32_t>(i + 1)) = Form::number(x[i]);
            Y(static_cast<int32_t>(i + 1)) = Form::number(y[i]);
        }
    }
    void loadExponential() {
        std::vector<double> y;
        for (double x : scrambled)
            y.push_back(std::exp(x));
        load(scrambled, y);
    }
    double flagr(int n, double xi, std::optional<Variant> M = std::nullopt) {
        const double v = Form::flagr(r, Variant(int16_t(n)), X, Y, xi, M);
        EXPECT_TRUE(Form::isSentinel(X(0)) && Form::isSentinel(Y(0))) << "element 0 untouched";
        return v;
    }
    std::vector<double> values(const Array& a) const {
        std::vector<double> v;
        for (int32_t i = 1; i <= a.ubound(); ++i)
            v.push_back(toDouble(a(i)));
        return v;
    }
    //! e^x interpolated through the points first..first + m - 1 of the sorted table 1..5.
    static double exponentialWindow(int first, int m, double t) {
        std::vector<double> x, y;
        for (int i = first; i < first + m; ++i) {
            x.push_back(i);
            y.push_back(std::exp(double(i)));
        }
        return neville(x, y, t);
    }

    ralvo::Ralvo r;
    Array X, Y;
};

TYPED_TEST_SUITE(LagrangeInterpolation, Forms);

TYPED_TEST(LagrangeInterpolation, SortsTheCallersTableAndInterpolatesTheSquare) {
    this->load({3, 1, 2, 4, 5}, {9, 1, 4, 16, 25});
    EXPECT_NEAR(this->flagr(5, 2.5), 6.25, 1e-14);
    EXPECT_EQ(this->values(this->X), (std::vector<double>{1, 2, 3, 4, 5}));
    EXPECT_EQ(this->values(this->Y), (std::vector<double>{1, 4, 9, 16, 25}));
}

TYPED_TEST(LagrangeInterpolation, WindowIsCentredOnTheAbscissaAndKeptInsideTheTable) {
    struct Case {
        double xi;
        int m;
        int first; // first point of the expected window in the sorted table
    };
    const Case cases[] = {
        {2.5, 4, 1}, // first abscissa above 2.5 is point 3: 3 - 2 = 1
        {3.5, 4, 2}, // point 4: 4 - 2 = 2
        {3.5, 3, 2}, // point 4: 4 - 1.5 = 2.5, rounded half to even to 2
        {2.5, 3, 2}, // point 3: 3 - 1.5 = 1.5, rounded to 2
        {0.5, 4, 1}, // below the table: from point 1
        {6.0, 4, 2}, // above the table: the last four points
        {5.0, 4, 2}, // no abscissa above 5: the last four points
        {4.5, 2, 4}, // point 5: 5 - 1 = 4
        {4.5, 5, 1}, // the whole table
    };
    for (const Case& c : cases) {
        this->loadExponential();
        EXPECT_NEAR(this->flagr(5, c.xi, int16_t(c.m)), this->exponentialWindow(c.first, c.m, c.xi), 1e-12)
            << "XI " << c.xi << ", M " << c.m;
    }
}

TYPED_TEST(LagrangeInterpolation, SinglePointWindowGivesThatPointsValue) {
    this->loadExponential();
    // First abscissa above 2.2 is point 3; 3 - 0.5 = 2.5 rounds to 2: the value at x = 2.
    EXPECT_EQ(this->flagr(5, 2.2, int16_t{1}), std::exp(2.0));
}

TYPED_TEST(LagrangeInterpolation, AtATableAbscissaGivesItsValue) {
    this->loadExponential();
    EXPECT_NEAR(this->flagr(5, 3.0), std::exp(3.0), 1e-12);
}

TYPED_TEST(LagrangeInterpolation, TwoPointsAreAStraightLineAndNotSorted) {
    this->load({3, 1}, {30, 10});
    // M outside 1..n is not looked at for two points.
    EXPECT_NEAR(this->flagr(2, 2, int16_t{7}), 20.0, 1e-14);
    EXPECT_NEAR(this->flagr(2, 5, int16_t{0}), 50.0, 1e-14);
    EXPECT_EQ(this->values(this->X), (std::vector<double>{3, 1}));
}

TYPED_TEST(LagrangeInterpolation, WindowLargerThanTheTableOrEmptyIsInvalidArgument) {
    for (int16_t m : {int16_t{6}, int16_t{0}, int16_t{-1}}) {
        this->load(scrambled, {9, 1, 4, 16, 25});
        EXPECT_RUNTIME_ERROR(this->flagr(5, 2.5, m), 5) << "M " << m;
        EXPECT_EQ(this->values(this->X), scrambled) << "nothing sorted";
    }
    this->load({1, 2, 3}, {1, 4, 9});
    EXPECT_RUNTIME_ERROR(this->flagr(3, 2.5), 5) << "the default M 4 needs four points";
    EXPECT_NEAR(this->flagr(3, 2.5, int16_t{3}), 6.25, 1e-14);
    this->load({2}, {7});
    EXPECT_EQ(this->flagr(1, 0, int16_t{1}), 7.0);
}

TYPED_TEST(LagrangeInterpolation, EqualAbscissaeInTheWindowAreADivisionError) {
    this->load({1, 2, 2, 3}, {1, 2, 3, 4});
    const int number = ::testsupport::errorNumberOf([&] { this->flagr(4, 1.5); });
    EXPECT_TRUE(number == 11 || number == 6) << number;
}

TYPED_TEST(LagrangeInterpolation, TableShorterThanNIsSubscriptError) {
    this->load({1, 2, 3}, {1, 4, 9});
    EXPECT_RUNTIME_ERROR(this->flagr(4, 1.5, int16_t{3}), 9);
}

TEST(LagrangeGeneralValues, IntegerTableGivesADoublePrecisionValue) {
    ralvo::Ralvo r;
    VArray X(0, 3), Y(0, 3);
    for (int16_t i = 1; i <= 3; ++i) {
        X(i) = Variant(i);
        Y(i) = Variant(static_cast<int16_t>(i * i));
    }
    EXPECT_TRUE(r.Flagr(int16_t{3}, X, Y, Variant(int16_t{2}), Variant(int16_t{3})).identical(Variant(4.0)));
}

} // namespace
