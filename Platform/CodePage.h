#pragma once
//! Texts on disk are in code page 1250 (Central European), texts in memory in UTF-8.

#include "Platform/PlatformExport.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

//! UTF-8 to code page 1250; a character the code page lacks becomes "?".
PLATFORM_EXPORT std::string toCp1250(std::string_view utf8);
//! Code page 1250 to UTF-8; the five unassigned bytes become U+FFFD.
PLATFORM_EXPORT std::string fromCp1250(std::string_view bytes);
//! True when every character of the UTF-8 text exists in code page 1250.
PLATFORM_EXPORT bool fitsCp1250(std::string_view utf8);

//! Number of characters (code points) of a UTF-8 text.
PLATFORM_EXPORT size_t charCount(std::string_view utf8);
//! The first n characters of a UTF-8 text.
PLATFORM_EXPORT std::string leftChars(std::string_view utf8, size_t n);
//! The text cut or padded with blanks to exactly n characters.
PLATFORM_EXPORT std::string padChars(std::string_view utf8, size_t n);
//! The text without trailing blanks.
PLATFORM_EXPORT std::string trimRight(std::string_view s);
//! The text without leading and trailing blanks.
PLATFORM_EXPORT std::string trim(std::string_view s);
//! Upper-case form for comparisons without regard to case (ASCII and code page 1250 letters).
PLATFORM_EXPORT std::string upperCase(std::string_view utf8);
//! Lower-case form (ASCII and code page 1250 letters).
PLATFORM_EXPORT std::string lowerCase(std::string_view utf8);

} // namespace platform
