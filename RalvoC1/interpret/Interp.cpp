#include "Platform/Checked.h"
#include "Platform/Conversions.h"
#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/interpret/Interpret.h"
#include "RalvoC1/interpret/Operands.h"

#include <charconv>
#include <string_view>
#include <system_error>

namespace ralvo {

using platform::Variant;
using platform::VArray;

namespace {

using namespace interp;

bool isOperator(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == ')';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
// A name begins with a character from "A" to "z": the letters and [ \ ] _ and the grave accent.
bool beginsName(char c) {
    return c >= 'A' && c <= 'z';
}

// The lenient reading of the text of a number operand, which holds no blank of any kind
// (platform::valComma). A text without "," and without a D exponent is read in place, without
// the copies the general reader makes.
double readNumber(std::string_view text) {
    if (text.find_first_of(",Dd") == std::string_view::npos) {
        double value = 0.0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec == std::errc()) return value;
    }
    return platform::valComma(text);
}

// One evaluation of a text by recursive descent, computing while it reads:
//
//   expression = ["-"] term {("+" | "-") term}      the "-" negates the first operand
//   term       = power {("*" | "/") power}
//   power      = operand {"^" operand}
//   operand    = number | name | name "(" expression ")" | "(" expression ")"
//
// Every loop works from left to right, so 2^3^2 is 64 and 8/2/2 is 2. A member that returns
// false has set the failure code; the evaluation then ends at once.
class Evaluation {
public:
    Evaluation(std::string_view s, int16_t mode, const VArray& Pr, const VArray& Y)
        : m_s(s), m_mode(mode), m_Pr(Pr), m_Y(Y), m_firstBlank(s.find(' ')) {}

    //! The value of the whole text; false with code() set when it has none.
    bool run(double& value) {
        if (!expression(value)) return false;
        if (!atEnd()) return fail(ipokCode::Syntax); // a ")" that closes nothing
        return true;
    }
    int16_t code() const { return m_code; }

private:
    bool atEnd() const { return m_pos >= m_s.size(); }
    char peek() const { return m_s[m_pos]; }

    bool fail(int16_t code) {
        m_code = code;
        return false;
    }
    bool blank() {
        if (showsAll(m_mode)) message("Mezery ve výrazu jsou nepřípustné!", "Interpret");
        return fail(ipokCode::Blank);
    }

    bool expression(double& value) {
        const bool negate = !atEnd() && peek() == '-';
        if (negate) ++m_pos;
        if (!term(value, negate)) return false;
        while (!atEnd() && (peek() == '+' || peek() == '-')) {
            const char op = m_s[m_pos++];
            double right;
            if (!term(right, false)) return false;
            value = op == '+' ? platform::chk::add(value, right) : platform::chk::sub(value, right);
        }
        return true;
    }

    bool term(double& value, bool negateFirst) {
        if (!power(value, negateFirst)) return false;
        while (!atEnd() && (peek() == '*' || peek() == '/')) {
            const char op = m_s[m_pos++];
            double right;
            if (!power(right, false)) return false;
            value = op == '*' ? platform::chk::mul(value, right) : platform::chk::div(value, right);
        }
        return true;
    }

    bool power(double& value, bool negateFirst) {
        if (!operand(value)) return false;
        if (negateFirst) value = -value;
        while (!atEnd() && peek() == '^') {
            ++m_pos;
            double right;
            if (!operand(right)) return false;
            value = platform::chk::pow(value, right);
        }
        return true;
    }

    bool operand(double& value) {
        if (atEnd()) return fail(ipokCode::Syntax);
        const char c = peek();
        bool read;
        if (c == ' ')
            return blank();
        else if (c == '(')
            read = parenthesized(value);
        else if (isOperator(c))
            return fail(ipokCode::Syntax); // two operators in a row, or an empty operand
        else if (isDigit(c) || c == '.')
            read = number(value);
        else if (beginsName(c))
            read = nameOrCall(value);
        else
            return fail(ipokCode::Syntax);
        if (!read) return false;
        // An operand is followed by an operator, a ")" or the end of the text.
        if (atEnd() || isOperator(peek())) return true;
        return peek() == ' ' ? blank() : fail(ipokCode::Syntax);
    }

    // The text of a number runs to the next operator or "("; a sign right after an exponent
    // letter (E or D) that follows a digit or the decimal point belongs to the number. A blank
    // in it, a tab, line feed, carriage return or no-break space as much as a blank
    // (platform::blankAt), is refused before the number is read, as the lenient reading would
    // skip it. The text is read leniently: "," counts as ".", reading stops at the first
    // character that cannot continue the number.
    bool number(double& value) {
        const size_t start = m_pos;
        while (!atEnd()) {
            const char c = peek();
            if (isDigit(c)) {
                ++m_pos;
                continue;
            }
            if (c == '(') break;
            if (isOperator(c)) {
                const bool exponentSign =
                    (c == '+' || c == '-') && m_pos >= start + 2 &&
                    std::string_view("EeDd").find(m_s[m_pos - 1]) != std::string_view::npos &&
                    (isDigit(m_s[m_pos - 2]) || m_s[m_pos - 2] == '.' || m_s[m_pos - 2] == ',');
                if (!exponentSign) break;
            } else if (platform::blankAt(m_s, m_pos) != 0) {
                return blank();
            }
            ++m_pos;
        }
        value = readNumber(m_s.substr(start, m_pos - start));
        return true;
    }

    // A name runs to the next operator, "(" or blank; followed by "(" it names a function. A
    // sign right after "[" belongs to the index of a vector element, so Y[-1] is the element
    // -1 (outside the vector), not Y[ minus 1].
    bool nameOrCall(double& value) {
        const size_t start = m_pos;
        while (!atEnd() && peek() != '(' && peek() != ' ') {
            if (isOperator(peek())) {
                const bool indexSign =
                    (peek() == '+' || peek() == '-') && m_pos > start && m_s[m_pos - 1] == '[';
                if (!indexSign) break;
            }
            ++m_pos;
        }
        const std::string_view name = m_s.substr(start, m_pos - start);
        if (!atEnd() && peek() == '(') {
            double argument;
            if (!parenthesized(argument)) return false;
            value = Funkce(name, argument, m_mode);
            return isFailure(value) ? fail(ipokCode::Function) : true;
        }
        value = Promenna(name, m_Pr, m_mode, m_Y);
        return isFailure(value) ? fail(ipokCode::Name) : true;
    }

    // "(" expression ")", at the "(".
    bool parenthesized(double& value) {
        // A blank anywhere in the rest of the text is reported before the inner part is read.
        if (m_firstBlank != std::string_view::npos) return blank();
        if (m_depth == constants::interpMaxDepth) return fail(ipokCode::Syntax);
        ++m_pos;
        ++m_depth;
        if (!expression(value)) return false;
        if (atEnd()) return fail(ipokCode::Syntax); // the ")" is missing
        ++m_pos;
        --m_depth;
        return true;
    }

    std::string_view m_s;
    int16_t m_mode;
    const VArray& m_Pr;
    const VArray& m_Y;
    size_t m_firstBlank;
    size_t m_pos = 0;
    int m_depth = 0;
    int16_t m_code = 0;
};

} // namespace

Variant Interpret::Interp(const std::string& s, int16_t& ipok, const VArray& Pr, const VArray& Y) const {
    Evaluation evaluation(s, ipok, Pr, Y);
    double value = 0.0;
    if (!evaluation.run(value)) {
        ipok = evaluation.code();
        return Variant(constants::chybnaHodnota);
    }
    ipok = 0;
    return Variant(value);
}

} // namespace ralvo
