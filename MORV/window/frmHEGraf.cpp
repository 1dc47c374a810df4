// The charts of the sensitivity analysis, opened from the results tab.

#include "MORV/window/analysis/frmPreGraf.h"
#include "MORV/window/frmHE.h"
#include "Platform/MessageBox.h"

#include <QRadioButton>

namespace morv {

frmPreGraf& frmHE::preGraf() {
    if (auto* existing = findChild<frmPreGraf*>(QStringLiteral("frmPreGraf"), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new frmPreGraf(*this, m_state);
}

void frmHE::cmdGraf_Click() {
    if (!m_state.AnalHotova) {
        platform::msgBox("Analýza citlivosti dosud nespočtena!", 16, "MORV");
        return;
    }
    frmPreGraf& choice = preGraf();
    choice.show();
    choice.raise();
    choice.activateWindow();
    // The first unknown; the options form one group, so the others are cleared with it.
    choice.optAn[0]->setChecked(true);
}

} // namespace morv
