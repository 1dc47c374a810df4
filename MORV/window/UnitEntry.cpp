#include "MORV/window/UnitEntry.h"

#include "Platform/Conversions.h"

#include <array>
#include <string_view>
#include <utility>

namespace morv {

namespace {

//! The text with its no-break spaces, tabs and parentheses as blanks, byte for byte, so that
//! a position in it is the same position in the text: the characters that separate a number
//! from its unit, as the converter reads them.
std::string plain(std::string text) {
    for (size_t at = 0; at < text.size(); ++at) {
        if (const size_t n = platform::noBreakSpaceAt(text, at)) {
            text.replace(at, n, n, ' ');
            at += n - 1;
        } else if (text[at] == '\t' || text[at] == '(' || text[at] == ')') {
            text[at] = ' ';
        }
    }
    return text;
}

//! Where in a plain text the unit after its number stands: from the first character after the
//! first run of non-blanks to the last character that is not a blank; an empty span when
//! nothing follows the number.
std::pair<size_t, size_t> afterNumber(std::string_view text) {
    const size_t start = text.find_first_not_of(' ');
    const size_t gap = start == std::string_view::npos ? start : text.find(' ', start);
    const size_t unit = gap == std::string_view::npos ? gap : text.find_first_not_of(' ', gap);
    if (unit == std::string_view::npos) return {0, 0};
    return {unit, text.find_last_not_of(' ') + 1};
}

//! True when the text's last character other than a blank sorts after "9", as a unit does.
bool endsInUnit(std::string_view text) {
    const size_t last = text.find_last_not_of(' ');
    return last != std::string_view::npos && static_cast<unsigned char>(text[last]) > '9';
}

} // namespace

const char* mainQuantityUnit(int i) {
    static constexpr std::array<const char*, 8> units = {"kg/s ", "kg/s ", "C ",  "C ",
                                                         "C ",    "C ",    "kW ", "m2 "};
    return units.at(static_cast<size_t>(i));
}

const char* constructionUnit(int i) {
    constexpr const char* length = lengthUnit;
    constexpr const char* number = noUnit;
    static constexpr std::array<const char*, 23> units = {
        length, length, length,    length,    number, number,   length, length,
        length, number, number,    number,    number, length,   length, length,
        length, length, "m2*K/W ", "m2*K/W ", number, "W/m/K ", number};
    return units.at(static_cast<size_t>(i));
}

std::string withBoxUnit(const std::string& typed, const char* unit) {
    std::string text = platform::plainMinus(typed);
    if (!unit || !endsInUnit(plain(text))) return text;
    return unit + text;
}

std::string zeroOfTypedUnit(const std::string& typed, const char* unit) {
    const std::string text = platform::plainMinus(typed);
    const std::string blanks = plain(text);
    const auto [from, to] = afterNumber(blanks);
    if (from == to || !endsInUnit(blanks)) return {};
    // The unit as typed: a no-break space inside it may belong to a unit of the user's file.
    return withBoxUnit("0 " + text.substr(from, to - from), unit);
}

} // namespace morv
