#include "MORV/window/frmHE.h"

#include "MORV/window/Version.h"
#include "MORV/window/frmMetod.h"
#include "MORV/window/frmSplash.h"
#include "Platform/FileDialog.h"
#include "Platform/Format.h"
#include "Platform/RunTimeError.h"
#include "Platform/qt/Activation.h"
#include "Platform/qt/FlexGrid.h"
#include "Platform/qt/Keys.h"
#include "Platform/qt/ModalHost.h"
#include "Platform/qt/QtProgress.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>

namespace morv {

namespace {

//! Runs each step; a step that fails with a run-time error is skipped and the next follows.
void eachStep(std::initializer_list<std::function<void()>> steps) {
    for (const auto& step : steps) {
        try {
            step();
        } catch (const platform::RunTimeError&) {
        }
    }
}

QString fraction(double x) {
    return QString::fromStdString(platform::format(x, "0.00000"));
}

} // namespace

frmHE::frmHE(ProgramState& state, QWidget* parent)
    : QWidget(parent), CommonDialog1(std::make_unique<platform::FileDialog>()), m_state(state) {
    setObjectName(QStringLiteral("frmHE"));
    buildHeader();
    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildBasicTab(), QStringLiteral("&Základní "));
    SSTab1->addTab(buildConstructionTab(), QStringLiteral("Ko&nstrukční"));
    SSTab1->addTab(buildHeatTransferTab(), QStringLiteral("Přestup &tepla"));
    SSTab1->addTab(buildCompositionTab(), QStringLiteral("S&ložení proudů"));
    SSTab1->addTab(buildPressureDropTab(), QStringLiteral("Tlaková zt&ráta"));
    SSTab1->addTab(buildCatalogueTab(), QStringLiteral("Normované"));
    SSTab1->addTab(buildResultsTab(), QStringLiteral("Výsledky"));

    auto* ident = new QHBoxLayout;
    ident->addWidget(new QLabel(QStringLiteral("Označení aparátu:")));
    ident->addWidget(txtZnac);
    ident->addWidget(new QLabel(QStringLiteral("Kódové značení.:")));
    ident->addWidget(txtKod);
    ident->addWidget(new QLabel(QStringLiteral("Číslo aparátu:")));
    ident->addWidget(txtNum);
    ident->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdNactiD, cmdVypoc, cmdVysl, cmdKon})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* status = new QHBoxLayout;
    status->addWidget(lblStav);
    status->addWidget(lblFile, 1);
    auto* v = new QVBoxLayout(this);
    v->addLayout(ident);
    v->addLayout(buttons);
    v->addWidget(SSTab1, 1);
    v->addLayout(status);

    connect(SSTab1, &QTabWidget::currentChanged, this, [this] { SSTab1_Click(); });
    connect(cmbChar, qOverload<int>(&QComboBox::activated), this, [this] { cmbChar_Click(); });
    SSTab1->installEventFilter(this);
    SSTab1->tabBar()->installEventFilter(this);
    for (QLineEdit* b : txtPar)
        b->installEventFilter(this);
    for (QLineEdit* b : txtPark)
        b->installEventFilter(this);
    connectEntryHandlers();
    connectFileHandlers();
    connectExitHandlers();
    new platform::ActivationWatcher(*this, [this] { Form_Activate(); });
    Form_Load();
}

frmHE::~frmHE() = default;

frmSplash& frmHE::splash() {
    if (!m_splash) m_splash = std::make_unique<frmSplash>(this);
    return *m_splash;
}

QString frmHE::title(int major, int minor, int revision) {
    return QStringLiteral(" Výpočet trubkového kondenzátoru       V %1.%2.%3")
        .arg(major)
        .arg(minor)
        .arg(revision);
}

void frmHE::Form_Load() {
    splash();
    for (QComboBox* c : {cmbSkS, cmbSkT}) {
        c->addItem(QStringLiteral("kapalné"));
        c->addItem(QStringLiteral("plynné"));
    }
    cmbChar->addItem(QStringLiteral("horizontální"));
    cmbChar->addItem(QStringLiteral("vertikální"));
    txtRes->clear();
    m_state.SouborVysl.clear();
    m_state.Prevodnik().Inicializace();
    m_state.MaxIter = 100;
}

void frmHE::setUpCompositionGrid(platform::FlexGrid& grid) {
    grid.Cols(3);
    for (int c = 0; c < grid.Cols(); ++c)
        grid.ColWidth(c, 800);
    grid.ColWidth(0, 2200);
    grid.Clear();
    grid.TextMatrix(0, 0, QStringLiteral("Látka"));
    grid.TextMatrix(0, 1, QStringLiteral("Xhmot"));
    grid.TextMatrix(0, 2, QStringLiteral("Xmol"));
    for (int i = 0; i < 19; ++i)
        grid.AddItem(QStringLiteral(" "));
    grid.ColAlignment(1, Qt::AlignHCenter | Qt::AlignTop);
    grid.ColAlignment(2, Qt::AlignHCenter | Qt::AlignTop);
    grid.RemoveItem(1);
}

