#pragma once
//! Dimension codes: an exponent vector over the eight base dimensions held as one decimal
//! number. Digit k from the right (k = 1 to 8) holds the exponent of base dimension k - 1
//! plus 4; a digit 0, and every digit left of the leading one, means exponent 0. So W
//! (kg*m2/s3) is 516 and V (kg*m2/(s3*A)) is 34516.

#include "ToviC/ToviConstants.h"

#include <array>
#include <cstdint>
#include <string>

namespace tovi {

//! Exponents over the base dimensions, index 0 to 7: m, s, kg, K, A, mol, cd, x.
using Exponents = std::array<int16_t, k::baseDimensions>;

//! The base-dimension symbols in index order.
inline constexpr std::array<const char*, k::baseDimensions> ZaklRozmery = {"m", "s",   "kg", "K",
                                                                           "A", "mol", "cd", "x"};

//! The exponents held in a code.
Exponents splitCode(int32_t code);
//! The code of an exponent vector (0 for all zeros); a vector whose code does not fit in
//! 32 bits raises 6.
int32_t packCode(const Exponents& e);
//! The highest index whose exponent is not 0 (0 when all are 0).
int16_t highestIndex(const Exponents& e);
//! The exponent vector a * p; an exponent beyond 16 bits raises 6.
Exponents scaled(const Exponents& a, int p);
//! a + sign * b index by index (sign +1 or -1); an exponent beyond 16 bits raises 6.
Exponents combined(const Exponents& a, const Exponents& b, int sign);
//! The SI text of a vector: W, Pa, N, J, Pas, Ohm and V by name, any other dimension spelled
//! from its base symbols ("kg*m/K/s3", "/s"); all zeros give "".
std::string siText(const Exponents& e);

} // namespace tovi
