#include "Platform/Regional.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>

namespace platform {

namespace {

struct Settings {
    char separator = '.';
    std::string datePattern = "%d.%m.%Y";
    bool loaded = false;
};

Settings& settings() {
    static Settings s;
    return s;
}

void load(Settings& s) {
    s.loaded = true;
    s.separator = '.';
    s.datePattern = "%d.%m.%Y";
    if (locale_t loc = newlocale(LC_NUMERIC_MASK | LC_TIME_MASK, "", static_cast<locale_t>(nullptr))) {
        const char* radix = nl_langinfo_l(RADIXCHAR, loc);
        if (radix && (radix[0] == ',' || radix[0] == '.')) s.separator = radix[0];
        const char* date = nl_langinfo_l(D_FMT, loc);
        if (date && *date) s.datePattern = date;
        freelocale(loc);
    }
}

Settings& loaded() {
    Settings& s = settings();
    if (!s.loaded) load(s);
    return s;
}

} // namespace

char Regional::decimalSeparator() {
    return loaded().separator;
}
void Regional::setDecimalSeparator(char sep) {
    loaded().separator = sep;
}
std::string Regional::shortDatePattern() {
    return loaded().datePattern;
}
void Regional::setShortDatePattern(const std::string& pattern) {
    loaded().datePattern = pattern;
}
void Regional::resetFromLocale() {
    load(settings());
}

std::string Regional::shortDate(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[64];
    const size_t n = std::strftime(buf, sizeof buf, shortDatePattern().c_str(), &tm);
    return std::string(buf, n);
}

namespace {
std::time_t systemClock() {
    return std::time(nullptr);
}
Regional::Clock& installedClock() {
    static Regional::Clock clock = &systemClock;
    return clock;
}
} // namespace

std::string Regional::today() {
    return shortDate(installedClock()());
}
void Regional::setClock(Clock clock) {
    installedClock() = clock ? clock : &systemClock;
}

DecimalSeparatorScope::DecimalSeparatorScope(char sep) : m_old(Regional::decimalSeparator()) {
    Regional::setDecimalSeparator(sep);
}
DecimalSeparatorScope::~DecimalSeparatorScope() {
    Regional::setDecimalSeparator(m_old);
}

} // namespace platform
