#pragma once
//! The program's version, from the project's version in the build.

namespace morv::version {
inline constexpr int major = MORV_VERSION_MAJOR;
inline constexpr int minor = MORV_VERSION_MINOR;
inline constexpr int revision = MORV_VERSION_PATCH;
} // namespace morv::version
