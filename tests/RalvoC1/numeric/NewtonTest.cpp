#include "Forms.h"
#include "TestSupport.h"

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace ralvotest;
using platform::RunTimeError;

//! Residuals on plain doubles: x[i] is X(i), f[i] is F(i); index 0 is not used.
using Formula = std::function<void(const std::vector<double>& x, std::vector<double>& f)>;

//! A function object serving both forms from one formula; it records every trial point.
class Problem : public ralvo::Uloha {
public:
    explicit Problem(Formula f) : m_formula(std::move(f)) {}
    void Fun(VArray& X, VArray& F, Variant& n, VArray&) override { evaluate(X, F, n); }
    void Fun(DArray& X, DArray& F, Variant& n, DArray&) override { evaluate(X, F, n); }

    std::vector<std::vector<double>> trials;

private:
    template <class Array> void evaluate(Array& X, Array& F, Variant& n) {
        std::vector<double> x(static_cast<size_t>(X.ubound()) + 1);
        for (int32_t i = 1; i <= X.ubound(); ++i)
            x[i] = toDouble(X(i));
        trials.push_back(x);
        std::vector<double> f(static_cast<size_t>(n.toInteger()) + 1);
        m_formula(x, f);
        for (int32_t i = 1; i <= n.toInteger(); ++i)
            F(i) = f[i];
    }
    Formula m_formula;
};

//! One solve: the problem, its size and start, and the optional arguments.
struct Task {
    Formula formula;
    int n;
    std::vector<double> start; // X(1..)
    std::vector<int16_t> ipom; // positions of the unknowns
    NewtonOptions options;
};

struct Outcome {
    int id;
    int iterations;
    std::vector<double> x; // X(1..) at the end, x[0] unused
    std::vector<std::vector<double>> trials;
};

template <class Form> Outcome solve(const Task& s, ralvo::Ralvo& r) {
    typename Form::Array X(0, static_cast<int32_t>(s.start.size()));
    for (size_t i = 0; i < s.start.size(); ++i)
        X(static_cast<int32_t>(i + 1)) = Form::number(s.start[i]);
    VArray ipom(0, static_cast<int32_t>(s.ipom.size()));
    for (size_t i = 0; i < s.ipom.size(); ++i)
        ipom(static_cast<int32_t>(i + 1)) = Variant(s.ipom[i]);
    typename Form::Array z(0, 1);
    Problem p(s.formula);
    Variant ID(int16_t{-1});
    const Variant k =
        Form::newton(r, p, Variant(int16_t(s.n)), Variant(int16_t(s.ipom.size())), X, ipom, z, ID, s.options);
    EXPECT_EQ(k.type(), platform::VarType::Integer) << "the count is a 16-bit integer";
    EXPECT_EQ(ID.type(), platform::VarType::Integer) << "ID is a 16-bit integer";
    Outcome o{ID.toInteger(), k.toInteger(), {0.0}, std::move(p.trials)};
    for (int32_t i = 1; i <= X.ubound(); ++i)
        o.x.push_back(toDouble(X(i)));
    return o;
}

template <class Form> Outcome solve(const Task& s) {
    ralvo::Ralvo r;
    return solve<Form>(s, r);
}

// Problems ------------------------------------------------------------------------------------

