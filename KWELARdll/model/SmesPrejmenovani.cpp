#include "KWELARdll/model/Smes.h"

#include "Platform/MessageBox.h"

namespace kwelar {

void Smes::mSloz_ZobrazZ(int16_t i) {
    const std::string current = m_Slozka(i).Nazev;
    if (!m_okna) return;
    m_okna->prepareRename(current, i);
    m_okna->showRename();
}

void Smes::mZmena_ZavriZ(int16_t i, const std::string& text) {
    const char* crlf = "\r\n";
    if (!text.empty() &&
        platform::msgBox("Opravdu chcete změnit původní název" + std::string(crlf) + m_Slozka(i).Nazev, 36,
                         "KWELAR") == platform::answer::Yes) {
        Nazev(i, text);
        if (m_okna) m_okna->renameCompositionRow(i, text);
    }
    if (platform::msgBox("Chcete dočasně změnit vlastnosti této látky?" + std::string(crlf) +
                             m_Slozka(i).Nazev,
                         36, "KWELAR") == platform::answer::Yes)
        ZmenaDocas(i);
    if (m_okna) m_okna->hideRename();
}

} // namespace kwelar
