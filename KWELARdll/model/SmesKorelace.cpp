#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/Checked.h"
#include "Platform/Conversions.h"
#include "Platform/Format.h"

#include <bit>
#include <cmath>

namespace kwelar {

using platform::RunTimeError;
using platform::Variant;
using platform::VArray;
namespace chk = platform::chk;
using platform::chk::Num;

namespace {

const char* const Crlf = "\r\n";

// 10^x, as the correlations written for log y give y.
double exp10Of(double x) {
    return chk::pow(10.0, x);
}

// Density of saturated liquid water [kg/m3] at T [K] (IAPWS):
// rho' = rho_c (1 + sum b_k theta^e_k), theta = 1 - T/Tc. Above Tc theta < 0 and the
// fractional powers raise 5.
double waterDensity(double T) {
    const double theta = 1.0 - Num(T) / WaterCriticalTemperature;
    double sum = 1.0;
    for (int k = 0; k < 6; ++k)
        sum = sum + Num(WaterDensityB[k]) * chk::pow(theta, WaterDensityE[k]);
    return Num(WaterCriticalDensity) * sum;
}

} // namespace

// Arithmetic is double precision on the single-precision coefficients; every domain error,
// division by zero and overflow raises its run-time error. The operations are written one
// per statement, in the order the formula reads, so the first one that fails names the
// error (the order of evaluation of function arguments is unspecified).
double Smes::evaluateEquation(const RozvojVztahu& r, double T) {
    using chk::add, chk::sub, chk::mul, chk::div, chk::pow, chk::exp, chk::log;
    const double A1 = r.A1, A2 = r.A2, A3 = r.A3, A4 = r.A4, A5 = r.A5, A6 = r.A6;
    switch (r.TypVztahu) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: {
        // y = A1 + A2 T + ... + A(n+1) T^n, n = type, by Horner from A(n+1) down.
        const double A[] = {A1, A2, A3, A4, A5, A6};
        int k = r.TypVztahu;
        double y = A[k];
        while (k-- > 0)
            y = add(mul(y, T), A[k]);
        return y;
    }
    case 6: { // ln y = A1 + A2 / (A3 + T)
        const double q = div(A2, add(A3, T));
        return exp(add(A1, q));
    }
    case 7: { // log y = 3 + log A1 - (1 - T/A3)^(2/7) log A2, A3 = Tc
        if (T > A3) return NoCorrelationValue;
        const double a = add(3.0, log10Value(A1));
        const double p = pow(sub(1.0, div(T, A3)), Type7Exponent);
        const double logY = sub(a, mul(p, log10Value(A2)));
        return exp10Of(logY);
    }
    case 8: { // y = A1 ((A4 - T) / (A4 - A2))^A3, A4 = Tc; A4 - A2 in single precision
        if (T >= A4) return NoCorrelationValue;
        const double d = sub(A4, T);
        const float span = r.A4 - r.A2;
        const double ratio = div(d, chk::finite(span));
        return mul(A1, pow(ratio, A3));
    }
    case 9: { // log y = A1 + A2 / (A3 + T) + A4 log T + A5 T + A6 T^2
        double logY = add(A1, div(A2, add(A3, T)));
        logY = add(logY, mul(A4, log10Value(T)));
        logY = add(logY, mul(A5, T));
        logY = add(logY, mul(A6, mul(T, T)));
        return exp10Of(logY);
    }
    case 10: { // log y = A1 + A2 / (A5 + T) + A3 T + A4 T^2
        double logY = add(A1, div(A2, add(A5, T)));
        logY = add(logY, mul(A3, T));
        logY = add(logY, mul(A4, mul(T, T)));
        return exp10Of(logY);
    }
    case 11: { // ln y = A1 + A2 / T + A3 / T^2 + A4 / T^3
        double lnY = add(A1, div(A2, T));
        const double T2 = mul(T, T);
        lnY = add(lnY, div(A3, T2));
        lnY = add(lnY, div(A4, mul(T2, T)));
        return exp(lnY);
    }
    case 12: { // y = A1 T^1.5 / (T + A2)
        const double n = mul(A1, pow(T, 1.5));
        return div(n, add(T, A2));
    }
    case 13: { // ln(y / A6) = (A1 t + A2 t^1.5 + A3 t^3 + A4 t^6) A5 / T, t = 1 - T/A5
        if (T >= A5) return A6;
        const double t = sub(1.0, div(T, A5));
        double sum = mul(A1, t);
        sum = add(sum, mul(A2, pow(t, 1.5)));
        const double t3 = mul(mul(t, t), t);
        sum = add(sum, mul(A3, t3));
        sum = add(sum, mul(A4, mul(t3, t3)));
        const double lnRatio = div(mul(sum, A5), T);
        return mul(A6, exp(lnRatio));
    }
    case 14: { // y = A1 (1 - Tr)^0.38 / Tr^0.166667, Tr = T / A2
        if (T >= A2) return 0.0;
        const double Tr = div(T, A2);
        const double n = mul(A1, pow(sub(1.0, Tr), Type14Exponent1));
        return div(n, pow(Tr, Type14Exponent2));
    }
    case 15: { // y = A1 / A2^(1 + (1 - T/A3)^A4)
        const double e = add(1.0, pow(sub(1.0, div(T, A3)), A4));
        return div(A1, pow(A2, e));
    }
    case 16: { // y = A1 (1 - Tr)^(A2 + A3 Tr + A4 Tr^2), Tr = T / A6
        const double Tr = div(T, A6);
        const double base = sub(1.0, Tr);
        double e = add(A2, mul(A3, Tr));
        e = add(e, mul(A4, mul(Tr, Tr)));
        return mul(A1, pow(base, e));
    }
    case 17: { // log y = A1 (1/T - 1/A2) + A3
        const double invT = div(1.0, T);
        const double d = sub(invT, div(1.0, A2));
        return exp10Of(add(mul(A1, d), A3));
    }
    case 18: { // ln y = A1 + A2 / T + A3 ln T + A4 T^A5
        double lnY = add(A1, div(A2, T));
        lnY = add(lnY, mul(A3, log(T)));
        lnY = add(lnY, mul(A4, pow(T, A5)));
        return exp(lnY);
    }
    case 19: { // y = A1 T^A2 / (1 + A3 / T + A4 / T^2)
        const double n = mul(A1, pow(T, A2));
        double d = add(1.0, div(A3, T));
        d = add(d, div(A4, mul(T, T)));
        return div(n, d);
    }
    default: // the caller has checked the type
        return NoCorrelationValue;
    }
}