//! x^2 - 2 = 0, root sqrt(2).
void squareRootOfTwo(const std::vector<double>& x, std::vector<double>& f) {
    f[1] = x[1] * x[1] - 2;
}
//! x - 10 = 0: from 1 the first relative correction is 9.
void distantRoot(const std::vector<double>& x, std::vector<double>& f) {
    f[1] = x[1] - 10;
}
//! A residual independent of the unknown: the Jacobian is 0.
void constantResidual(const std::vector<double>&, std::vector<double>& f) {
    f[1] = 1;
}
//! x - 3 below 2, the constant 1 from 2 on: from 1 the steps go to 1.8 and 3, where the
//! Jacobian vanishes.
void flatBeyondTwo(const std::vector<double>& x, std::vector<double>& f) {
    f[1] = x[1] < 2 ? x[1] - 3 : 1;
}
//! x - 3 = 0, to be started from exactly 0 (a 0 degC estimate).
void rootAtThree(const std::vector<double>& x, std::vector<double>& f) {
    f[1] = x[1] - 3;
}
//! x^2 - 4 = 0 started from -1: the root -2 is negative.
void negativeRoot(const std::vector<double>& x, std::vector<double>& f) {
    f[1] = x[1] * x[1] - 4;
}
//! Two equations in one unknown, x = 1 and x = 3: least-squares solution 2.
void leastSquares(const std::vector<double>& x, std::vector<double>& f) {
    f[1] = x[1] - 1;
    f[2] = x[1] - 3;
}
//! A nonlinear system in three unknowns with the solution (1, 2, 3):
//! x^2 + y^2 + z^2 = 14, x y z = 6, x + y^2 = 5 (residuals checked by substitution).
void threeUnknowns(const std::vector<double>& x, std::vector<double>& f) {
    f[1] = x[1] * x[1] + x[2] * x[2] + x[3] * x[3] - 14;
    f[2] = x[1] * x[2] * x[3] - 6;
    f[3] = x[1] + x[2] * x[2] - 5;
}

Task oneUnknown(Formula f, double start, NewtonOptions o = {}) {
    return Task{std::move(f), 1, {start}, {1}, o};
}

// Outcomes: ID, iteration count, calls of Fun and the final point, on both forms ----------

