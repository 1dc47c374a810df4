#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/Checked.h"
#include "Platform/CodePage.h"
#include "Platform/Conversions.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace kwelar {

using platform::Variant;
using platform::VArray;
namespace chk = platform::chk;
using platform::chk::Num;

namespace {

constexpr std::string_view CrLf = "\r\n";
constexpr char Tab = '\t';

// The values of a typed feed: every "," read as ".", the values separated by runs of blanks
// and semicolons in any mix.
std::vector<std::string> feedValues(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    std::vector<std::string> values;
    size_t pos = 0;
    for (;;) {
        const size_t begin = text.find_first_not_of(" ;", pos);
        if (begin == std::string::npos) break;
        const size_t end = text.find_first_of(" ;", begin);
        values.push_back(text.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
        if (end == std::string::npos) break;
        pos = end;
    }
    return values;
}

// A temperature [K] in °C with one decimal.
std::string celsius(double T) {
    return platform::format(T - CelsiusOffset, "0.0");
}

std::string fraction(double x) {
    return platform::format(x, "0.0000");
}

// One line of the report: its fields separated by TABs, ended by CR LF.
void appendLine(std::string& report, std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) report += Tab;
        report += field;
        first = false;
    }
    report += CrLf;
}

} // namespace

std::string Smes::FLASH(int16_t iad, Variant& T, Variant& p, const VArray& XF) {
    FlashState& f = m_flash;
    f = FlashState{};
    const bool interactive = iad < 0;
    double s = 0.0;
    if (interactive) {
        if (!askFlashInput(iad, p, s)) return std::string();
    } else {
        for (int16_t k = 1; k <= m_Nsloz; ++k) {
            f.z[k] = XF(k).toDouble();
            s = Num(s) + f.z[k];
        }
    }
    const bool adiabatic = iad == 1;
    std::string report;
    appendLine(report, {std::string("FLASH výpočet ") + (adiabatic ? "adiabatický" : "izotermní")});

    for (int16_t k = 1; k <= m_Nsloz; ++k)
        f.z[k] = Num(f.z[k]) / s;
    if (std::fabs(s - 1.0) > FlashSumTolerance && showsResultMessages() && counterFree())
        countedBox("FLASH chybně zadané složení, součet " + platform::format(s, "0.00000"), 64, "FLASH");

    f.lambda = FlashInitialDamping;
    f.pass = 1;
    f.V = 1.0;
    const VArray feed = flashArray(f.z);
    f.Tb = TBV(p, feed).toDouble();
    f.Td = TRB(p, feed).toDouble();
    // A failed bubble or dew point (0, or empty after an error) leaves nothing to flash.
    if (f.Tb < FlashMinBoilingPoint || f.Td < FlashMinBoilingPoint) return report;

    if (interactive) {
        const std::string prompt =
            "Zadat teplotu(°C):\r\nBod varu  " + celsius(f.Tb) + "\r\nRosný bod " + celsius(f.Td);
        const double offered = FlashBubbleWeight * f.Tb + FlashDewWeight * f.Td - CelsiusOffset;
        const std::string answer = platform::inputBox(prompt, "KWELAR", platform::format(offered, "#0.0"));
        if (answer.empty()) return std::string();
        T = Variant(Hodnota(answer).toDouble() + CelsiusOffset);
    }
    f.Tw = T.toDouble();
    f.T0 = f.Tw;

    // A single phase: no pass runs, and the initial pressure of the report is the bubble
    // pressure of the feed at its temperature, as the first isothermal pass would take it.
    if (!adiabatic && f.Tw > f.Td) {
        f.y = f.z;
        f.V = 1.0;
        const std::string text = "Zadáno T > rosný bod : Vše odpařeno";
        platform::msgBox(text, 48, "KWELAR");
        appendLine(report, {text});
        f.Pb = TENS(T, feed).toDouble();
    } else if (f.Tw < f.Tb) {
        f.x = f.z;
        f.V = 0.0;
        const std::string text = "Zadáno T < bod varu: Vše kapalné";
        platform::msgBox(text, 48, "KWELAR");
        appendLine(report, {text});
        f.Pb = TENS(T, feed).toDouble();
    } else {
        if (adiabatic) {
            f.Tw = 0.5 * (f.Tb + f.Td);
            f.hF = HL(T, feed).toDouble();
        }
        if (!flashPasses(adiabatic, p)) return report;
        if (adiabatic) T = Variant(f.Tw);
    }

    const double P = p.toDouble();
    appendLine(report, {"Poměr parní fáze k nástřiku: ", platform::format(f.V, "0.0000")});
    appendLine(report, {"Teplota poč., koncová (°C)   : ", celsius(f.T0), celsius(T.toDouble())});
    appendLine(report,
               {"Tlak poč., koncový (kPa)     : ", platform::format(f.Pb / PascalPerKilopascal, "0.000"),
                platform::format(P / PascalPerKilopascal, "0.000")});
    appendLine(report, {"Bod varu(°C), rosný bod(°C)  : ", celsius(f.Tb), celsius(f.Td)});
    // "Složka" and seven TABs before the column heads.
    appendLine(report, {"Složka", "", "", "", "", "", "", "Pára", "Kapalina", "Nástřik"});
    for (int16_t k = 1; k <= m_Nsloz; ++k)
        appendLine(report, {platform::padChars(Nazev(k), ZaznamLatky::NazevWidth), fraction(f.y[k]),
                            fraction(f.x[k]), "", fraction(f.z[k])});
    report += CrLf;
    return report;
}

