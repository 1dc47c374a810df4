#include "RalvoC1/interpret/Interpret.h"
#include "TestSupport.h"

#include <string>

namespace {

using platform::Variant;
using platform::VArray;
using ralvo::Interpret;

// (x1 - 1)^2 + (x2 + Z1)^2 with Z1 = 2: the minimum 0 lies at (1, -2).
const std::string bowl = "(X[1]-1)^2+(X[2]+Z1)^2";

struct Start {
    VArray X{0, 2};
    VArray z{0, 10};
    Start() {
        X(1) = Variant(0.0);
        X(2) = Variant(0.0);
        z(1) = Variant(2.0);
    }
};

TEST(FminI, FindsTheMinimumOfAQuadraticText) {
    Start s;
    Variant itmax(int16_t{5}); // below 11: the limit is 2000
    const Variant f = Interpret().FminI(bowl, int16_t{2}, s.X, s.z, std::nullopt, &itmax);
    EXPECT_NEAR(f.toDouble(), 0.0, 1e-6);
    EXPECT_NEAR(s.X(1).toDouble(), 1.0, 1e-3);
    EXPECT_NEAR(s.X(2).toDouble(), -2.0, 1e-3);
    EXPECT_GT(itmax.toInteger(), 10) << "receives the number of trials";
    EXPECT_LT(itmax.toInteger(), 2000);
}

TEST(FminI, TrialLimitShowsTheFminMessageAndKeepsTheBestPoint) {
    testsupport::ScriptedBoxes boxes;
    boxes.answer(platform::answer::Ok);
    Start s;
    Variant itmax(int16_t{20});
    const Variant f = Interpret().FminI(bowl, int16_t{2}, s.X, s.z, std::nullopt, &itmax);
    EXPECT_EQ(itmax.toInteger(), 21);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].title, "FMIN");
    EXPECT_EQ(boxes.boxes()[0].text.rfind("Překročen max.počet iterací   20\r", 0), 0u)
        << boxes.boxes()[0].text;
    EXPECT_LT(f.toDouble(), 5.0) << "better than the start value 1 + 4";
    const double x1 = s.X(1).toDouble(), x2 = s.X(2).toDouble();
    EXPECT_DOUBLE_EQ(f.toDouble(), (x1 - 1) * (x1 - 1) + (x2 + 2) * (x2 + 2)) << "the value belongs to X";
}

TEST(Fmin1I, FindsTheMinimumOfAQuadraticTextAndLeavesTheCentroid) {
    Start s;
    Variant itmax(int16_t{0});
    const Variant f = Interpret().Fmin1I(bowl, int16_t{2}, s.X, s.z, std::nullopt, &itmax);
    EXPECT_NEAR(f.toDouble(), 0.0, 1e-6);
    EXPECT_NEAR(s.X(1).toDouble(), 1.0, 1e-2);
    EXPECT_NEAR(s.X(2).toDouble(), -2.0, 1e-2);
    EXPECT_GT(itmax.toInteger(), 0);
    EXPECT_LE(itmax.toInteger(), 1000);
}

TEST(Fmin1I, EndsAtTheIterationLimitWhenTheTestIsNeverMet) {
    // Eps 0 can never be met (the spread is never below 0): 1000 iterations, then the end.
    Start s;
    Variant itmax(int16_t{5});
    Interpret().Fmin1I(bowl, int16_t{2}, s.X, s.z, Variant(0.0), &itmax);
    EXPECT_EQ(itmax.toInteger(), 1001);
}

TEST(TextMinimisers, TooFewConstantsFailBeforeAnyEvaluation) {
    testsupport::ScriptedBoxes boxes; // the text would show a box if it were evaluated
    VArray X(0, 1), z(0, 9);
    EXPECT_RUNTIME_ERROR(Interpret().FminI("Q", int16_t{1}, X, z), platform::err::Subscript);
    EXPECT_RUNTIME_ERROR(Interpret().Fmin1I("Q", int16_t{1}, X, z), platform::err::Subscript);
}

TEST(TextMinimisers, FailingObjectiveShowsItsMessageOnceThenGoesQuiet) {
    // The first evaluation shows the message and leaves the mode at -2; all later ones of the
    // same solve stay silent. Every value is -9999, so every trial is a success.
    testsupport::ScriptedBoxes boxes;
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    VArray X(0, 1), z(0, 10);
    Variant itmax(int16_t{50});
    boxes.answer(platform::answer::Ok); // the FMIN box: growing steps never fall below EPSA
    const Variant f = Interpret().FminI("Q", int16_t{1}, X, z, std::nullopt, &itmax);
    EXPECT_EQ(f.toDouble(), -9999.0);
    Interpret().Fmin1I("Q", int16_t{1}, X, z, std::nullopt, &itmax);
    ASSERT_EQ(boxes.boxes().size(), 3u);
    EXPECT_EQ(boxes.boxes()[0].text, "Proměnná Q nenalezena!");
    EXPECT_EQ(boxes.boxes()[1].title, "FMIN");
    EXPECT_EQ(boxes.boxes()[2].text, "Proměnná Q nenalezena!");
}

} // namespace