struct OutcomeCase {
    const char* name;
    Task setup;
    int id;
    int iterations;
    double x1;        // expected X(1) at the end
    double tolerance; // 0: exactly
};
void PrintTo(const OutcomeCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

//! Calls of Fun for a call that ended with this ID after k iterations, Nunknown = N.
int expectedCalls(int id, int k, int N) {
    switch (id) {
    case 0:
        return 1 + (N + 1) * k;
    case 1:
        return 1 + (N + 1) * (k - 1); // k = NITER + 1
    default:
        return 1 + (N + 1) * (k - 1) + N;
    }
}

class NewtonOutcome : public ::testing::TestWithParam<OutcomeCase> {
protected:
    template <class Form> void check() {
        const OutcomeCase& c = GetParam();
        const Outcome o = solve<Form>(c.setup);
        EXPECT_EQ(o.id, c.id);
        EXPECT_EQ(o.iterations, c.iterations);
        EXPECT_EQ(static_cast<int>(o.trials.size()),
                  expectedCalls(c.id, c.iterations, static_cast<int>(c.setup.ipom.size())));
        if (c.tolerance == 0)
            EXPECT_EQ(o.x[1], c.x1);
        else
            EXPECT_NEAR(o.x[1], c.x1, c.tolerance);
    }
};

TEST_P(NewtonOutcome, GeneralValues) {
    check<GeneralForm>();
}
TEST_P(NewtonOutcome, DoublePrecision) {
    check<DoubleForm>();
}

const double sqrt2 = std::sqrt(2.0);

INSTANTIATE_TEST_SUITE_P(
    Table, NewtonOutcome,
    ::testing::Values(
        // 1.41421356237... = sqrt(2); with Eps 1e-5 the last correction leaves about 4e-10.
        OutcomeCase{"SquareRootOfTwo", oneUnknown(squareRootOfTwo, 1, {.Eps = 1e-5}), 0, 5, sqrt2, 1e-9},
        // The last relative correction is below 1e-5, and the forward-difference slope leaves
        // about h / 2x = 0.5 % of it: within 1e-7 of sqrt(2).
        OutcomeCase{"DampedSquareRoot", oneUnknown(squareRootOfTwo, 1, {.Eps = 1e-5, .ALAM = 0.1}), 0, 6,
                    sqrt2, 1e-7},
        // ALAM 3: damping factor 3 - Int(3) = 0, the unknown never moves.
        OutcomeCase{"WholeAlamAboveTwoNeverMoves", oneUnknown(squareRootOfTwo, 1, {.ALAM = int16_t{3}}), 1,
                    101, 1.0, 0},
        OutcomeCase{"ZeroAlamNeverMoves", oneUnknown(squareRootOfTwo, 1, {.ALAM = 0.0, .NITER = int16_t{3}}),
                    1, 4, 1.0, 0},
        OutcomeCase{"NoIterationAllowed", oneUnknown(squareRootOfTwo, 1, {.NITER = int16_t{0}}), 1, 1, 1.0,
                    0},
        OutcomeCase{"EpsZeroNeverConverges",
                    oneUnknown(squareRootOfTwo, 1, {.Eps = 0.0, .NITER = int16_t{20}}), 1, 21, sqrt2, 1e-12},
        OutcomeCase{"ResidualIndependentOfTheUnknown", oneUnknown(constantResidual, 1), 2, 1, 1.0, 0},
        // Steps 1 -> 1.8 (damped to 0.8 x 1) -> 3 (full); at 3 the Jacobian is 0.
        OutcomeCase{"JacobianVanishesInTheThirdIteration", oneUnknown(flatBeyondTwo, 1), 2, 3, 3.0, 1e-12},
        OutcomeCase{"UnknownStartingAtExactlyZero", oneUnknown(rootAtThree, 0), 0, 2, 3.0, 1e-12},
        // Every iterate is negative: convergence is judged on the absolute correction; the
        // error left after a correction below 1e-5 is far smaller than 1e-6.
        OutcomeCase{"NegativeRootIsReallySolved", oneUnknown(negativeRoot, -1, {.Eps = 1e-5}), 0, 5, -2.0,
                    1e-6},
        // Linear: one full step (relative 1/3 < 0.8) reaches 2, the second correction is ~0.
        OutcomeCase{"FewerUnknownsThanEquationsGiveLeastSquares", Task{leastSquares, 2, {1.5}, {1}, {}}, 0, 2,
                    2.0, 1e-12}),
    [](const auto& info) { return std::string(info.param.name); });

// Iterates and damping ------------------------------------------------------------------------

template <class Form> class NewtonSteps : public ::testing::Test {};
TYPED_TEST_SUITE(NewtonSteps, Forms);

//! The point after the step of iteration j (1-based), for Nunknown unknowns.
const std::vector<double>& stepPoint(const Outcome& o, int j, int N = 1) {
    return o.trials.at(static_cast<size_t>(j * (N + 1)));
}

TYPED_TEST(NewtonSteps, FirstIterationUsesTheForwardDifferenceSlope) {
    // h = 0.01 x 1; slope ((1.01^2 - 2) - (1 - 2)) / 0.01 = 2.01; correction -1 / 2.01,
    // relative 0.4975 < 0.8: full step.
    const Outcome o = solve<TypeParam>(oneUnknown(squareRootOfTwo, 1));
    EXPECT_EQ(o.trials.at(0)[1], 1.0);
    EXPECT_NEAR(o.trials.at(1)[1], 1.01, 1e-15);
    EXPECT_NEAR(stepPoint(o, 1)[1], 1.0 + 1.0 / 2.01, 1e-12);
}

TYPED_TEST(NewtonSteps, DampingLimitsTheRelativeChangeToAlam) {
    // ALAM 0.1: each step that the full correction would make larger is cut to 10 % of X.
    const Outcome o = solve<TypeParam>(oneUnknown(squareRootOfTwo, 1, {.ALAM = 0.1}));
    EXPECT_NEAR(stepPoint(o, 1)[1], 1.1, 1e-12);
    EXPECT_NEAR(stepPoint(o, 2)[1], 1.21, 1e-12);
    EXPECT_NEAR(stepPoint(o, 3)[1], 1.331, 1e-12);
    // Negative ALAM limits by its magnitude while no unknown is about to cross zero.
    const Outcome neg = solve<TypeParam>(oneUnknown(squareRootOfTwo, 1, {.ALAM = -0.1}));
    EXPECT_NEAR(stepPoint(neg, 1)[1], 1.1, 1e-12);
}

TYPED_TEST(NewtonSteps, DefaultAlamLimitsTheChangeToEightTenths) {
    // x - 10 from 1: correction -9, relative 9 >= 0.8, so X = 1 + 0.8 x 1.
    const Outcome o = solve<TypeParam>(oneUnknown(distantRoot, 1));
    EXPECT_NEAR(stepPoint(o, 1)[1], 1.8, 1e-12);
}

TYPED_TEST(NewtonSteps, AlamAboveTwoTakesItsFractionalPartOfEveryStep) {
    const Outcome big = solve<TypeParam>(oneUnknown(distantRoot, 1, {.ALAM = 2.25}));
    EXPECT_NEAR(stepPoint(big, 1)[1], 1.0 + 0.25 * 9.0, 1e-12);
    const Outcome small = solve<TypeParam>(oneUnknown(squareRootOfTwo, 1, {.ALAM = 2.25}));
    EXPECT_NEAR(stepPoint(small, 1)[1], 1.0 + 0.25 / 2.01, 1e-12);
}

TYPED_TEST(NewtonSteps, NegativeAlamStopsASmallUnknownAtZeroAndHalvesEveryStep) {
    // X(1) = 0.005 with the root -0.015 (correction 0.02 would carry it across zero) and
    // X(2) = 1 with the root 2 (correction -1). X(1) limits (relative 4), so with ALAM -0.5
    // it is set to 0 and every unknown moves by half its correction: X(1) = -0.01, X(2) = 1.5.
    Formula f = [](const std::vector<double>& x, std::vector<double>& r) {
        r[1] = x[1] + 0.015;
        r[2] = x[2] - 2;
    };
    const Outcome o = solve<TypeParam>(Task{f, 2, {0.005, 1}, {1, 2}, {.ALAM = -0.5}});
    EXPECT_NEAR(stepPoint(o, 1, 2)[1], -0.01, 1e-12);
    EXPECT_NEAR(stepPoint(o, 1, 2)[2], 1.5, 1e-12);
    EXPECT_EQ(o.id, 0);
    EXPECT_NEAR(o.x[1], -0.015, 1e-12);
    EXPECT_NEAR(o.x[2], 2.0, 1e-9);
}

TYPED_TEST(NewtonSteps, DifferenceStepIsRelativeWithAnAbsoluteFloor) {
    struct Case {
        double start;
        std::optional<double> delta;
        double perturbed;
    };
    for (const Case& c :
         {Case{1, std::nullopt, 1.01}, Case{1, 0.001, 1.001}, Case{0.005, std::nullopt, 0.0051},
          Case{0, std::nullopt, 1e-4}, Case{-2, std::nullopt, -1.98}}) {
        const Outcome o =
            solve<TypeParam>(oneUnknown(squareRootOfTwo, c.start, {.NITER = int16_t{1}, .Delta = c.delta}));
        EXPECT_NEAR(o.trials.at(1)[1], c.perturbed, 1e-15) << "start " << c.start;
    }
}

//! The iteration must stop at the first step whose relative correction (full steps here)
//! falls below eps, and not before.
void expectStopsAtFirstCorrectionBelow(const Outcome& o, double eps) {
    ASSERT_EQ(o.id, 0);
    for (int j = 1; j <= o.iterations; ++j) {
        const double before = stepPoint(o, j - 1)[1], after = stepPoint(o, j)[1];
        const double relative = std::fabs((before - after) / before);
        if (j < o.iterations)
            EXPECT_GE(relative, eps) << "iteration " << j;
        else
            EXPECT_LT(relative, eps) << "iteration " << j;
    }
}

TEST(NewtonDefaults, GeneralValueFormStopsBelowOneHundredThousandth) {
    const Outcome o = solve<GeneralForm>(oneUnknown(squareRootOfTwo, 1));
    EXPECT_EQ(o.iterations, 5);
    EXPECT_EQ(o.trials.size(), 11u);
    expectStopsAtFirstCorrectionBelow(o, 1e-5);
}

TEST(NewtonDefaults, DoublePrecisionFormStopsBelowOneHundredBillionth) {
    const Outcome o = solve<DoubleForm>(oneUnknown(squareRootOfTwo, 1));
    expectStopsAtFirstCorrectionBelow(o, 1e-11);
    EXPECT_NEAR(o.x[1], sqrt2, 1e-14);
}

TEST(NewtonTwins, GiveTheSameIterates) {
    const Task s{threeUnknowns, 3, {1.5, 1.5, 2.5}, {1, 2, 3}, {.Eps = 1e-9}};
    const Outcome g = solve<GeneralForm>(s), d = solve<DoubleForm>(s);
    ASSERT_EQ(g.trials.size(), d.trials.size());
    for (size_t t = 0; t < g.trials.size(); ++t)
        for (size_t i = 1; i <= 3; ++i)
            EXPECT_DOUBLE_EQ(g.trials[t][i], d.trials[t][i]) << "call " << t << ", X(" << i << ")";
    EXPECT_EQ(g.iterations, d.iterations);
    EXPECT_EQ(g.id, 0);
    std::vector<double> f(4);
    threeUnknowns(g.x, f);
    for (int i = 1; i <= 3; ++i)
        EXPECT_NEAR(f[i], 0.0, 1e-9) << "residual " << i;
    EXPECT_NEAR(g.x[1], 1.0, 1e-9);
    EXPECT_NEAR(g.x[2], 2.0, 1e-9);
    EXPECT_NEAR(g.x[3], 3.0, 1e-9);
}

TEST(NewtonApplicationObject, IsOneInstanceAndKeepsNothingBetweenCalls) {
    EXPECT_EQ(&ralvo::Ralvo::app(), &ralvo::Ralvo::app());
    const Task s = oneUnknown(squareRootOfTwo, 1, {.ALAM = 0.1});
    const Outcome first = solve<GeneralForm>(s, ralvo::Ralvo::app());
    const Outcome second = solve<GeneralForm>(s, ralvo::Ralvo::app());
    EXPECT_EQ(first.trials, second.trials);
    EXPECT_EQ(first.iterations, second.iterations);
}

// Faults: no infinity or not-a-number, no division by an unknown of 0 -------------------------

template <class Form> class NewtonFailures : public ::testing::Test {};
TYPED_TEST_SUITE(NewtonFailures, Forms);

TYPED_TEST(NewtonFailures, NonFiniteResidualRaisesOverflowInsteadOfConverging) {
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    for (double bad : {nan, inf}) {
        // Finite at the start, not finite at the perturbed point.
        Formula f = [bad](const std::vector<double>& x, std::vector<double>& r) {
            r[1] = x[1] > 1 ? bad : 1.0;
        };
        EXPECT_RUNTIME_ERROR(solve<TypeParam>(oneUnknown(f, 1)), 6) << bad;
    }
}

TYPED_TEST(NewtonFailures, ZeroAlamWithoutQualifyingUnknownIsOverflow) {
    // No unknown of 1e-4 or more: the largest relative correction is 0, and ALAM 0 makes the
    // damping factor 0 / 0.
    EXPECT_RUNTIME_ERROR(solve<TypeParam>(oneUnknown(negativeRoot, -1, {.ALAM = 0.0})), 6);
}

TYPED_TEST(NewtonFailures, MoreUnknownsThanEquationsIsSubscriptError) {
    Formula f = [](const std::vector<double>& x, std::vector<double>& r) { r[1] = x[1] + x[2]; };
    EXPECT_RUNTIME_ERROR(solve<TypeParam>(Task{f, 1, {1, 1}, {1, 2}, {}}), 9);
}

TYPED_TEST(NewtonFailures, IterationCounterBeyondSixteenBitsIsOverflow) {
    // F = X with ALAM 3: the unknown never moves and never converges; the 32768th
    // iteration cannot be counted.
    struct Identity : ralvo::Uloha {
        void Fun(VArray& X, VArray& F, Variant&, VArray&) override { F(1) = X(1); }
        void Fun(DArray& X, DArray& F, Variant&, DArray&) override { F(1) = X(1); }
    } identity;
    typename TypeParam::Array X = vectorOf<TypeParam>({1}), z = vectorOf<TypeParam>({});
    VArray ipom = indexOf({1});
    Variant ID;
    ralvo::Ralvo r;
    EXPECT_RUNTIME_ERROR(TypeParam::newton(r, identity, int16_t{1}, int16_t{1}, X, ipom, z, ID,
                                           {.ALAM = int16_t{3}, .NITER = int32_t{40000}}),
                         6);
}

// Callback contract ---------------------------------------------------------------------------

//! Checks that Fun gets the caller's own X and z and the solver's n = 2, and evaluates
//! u + v - z(1) - X(2) + 4 and u - v + X(4) with u = X(1), v = X(3).
template <class Form> struct CallerArrays : ralvo::Uloha {
    using Array = typename Form::Array;
    Array* X = nullptr;
    Array* z = nullptr;
    bool sameArrays = true;

    void evaluate(Array& X_, Array& F, Variant& n, Array& z_) {
        sameArrays = sameArrays && &X_ == X && &z_ == z && n.toInteger() == 2 && F.lbound() == 0;
        const double u = toDouble(X_(1)), v = toDouble(X_(3));
        F(1) = u + v - toDouble(z_(1)) - toDouble(X_(2)) + 4;
        F(2) = u - v + toDouble(X_(4));
    }
    void Fun(Array& X_, Array& F, Variant& n, Array& z_) override { evaluate(X_, F, n, z_); }
};

template <class Form> class NewtonCallback : public ::testing::Test {
protected:
    using Array = typename Form::Array;
    Array X = vectorOf<Form>({1});
    Array z = vectorOf<Form>({});
    VArray ipom = indexOf({1});
    Variant ID = Variant(int16_t{7});
    ralvo::Ralvo r;
};
TYPED_TEST_SUITE(NewtonCallback, Forms);

TYPED_TEST(NewtonCallback, MissingMemberRaises438AfterIdIsZero) {
    struct Nothing : ralvo::Uloha {
    } nothing;
    EXPECT_RUNTIME_ERROR(
        TypeParam::newton(this->r, nothing, int16_t{1}, int16_t{1}, this->X, this->ipom, this->z, this->ID),
        438);
    EXPECT_TRUE(this->ID.identical(Variant(int16_t{0})));
}

TYPED_TEST(NewtonCallback, ErrorInFunReachesTheCallerUnchangedWithXAtItsPoint) {
    // The property library's error, raised at the perturbed point of the first iteration.
    struct Failing : ralvo::Uloha {
        int calls = 0;
        void fail() {
            if (++calls == 2) throw RunTimeError(-2147220904, "Smes.CPG", "Teplota mimo rozsah");
        }
        void Fun(VArray&, VArray& F, Variant&, VArray&) override {
            fail();
            F(1) = Variant(1.0);
        }
        void Fun(DArray&, DArray& F, Variant&, DArray&) override {
            fail();
            F(1) = 1.0;
        }
    } failing;
    try {
        TypeParam::newton(this->r, failing, int16_t{1}, int16_t{1}, this->X, this->ipom, this->z, this->ID);
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), -2147220904);
        EXPECT_EQ(e.source(), "Smes.CPG");
        EXPECT_EQ(e.description(), "Teplota mimo rozsah");
    }
    EXPECT_NEAR(toDouble(this->X(1)), 1.01, 1e-15);
}