void frmHE::fillCompositionGrid(platform::FlexGrid& grid, Proud& stream) {
    const int16_t n = stream.S().Nsloz().toInteger();
    for (int16_t i = 1; i <= n; ++i) {
        grid.TextMatrix(i, 0, QString::fromStdString(stream.S().Nazev(i)));
        grid.TextMatrix(i, 1, fraction(stream.Xh(i)));
        grid.TextMatrix(i, 2, fraction(stream.Xm(i)));
    }
}

void frmHE::setUpCatalogueGrid() {
    flxG2->Cols(4);
    for (int c = 0; c < flxG2->Cols(); ++c)
        flxG2->ColWidth(c, 1000);
    flxG2->ColWidth(0, 1600);
    flxG2->ColWidth(3, 800);
    flxG2->Clear();
    const QString heads[4] = {QStringLiteral("Kódové znač."), QStringLiteral("Prům.pláště"),
                              QStringLiteral("Prům.trubek"), QStringLiteral("Chodů")};
    for (int c = 0; c < 4; ++c) {
        flxG2->TextMatrix(0, c, heads[c]);
        // A heading wider than its column in this font widens the column, so none is cut off.
        const int heading = flxG2->fontMetrics().horizontalAdvance(heads[c]) + 12;
        if (flxG2->columnWidth(c) < heading) flxG2->setColumnWidth(c, heading);
    }
    for (int i = 0; i < 21; ++i)
        flxG2->AddItem(QString());
    for (int c = 0; c < 4; ++c)
        flxG2->ColAlignment(c, Qt::AlignHCenter | Qt::AlignVCenter);
    flxG2->RemoveItem(1);
}

void frmHE::Form_Activate() {
    eachStep({
        [&] { m_state.TlumKonst = platform::Variant(0.4); },
        [&] {
            setUpCompositionGrid(*flxG);
            setUpCompositionGrid(*flxG1);
        },
        [&] { fillCompositionGrid(*flxG, m_state.Vymenik().Tr()); },
        [&] { fillCompositionGrid(*flxG1, m_state.Vymenik().Pl()); },
        [&] { setUpCatalogueGrid(); },
        [&] { lblFile->clear(); },
        [&] { setWindowTitle(title(version::major, version::minor, version::revision)); },
        [&] { txtPar[0]->setFocus(); },
        [&] {
            if (!m_state.SplashZobrazen) {
                platform::ModalHost::exec(splash());
                m_state.SplashZobrazen = true;
            }
        },
    });
}

void frmHE::SSTab1_Click() {
    switch (SSTab1->currentIndex()) {
    case 0: {
        txtPar[0]->setFocus();
        std::string dew;
        try {
            dew = platform::format(m_state.Vymenik().TrbP.toDouble(), "#.0");
        } catch (const platform::RunTimeError&) {
        }
        txtPar[5]->setToolTip(QStringLiteral("Rosný bod (°C) ") + QString::fromStdString(dew));
        txtPar[7]->setToolTip(QStringLiteral("Délka trubek (m) ") + txtPark[3]->text());
        break;
    }
    case 1:
        txtPark[0]->setFocus();
        break;
    default:
        break;
    }
}

void frmHE::SSTab1_KeyDown(int KeyCode) {
    const int last = SSTab1->count() - 1;
    const int tab = SSTab1->currentIndex();
    if (KeyCode == platform::key::PageUp)
        SSTab1->setCurrentIndex(tab >= last ? 0 : tab + 1);
    else if (KeyCode == platform::key::PageDown)
        SSTab1->setCurrentIndex(tab <= 0 ? last : tab - 1);
}

void frmHE::cmbChar_Click() {
    const bool vertical = cmbChar->currentText() != QStringLiteral("horizontální");
    if (vertical != (m_state.Vymenik().Natok != 0)) markUncalculated();
    txtPark[0]->setFocus();
}

bool frmHE::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int code = platform::keyCode(*static_cast<QKeyEvent*>(event));
        if (code == platform::key::PageUp || code == platform::key::PageDown) {
            SSTab1_KeyDown(code);
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) box->selectAll();
    } else if (event->type() == QEvent::MouseMove) {
        for (size_t i = 0; i < txtPar.size(); ++i)
            if (watched == txtPar[i]) txtPar_MouseMove(static_cast<int>(i));
        for (size_t i = 0; i < txtPark.size(); ++i)
            if (watched == txtPark[i]) txtPark_MouseMove(static_cast<int>(i));
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace morv
