#include "Forms.h"
#include "TestSupport.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace ralvotest;

//! Optional arguments of one call; the tolerances are given as plain numbers in both forms.
struct LrOptions {
    std::optional<bool> eigvec = std::nullopt, stripd = std::nullopt, sweep = std::nullopt;
    std::optional<int16_t> freq = std::nullopt, itmax = std::nullopt;
    std::optional<double> eps1 = std::nullopt, eps2 = std::nullopt, eps3 = std::nullopt, eps4 = std::nullopt;
};

//! The general-value tolerances given explicitly, so both forms run the same iteration.
LrOptions generalTolerances(LrOptions o = {}) {
    o.eps1 = 1e-6;
    o.eps2 = 1e-3;
    o.eps3 = 1e-4;
    o.eps4 = 0.05;
    return o;
}

template <class Form> struct LrCall;

template <> struct LrCall<GeneralForm> {
    static void run(ralvo::Ralvo& r, int n, VArray& a, VArray& b, VArray& U, Variant& tag1, Variant& tag2,
                    Variant& iter, const LrOptions& o) {
        auto v = [](const auto& x) { return x ? std::optional<Variant>(Variant(*x)) : std::nullopt; };
        r.Rutishauser(Variant(int16_t(n)), a, b, U, tag1, tag2, iter, v(o.eigvec), v(o.stripd), v(o.sweep),
                      v(o.freq), v(o.itmax), v(o.eps1), v(o.eps2), v(o.eps3), v(o.eps4));
    }
};

template <> struct LrCall<DoubleForm> {
    static void run(ralvo::Ralvo& r, int n, DArray& a, DArray& b, DArray& U, Variant& tag1, Variant& tag2,
                    Variant& iter, const LrOptions& o) {
        auto v = [](const auto& x) { return x ? std::optional<Variant>(Variant(*x)) : std::nullopt; };
        r.Rutishauserd(Variant(int16_t(n)), a, b, U, tag1, tag2, iter, v(o.eigvec), v(o.stripd), v(o.sweep),
                       v(o.freq), v(o.itmax), o.eps1, o.eps2, o.eps3, o.eps4);
    }
};

//! One eigenvalue problem: the matrix row by row and the call's options.
struct Problem {
    int n;
    std::vector<double> a;
    LrOptions options;
};

//! What a call left: the diagonal of b, U as plain numbers, the flags and the iteration.
struct Outcome {
    std::vector<double> eigenvalues; // index 0 unused
    std::vector<std::vector<double>> U;
    bool tag1 = false, tag2 = false;
    int iter = 0;
};

template <class Form> class LrTransformation : public ::testing::Test {
protected:
    using Array = typename Form::Array;

    //! Runs the form on the problem; rows and columns 0 of a, b and U must keep their sentinels.
    Outcome solve(const Problem& p) {
        Array a = matrixOf<Form>(p.n, p.n, {});
        for (int i = 1; i <= p.n; ++i)
            for (int j = 1; j <= p.n; ++j)
                a(i, j) = Form::number(p.a[(i - 1) * p.n + (j - 1)]);
        b = matrixOf<Form>(p.n, p.n, {});
        U = matrixOf<Form>(p.n, p.n, {});
        for (int i = 1; i <= p.n; ++i)
            for (int j = 1; j <= p.n; ++j)
                U(i, j) = Form::number(untouched);
        std::vector<double> original;
        for (int i = 1; i <= p.n; ++i)
            for (int j = 1; j <= p.n; ++j)
                original.push_back(toDouble(a(i, j)));
        Variant tag1("unset"), tag2("unset"), iter;
        LrCall<Form>::run(r, p.n, a, b, U, tag1, tag2, iter, p.options);

        for (int i = 1; i <= p.n; ++i)
            for (int j = 1; j <= p.n; ++j)
                EXPECT_EQ(toDouble(a(i, j)), original[(i - 1) * p.n + (j - 1)]) << "a must not change";
        for (const Array* m : {&a, &b, &U})
            for (int k = 0; k <= p.n; ++k) {
                EXPECT_TRUE(Form::isSentinel((*m)(0, k))) << "row 0, column " << k;
                EXPECT_TRUE(Form::isSentinel((*m)(k, 0))) << "column 0, row " << k;
            }
        Outcome o;
        o.eigenvalues.assign(p.n + 1, 0.0);
        o.U.assign(p.n + 1, std::vector<double>(p.n + 1, 0.0));
        for (int i = 1; i <= p.n; ++i) {
            o.eigenvalues[i] = toDouble(b(i, i));
            for (int j = 1; j <= p.n; ++j)
                o.U[i][j] = toDouble(U(i, j));
        }
        EXPECT_EQ(tag1.type(), platform::VarType::Boolean);
        EXPECT_EQ(tag2.type(), platform::VarType::Boolean);
        o.tag1 = tag1.toBool();
        o.tag2 = tag2.toBool();
        o.iter = iter.toInteger();
        return o;
    }

    static constexpr double untouched = 12345.0;
    Array b, U;
    ralvo::Ralvo r;
};
TYPED_TEST_SUITE(LrTransformation, Forms);

