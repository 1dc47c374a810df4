// The sensitivity analysis started from the main window: its preconditions, the settings
// window, the analysis itself and the table shown on the results tab.

#include "KWELARdll/model/KwelarConstants.h"
#include "MORV/model/AnalyzaCitlivosti.h"
#include "MORV/window/Vypocet.h"
#include "MORV/window/analysis/frmAnal.h"
#include "MORV/window/frmHE.h"
#include "Platform/Conversions.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"
#include "Platform/qt/ModalHost.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace morv {

namespace {

const std::string Crlf = "\r\n";
//! Longest results text with which an analysis still runs [characters].
constexpr qsizetype resultsLimit = 41000;

//! The results tab.
constexpr int resultsTab = 6;

//! A status of the last calculation that has no solution to start from: none yet, a mark
//! changed since, a refused calculation, or one still running.
bool noCalculation(const QString& status) {
    return status.isEmpty() || status == QStringLiteral("Nespočteno") ||
           status == QStringLiteral("Nespočteno!") || status == QStringLiteral("Počítám...");
}

} // namespace

frmAnal& frmHE::anal() {
    if (auto* settings = findChild<frmAnal*>(QString(), Qt::FindDirectChildrenOnly)) return *settings;
    return *new frmAnal(*this, m_state);
}

void frmHE::cmdAnal_Click() {
    if (noCalculation(lblStav->text())) {
        platform::msgBox("Nejprve musí být proveden základní výpočet!", 16, "MORV");
        return;
    }
    if (QString::fromStdString(m_state.Vysledky).size() > resultsLimit) {
        platform::msgBox("Výsledkové okno je již přeplněno! Uložte je nebo zpracujte," + Crlf +
                             "SMAŽTE HO a potom spusťte analýzu ještě jednou!",
                         48, "MORV");
        return;
    }
    platform::ModalHost::exec(anal());
    if (m_state.AnalProm < 0) return;

    const AnalysisOutcome outcome = analyzaCitlivosti(m_state, progress());
    if (outcome.error) showCalculationError(*outcome.error);
    QTextCursor end = txtRes->textCursor();
    end.movePosition(QTextCursor::End);
    end.insertText(QString::fromStdString(outcome.table));
    SSTab1->setCurrentIndex(resultsTab);
    // The caret at Len(Vysledky): the end of the box, which counts each line break once.
    QTextCursor caret = txtRes->textCursor();
    caret.setPosition(std::min<int>(static_cast<int>(QString::fromStdString(m_state.Vysledky).size()),
                                    txtRes->document()->characterCount() - 1));
    txtRes->setTextCursor(caret);
    txtRes->ensureCursorVisible();
}

} // namespace morv
