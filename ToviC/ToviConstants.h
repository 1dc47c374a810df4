#pragma once
//! Constants of the unit-conversion library Tovicls, each with its unit.

namespace tovi::k {

// Unit table.

//! Number of built-in rows of the unit table (rows 1 to 91).
inline constexpr int builtInRows = 91;
//! Highest row of the unit table; rows 92 to 100 take the user units.
inline constexpr int tableRows = 100;
//! Number of base dimensions: m, s, kg, K, A, mol, cd, x.
inline constexpr int baseDimensions = 8;
//! Dimension code of a temperature: kelvin to the power 1.
inline constexpr int temperatureCode = 5444;
//! Folder of the user unit file.
inline constexpr const char* userFileFolder = "/etc/";
//! Name of the user unit file.
inline constexpr const char* userFileName = "Prevody.kfc";

// Temperatures typed with a lone C, F or R.

//! 0 degC in kelvin [K].
inline constexpr double celsiusZero = 273.15;
//! Kelvin per degree Fahrenheit or Rankine [K/degF], 1/1.8 in double precision.
inline constexpr double kelvinPerDegreeF = 1.0 / 1.8;
//! 0 degF in kelvin [K], stored with five decimals.
inline constexpr double fahrenheitZero = 255.37222;
//! 0 K in degrees Fahrenheit [degF].
inline constexpr double absoluteZeroF = -459.67;

// Display bands of RoundX: the lower limits (exclusive) of the magnitude for each pattern.

inline constexpr double bandExponent = 9999; //!< above: "0.0000E+00"
inline constexpr double bandTwo = 99.99;     //!< above: "#0.00"
inline constexpr double bandThree = 9.999;   //!< above: "#0.000"
inline constexpr double bandFour = 0.9999;   //!< above: "0.0000"
inline constexpr double bandFive = 0.09999;  //!< above: "0.00000"
inline constexpr double bandSix = 0.009999;  //!< above: "0.000000"; otherwise "0.0000E-00"

} // namespace tovi::k