TYPED_TEST(NewtonCallback, FunWorksOnTheCallersOwnArrays) {
    // X(1..4) = (u, 5, v, 7) with the unknowns at positions 3 and 1 (ipom = 3, 1) and z(1) = 4:
    // u + v = z(1) + X(2) - 4 = 5 and u - v = -X(4) = -7 give u = -1, v = 6. X(2), X(4), z and
    // the elements 0 must stay as they are.
    using Array = typename TypeParam::Array;
    CallerArrays<TypeParam> g;
    Array X = vectorOf<TypeParam>({0.5, 5, 2, 7});
    Array z = vectorOf<TypeParam>({4});
    X(0) = TypeParam::sentinel();
    z(0) = TypeParam::sentinel();
    g.X = &X;
    g.z = &z;
    VArray ipom = indexOf({3, 1});
    TypeParam::newton(this->r, g, int16_t{2}, int16_t{2}, X, ipom, z, this->ID);
    EXPECT_TRUE(g.sameArrays);
    EXPECT_EQ(this->ID.toInteger(), 0);
    EXPECT_NEAR(toDouble(X(1)), -1.0, 1e-9);
    EXPECT_NEAR(toDouble(X(3)), 6.0, 1e-9);
    EXPECT_EQ(toDouble(X(2)), 5.0);
    EXPECT_EQ(toDouble(X(4)), 7.0);
    EXPECT_EQ(toDouble(z(1)), 4.0);
    EXPECT_TRUE(TypeParam::isSentinel(X(0)));
    EXPECT_TRUE(TypeParam::isSentinel(z(0)));
}