namespace {

// "Teplota(K)= " and the temperature with one decimal, for the boxes and the raised error.
std::string temperatureLine(const Variant& T) {
    if (T.isNumberLike()) {
        const double t = T.toDouble();
        return "Teplota(K)= " + (std::isfinite(t) ? platform::format(t, "#0.0") : std::string());
    }
    return "Teplota(K)= " + (T.type() == platform::VarType::String ? T.str() : std::string());
}

} // namespace

// ---- FFce -------------------------------------------------------------------------------

Variant Smes::FFce(const Variant& T, int16_t i, int16_t Nvl) {
    ++m_correlationCalls;
    const bool boxFree = showsCalculationErrors() && counterFree();
    if (Nvl < 1 || Nvl > DataCorrelationCount || (m_Nsloz > 0 && (i < 1 || i > m_Nsloz))) ++m_anomalies;
    if (Nvl < 1 || Nvl > DataCorrelationCount) {
        if (boxFree) {
            countedBox("FFce: Chyba č.vlastnosti(1-10): " + platform::numberText(Nvl), 48, "KWELAR");
            return Variant();
        }
    } else if (m_Nsloz > 0 && (i < 1 || i > m_Nsloz) && boxFree) {
        countedBox("FFce: Chyba č.složky směsi (1-" + platform::numberText(m_Nsloz) +
                       ") : " + platform::numberText(i),
                   48, "KWELAR");
        return Variant();
    }

    int16_t unknownType = 0;
    try {
        // An index that passed the boxes but lies outside 1..20 or 1..11 raises 9 here.
        const ZaznamLatky& z = m_Slozka(i);
        const RozvojVztahu& blok = z.Rozvoj(Nvl);
        if (blok.Presn == 0) ++m_anomalies;
        if (blok.Presn == 0 && Nvl < CorrelationCount && showsCalculationErrors() && counterFree())
            countedBox("FFce: " + platform::numberText(i) + ".složka " + substanceText(i) + " vlast. " +
                           ChybRozv(Nvl) + " neni v bázi!",
                       0, "KWELAR");
        if (blok.TypVztahu >= 1 && blok.TypVztahu <= EquationTypeCount) {
            const double T0 = T.toDouble();
            // No correlation holds at 0 K or below: an invalid argument like the others.
            if (!(T0 > 0.0 && std::isfinite(T0))) platform::raise(platform::err::InvalidCall);
            // Correlations 5 and up are not taken above the critical temperature; clamping
            // to the validity range, when on, looks at T0 too and so overrides that.
            double Tw = T0;
            if (Nvl >= FirstSubcriticalCorrelation) {
                const double Tc = chk::finite(z.B(2));
                if (Tc > MinCriticalTemperature && T0 > Tc) Tw = SubcriticalFraction * Tc;
            }
            if (m_MezeTeplot > 0) {
                if (T0 < blok.Od) Tw = blok.Od;
                if (T0 > blok.Do) Tw = blok.Do;
            }
            if (m_CislaSlozek(i) == WaterSubstance && Nvl == LiquidDensityCorrelation)
                return Variant(waterDensity(Tw));
            // Coefficients of a damaged record that are not finite raise 6. The six tests are
            // joined as whole numbers, all of them evaluated and one branch taken.
            const int finite = int{std::isfinite(blok.A1)} & int{std::isfinite(blok.A2)} &
                               int{std::isfinite(blok.A3)} & int{std::isfinite(blok.A4)} &
                               int{std::isfinite(blok.A5)} & int{std::isfinite(blok.A6)};
            if (!finite) [[unlikely]]
                platform::raise(platform::err::Overflow);
            return Variant(evaluateEquation(blok, Tw));
        }
        unknownType = blok.TypVztahu;
    } catch (const RunTimeError& e) {
        return reportEvaluationError(e, T, i, Nvl);
    }
    reportUnknownType(T, i, Nvl, unknownType);
    return Variant(NoCorrelationValue);
}

