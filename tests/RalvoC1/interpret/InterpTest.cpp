#include "RalvoC1/interpret/Interpret.h"
#include "TestSupport.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

using platform::Variant;
using platform::VArray;
using ralvo::Interpret;
namespace code = ralvo::ipokCode;

constexpr double pi = std::numbers::pi;
constexpr double failed = -9999.0;
// The interpreter's pi is 3.14159265358979, 3.2e-15 below the true value.
constexpr double piTolerance = 1e-13;

//! A name table of rows 0..n whose rows 1..n hold (name, value).
VArray table(const std::vector<std::pair<std::string, Variant>>& rows) {
    VArray Pr(0, static_cast<int32_t>(rows.size()), 0, 2);
    for (size_t i = 0; i < rows.size(); ++i) {
        Pr(static_cast<int32_t>(i + 1), 1) = Variant(rows[i].first);
        Pr(static_cast<int32_t>(i + 1), 2) = rows[i].second;
    }
    return Pr;
}

//! The vector Y(0..5) = 0, 1.5, 3, 4, 8, 9.
VArray vector05() {
    VArray Y(0, 5);
    const double values[] = {0, 1.5, 3, 4, 8, 9};
    for (int32_t i = 0; i <= 5; ++i)
        Y(i) = Variant(values[i]);
    return Y;
}

class Evaluator : public ::testing::Test {
protected:
    //! The value of s in mode `mode`; the outcome code goes to `ipok`.
    double eval(const std::string& s, int16_t mode = -2) {
        ipok = mode;
        const Variant v = interpret.Interp(s, ipok, Pr, Y);
        EXPECT_EQ(v.type(), platform::VarType::Double) << s;
        return v.toDouble();
    }

    Interpret interpret;
    VArray Pr = table({{"Z1", Variant(5.0)}, {"ALFA", Variant(0.5)}});
    VArray Y = vector05();
    int16_t ipok = 0;
};

// --- Values -------------------------------------------------------------------------------

