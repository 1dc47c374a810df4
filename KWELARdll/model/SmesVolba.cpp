#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"

#include <functional>

namespace kwelar {

using platform::RunTimeError;
namespace err = platform::err;

namespace {

//! The library's version as the build gives it.
std::string libraryVersion() {
    return std::to_string(KWELAR_VERSION_MAJOR) + "." + std::to_string(KWELAR_VERSION_MINOR) + "." +
           std::to_string(KWELAR_VERSION_PATCH);
}

void reportChoiceError(const RunTimeError& e) {
    platform::msgBox("Chyba č. " + std::to_string(e.number()) + " : " + e.description(), 48,
                     "KWELAR - Zadej směs");
}

} // namespace

void Smes::ZadejSmes() {
    m_VolbaPotvrzena = false;
    const std::function<void()> steps[] = {
        [&] { m_PriznakNacteni = 0; },
        [&] { AkSeznam(); },
        [&] {
            if (!m_okna) return;
            std::vector<std::string> lines;
            lines.reserve(static_cast<size_t>(m_PocLatek));
            for (int32_t k = 1; k <= m_PocLatek; ++k)
                lines.push_back(m_SeznamLatek(k).toString());
            SmesOkna::ComponentChoiceTexts texts;
            texts.caption =
                " SEZNAM LÁTEK - definice složek směsi" + std::string(58, ' ') + "dll V." + libraryVersion();
            texts.nadpis1 = "SEZNAM LÁTEK DATABÁZE  K W E L A R";
            texts.nadpis2 = "Počet látek je " + platform::format(m_PocLatek, "#0");
            texts.datafile = m_AdrKWELAR;
            m_okna->fillComponentChoice(lines, texts);
        },
        [&] {
            if (m_okna) m_okna->showComponentChoice();
        },
    };
    for (const auto& step : steps) {
        try {
            step();
        } catch (const RunTimeError& e) {
            if (e.number() != err::Subscript) {
                reportChoiceError(e);
                return;
            }
            // A subscript error rebuilds the list and goes on with the next step.
            try {
                AkSeznam();
            } catch (const RunTimeError& again) {
                reportChoiceError(again);
                return;
            }
        }
    }
    // A window closed without confirmation chooses no components, so that a caller that
    // asks again until it has components can be left.
    if (!m_VolbaPotvrzena) {
        m_Nsloz = 0;
        m_CislaSlozek(1) = 0;
        forgetPropertyValues();
    }
}

void Smes::mZadSmes_SZavrit(const platform::Array<int16_t>& N) {
    m_VolbaPotvrzena = true;
    if (m_okna) m_okna->hideComponentChoice();
    const int16_t n = N(0);
    m_Nsloz = n;
    for (int32_t j = 1; j <= n; ++j)
        m_CislaSlozek(j) = N(j);
    if (n < MaxComponents) m_CislaSlozek(n + 1) = 0;
    forgetPropertyValues();
    if (Inikwl().toInteger() == 0 && showsResultMessages())
        platform::msgBox("Nemohu načíst z " + m_DataFileName + "!", 16, "KWELAR");
}

} // namespace kwelar
