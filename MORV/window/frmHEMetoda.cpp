// The method of the condensing side's heat transfer and the basic damping of the solve.

#include "MORV/window/frmHE.h"
#include "MORV/window/frmMetod.h"
#include "Platform/Conversions.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"
#include "Platform/qt/QtProgress.h"

#include <QPushButton>

namespace morv {

frmMetod& frmHE::metod() {
    if (!m_metod) m_metod = std::make_unique<frmMetod>(*this);
    return *m_metod;
}

void frmHE::cmdMetP_Click() {
    const TARMST& m = m_state.Vymenik();
    if (m.PlastKap && m.Natok == 0) {
        platform::msgBox("Pro kondenzaci v horizontálních trubkách nejsou varianntní metody!", 64, "MORV");
        return;
    }
    metod().show();
    metod().raise();
    metod().Form_Activate();
}

void frmHE::cmdTlum_Click() {
    std::string answer = platform::inputBox(
        "Hodnotu zákl.tlum.konst. (" + platform::format(m_state.TlumKonst.toDouble(), "0.00000") + "):",
        "Dočasně", platform::pointText(0.4));
    try {
        int16_t CH = 0;
        const platform::Variant x = m_state.Prevodnik().Prevod(answer, CH);
        if (x.toDouble() > 0.0) m_state.TlumKonst = x;
    } catch (const platform::RunTimeError&) {
        // A number the converter cannot hold is no damping: the constant stays.
    }
    cmdTlum->setText(QStringLiteral("Tlum.konst. (") +
                     QString::fromStdString(platform::format(m_state.TlumKonst.toDouble(), "0.0000")) +
                     QStringLiteral(" )"));
    cmdVypoc->setFocus();
}

} // namespace morv