// ---- Interactive input ------------------------------------------------------------------

bool Smes::askFlashInput(int16_t& iad, Variant& p, double& s) {
    const std::string kind = platform::inputBox("FLASH  0-izotermní; 1-adiabatický:", "KWELAR", "0");
    if (kind.empty()) return false;
    iad = platform::toInteger(platform::val(kind));

    double P = 0.0;
    while (!(P > 0.0)) {
        const std::string answer = platform::inputBox("Zadat tlak(Pa):", "FLASH", "101300");
        if (answer.empty()) return false;
        P = Hodnota(answer).toDouble();
    }
    p = Variant(P);

    for (;;) {
        const int c = askFlashFeed(s);
        if (c < 0) return false;
        if (c == m_Nsloz || !(showsResultMessages() && counterFree())) return true;
        countedBox("Nezadáno tolik mol.zlomků, kolik je složek! " + platform::numberText(m_Nsloz), 48,
                   "FLASH");
    }
}

// Each answer replaces every value of the one before, so a shorter feed leaves no stale value.
int Smes::askFlashFeed(double& s) {
    const std::string answer = platform::inputBox(
        "Zadat složení nástřiku (mol.zl.) oddělené mezerou nebo středníkem: ", "FLASH", std::string());
    if (answer.empty()) return -1;
    const std::vector<std::string> values = feedValues(answer);
    m_flash.z.fill(0.0);
    s = 0.0;
    const size_t read = std::min<size_t>(values.size(), MaxComponents);
    for (size_t k = 0; k < read; ++k) {
        m_flash.z[k + 1] = Hodnota(values[k]).toDouble();
        s = Num(s) + m_flash.z[k + 1];
    }
    return static_cast<int>(values.size());
}

// ---- Iteration --------------------------------------------------------------------------

