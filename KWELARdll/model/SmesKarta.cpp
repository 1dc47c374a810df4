#include "KWELARdll/model/Smes.h"

#include "Platform/Format.h"
#include "Platform/MessageBox.h"

namespace kwelar {

namespace {

//! Degrees Celsius of a stored temperature [K], in double precision.
double celsius(float kelvin) {
    return static_cast<double>(kelvin) - 273.15;
}

} // namespace

void Smes::mSloz_ZobrazL(int16_t i) {
    const ZaznamLatky& z = m_Slozka(i);
    auto B = [&](int32_t j) { return z.B(j); };
    // A value whose stored number is not above zero shows a single blank.
    auto when = [](bool shown, double value, const char* pattern) {
        return shown ? platform::format(value, pattern) : std::string(" ");
    };
    const std::vector<std::pair<std::string, std::string>> values = {
        {"Latka", z.Nazev},
        {"Lvzor", z.Vzor},
        {"Lcislo", std::to_string(z.N)},
        {"LMV", platform::format(B(1), "0.00000")},
        {"LTk", platform::format(B(2), "#0.0")},
        {"LTkC", platform::format(celsius(B(2)), "#0.0")},
        {"LPk", when(B(3) > 0.0f, static_cast<double>(B(3)) / 1000000.0, "#0.0")},
        {"LVk", when(B(4) > 0.0f, static_cast<double>(B(4)) * 1000000.0, "#0.0")},
        {"Laf", when(B(5) > 0.0f, B(5), "#0.000")},
        {"Lgyr", platform::format(B(6), "#0.000")},
        {"Ln", when(B(7) > 0.0f, B(7), "#0.000")},
        {"Lnt", when(B(8) > 0.0f, celsius(B(8)), "#0.0")},
        {"LD", platform::format(B(9), "#0.000")},
        {"LDT", when(B(10) > 0.0f, celsius(B(10)), "#0.0")},
        {"Leps", platform::format(B(11), "#0.00")},
        {"LepsT", when(B(12) > 0.0f, celsius(B(12)), "#0.0")},
        {"LHt", when(B(13) > 0.0f, B(13), "#0.0")},
        {"LTt", when(B(14) > 0.0f, celsius(B(14)), "#0.0")},
        {"Ltnbv", when(B(15) > 0.0f, celsius(B(15)), "#0.0")},
        {"LCAS", z.CAS > 0 ? casText(z.CAS) : std::string(" ")},
    };
    if (!m_okna) return;
    m_okna->fillCard(values);
    m_okna->showCard();
}

void Smes::mLatka_ZavriL() {
    if (m_okna) m_okna->hideCard();
}

void Smes::PseudShow(platform::VArray& X) {
    const std::string name = m_SNazev.empty() ? std::string("nepojmenovaná") : m_SNazev;
    PSEUD(X, "");
    const char* crlf = "\r\n";
    platform::msgBox(std::string("Pseudokritické veličiny směsi ") + crlf + name + crlf +
                         "TKRITsm(K) = " + platform::format(m_TKRITsm.toDouble(), "0.0") + crlf +
                         "PKRITsm(MPa) = " + platform::format(m_PKRITsm.toDouble() / 1000000.0, "0.000") +
                         crlf + "VKRITsm(m3/mol) = " + platform::format(m_VKRITsm.toDouble(), "0.000E+00") +
                         crlf + "ZKRITsm(-) = " + platform::format(m_ZKRITsm.toDouble(), "0.0000") + crlf,
                     64, "KWELAR");
}

} // namespace kwelar