//! Column j of U must be a unit eigenvector of the matrix a for the eigenvalue lambda(j):
//! |A v - lambda v| small and |v| = 1.
void expectEigenpairs(const Problem& p, const Outcome& o, double tolerance) {
    for (int j = 1; j <= p.n; ++j) {
        double length = 0;
        for (int i = 1; i <= p.n; ++i) {
            double av = 0;
            for (int k = 1; k <= p.n; ++k)
                av += p.a[(i - 1) * p.n + (k - 1)] * o.U[k][j];
            EXPECT_NEAR(av, o.eigenvalues[j] * o.U[i][j], tolerance)
                << "row " << i << " of A v, column " << j;
            length += o.U[i][j] * o.U[i][j];
        }
        EXPECT_NEAR(length, 1.0, 1e-12) << "column " << j;
    }
}

// Converging cases with the iteration they converge in (general-value tolerances) ---------------

struct Converging {
    std::string name;
    Problem problem;
    int iter;
    std::vector<double> eigenvalues; // exact, in the order the LR iteration gives them
    double tolerance;                // on the eigenvalues
};

const double r3 = std::sqrt(3.0);

// Eigenvalues: (2, 1; 1, 2) has 2 +- 1; the tridiagonal (4, 1, 0; 1, 3, 1; 0, 1, 2) has the
// characteristic polynomial (3 - l)((3 - l)^2 - 3), so 3 +- sqrt 3 and 3; (1, 2, 3; 4, 5, 6;
// 7, 8, 10) has the characteristic polynomial l^3 - 16 l^2 - 12 l + 3 with the roots 16.7075,
// -0.9057, 0.1982 (to 4 decimals); a triangular matrix has its diagonal.
const std::vector<Converging> convergingCases = {
    {"SymmetricTwoByTwo", {2, {2, 1, 1, 2}, generalTolerances()}, 14, {0, 3, 1}, 1e-6},
    {"Tridiagonal", {3, {4, 1, 0, 1, 3, 1, 0, 1, 2}, generalTolerances()}, 32, {0, 3 + r3, 3, 3 - r3}, 1e-6},
    {"TridiagonalInItsBand",
     {3, {4, 1, 0, 1, 3, 1, 0, 1, 2}, generalTolerances({.stripd = true})},
     32,
     {0, 3 + r3, 3, 3 - r3},
     1e-6},
    {"TridiagonalWithTheEliminationStep",
     {3, {4, 1, 0, 1, 3, 1, 0, 1, 2}, generalTolerances({.sweep = true})},
     16,
     {0, 3 + r3, 3, 3 - r3},
     1e-6},
    {"BandWithTheEliminationStep",
     {3, {4, 1, 0, 1, 3, 1, 0, 1, 2}, generalTolerances({.stripd = true, .sweep = true})},
     16,
     {0, 3 + r3, 3, 3 - r3},
     1e-6},
    {"NonSymmetric",
     {3, {1, 2, 3, 4, 5, 6, 7, 8, 10}, generalTolerances()},
     10,
     {0, 16.7075, -0.9057, 0.1982},
     5e-5},
    {"UpperTriangular", {3, {1, 2, 3, 0, 4, 5, 0, 0, 6}, generalTolerances()}, 1, {0, 1, 4, 6}, 0},
    {"Diagonal", {2, {5, 0, 0, -2}, generalTolerances()}, 1, {0, 5, -2}, 0},
    {"OneByOne", {1, {7.5}, generalTolerances()}, 1, {0, 7.5}, 0},
    // A band for n = 1 would start at column 0: the switch is ignored, column 0 stays alone.
    {"OneByOneInItsBand", {1, {7.5}, generalTolerances({.stripd = true})}, 1, {0, 7.5}, 0},
};