// ---- Kept property values --------------------------------------------------------------

namespace {

uint64_t bitsOf(double x) {
    return std::bit_cast<uint64_t>(x);
}

} // namespace

bool Smes::keyable(const Variant& T, const VArray& r, const Variant* p) const {
    const int16_t n = m_Nsloz;
    if (n < 1 || T.type() != platform::VarType::Double || (p && p->type() != platform::VarType::Double))
        return false;
    if (r.rank() != 1 || r.lbound() > 1 || r.ubound() < n) return false;
    for (int16_t i = 1; i <= n; ++i)
        if (r(i).type() != platform::VarType::Double) return false;
    return true;
}

int Smes::keptPropertyEntry(KeptProperty m, const Variant& T, const VArray& r, const Variant* p) const {
    const PropertyValues& row = m_propertyValues[static_cast<size_t>(m)];
    const int16_t n = m_Nsloz;
    if (row.generation != m_propertyGeneration || row.n != n || row.limits != m_MezeTeplot) return -1;
    // The same tests as keyable, made in one pass with the comparison of the fractions.
    if (T.type() != platform::VarType::Double || (p && p->type() != platform::VarType::Double)) return -1;
    if (r.rank() != 1 || r.lbound() > 1 || r.ubound() < n) return -1;
    for (int16_t i = 1; i <= n; ++i) {
        const Variant& x = r(i);
        if (x.type() != platform::VarType::Double || bitsOf(x.toDouble()) != row.r[i] ||
            !m_SlozeniSmesi(i).sameBits(x))
            return -1;
    }
    const uint64_t t = bitsOf(T.toDouble());
    const uint64_t pressure = p ? bitsOf(p->toDouble()) : 0;
    for (int k = 0; k < row.count; ++k)
        if (row.T[k] == t && row.p[k] == pressure) return k;
    return -1;
}

void Smes::keepPropertyValue(KeptProperty m, const Variant& T, const VArray& r, const Variant& value,
                             const Variant* p, double density) {
    const int16_t n = m_Nsloz;
    if (value.type() != platform::VarType::Double || !keyable(T, r, p)) return;
    PropertyValues& row = m_propertyValues[static_cast<size_t>(m)];
    bool sameKey = row.generation == m_propertyGeneration && row.n == n && row.limits == m_MezeTeplot;
    for (int16_t i = 1; i <= n && sameKey; ++i)
        sameKey = bitsOf(r(i).toDouble()) == row.r[i];
    if (!sameKey) {
        row = PropertyValues{};
        row.generation = m_propertyGeneration;
        row.n = n;
        row.limits = m_MezeTeplot;
        for (int16_t i = 1; i <= n; ++i)
            row.r[i] = bitsOf(r(i).toDouble());
    }
    row.T[row.next] = bitsOf(T.toDouble());
    row.p[row.next] = p ? bitsOf(p->toDouble()) : 0;
    row.value[row.next] = value.toDouble();
    row.density[row.next] = density;
    row.next = static_cast<uint8_t>((row.next + 1) % PropertyValues::Size);
    if (row.count < PropertyValues::Size) ++row.count;
}

