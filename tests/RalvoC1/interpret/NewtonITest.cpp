#include "RalvoC1/interpret/Interpret.h"
#include "TestSupport.h"

#include <cmath>
#include <initializer_list>
#include <string>

namespace {

using platform::Variant;
using platform::VArray;
using ralvo::Interpret;
using ralvo::Texts;

Texts texts(std::initializer_list<std::string> items) {
    Texts t(0, static_cast<int32_t>(items.size()));
    int32_t i = 1;
    for (const auto& s : items)
        t(i++) = s;
    return t;
}

VArray vector(std::initializer_list<double> values) {
    VArray v(0, static_cast<int32_t>(values.size()));
    int32_t i = 1;
    for (double x : values)
        v(i++) = Variant(x);
    return v;
}

VArray positions(std::initializer_list<int16_t> items) {
    VArray v(0, static_cast<int32_t>(items.size()));
    int32_t i = 1;
    for (int16_t p : items)
        v(i++) = Variant(p);
    return v;
}

//! The constants Z1..Z10 with Z1 = z1 and the others 0.
VArray constants(double z1 = 0.0) {
    VArray z(0, 10);
    z(1) = Variant(z1);
    return z;
}

//! F(1) = X(1)^2 - 4 written in code, with the power the evaluator forms.
class SquareMinusFour : public ralvo::Uloha {
public:
    void Fun(VArray& X, VArray& F, Variant&, VArray&) override {
        F(1) = Variant(std::pow(X(1).toDouble(), 2.0) - 4.0);
    }
};

struct Outcome {
    Variant k;
    Variant ID;
    double x;
};

Outcome newtonI(int16_t niter, std::optional<Variant> alam = std::nullopt) {
    Interpret ip;
    Texts Rov = texts({"X[1]^2-4"});
    VArray X = vector({1.0}), ipom = positions({1}), z = constants();
    Variant ID;
    Variant k = ip.NewtonI(Rov, int16_t{1}, int16_t{1}, int16_t{0}, X, ipom, z, ID, std::nullopt, alam,
                           Variant(niter));
    return {k, ID, X(1).toDouble()};
}

TEST(NewtonI, ReachesTheRootWithTheIteratesOfNewton) {
    const Outcome solved = newtonI(100);
    EXPECT_EQ(solved.ID.toInteger(), 0);
    EXPECT_NEAR(solved.x, 2.0, 1e-6) << "the root of x^2 - 4";
    // Each iterate: the run stopped after k iterations holds it in X.
    for (int16_t k = 1; k <= solved.k.toInteger(); ++k) {
        ralvo::Ralvo r;
        SquareMinusFour g;
        VArray X = vector({1.0}), ipom = positions({1}), z = constants();
        Variant ID;
        const Variant count = r.Newton(g, int16_t{1}, int16_t{1}, int16_t{0}, X, ipom, z, ID, std::nullopt,
                                       std::nullopt, Variant(k));
        const Outcome text = newtonI(k);
        EXPECT_EQ(text.x, X(1).toDouble()) << "iterate " << k;
        EXPECT_EQ(text.k.toInteger(), count.toInteger()) << "iterate " << k;
        EXPECT_EQ(text.ID.toInteger(), ID.toInteger()) << "iterate " << k;
    }
}

TEST(NewtonI, FirstStepIsTheDampedGaussNewtonStep) {
    // x = 1: F = -3, forward difference with h = 0.01: (1.01^2 - 1) / 0.01 = 2.01,
    // full correction d = -3 / 2.01, relative step |d| = 1.4925.
    const double d = -3.0 / 2.01;
    EXPECT_NEAR(newtonI(1, Variant(3.5)).x, 1.0 - 0.5 * d, 1e-12) << "ALAM 3.5: half of every step";
    EXPECT_NEAR(newtonI(1, Variant(0.8)).x, 1.8, 1e-12) << "ALAM 0.8: at most 80 % of the value";
    EXPECT_NEAR(newtonI(1, Variant(2.0)).x, 1.0 - d, 1e-12) << "ALAM 2: the full step";
    const Outcome limited = newtonI(1);
    EXPECT_EQ(limited.ID.toInteger(), 1) << "NITER 1 is not enough";
    EXPECT_EQ(limited.k.toInteger(), 2);
}

TEST(NewtonI, SolvesASystemWithConstants) {
    // x^2 + y^2 = Z1 = 8, x = y: (2, 2).
    Interpret ip;
    Texts Rov = texts({"X[1]^2+X[2]^2-Z1", "X[1]-X[2]"});
    VArray X = vector({1.0, 1.5}), ipom = positions({1, 2}), z = constants(8.0);
    Variant ID;
    ip.NewtonI(Rov, int16_t{2}, int16_t{2}, int16_t{0}, X, ipom, z, ID);
    EXPECT_EQ(ID.toInteger(), 0);
    EXPECT_NEAR(X(1).toDouble(), 2.0, 1e-5);
    EXPECT_NEAR(X(2).toDouble(), 2.0, 1e-5);
}

TEST(NewtonI, ResidualIndependentOfTheUnknownsHasNoLinearStep) {
    Interpret ip;
    Texts Rov = texts({"Z1-X[2]"});
    VArray X = vector({1.0, 3.0}), ipom = positions({1}), z = constants(5.0);
    Variant ID;
    const Variant k = ip.NewtonI(Rov, int16_t{1}, int16_t{1}, int16_t{0}, X, ipom, z, ID);
    EXPECT_EQ(ID.toInteger(), 2);
    EXPECT_EQ(k.toInteger(), 1);
    EXPECT_EQ(X(1).toDouble(), 1.0);
}

TEST(NewtonI, TooFewConstantsFailBeforeAnyEvaluation) {
    testsupport::ScriptedBoxes boxes; // the text would show a box if it were evaluated
    Interpret ip;
    Texts Rov = texts({"Q"});
    VArray X = vector({1.0}), ipom = positions({1}), z(0, 9);
    Variant ID(int16_t{7});
    EXPECT_RUNTIME_ERROR(ip.NewtonI(Rov, int16_t{1}, int16_t{1}, int16_t{0}, X, ipom, z, ID),
                         platform::err::Subscript);
    EXPECT_EQ(ID.toInteger(), 7);
}

TEST(NewtonI, EachEvaluationStartsInFullMessageModeAndPassesItsModeOn) {
    // Q fails with its message; R, evaluated in the mode Q left, fails silently. The residuals
    // do not depend on X(1), so the solve ends in the first iteration after two evaluations.
    testsupport::ScriptedBoxes boxes;
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    Interpret ip;
    Texts Rov = texts({"Q", "R"});
    VArray X = vector({1.0}), ipom = positions({1}), z = constants();
    Variant ID;
    ip.NewtonI(Rov, int16_t{2}, int16_t{1}, int16_t{0}, X, ipom, z, ID);
    EXPECT_EQ(ID.toInteger(), 2);
    ASSERT_EQ(boxes.boxes().size(), 2u);
    for (const auto& box : boxes.boxes())
        EXPECT_EQ(box.text, "Proměnná Q nenalezena!");
}

} // namespace
