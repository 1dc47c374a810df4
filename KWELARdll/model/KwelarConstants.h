#pragma once
//! Constants of the property library, each with its unit.

#include <cstddef>
#include <cstdint>

namespace kwelar {

//! Components of one mixture: slots 1 to 20.
inline constexpr int16_t MaxComponents = 20;

//! Length of one substance record of the database [bytes].
inline constexpr size_t RecordLength = 508;
//! Point values of a record, B(1..17).
inline constexpr int32_t PointValueCount = 17;
//! Temperature correlations of a record, Rozvoj(1..11).
inline constexpr int32_t CorrelationCount = 11;
//! Shortest database accepted [bytes]: less than eight records is taken as a broken file.
inline constexpr int64_t MinDatabaseLength = 4000;
//! Longest file name taken from the location file [characters].
inline constexpr size_t MaxFileNameLength = 99;

//! Number of the error raised to the caller in error mode -1: the base of object-defined
//! errors (hexadecimal 80040000) plus 600.
inline constexpr int32_t ChybaVypoctu = -2147220904;
//! Loaded marker: the records of the requested substances are in memory.
inline constexpr int16_t LoadedMarker = -9999;
//! Counted error boxes one object shows in its life, unless changed.
inline constexpr int16_t DefaultMaxErrHlas = 20;

//! Offset between the Kelvin and Celsius scales [K].
inline constexpr double CelsiusOffset = 273.15;
//! A melting point closer to 0 °C than this [K] is given as exactly 0 °C.
inline constexpr double ZeroCelsiusTolerance = 1e-5;
//! What the point constants (`Bod`, `KWLConst`) give for an index out of range.
inline constexpr float MissingPointValue = -9999.0f;
//! The missing value as `GFormat` recognises it, and the tolerance of that test.
inline constexpr double MissingValue = -9999.0;
inline constexpr double MissingValueTolerance = 1e-5;

//! Value of a correlation that cannot be evaluated: no valid equation type, or a temperature
//! beyond the limit of types 7 and 8.
inline constexpr double NoCorrelationValue = 1e-8;
//! Value of a correlation whose evaluation failed with a run-time error.
inline constexpr double FailedCorrelationValue = 1e-6;
//! Correlations 1..10 have data; 11 is a reserve block.
inline constexpr int16_t DataCorrelationCount = 10;
//! Equation types 1..19 of a correlation block.
inline constexpr int16_t EquationTypeCount = 19;
//! Correlations from this number on (liquid viscosity, conductivity, heat capacity, heat of
//! vaporisation, vapour pressure, surface tension, reserve) are not taken above the critical
//! temperature: there they are evaluated at a fraction of it.
inline constexpr int16_t FirstSubcriticalCorrelation = 5;
//! That fraction of the critical temperature [-].
inline constexpr double SubcriticalFraction = 0.98;
//! A critical temperature up to this [K] is taken as not given: no correlation is moved.
inline constexpr double MinCriticalTemperature = 15.0;
//! Exponent of type 7 (liquid density): (1 - T/Tc)^(2/7) [-].
inline constexpr double Type7Exponent = 2.0 / 7.0;
//! Exponents of type 14: (1 - Tr)^0.38 / Tr^0.166667, the second to six decimals, not 1/6.
inline constexpr double Type14Exponent1 = 0.38;
inline constexpr double Type14Exponent2 = 0.166667;

//! Point values B(j) of a record that the mixture members read.
inline constexpr int32_t MolarMassPoint = 1;           //!< molar mass [kg/mol]
inline constexpr int32_t CriticalTemperaturePoint = 2; //!< critical temperature [K]
inline constexpr int32_t CriticalVolumePoint = 4;      //!< critical molar volume [m3/mol]
inline constexpr int32_t NormalBoilingPoint = 15;      //!< normal boiling point [K]

//! Correlation numbers Nvl of the properties the mixture members combine.
inline constexpr int16_t GasViscosityCorrelation = 1;       //!< [Pa.s]
inline constexpr int16_t GasHeatCapacityCorrelation = 2;    //!< ideal gas [J/mol/K]
inline constexpr int16_t GasConductivityCorrelation = 3;    //!< [W/m/K]
inline constexpr int16_t LiquidViscosityCorrelation = 5;    //!< [Pa.s]
inline constexpr int16_t LiquidConductivityCorrelation = 6; //!< [W/m/K]
inline constexpr int16_t LiquidHeatCapacityCorrelation = 7; //!< [J/mol/K]
inline constexpr int16_t VaporisationHeatCorrelation = 8;   //!< [J/mol]
inline constexpr int16_t VapourPressureCorrelation = 9;     //!< [Pa]
inline constexpr int16_t SurfaceTensionCorrelation = 10;    //!< [N/m]

//! Substance number of water, whose liquid density (correlation 4) comes from the IAPWS
//! equation for the density of saturated liquid water instead of its record.
inline constexpr int16_t WaterSubstance = 1;
inline constexpr int16_t LiquidDensityCorrelation = 4;
//! Critical temperature [K] and critical density [kg/m3] of water (IAPWS).
inline constexpr double WaterCriticalTemperature = 647.096;
inline constexpr double WaterCriticalDensity = 322.0;
//! rho'/rho_c = 1 + sum b_k theta^e_k, theta = 1 - T/Tc: coefficients b_k [-] and exponents
//! e_k [-], the quotients computed in double precision.
inline constexpr double WaterDensityB[6] = {1.99274064,  1.09965342,  -0.510839303,
                                            -1.75493479, -45.5170352, -674694.45};
inline constexpr double WaterDensityE[6] = {1.0 / 3.0,  2.0 / 3.0,  5.0 / 3.0,
                                            16.0 / 3.0, 43.0 / 3.0, 110.0 / 3.0};

// ---- Mixture properties ---------------------------------------------------------------

//! Mole fraction a component must exceed to take part in the mixing rules that have a
//! threshold (liquid density, viscosity, heat of vaporisation, enthalpy, vapour pressure) [-].
inline constexpr double MinMixingFraction = 1e-6;
//! Smallest liquid thermal conductivity the mixing rule takes for a component [W/m/K].
inline constexpr double MinLiquidConductivity = 1e-6;
//! Temperature step of the backward difference of the volumetric expansion coefficient [K].
inline constexpr double ExpansionStep = 3.0;
//! Gas constant of the ideal-gas density [J/mol/K], 8.314 as the library takes it.
inline constexpr double GasConstant = 8.314;
//! Constant of Wilke's coefficient Phi_ij [-], 0.35355 as written, not the exact 1/sqrt(8).
inline constexpr double WilkeConstant = 0.35355;

// ---- Bubble and dew points ------------------------------------------------------------

//! Temperature of the first pass of the iteration [K].
inline constexpr double BoilingStartTemperature = 300.0;
//! Passes after which the iteration is given up (its result is then 0).
inline constexpr int BoilingPassLimit = 50;
//! A temperature at or above a component's critical temperature is lowered to this fraction
//! of it at the start of each pass [-].
inline constexpr double BoilingCriticalCap = 0.95;
//! Step of the forward difference of the vapour pressure [K].
inline constexpr double BoilingDifferenceStep = 1.0;
//! A Newton value below the lower or above the upper ratio to the current temperature is not
//! taken; the current temperature is multiplied by that ratio instead [-].
inline constexpr double BoilingMinStepRatio = 0.5;
inline constexpr double BoilingMaxStepRatio = 1.5;
//! Converged when the Newton step is no larger than this [K].
inline constexpr double BoilingTolerance = 0.02;

//! A sum of fractions farther from 1 than this is reported (`KsumX`) or normalised (`Normal`).
inline constexpr double FractionSumTolerance = 1e-5;
//! A divisor of the fraction conversions below this is replaced by 1.
inline constexpr double MinConversionSum = 1e-5;

// ---- Real-gas equation of state -------------------------------------------------------
// Inside the equations of state the pressure is in MPa, molar volumes in cm3/mol and molar
// densities in mol/cm3, so that with R = 8.314 J/(mol K) = 8.314 MPa cm3/(mol K) energies come
// out in J/mol.

//! Pascals to megapascals [MPa/Pa].
inline constexpr double MegapascalPerPascal = 1e-6;
//! Cubic centimetres per cubic metre, from a molar density in mol/cm3 to one in mol/m3.
inline constexpr double CubicCentimetrePerCubicMetre = 1e6;
//! A pressure of smaller magnitude is taken as this one [Pa].
inline constexpr double MinRealGasPressure = 1e-6;
//! Reference pressure of the entropy, p0 [MPa].
inline constexpr double ReferencePressure = 0.101325;
//! A normal boiling point below this is taken as missing [K].
inline constexpr double MinNormalBoilingPoint = 0.01;
//! Point values of a record read by the equations of state.
inline constexpr int32_t CriticalPressurePoint = 3; //!< critical pressure [Pa]
inline constexpr int32_t AcentricFactorPoint = 5;   //!< acentric factor [-]
//! Equation types of a heat-capacity block that are polynomials of that degree: 1..5.
inline constexpr int16_t MaxPolynomialType = 5;

//! Redlich-Kwong: a = 0.4278 R^2 (sum x_i Tc_i^1.25 / pc_i^0.5)^2, b = 0.0867 R sum x_i Tc_i / pc_i
//! (pc in MPa), the constants as the library takes them, not 0.42748 and 0.08664.
inline constexpr double RedlichKwongA = 0.4278;
inline constexpr double RedlichKwongB = 0.0867;
//! The density iteration stops when 100 |p - p(rho)| / p falls below this [%] ...
inline constexpr double RedlichKwongTolerance = 0.01;
//! ... or when its pass counter exceeds this.
inline constexpr int RedlichKwongPassLimit = 30;

//! Constants of one fluid of the Lee-Kesler generalized correlation,
//!   Z = 1 + B rho + C rho^2 + D rho^5 + F rho^2 (beta + gamma rho^2) exp(-gamma rho^2),
//!   B = b1 - b2/Tr - b3/Tr^2 - b4/Tr^3, C = c1 - c2/Tr + c3/Tr^3, D = d1 + d2/Tr, F = c4/Tr^3,
//! rho the reduced density pc / (R Tc) / V, followed by the products of them that the
//! correlation uses as numbers of their own.
struct LeeKeslerConstants {
    double b1, b2, b3, b4, c1, c2, c3, c4, d1, d2, beta, gamma;
    double twoGamma;    //!< 2 gamma
    double betaPlusOne; //!< beta + 1
    double threeBeta;   //!< 3 beta, the first coefficient of d(Z rho)/d rho
    double gTerm2;      //!< 5 gamma - 2 beta gamma, its second
    double gTerm3;      //!< 2 gamma^2, its third
    double d2Fifth;     //!< d2 / 5
    double c1Half;      //!< c1 / 2
    double c2Half;      //!< c2 / 2
    double c3Half;      //!< c3 / 2
    double twoB3;       //!< 2 b3
    double threeB4;     //!< 3 b4
    double twoB4;       //!< 2 b4
    double threeC3;     //!< 3 c3
    double twoC3;       //!< 2 c3
};

// clang-format off
//! The simple fluid (acentric factor 0), the published constants with b1 taken as 0.118119
//! (table 0.1181193).
inline constexpr LeeKeslerConstants LeeKeslerSimpleFluid{
    .b1 = 0.118119, .b2 = 0.265728, .b3 = 0.154790, .b4 = 0.030323,
    .c1 = 0.0236744, .c2 = 0.0186984, .c3 = 0.0, .c4 = 0.042724,
    .d1 = 1.55488e-5, .d2 = 0.623689e-4, .beta = 0.65392, .gamma = 0.060167,
    .twoGamma = 0.120334, .betaPlusOne = 1.65392,
    .threeBeta = 1.96176, .gTerm2 = 0.222146, .gTerm3 = 0.0072401,
    .d2Fifth = 1.24738e-5, .c1Half = 0.0118372, .c2Half = 0.0093492, .c3Half = 0.0,
    .twoB3 = 0.30958, .threeB4 = 0.090969, .twoB4 = 0.060646, .threeC3 = 0.0, .twoC3 = 0.0};

//! The reference fluid (acentric factor 0.3978), the published constants with b1 taken as
//! 0.202658 (table 0.2026579).
inline constexpr LeeKeslerConstants LeeKeslerReferenceFluid{
    .b1 = 0.202658, .b2 = 0.331511, .b3 = 0.027655, .b4 = 0.203488,
    .c1 = 0.0313385, .c2 = 0.0503618, .c3 = 0.016901, .c4 = 0.041577,
    .d1 = 4.8736e-5, .d2 = 0.0740336e-4, .beta = 1.226, .gamma = 0.03754,
    .twoGamma = 0.07508, .betaPlusOne = 2.226,
    .threeBeta = 3.678, .gTerm2 = 0.09565, .gTerm3 = 0.0028185,
    .d2Fifth = 1.48067e-6, .c1Half = 0.0313385 / 2, .c2Half = 0.0503618 / 2, .c3Half = 0.016901 / 2,
    .twoB3 = 0.05531, .threeB4 = 0.610464, .twoB4 = 0.406976, .threeC3 = 0.050703, .twoC3 = 0.033802};
// clang-format on

//! Acentric factor of the reference fluid [-].
inline constexpr double LeeKeslerReferenceOmega = 0.3978;
//! Critical compressibility Zc = 0.2905 - 0.085 omega [-].
inline constexpr double CriticalCompressibilityBase = 0.2905;
inline constexpr double CriticalCompressibilitySlope = 0.085;
//! Exponent of the critical volumes in the mixing rule, 0.333 as the library takes it, not 1/3.
inline constexpr double CriticalVolumeExponent = 0.333;
//! A component without an acentric factor gets -1 - log10(p_sat / pc) at this fraction of its
//! critical temperature [-].
inline constexpr double AcentricReducedTemperature = 0.7;
//! The density iterations stop when the step of the reduced density is below this ...
inline constexpr double LeeKeslerTolerance = 5e-6;
//! ... or when their pass counters exceed these (simple fluid, reference fluid).
inline constexpr int LeeKeslerSimplePassLimit = 35;
inline constexpr int LeeKeslerReferencePassLimit = 30;
//! A step is cut to this fraction of the density [-].
inline constexpr double LeeKeslerMaxStep = 0.1;
//! The reference fluid starts from this multiple of the simple fluid's density [-].
inline constexpr double LeeKeslerReferenceStart = 1.4;

// ---- Pseudo-critical values and dense-gas transport ------------------------------------

//! Fractions whose sum is farther from 1 than this are reported by `PSEUD` [-] ...
inline constexpr double PseudoCriticalSumTolerance = 0.002;
//! ... and normalised when their sum exceeds this [-].
inline constexpr double PseudoCriticalMinSum = 0.25;
//! Pascals in the atmosphere of the dense-gas methods, 101324 as they take it [Pa/atm].
inline constexpr double PascalPerAtmosphere = 101324.0;
//! Grams per kilogram, and millipascal seconds (centipoise) per pascal second.
inline constexpr double GramPerKilogram = 1000.0;
inline constexpr double CentipoisePerPascalSecond = 1000.0;
//! Dense-gas viscosity: (eta - eta0) xi = 1.08e-4 (exp(1.439 rr) - exp(-1.111 rr^1.858)) [cP].
inline constexpr double DenseViscosityFactor = 0.000108;
inline constexpr double DenseViscosityExponent1 = 1.439;
inline constexpr double DenseViscosityExponent2 = 1.111;
inline constexpr double DenseViscosityPower = 1.858;
//! Watts per metre kelvin in one calorie per centimetre second kelvin [W/(m K) per cal/(cm s K)].
inline constexpr double WattPerMetreKelvinPerCalorieUnit = 418.68;
//! Dense-gas thermal conductivity: (lambda - lambda0) Gamma Zc^5 by bands of the reduced density
//! rr [cal/(cm s K)]: 14.0e-8 (exp(0.535 rr) - 1) up to 0.5, 13.1e-8 (exp(0.67 rr) - 1.069) up to
//! 2, 2.976e-8 (exp(1.155 rr) + 2.016) below 2.8 and its value at 2.8 above.
inline constexpr double DenseConductivityBand1 = 0.5;
inline constexpr double DenseConductivityBand2 = 2.0;
inline constexpr double DenseConductivityBand3 = 2.8;
inline constexpr double DenseConductivityFactor1 = 14.0e-8 * WattPerMetreKelvinPerCalorieUnit;
inline constexpr double DenseConductivityFactor2 = 13.1e-8 * WattPerMetreKelvinPerCalorieUnit;
inline constexpr double DenseConductivityFactor3 = 2.976e-8 * WattPerMetreKelvinPerCalorieUnit;
inline constexpr double DenseConductivityExponent1 = 0.535;
inline constexpr double DenseConductivityExponent2 = 0.67;
inline constexpr double DenseConductivityExponent3 = 1.155;
inline constexpr double DenseConductivityShift2 = 1.069;
inline constexpr double DenseConductivityShift3 = 2.016;

// ---- Property by name -------------------------------------------------------------------

//! Display names of properties, NazvyVlastnosti(1..34).
inline constexpr int16_t PropertyNameCount = 34;
//! What `Vlastnost` gives when it computed no property.
inline constexpr double NoPropertyValue = -9999.0;
//! A pressure below this is taken as zero or negative by `Vlastnost` [Pa].
inline constexpr double MinPropertyPressure = 1e-6;

// ---- Flash calculation ------------------------------------------------------------------

//! The iteration has converged when the step of the vapour fraction is at most this [-] ...
inline constexpr double FlashVapourTolerance = 0.0005;
//! ... and the step of the temperature at most this [K].
inline constexpr double FlashTemperatureTolerance = 0.1;
//! Temperature step of the forward differences of the K-values and enthalpies [K].
inline constexpr double FlashDifferenceStep = 6.0;
//! Passes after which the flash gives up (its report is then the header line alone).
inline constexpr int FlashPassLimit = 30;
//! Damping factor of the first pass; each pass multiplies it by its number, up to 1 [-].
inline constexpr double FlashInitialDamping = 0.1;
//! The temperature step is damped further by this factor [-].
inline constexpr double FlashTemperatureDamping = 0.7;
//! A vapour fraction at or below 0 is set to this [-].
inline constexpr double FlashMinVapourFraction = 1e-6;
//! A working temperature below this is raised to it [K].
inline constexpr double FlashMinTemperature = 50.0;
//! A feed whose fractions sum farther from 1 than this is reported [-].
inline constexpr double FlashSumTolerance = 0.0001;
//! A bubble or dew point below this is a failed one [K].
inline constexpr double FlashMinBoilingPoint = 1.0;
//! Weights of the bubble and dew points in the temperature offered in the input box [-].
inline constexpr double FlashBubbleWeight = 0.3;
inline constexpr double FlashDewWeight = 0.7;
//! Pascals per kilopascal, the pressure unit of the report [Pa/kPa].
inline constexpr double PascalPerKilopascal = 1000.0;

//! Record of the substance database that holds a temporarily edited substance, and the
//! substance number it carries there. The data editor gives it to water as well, whose
//! density would otherwise never come from its record.
inline constexpr int16_t TemporaryRecord = 700;

} // namespace kwelar
