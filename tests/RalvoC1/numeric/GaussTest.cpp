#include "Forms.h"
#include "TestSupport.h"

#include <vector>

namespace {

using namespace ralvotest;

template <class Form> class GaussElimination : public ::testing::Test {
protected:
    using Array = typename Form::Array;

    //! Runs the form's Gauss on a and checks that row 0 and column 0 kept their sentinels.
    void solve(int n, Array& a, int ncol) {
        Form::gauss(r, Variant(int16_t(n)), a, Variant(int16_t(ncol)), ID);
        for (int32_t i = 0; i <= a.ubound(1); ++i)
            EXPECT_TRUE(Form::isSentinel(a(i, 0))) << "column 0, row " << i;
        for (int32_t j = 0; j <= a.ubound(2); ++j)
            EXPECT_TRUE(Form::isSentinel(a(0, j))) << "row 0, column " << j;
    }
    double at(const Array& a, int i, int j) const { return toDouble(a(i, j)); }
    int id() const { return ID.toInteger(); }

    ralvo::Ralvo r;
    Variant ID = Variant(int16_t{-1});
};

TYPED_TEST_SUITE(GaussElimination, Forms);

TYPED_TEST(GaussElimination, OneEquationIsNormalised) {
    auto a = matrixOf<TypeParam>(1, 2, {2, 4});
    this->solve(1, a, 1);
    EXPECT_EQ(this->id(), 0);
    EXPECT_EQ(this->at(a, 1, 1), 1.0);
    EXPECT_EQ(this->at(a, 1, 2), 2.0);
}

TYPED_TEST(GaussElimination, ZeroDiagonalIsCuredByRowInterchange) {
    // y = 1, 2x = 4: x = 2, y = 1.
    auto a = matrixOf<TypeParam>(2, 3, {0, 1, 1, 2, 0, 4});
    this->solve(2, a, 1);
    EXPECT_EQ(this->id(), 0);
    EXPECT_EQ(this->at(a, 1, 3), 2.0);
    EXPECT_EQ(this->at(a, 2, 3), 1.0);
    EXPECT_EQ(this->at(a, 1, 1), 1.0);
    EXPECT_EQ(this->at(a, 2, 1), 0.0);
    EXPECT_EQ(this->at(a, 2, 2), 1.0);
}

TYPED_TEST(GaussElimination, ThreeEquationsGiveTheTextbookSolution) {
    // The worked example of Gaussian elimination in most textbooks (e.g. the Wikipedia article
    // "Gaussian elimination"): 2x + y - z = 8, -3x - y + 2z = -11, -2x + y + 2z = -3 has the
    // solution x = 2, y = 3, z = -1.
    auto a = matrixOf<TypeParam>(3, 4, {2, 1, -1, 8, -3, -1, 2, -11, -2, 1, 2, -3});
    this->solve(3, a, 1);
    EXPECT_EQ(this->id(), 0);
    EXPECT_NEAR(this->at(a, 1, 4), 2.0, 1e-14);
    EXPECT_NEAR(this->at(a, 2, 4), 3.0, 1e-14);
    EXPECT_NEAR(this->at(a, 3, 4), -1.0, 1e-14);
    // Reduced coefficients: unit diagonal, zeros below it.
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(this->at(a, i, i), 1.0);
        for (int j = 1; j < i; ++j)
            EXPECT_EQ(this->at(a, i, j), 0.0);
    }
}

TYPED_TEST(GaussElimination, PivotThresholdIsAbsoluteAndInclusive) {
    struct Case {
        double pivot;
        int id;
    };
    for (const Case& c : {Case{1e-7, 1}, Case{9.99e-7, 1}, Case{1e-6, 0}, Case{-1e-6, 0}, Case{0.0, 1}}) {
        auto a = matrixOf<TypeParam>(1, 2, {c.pivot, 1});
        this->solve(1, a, 1);
        EXPECT_EQ(this->id(), c.id) << "pivot " << c.pivot;
        if (c.id == 0) {
            EXPECT_NEAR(this->at(a, 1, 2), 1.0 / c.pivot, 1e-6) << "pivot " << c.pivot;
        } else {
            EXPECT_EQ(this->at(a, 1, 1), c.pivot) << "untouched, pivot " << c.pivot;
            EXPECT_EQ(this->at(a, 1, 2), 1.0) << "untouched, pivot " << c.pivot;
        }
    }
}

TYPED_TEST(GaussElimination, RegularSystemOfTinyScaleHasNoUsablePivot) {
    // det = 1e-14 (4 - 6) != 0, but every element is below the absolute threshold 1e-6.
    auto a = matrixOf<TypeParam>(2, 3, {1e-7, 2e-7, 1e-7, 3e-7, 4e-7, 1e-7});
    this->solve(2, a, 1);
    EXPECT_EQ(this->id(), 1);
}

TYPED_TEST(GaussElimination, PivotsOfEqualMagnitudeKeepTheUpperRow) {
    // x + y = 3, -x + y = 1: x = 1, y = 2. With the upper row as pivot row, row 1 is
    // (1, 1 | 3) / 1; had the rows been interchanged it would be (1, -1 | -1).
    auto a = matrixOf<TypeParam>(2, 3, {1, 1, 3, -1, 1, 1});
    this->solve(2, a, 1);
    EXPECT_EQ(this->id(), 0);
    EXPECT_EQ(this->at(a, 1, 2), 1.0);
    EXPECT_EQ(this->at(a, 1, 3), 1.0);
    EXPECT_EQ(this->at(a, 2, 3), 2.0);
}

