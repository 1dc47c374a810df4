#include "Forms.h"
#include "TestSupport.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using namespace ralvotest;

//! A square matrix given row by row.
struct Square {
    const char* name;
    int n;
    std::vector<double> rows;
};

template <class Form> class MatrixInversion : public ::testing::Test {
protected:
    using Array = typename Form::Array;

    //! ap and Ainv of order n (sentinels in row and column 0), Ainv filled with garbage.
    void load(const Square& m) {
        n = m.n;
        ap = matrixOf<Form>(n, n, {});
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                ap(i, j) = Form::number(m.rows.at(static_cast<size_t>((i - 1) * n + j - 1)));
        Ainv = matrixOf<Form>(n, n, {});
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                Ainv(i, j) = Form::number(99);
        original = ap;
    }
    void invert(std::optional<double> EP = std::nullopt) {
        Form::invert(r, Variant(int16_t(n)), ap, Ainv, ID, EP);
        for (int i = 0; i <= n; ++i) {
            EXPECT_TRUE(Form::isSentinel(Ainv(i, 0)) && Form::isSentinel(Ainv(0, i)))
                << "row/column 0, " << i;
            EXPECT_TRUE(Form::isSentinel(ap(i, 0)) && Form::isSentinel(ap(0, i))) << "row/column 0, " << i;
        }
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                EXPECT_EQ(toDouble(ap(i, j)), toDouble(original(i, j)))
                    << "ap(" << i << ", " << j << ") changed";
    }
    double inv(int i, int j) const { return toDouble(Ainv(i, j)); }
    int id() const {
        EXPECT_EQ(ID.type(), platform::VarType::Integer) << "ID is a 16-bit integer";
        return ID.toInteger();
    }
    //! Largest |(A Ainv - I)(i, j)|, the product formed in the test.
    double identityDefect() const {
        double worst = 0;
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) {
                double s = 0;
                for (int l = 1; l <= n; ++l)
                    s += toDouble(ap(i, l)) * toDouble(Ainv(l, j));
                worst = std::max(worst, std::fabs(s - (i == j ? 1.0 : 0.0)));
            }
        return worst;
    }

    ralvo::Ralvo r;
    int n = 0;
    Array ap, Ainv, original;
    Variant ID = Variant(int16_t{-1});
};

TYPED_TEST_SUITE(MatrixInversion, Forms);

TYPED_TEST(MatrixInversion, ProductWithTheInverseIsTheIdentity) {
    const Square cases[] = {
        {"one element", 1, {4}},
        {"rows interchanged in the first column", 2, {0, 1, 1, 0}},
        {"general 2x2", 2, {4, 7, 2, 6}},
        {"symmetric tridiagonal", 3, {4, -2, 1, -2, 4, -2, 1, -2, 4}},
        {"pivot from the last row", 3, {1, 2, 3, 0, 1, 4, 5, 6, 0}},
        {"diagonally dominant 5x5", 5, {10, 1, 2, 0, 1, 1,  12, 0, 3, 2, 2, 0, 9,
                                        1,  1, 0, 3, 1, 11, 4,  1, 2, 1, 4, 8}},
    };
    for (const Square& m : cases) {
        SCOPED_TRACE(m.name);
        this->load(m);
        this->invert();
        EXPECT_EQ(this->id(), 0);
        EXPECT_LT(this->identityDefect(), 1e-14);
    }
}

TYPED_TEST(MatrixInversion, SmallMatricesGiveTheirClosedFormInverse) {
    // 1/4 = 0.25; the permutation matrix is its own inverse; (a b; c d)^-1 = (d -b; -c a) / (ad - bc),
    // here (4 7; 2 6) with ad - bc = 10.
    this->load({"", 1, {4}});
    this->invert();
    EXPECT_EQ(this->inv(1, 1), 0.25);

    this->load({"", 2, {0, 1, 1, 0}});
    this->invert();
    EXPECT_EQ(this->id(), 0);
    EXPECT_EQ(this->inv(1, 1), 0.0);
    EXPECT_EQ(this->inv(1, 2), 1.0);
    EXPECT_EQ(this->inv(2, 1), 1.0);
    EXPECT_EQ(this->inv(2, 2), 0.0);

    this->load({"", 2, {4, 7, 2, 6}});
    this->invert();
    EXPECT_NEAR(this->inv(1, 1), 0.6, 1e-15);
    EXPECT_NEAR(this->inv(1, 2), -0.7, 1e-15);
    EXPECT_NEAR(this->inv(2, 1), -0.2, 1e-15);
    EXPECT_NEAR(this->inv(2, 2), 0.4, 1e-15);
}

