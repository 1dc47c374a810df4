// Composition entry from the main window: for the stream chosen by number, the property
// library's windows choose the components and take the composition; the fractions go into the
// stream, and once both streams have components their properties are computed and shown.

#include "KWELARdll/model/Smes.h"
#include "MORV/window/Vypocet.h"
#include "MORV/window/frmHE.h"
#include "Platform/Array.h"
#include "Platform/Conversions.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"

#include <QLineEdit>
#include <QTabWidget>

#include <optional>

namespace morv {

namespace {

const char* const Title = "MORV";

//! The stream number of an answer: its leading number rounded half to even (a text without
//! one counts as 0); none for a number beyond the integers.
std::optional<int16_t> streamNumber(const std::string& answer) {
    try {
        return platform::toInteger(platform::val(answer));
    } catch (const platform::RunTimeError&) {
        return std::nullopt;
    }
}

} // namespace

bool frmHE::compositionCanBeEntered() {
    try {
        PrevezmiZadani(*this);
    } catch (const platform::RunTimeError&) {
        // A box that holds no number (every box at a fresh start) leaves the model without
        // the temperatures, pressures and flows the properties need.
        return false;
    }
    TARMST& m = m_state.Vymenik();
    if (m.Tr().P() < 1e-6 || m.Pl().P() < 1e-5 || m.Tr().m() < 1e-5 || m.Pl().m() < 1e-5) return false;
    for (int i = 2; i <= 5; ++i)
        if (txtPar[static_cast<size_t>(i)]->text().isEmpty()) return false;
    return true;
}

void frmHE::cmdSloz_Click() {
    if (!compositionCanBeEntered()) {
        platform::msgBox(
            "Dříve než zadáváte složení, musí být zadány všechny teploty a tlaky a průtoky na listu "
            "'Základní'!\r\nJinak nemohu spočítat fyz. veličiny při střed.teplotách.",
            64, Title);
        SSTab1->setCurrentIndex(0);
        return;
    }
    try {
        enterCompositions();
    } catch (const platform::RunTimeError& e) {
        platform::msgBox("Chyba č. " + std::to_string(e.number()) + " : " + e.description(), 48, Title);
    }
}

void frmHE::enterCompositions() {
    TARMST& m = m_state.Vymenik();
    int16_t suggested = 0;
    for (;;) {
        const std::string answer =
            platform::inputBox("Bude se zadávat složení: \r\n0 - V TRUBKÁCH     1 - V PLÁŠTI",
                               "Složení médií", std::to_string(suggested));
        if (answer.empty()) return;
        const std::optional<int16_t> k = streamNumber(answer);
        if (k == 0)
            m_state.AktProud = m.TrRef();
        else if (k == 1)
            m_state.AktProud = m.PlRef();
        // Another number keeps the stream of an earlier entry; before the first there is
        // none to work on, and the question comes again.
        if (!m_state.AktProud) continue;

        Proud& stream = *m_state.AktProud;
        kwelar::Smes& s = stream.S();
        s.ResetujSmes();
        s.ZadejSmes();
        s.Inikwl();
        int16_t K = k.value_or(-1);
        platform::VArray Xmol(0, 21);
        platform::VArray Xhmot(0, 21);
        if (s.ZadejSloz(K, Xmol, Xhmot).toDouble() < 0.0) continue;
        const int16_t n = s.Nsloz().toInteger();
        for (int16_t i = 1; i <= n; ++i) {
            stream.Xm(i, Xmol(i).toDouble());
            stream.Xh(i, Xhmot(i).toDouble());
        }

        const bool tubeMissing = m.Tr().S().Nsloz().toInteger() <= 0;
        if (tubeMissing || m.Pl().S().Nsloz().toInteger() <= 0) {
            platform::msgBox(std::string("Je třeba ještě zadat") +
                                 (tubeMissing ? " trubkový " : " plášťový ") + "proud!",
                             64, Title);
            suggested = tubeMissing ? 0 : 1;
            ZobrazData(*this);
            continue;
        }
        m_state.Kondenzator().he(m_state.VymenikRef());
        m_state.Kondenzator().FyzVlast();
        ZobrazData(*this);
        if (m.ReP.toDouble() < 0.0)
            platform::msgBox("Záporné Re v plášti, zajistěte aby Dplast > Nstřed.Dtrubvněj", 16, Title);
        return;
    }
}

} // namespace morv
