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

} // namespace kwelar
