#include "Platform/Format.h"

#include "Platform/DecimalText.h"
#include "Platform/Regional.h"
#include "Platform/RunTimeError.h"

#include <cmath>
#include <cstdlib>

namespace platform {

namespace {

// |x| as 15 significant decimal digits d1 d2 ... d15 and the exponent of d1.
struct Decimal {
    std::string digits;
    int exponent = 0;
    bool zero = true;
};

Decimal decimalOf(double x) {
    Decimal d;
    if (x == 0.0) return d;
    char buf[40] = {};
    scientificText(std::fabs(x), 14).copy(buf, sizeof buf - 1);
    d.zero = false;
    d.digits = std::string(1, buf[0]) + std::string(buf + 2, 14);
    d.exponent = std::atoi(buf + 17);
    return d;
}

// The first `keep` significant digits of d, rounded half away from zero. A carry out of the
// first digit lengthens the result by one digit ("999" -> "1000"); keep <= 0 gives "" or "1".
std::string roundDigits(const Decimal& d, int keep, bool& carried) {
    carried = false;
    if (d.zero) return std::string(keep > 0 ? static_cast<size_t>(keep) : 0, '0');
    if (keep < 0) return {};
    std::string r = d.digits.substr(0, static_cast<size_t>(std::min(keep, 15)));
    if (keep < 15 && d.digits[static_cast<size_t>(keep)] >= '5') {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (r[static_cast<size_t>(i)] == '9') {
                r[static_cast<size_t>(i)] = '0';
            } else {
                ++r[static_cast<size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            r.insert(r.begin(), '1');
            carried = true;
        }
    }
    if (keep > 15) r.append(static_cast<size_t>(keep - 15), '0');
    return r;
}

struct Section {
    int zeros = 0;  // '0' placeholders
    int hashes = 0; // '#' placeholders
    int count() const { return zeros + hashes; }
};

struct Pattern {
    std::string prefix, suffix;
    Section integer, fraction;
    bool point = false;
    bool scientific = false;
    bool expAlwaysSigned = false;
    int expZeros = 0;
};

Pattern parse(std::string_view p) {
    Pattern pat;
    size_t expPos = std::string_view::npos;
    for (size_t i = 0; i + 1 < p.size(); ++i)
        if ((p[i] == 'E' || p[i] == 'e') && (p[i + 1] == '+' || p[i + 1] == '-')) {
            expPos = i;
            break;
        }
    std::string_view mant = p.substr(0, expPos);
    if (expPos != std::string_view::npos) {
        pat.scientific = true;
        pat.expAlwaysSigned = p[expPos + 1] == '+';
        for (char c : p.substr(expPos + 2))
            if (c == '0') ++pat.expZeros;
    }
    const size_t first = mant.find_first_of("0#.");
    const size_t last = mant.find_last_of("0#.");
    if (first == std::string_view::npos) {
        pat.prefix = std::string(mant);
        return pat;
    }
    pat.prefix = std::string(mant.substr(0, first));
    pat.suffix = std::string(mant.substr(last + 1));
    for (char c : mant.substr(first, last - first + 1)) {
        Section& s = pat.point ? pat.fraction : pat.integer;
        if (c == '.')
            pat.point = true;
        else if (c == '0')
            ++s.zeros;
        else if (c == '#')
            ++s.hashes;
    }
    return pat;
}

// Writes integer digits `intPart` and fraction digits `fracPart` as the sections ask.
std::string layout(const Pattern& pat, std::string intPart, std::string fracPart) {
    size_t nz = 0;
    while (nz < intPart.size() && intPart[nz] == '0')
        ++nz;
    intPart.erase(0, nz);
    if (static_cast<int>(intPart.size()) < pat.integer.zeros)
        intPart.insert(0, static_cast<size_t>(pat.integer.zeros) - intPart.size(), '0');
    while (static_cast<int>(fracPart.size()) > pat.fraction.zeros && !fracPart.empty() &&
           fracPart.back() == '0')
        fracPart.pop_back();
    std::string out = intPart;
    if (pat.point) out += Regional::decimalSeparator() + fracPart;
    return out;
}

} // namespace

std::string format(double x, std::string_view pattern) {
    // A value that is not finite has no digits to format.
    if (!std::isfinite(x)) raise(err::Overflow);
    const Pattern pat = parse(pattern);
    const Decimal d = decimalOf(x);
    const int fracDigits = pat.fraction.count();
    std::string body;
    bool carried = false;
    if (!pat.scientific) {
        // Digits to keep: those before the separator plus fracDigits after it.
        const int keep = d.zero ? 0 : d.exponent + 1 + fracDigits;
        std::string r = roundDigits(d, keep, carried);
        const int intCount = d.zero ? 0 : d.exponent + 1 + (carried ? 1 : 0);
        std::string intPart, fracPart;
        if (intCount > 0) {
            intPart = r.substr(0, static_cast<size_t>(intCount));
            fracPart = r.substr(static_cast<size_t>(intCount));
        } else {
            // |x| < 1: leading zeros of the fraction, then the kept digits.
            fracPart = std::string(static_cast<size_t>(std::min(-intCount, fracDigits)), '0') + r;
        }
        fracPart.resize(static_cast<size_t>(fracDigits), '0');
        body = layout(pat, intPart, fracPart);
    } else {
        const int intDigits = std::max(pat.integer.count(), 1);
        int exponent = 0;
        std::string r;
        if (d.zero) {
            r = std::string(static_cast<size_t>(intDigits + fracDigits), '0');
        } else {
            r = roundDigits(d, intDigits + fracDigits, carried);
            exponent = d.exponent - (intDigits - 1) + (carried ? 1 : 0);
            if (carried) r.pop_back();
        }
        std::string intPart = r.substr(0, static_cast<size_t>(intDigits));
        std::string fracPart = r.substr(static_cast<size_t>(intDigits));
        Pattern mant = pat;
        mant.integer.zeros = std::max(mant.integer.zeros, 1);
        body = layout(mant, intPart, fracPart);
        std::string e = std::to_string(std::abs(exponent));
        if (static_cast<int>(e.size()) < pat.expZeros)
            e.insert(0, static_cast<size_t>(pat.expZeros) - e.size(), '0');
        body += 'E';
        if (exponent < 0)
            body += '-';
        else if (pat.expAlwaysSigned)
            body += '+';
        body += e;
    }
    return (x < 0.0 ? "-" : "") + pat.prefix + body + pat.suffix;
}

} // namespace platform
