#include "Platform/Checked.h"
#include "Platform/Conversions.h"
#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/interpret/Operands.h"

#include <array>
#include <cmath>
#include <string>

namespace ralvo::interp {

namespace {

using namespace platform;
using constants::chybnaHodnota;
using constants::interpPi;

enum class Fce {
    EXP,
    SQR,
    LN,
    LOG,
    SIN,
    COS,
    TAN,
    ATN,
    ASN,
    ACS,
    SINH,
    COSH,
    TANH,
    COTGH,
    SGN,
    FIX,
    INT,
    RAD,
    DEG,
    EQ
};

struct Entry {
    std::string_view name;
    Fce fce;
};

constexpr std::array<Entry, 21> table{
    {{"EXP", Fce::EXP}, {"SQR", Fce::SQR},   {"LN", Fce::LN},     {"LOG", Fce::LOG},   {"LOG10", Fce::LOG},
     {"SIN", Fce::SIN}, {"COS", Fce::COS},   {"TAN", Fce::TAN},   {"ATN", Fce::ATN},   {"ASN", Fce::ASN},
     {"ACS", Fce::ACS}, {"SINH", Fce::SINH}, {"COSH", Fce::COSH}, {"TANH", Fce::TANH}, {"COTGH", Fce::COTGH},
     {"SGN", Fce::SGN}, {"FIX", Fce::FIX},   {"INT", Fce::INT},   {"RAD", Fce::RAD},   {"DEG", Fce::DEG},
     {"EQ", Fce::EQ}}};

// The names of the table are upper-case letters and digits, so comparing the letters of a
// name without regard to ASCII case is comparing it in upper case.
bool sameName(std::string_view written, std::string_view upper) {
    if (written.size() != upper.size()) return false;
    for (size_t i = 0; i < written.size(); ++i) {
        char c = written[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upper[i]) return false;
    }
    return true;
}

double sign(double x) {
    return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0);
}

} // namespace

double Funkce(std::string_view fce, double x, int16_t mode) {
    const Entry* found = nullptr;
    for (const Entry& e : table)
        if (sameName(fce, e.name)) {
            found = &e;
            break;
        }
    if (found == nullptr) {
        if (showsAll(mode)) message("Neznámá fce: " + std::string(fce), "Interp");
        return chybnaHodnota;
    }

    switch (found->fce) {
    case Fce::EXP:
        return chk::exp(x);
    case Fce::SQR:
        if (x < 0.0) {
            if (showsAll(mode)) message("Odmocnina: záporný argument " + numberText(x), "Interpret");
            return chybnaHodnota;
        }
        return std::sqrt(x);
    case Fce::LN:
        return x <= 0.0 ? chybnaHodnota : std::log(x);
    case Fce::LOG:
        // log10 x = ln x / ln 10
        return x <= 0.0 ? chybnaHodnota : std::log(x) / std::log(10.0);
    case Fce::SIN:
        return std::sin(x);
    case Fce::COS:
        return std::cos(x);
    case Fce::TAN:
        return chk::finite(std::tan(x));
    case Fce::ATN:
        return std::atan(x);
    case Fce::ASN:
        // arcsin x = arctan(x / sqrt(1 - x^2)), +-pi/2 at the ends of the domain
        if (std::fabs(x) > 1.0) return chybnaHodnota;
        if (std::fabs(std::fabs(x) - 1.0) < constants::interpArcEdge) return sign(x) * interpPi / 2.0;
        return std::atan(x / std::sqrt(1.0 - x * x));
    case Fce::ACS:
        // arccos x = arctan(sqrt(1 - x^2) / x), in 0..pi: pi is added for a negative x
        if (std::fabs(x) > 1.0) return chybnaHodnota;
        if (std::fabs(x) < constants::interpArcEdge) return interpPi / 2.0;
        return std::atan(std::sqrt(1.0 - x * x) / x) + (x < 0.0 ? interpPi : 0.0);
    case Fce::SINH:
        return chk::sub(chk::exp(x), chk::exp(-x)) / 2.0;
    case Fce::COSH:
        return chk::add(chk::exp(x), chk::exp(-x)) / 2.0;
    case Fce::TANH:
        return chk::div(chk::sub(chk::exp(x), chk::exp(-x)), chk::add(chk::exp(-x), chk::exp(x)));
    case Fce::COTGH:
        return chk::div(chk::add(chk::exp(x), chk::exp(-x)), chk::sub(chk::exp(x), chk::exp(-x)));
    case Fce::SGN:
        return sign(x);
    case Fce::FIX:
        return std::trunc(x);
    case Fce::INT:
        return std::floor(x);
    case Fce::RAD:
        // The remainder of the real angle keeps the sign of x [deg], then into radians.
        return std::fmod(x, constants::fullTurnDegrees) / constants::halfTurnDegrees * interpPi;
    case Fce::DEG:
        return chk::mul(x / interpPi, constants::halfTurnDegrees);
    case Fce::EQ:
        return x;
    }
    return chybnaHodnota;
}

} // namespace ralvo::interp