TYPED_TEST(LrTransformation, ConvergesInTheIterationOfTheLrMethod) {
    for (const Converging& c : convergingCases) {
        SCOPED_TRACE(c.name);
        for (bool eigvec : {false, true}) {
            Problem p = c.problem;
            p.options.eigvec = eigvec;
            const Outcome o = this->solve(p);
            EXPECT_EQ(o.iter, c.iter);
            for (int i = 1; i <= p.n; ++i)
                EXPECT_NEAR(o.eigenvalues[i], c.eigenvalues[i], c.tolerance) << "eigenvalue " << i;
            EXPECT_FALSE(o.tag1);
            EXPECT_FALSE(o.tag2);
            if (eigvec)
                expectEigenpairs(p, o, 1e-5);
            else
                EXPECT_EQ(o.U[1][1], this->untouched) << "U is written only for eigenvectors";
        }
    }
}

TYPED_TEST(LrTransformation, SymmetricTwoByTwoHasTheDiagonalEigenvectors) {
    const Outcome o = this->solve({2, {2, 1, 1, 2}, {.eigvec = true}});
    // (1, 1) / sqrt 2 for 3 and (-1, 1) / sqrt 2 for 1, up to the sign of each column.
    const double h = std::sqrt(0.5);
    EXPECT_NEAR(std::fabs(o.U[1][1]), h, 1e-6);
    EXPECT_NEAR(o.U[2][1], o.U[1][1], 1e-6);
    EXPECT_NEAR(std::fabs(o.U[1][2]), h, 1e-6);
    EXPECT_NEAR(o.U[2][2], -o.U[1][2], 1e-6);
}

TYPED_TEST(LrTransformation, DistinctTriangularMatrixHasUnitVectorsForADiagonal) {
    const Outcome o = this->solve({3, {1, 0, 0, 0, 4, 0, 0, 0, 6}, {.eigvec = true}});
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            EXPECT_EQ(o.U[i][j], i == j ? 1.0 : 0.0) << i << ", " << j;
}

TYPED_TEST(LrTransformation, DefaultTolerancesOfEachFormGiveEigenpairsToTheirPrecision) {
    const Problem p{3, {1, 2, 3, 4, 5, 6, 7, 8, 10}, {.eigvec = true}};
    const Outcome o = this->solve(p);
    EXPECT_LE(o.iter, 50);
    EXPECT_FALSE(o.tag1);
    EXPECT_FALSE(o.tag2);
    // The double-precision form iterates to a sub-diagonal sum below 1e-9 instead of 1e-6.
    const double tolerance = std::is_same_v<TypeParam, DoubleForm> ? 1e-8 : 1e-5;
    expectEigenpairs(p, o, tolerance);
    // The roots of l^3 - 16 l^2 - 12 l + 3: their sum is 16, their product -3.
    EXPECT_NEAR(o.eigenvalues[1] + o.eigenvalues[2] + o.eigenvalues[3], 16.0, 1e-9);
    EXPECT_NEAR(o.eigenvalues[1] * o.eigenvalues[2] * o.eigenvalues[3], -3.0, tolerance);
}

TYPED_TEST(LrTransformation, BandIgnoresElementsOutsideTheTridiagonal) {
    const Problem full{3, {4, 1, 9, 1, 3, 1, -7, 1, 2}, generalTolerances({.stripd = true})};
    const Outcome o = this->solve(full);
    EXPECT_EQ(o.iter, 32);
    EXPECT_NEAR(o.eigenvalues[1], 3 + r3, 1e-6);
    EXPECT_NEAR(o.eigenvalues[2], 3, 1e-6);
    EXPECT_NEAR(o.eigenvalues[3], 3 - r3, 1e-6);
}

// Outcomes that are not convergence -------------------------------------------------------------

TYPED_TEST(LrTransformation, EqualDiagonalElementsSetTag2AndLeaveU) {
    const Outcome o = this->solve({2, {3, 0, 0, 3}, {.eigvec = true}});
    EXPECT_EQ(o.iter, 1);
    EXPECT_TRUE(o.tag2);
    EXPECT_FALSE(o.tag1);
    EXPECT_EQ(o.U[1][1], this->untouched);
    EXPECT_EQ(o.U[2][2], this->untouched);
    // Closer than eps2 counts as equal; eps2 given as 0 lets a close pair through.
    const Outcome close = this->solve({2, {3, 0, 0, 3 + 1e-10}, {.eigvec = true}});
    EXPECT_TRUE(close.tag2);
    const Outcome apart = this->solve({2, {3, 0, 0, 3 + 1e-10}, {.eigvec = true, .eps2 = 0.0}});
    EXPECT_FALSE(apart.tag2);
    EXPECT_EQ(apart.U[1][1], 1.0);
}