struct ValueCase {
    std::string text;
    double expected; // computed here from the formula, not by the interpreter
    double tolerance;
};
void PrintTo(const ValueCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class Values : public Evaluator, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(Values, EvaluateToTheirFormula) {
    const ValueCase& c = GetParam();
    EXPECT_NEAR(eval(c.text), c.expected, c.tolerance) << c.text;
    EXPECT_EQ(ipok, 0) << c.text << ": success gives 0 whatever mode came in";
}

INSTANTIATE_TEST_SUITE_P(Precedence, Values,
                         ::testing::Values(ValueCase{"1+2*3", 7, 0}, ValueCase{"1-2*3^2+4", -13, 0},
                                           ValueCase{"2^3*2^2", 32, 0}, ValueCase{"2*3^2", 18, 0},
                                           ValueCase{"8/2/2", 2, 0}, ValueCase{"2^3^2", 64, 0},
                                           ValueCase{"2-3-4", -5, 0}, ValueCase{"8/2*2", 8, 0},
                                           ValueCase{"2+3*4^2/8", 8, 0}, ValueCase{"2^2*3^2", 36, 0},
                                           ValueCase{"1+2-3+4-5", -1, 0}, ValueCase{"((((1+1))))*3", 6, 0},
                                           ValueCase{"2*(3+4)-(5-1)/2", 12, 0}));

INSTANTIATE_TEST_SUITE_P(LeadingSign, Values,
                         ::testing::Values(ValueCase{"-2^2", 4, 0}, ValueCase{"-(2+3)*4", -20, 0},
                                           ValueCase{"2*(-3)", -6, 0}, ValueCase{"-2*3", -6, 0},
                                           ValueCase{"-2+3", 1, 0}, ValueCase{"-2-3", -5, 0},
                                           ValueCase{"-(-2)", 2, 0}, ValueCase{"-9999", failed, 0},
                                           ValueCase{"EQ(-3)^2", 9, 0}, ValueCase{"-Z1", -5, 0}));

INSTANTIATE_TEST_SUITE_P(
    Numbers, Values,
    ::testing::Values(ValueCase{"2,5*2", 5, 0}, ValueCase{"1.5E-3*1000", 1.5, 1e-15},
                      ValueCase{"1.5e+3-1", 1499, 0}, ValueCase{"2E2", 200, 0},
                      // a D exponent is an exponent, not a subtraction
                      ValueCase{"1D-3*1000", 1, 1e-15}, ValueCase{"1d+2", 100, 0},
                      // an exponent after the decimal point, written either way
                      ValueCase{"1.E-3*1000", 1, 1e-15}, ValueCase{"2,E+2", 200, 0}, ValueCase{".25*4", 1, 0},
                      ValueCase{"3.", 3, 0},
                      // lenient reading stops at the first character that cannot continue
                      ValueCase{"1.5.3+1", 2.5, 0}, ValueCase{"2kg*3", 6, 0}));

INSTANTIATE_TEST_SUITE_P(NamesAndElements, Values,
                         ::testing::Values(ValueCase{"z1*2", 10, 0}, ValueCase{"Z1*ALFA", 2.5, 0},
                                           ValueCase{"alfa", 0.5, 0}, ValueCase{"X[2]+1", 4, 0},
                                           ValueCase{"A[2]", 3, 0}, ValueCase{"[4]", 8, 0},
                                           ValueCase{"X[0]", 0, 0}, ValueCase{"X[1]*X[3]", 6, 0},
                                           // the index is rounded, a half to the even neighbour
                                           ValueCase{"X[2.4]", 3, 0}, ValueCase{"X[2.5]", 3, 0},
                                           ValueCase{"X[3.5]", 8, 0},
                                           // a sign right after "[" belongs to the index
                                           ValueCase{"X[+2]-1", 2, 0}, ValueCase{"X[-0]+1", 1, 0}));

INSTANTIATE_TEST_SUITE_P(
    Functions, Values,
    ::testing::Values(
        ValueCase{"EXP(1)", std::exp(1.0), 1e-15}, ValueCase{"SQR(2)", std::sqrt(2.0), 1e-15},
        ValueCase{"SQR(0)", 0, 0}, ValueCase{"LN(10)", std::log(10.0), 1e-15},
        ValueCase{"LOG(1000)", 3, 1e-14}, ValueCase{"LOG10(0.01)", -2, 1e-14}, ValueCase{"sin(0)", 0, 0},
        ValueCase{"Cos(0)", 1, 0}, ValueCase{"1-SIN(0.5)^2", 1 - std::sin(0.5) * std::sin(0.5), 1e-15},
        ValueCase{"1+SIN(2+3)*4", 1 + 4 * std::sin(5.0), 1e-14}, ValueCase{"TAN(0.3)", std::tan(0.3), 1e-15},
        ValueCase{"ATN(1)", pi / 4, 1e-15}, ValueCase{"ASN(0.5)", pi / 6, 1e-15},
        ValueCase{"ASN(1)", pi / 2, piTolerance}, ValueCase{"ASN(-1)", -pi / 2, piTolerance},
        ValueCase{"ACS(0.5)", pi / 3, 1e-15},
        // arccos lies in 0..pi: a negative argument gives an obtuse angle
        ValueCase{"ACS(-0.5)", 2 * pi / 3, piTolerance}, ValueCase{"ACS(-1)", pi, piTolerance},
        ValueCase{"ACS(1)", 0, 0}, ValueCase{"ACS(0)", pi / 2, piTolerance},
        ValueCase{"SINH(1)", std::sinh(1.0), 1e-15}, ValueCase{"COSH(1)", std::cosh(1.0), 1e-15},
        ValueCase{"TANH(0.5)", std::tanh(0.5), 1e-15}, ValueCase{"COTGH(0.5)", 1 / std::tanh(0.5), 1e-14},
        ValueCase{"SGN(-3)", -1, 0}, ValueCase{"SGN(0)", 0, 0}, ValueCase{"SGN(0.1)", 1, 0},
        ValueCase{"FIX(-2.5)", -2, 0}, ValueCase{"INT(-2.5)", -3, 0}, ValueCase{"INT(2.5)", 2, 0},
        ValueCase{"RAD(370)", pi / 18, piTolerance}, ValueCase{"RAD(-370)", -pi / 18, piTolerance},
        // the real angle is reduced, not the angle rounded to whole degrees
        ValueCase{"RAD(30.5)", 30.5 / 180 * pi, piTolerance}, ValueCase{"DEG(1)", 180 / pi, 1e-11},
        ValueCase{"EQ(7)", 7, 0}, ValueCase{"SQR(SQR(16))*EQ(Z1)", 10, 0}));

// --- Failures -----------------------------------------------------------------------------

struct FailureCase {
    std::string text;
    int16_t code;
};
void PrintTo(const FailureCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class Failures : public Evaluator, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failures, GiveTheFailureValueAndTheirCodeWithoutBoxesInModeMinus2) {
    const FailureCase& c = GetParam();
    testsupport::ScriptedBoxes boxes; // any box fails the test
    EXPECT_EQ(eval(c.text), failed) << c.text;
    EXPECT_EQ(ipok, c.code) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Domains, Failures,
    ::testing::Values(FailureCase{"SQR(-4)", code::Function}, FailureCase{"FOO(1)", code::Function},
                      FailureCase{"LN(0)", code::Function}, FailureCase{"LOG(-1)", code::Function},
                      FailureCase{"LOG10(0)", code::Function}, FailureCase{"ASN(2)", code::Function},
                      FailureCase{"ACS(-1.5)", code::Function}, FailureCase{"1+EQ(-9999)", code::Function},
                      FailureCase{"Q*2", code::Name}, FailureCase{"X[7]", code::Name},
                      FailureCase{"2*SIN(Q)", code::Name}, FailureCase{"Y[-1]", code::Name},
                      FailureCase{"X[-2]*2", code::Name}, FailureCase{"2+3 ", code::Blank},
                      FailureCase{"2 + 3", code::Blank}, FailureCase{"SIN( 1)", code::Blank}));

// Texts outside the grammar: unbalanced parentheses, two operators in a row after the start,
// empty operands, characters that begin no operand, an operand right after another.
INSTANTIATE_TEST_SUITE_P(
    OutsideTheGrammar, Failures,
    ::testing::Values(FailureCase{"", code::Syntax}, FailureCase{"(2", code::Syntax},
                      FailureCase{"2)+3", code::Syntax}, FailureCase{"2*-3", code::Syntax},
                      FailureCase{"2+", code::Syntax}, FailureCase{"()", code::Syntax},
                      FailureCase{"-", code::Syntax}, FailureCase{"--2", code::Syntax},
                      FailureCase{"+2", code::Syntax}, FailureCase{"2^*3", code::Syntax},
                      FailureCase{"2(3)", code::Syntax}, FailureCase{"(2)3", code::Syntax},
                      FailureCase{"SIN(1)X", code::Syntax}, FailureCase{"SIN(1", code::Syntax},
                      FailureCase{"((1)", code::Syntax}, FailureCase{"@1", code::Syntax},
                      FailureCase{"2+{3}", code::Syntax}));

// A tab, line feed, carriage return or no-break space (U+00A0, U+202F) inside a number operand
// is refused as a blank is, with its message, whether the number is read in place ("15") or by
// the general lenient reader, which would skip the blank ("1,05", "15D0"). Without the blank
// each text is a valid expression of the value given.
TEST_F(Evaluator, BlanksOfEveryKindInsideANumberAreRefused) {
    struct Case {
        const char* text; // "_" stands for the blank
        double withoutBlank;
    };
    const Case cases[] = {
        {"1_5", 15},
        {"1,0_5", 1.05},
        {"1_5D0", 15},
        {"1_5d0", 15},
        {"1.5E_3", 1500},
        {"1.5E-_3", 1.5e-3},
        {"1_,5", 1.5},
        {"1_", 1},
        {"1_5*2", 30},
        {"2*1_5", 30},
        {"Z1+1_5", 20},
        {"(1_5)+1", 16},
        {"SIN(1,5_)", std::sin(1.5)},
    };
    for (const char* blank : {" ", "\t", "\n", "\r", "\u00A0", "\u202F"}) {
        for (const Case& c : cases) {
            std::string text = c.text;
            const size_t at = text.find('_');
            text.erase(at, 1);
            EXPECT_NEAR(eval(text), c.withoutBlank, 1e-15 * c.withoutBlank) << text;
            text.insert(at, blank);
            SCOPED_TRACE("[" + text + "]");
            testsupport::ScriptedBoxes boxes;
            boxes.answer(platform::answer::Ok);
            EXPECT_EQ(eval(text, 0), failed);
            EXPECT_EQ(ipok, code::Blank);
            ASSERT_EQ(boxes.boxes().size(), 1u);
            EXPECT_EQ(boxes.boxes()[0].text, "Mezery ve výrazu jsou nepřípustné!");
            EXPECT_EQ(boxes.boxes()[0].title, "Interpret");
        }
    }
}

TEST_F(Evaluator, NestingIsLimitedTo100Levels) {
    const auto nested = [](int depth) { return std::string(depth, '(') + "1" + std::string(depth, ')'); };
    EXPECT_EQ(eval(nested(100)), 1.0);
    EXPECT_EQ(ipok, 0);
    EXPECT_EQ(eval(nested(101)), failed);
    EXPECT_EQ(ipok, code::Syntax);
    EXPECT_EQ(eval(std::string(100000, '(')), failed) << "a deep unbalanced text ends at the limit";
    EXPECT_EQ(ipok, code::Syntax);
    std::string calls;
    for (int i = 0; i < 101; ++i)
        calls += "EQ(";
    EXPECT_EQ(eval(calls + "1" + std::string(101, ')')), failed) << "function arguments count as levels";
    EXPECT_EQ(ipok, code::Syntax);
}

TEST_F(Evaluator, ArithmeticErrorsReachTheCaller) {
    EXPECT_RUNTIME_ERROR(eval("1/0"), platform::err::DivisionByZero);
    EXPECT_RUNTIME_ERROR(eval("0/0"), platform::err::Overflow);
    EXPECT_RUNTIME_ERROR(eval("(-8)^0.5"), platform::err::InvalidCall);
    EXPECT_RUNTIME_ERROR(eval("EXP(1000)"), platform::err::Overflow);
    EXPECT_RUNTIME_ERROR(eval("COSH(-1000)"), platform::err::Overflow);
    EXPECT_RUNTIME_ERROR(eval("COTGH(0)"), platform::err::DivisionByZero);
    EXPECT_RUNTIME_ERROR(eval("10^400"), platform::err::Overflow);
}

// --- Names ----------------------------------------------------------------------------------

TEST_F(Evaluator, NameTableIsSearchedInOrderForAnUpperCaseText) {
    Pr = table({{"B", Variant(1.0)}, {"A", Variant(2.0)}, {"A", Variant(3.0)}});
    Pr(1, 1) = Variant(int16_t{7}); // a number in the name column matches no name
    EXPECT_EQ(eval("a"), 2.0) << "the first equal row gives the value";
    EXPECT_EQ(eval("B"), failed);
    EXPECT_EQ(ipok, code::Name);
    Pr(2, 2) = Variant("2,5x");
    EXPECT_EQ(eval("A"), failed) << "a value that is no number cannot be read";
    EXPECT_EQ(ipok, code::Name);
    Pr(2, 2) = Variant(-9999.000001);
    EXPECT_EQ(eval("A+1"), failed) << "a value within 1e-5 of -9999 counts as failure";
    EXPECT_EQ(ipok, code::Name);
}

TEST_F(Evaluator, EmptyVectorElementCountsAsZero) {
    Y(3) = Variant();
    EXPECT_EQ(eval("X[3]+1"), 1.0);
}

// --- Messages -------------------------------------------------------------------------------

struct MessageCase {
    std::string text;
    int16_t mode;
    std::vector<std::pair<std::string, std::string>> boxes; // (text, title), each style 16
    bool withTable = true;
};
void PrintTo(const MessageCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class Messages : public Evaluator, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(Messages, AreShownAsTheModeAllows) {
    const MessageCase& c = GetParam();
    testsupport::ScriptedBoxes boxes;
    for (size_t i = 0; i < c.boxes.size(); ++i)
        boxes.answer(platform::answer::Ok);
    if (!c.withTable) Pr = VArray(0, 0, 0, 2);
    EXPECT_EQ(eval(c.text, c.mode), failed);
    ASSERT_EQ(boxes.boxes().size(), c.boxes.size()) << c.text << " in mode " << c.mode;
    for (size_t i = 0; i < c.boxes.size(); ++i) {
        EXPECT_EQ(boxes.boxes()[i].text, c.boxes[i].first);
        EXPECT_EQ(boxes.boxes()[i].title, c.boxes[i].second);
        EXPECT_EQ(boxes.boxes()[i].style, 16) << "critical stop, OK";
    }
}

const std::string missing = "Nenaplněno pole proměnná - hodnota!";

INSTANTIATE_TEST_SUITE_P(
    Texts, Messages,
    ::testing::Values(MessageCase{"SQR(-4)", 0, {{"Odmocnina: záporný argument -4", "Interpret"}}},
                      MessageCase{"SQR(-4)", -1, {}},
                      MessageCase{"FOO(1)", 0, {{"Neznámá fce: FOO", "Interp"}}},
                      MessageCase{"2*foo(1)", 5, {{"Neznámá fce: foo", "Interp"}}},
                      MessageCase{"2 + 3", 0, {{"Mezery ve výrazu jsou nepřípustné!", "Interpret"}}},
                      MessageCase{"2 + 3", -1, {}}, MessageCase{"Q*2", 0, {{"Proměnná Q nenalezena!", ""}}},
                      MessageCase{"q*2", 0, {{"Proměnná q nenalezena!", ""}}}, MessageCase{"Q*2", -1, {}},
                      MessageCase{"Q*2", -2, {}}, MessageCase{"X[7]", 0, {{missing, ""}}},
                      MessageCase{"X[7]", -1, {{missing, ""}}}, MessageCase{"X[7]", -2, {}},
                      MessageCase{"Q", 0, {{missing, ""}}, false},
                      MessageCase{"Q", -1, {{missing, ""}}, false}, MessageCase{"Q", -2, {}, false},
                      MessageCase{"(2", 0, {}}, MessageCase{"2*-3", 0, {}}, MessageCase{"", 0, {}}));

TEST_F(Evaluator, TableWithoutValueColumnOrRowsIsReportedAsUnfilled) {
    testsupport::ScriptedBoxes boxes;
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    Pr = VArray(0, 3, 0, 1);
    Pr(1, 1) = Variant("Z1");
    EXPECT_EQ(eval("Z1", 0), failed);
    Pr = VArray();
    EXPECT_EQ(eval("Z1", -1), failed);
    EXPECT_EQ(ipok, code::Name);
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, missing);
    EXPECT_EQ(boxes.boxes()[1].text, missing);
}

} // namespace
