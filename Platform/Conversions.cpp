#include "Platform/Conversions.h"

#include "Platform/DecimalText.h"
#include "Platform/Regional.h"
#include "Platform/RunTimeError.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace platform {

int16_t toInteger(double x) {
    const double r = std::nearbyint(x);
    if (!(r >= -32768.0 && r <= 32767.0)) raise(err::Overflow);
    return static_cast<int16_t>(r);
}

int32_t toLong(double x) {
    const double r = std::nearbyint(x);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) raise(err::Overflow);
    return static_cast<int32_t>(r);
}

namespace {

// The decimal text of x with at most `digits` significant digits in the general-number
// layout: fixed notation for 1e-4 <= |x| < 10^digits, otherwise mantissa and "E+nn"/"E-nn".
// `leadingZero` keeps the 0 before the separator of a magnitude below 1.
std::string decimalText(double x, int digits, char sep, bool leadingZero) {
    // A value that is not finite has no decimal text: written as a number it would be lost.
    if (!std::isfinite(x)) raise(err::Overflow);
    if (x == 0.0) return "0";
    // s: [-]d.ddddde[+-]xx
    std::string s = scientificText(x, digits - 1);
    const bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    const size_t ePos = s.find('e');
    int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string mantissa = s.substr(0, 1) + (ePos > 2 ? s.substr(2, ePos - 2) : std::string());
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out;
    if (exponent < -4 || exponent >= digits) {
        out = mantissa.substr(0, 1);
        if (mantissa.size() > 1) out += sep + mantissa.substr(1);
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += e;
    } else if (exponent < 0) {
        out = leadingZero ? "0" : "";
        out += sep;
        out.append(static_cast<size_t>(-exponent - 1), '0');
        out += mantissa;
    } else {
        const size_t intDigits = static_cast<size_t>(exponent) + 1;
        if (mantissa.size() <= intDigits) {
            out = mantissa + std::string(intDigits - mantissa.size(), '0');
        } else {
            out = mantissa.substr(0, intDigits) + sep + mantissa.substr(intDigits);
        }
    }
    return negative ? "-" + out : out;
}

int digitsFor(bool single) {
    return single ? 7 : 15;
}

} // namespace

std::string numberText(double x, bool single) {
    const std::string t = decimalText(x, digitsFor(single), '.', false);
    return x < 0.0 ? t : " " + t;
}

std::string generalText(double x, bool single) {
    return decimalText(x, digitsFor(single), Regional::decimalSeparator(), true);
}

std::string pointText(double x, bool single) {
    // 7 (15) digits give the value back for every number typed with that many; a value that
    // came out of a calculation may need up to 9 (17) to be read back bit for bit.
    const int most = single ? 9 : 17;
    for (int digits = digitsFor(single);; ++digits) {
        std::string t = decimalText(x, digits, '.', true);
        const double back = decimalValue(t);
        const bool same = single ? static_cast<float>(back) == static_cast<float>(x) : back == x;
        if (same || digits == most) return t;
    }
}

std::string plainSpaces(std::string text) {
    for (size_t at = 0; at < text.size(); ++at)
        if (const size_t n = noBreakSpaceAt(text, at)) text.replace(at, n, " ");
    return text;
}

std::string plainMinus(std::string text) {
    constexpr std::string_view minusSign = "\xE2\x88\x92";
    for (size_t at = text.find(minusSign); at != std::string::npos; at = text.find(minusSign, at + 1))
        text.replace(at, minusSign.size(), "-");
    return text;
}

namespace {

// The characters of the leading number of a text as val reads it, blanks skipped: sign,
// digits, point and exponent; "" when the text does not begin with a number. A blank is
// recognised where it is skipped, so a text is read in place however long it is.
std::string leadingNumberText(std::string_view text) {
    std::string num;
    size_t i = 0;
    auto skipBlanks = [&] {
        for (size_t n; (n = blankAt(text, i)) != 0;)
            i += n;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        num += text[i++];
        skipBlanks();
    }
    bool digits = false, point = false;
    while (i < text.size()) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            num += c;
            digits = true;
            ++i;
        } else if (c == '.' && !point) {
            num += c;
            point = true;
            ++i;
        } else if (const size_t n = blankAt(text, i)) {
            i += n;
        } else {
            break;
        }
    }
    if (!digits) return {};
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::string exp = "e";
        ++i;
        skipBlanks();
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) exp += text[i++];
        bool expDigits = false;
        while (i < text.size()) {
            if (text[i] >= '0' && text[i] <= '9') {
                exp += text[i++];
                expDigits = true;
            } else if (const size_t n = blankAt(text, i)) {
                i += n;
            } else {
                break;
            }
        }
        if (expDigits) num += exp;
    }
    return num;
}

} // namespace

double val(std::string_view text) {
    const std::string num = leadingNumberText(text);
    if (num.empty()) return 0.0;
    const double r = decimalValue(num);
    if (!std::isfinite(r)) raise(err::Overflow);
    return r;
}

bool beginsWithNumber(std::string_view text) {
    return !leadingNumberText(text).empty();
}

double valComma(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    return val(s);
}

namespace {

//! One number, blanks around it allowed, with `sep` as its decimal separator and an optional
//! exponent.
bool tryWholeNumber(std::string_view text, char sep, double& out) {
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    std::string num;
    size_t i = b;
    if (i < e && (text[i] == '-' || text[i] == '+')) num += text[i++];
    bool digits = false, point = false;
    for (; i < e; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            num += c;
            digits = true;
        } else if (c == sep && !point) {
            num += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return false;
    if (i < e && (text[i] == 'E' || text[i] == 'e')) {
        num += 'e';
        ++i;
        if (i < e && (text[i] == '-' || text[i] == '+')) num += text[i++];
        bool expDigits = false;
        for (; i < e && text[i] >= '0' && text[i] <= '9'; ++i) {
            num += text[i];
            expDigits = true;
        }
        if (!expDigits) return false;
    }
    if (i != e) return false;
    const double r = decimalValue(num);
    if (!std::isfinite(r)) return false;
    out = r;
    return true;
}

} // namespace

bool tryRegionalNumber(std::string_view text, double& out) {
    return tryWholeNumber(text, Regional::decimalSeparator(), out);
}

bool tryPointNumber(std::string_view text, double& out) {
    return tryWholeNumber(text, '.', out);
}

double regionalNumber(std::string_view text) {
    double r;
    if (!tryRegionalNumber(text, r)) raise(err::TypeMismatch);
    return r;
}

} // namespace platform
