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

} // namespace kwelar
