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

// Physical constants of the heat-transfer correlations. The model keeps its own rounded pi
// in every formula, and the Archimedes number of condensation on the bundle its own g.

//! pi as every formula of the model uses it [-]
inline constexpr double pi = 3.1415;
//! Acceleration due to gravity [m/s2]
inline constexpr double g = 9.80665;
//! Acceleration due to gravity in the Archimedes number of condensation on the bundle [m/s2]
inline constexpr double gArchimedesShell = 9.806;
//! Offset of the kelvin scale: T [K] = t [°C] + kelvinOffset [K]
inline constexpr double kelvinOffset = 273.15;

// Initial settings.

//! Heat-transfer method of the condensing side of a new condensation model.
inline constexpr int16_t initialMethod = 1;

// Heat-transfer methods.

//! The method that takes the fixed coefficients AlfaiK, AlfaoK in place of the correlations.
inline constexpr int16_t fixedCoefficientMethod = 4;
//! The method a number above the last one is lowered to on the shell side.
inline constexpr int16_t fallbackMethod = 3;

} // namespace morv::k
