// The files of the main window: loading a design task, choosing the results file and
// writing the results text to it, as appended text, a document or a workbook.

#include "MORV/model/TaskCommands.h"
#include "MORV/window/Vypocet.h"
#include "MORV/window/export/Document.h"
#include "MORV/window/export/ExportText.h"
#include "MORV/window/export/Workbook.h"
#include "MORV/window/frmHE.h"
#include "Platform/Conversions.h"
#include "Platform/FileDialog.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"
#include "Platform/Progress.h"
#include "Platform/RunTimeError.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace morv {

namespace {

const char* const Title = "MORV";
const std::string Crlf = "\r\n";

const std::string taskFilter = "Všechny soubory (*.*)|*.*|Textové(*.txt)|*.txt|Datové (*.dat)|*.dat";
const std::string resultsFileFilter = "Textové(*.txt)|*.txt|Výsledkové (*.res)|*.res|Výstupní (*.out)|*.out"
                                      "|Export do WORDu (*.odt)|*.odt|Export do EXCELu (*.xlsx)|*.xlsx";
const std::string writeFilter = "Textové(*.txt)|*.txt|Výsledkové (*.res)|*.res|Výstupní (*.out)|*.out"
                                "|Export do WORDu (*.odt)|*.odt|Export do EXCELu97 (*.xlsx)|*.xlsx"
                                "|Plný export do WORDu97 (*.odt)|*.odt";

//! The export routes by the filter index the results file was chosen with.
namespace route {
constexpr int16_t lastText = 3;
constexpr int16_t document = 4;
constexpr int16_t workbook = 5;
constexpr int16_t documentTable = 6;
} // namespace route

void showError(const char* what, const platform::RunTimeError& e) {
    platform::msgBox(what + platform::numberText(e.number()) + Crlf + e.description(), 16, Title);
}

} // namespace

void frmHE::connectFileHandlers() {
    connect(cmdNactiD, &QPushButton::clicked, this, [this] { cmdNactiD_Click(); });
    connect(cmdNFile, &QPushButton::clicked, this, [this] { cmdNFile_Click(); });
    connect(cmdZapis, &QPushButton::clicked, this, [this] { cmdZapis_Click(); });
}

void frmHE::cmdNactiD_Click() {
    ProgramState& st = m_state;
    platform::FileDialog& dialog = *CommonDialog1;
    try {
        dialog.CancelError = true;
        dialog.Filter = taskFilter;
        dialog.FilterIndex = 3;
        // The first task opened is usually a sample; later dialogs start where the user was.
        if (dialog.InitDir.empty()) dialog.InitDir = sampleTaskFolder();
        // The model reports a missing file or a wrong structure in its own box; the user
        // chooses again.
        do {
            dialog.ShowOpen();
        } while (loadTask(st, dialog.FileName) < 0);
        lblFile->setText(QString::fromStdString(dialog.FileName));
        lblStav->setText(QStringLiteral("Nespočteno"));
        TARMST& m = st.Vymenik();
        if (m.ReP.toDouble() < 0.0)
            platform::msgBox("Záporné Re v plášti, zajistěte aby Dplast > Nstřed.Dtrubvněj", 16, Title);
        // The results of an earlier calculation belong to another task.
        clearResults(*this);
        ZobrazData(*this);
        txtPar[7]->setToolTip(QStringLiteral("Délka trubek (m) ") + txtPark[3]->text());
        txtPar[5]->setToolTip(QStringLiteral("Rosný bod (°C) ") +
                              QString::fromStdString(platform::format(m.TrbP.toDouble(), "#.0")));
        st.AnalHotova = false;
    } catch (const platform::RunTimeError& e) {
        if (e.number() == platform::err::Cancelled)
            platform::msgBox("Uživatel stiskl CANCEL, data nenačtena!", 16, Title);
        else
            showError("Načti - Chyba č. ", e);
    }
}

void frmHE::chooseResultsFile(const std::string& filter) {
    platform::FileDialog& dialog = *CommonDialog1;
    dialog.CancelError = true;
    dialog.Filter = filter;
    dialog.FilterIndex = 2;
    dialog.FileName.clear();
    dialog.ShowSave();
    // The route goes with the name: a later dialog showing another filter does not change it.
    const std::vector<platform::FileFilter> filters = platform::parseFileFilter(filter);
    const int index = dialog.FilterIndex;
    const std::string pattern = index >= 1 && index <= static_cast<int>(filters.size())
                                    ? filters[static_cast<size_t>(index - 1)].pattern
                                    : "";
    m_state.SouborVysl = withFilterExtension(dialog.FileName, pattern);
    m_state.SouborVyslTrasa = static_cast<int16_t>(index);
    lblResFile->setText(QString::fromStdString(m_state.SouborVysl));
}

void frmHE::cmdNFile_Click() {
    try {
        chooseResultsFile(resultsFileFilter);
    } catch (const platform::RunTimeError& e) {
        if (e.number() == platform::err::Cancelled)
            platform::msgBox("Uživatel stiskl CANCEL, operace s daty neprovedena!", 16, Title);
        else
            showError("Ulož - Chyba č. ", e);
    }
}

void frmHE::cmdZapis_Click() {
    ProgramState& st = m_state;
    if (txtRes->toPlainText().isEmpty() || st.Vysledky.empty()) {
        platform::msgBox("Není co zapsat, nebyly spočteny výsledky!", 64, Title);
        return;
    }
    SSTab1->setCurrentIndex(0);
    const QString caption = cmdAnal->text();
    cmdAnal->setText(QStringLiteral("Zápis výsledků"));
    platform::Progress& bar = progress();
    try {
        if (st.SouborVysl.empty()) chooseResultsFile(writeFilter);
        bar.setVisible(true);
        bar.setValue(5);
        const std::string text = exportText(st.Vysledky, &bar);
        const int16_t trasa = st.SouborVyslTrasa;
        if (trasa >= route::document)
            platform::msgBox("Export do EXCEL/WORDu bude chvilku trvat!" + Crlf + "Sledujte ukazatel zápisu.",
                             64, Title);
        if (trasa >= 1 && trasa <= route::lastText) {
            appendExportText(st.SouborVysl, text);
            bar.setValue(100);
        } else if (trasa == route::document) {
            writeDocument(st.SouborVysl, text, bar);
            st.SouborVysl.clear();
            bar.setValue(90);
            bar.setValue(100);
        } else if (trasa == route::workbook) {
            writeWorkbook(st.SouborVysl, text, bar);
            st.SouborVysl.clear();
        } else if (trasa == route::documentTable) {
            writeDocumentTable(st.SouborVysl, text, bar);
            st.SouborVysl.clear();
            bar.setValue(90);
        }
    } catch (const platform::RunTimeError& e) {
        if (e.number() == platform::err::Cancelled)
            platform::msgBox("Uživatel stiskl CANCEL,  operace s daty neprovedena!", 16, Title);
        else
            showError("Uložit - Chyba č. ", e);
    }
    bar.setVisible(false);
    cmdAnal->setText(caption);
}

} // namespace morv
