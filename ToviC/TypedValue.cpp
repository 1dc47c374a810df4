#include "ToviC/TypedValue.h"

#include "ToviC/UnitText.h"

#include "Platform/Checked.h"
#include "Platform/CodePage.h"
#include "Platform/Conversions.h"
#include "Platform/MessageBox.h"

#include <algorithm>
#include <string_view>

namespace tovi {

namespace {

namespace chk = platform::chk;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
// The length of the separator at s[at] that parts tokens as a blank: 1 for a blank, that of
// the no-break space (U+00A0, U+202F) that begins there, 0 for any other character.
size_t separatorAt(std::string_view s, size_t at) {
    return s[at] == ' ' ? 1 : platform::noBreakSpaceAt(s, at);
}
bool isBlankOnly(std::string_view s) {
    for (size_t at = 0; at < s.size();) {
        const size_t n = separatorAt(s, at);
        if (n == 0) return false;
        at += n;
    }
    return true;
}
bool endsStatement(char c) {
    return c == ';' || c == ':';
}
// The end of the token at the start of s: its first blank, no-break space, ";" or ":", or the
// end of s.
size_t tokenEnd(std::string_view s) {
    size_t at = 0;
    while (at < s.size() && !endsStatement(s[at]) && separatorAt(s, at) == 0)
        ++at;
    return at;
}

// Form codes: each number adds 2, the first unit text of a statement 1 (its target unit),
// each later one 4 (its source unit).
constexpr int formNumber = 2;
constexpr int formTarget = 1;
constexpr int formSource = 4;
constexpr int formBoth = formTarget + formNumber + formSource;

// A text is read as at most two statements; the value of the first is returned, the second is
// evaluated for its messages and units, and anything after it is not read.
constexpr int maxStatements = 2;

class StatementReader {
public:
    StatementReader(const UnitTable& table, int16_t& ch, LastConversion& last)
        : m_table(table), m_ch(ch), m_last(last) {}

    // The value of one statement: the number converted from the source unit into SI base
    // units and from them into the target unit.
    double evaluate(double number, int form) {
        double value = number;
        m_last.sourceFactor = m_last.targetFactor = 1;
        m_last.sourceExponents = m_last.targetExponents = {};
        if (form != 0) {
            value = applySide(value, m_last.source, true, m_last.sourceFactor, m_last.sourceExponents);
            value = applySide(value, m_last.target, false, m_last.targetFactor, m_last.targetExponents);
        }
        if (form == formBoth) checkConsistency();
        return value;
    }

private:
    // A source unit takes the value into SI base units, a target unit out of them. A text of
    // one character or none is a temperature when it is C, F or R (any case).
    double applySide(double value, const std::string& unit, bool source, double& factor, Exponents& e) {
        if (platform::charCount(unit) < 2) {
            e = splitCode(k::temperatureCode);
            const std::string letter = platform::upperCase(unit);
            if (letter == "C")
                return source ? chk::add(value, k::celsiusZero) : chk::sub(value, k::celsiusZero);
            if (letter == "F")
                return source ? chk::add(chk::mul(value, k::kelvinPerDegreeF), k::fahrenheitZero)
                              : chk::add(chk::div(value, k::kelvinPerDegreeF), k::absoluteZeroF);
            if (letter == "R")
                return source ? chk::mul(value, k::kelvinPerDegreeF) : chk::div(value, k::kelvinPerDegreeF);
        }
        decodeUnitText(m_table, unit, factor, e, m_ch);
        return source ? chk::mul(value, factor) : chk::div(value, factor);
    }

    // Reports the first base dimension whose exponents differ: "m :  2  1" for kW against m.
    void checkConsistency() {
        for (size_t i = 0; i < ZaklRozmery.size(); ++i) {
            const int16_t t = m_last.targetExponents[i], s = m_last.sourceExponents[i];
            if (t == s) continue;
            m_ch = problem::Inconsistent;
            platform::msgBox(std::string("Nekonzistentni jednotky!   ") + ZaklRozmery[i] + " : " +
                                 platform::numberText(t) + " " + platform::numberText(s),
                             0, "");
            return;
        }
    }

    const UnitTable& m_table;
    int16_t& m_ch;
    LastConversion& m_last;
};

} // namespace

platform::Variant readTypedValue(const UnitTable& table, std::string text, int16_t& CH, std::string* rozmer,
                                 LastConversion& last) {
    CH = problem::None;
    last.target.clear();
    last.source.clear();

    // Parentheses only separate tokens; a decimal comma reads as a point. A no-break space
    // separates as a blank does, except inside a unit text the table knows with it.
    text.erase(0, std::min(text.find_first_not_of(' '), text.size()));
    for (char& c : text) {
        if (c == '(' || c == ')')
            c = ' ';
        else if (c == ',')
            c = '.';
    }

    StatementReader reader(table, CH, last);
    double number = 0;
    int form = 0;
    int statements = 0;
    platform::Variant first;
    std::string_view rest = text;
    while (statements < maxStatements && !isBlankOnly(rest)) {
        size_t end = tokenEnd(rest);
        const char c = rest.front();
        const bool isNumber = isDigit(c) || c == '-' || c == '+' || c == '.';
        if (!isNumber && end > 0 && platform::noBreakSpaceAt(rest, end) != 0)
            end = unitTextEnd(table, rest, end);
        const std::string_view token = rest.substr(0, end);
        if (!token.empty()) {
            if (isNumber) {
                // The number is read across the blanks that follow it as far as it goes on.
                number = platform::val(rest);
                form += formNumber;
                if (!isDigit(token.back())) {
                    platform::msgBox("Chybí mezera za číslem!  :" + std::string(rest), 0, "");
                    CH = problem::NoBlank;
                }
            } else if (form == 0) {
                last.target = token;
                form += formTarget;
            } else {
                last.source = token;
                form += formSource;
            }
        }
        // A statement ends at ";", ":" or the end of the text, also where only blanks follow.
        const bool atEnd = end == rest.size() || endsStatement(rest[end]);
        rest.remove_prefix(atEnd ? std::min(end + 1, rest.size()) : end + separatorAt(rest, end));
        if (atEnd || isBlankOnly(rest)) {
            const double value = reader.evaluate(number, form);
            if (statements++ == 0) first = value;
            if (rozmer) *rozmer = last.target;
            form = 0;
        }
    }
    return first;
}

} // namespace tovi
