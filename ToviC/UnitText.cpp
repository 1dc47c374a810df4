#include "ToviC/UnitText.h"

#include "Platform/Checked.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"

#include <limits>
#include <string>

namespace tovi {

int16_t decodeUnitText(const UnitTable& table, std::string_view text, double& s, Exponents& sk, int16_t& CH) {
    s = 1;
    sk = {};
    int16_t count = 0;
    char pending = '*';
    std::string_view rest = text;
    for (;;) {
        const size_t start = rest.find_first_not_of(' ');
        if (start == std::string_view::npos) break;
        rest.remove_prefix(start);
        const size_t opPos = rest.find_first_of("*/");
        std::string_view abbreviation = rest.substr(0, opPos);
        int power = 1;
        if (!abbreviation.empty() && abbreviation.back() >= '0' && abbreviation.back() <= '9') {
            power = abbreviation.back() - '0';
            abbreviation.remove_suffix(1);
        }
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
        if (pending == '*') {
            s = platform::chk::mul(s, factor);
            sk = combined(sk, e, +1);
        } else {
            s = platform::chk::div(s, factor);
            sk = combined(sk, e, -1);
        }

        if (opPos == std::string_view::npos) break;
        pending = rest[opPos];
        rest.remove_prefix(opPos + 1);
    }
    return count;
}

} // namespace tovi