TYPED_TEST(LrTransformation, VanishingPivotMarksUAndEndsSilently) {
    testsupport::ScriptedBoxes boxes; // no box may appear
    struct Case {
        std::vector<double> a;
        int iter;
    };
    // (0, 1; 1, 0) has the pivot 0 at once. (1, -1; 1, 1) = L R with L = (1, 0; 1, 1) and
    // R = (1, -1; 0, 2) becomes R L = (0, -1; 2, 2), whose leading element is the pivot of the
    // second iteration.
    for (const Case& c : {Case{{0, 1, 1, 0}, 1}, Case{{1, -1, 1, 1}, 2}}) {
        for (bool eigvec : {false, true}) {
            const Outcome o = this->solve({2, c.a, {.eigvec = eigvec}});
            EXPECT_EQ(o.iter, c.iter) << c.a[0];
            EXPECT_EQ(o.U[1][1], -99.9999);
            EXPECT_EQ(o.U[2][2], this->untouched);
            EXPECT_FALSE(o.tag1);
            EXPECT_FALSE(o.tag2);
        }
    }
}

TYPED_TEST(LrTransformation, IterationLimitLeavesIterOnePastIt) {
    const Outcome o = this->solve({2, {2, 1, 1, 2}, generalTolerances({.eigvec = true, .itmax = 5})});
    EXPECT_EQ(o.iter, 6);
    EXPECT_TRUE(o.tag1) << "the sub-diagonal sum after 5 iterations is about 0.016";
    EXPECT_EQ(o.U[1][1], this->untouched);
    EXPECT_NEAR(o.eigenvalues[1] + o.eigenvalues[2], 4.0, 1e-12) << "the trace is kept";
    // The same limit converges when the tolerance allows it.
    const Outcome loose = this->solve({2, {2, 1, 1, 2}, {.itmax = 5, .eps1 = 0.1}});
    EXPECT_LE(loose.iter, 5);
}

TYPED_TEST(LrTransformation, ComplexPairNeverConverges) {
    // (2, -1; 1, 2) has the eigenvalues 2 +- i: the sub-diagonal never vanishes.
    const Outcome o = this->solve({2, {2, -1, 1, 2}, {.eigvec = true}});
    EXPECT_EQ(o.iter, 51);
    EXPECT_TRUE(o.tag1);
    EXPECT_FALSE(o.tag2);
}

TYPED_TEST(LrTransformation, ZeroIterationLimitLeavesIterAtOne) {
    const Outcome o = this->solve({2, {2, 1, 1, 2}, {.itmax = int16_t{0}}});
    EXPECT_EQ(o.iter, 1);
}

TYPED_TEST(LrTransformation, TooSmallMatrixIsSubscriptError) {
    typename TypeParam::Array a = matrixOf<TypeParam>(2, 2, {1, 0, 0, 2});
    typename TypeParam::Array b = matrixOf<TypeParam>(3, 3, {}), U = matrixOf<TypeParam>(3, 3, {});
    Variant tag1, tag2, iter;
    EXPECT_RUNTIME_ERROR(LrCall<TypeParam>::run(this->r, 3, a, b, U, tag1, tag2, iter, {}), 9);
}

TEST(LrTransformationDefaults, GeneralValueFormStopsBelowOneMillionth) {
    // Left out, the general-value tolerances are those given explicitly in the table above.
    VArray a = matrixOf<GeneralForm>(2, 2, {2, 1, 1, 2}), b = matrixOf<GeneralForm>(2, 2, {}),
           U = matrixOf<GeneralForm>(2, 2, {});
    Variant tag1, tag2, iter;
    ralvo::Ralvo::app().Rutishauser(int16_t{2}, a, b, U, tag1, tag2, iter);
    EXPECT_EQ(iter.toInteger(), 14);
    EXPECT_TRUE(U(1, 1).isEmpty()) << "eigenvectors are off by default";
}

TEST(LrTransformationDefaults, DoublePrecisionFormStopsBelowOneBillionth) {
    DArray a = matrixOf<DoubleForm>(2, 2, {2, 1, 1, 2}), b = matrixOf<DoubleForm>(2, 2, {}),
           U = matrixOf<DoubleForm>(2, 2, {});
    Variant tag1, tag2, iter;
    ralvo::Ralvo::app().Rutishauserd(int16_t{2}, a, b, U, tag1, tag2, iter, true);
    // The sub-diagonal element shrinks by the ratio 1/3 of the eigenvalues per iteration:
    // reaching 1e-9 takes more iterations than reaching 1e-6.
    EXPECT_GT(iter.toInteger(), 14);
    EXPECT_LE(iter.toInteger(), 50);
    EXPECT_NEAR(b(1, 1), 3.0, 1e-9);
    EXPECT_NEAR(b(2, 2), 1.0, 1e-9);
    EXPECT_NEAR(std::fabs(U(1, 1)), std::sqrt(0.5), 1e-9);
}

} // namespace
