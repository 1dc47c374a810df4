#include "Platform/CodePage.h"
#include "Platform/Conversions.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"
#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/interpret/Operands.h"

#include <algorithm>
#include <cmath>

namespace ralvo::interp {

using platform::Variant;
using platform::VArray;

bool isFailure(double v) {
    return std::fabs(v - constants::chybnaHodnota) < constants::chybnaHodnotaTolerance;
}

void message(const std::string& text, const std::string& title) {
    constexpr int criticalStopOk = 16;
    platform::msgBox(text, criticalStopOk, title);
}

namespace {

// The vector element name[k]: k is read from at most the three characters after the first
// "[" and rounded to a whole number; what stands before "[" does not matter.
double element(std::string_view name, size_t bracket, const VArray& Y) {
    const int16_t k = platform::toInteger(platform::val(name.substr(bracket + 1, 3)));
    return Y(k).toDouble();
}

// True when the table entry equals the name in upper case. A name of ASCII characters is
// compared in place; any other is first put into upper case.
bool sameName(const std::string& entry, std::string_view name) {
    const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; });
    if (!ascii) return entry == platform::upperCase(name);
    if (entry.size() != name.size()) return false;
    for (size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != entry[i]) return false;
    }
    return true;
}

// The value of the first row of the name table whose column 1 holds the name in upper case.
bool lookUp(std::string_view name, const VArray& Pr, double& value) {
    for (int32_t i = 1, rows = Pr.ubound(1); i <= rows; ++i) {
        const Variant& entry = Pr(i, 1);
        if (entry.type() == platform::VarType::String && sameName(entry.str(), name)) {
            value = Pr(i, 2).toDouble();
            return true;
        }
    }
    return false;
}

} // namespace

double Promenna(std::string_view name, const VArray& Pr, int16_t mode, const VArray& Y) {
    try {
        if (const size_t bracket = name.find('['); bracket != std::string_view::npos)
            return element(name, bracket, Y);
        if (Pr.ubound(1) < 1) platform::raise(platform::err::Subscript);
        double value = 0.0;
        if (lookUp(name, Pr, value)) return value;
        if (showsAll(mode)) message("Proměnná " + std::string(name) + " nenalezena!", "");
        return constants::chybnaHodnota;
    } catch (const platform::RunTimeError& e) {
        // A table or vector without the element asked for; any other failure to read a
        // value (a text that is no number, an index beyond 16 bits) gives no message.
        if (e.number() == platform::err::Subscript && showsMissingData(mode))
            message("Nenaplněno pole proměnná - hodnota!", "");
        return constants::chybnaHodnota;
    }
}

} // namespace ralvo::interp
