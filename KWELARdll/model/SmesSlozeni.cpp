#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/Conversions.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kwelar {

using platform::RunTimeError;
using platform::Variant;
namespace err = platform::err;

namespace {

//! `Nsloz` while the user's "&Zpět" waits for `ZadejSloz`.
constexpr int16_t CancelMarker = -9999;
//! Error number of a negative fraction typed into the composition window.
constexpr int32_t NegativeFractionError = 9001;
//! Sums nearer to 1 than this are used as typed.
constexpr double NormalisationTolerance = 1e-4;
//! Sums below this count as no composition.
constexpr double EmptySum = 1e-10;

//! Title of the composition entry's error messages.
const char* const ErrorTitle = "KWELAR - ZadejSloz";

//! a / b, where a zero divisor is a run-time error 11 (never infinity or not-a-number).
double quotient(double a, double b) {
    if (b == 0.0) platform::raise(err::DivisionByZero);
    return a / b;
}

//! The text of a composition box as the leading-number reader takes it: the minus sign U+2212
//! becomes "-", every comma a point and every no-break space a blank.
std::string fractionText(std::string text) {
    text = platform::plainMinus(platform::plainSpaces(std::move(text)));
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

//! True when a composition box holds text but no number at its start ("abc", a lone sign):
//! an empty or blank box is 0, anything else would be read as 0 without a word.
bool holdsNoNumber(const std::string& text) {
    const std::string t = fractionText(text);
    return t.find_first_not_of(" \t\r\n") != std::string::npos && !platform::beginsWithNumber(t);
}

//! Error 13 of row i whose box holds no number.
RunTimeError noNumberError(int16_t i) {
    return RunTimeError(err::TypeMismatch, "ZadejSloz", platform::numberText(i) + ". složení není číslo!");
}

//! "Chyba č. <number> : <description>".
std::string errorMessage(const RunTimeError& e) {
    return "Chyba č. " + std::to_string(e.number()) + " : " + e.description();
}

} // namespace

Variant Smes::ZadejSloz(int16_t& K, platform::VArray& Xmol, platform::VArray& Xhmot, const std::string& Capt,
                        int16_t Comp) {
    // Typed or given values w, mole fractions x and mass fractions m of components 1..K.
    Fractions w{};
    Fractions x{};
    Fractions m{};
    try {
        for (;;) {
            K = m_Nsloz;
            // The outputs must hold the components from element 1.
            if (Xmol.ubound() < K || Xhmot.ubound() < K) platform::raise(err::Subscript);

            const int16_t prefill = static_cast<int16_t>(std::abs(Comp));
            std::vector<SmesOkna::CompositionRow> rows;
            bool missing = false;
            for (int16_t i = 1; i <= K; ++i) {
                SmesOkna::CompositionRow row;
                if (prefill == 1)
                    row.value = "1.0";
                else if (prefill == 2)
                    row.value = platform::format(Xhmot(i).toDouble(), "#0.0000");
                else if (prefill == 3)
                    row.value = platform::format(Xmol(i).toDouble(), "#0.0000");
                const int16_t number = Nslozky(i).toInteger();
                row.number = platform::numberText(number);
                row.name = Nazev(i);
                if (number == 0) missing = true;
                rows.push_back(std::move(row));
            }
            if (missing) {
                if (m_okna) m_okna->hideComposition();
                platform::msgBox(std::string("Některá ze složek není v bázi (0), opravte neznámou složku,") +
                                     "\r" + "event. náhradní složku!",
                                 16, "KWELAR");
                ZadejSmes();
                // A choice left without confirmation ends the entry as "Zpět" does.
                if (!m_VolbaPotvrzena) {
                    m_Nsloz = 0;
                    return Variant(int16_t{-1});
                }
                continue;
            }

            if (Comp >= 0) {
                // Without windows nothing can be entered.
                if (!m_okna) return Variant(int16_t{-1});
                m_okna->fillComposition(rows, Capt);
                m_okna->showComposition();
            }
            if (m_Nsloz == CancelMarker) {
                m_Nsloz = 0;
                return Variant(int16_t{-1});
            }
            if (Comp < 0 && Comp != -2 && Comp != -3) platform::raise(err::InvalidCall);

            if (Comp == -2) {
                double s = 0.0;
                for (int16_t i = 1; i <= K; ++i) {
                    w[i] = Xhmot(i).toDouble();
                    s += quotient(w[i], point(i, 1));
                }
                for (int16_t i = 1; i <= K; ++i)
                    w[i] = quotient(quotient(w[i], point(i, 1)), s);
            }

            const std::vector<std::string> typed =
                Comp >= 0 ? m_okna->compositionTexts() : std::vector<std::string>{};
            double s = 0.0;
            for (int16_t i = 1; i <= K; ++i) {
                if (Comp == -3) {
                    w[i] = Xmol(i).toDouble();
                } else if (Comp >= 0) {
                    const std::string text =
                        static_cast<size_t>(i) <= typed.size() ? typed[static_cast<size_t>(i - 1)] : "";
                    if (holdsNoNumber(text)) throw noNumberError(i);
                    w[i] = Hodnota(fractionText(text)).toDouble();
                    if (w[i] < 0.0)
                        platform::raise(NegativeFractionError, "ZadejSloz",
                                        platform::numberText(i) + ". složení je záporné!");
                }
                s += w[i];
            }

            if (std::fabs(s) < EmptySum) {
                // Without the boxes there is nothing to divide by.
                if (!showsResultMessages()) platform::raise(err::DivisionByZero);
                platform::msgBox("Je třeba zadat složení směsi!", 16, "KWELAR");
                if (Comp < 0) return Variant(int16_t{0});
                continue;
            }
            if (std::fabs(s - 1.0) > NormalisationTolerance)
                for (int16_t i = 1; i <= K; ++i)
                    w[i] = quotient(w[i], s);

            const bool molar = Comp < 0 || (m_okna && m_okna->molarInput());
            if (molar) {
                double vsm = 0.0;
                for (int16_t i = 1; i <= K; ++i) {
                    x[i] = w[i];
                    vsm += x[i] * point(i, 1);
                }
                for (int16_t i = 1; i <= K; ++i)
                    m[i] = quotient(point(i, 1) * w[i], vsm);
            } else {
                double t = 0.0;
                for (int16_t i = 1; i <= K; ++i) {
                    m[i] = w[i];
                    t += quotient(w[i], point(i, 1));
                }
                for (int16_t i = 1; i <= K; ++i)
                    x[i] = quotient(quotient(w[i], point(i, 1)), t);
            }
            for (int16_t i = 1; i <= K; ++i) {
                Xmol(i) = x[i];
                Xhmot(i) = m[i];
            }
            return Variant(int16_t{0});
        }
    } catch (const RunTimeError& e) {
        platform::msgBox(errorMessage(e), 48, ErrorTitle);
        return Variant(int16_t{-2});
    }
}

void Smes::mSloz_ZavriSloz() {
    if (!m_okna) return;
    // A box that holds no number is refused before the window closes, so that the typed
    // composition stays for the user to correct.
    const std::vector<std::string> typed = m_okna->compositionTexts();
    for (size_t k = 0; k < typed.size(); ++k) {
        if (!holdsNoNumber(typed[k])) continue;
        const auto row = static_cast<int16_t>(k + 1);
        platform::msgBox(errorMessage(noNumberError(row)), 48, ErrorTitle);
        m_okna->selectCompositionBox(row);
        return;
    }
    m_okna->hideComposition();
}

void Smes::mSloz_ZpetSloz() {
    m_Nsloz = CancelMarker;
    if (m_okna) m_okna->hideComposition();
}

} // namespace kwelar