TYPED_TEST(MatrixInversion, SingularMatrixReportsIdOneAndLeavesApAlone) {
    // Row 2 = 2 x row 1: the second pivot is 0.
    this->load({"", 2, {1, 2, 2, 4}});
    this->invert();
    EXPECT_EQ(this->id(), 1);
    // Zero column: no pivot at all in column 1.
    this->load({"", 2, {0, 1, 0, 3}});
    this->invert();
    EXPECT_EQ(this->id(), 1);
}

TYPED_TEST(MatrixInversion, PivotOfMagnitudeAtMostEpFails) {
    struct Case {
        double pivot;
        std::optional<double> EP;
        int id;
    };
    const Case cases[] = {
        {0.5, 0.5, 1}, {-0.5, 0.5, 1},  {0.5000001, 0.5, 0},     {1e-300, 0.0, 0},
        {0.0, 0.0, 1}, {1e-3, 1e-2, 1}, {2e-6, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        this->load({"", 2, {1, 0, 0, c.pivot}});
        this->invert(c.EP);
        EXPECT_EQ(this->id(), c.id) << "pivot " << c.pivot;
        if (c.id == 0) {
            EXPECT_NEAR(this->inv(2, 2) * c.pivot, 1.0, 1e-15) << "pivot " << c.pivot;
        }
    }
}

TYPED_TEST(MatrixInversion, MatrixSmallerThanTheOrderIsSubscriptError) {
    this->load({"", 2, {1, 0, 0, 1}});
    EXPECT_RUNTIME_ERROR(TypeParam::invert(this->r, int16_t{3}, this->ap, this->Ainv, this->ID), 9);
    auto small = matrixOf<TypeParam>(1, 1, {1});
    EXPECT_RUNTIME_ERROR(TypeParam::invert(this->r, int16_t{2}, this->ap, small, this->ID), 9);
}

TYPED_TEST(MatrixInversion, OrderBeyondSixteenBitLoopsIsOverflow) {
    this->load({"", 1, {1}});
    EXPECT_RUNTIME_ERROR(TypeParam::invert(this->r, int16_t{32767}, this->ap, this->Ainv, this->ID), 6);
}

TEST(InvertForms, DefaultPivotThresholdsDifferBetweenTheForms) {
    // diag(1e-10, 1): below the general form's 1e-6, above the twin's 1e-13.
    ralvo::Ralvo r;
    Variant ID;
    VArray a = matrixOf<GeneralForm>(2, 2, {1e-10, 0, 0, 1}), ai = matrixOf<GeneralForm>(2, 2, {});
    r.Invert(int16_t{2}, a, ai, ID);
    EXPECT_TRUE(ID.identical(Variant(int16_t{1})));
    DArray d = matrixOf<DoubleForm>(2, 2, {1e-10, 0, 0, 1}), di = matrixOf<DoubleForm>(2, 2, {});
    r.Invertd(int16_t{2}, d, di, ID);
    EXPECT_TRUE(ID.identical(Variant(int16_t{0})));
    EXPECT_NEAR(di(1, 1), 1e10, 1e-3);

    // The thresholds themselves fail ("at most"), the next larger values pass.
    for (double pivot : {1e-6, 1.000001e-6}) {
        VArray g = matrixOf<GeneralForm>(1, 1, {pivot}), gi = matrixOf<GeneralForm>(1, 1, {});
        r.Invert(int16_t{1}, g, gi, ID);
        EXPECT_EQ(ID.toInteger(), pivot == 1e-6 ? 1 : 0) << pivot;
    }
    for (double pivot : {1e-13, 1.000001e-13}) {
        DArray g = matrixOf<DoubleForm>(1, 1, {pivot}), gi = matrixOf<DoubleForm>(1, 1, {});
        r.Invertd(int16_t{1}, g, gi, ID);
        EXPECT_EQ(ID.toInteger(), pivot == 1e-13 ? 1 : 0) << pivot;
    }
}

TEST(InvertForms, GeneralValueInverseOfIntegersIsDoublePrecision) {
    ralvo::Ralvo r;
    Variant ID;
    VArray a(0, 2, 0, 2), ai(0, 2, 0, 2);
    a(1, 1) = Variant(int16_t{2});
    a(1, 2) = Variant(int16_t{1});
    a(2, 1) = Variant(int16_t{1});
    a(2, 2) = Variant(int16_t{1});
    r.Invert(int16_t{2}, a, ai, ID);
    // (2 1; 1 1)^-1 = (1 -1; -1 2).
    EXPECT_TRUE(ai(1, 1).identical(Variant(1.0)));
    EXPECT_TRUE(ai(1, 2).identical(Variant(-1.0)));
    EXPECT_TRUE(ai(2, 1).identical(Variant(-1.0)));
    EXPECT_TRUE(ai(2, 2).identical(Variant(2.0)));
    EXPECT_TRUE(a(1, 1).identical(Variant(int16_t{2}))) << "ap keeps its kinds";
}

} // namespace
