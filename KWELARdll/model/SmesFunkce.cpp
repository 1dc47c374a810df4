#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/Checked.h"
#include "Platform/CodePage.h"
#include "Platform/Conversions.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"

#include <algorithm>
#include <cmath>

namespace kwelar {

using platform::RunTimeError;
using platform::Variant;
namespace chk = platform::chk;
using platform::chk::Num;

// ---- Composition conversions ------------------------------------------------------------

Variant Smes::Cohmo(const platform::VArray& r, platform::VArray& rh) const {
    if (m_Nsloz <= 0) return Variant("Chyba");
    // w_i = M_i x_i / sum(M_k x_k)
    double s = 0.0;
    for (int32_t i = 1; i <= m_Nsloz; ++i)
        s = s + Num(point(static_cast<int16_t>(i), MolarMassPoint)) * r(i).toDouble();
    if (s < MinConversionSum) s = 1.0;
    for (int32_t i = 1; i <= m_Nsloz; ++i)
        rh(i) = Variant(Num(point(static_cast<int16_t>(i), MolarMassPoint)) * r(i).toDouble() / s);
    return Variant(m_Nsloz);
}

Variant Smes::Comol(const platform::VArray& r, platform::VArray& rm) const {
    if (m_Nsloz <= 0) return Variant("Chyba");
    // x_i = (w_i / M_i) / sum(w_k / M_k); a molar mass of 0 is a division by zero.
    double s = 0.0;
    for (int32_t i = 1; i <= m_Nsloz; ++i)
        s = s + Num(r(i).toDouble()) / point(static_cast<int16_t>(i), MolarMassPoint);
    if (s < MinConversionSum) s = 1.0;
    for (int32_t i = 1; i <= m_Nsloz; ++i)
        rm(i) = Variant(Num(r(i).toDouble()) / point(static_cast<int16_t>(i), MolarMassPoint) / s);
    return Variant(m_Nsloz);
}

Variant Smes::KsumX(const platform::VArray& r) {
    double s = 0.0;
    for (int32_t i = 1; i <= m_Nsloz; ++i)
        s = Num(s) + r(i).toDouble();
    // A sum of exactly 0 (no composition given yet) passes.
    if (s == 0.0 || std::fabs(s - 1.0) <= FractionSumTolerance) return Variant("");
    if (showsResultMessages() && counterFree())
        countedBox("Součet zlom.složení směsi není 1!", 48, m_SNazev.empty() ? "nepojmenovaná" : m_SNazev);
    return Variant("ERR sl.");
}

void Smes::Normal(platform::VArray& X) const {
    double s = 0.0;
    for (int32_t i = 1; i <= m_Nsloz; ++i)
        s = Num(s) + X(i).toDouble();
    if (std::fabs(s - 1.0) <= FractionSumTolerance) return;
    // A sum of 0 raises the division error.
    const Variant sum(s);
    for (int32_t i = 1; i <= m_Nsloz; ++i)
        X(i) = X(i) / sum;
}

Variant Smes::VSM(const platform::VArray& r) {
    try {
        // M = sum(M_i x_i) [kg/mol]
        double M = 0.0;
        for (int32_t i = 1; i <= m_Nsloz; ++i)
            M = M + Num(point(static_cast<int16_t>(i), MolarMassPoint)) * r(i).toDouble();
        return Variant(M);
    } catch (const RunTimeError& e) {
        HlasChybu("VSM", "KWELAR - VSM", e);
        return Variant();
    }
}

// ---- Composition of a mixture call ------------------------------------------------------

int16_t Smes::takeComposition(const platform::VArray& r, Fractions& x) {
    const int16_t n = m_Nsloz;
    if (n >= 1 && r.contains(1) && r.contains(n) && m_SlozeniSmesi.contains(1) &&
        m_SlozeniSmesi.contains(n)) {
        // Elements 1..n of both vectors exist and lie side by side: the same copy and
        // reading as below without an index check per element.
        const Variant* given = &r(1);
        Variant* kept = &m_SlozeniSmesi(1);
        for (int16_t i = 0; i < n; ++i)
            if (!kept[i].sameBits(given[i])) kept[i] = given[i];
        for (int16_t i = 0; i < n; ++i)
            x[static_cast<size_t>(i) + 1] = kept[i].toDouble();
        return n;
    }
    // The model hands over the same fractions call after call: only a changed one is copied.
    for (int16_t i = 1; i <= n; ++i) {
        const Variant& value = r(i);
        Variant& kept = m_SlozeniSmesi(i);
        if (!kept.sameBits(value)) kept = value;
    }
    for (int16_t i = 1; i <= n; ++i)
        x[i] = m_SlozeniSmesi(i).toDouble();
    return n;
}

// ---- Number functions -------------------------------------------------------------------

Variant Smes::GFormat(const Variant& X) const {
    const double x = X.toDouble();
    if (std::fabs(x - MissingValue) < MissingValueTolerance) return Variant(" neobsazeno ");
    const double a = std::fabs(x);
    const char* pattern = a < 1e-6       ? "0.0000"
                          : a < 1e-4     ? "0.0000E+00"
                          : a < 0.0099   ? "0.000000"
                          : a < 1.0      ? "0.0000"
                          : a < 60.0     ? "#0.000"
                          : a < 100.0    ? "#0.00"
                          : a < 1000.0   ? "#0.0"
                          : a < 999999.0 ? "#0"
                                         : "0.0000E+00";
    const std::string text = platform::format(x, pattern);
    // Centred in 12 characters: p/2 blanks before and p - p/2 after, each rounded half to
    // even, so an odd p gives 11 or 13 characters. No pattern gives more than 12.
    const double p = 12.0 - static_cast<double>(platform::charCount(text));
    const int before = std::max(0, static_cast<int>(platform::toInteger(p / 2.0)));
    const int after = std::max(0, static_cast<int>(platform::toInteger(p - p / 2.0)));
    return Variant(std::string(static_cast<size_t>(before), ' ') + text +
                   std::string(static_cast<size_t>(after), ' '));
}

Variant Smes::Hodnota(const std::string& S) const {
    return Variant(platform::valComma(S));
}

double Smes::log10Value(double x) {
    return chk::log(x) / std::log(10.0);
}

Variant Smes::Log10(const Variant& X) const {
    return Variant(log10Value(X.toDouble()));
}

} // namespace kwelar
