#include "Platform/Checked.h"

#include "TestSupport.h"

#include "Platform/Variant.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <ostream>

namespace chk = platform::chk;
using chk::Num;

namespace {

struct CheckedCase {
    const char* name;
    std::function<double()> fn;
    int error; // 0: no error
};

void PrintTo(const CheckedCase& c, std::ostream* os) {
    *os << c.name << " (error " << c.error << ")";
}

class CheckedArithmetic : public ::testing::TestWithParam<CheckedCase> {};

TEST_P(CheckedArithmetic, RaisesInsteadOfInfinityOrNan) {
    const CheckedCase& c = GetParam();
    if (c.error == 0) {
        EXPECT_TRUE(std::isfinite(c.fn()));
    } else {
        EXPECT_RUNTIME_ERROR(c.fn(), c.error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckedArithmetic,
    ::testing::Values(CheckedCase{"DivisionByZero", [] { return chk::div(1, 0); }, 11},
                      CheckedCase{"ZeroByZero", [] { return chk::div(0, 0); }, 6},
                      CheckedCase{"ProductOverflow", [] { return chk::mul(1e308, 10); }, 6},
                      CheckedCase{"LogOfZero", [] { return chk::log(0); }, 5},
                      CheckedCase{"LogOfNegative", [] { return chk::log(-1); }, 5},
                      CheckedCase{"RootOfNegative", [] { return chk::sqrt(-1e-300); }, 5},
                      CheckedCase{"FractionalPowerOfNegative", [] { return chk::pow(-8, 1.0 / 3); }, 5},
                      CheckedCase{"WholePowerOfNegative", [] { return chk::pow(-2, 3); }, 0},
                      CheckedCase{"ZeroToNegativePower", [] { return chk::pow(0, -1); }, 5},
                      CheckedCase{"ExpOverflow", [] { return chk::exp(1000); }, 6},
                      CheckedCase{"ExpUnderflowIsZero", [] { return chk::exp(-1000); }, 0},
                      CheckedCase{"SingleOverflow", [] { return double(chk::single(1e39)); }, 6},
                      CheckedCase{"NanIsOverflow", [] { return chk::finite(std::nan("")); }, 6},
                      // The checked number raises as the helpers do, whichever side is plain.
                      CheckedCase{"NumDivisionByZero", [] { return double(Num(1.0) / 0.0); }, 11},
                      CheckedCase{"PlainByNumZero", [] { return double(1.0 / Num(0.0)); }, 11},
                      CheckedCase{"NumZeroByZero", [] { return double(Num(0.0) / 0); }, 6},
                      CheckedCase{"NumProductOverflow", [] { return double(Num(1e308) * 10.0); }, 6},
                      CheckedCase{"NumSumOverflow", [] { return double(1e308 + Num(1e308)); }, 6},
                      CheckedCase{"NumDifferenceOverflow", [] { return double(Num(-1e308) - 1e308); }, 6},
                      CheckedCase{"NumByFloatOverflow", [] { return double(Num(1e300) / 1e-30f); }, 6},
                      CheckedCase{"NumCompoundOverflow",
                                  [] {
                                      Num x(1e308);
                                      x *= 2.0;
                                      return double(x);
                                  },
                                  6},
                      CheckedCase{"NumLogOfNegative", [] { return double(chk::log(Num(0.0) - 1.0)); }, 5},
                      CheckedCase{"NumRootOfNegative", [] { return double(chk::sqrt(-Num(1.0))); }, 5},
                      CheckedCase{"NumFractionalPowerOfNegative",
                                  [] { return double(chk::pow(Num(-8.0), 0.5)); }, 5},
                      CheckedCase{"NumExpOverflow", [] { return double(chk::exp(Num(500.0) * 2)); }, 6},
                      CheckedCase{"NumNegationIsExact", [] { return double(-Num(1e308)); }, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A formula written with Num is the chain of checked calls it stands for, to the bit: the
// operators group from the left, and a plain value of any width converts as a call's double
// argument would.
TEST(CheckedNumber, FormulaIsTheChainOfCheckedCallsToTheBit) {
    const double m = 0.7311, d = 0.021, rho = 998.2;
    const float Dtrubo = 0.025f;
    const int16_t Ntrub = 226;
    const Num v = Num(m) * 4.0 / 3.1415 / Ntrub / d / d / rho;
    const double chain =
        chk::div(chk::div(chk::div(chk::div(chk::div(chk::mul(m, 4.0), 3.1415), Ntrub), d), d), rho);
    EXPECT_EQ(std::memcmp(&v, &chain, sizeof chain), 0);
    // Parentheses keep their grouping; a plain left operand makes no difference.
    const double grouped = 1.0 / (Num(1e-4) + 0.0277 / (Num(Dtrubo) * 45.0) + Num(Dtrubo) / d * 1.76e-4);
    const double calls = chk::div(1.0, chk::add(chk::add(1e-4, chk::div(0.0277, chk::mul(Dtrubo, 45.0))),
                                                chk::mul(chk::div(Dtrubo, d), 1.76e-4)));
    EXPECT_EQ(grouped, calls);
    // The functions of a Num give a Num, so the chain goes on checked.
    const double power = chk::pow(Num(v), 0.25) * 3.0 - chk::log(Num(rho));
    EXPECT_EQ(power, chk::sub(chk::mul(chk::pow(double(v), 0.25), 3.0), chk::log(rho)));
    EXPECT_RUNTIME_ERROR((void)(chk::exp(Num(710.0)) * 1.0), 6);
}

// A Num stores into a general value as its double.
TEST(CheckedNumber, StoresAsItsDouble) {
    const platform::Variant v = Num(2.0) / 3.0;
    EXPECT_EQ(v.type(), platform::VarType::Double);
    EXPECT_EQ(v.toDouble(), 2.0 / 3.0);
    Num x = 1.0;
    x += 0.5;
    x -= 0.25;
    x /= 0.5;
    EXPECT_EQ(double(x), 2.5);
}

} // namespace