TYPED_TEST(GaussElimination, WithoutRightHandSidesOnlyTheCoefficientsAreReduced) {
    // Column 3 lies outside n + NCOL = 2 and must keep its value.
    auto a = matrixOf<TypeParam>(2, 3, {4, 2, 7, 2, 3, 9});
    this->solve(2, a, 0);
    EXPECT_EQ(this->id(), 0);
    EXPECT_EQ(this->at(a, 1, 1), 1.0);
    EXPECT_EQ(this->at(a, 1, 2), 0.5);
    EXPECT_EQ(this->at(a, 2, 1), 0.0);
    EXPECT_EQ(this->at(a, 2, 2), 1.0);
    EXPECT_EQ(this->at(a, 1, 3), 7.0);
    EXPECT_EQ(this->at(a, 2, 3), 9.0);
}

TYPED_TEST(GaussElimination, TwoRightHandSidesAreSolvedAtOnce) {
    // 4x + 3y = 10, 6x + 3y = 12 gives (1, 2); the same with 7, 9 gives (1, 1).
    auto a = matrixOf<TypeParam>(2, 4, {4, 3, 10, 7, 6, 3, 12, 9});
    this->solve(2, a, 2);
    EXPECT_EQ(this->id(), 0);
    EXPECT_NEAR(this->at(a, 1, 3), 1.0, 1e-14);
    EXPECT_NEAR(this->at(a, 2, 3), 2.0, 1e-14);
    EXPECT_NEAR(this->at(a, 1, 4), 1.0, 1e-14);
    EXPECT_NEAR(this->at(a, 2, 4), 1.0, 1e-14);
}

TYPED_TEST(GaussElimination, SingularColumnStopsWithTheMatrixAsReducedSoFar) {
    // Column 1: row 3 (2) is the pivot, interchanged with row 1 and normalised to
    // (1, 1, 2.5 | 1.5); eliminating it leaves (0, 0, -0.5 | 0.5) and (0, 0, -1.5 | -0.5),
    // so column 2 has nothing left below the diagonal: ID 1, no back substitution.
    auto a = matrixOf<TypeParam>(3, 4, {1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 5, 3});
    this->solve(3, a, 1);
    EXPECT_EQ(this->id(), 1);
    const double expected[3][4] = {{1, 1, 2.5, 1.5}, {0, 0, -0.5, 0.5}, {0, 0, -1.5, -0.5}};
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 4; ++j)
            EXPECT_EQ(this->at(a, i, j), expected[i - 1][j - 1]) << "a(" << i << ", " << j << ")";
}

TYPED_TEST(GaussElimination, MatrixSmallerThanTheSystemIsSubscriptError) {
    auto a = matrixOf<TypeParam>(2, 3, {1, 0, 1, 0, 1, 1});
    EXPECT_RUNTIME_ERROR(this->solve(3, a, 1), 9);
}

TYPED_TEST(GaussElimination, LoopBoundBeyondSixteenBitsIsOverflow) {
    auto a = matrixOf<TypeParam>(1, 2, {2, 4});
    EXPECT_RUNTIME_ERROR(this->solve(1, a, 32766), 6);
    EXPECT_RUNTIME_ERROR(this->solve(32767, a, 0), 6);
}

TEST(GaussGeneralValues, IntegerElementsGiveFloatingPointResults) {
    ralvo::Ralvo r;
    VArray a(0, 1, 0, 2);
    a(1, 1) = Variant(int16_t{2});
    a(1, 2) = Variant(int16_t{5});
    Variant ID;
    r.Gauss(int16_t{1}, a, int16_t{1}, ID);
    EXPECT_TRUE(ID.identical(Variant(int16_t{0})));
    EXPECT_TRUE(a(1, 2).identical(Variant(2.5)));
}

// Single-precision elements are reduced in single precision and stay singles; a double among
// them makes the results it meets doubles.
TEST(GaussGeneralValues, SingleElementsStaySingles) {
    ralvo::Ralvo r;
    VArray a(0, 2, 0, 3);
    const float m[2][3] = {{3.0f, 1.0f, 0.1f}, {1.0f, 7.0f, 0.3f}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            a(i + 1, j + 1) = Variant(m[i][j]);
    Variant ID;
    r.Gauss(int16_t{2}, a, int16_t{1}, ID);
    ASSERT_TRUE(ID.identical(Variant(int16_t{0})));
    // The same steps in single precision: row 1 by 3, row 2 less row 1, by its pivot, back.
    const float a12 = 1.0f / 3.0f, b1 = 0.1f / 3.0f;
    const float a22 = 7.0f - 1.0f * a12, b2 = 0.3f - 1.0f * b1;
    const float x2 = b2 / a22, x1 = b1 - a12 * x2;
    EXPECT_TRUE(a(2, 3).identical(Variant(x2)));
    EXPECT_TRUE(a(1, 3).identical(Variant(x1)));

    a(1, 1) = Variant(3.0);
    a(1, 2) = Variant(1.0f);
    a(1, 3) = Variant(0.1f);
    a(2, 1) = Variant(1.0f);
    a(2, 2) = Variant(7.0f);
    a(2, 3) = Variant(0.3f);
    r.Gauss(int16_t{2}, a, int16_t{1}, ID);
    EXPECT_EQ(a(1, 3).type(), platform::VarType::Double);
    EXPECT_EQ(a(2, 3).type(), platform::VarType::Double);
}

} // namespace
