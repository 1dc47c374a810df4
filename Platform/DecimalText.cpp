#include "Platform/DecimalText.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace platform {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether the unsigned decimal number [first, last), which lies outside the double range, lies
// beyond it on the large side: its first significant digit stands at a decimal order above 0
// (every magnitude that overflows is above 1e308, every one that underflows below 1e-323).
bool beyondLargest(const char* first, const char* last) {
    long order = 0;
    bool significant = false, point = false;
    const char* p = first;
    for (; p != last && (isDigit(*p) || *p == '.'); ++p) {
        if (*p == '.') {
            point = true;
        } else if (!significant && *p == '0') {
            if (point) --order;
        } else {
            significant = true;
            if (!point) ++order;
        }
    }
    if (p != last && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negative = p != last && *p == '-';
        if (p != last && (*p == '-' || *p == '+')) ++p;
        long exponent = 0;
        for (; p != last && isDigit(*p); ++p)
            exponent = std::min(exponent * 10 + (*p - '0'), 100'000'000L);
        order += negative ? -exponent : exponent;
    }
    return order > 0;
}

} // namespace

double decimalValue(std::string_view text) {
    const char* first = text.data();
    const char* last = first + text.size();
    bool negative = false;
    if (first != last && (*first == '-' || *first == '+')) {
        negative = *first == '-';
        ++first;
    }
    // One sign at most: from_chars would take a "-" after the "+" as its own.
    if (first == last || *first == '-' || *first == '+') return 0.0;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::invalid_argument) return 0.0;
    if (ec == std::errc::result_out_of_range)
        value = beyondLargest(first, end) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

std::string scientificText(double x, int fractionDigits) {
    // Sign, one digit, the point, the fraction and "e-308" fit in 16 beyond the fraction.
    std::string out(static_cast<size_t>(std::max(fractionDigits, 0)) + 16, '\0');
    const auto [end, ec] =
        std::to_chars(out.data(), out.data() + out.size(), x, std::chars_format::scientific, fractionDigits);
    out.resize(ec == std::errc() ? static_cast<size_t>(end - out.data()) : 0);
    return out;
}

} // namespace platform
