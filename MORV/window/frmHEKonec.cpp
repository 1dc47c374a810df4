// The exit of the program: the results offered for writing and the confirmation, when the
// results are to be written at the end; the program's objects released and the program
// ended. The window's close button takes the same way.

#include "MORV/window/frmHE.h"
#include "Platform/MessageBox.h"
#include "Platform/ProgramEnd.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>

namespace morv {

void frmHE::connectExitHandlers() {
    connect(cmdKon, &QPushButton::clicked, this, [this] { cmdKon_Click(); });
}

bool frmHE::exitProgram() {
    if (chkRes->isChecked()) {
        if (platform::msgBox("Chcete uložit spočítané výsledky do souboru?", 260, "MORV") ==
            platform::answer::Yes)
            cmdZapis_Click();
        if (platform::msgBox("Chcete opravdu ukončit činnost programu?", 4, "MORV") != platform::answer::Yes)
            return false;
    }
    m_state.AktProud.reset();
    m_state.Vymenik(nullptr);
    m_state.Prevodnik(nullptr);
    m_ended = true;
    platform::endProgram(0);
    return true;
}

void frmHE::cmdKon_Click() {
    exitProgram();
}

void frmHE::closeEvent(QCloseEvent* event) {
    // A close after the exit has run (the program ending) asks nothing again.
    if (m_ended || exitProgram())
        event->accept();
    else
        event->ignore();
}

} // namespace morv
