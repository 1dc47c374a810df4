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

#include <cmath>
#include <limits>
#include <optional>

namespace morv {

namespace {

const char* const Title = "MORV";

//! The stream number of an answer: its leading number rounded half to even; none for a text
//! without a leading number or a number beyond the integers.
std::optional<int16_t> streamNumber(const std::string& answer) {
    if (!platform::beginsWithNumber(answer)) return std::nullopt;
    try {
        return platform::toInteger(platform::val(answer));
    } catch (const platform::RunTimeError&) {
        return std::nullopt;
    }
}

//! A flow or pressure box that is empty or shows a number whose single-precision value times
//! `scale` (into the model's unit) lies below `bound`. A text that is no number is not counted
//! here: the transfer names that box.
bool emptyOrBelow(const QLineEdit& box, double scale, double bound) {
    if (box.text().isEmpty()) return true;
    double x = 0.0;
    if (!platform::tryRegionalNumber(box.text().toStdString(), x)) return false;
    const double single = std::abs(x) <= std::numeric_limits<float>::max() ? static_cast<float>(x) : x;
    return single * scale < bound;
}

//! Puts a stream's mixture back as it was unless the new definition was confirmed.
class MixtureGuard {
public:
    explicit MixtureGuard(kwelar::Smes& s) : m_s(s), m_before(s.definition()) {}
    ~MixtureGuard() {
        if (!m_confirmed) m_s.restoreDefinition(m_before);
    }
    MixtureGuard(const MixtureGuard&) = delete;
    MixtureGuard& operator=(const MixtureGuard&) = delete;
    void confirm() { m_confirmed = true; }

private:
    kwelar::Smes& m_s;
    kwelar::Smes::Definition m_before;
    bool m_confirmed = false;
};

} // namespace

bool frmHE::basicDataMissing() const {
    if (emptyOrBelow(*txtPtr, 1e6, 1e-6) || emptyOrBelow(*txtPpl, 1e6, 1e-5) ||
        emptyOrBelow(*txtPar[0], 1.0, 1e-5) || emptyOrBelow(*txtPar[1], 1.0, 1e-5))
        return true;
    for (size_t i = 2; i <= 5; ++i)
        if (txtPar[i]->text().isEmpty()) return true;
    return false;
}

void frmHE::cmdSloz_Click() {
    std::string unreadable;
    try {
        PrevezmiZadani(*this);
    } catch (const platform::RunTimeError& e) {
        unreadable = unreadableBoxLine(*this, e);
        if (unreadable.empty())
            unreadable = "Chyba č. " + std::to_string(e.number()) + " : " + e.description();
    }
    // The model holds the boxes now (those before an unreadable one), not the calculation.
    markUncalculated();
    const bool missing = basicDataMissing();
    if (missing || !unreadable.empty()) {
        std::string text = unreadable;
        if (missing)
            text += (text.empty() ? "" : "\r\n") +
                    std::string("Dříve než zadáváte složení, musí být zadány všechny teploty a tlaky a "
                                "průtoky na listu 'Základní'!\r\nJinak nemohu spočítat fyz. veličiny při "
                                "střed.teplotách.");
        platform::msgBox(text, 64, Title);
        if (missing) SSTab1->setCurrentIndex(0);
        return;
    }
    try {
        enterCompositions();
    } catch (const platform::RunTimeError& e) {
        platform::msgBox("Chyba č. " + std::to_string(e.number()) + " : " + e.description(), 48, Title);
    }
}

void frmHE::showEntered() {
    ZobrazData(*this);
    // The model holds properties at the entered estimates, not a calculation's results: the
    // heat-transfer and pressure-drop tabs show none until the task is calculated again.
    clearResults(*this);
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
        // A typo is no stream: the question comes again as it was.
        if (!k) continue;
        if (k == 0)
            m_state.AktProud = m.TrRef();
        else if (k == 1)
            m_state.AktProud = m.PlRef();
        // Another number keeps the stream of an earlier entry; before the first there is
        // none to work on, and the question comes again.
        if (!m_state.AktProud) continue;

        Proud& stream = *m_state.AktProud;
        kwelar::Smes& s = stream.S();
        int16_t K = *k;
        platform::VArray Xmol(0, 21);
        platform::VArray Xhmot(0, 21);
        {
            // Going back from the windows leaves the stream's mixture as it was.
            MixtureGuard guard(s);
            s.ResetujSmes();
            s.ZadejSmes();
            s.Inikwl();
            if (s.ZadejSloz(K, Xmol, Xhmot).toDouble() < 0.0) continue;
            guard.confirm();
        }
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
            showEntered();
            continue;
        }
        m_state.Kondenzator().he(m_state.VymenikRef());
        m_state.Kondenzator().FyzVlast();
        showEntered();
        if (m.ReP.toDouble() < 0.0)
            platform::msgBox("Záporné Re v plášti, zajistěte aby Dplast > Nstřed.Dtrubvněj", 16, Title);
        return;
    }
}

} // namespace morv
