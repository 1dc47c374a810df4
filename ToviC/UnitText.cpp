#include "ToviC/UnitText.h"

#include "Platform/Checked.h"
#include "Platform/Conversions.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"

#include <limits>
#include <string>

namespace tovi {

namespace {

// An abbreviation of a unit text without its last character when that is a digit, which is
// then its power (1 otherwise).
std::string_view withoutPower(std::string_view abbreviation, int& power) {
    power = 1;
    if (!abbreviation.empty() && abbreviation.back() >= '0' && abbreviation.back() <= '9') {
        power = abbreviation.back() - '0';
        abbreviation.remove_suffix(1);
    }
    return abbreviation;
}

// Calls f(abbreviation, power, op) for each abbreviation of a unit text in order: the text
// between operators with its leading blanks dropped and its power taken off, and the operator
// before it ("*" for the first). A trailing operator with nothing after it adds none.
template <class F> void forEachAbbreviation(std::string_view text, F&& f) {
    char pending = '*';
    std::string_view rest = text;
    for (;;) {
        const size_t start = rest.find_first_not_of(' ');
        if (start == std::string_view::npos) return;
        rest.remove_prefix(start);
        const size_t opPos = rest.find_first_of("*/");
        int power = 1;
        const std::string_view abbreviation = withoutPower(rest.substr(0, opPos), power);
        f(abbreviation, power, pending);
        if (opPos == std::string_view::npos) return;
        pending = rest[opPos];
        rest.remove_prefix(opPos + 1);
    }
}

} // namespace

int16_t decodeUnitText(const UnitTable& table, std::string_view text, double& s, Exponents& sk, int16_t& CH) {
    s = 1;
    sk = {};
    int16_t count = 0;
    forEachAbbreviation(text, [&](std::string_view abbreviation, int power, char op) {
        if (count == std::numeric_limits<int16_t>::max()) platform::raise(platform::err::Overflow);
        ++count;

        double factor = 1;
        Exponents e{};
        if (const ZaznamJednotky* row = table.find(abbreviation)) {
            factor = CH == 0 ? row->Koef : 1.0;
            e = splitCode(row->TypRozmeru);
        } else {
            platform::msgBox("Neznamy rozmer!: " + std::string(abbreviation), 0, "");
            CH = problem::UnknownUnit;
        }
        if (power >= 2) {
            factor = platform::chk::pow(factor, power);
            e = scaled(e, power);
        }
        if (op == '*') {
            s = platform::chk::mul(s, factor);
            sk = combined(sk, e, +1);
        } else {
            s = platform::chk::div(s, factor);
            sk = combined(sk, e, -1);
        }
    });
    return count;
}

size_t unitTextEnd(const UnitTable& table, std::string_view text, size_t end) {
    // One walk over the text: `piece` is where the abbreviation being read begins, every one
    // before it being known. A text may end at a no-break space or where the unit text ends;
    // it is known when its last abbreviation is, or when that is empty after an operator (a
    // trailing operator adds nothing).
    const int longest = table.longestAbbreviation() + 1; // characters, with a power digit
    size_t known = end;
    size_t piece = 0;
    int pieceChars = 0;
    for (size_t at = 0;;) {
        const bool last = at == text.size() || text[at] == ' ' || text[at] == ';' || text[at] == ':';
        const size_t space = last ? 0 : platform::noBreakSpaceAt(text, at);
        const bool op = !last && (text[at] == '*' || text[at] == '/');
        if (last || space != 0 || op) {
            int power = 1;
            const bool found =
                at == piece ? piece > 0 && !op
                            : table.find(withoutPower(text.substr(piece, at - piece), power)) != nullptr;
            if (found && !op && at > end) known = at;
            if (last || (op && !found)) return known;
            if (op) {
                piece = at + 1;
                pieceChars = 0;
                at = piece;
                continue;
            }
        }
        // An abbreviation longer than every row's can be found by no text that goes on.
        if (++pieceChars > longest) return known;
        at += space != 0 ? space : 1;
        while (space == 0 && at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            ++at;
    }
}

} // namespace tovi
