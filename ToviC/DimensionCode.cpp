#include "ToviC/DimensionCode.h"

#include "Platform/RunTimeError.h"

#include <limits>

namespace tovi {

namespace {

int16_t exponent16(int32_t e) {
    if (e < std::numeric_limits<int16_t>::min() || e > std::numeric_limits<int16_t>::max())
        platform::raise(platform::err::Overflow);
    return static_cast<int16_t>(e);
}

// Dimensions that have a name of their own in SI texts.
struct NamedDimension {
    int32_t code;
    const char* name;
};
constexpr NamedDimension namedDimensions[] = {{516, "W"},   {523, "Pa"},    {525, "N"},  {526, "J"},
                                              {533, "Pas"}, {24516, "Ohm"}, {34516, "V"}};

} // namespace

Exponents splitCode(int32_t code) {
    Exponents e{};
    for (int i = 0; i < k::baseDimensions; ++i) {
        const int32_t d = code % 10;
        code = (code - d) / 10;
        e[static_cast<size_t>(i)] = static_cast<int16_t>(d > 0 ? d - 4 : 0);
    }
    return e;
}

int32_t packCode(const Exponents& e) {
    int64_t code = 0;
    bool started = false;
    for (int i = k::baseDimensions - 1; i >= 0; --i) {
        const int16_t x = e[static_cast<size_t>(i)];
        if (x == 0 && !started) continue;
        started = true;
        code = code * 10 + x + 4;
        if (code > std::numeric_limits<int32_t>::max() || code < std::numeric_limits<int32_t>::min())
            platform::raise(platform::err::Overflow);
    }
    return static_cast<int32_t>(code);
}

int16_t highestIndex(const Exponents& e) {
    for (int i = k::baseDimensions - 1; i > 0; --i)
        if (e[static_cast<size_t>(i)] != 0) return static_cast<int16_t>(i);
    return 0;
}

Exponents scaled(const Exponents& a, int p) {
    Exponents r{};
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = exponent16(a[i] * p);
    return r;
}

Exponents combined(const Exponents& a, const Exponents& b, int sign) {
    Exponents r{};
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = exponent16(a[i] + sign * b[i]);
    return r;
}

std::string siText(const Exponents& e) {
    // Named dimensions are recognised by their vectors, so a vector whose exponents do not
    // fit one digit each can never pass for one of them.
    for (const NamedDimension& n : namedDimensions)
        if (splitCode(n.code) == e) return n.name;
    std::string positive, negative;
    for (int i = k::baseDimensions - 1; i >= 0; --i) {
        const int x = e[static_cast<size_t>(i)];
        if (x > 0) {
            if (!positive.empty()) positive += '*';
            positive += ZaklRozmery[static_cast<size_t>(i)];
            if (x > 1) positive += std::to_string(x);
        } else if (x < 0) {
            negative += '/';
            negative += ZaklRozmery[static_cast<size_t>(i)];
            if (x < -1) negative += std::to_string(-x);
        }
    }
    return positive + negative;
}

} // namespace tovi
