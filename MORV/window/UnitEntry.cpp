#include "MORV/window/UnitEntry.h"

#include <array>
#include <string_view>
#include <utility>

namespace morv {

namespace {

//! The minus sign U+2212 in UTF-8, as texts pasted from documents carry it.
constexpr std::string_view MinusSign = "\xE2\x88\x92";

//! The text with its no-break spaces (U+00A0, U+202F), tabs and parentheses as blanks, byte
//! for byte, so that a position in it is the same position in the text: the characters that
//! separate a number from its unit, as the converter reads them.
std::string plain(std::string text) {
    for (const std::string_view space : {std::string_view("\xC2\xA0"), std::string_view("\xE2\x80\xAF")})
        for (size_t at = text.find(space); at != std::string::npos; at = text.find(space, at))
            text.replace(at, space.size(), space.size(), ' ');
    for (char& c : text)
        if (c == '\t' || c == '(' || c == ')') c = ' ';
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

std::string withPlainMinus(std::string text) {
    for (size_t at = text.find(MinusSign); at != std::string::npos; at = text.find(MinusSign, at))
        text.replace(at, MinusSign.size(), "-");
    return text;
}

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
    std::string text = withPlainMinus(typed);
    if (!unit || !endsInUnit(plain(text))) return text;
    return unit + text;
}

std::string zeroOfTypedUnit(const std::string& typed, const char* unit) {
    const std::string text = withPlainMinus(typed);
    const std::string blanks = plain(text);
    const auto [from, to] = afterNumber(blanks);
    if (from == to || !endsInUnit(blanks)) return {};
    // The unit as typed: a no-break space inside it may belong to a unit of the user's file.
    return withBoxUnit("0 " + text.substr(from, to - from), unit);
}

} // namespace morv