// With the K-values K_i = p_i^sat(Tw) / p and D_i = 1 - V (1 - K_i), x_i = z_i / D_i and
// y_i = K_i x_i, the vapour fraction V solves
//   g(V, T) = sum x_i (1 - K_i) = 0,   dg/dV = sum z_i (1 - K_i)^2 / D_i^2,
//   dg/dT = -sum z_i K'_i / D_i^2   (K'_i a forward difference over 6 K);
// the adiabatic flash adds the energy balance
//   E(V, T) = (1 - V) HL(T, x) + V RHG(T, p, y) - hF = 0
// and takes Newton's step for both by Cramer's rule. The steps are damped by lambda
// (0.1, 0.2, 0.6, then 1) and the temperature step by 0.7 more.
bool Smes::flashPasses(bool adiabatic, const Variant& p) {
    FlashState& f = m_flash;
    const double P = p.toDouble();
    const int16_t n = m_Nsloz;
    for (;;) {
        const Variant Tw(f.Tw);
        if (adiabatic || f.pass == 1) f.Pb = TENS(Tw, flashArray(f.z)).toDouble();
        const Variant Tnext(Num(f.Tw) + FlashDifferenceStep);
        double g = 0.0;
        double gV = 0.0;
        double gT = 0.0;
        for (int16_t k = 1; k <= n; ++k) {
            f.K[k] = Num(FFce(Tw, k, VapourPressureCorrelation).toDouble()) / P;
            const double oneMinusK = 1.0 - f.K[k];
            const double D = 1.0 - Num(f.V) * oneMinusK;
            f.x[k] = Num(f.z[k]) / D;
            f.y[k] = Num(f.K[k]) * f.x[k];
            g = g + Num(f.x[k]) * oneMinusK;
            const double D2 = Num(D) * D;
            gV = gV + f.z[k] * (Num(oneMinusK) * oneMinusK) / D2;
            if (adiabatic) {
                const double Knext = Num(FFce(Tnext, k, VapourPressureCorrelation).toDouble()) / P;
                const double dK = (Num(Knext) - f.K[k]) / FlashDifferenceStep;
                gT = gT - Num(f.z[k]) * dK / D2;
            }
        }

        double dV = 0.0;
        double dT = 0.0;
        if (!adiabatic) {
            dV = -(Num(g) / gV);
        } else {
            double sx = 0.0;
            double sy = 0.0;
            for (int16_t k = 1; k <= n; ++k) {
                sx = Num(sx) + f.x[k];
                sy = Num(sy) + f.y[k];
            }
            for (int16_t k = 1; k <= n; ++k) {
                f.x[k] = Num(f.x[k]) / sx;
                f.y[k] = Num(f.y[k]) / sy;
            }
            const VArray x = flashArray(f.x);
            const VArray y = flashArray(f.y);
            const double hL = HL(Tw, x).toDouble();
            const double hV = RHG(Tw, p, y).toDouble();
            const double E = (1.0 - Num(f.V)) * hL + Num(f.V) * hV - f.hF;
            const double EV = Num(hV) - hL;
            const double dhL = (Num(HL(Tnext, x).toDouble()) - hL) / FlashDifferenceStep;
            const double dhV = (Num(RHG(Tnext, p, y).toDouble()) - hV) / FlashDifferenceStep;
            const double ET = (1.0 - Num(f.V)) * dhL + Num(f.V) * dhV;
            const double det = Num(gV) * ET - Num(gT) * EV;
            dV = (Num(gT) * E - Num(ET) * g) / det;
            dT = (Num(EV) * g - Num(gV) * E) / det;
        }

        f.lambda = std::min(1.0, f.lambda * f.pass);
        f.Tw = f.Tw + FlashTemperatureDamping * Num(f.lambda) * dT;
        f.V = f.V + Num(f.lambda) * dV;
        if (f.V > 1.0) f.V = 1.0;
        if (f.V <= 0.0) f.V = FlashMinVapourFraction;
        if (f.Tw < FlashMinTemperature) f.Tw = FlashMinTemperature;

        // The pass limit is tested before convergence: the 30th pass ends the flash.
        if (++f.pass > FlashPassLimit) return false;
        if (std::fabs(dV) <= FlashVapourTolerance && std::fabs(dT) <= FlashTemperatureTolerance) return true;
    }
}

VArray Smes::flashArray(const Fractions& f) const {
    VArray a(1, MaxComponents);
    for (int16_t k = 1; k <= m_Nsloz; ++k)
        a(k) = Variant(f[k]);
    return a;
}

} // namespace kwelar
