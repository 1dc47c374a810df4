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

// Matrix inversion.

//! Default pivot threshold of the general-value form: a pivot of at most this magnitude fails.
inline constexpr double invertPivot = 1e-6;
//! Default pivot threshold of the double-precision form.
inline constexpr double invertPivotD = 1e-13;

// Lin-Bairstow roots of a polynomial.

//! Iterations allowed for each quadratic factor; the factor is stored as it stands after
//! one more correction.
inline constexpr int16_t bairstowIterations = 300;
//! Added to the factor's coefficients in the relative correction tests, so that a
//! coefficient near 0 is not divided by.
inline constexpr double bairstowRelativeShift = 1e-7;
//! Below this magnitude of the Jacobian determinant the modified step is taken.
inline constexpr int16_t bairstowMinDeterminant = 1;
//! Number of modified steps the small determinant triggers (the triggering one included).
inline constexpr int16_t bairstowModifiedSteps = 5;
//! Weight m of the modification of the Jacobian.
inline constexpr int16_t bairstowModificationWeight = 2;
//! Cap on the exponent p^2 + q^2 of the modification's divisor e^(p^2 + q^2).
inline constexpr int16_t bairstowExponentCap = 40;

// Lagrange interpolation.

//! Default number of table points the interpolating polynomial passes through.
inline constexpr int16_t lagrangePoints = 4;

// Cubic splines.

//! An end slope of at least this value selects the natural end (zero second derivative).
inline constexpr double splineNaturalSlope = 9998.999;
//! An end slope of at most this value is replaced by the chord slope of the end interval.
inline constexpr double splineChordSlope = -9998.999;
//! Limits of an integral closer than this are taken as equal: the integral is 0.
inline constexpr double splineIntegralWidth = 1e-9;

// Runge-Kutta-Merson integration.

//! Most trial steps one call makes.
inline constexpr int32_t rkmStepLimit = 15000;
//! Smallest step size in magnitude (units of the abscissa); also the first step of a new object.
inline constexpr double rkmMinStep = 1e-5;
//! A tolerance below this floor is replaced by rkmDefaultDelta (general-value form).
inline constexpr double rkmDeltaFloor = 1e-8;
inline constexpr double rkmDefaultDelta = 1e-4;
//! A tolerance below this floor is replaced by rkmDefaultDeltaD (double-precision form).
inline constexpr double rkmDeltaFloorD = 1e-15;
inline constexpr double rkmDefaultDeltaD = 1e-7;
//! Safety factor and exponent of the step adjustment h = h * 0.8 * (Delta / err)^0.2.
inline constexpr double rkmSafety = 0.8;
inline constexpr double rkmStepExponent = 0.2;

// Rosenbrock minimisation.

//! Default tolerance on the step lengths (general-value and double-precision form).
inline constexpr double fminEpsa = 1e-4;
inline constexpr double fminEpsaD = 1e-7;
//! Default limit of counted trials.
inline constexpr int16_t fminTrials = 1000;
inline constexpr int16_t fminTrialsD = 2000;
//! A given limit below this is replaced by fminSmallLimitReplacement (both forms).
inline constexpr int16_t fminSmallestLimit = 11;
inline constexpr int16_t fminSmallLimitReplacement = 2000;
//! Step length of a cycle: fminFirstStep / (trials counted + 1).
inline constexpr double fminFirstStep = 0.02;
//! Factor of a step after a success, and after a failure (reversed).
inline constexpr int16_t fminExpansion = 3;
inline constexpr double fminContraction = -0.5;
//! Added to the norm of a direction before dividing by it, so a zero direction stays finite.
inline constexpr double fminNormGuard = 1e-20;

// Nelder-Mead minimisation.

//! Default tolerance: the spread of the vertex values must fall below Eps * Eps.
inline constexpr double fmin1Eps = 1e-4;
inline constexpr double fmin1EpsD = 1e-7;
//! Default iteration limit; a given limit below fminSmallestLimit is replaced by the default.
inline constexpr int16_t fmin1Iterations = 1000;
inline constexpr int16_t fmin1IterationsD = 2000;
//! Reflection, contraction and expansion factors.
inline constexpr double fmin1Alpha = 1.0;
inline constexpr double fmin1Beta = 0.5;
inline constexpr double fmin1Gamma = 2.0;
//! Edge length of the initial simplex (units of X).
inline constexpr double fmin1Edge = 0.1;
//! Divisor of the initial simplex offsets, a rounded square root of 2.
inline constexpr double fmin1RootTwo = 1.42;

// Rutishauser LR eigenvalues.

//! Default iteration limit.
inline constexpr int16_t lrIterations = 50;
//! Default period of the elimination step when it is allowed.
inline constexpr int16_t lrSweepPeriod = 5;
//! Default tolerances (general-value form): convergence of the sub-diagonal sum, equal
//! eigenvalues, largest sub-diagonal sum for eigenvectors, sub-diagonal sum for the elimination.
inline constexpr double lrEps1 = 1e-6;
inline constexpr double lrEps2 = 1e-3;
inline constexpr double lrEps3 = 1e-4;
inline constexpr double lrEps4 = 0.05;
//! The same in double precision.
inline constexpr double lrEps1D = 1e-9;
inline constexpr double lrEps2D = 1e-6;
inline constexpr double lrEps3D = 1e-7;
inline constexpr double lrEps4D = 5e-5;
//! Smallest usable diagonal element of R (absolute).
inline constexpr double lrMinPivot = 1e-15;
//! Band elements below this magnitude are set to 0 after each iteration.
inline constexpr double lrClearing = 1e-10;
//! Written into U(1, 1) when a pivot vanishes.
inline constexpr double lrFailureMark = -99.9999;

// Expression interpreter.

//! The value by which the interpreter marks a value it cannot give.
inline constexpr double chybnaHodnota = -9999.0;
//! A value v of a name or a function counts as the failure value when |v + 9999| < this.
inline constexpr double chybnaHodnotaTolerance = 1e-5;
//! pi as the interpreter's functions use it (RAD, DEG, ASN, ACS).
inline constexpr double interpPi = 3.14159265358979;
//! ASN gives +-pi/2 when ||x| - 1| is below this; ACS gives pi/2 when |x| is below it.
inline constexpr double interpArcEdge = 1e-6;
//! Degrees of a full turn: RAD reduces its argument modulo this [deg].
inline constexpr double fullTurnDegrees = 360.0;
//! Degrees of a half turn [deg].
inline constexpr double halfTurnDegrees = 180.0;
//! The deepest nesting of parentheses and function arguments an expression may have.
inline constexpr int interpMaxDepth = 100;
//! Rows of the name table of the text solvers: the constants Z1 to Z10.
inline constexpr int16_t textConstants = 10;
//! The most differential equations a text system may have.
inline constexpr int16_t rkmIMaxEquations = 10;

} // namespace ralvo::constants
