#include "Platform/Variant.h"

#include "TestSupport.h"

#include <cfloat>
#include <memory>

using platform::Variant;
using platform::VarType;

namespace {

struct ArithCase {
    const char* name;
    Variant a, b;
    char op;
    VarType type;
    double value;
};
void PrintTo(const ArithCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

Variant apply(const Variant& a, const Variant& b, char op) {
    switch (op) {
    case '+':
        return a + b;
    case '-':
        return a - b;
    case '*':
        return a * b;
    default:
        return a / b;
    }
}

class VariantArithmetic : public ::testing::TestWithParam<ArithCase> {};

TEST_P(VariantArithmetic, GivesTheWiderKindAndWidensOnOverflow) {
    const ArithCase& c = GetParam();
    const Variant r = apply(c.a, c.b, c.op);
    EXPECT_EQ(r.type(), c.type);
    EXPECT_DOUBLE_EQ(r.toDouble(), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VariantArithmetic,
    ::testing::Values(
        ArithCase{"EmptyPlusOneIsInteger", Variant(), Variant(int16_t{1}), '+', VarType::Integer, 1},
        ArithCase{"IntegerOverflowWidensToLong", Variant(int16_t{32767}), Variant(int16_t{1}), '+',
                  VarType::Long, 32768},
        ArithCase{"IntegerUnderflowWidensToLong", Variant(int16_t{-32768}), Variant(int16_t{1}), '-',
                  VarType::Long, -32769},
        ArithCase{"LongOverflowWidensToDouble", Variant(int32_t{2147483647}), Variant(int16_t{1}), '+',
                  VarType::Double, 2147483648.0},
        ArithCase{"IntegerProductWidens", Variant(int16_t{300}), Variant(int16_t{300}), '*', VarType::Long,
                  90000},
        ArithCase{"DivisionOfIntegersIsDouble", Variant(int16_t{7}), Variant(int16_t{2}), '/',
                  VarType::Double, 3.5},
        ArithCase{"SingleBySingleIsSingle", Variant(1.0f), Variant(4.0f), '/', VarType::Single, 0.25},
        ArithCase{"SingleByIntegerIsSingle", Variant(1.0f), Variant(int16_t{4}), '/', VarType::Single, 0.25},
        ArithCase{"SingleByLongIsDouble", Variant(1.0f), Variant(int32_t{4}), '/', VarType::Double, 0.25},
        ArithCase{"SinglePlusLongIsDouble", Variant(0.5f), Variant(int32_t{1}), '+', VarType::Double, 1.5},
        ArithCase{"SinglePlusIntegerIsSingle", Variant(0.5f), Variant(int16_t{1}), '+', VarType::Single, 1.5},
        ArithCase{"DoubleWins", Variant(0.5), Variant(0.25f), '*', VarType::Double, 0.125},
        ArithCase{"SingleOverflowWidensToDouble", Variant(FLT_MAX), Variant(FLT_MAX), '+', VarType::Double,
                  2.0 * FLT_MAX},
        ArithCase{"BooleanTrueIsMinusOne", Variant(true), Variant(int16_t{1}), '+', VarType::Integer, 0},
        ArithCase{"NumericTextTakesPart", Variant("5"), Variant(int16_t{1}), '+', VarType::Double, 6}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    Variant a, b;
    char op;
    int error;
};
void PrintTo(const ErrorCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class VariantErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(VariantErrors, RaiseTheirNumber) {
    const ErrorCase& c = GetParam();
    EXPECT_RUNTIME_ERROR(apply(c.a, c.b, c.op), c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VariantErrors,
    ::testing::Values(ErrorCase{"DivisionByZero", Variant(int16_t{1}), Variant(int16_t{0}), '/', 11},
                      ErrorCase{"ZeroByZeroIsOverflow", Variant(0.0), Variant(), '/', 6},
                      ErrorCase{"DoubleOverflow", Variant(1e308), Variant(int16_t{10}), '*', 6},
                      ErrorCase{"TextIsTypeMismatch", Variant("a"), Variant(int16_t{1}), '+', 13},
                      ErrorCase{"ArrayIsTypeMismatch", Variant(platform::VArray(1, 2)), Variant(1.0), '-',
                                13}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Variant, AbsKeepsTheKindAndIntIsFloor) {
    EXPECT_EQ(platform::Abs(Variant(int16_t{-3})).type(), VarType::Integer);
    EXPECT_EQ(platform::Abs(Variant(-2.5f)).type(), VarType::Single);
    EXPECT_EQ(platform::Abs(Variant(int16_t{-32768})).type(), VarType::Long);
    EXPECT_DOUBLE_EQ(platform::Int(Variant(-2.5)).toDouble(), -3.0);
    EXPECT_DOUBLE_EQ(platform::Int(Variant(2.5)).toDouble(), 2.0);
    EXPECT_EQ(platform::Int(Variant(-2.5f)).type(), VarType::Single);
}

TEST(Variant, ComparesNumericallyAndEmptyAsZero) {
    EXPECT_TRUE(Variant() == Variant(0.0));
    EXPECT_TRUE(Variant(int16_t{2}) < Variant(2.5f));
    EXPECT_TRUE(Variant(1e-5) > Variant());
    EXPECT_TRUE(Variant("abc") < Variant("abd"));
    EXPECT_RUNTIME_ERROR((void)(Variant("x") < Variant(1.0)), 13);
}

TEST(Variant, CountersStayIntegers) {
    Variant k(int16_t{0});
    for (int i = 0; i < 5; ++i)
        k = k + Variant(int16_t{1});
    EXPECT_EQ(k.type(), VarType::Integer);
    EXPECT_EQ(k.toInteger(), 5);
}

// An assignment gives the kind of what is assigned, whatever the value held before: a double
// over another kind, another kind over a double, a plain number by its own type.
TEST(Variant, AssignmentTakesTheKindOfTheValueAssigned) {
    const Variant kinds[] = {Variant(),     Variant(int16_t{3}), Variant(4),     Variant(2.5f),
                             Variant(1.25), Variant(true),       Variant("text")};
    for (const Variant& before : kinds) {
        for (const Variant& assigned : kinds) {
            Variant copied = before;
            copied = assigned;
            EXPECT_TRUE(copied.identical(assigned));
            Variant moved = before;
            Variant source = assigned;
            moved = std::move(source);
            EXPECT_TRUE(moved.identical(assigned));
        }
        Variant v = before;
        v = 0.1;
        EXPECT_TRUE(v.identical(Variant(0.1)));
        v = before;
        v = platform::chk::Num(0.5) * 3.0;
        EXPECT_TRUE(v.identical(Variant(1.5)));
        v = before;
        v = 1.5f;
        EXPECT_EQ(v.type(), VarType::Single);
        v = int16_t{7};
        EXPECT_EQ(v.type(), VarType::Integer);
        v = 7;
        EXPECT_EQ(v.type(), VarType::Long);
    }
    Variant a(platform::VArray(1, 2));
    Variant d(2.0);
    d = a;
    EXPECT_EQ(d.type(), VarType::Array);
}

// A copied, moved or ended general value holding an object reference keeps the object's
// count of holders right; a text survives its copies.
TEST(Variant, HeldResourcesAreCopiedMovedAndReleased) {
    const auto object = std::make_shared<platform::Object>();
    {
        const Variant v(object);
        Variant w = v;
        const Variant x = std::move(w);
        EXPECT_EQ(object.use_count(), 3);
        w = Variant(1.0);
        EXPECT_EQ(object.use_count(), 3);
    }
    EXPECT_EQ(object.use_count(), 1);
    Variant t("text");
    {
        const Variant copy = t;
        t = Variant(2.0);
        EXPECT_EQ(copy.str(), "text");
    }
    EXPECT_TRUE(t.identical(Variant(2.0)));
}

TEST(Variant, ArraysAreCopiedWithTheValue) {
    platform::VArray a(1, 3);
    a(2) = Variant(7.0);
    Variant v(a);
    Variant w = v;
    w.array()(2) = Variant(8.0);
    EXPECT_DOUBLE_EQ(v.array()(2).toDouble(), 7.0);
    EXPECT_RUNTIME_ERROR(v.array()(4), 9);
    EXPECT_RUNTIME_ERROR(v.array()(0, 0), 9);
}

TEST(Array, BoundsAreCheckedInBothDimensions) {
    platform::DArray m(1, 2, 1, 3);
    m(2, 3) = 5;
    EXPECT_EQ(m(2, 3), 5);
    EXPECT_EQ(m.ubound(2), 3);
    EXPECT_RUNTIME_ERROR(m(3, 1), 9);
    EXPECT_RUNTIME_ERROR(m(1, 0), 9);
    EXPECT_RUNTIME_ERROR(m(1), 9);
    EXPECT_RUNTIME_ERROR(m.ubound(3), 9);
    platform::DArray unallocated;
    EXPECT_RUNTIME_ERROR(unallocated(0), 9);
}

TEST(Array, RedimPreserveKeepsTheCommonElements) {
    platform::DArray v(0, 3);
    for (int32_t i = 0; i <= 3; ++i)
        v(i) = 10.0 + i;
    v.redimPreserve(0, 5);
    EXPECT_EQ(v(3), 13.0);
    EXPECT_EQ(v(5), 0.0);
    v.redimPreserve(1, 2);
    EXPECT_EQ(v(1), 11.0);
    EXPECT_EQ(v(2), 12.0);
    EXPECT_RUNTIME_ERROR(v(0), 9);
    EXPECT_RUNTIME_ERROR(v(3), 9);
    platform::DArray unallocated;
    unallocated.redimPreserve(0, 2);
    EXPECT_EQ(unallocated(2), 0.0);
    platform::DArray m(1, 2, 1, 2);
    EXPECT_RUNTIME_ERROR(m.redimPreserve(1, 3), 9);
    EXPECT_RUNTIME_ERROR(v.redimPreserve(2, 1), 9);
}

TEST(Variant, ConversionsRoundHalfToEven) {
    EXPECT_EQ(Variant(2.5).toInteger(), 2);
    EXPECT_EQ(Variant(3.5f).toInteger(), 4);
    EXPECT_RUNTIME_ERROR(Variant(32767.5).toInteger(), 6);
    EXPECT_RUNTIME_ERROR(Variant(1e40).toSingle(), 6);
    // Integers convert exactly where they fit, whatever their kind.
    EXPECT_EQ(Variant(int16_t{-32768}).toInteger(), -32768);
    EXPECT_EQ(Variant(int16_t{-32768}).toLong(), -32768);
    EXPECT_EQ(Variant(int32_t{32767}).toInteger(), 32767);
    EXPECT_RUNTIME_ERROR(Variant(int32_t{32768}).toInteger(), 6);
    EXPECT_EQ(Variant(int32_t{-2147483647 - 1}).toLong(), -2147483647 - 1);
    EXPECT_EQ(Variant(-2.5).toLong(), -2);
    EXPECT_EQ(Variant(true).toLong(), -1);
    EXPECT_EQ(Variant().toInteger(), 0);
    EXPECT_RUNTIME_ERROR(Variant("x").toLong(), 13);
    EXPECT_EQ(Variant("True").toBool(), true);
    EXPECT_EQ(Variant().toString(), "");
}

} // namespace
