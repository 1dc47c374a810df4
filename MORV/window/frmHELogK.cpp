// The logical check of the construction data: each rule that the boxes break is reported in
// a box of its own, then one summary.

#include "MORV/window/frmHE.h"
#include "MORV/window/sketch/frmTrubkov.h"
#include "Platform/Checked.h"
#include "Platform/Conversions.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"
#include "Platform/qt/ModalHost.h"
#include "Platform/qt/QtProgress.h"

#include <QLabel>
#include <QLineEdit>

#include <optional>
#include <string>
#include <utility>

namespace morv {

namespace {

//! The number a box shows in single precision; none when it shows no number, or one beyond
//! the single-precision range ("1e39"), which the data cannot hold either.
std::optional<double> number(const QLineEdit& box) {
    double v = 0.0;
    if (!platform::tryRegionalNumber(box.text().toStdString(), v)) return std::nullopt;
    try {
        return static_cast<double>(platform::chk::single(v));
    } catch (const platform::RunTimeError&) {
        return std::nullopt;
    }
}

} // namespace

void frmHE::cmdLogK_Click() {
    const std::optional<double> D = number(*txtPark[0]), d = number(*txtPark[1]);
    const double bound = static_cast<float>(1e-5);
    if (!D || !d || *D < bound || *d < bound) {
        platform::msgBox("Nenačtena nebo neúplná konstrukční data!", 16, "MORV");
        return;
    }
    const std::optional<double> L = number(*txtPark[3]), sT = number(*txtPark[6]), sL = number(*txtPark[7]),
                                b = number(*txtPark[8]), nT = number(*txtPark[10]), nL = number(*txtPark[11]);
    bool faults = false;
    auto report = [&](const std::string& text) {
        platform::msgBox(text, 64, "MORV");
        faults = true;
    };
    // A box that holds no number is named by its caption: the rules that need it cannot be
    // checked, so the data cannot pass as sound.
    std::string unread;
    for (const auto& [value, index] : {std::pair{&L, 3}, {&sT, 6}, {&sL, 7}, {&b, 8}, {&nT, 10}, {&nL, 11}})
        if (!*value)
            unread += (unread.empty() ? "" : ", ") + lblKo[static_cast<size_t>(index)]->text().toStdString();
    if (!unread.empty()) report("Nelze přečíst: " + unread + "!");
    // The proposal divides the model's shell diameter by its pitch; without a pitch there is
    // none to make.
    auto proposal = [&](const char* words, double pitch) {
        const double shell = m_state.Vymenik().Dplast;
        return pitch > 0.0 ? std::string("\r\n") + words + platform::format((shell - pitch) / pitch, "#0")
                           : std::string();
    };
    if (L && *L < 8.0 * *d) report("Nereálná délka trubky!");
    if ((sT && *sT < 1.04 * *d) || (sL && *sL < 1.04 * *d)) report("Rozteč trubek menší než průměr trubky!");
    if (b && L && *b > *L) report("Rozteč přepážek větší než délka trubek!");
    if (nT && *nT * *d > 0.98 * *D)
        report("Počet trubek vedle sebe převyšuje průměr pláště!" +
               proposal("Odpovídal by počet trubek ", m_state.Vymenik().sT));
    if (nL && *nL * *d > 0.98 * *D)
        report("Počet řad trubek za sebou převyšuje průměr pláště!" +
               proposal("Odpovídal by počet řad ", m_state.Vymenik().sL));
    platform::msgBox(faults ? "Zjištěny chyby v konstrukčních datech!" : "Data jsou O.K.", 64,
                     "HE logická kontrola konstrukčních dat");
}

void frmHE::cmdTrubk_Click() {
    frmTrubkov sketch(*this, m_state);
    platform::ModalHost::exec(sketch);
}

} // namespace morv
