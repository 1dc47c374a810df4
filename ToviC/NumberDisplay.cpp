#include "ToviC/NumberDisplay.h"

#include "ToviC/ToviConstants.h"

#include "Platform/Checked.h"
#include "Platform/Format.h"

#include <cmath>

namespace tovi {

std::string displayText(double x) {
    const double a = std::fabs(platform::chk::finite(x));
    const char* pattern = a > k::bandExponent ? "0.0000E+00"
                          : a > k::bandTwo    ? "#0.00"
                          : a > k::bandThree  ? "#0.000"
                          : a > k::bandFour   ? "0.0000"
                          : a > k::bandFive   ? "0.00000"
                          : a > k::bandSix    ? "0.000000"
                                              : "0.0000E-00";
    return platform::format(x, pattern);
}

} // namespace tovi
