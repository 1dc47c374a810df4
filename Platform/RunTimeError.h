#pragma once
//! Numbered run-time errors: the one exception type of the whole system.

#include "Platform/PlatformExport.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {

//! Error numbers used across the system, with their standard meaning.
namespace err {
inline constexpr int32_t InvalidCall = 5;       //!< "Invalid procedure call or argument"
inline constexpr int32_t Overflow = 6;          //!< "Overflow"
inline constexpr int32_t OutOfMemory = 7;       //!< "Out of memory"
inline constexpr int32_t Subscript = 9;         //!< "Subscript out of range"
inline constexpr int32_t DivisionByZero = 11;   //!< "Division by zero"
inline constexpr int32_t TypeMismatch = 13;     //!< "Type mismatch"
inline constexpr int32_t BadFileName = 52;      //!< "Bad file name or number"
inline constexpr int32_t FileNotFound = 53;     //!< "File not found"
inline constexpr int32_t BadFileMode = 54;      //!< "Bad file mode"
inline constexpr int32_t PastEndOfFile = 62;    //!< "Input past end of file"
inline constexpr int32_t PermissionDenied = 70; //!< "Permission denied"
inline constexpr int32_t PathFileAccess = 75;   //!< "Path/File access error"
inline constexpr int32_t PathNotFound = 76;     //!< "Path not found"
inline constexpr int32_t ObjectNotSet = 91;     //!< "Object variable or With block variable not set"
inline constexpr int32_t NoSuchMember = 438;    //!< "Object doesn't support this property or method"
inline constexpr int32_t Cancelled = 32755;     //!< a file dialog closed with Cancel
} // namespace err

//! The standard English description of a run-time error number ("" when it has none).
PLATFORM_EXPORT std::string standardDescription(int32_t number);

//! A numbered run-time error with the source that raised it and its description.
class PLATFORM_EXPORT RunTimeError : public std::runtime_error {
public:
    //! An error with the standard description of its number.
    explicit RunTimeError(int32_t number, std::string source = {});
    RunTimeError(int32_t number, std::string source, std::string description);

    int32_t number() const noexcept { return m_number; }
    const std::string& source() const noexcept { return m_source; }
    const std::string& description() const noexcept { return m_description; }

private:
    int32_t m_number;
    std::string m_source;
    std::string m_description;
};

//! Raises run-time error `number` with its standard description.
[[noreturn]] PLATFORM_EXPORT void raise(int32_t number, const std::string& source = {});
//! Raises run-time error `number` with its own description.
[[noreturn]] PLATFORM_EXPORT void raise(int32_t number, const std::string& source,
                                        const std::string& description);

} // namespace platform
