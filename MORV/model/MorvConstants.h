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
//! Highest index of the program-wide array of the unknowns' positions `Nezname`.
inline constexpr int16_t lastPosition = 21;
//! Most points a sensitivity analysis stores; its arrays hold elements 0 to this.
inline constexpr int16_t maxAnalysisPoints = 100;

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

// Mean properties of the streams.

//! A negative mean velocity in the tubes or across the bundle is replaced by this [m/s].
inline constexpr double velocityFloor = 1e-6;
//! A negative balance effectiveness Pterm or capacity ratio Rkap is replaced by this [-].
inline constexpr double balanceFloor = 1e-6;
//! A bubble or dew point of the property library below this means none was found [K].
inline constexpr double pointFoundFrom = 1.0;

// Initial settings.

//! Heat-transfer method of the condensing side of a new condensation model.
inline constexpr int16_t initialMethod = 1;
//! Basic damping constant of the design solve [-].
inline constexpr double basicDamping = 0.4;

// Friction factor and pressure drops.

//! Tube flow is laminar below this Reynolds number [-]: lambda = 64 / Re.
inline constexpr double laminarReynolds = 2200.0;
//! Tube flow is turbulent from this Reynolds number [-] (Colebrook equation).
inline constexpr double turbulentReynolds = 4000.0;
//! Friction factor at the start of the transition zone, Re = 2200 [-].
inline constexpr double transitionFriction = 0.0291;
//! Start value of the friction factor of the Colebrook iteration [-].
inline constexpr double colebrookStart = 0.1;
//! The iteration ends when the relative change of sqrt(lambda) is at most this [-].
inline constexpr double colebrookTolerance = 1e-5;
//! sqrt(lambda) that replaces a Newton value of 0 or below [-].
inline constexpr double colebrookRestart = 0.0001;
//! Most passes of the Colebrook iteration; one more raises 6 (converging arguments need
//! at most about 20).
inline constexpr int colebrookPasses = 100;

//! Tube-side Reynolds number from which the smaller local losses of one pass apply [-].
inline constexpr double tubeLossReynolds = 4000.0;
//! Nozzle Reynolds number from which a tube-side nozzle loses one velocity head, not two [-].
inline constexpr double tubeNozzleReynolds = 4000.0;
//! Nozzle Reynolds number from which a shell-side nozzle loses one velocity head, not two [-].
inline constexpr double shellNozzleReynolds = 10000.0;

//! Shell-side flow is laminar below this Reynolds number of the hydraulic diameter [-].
inline constexpr double shellLaminarReynolds = 100.0;
//! The first laminar form of the bundle friction holds below this Reynolds number [-].
inline constexpr double shellCreepingReynolds = 70.0;
//! Highest shell-side Reynolds number the turbulent bundle friction is used with [-].
inline constexpr double shellReynoldsCap = 40000.0;
//! Lowest Reynolds number the in-line bundle friction is evaluated at [-].
inline constexpr double inlineReynoldsFloor = 10000.0;
//! Transverse pitch ratio below which the turbulent forms use the mean with this value [-].
inline constexpr double transversePitchLimit = 1.5;
//! Upper end of the interpolation between the laminar and the turbulent bundle friction [-].
inline constexpr double shellTransitionReynolds = 2000.0;
//! Bundles with fewer rows than this get the row correction of the friction [-].
inline constexpr double fewRows = 10.0;
//! A number of baffles below this counts as no baffle [-].
inline constexpr double baffleThreshold = 0.9;
//! Share of the segment pressure drop left when there is no baffle [-].
inline constexpr double unbaffledShare = 0.2;
//! Loss coefficient of one baffle window [velocity heads].
inline constexpr double windowLoss = 1.5;
//! Tolerance of |cos x - c| in the half-angle iteration of a baffle window [-].
inline constexpr double windowAngleTolerance = 1e-5;

// Residuals of the solves.

//! Number of equations and of unknowns of a design solve.
inline constexpr int16_t equations = 3;
//! Number of main quantities in the Newton vector (elements 1 to 8).
inline constexpr int16_t mainQuantities = 8;
//! The duty stands in the Newton vector divided by this [W].
inline constexpr double dutyScale = 10000.0;
//! Lowest ratio of the end temperature differences of the rate equation [-].
inline constexpr double temperatureRatioFloor = 1e-6;

// The design solve.

//! A dew point of the shell stream below this [°C] means no composition has been computed.
inline constexpr double dewPointKnownFrom = 1.0;
//! Start value of the inside heat-transfer coefficient [W/m2/K].
inline constexpr double startAlfai = 180.0;
//! Start value of the outside heat-transfer coefficient [W/m2/K].
inline constexpr double startAlfao = 150.0;
//! Tolerance of the largest relative correction of the Newton method [-].
inline constexpr double designTolerance = 0.0005;
//! Inerts above this mole fraction (in single precision) damp the solve of methods 2 to 4 [-].
inline constexpr float someInerts = 0.01f;
//! Inerts above this mole fraction (in single precision) damp every method [-].
inline constexpr float manyInerts = 0.05f;
//! The basic damping is divided by this with some inerts [-].
inline constexpr int16_t someInertsDamping = 25;
//! The basic damping is divided by this with many inerts [-].
inline constexpr int16_t manyInertsDamping = 45;
//! With many inerts the tolerance is multiplied by this [-].
inline constexpr double manyInertsTolerance = 5.0;
//! Tolerance of a point of the sensitivity analysis [-].
inline constexpr double analysisTolerance = 0.001;
//! Damping of a point of the sensitivity analysis [-].
inline constexpr double analysisDamping = 0.5;

// The single-phase solve.

//! Tolerance of the largest relative correction of the Newton method [-].
inline constexpr double singlePhaseTolerance = 0.001;
//! Damping of the Newton method [-].
inline constexpr double singlePhaseDamping = 0.5;
//! Iteration limit when none is given.
inline constexpr int16_t singlePhaseIterations = 50;
//! Start value of both heat-transfer coefficients [W/m2/K].
inline constexpr double singlePhaseStartCoefficient = 180.0;
//! Smallest tube length and shell diameter of a real exchanger [m].
inline constexpr float smallestDimension = 0.05f;
//! Smallest flow of a real task [kg/s].
inline constexpr double smallestFlow = 0.001;
//! Smallest area of a real task [m2].
inline constexpr float smallestArea = 0.02f;
//! D of the P-NTU relation when its radicand (1 + R)² - 4 R ip is not positive [-].
inline constexpr double radicandFallback = 0.1;
//! From this argument on the hyperbolic cotangent of the P-NTU relation is taken as 1 [-].
inline constexpr double cothCutOff = 25.0;

// Heat-transfer methods.

//! The method that takes the fixed coefficients AlfaiK, AlfaoK in place of the correlations.
inline constexpr int16_t fixedCoefficientMethod = 4;
//! The method a number above the last one is lowered to on the shell side.
inline constexpr int16_t fallbackMethod = 3;

} // namespace morv::k
