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

//! The state vector Y(0..20) with y(1..) from index 1.
VArray state(std::initializer_list<double> y) {
    VArray Y(0, 20);
    int32_t i = 1;
    for (double v : y)
        Y(i++) = Variant(v);
    return Y;
}

//! y' = y in code, the reference for the text X[1].
class Growth : public ralvo::Uloha {
public:
    void FKT(Variant& nn, Variant&, VArray& Y, VArray& DY, VArray&) override {
        for (int32_t i = 1; i <= nn.toLong(); ++i)
            DY(i) = Variant(Y(i).toDouble());
    }
};

class RkmIFixture : public ::testing::Test {
protected:
    void integrate(const Texts& Rov, int nn, double from, double to, VArray& Y, double delta) {
        xb = Variant(from);
        xe = Variant(to);
        ip.RkmI(Rov, int16_t(nn), xb, xe, Y, Variant(delta), Star, zz);
    }
    Interpret ip;
    VArray zz{0, 10};
    Variant xb, xe, Star = Variant(int16_t{1});
};

TEST_F(RkmIFixture, GrowthFromOneReachesE) {
    VArray Y = state({1.0});
    integrate(texts({"X[1]"}), 1, 0.0, 1.0, Y, 1e-6);
    EXPECT_NEAR(Y(1).toDouble(), std::exp(1.0), 1e-5) << "y = e^x";
    EXPECT_EQ(xb.toDouble(), 1.0);
    EXPECT_EQ(Star.toDouble(), -1.0) << "the step was adapted";
    EXPECT_EQ(Y(0).toDouble(), 1.0) << "x of the last evaluation";
    EXPECT_NE(Y(11).toDouble(), 0.0) << "the last derivative evaluated";
}

TEST_F(RkmIFixture, TakesTheStepsOfRkmAlsoWhenContinued) {
    // The text X[1] and the code y' = y in the integrator itself, over [0, 1] and then [1, 2].
    ralvo::Ralvo r;
    Growth g;
    VArray Yr = state({1.0}), Y = state({1.0});
    Variant xr(0.0), xer(1.0), Sr(int16_t{1});
    r.Rkm(g, int16_t{1}, xr, xer, Yr, Variant(1e-6), Sr, zz);
    integrate(texts({"X[1]"}), 1, 0.0, 1.0, Y, 1e-6);
    EXPECT_EQ(Y(1).toDouble(), Yr(1).toDouble());
    xr = Variant(1.0);
    xer = Variant(2.0);
    r.Rkm(g, int16_t{1}, xr, xer, Yr, Variant(1e-6), Sr, zz);
    integrate(texts({"X[1]"}), 1, 1.0, 2.0, Y, 1e-6);
    EXPECT_EQ(Y(1).toDouble(), Yr(1).toDouble());
    EXPECT_NEAR(Y(1).toDouble(), std::exp(2.0), 1e-4);
    EXPECT_EQ(Star.toDouble(), Sr.toDouble());
}

TEST_F(RkmIFixture, ConstantDerivativeIsOneStep) {
    VArray Y = state({1.0});
    integrate(texts({"2"}), 1, 0.0, 3.0, Y, 1e-6);
    EXPECT_EQ(Y(1).toDouble(), 7.0);
    EXPECT_EQ(Star.toInteger(), 1) << "no adaptation";
}

TEST_F(RkmIFixture, LaterTextReadsTheDerivativeJustComputed) {
    // y1' = 2x, y2' = y1' (read as X[11]), Z1 = 3 added to y3' = Z1: y1 = y2 = x^2, y3 = 3x.
    VArray Y = state({0.0, 0.0, 0.0});
    zz(1) = Variant(3.0);
    integrate(texts({"2*X[0]", "X[11]", "Z1"}), 3, 0.0, 1.0, Y, 1e-8);
    EXPECT_NEAR(Y(1).toDouble(), 1.0, 1e-12);
    EXPECT_NEAR(Y(2).toDouble(), 1.0, 1e-12);
    EXPECT_NEAR(Y(3).toDouble(), 3.0, 1e-12);
}

