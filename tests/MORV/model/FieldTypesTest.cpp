#include "TestSupport.h"

#include "MORV/model/FieldTypes.h"
#include "Platform/RunTimeError.h"

#include <cfloat>
#include <cmath>
#include <limits>

using morv::Int16;
using morv::Single;
using platform::Variant;

namespace {

struct SingleCase {
    double stored;
    double expected; // the nearest IEEE-754 single, written as mantissa * 2^exponent
};

// Round to nearest, ties to even (IEEE 754-2008, 4.3.1); 2^24 is where spacing becomes 2.
const SingleCase singleCases[] = {
    {0.1, std::ldexp(13421773.0, -27)},           // 0.100000001490116119384765625
    {1.0 / 3.0, std::ldexp(11184811.0, -25)},     // 0.3333333432674407958984375
    {-2.7, -std::ldexp(11324621.0, -22)},         // -2.7000000476837158203125
    {16777217.0, 16777216.0},                     // 2^24 + 1: tie, to the even 2^24
    {16777219.0, 16777220.0},                     // 2^24 + 3: tie, to the even 2^24 + 4
    {0.5, 0.5},                                   // exact
    {3.4028235e38, static_cast<double>(FLT_MAX)}, // above FLT_MAX but rounds down into range
    {1e-50, 0.0},                                 // below the smallest single: 0
};

} // namespace

TEST(SingleField, StoreRoundsToTheNearestSingle) {
    for (const SingleCase& c : singleCases) {
        SCOPED_TRACE(c.stored);
        Single s;
        s = c.stored;
        EXPECT_EQ(static_cast<double>(static_cast<float>(s)), c.expected);
        // A general value is rounded the same way.
        Single v;
        v = Variant(c.stored);
        EXPECT_EQ(static_cast<double>(static_cast<float>(v)), c.expected);
    }
}

TEST(SingleField, ValueBeyondTheSingleRangeRaisesOverflowAndKeepsTheField) {
    const double outside[] = {3.5e38, -1e39, std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()};
    for (double x : outside) {
        SCOPED_TRACE(x);
        Single s(1.5);
        EXPECT_RUNTIME_ERROR(s = x, platform::err::Overflow);
        EXPECT_EQ(static_cast<float>(s), 1.5f);
    }
}

TEST(SingleField, GeneralValueEmptyStoresZeroAndTextIsRefused) {
    Single s(2.0);
    s = Variant();
    EXPECT_EQ(static_cast<float>(s), 0.0f);
    EXPECT_RUNTIME_ERROR(s = Variant("abc"), platform::err::TypeMismatch);
}

TEST(SingleField, ArithmeticWithADoubleIsDoneInDouble) {
    Single s(0.1);
    // 0.1f * 10 in double is 1.00000001490116..., not the single 1.0.
    EXPECT_EQ(s * 10.0, std::ldexp(13421773.0, -27) * 10.0);
}

namespace {

struct Int16Case {
    double stored;
    int16_t expected;
};

// Half to even (banker's rounding) at every half, at the ends of the 16-bit range too.
const Int16Case int16Cases[] = {
    {2.5, 2},   {3.5, 4},         {-2.5, -2},         {-0.5, 0},          {0.5000001, 1},
    {12.0, 12}, {32767.4, 32767}, {-32768.5, -32768}, {-32767.5, -32768},
};

} // namespace

TEST(Int16Field, StoreRoundsHalfToEven) {
    for (const Int16Case& c : int16Cases) {
        SCOPED_TRACE(c.stored);
        Int16 n;
        n = c.stored;
        EXPECT_EQ(static_cast<int16_t>(n), c.expected);
        Int16 v;
        v = Variant(c.stored);
        EXPECT_EQ(static_cast<int16_t>(v), c.expected);
    }
}

TEST(Int16Field, ValueOutsideTheRangeRaisesOverflowAndKeepsTheField) {
    const double outside[] = {32767.5, -32768.6, 40000.0, 1e10, std::numeric_limits<double>::quiet_NaN()};
    for (double x : outside) {
        SCOPED_TRACE(x);
        Int16 n(7.0);
        EXPECT_RUNTIME_ERROR(n = x, platform::err::Overflow);
        EXPECT_EQ(static_cast<int16_t>(n), 7);
    }
}

TEST(Int16Field, GeneralValueEmptyStoresZeroAndTextIsRefused) {
    Int16 n(3.0);
    n = Variant();
    EXPECT_EQ(static_cast<int16_t>(n), 0);
    n = Variant("12");
    EXPECT_EQ(static_cast<int16_t>(n), 12);
    EXPECT_RUNTIME_ERROR(n = Variant("abc"), platform::err::TypeMismatch);
}
