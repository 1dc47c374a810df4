#pragma once
//! Numerical constants of the library Ralvo. All are dimensionless: the routines work on the
//! caller's numbers whatever their units.

#include <cstdint>

namespace ralvo::constants {

// Damped Newton method.

//! Default limit of the largest relative correction (general-value form).
inline constexpr double newtonEps = 1e-5;
//! Default limit of the largest relative correction (double-precision form).
inline constexpr double newtonEpsD = 1e-11;
//! Default damping control: no unknown changes by more than 0.8 times its value in one step.
inline constexpr double newtonAlam = 0.8;
//! Default iteration limit.
inline constexpr int16_t newtonIterations = 100;
//! Default relative step of the forward differences: h = Delta * |x|.
inline constexpr double newtonDelta = 0.01;
//! Smallest step of the forward differences (absolute), for tiny or zero unknowns.
inline constexpr double newtonMinStep = 1e-4;
//! Smallest value of an unknown that takes part in the relative correction test.
inline constexpr double newtonRelativeFloor = 1e-4;
//! Below this magnitude a limiting unknown about to cross zero is set to 0 (negative ALAM).
inline constexpr double newtonNearZero = 0.01;
//! Damping factor applied after a limiting unknown has been set to 0.
inline constexpr double newtonZeroCrossingLambda = 0.5;

// Gauss elimination.

//! Smallest usable pivot magnitude (absolute, whatever the scale of the matrix).
inline constexpr double gaussMinPivot = 1e-6;

} // namespace ralvo::constants
