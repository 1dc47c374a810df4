#include "Platform/Checked.h"

#include "TestSupport.h"

#include <cmath>

namespace chk = platform::chk;

namespace {

struct CheckedCase {
    const char* name;
    std::function<double()> fn;
    int error; // 0: no error
};

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
                      CheckedCase{"NanIsOverflow", [] { return chk::finite(std::nan("")); }, 6}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
