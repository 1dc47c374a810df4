#include "KWELARdll/model/WildcardMatch.h"

#include <string>

namespace kwelar {

namespace {

// The characters of a UTF-8 text; a malformed or cut sequence gives its bytes one by one.
std::u32string characters(std::string_view s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        bool whole = extra > 0 && i + extra < s.size();
        for (size_t k = 1; whole && k <= extra; ++k)
            whole = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
        if (!whole) {
            out += c;
            ++i;
            continue;
        }
        char32_t cp = c & (0x3F >> extra);
        for (size_t k = 1; k <= extra; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out += cp;
        i += extra + 1;
    }
    return out;
}

// Matches one character against the bracket list starting after "[" at p; sets `end` to
// the position after "]". Returns false with end = npos when the list is not closed.
bool inList(char32_t c, const std::u32string& pat, size_t p, size_t& end) {
    const size_t close = pat.find(U']', p);
    if (close == std::u32string::npos) {
        end = std::u32string::npos;
        return false;
    }
    end = close + 1;
    bool negate = p < close && pat[p] == U'!';
    if (negate) ++p;
    bool found = false;
    while (p < close) {
        if (p + 2 < close && pat[p + 1] == U'-') {
            found = found || (c >= pat[p] && c <= pat[p + 2]);
            p += 3;
        } else {
            found = found || c == pat[p];
            ++p;
        }
    }
    return found != negate;
}

// Does the single-character pattern element at p match c? Advances `next` past it.
bool matchOne(char32_t c, const std::u32string& pat, size_t p, size_t& next) {
    const char32_t e = pat[p];
    if (e == U'?') {
        next = p + 1;
        return true;
    }
    if (e == U'#') {
        next = p + 1;
        return c >= U'0' && c <= U'9';
    }
    if (e == U'[') {
        size_t end;
        const bool in = inList(c, pat, p + 1, end);
        if (end != std::u32string::npos) {
            next = end;
            return in;
        }
        // An unclosed "[" stands for itself.
    }
    next = p + 1;
    return c == e;
}

} // namespace

bool matchesWildcard(std::string_view text, std::string_view pattern) {
    const std::u32string t = characters(text);
    const std::u32string pat = characters(pattern);
    // Greedy match with backtracking to the last "*".
    size_t ti = 0, pi = 0;
    size_t starP = std::u32string::npos, starT = 0;
    while (ti < t.size()) {
        size_t next;
        if (pi < pat.size() && pat[pi] == U'*') {
            starP = ++pi;
            starT = ti;
        } else if (pi < pat.size() && matchOne(t[ti], pat, pi, next)) {
            pi = next;
            ++ti;
        } else if (starP != std::u32string::npos) {
            pi = starP;
            ti = ++starT;
        } else {
            return false;
        }
    }
    while (pi < pat.size() && pat[pi] == U'*')
        ++pi;
    return pi == pat.size();
}

} // namespace kwelar