TEST(NewtonCallbackForms, ObjectServingOnlyTheGeneralFormRaises438InTheTwin) {
    struct GeneralOnly : ralvo::Uloha {
        using ralvo::Uloha::Fun;
        void Fun(VArray&, VArray& F, Variant&, VArray&) override { F(1) = Variant(0.0); }
    } g;
    DArray X = vectorOf<DoubleForm>({1}), z = vectorOf<DoubleForm>({});
    VArray ipom = indexOf({1});
    Variant ID;
    ralvo::Ralvo r;
    EXPECT_RUNTIME_ERROR(r.Newtond(g, int16_t{1}, int16_t{1}, Variant(), X, ipom, z, ID), 438);
}

//! A model object in the manner of the condenser's: its residual member is FUN, which the
//! program also calls directly; Uloha's Fun serves the solver through it.
class CondenserLikeModel : public ralvo::Uloha {
public:
    void FUN(VArray& xx, VArray& FF, Variant& N, VArray& z) {
        ++calls;
        FF(1) = xx(1) * xx(1) - z(1);
        EXPECT_EQ(N.toInteger(), 1);
    }
    void Fun(VArray& X, VArray& F, Variant& n, VArray& z) override { FUN(X, F, n, z); }
    int calls = 0;
};

TEST(NewtonCallbackForms, ModelWhoseMemberIsSpelledFUNIsServed) {
    CondenserLikeModel model;
    VArray xx = vectorOf<GeneralForm>({1}), z = vectorOf<GeneralForm>({2});
    VArray ipom = indexOf({1});
    Variant ID;
    const Variant k = ralvo::Ralvo::app().Newton(model, int16_t{1}, int16_t{1}, int16_t{8}, xx, ipom, z, ID);
    EXPECT_EQ(ID.toInteger(), 0);
    EXPECT_EQ(k.toInteger(), 5);
    EXPECT_EQ(model.calls, 11);
    EXPECT_NEAR(xx(1).toDouble(), sqrt2, 1e-9);
}

TEST(NewtonCallbackForms, UlohaDefaultsRaise438ForEveryMember) {
    ralvo::Uloha u;
    VArray v(0, 1);
    DArray d(0, 1);
    Variant n, x;
    double xd = 0;
    EXPECT_RUNTIME_ERROR(u.Fun(v, v, n, v), 438);
    EXPECT_RUNTIME_ERROR(u.Fun(d, d, n, d), 438);
    EXPECT_RUNTIME_ERROR(u.FKT(n, x, v, v, v), 438);
    EXPECT_RUNTIME_ERROR(u.FKT(n, xd, d, d, d), 438);
    EXPECT_RUNTIME_ERROR(u.F(v), 438);
    EXPECT_RUNTIME_ERROR(u.F(d), 438);
}

} // namespace
