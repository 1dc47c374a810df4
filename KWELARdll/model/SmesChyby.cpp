#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/Conversions.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"

#include <cmath>

namespace kwelar {

int16_t Smes::ChyboveHlasky() const {
    return m_ChyboveHlasky;
}

void Smes::ChyboveHlasky(int16_t value) {
    if (value >= -1 && value <= 2) m_ChyboveHlasky = value;
}

int16_t Smes::MaxErrHlas() const {
    return m_MaxErrHlas;
}

void Smes::MaxErrHlas(int16_t value) {
    if (value >= 0) m_MaxErrHlas = value;
}

std::string Smes::ChybRozv(int16_t Nvl) const {
    static const char* const names[] = {"ETAG", "CPG", "ALAG", "ROLW",  "ETAL",   "ALAL",
                                        "CPL",  "DHV", "TENS", "SIGMA", "Rezerva"};
    if (Nvl >= 1 && Nvl <= CorrelationCount) return names[Nvl - 1];
    return "Nedef. " + platform::numberText(Nvl);
}

int Smes::countedBox(const std::string& text, int style, const std::string& title) {
    ++m_anomalies;
    const int answer = platform::msgBox(text, style, title);
    ++m_PocErrHlas;
    return answer;
}

void Smes::raiseChybaVypoctu(const std::string& source, const std::string& description) const {
    platform::raise(ChybaVypoctu, source, description);
}

void Smes::HlasChybu(const std::string& member, const std::string& source,
                     const platform::RunTimeError& error) {
    ++m_anomalies;
    // Only errors of other components (numbers below the raised error's own) get a box:
    // the ordinary run-time errors have small positive numbers.
    if (showsCalculationErrors() && counterFree() && error.number() < ChybaVypoctu)
        platform::msgBox("Chyba " + member + ": " + std::to_string(error.number()) + " : " +
                             error.description(),
                         48, "KWELAR Chyba");
    if (raisesErrors()) raiseChybaVypoctu(source, "Chyba při výpočtu vlastnosti!");
}

namespace {

// The argument formatted by the pattern for a source text. A text that is no number stands as
// it is, and a number that is not finite gives nothing: the source is built inside an error
// handler and must not fail for any argument.
std::string formatted(const platform::Variant& v, const char* pattern) {
    if (v.isNumberLike()) {
        const double x = v.toDouble();
        return std::isfinite(x) ? platform::format(x, pattern) : std::string();
    }
    return v.type() == platform::VarType::String ? v.str() : std::string();
}

} // namespace

std::string Smes::errorSource(const std::string& member, const platform::Variant& T) {
    return "KWELAR - " + member + "; T(K)= " + formatted(T, "#0.0");
}

std::string Smes::errorSource(const std::string& member, const platform::Variant& T,
                              const platform::Variant& p) {
    return errorSource(member, T) + " ,P(Pa)= " + formatted(p, "#0");
}

std::string Smes::pressureErrorSource(const std::string& member, const platform::Variant& p) {
    return "KWELAR - " + member + "; P(Pa)= " + formatted(p, "#0");
}

} // namespace kwelar
