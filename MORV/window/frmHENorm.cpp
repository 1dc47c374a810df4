// The standard-exchanger catalogue: the catalogue file read into the grid of its tab, and the
// pick of one exchanger into the code and the construction boxes; the program's folders that
// hold the catalogue and the sample tasks.

#include "MORV/model/Katalog.h"
#include "MORV/window/frmHE.h"
#include "Platform/FileSystem.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"
#include "Platform/qt/FlexGrid.h"
#include "Platform/qt/Keys.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace morv {

namespace {

constexpr int catalogueTab = 5;
constexpr int constructionTab = 1;

void reportMissingCatalogue() {
    platform::msgBox(
        "Nenalezen soubor NormMorv.dta se standardními výměníky!\r\nZkontrolujte adresář aplikace.", 16,
        "MORV");
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

void frmHE::setProgramFolders(std::vector<std::string> folders) {
    m_programFolders = std::move(folders);
}

std::string frmHE::catalogueFile() const {
    return findCatalogue(m_programFolders.empty() ? programFolders() : m_programFolders);
}

std::string frmHE::sampleTaskFolder() const {
    for (const std::string& folder : m_programFolders.empty() ? programFolders() : m_programFolders) {
        std::string tasks = platform::joinPath(folder, "tasks");
        if (platform::folderExists(tasks)) return tasks;
    }
    return platform::folderExists(MORV_SOURCE_TASKS) ? MORV_SOURCE_TASKS : "";
}

void frmHE::connectCatalogueHandlers() {
    connect(cmdNorm, &QPushButton::clicked, this, [this] { cmdNorm_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(flxG2, &platform::FlexGrid::dblClick, this, [this] { flxG2_DblClick(); });
    connect(flxG2, &platform::FlexGrid::keyPress, this, [this](int keyAscii) { flxG2_KeyPress(keyAscii); });
}

void frmHE::cmdNorm_Click() {
    const std::string path = catalogueFile();
    if (path.empty()) return reportMissingCatalogue();
    try {
        platform::ItemReader in(path);
        // Row r shows record r; the grid grows by a row for a record beyond its last row.
        for (int r = 1; !in.atEnd(); ++r) {
            const CatalogueRecord record = readCatalogueRecord(in);
            flxG2->TextMatrix(r, 0, text(record.Kod));
            flxG2->TextMatrix(r, 1, text(platform::format(record.konstrukce[0] * 1000.0, "#000")));
            flxG2->TextMatrix(r, 2, text(platform::format(record.konstrukce[1] * 1000.0, "#00")));
            flxG2->TextMatrix(r, 3, text(platform::format(record.konstrukce[5], "0")));
        }
    } catch (const platform::RunTimeError& e) {
        // A record cut short or an item that is no number ends the reading: the rows read so
        // far stay and the tab stays as it was.
        if (e.number() == platform::err::FileNotFound) reportMissingCatalogue();
        return;
    }
    SSTab1->setCurrentIndex(catalogueTab);
}

void frmHE::Command1_Click() {
    cmdNorm_Click();
}

void frmHE::flxG2_DblClick() {
    const int s = flxG2->Row();
    const std::string path = catalogueFile();
    if (path.empty()) return reportMissingCatalogue();
    try {
        platform::ItemReader in(path);
        // The whole file is read, so a catalogue that breaks off after the record picked
        // fails as one that breaks off before it.
        for (int i = 1; !in.atEnd(); ++i) {
            const CatalogueRecord record = readCatalogueRecord(in);
            if (i != s) continue;
            // Another exchanger: the results no longer belong to the inputs.
            markUncalculated();
            txtKod->setText(text(record.Kod));
            for (size_t k = 0; k < catalogueValues; ++k)
                txtPark[k]->setText(
                    text(m_state.Prevodnik().RoundX(platform::Variant(record.konstrukce[k])).toString()));
            // The layout choice stays as the user set it: the catalogue's flow arrangement
            // (co-current or counter-current) is no layout of the exchanger.
        }
    } catch (const platform::RunTimeError& e) {
        if (e.number() == platform::err::FileNotFound) reportMissingCatalogue();
        return;
    }
    SSTab1->setCurrentIndex(constructionTab);
}

void frmHE::flxG2_KeyPress(int KeyAscii) {
    if (KeyAscii == platform::key::Enter) flxG2_DblClick();
}

} // namespace morv
