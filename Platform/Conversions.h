#pragma once
//! Conversions between numbers and between numbers and texts.

#include "Platform/PlatformExport.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

//! Rounds half to even into a 16-bit integer; outside -32768..32767 (or not finite) raises 6.
PLATFORM_EXPORT int16_t toInteger(double x);
//! Rounds half to even into a 32-bit integer; out of range raises 6.
PLATFORM_EXPORT int32_t toLong(double x);

//! Number-text form: plain decimal with one leading blank for 0 or more, "-" for negative,
//! "." as separator, no 0 before it (" 12", "-3", " .25", " 1E-05"); 7 significant digits
//! for a single-precision value, 15 otherwise. A value that is not finite raises 6, as in
//! every text below: it has no number text.
PLATFORM_EXPORT std::string numberText(double x, bool single = false);
//! General-number text: as numberText without the leading blank, with a 0 before the
//! separator and with the regional decimal separator ("12.5", "0.25", "1.5E-05").
PLATFORM_EXPORT std::string generalText(double x, bool single = false);
//! General-number text with "." whatever the region: the form numbers take in item files.
//! It has 7 (single) or 15 significant digits, more (up to 9 or 17) only where fewer would
//! not read back as the same value, so a number written to a file comes back unchanged.
PLATFORM_EXPORT std::string pointText(double x, bool single = false);

//! The length in bytes of the no-break space that begins at text[at] (2 for U+00A0, 3 for the
//! narrow U+202F with which desktops and spreadsheets group thousands); 0 when none begins
//! there or `at` lies past the text.
inline size_t noBreakSpaceAt(std::string_view text, size_t at) {
    if (at >= text.size()) return 0;
    if (text[at] == '\xC2') return at + 1 < text.size() && text[at + 1] == '\xA0' ? 2 : 0;
    if (text[at] == '\xE2')
        return at + 2 < text.size() && text[at + 1] == '\x80' && text[at + 2] == '\xAF' ? 3 : 0;
    return 0;
}

//! The length in bytes of the blank that begins at text[at] as the number readers take it: 1
//! for a blank, tab, line feed or carriage return, that of noBreakSpaceAt for a no-break
//! space; 0 for any other character or past the text.
inline size_t blankAt(std::string_view text, size_t at) {
    if (at >= text.size()) return 0;
    const char c = text[at];
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') return 1;
    return noBreakSpaceAt(text, at);
}

//! The text with every no-break space (those of noBreakSpaceAt) turned into a blank.
PLATFORM_EXPORT std::string plainSpaces(std::string text);
//! The text with every minus sign U+2212, as texts pasted from documents carry it, as "-".
PLATFORM_EXPORT std::string plainMinus(std::string text);

//! The lenient leading-number reader: the blanks of blankAt are skipped wherever they stand,
//! "." is the only decimal separator, "E" or "D" starts an exponent, reading stops at the
//! first character that cannot continue the number; 0 when the text does not begin with one
//! ("1 000" is 1000, "12cm" 12, "1D3" 1000, "abc" 0). A magnitude beyond the double range
//! raises 6.
PLATFORM_EXPORT double val(std::string_view text);
//! True when val finds a number at the start of the text (after blanks and a sign), false
//! when it gives 0 for want of one ("", "abc", "-", ".").
PLATFORM_EXPORT bool beginsWithNumber(std::string_view text);
//! As val, after every "," has become ".".
PLATFORM_EXPORT double valComma(std::string_view text);

//! The regional reader of boxes: the whole text (blanks around it allowed) must be one number
//! with the regional decimal separator and an optional exponent; otherwise raises 13.
PLATFORM_EXPORT double regionalNumber(std::string_view text);
//! As regionalNumber, reporting failure instead of raising.
PLATFORM_EXPORT bool tryRegionalNumber(std::string_view text, double& out);
//! As tryRegionalNumber with "." as the separator whatever the region: reads a number text
//! (" 5.13346", " 7.008463E+08", "-.25") back.
PLATFORM_EXPORT bool tryPointNumber(std::string_view text, double& out);

} // namespace platform
