#include "Platform/CodePage.h"

#include "Platform/RunTimeError.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <unordered_map>

namespace platform {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// The code page's 256 characters, read once through iconv, and the reverse map.
struct Table {
    std::array<char32_t, 256> toUnicode{};
    std::unordered_map<char32_t, unsigned char> fromUnicode;

    Table() {
        iconv_t cd = iconv_open("UTF-32LE", "CP1250");
        if (cd == reinterpret_cast<iconv_t>(-1))
            raise(err::InvalidCall, "iconv", "Code page 1250 is not available");
        for (int b = 0; b < 256; ++b) {
            char in = static_cast<char>(b);
            char out[8];
            char* ip = &in;
            char* op = out;
            size_t il = 1, ol = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &ip, &il, &op, &ol) == static_cast<size_t>(-1) || ol != 4) {
                toUnicode[static_cast<size_t>(b)] = Replacement;
                continue;
            }
            const auto* u = reinterpret_cast<unsigned char*>(out);
            const char32_t cp = u[0] | (u[1] << 8) | (u[2] << 16) | (static_cast<char32_t>(u[3]) << 24);
            toUnicode[static_cast<size_t>(b)] = cp;
            fromUnicode.emplace(cp, static_cast<unsigned char>(b));
        }
        iconv_close(cd);
    }
};

const Table& table() {
    static const Table t;
    return t;
}

// Decodes one UTF-8 character at s[i], advancing i; a malformed byte gives U+FFFD.
char32_t nextChar(std::string_view s, size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
        ++i;
        return c;
    }
    const int extra = (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + static_cast<size_t>(extra) >= s.size()) {
        ++i;
        return Replacement;
    }
    char32_t cp = extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k <= extra; ++k) {
        const auto cc = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((cc & 0xC0) != 0x80) {
            ++i;
            return Replacement;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    i += static_cast<size_t>(extra) + 1;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

unsigned char upper1250(unsigned char b) {
    if (b >= 'a' && b <= 'z') return static_cast<unsigned char>(b - 0x20);
    switch (b) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9D:
        return 0x8D;
    case 0x9E:
        return 0x8E;
    case 0x9F:
        return 0x8F;
    case 0xB3:
        return 0xA3;
    case 0xB9:
        return 0xA5;
    case 0xBA:
        return 0xAA;
    case 0xBF:
        return 0xAF;
    case 0xBE:
        return 0xBC;
    default:
        break;
    }
    if (b >= 0xE0 && b != 0xF7 && b != 0xFF) return static_cast<unsigned char>(b - 0x20);
    return b;
}

unsigned char lower1250(unsigned char b) {
    if (b >= 'A' && b <= 'Z') return static_cast<unsigned char>(b + 0x20);
    switch (b) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8D:
        return 0x9D;
    case 0x8E:
        return 0x9E;
    case 0x8F:
        return 0x9F;
    case 0xA3:
        return 0xB3;
    case 0xA5:
        return 0xB9;
    case 0xAA:
        return 0xBA;
    case 0xAF:
        return 0xBF;
    case 0xBC:
        return 0xBE;
    default:
        break;
    }
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<unsigned char>(b + 0x20);
    return b;
}

// Maps each character through a byte mapping of code page 1250; characters outside the code
// page stay as they are.
template <class Fn> std::string mapCase(std::string_view utf8, Fn&& fn) {
    const Table& t = table();
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const char32_t cp = nextChar(utf8, i);
        const auto it = cp < 0x80 ? t.fromUnicode.end() : t.fromUnicode.find(cp);
        if (cp < 0x80)
            appendUtf8(out, t.toUnicode[fn(static_cast<unsigned char>(cp))]);
        else if (it != t.fromUnicode.end())
            appendUtf8(out, t.toUnicode[fn(it->second)]);
        else
            appendUtf8(out, cp);
    }
    return out;
}

} // namespace

std::string toCp1250(std::string_view utf8) {
    const Table& t = table();
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const char32_t cp = nextChar(utf8, i);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        const auto it = t.fromUnicode.find(cp);
        out += it == t.fromUnicode.end() ? '?' : static_cast<char>(it->second);
    }
    return out;
}

std::string fromCp1250(std::string_view bytes) {
    const Table& t = table();
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char b : bytes)
        appendUtf8(out, t.toUnicode[static_cast<unsigned char>(b)]);
    return out;
}

bool fitsCp1250(std::string_view utf8) {
    const Table& t = table();
    for (size_t i = 0; i < utf8.size();) {
        const char32_t cp = nextChar(utf8, i);
        if (cp >= 0x80 && !t.fromUnicode.count(cp)) return false;
    }
    return true;
}

size_t charCount(std::string_view utf8) {
    size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string leftChars(std::string_view utf8, size_t n) {
    size_t i = 0, count = 0;
    while (i < utf8.size() && count < n) {
        nextChar(utf8, i);
        ++count;
    }
    return std::string(utf8.substr(0, i));
}

std::string padChars(std::string_view utf8, size_t n) {
    std::string s = leftChars(utf8, n);
    const size_t have = charCount(s);
    if (have < n) s.append(n - have, ' ');
    return s;
}

std::string trimRight(std::string_view s) {
    size_t e = s.size();
    while (e > 0 && s[e - 1] == ' ')
        --e;
    return std::string(s.substr(0, e));
}

std::string trim(std::string_view s) {
    size_t b = 0;
    while (b < s.size() && s[b] == ' ')
        ++b;
    return trimRight(s.substr(b));
}

std::string upperCase(std::string_view utf8) {
    return mapCase(utf8, upper1250);
}
std::string lowerCase(std::string_view utf8) {
    return mapCase(utf8, lower1250);
}

} // namespace platform