TEST_F(RkmIFixture, EmptyIntervalChangesNothing) {
    VArray Y = state({1.5});
    integrate(texts({"X[1]"}), 1, 0.5, 0.5, Y, 1e-6);
    EXPECT_EQ(Y(1).toDouble(), 1.5);
    EXPECT_EQ(xb.toDouble(), 0.5);
}

TEST_F(RkmIFixture, MoreThanTenEquationsAreRefusedWithTheirMessage) {
    testsupport::ScriptedBoxes boxes;
    boxes.answer(platform::answer::Ok);
    VArray Y = state({1.0});
    Texts Rov(0, 11);
    integrate(Rov, 11, 0.0, 1.0, Y, 1e-6);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "RkmI: počet rovnic > 10 ");
    EXPECT_EQ(boxes.boxes()[0].title, "Interpret");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(Star.toDouble(), -9999.0);
    EXPECT_EQ(xb.toDouble(), 0.0);
    EXPECT_EQ(Y(1).toDouble(), 1.0);
}

TEST_F(RkmIFixture, StepLimitStopsAtTheLastAcceptedPointAndIsReported) {
    // y' jumps from -1e6 to +1e6 at x = 0.5: no step across the jump, not even the smallest,
    // meets the tolerance, so the call ends at its step limit just before the jump.
    VArray Y = state({0.0});
    integrate(texts({"SGN(X[0]-0.5)*1E6"}), 1, 0.0, 1.0, Y, 1e-4);
    EXPECT_EQ(Star.toDouble(), -9999.0);
    EXPECT_LT(xb.toDouble(), 0.5);
    EXPECT_GT(xb.toDouble(), 0.49);
    EXPECT_NEAR(Y(1).toDouble(), -1e6 * xb.toDouble(), 1e-3) << "the state at xb: y = -1e6 x";
}

struct UnreadableCase {
    const char* text;
    size_t boxes; //!< messages of the first failed evaluation in mode 0
};

// A text that cannot be evaluated gave -9999 as its derivative and the integration went on
// (one message per evaluation for an unknown name): the first failure now ends the call at
// the last accepted point, reported as the step limit is.
TEST_F(RkmIFixture, TextThatCannotBeEvaluatedStopsAtTheLastAcceptedPoint) {
    const UnreadableCase cases[] = {{"@@", 0}, {"X[1]+", 0}, {"Q*X[1]", 1}, {"X[-1]", 1}, {"SQR(-1)", 1}};
    for (const UnreadableCase& c : cases) {
        testsupport::ScriptedBoxes boxes;
        for (size_t k = 0; k < c.boxes; ++k)
            boxes.answer(platform::answer::Ok);
        VArray Y = state({1.0});
        Star = Variant(int16_t{1});
        integrate(texts({c.text}), 1, 0.0, 1.0, Y, 1e-6);
        EXPECT_EQ(Star.toDouble(), -9999.0) << c.text;
        EXPECT_EQ(xb.toDouble(), 0.0) << c.text;
        EXPECT_EQ(Y(1).toDouble(), 1.0) << c.text;
        EXPECT_EQ(boxes.boxes().size(), c.boxes) << c.text;
    }
    // A text that fails only later keeps the steps accepted before: y' = y until x = 0.5,
    // from the smallest step on (Star 0 continues with the kept step, here the first one).
    VArray Y = state({1.0});
    Star = Variant(int16_t{0});
    integrate(texts({"X[1]+LN(0.5-X[0])-LN(0.5-X[0])"}), 1, 0.0, 1.0, Y, 1e-6);
    EXPECT_EQ(Star.toDouble(), -9999.0);
    EXPECT_GT(xb.toDouble(), 0.0);
    EXPECT_LE(xb.toDouble(), 0.5);
    EXPECT_NEAR(Y(1).toDouble(), std::exp(xb.toDouble()), 1e-5) << "the state at xb: y = e^x";
}

TEST_F(RkmIFixture, TooFewConstantsFailBeforeAnyEvaluation) {
    VArray Y = state({1.0}), z9(0, 9);
    xb = Variant(0.0);
    xe = Variant(1.0);
    EXPECT_RUNTIME_ERROR(ip.RkmI(texts({"X[1]"}), int16_t{1}, xb, xe, Y, Variant(1e-6), Star, z9),
                         platform::err::Subscript);
    EXPECT_EQ(Y(0).toDouble(), 0.0);
}

} // namespace
