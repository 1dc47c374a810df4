#include "Forms.h"
#include "TestSupport.h"

#include <algorithm>
#include <complex>
#include <vector>

namespace {

using namespace ralvotest;
using Complex = std::complex<double>;

//! x^N + c(1) x^(N-1) + ... + c(N) at z, evaluated in the test in complex arithmetic.
Complex monicAt(const std::vector<double>& c, Complex z) {
    Complex v = 1.0;
    for (double a : c)
        v = v * z + a;
    return v;
}

template <class Form> class PolynomialRoots : public ::testing::Test {
protected:
    using Array = typename Form::Array;

    //! Runs the form's LinBairstow on the monic coefficients c; result arrays of exactly
    //! c.size() elements from 1, sentinels in element 0.
    std::vector<Complex> roots(const std::vector<double>& c, double epslin = 1e-10) {
        const auto n = static_cast<int32_t>(c.size());
        Array a(0, n), xr(0, n), xi(0, n);
        a(0) = xr(0) = xi(0) = Form::sentinel();
        for (int32_t i = 1; i <= n; ++i) {
            a(i) = Form::number(c[static_cast<size_t>(i - 1)]);
            xr(i) = xi(i) = Form::number(-777);
        }
        const Array before = a;
        Form::linBairstow(r, Variant(int16_t(n)), a, xr, xi, epslin);
        EXPECT_TRUE(Form::isSentinel(a(0)) && Form::isSentinel(xr(0)) && Form::isSentinel(xi(0)));
        for (int32_t i = 1; i <= n; ++i)
            EXPECT_EQ(toDouble(a(i)), toDouble(before(i))) << "apol is only read";
        std::vector<Complex> z;
        for (int32_t i = 1; i <= n; ++i)
            z.emplace_back(toDouble(xr(i)), toDouble(xi(i)));
        return z;
    }

    ralvo::Ralvo r;
};

TYPED_TEST_SUITE(PolynomialRoots, Forms);

TYPED_TEST(PolynomialRoots, EveryRootSatisfiesThePolynomial) {
    const std::vector<std::vector<double>> cases = {
        {-6, 11, -6},               // (x - 1)(x - 2)(x - 3)
        {0, 0, 0, -1},              // x^4 - 1
        {1, 1, 1},                  // (x^2 + 1)(x + 1)
        {-3, 2},                    // (x - 1)(x - 2)
        {2, 5},                     // roots -1 -+ 2i
        {4},                        // x + 4
        {-15, 85, -225, 274, -120}, // (x - 1)(x - 2)(x - 3)(x - 4)(x - 5)
        {2, 3, 4, 5, 6, 7},         // degree 6, three complex pairs
    };
    for (const auto& c : cases) {
        const std::vector<Complex> z = this->roots(c);
        ASSERT_EQ(z.size(), c.size());
        for (const Complex& root : z)
            EXPECT_LT(std::abs(monicAt(c, root)), 1e-9) << "root " << root << " of degree " << c.size();
        // Complex roots come in conjugate pairs, the negative imaginary part first.
        for (size_t i = 0; i + 1 < z.size(); ++i)
            if (z[i].imag() != 0.0) {
                EXPECT_LT(z[i].imag(), 0.0);
                EXPECT_EQ(z[i + 1], std::conj(z[i]));
                ++i;
            }
    }
}

TYPED_TEST(PolynomialRoots, CubicWithRootsOneTwoThree) {
    const std::vector<Complex> z = this->roots({-6, 11, -6});
    // The first factor found is x^2 - 3x + 2 (smaller root first), then the linear x - 3.
    EXPECT_NEAR(z[0].real(), 1.0, 1e-12);
    EXPECT_NEAR(z[1].real(), 2.0, 1e-12);
    EXPECT_NEAR(z[2].real(), 3.0, 1e-12);
    for (const Complex& root : z)
        EXPECT_EQ(root.imag(), 0.0);
}

TYPED_TEST(PolynomialRoots, FourthRootsOfUnity) {
    const std::vector<Complex> z = this->roots({0, 0, 0, -1});
    const Complex expected[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_LT(std::abs(z[i] - expected[i]), 1e-12) << "root " << i + 1 << ": " << z[i];
}

TYPED_TEST(PolynomialRoots, ImaginaryPairFirstThenTheRealRoot) {
    const std::vector<Complex> z = this->roots({1, 1, 1});
    EXPECT_LT(std::abs(z[0] - Complex(0, -1)), 1e-12);
    EXPECT_LT(std::abs(z[1] - Complex(0, 1)), 1e-12);
    EXPECT_LT(std::abs(z[2] - Complex(-1, 0)), 1e-12);
}

TYPED_TEST(PolynomialRoots, LowDegreesFillExactlyTheirOwnElements) {
    // Degree 1 and 2 are solved directly; the result arrays hold exactly npol elements, so
    // any write beyond them would be a subscript error.
    const std::vector<Complex> one = this->roots({4});
    EXPECT_EQ(one[0], Complex(-4, 0));
    const std::vector<Complex> two = this->roots({-3, 2});
    EXPECT_EQ(two[0], Complex(1, 0));
    EXPECT_EQ(two[1], Complex(2, 0));
    const std::vector<Complex> pair = this->roots({2, 5});
    EXPECT_EQ(pair[0], Complex(-1, -2));
    EXPECT_EQ(pair[1], Complex(-1, 2));
}

TYPED_TEST(PolynomialRoots, EveryFactorHasItsOwnIterationBudget) {
    // A negative epslin is never met, so every factor runs its full 301 corrections. With one
    // budget for the whole call the factors after the first would get a single correction
    // from p = q = 1 and be far off; with a budget per factor each converges.
    const std::vector<double> c = {-21, 175, -735, 1624, -1764, 720}; // (x - 1)...(x - 6)
    std::vector<Complex> z = this->roots(c, -1.0);
    std::sort(z.begin(), z.end(), [](Complex a, Complex b) { return a.real() < b.real(); });
    for (size_t i = 0; i < 6; ++i)
        EXPECT_LT(std::abs(z[i] - Complex(double(i + 1), 0)), 1e-9) << z[i];
}

TYPED_TEST(PolynomialRoots, DegreeBelowOneIsInvalidArgument) {
    typename TypeParam::Array a = vectorOf<TypeParam>({1}), xr = vectorOf<TypeParam>({0}),
                              xi = vectorOf<TypeParam>({0});
    for (int16_t npol : {int16_t{0}, int16_t{-1}})
        EXPECT_RUNTIME_ERROR(TypeParam::linBairstow(this->r, npol, a, xr, xi, 1e-10), 5) << npol;
}

TYPED_TEST(PolynomialRoots, ResultArraysShorterThanTheDegreeAreSubscriptError) {
    typename TypeParam::Array a = vectorOf<TypeParam>({-6, 11, -6}), xr = vectorOf<TypeParam>({0, 0}),
                              xi = vectorOf<TypeParam>({0, 0, 0});
    EXPECT_RUNTIME_ERROR(TypeParam::linBairstow(this->r, int16_t{3}, a, xr, xi, 1e-10), 9);
}

// Horner evaluation ---------------------------------------------------------------------------

template <class Form> class HornerValue : public ::testing::Test {
protected:
    ralvo::Ralvo r;
};
TYPED_TEST_SUITE(HornerValue, Forms);

TYPED_TEST(HornerValue, FullAndMonicLayouts) {
    struct Case {
        int n;
        double x;
        std::initializer_list<double> a;
        double value;
    };
    const Case cases[] = {
        {2, 3, {1, 2, 3}, 18},        // x^2 + 2x + 3
        {-2, 3, {2, 3}, 18},          // the same, monic layout
        {1, -2, {5, 7}, -3},          // 5x + 7
        {-1, -2, {7}, 5},             // x + 7
        {3, 0.5, {2, -3, 0, 1}, 0.5}, // 2x^3 - 3x^2 + 1
        {-3, 2, {-6, 11, -6}, 0},     // a root of (x - 1)(x - 2)(x - 3)
        {0, 3, {1, 2, 3}, 0},         // degree 0: nothing
    };
    for (const Case& c : cases) {
        const auto a = vectorOf<TypeParam>(c.a);
        EXPECT_EQ(TypeParam::polyn(this->r, int16_t(c.n), c.x, a), c.value) << "n " << c.n << ", x " << c.x;
    }
}

TYPED_TEST(HornerValue, CoefficientsMissingFromTheArrayAreSubscriptError) {
    const auto a = vectorOf<TypeParam>({1, 2});
    EXPECT_RUNTIME_ERROR(TypeParam::polyn(this->r, int16_t{2}, 1.0, a), 9);
    EXPECT_RUNTIME_ERROR(TypeParam::polyn(this->r, int16_t{-3}, 1.0, a), 9);
}

TEST(HornerGeneralValues, KeepTheKindsOfIntegerArithmetic) {
    ralvo::Ralvo r;
    VArray a(0, 2);
    a(1) = Variant(int16_t{2});
    a(2) = Variant(int16_t{3});
    // The monic layout starts from the 16-bit integer 1, so integers stay integers.
    EXPECT_TRUE(r.Polyn(int16_t{-2}, Variant(int16_t{3}), a).identical(Variant(int16_t{18})));
    // Degree 0 gives a double-precision 0.
    EXPECT_TRUE(r.Polyn(int16_t{0}, Variant(int16_t{3}), a).identical(Variant(0.0)));
}

} // namespace
