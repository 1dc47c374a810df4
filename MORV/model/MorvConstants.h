#pragma once
//! Constants of the condenser model, each with its unit.

#include <cstdint>

namespace morv::k {

// Bounds of the model's indexed properties and program-wide arrays (element 0 included).

//! Highest component index of a stream's fractions `Xh`, `Xm`, and of the residual array.
inline constexpr int16_t lastFraction = 21;
//! Highest index of the unknown flags `IPOM`.
inline constexpr int16_t lastFlag = 10;
//! Highest index of the Newton vector `xx`.
inline constexpr int16_t lastVariable = 9;
//! Highest index of the auxiliary array `z` passed through the Newton method.
inline constexpr int16_t lastAuxiliary = 10;
//! Highest index of the program-wide residual array `Rezidua`.
inline constexpr int16_t lastResidual = 21;

// Initial settings.

//! Heat-transfer method of the condensing side of a new condensation model.
inline constexpr int16_t initialMethod = 1;

} // namespace morv::k