std::string Smes::substanceText(int16_t i) const {
    // The slot is guarded: a slot outside 1..20 reaches the error reports too.
    if (!m_CislaSlozek.contains(i)) return platform::numberText(0) + "  " + ZaznamLatky().Nazev;
    return platform::numberText(m_CislaSlozek(i)) + "  " + m_Slozka(i).Nazev;
}

std::string Smes::correlationErrorDescription(const Variant& T, int16_t i, int16_t Nvl) const {
    return std::string("Chyba při výpočtu vlastnosti!") + Crlf + "Látka: " + substanceText(i) + " vlast. " +
           ChybRozv(Nvl) + Crlf + temperatureLine(T);
}

void Smes::reportUnknownType(const Variant& T, int16_t i, int16_t Nvl, int16_t type) {
    ++m_anomalies;
    // Without the box there is no raise: an object whose counter is used up stays silent.
    if (!(Nvl < CorrelationCount && showsCalculationErrors() && counterFree())) return;
    countedBox("FFce: Typ.korel.vzt." + platform::numberText(type) + " u látky: " + substanceText(i) +
                   " vlast. " + ChybRozv(Nvl) + Crlf + temperatureLine(T),
               48, "KWELAR Chyba");
    if (raisesErrors()) raiseChybaVypoctu("KWELAR - FFce", correlationErrorDescription(T, i, Nvl));
}

Variant Smes::reportEvaluationError(const RunTimeError& error, const Variant& T, int16_t i, int16_t Nvl) {
    ++m_anomalies;
    if (showsCalculationErrors() && counterFree())
        countedBox("FFce: Err: " + std::to_string(error.number()) + " : " + error.description() + Crlf +
                       "Vlastnost: " + ChybRozv(Nvl) + " u látky: " + substanceText(i) + Crlf +
                       temperatureLine(T),
                   48, "KWELAR Chyba");
    if (raisesErrors()) raiseChybaVypoctu("KWELAR - FFce", correlationErrorDescription(T, i, Nvl));
    return Variant(FailedCorrelationValue);
}

// ---- Formula texts ----------------------------------------------------------------------

std::string Smes::Vztah(int16_t i) const {
    static const char* const texts[] = {
        " y = A1 + A2.T   přímka ",
        " y = A1 + A2.T + A3.T^2   parabola ",
        " y = A1 + A2.T + A3.T^2 + A4.T^3  polynom ",
        " y = A1 + A2.T + A3.T^2 + A4.T^3 + A5.T^4  polynom ",
        " y = A1 + A2.T + A3.T^2 + A4.T^3 + A5.T^4 + A6.T^5  polynom ",
        " ln(y) = A1+ A2/(A3 + T)   Antoine ",
        " log(y) = 3 + log(A1) - (1 - T/A3)^(2/7) .log(A2)    A3=Tkr ",
        " y = A1.[(A4 - T)/(A4 - A2)]^A3    A4=Tkr ",
        " log(y) = A1 + A2/(A3 + T) + A4.log(T) + A5.T + A6.T^2 ",
        " log(y) = A1 + A2/(A5 + T) + A3.T + A4.T^2 ",
        " ln(y) = A1 + A2/T + A3/T^2 + A4/T^3 ",
        " y = A1.T^1.5 /(T + A2) ",
        " ln(y/A6) = (A1.t + A2.t^1.5 + A3.t^3 + A4.t^6) /T.A5   t=1-T/A5; A5=Tkr; A6=Pkr Wagner ",
        " y = A1.(1 - Tr)^0.38 / Tr^(1/6) ",
        " y = A1 / A2^[1 + (1 - T/A3)^A4] ",
        " y = A1.(1 - Tr)[A2 + A3.Tr + A4.Tr^2]   Tr=T/A6 ",
        " log(y) = A1.(1/T - 1/A2)+A3 ",
        " ln(y) = A1 + A2/T + A3.ln(T) + A4.T^A5 ",
        " y = A1.T^A2/(1 + A3/T + A4/T^2) ",
    };
    if (i < 1 || i > EquationTypeCount) return " Neznámý vztah! ";
    return texts[i - 1];
}

} // namespace kwelar
