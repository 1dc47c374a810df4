#include "MORV/window/analysis/frmPreGraf.h"

#include "MORV/model/ProgramState.h"
#include "MORV/window/analysis/frmGraf.h"
#include "Platform/MessageBox.h"
#include "Platform/qt/Activation.h"
#include "Platform/qt/ModalHost.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace morv {

namespace {

//! The captions of the options 3 to 6, which do not depend on the unknowns.
const char* const fixedCaptions[4] = {"Termická účinnost P", "Celkový koef. prostupu tepla",
                                      "Tlaková ztráta v trubkách ", "Tlaková ztráta v plášti"};

} // namespace

frmPreGraf::frmPreGraf(QWidget& mainWindow, ProgramState& state)
    : QDialog(&mainWindow), m_main(mainWindow), m_state(state) {
    setObjectName(QStringLiteral("frmPreGraf"));
    setWindowTitle(QStringLiteral(" Výběr grafického zobrazení"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    lblHdr = new QLabel(QStringLiteral("V závislosti na základní proměnné:"), this);
    lblHdr->setObjectName(QStringLiteral("lblHdr"));
    lblBaz = new QLabel(this);
    lblBaz->setObjectName(QStringLiteral("lblBaz"));
    lblBaz->setFrameShape(QFrame::Panel);
    lblBaz->setFrameShadow(QFrame::Sunken);
    lblBaz->setMinimumWidth(260);

    Frame1 = new QGroupBox(QStringLiteral(" Zobrazené veličiny "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* options = new QVBoxLayout(Frame1);
    lblHdr1 = new QLabel(QStringLiteral("vyberte jednu  proměnnou do grafu:"), Frame1);
    lblHdr1->setObjectName(QStringLiteral("lblHdr1"));
    options->addWidget(lblHdr1);
    // One group: the options share the frame, so exactly one is chosen.
    for (size_t i = 0; i < optAn.size(); ++i) {
        optAn[i] = new QRadioButton(Frame1);
        optAn[i]->setObjectName(QStringLiteral("optAn_%1").arg(i));
        options->addWidget(optAn[i]);
        connect(optAn[i], &QRadioButton::clicked, this, [this, i] { optAn_Click(int(i)); });
    }
    for (size_t i = 3; i < optAn.size(); ++i)
        optAn[i]->setText(QString::fromUtf8(fixedCaptions[i - 3]));

    cmdGr = new QPushButton(QStringLiteral("Zobrazit &graf"), this);
    cmdGr->setObjectName(QStringLiteral("cmdGr"));
    cmdNe = new QPushButton(QStringLiteral("Návrat z grafů"), this);
    cmdNe->setObjectName(QStringLiteral("cmdNe"));
    connect(cmdGr, &QPushButton::clicked, this, [this] { cmdGr_Click(); });
    connect(cmdNe, &QPushButton::clicked, this, [this] { cmdNe_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdGr);
    buttons->addWidget(cmdNe);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(lblHdr);
    layout->addWidget(lblBaz);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    new platform::ActivationWatcher(*this, [this] { Form_Activate(); });
}

frmPreGraf::~frmPreGraf() = default;

QString frmPreGraf::unknownCaption(int code) {
    static const char* const captions[8] = {
        "Hmot.průtok trubky",  "Hmot.průtok plášť", "Vstup.tepl. trubky",  "Vstup.tepl plášť",
        "Výstup.tepl. trubky", "Výstup.tepl plášť", "Převedené teplo (W)", "Teplosměnná plocha (m2)"};
    if (code < 1 || code > 8) return {};
    return QString::fromUtf8(captions[code - 1]);
}

void frmPreGraf::Form_Activate() {
    showCaptions();
    cmdGr->setFocus();
}

void frmPreGraf::showCaptions() {
    // The quantities of the analysis whose points are plotted, not those of the task now.
    lblBaz->setText(QString::fromStdString(m_state.AnalHotovaNazev));
    for (size_t k = 0; k < m_state.AnalHotovaNezname.size(); ++k) {
        // A position that names no unknown leaves its caption as it was.
        const QString caption = unknownCaption(m_state.AnalHotovaNezname[k]);
        if (!caption.isEmpty()) optAn[k]->setText(caption);
    }
    for (size_t i = 3; i < optAn.size(); ++i)
        optAn[i]->setText(QString::fromUtf8(fixedCaptions[i - 3]));
}

void frmPreGraf::optAn_Click(int Index) {
    optAn[size_t(Index)]->setChecked(true);
    cmdGr->setFocus();
}

void frmPreGraf::cmdGr_Click() {
    // The window stays open while the main window loads another task, which drops the
    // analysis: there is nothing to chart then, as the main window's button says.
    if (!m_state.AnalHotova) {
        platform::msgBox("Analýza citlivosti dosud nespočtena!", 16, "MORV");
        return;
    }
    // An analysis run while the window stayed open has its own captions.
    showCaptions();
    for (size_t i = 0; i < optAn.size(); ++i)
        if (optAn[i]->isChecked()) {
            m_state.GrafVelicina = int16_t(i);
            m_state.GrafPopis = optAn[i]->text().toStdString();
        }
    platform::ModalHost::exec(graf());
}

void frmPreGraf::cmdNe_Click() {
    hide();
    if (auto* tabs = m_main.findChild<QTabWidget*>(QStringLiteral("SSTab1"))) tabs->setCurrentIndex(0);
}

frmGraf& frmPreGraf::graf() {
    if (!m_graf) m_graf = std::make_unique<frmGraf>(*this, m_state);
    return *m_graf;
}

} // namespace morv
