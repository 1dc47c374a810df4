#include "MORV/window/frmMetod.h"

#include "MORV/window/frmHE.h"
#include "Platform/MessageBox.h"
#include "Platform/qt/Keys.h"
#include "Platform/qt/QtProgress.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace morv {

namespace {

//! A tab of texts, one label a line.
QWidget* page(std::initializer_list<const char*> lines) {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    for (const char* line : lines)
        v->addWidget(new QLabel(QString::fromUtf8(line)));
    v->addStretch();
    return w;
}

} // namespace

frmMetod::frmMetod(frmHE& owner) : QDialog(&owner), m_owner(owner) {
    setObjectName(QStringLiteral("frmMetod"));
    setWindowTitle(QStringLiteral("Volba metody výpočtu"));
    SSTabM = new QTabWidget;
    SSTabM->setObjectName(QStringLiteral("SSTabM"));
    SSTabM->addTab(page({"Kondenzační prostor",
                         "Metoda založená na hmotovém toku na jednotku délky Gama:", "Horizontální trubky:",
                         "alfa =  0.955 * (g * TeplVodkond ^ 3 * Hustkond^2  / Viskkond / Gama) ^1/3",
                         "Vertikální trubky:",
                         "alfa =  0.926 * (g * TeplVodkond ^ 3 * Hustkond^2  / Viskkond / Gama) ^1/3"}),
                   QStringLiteral("Metoda 1"));
    SSTabM->addTab(
        page({"Kondenzační prostor", "Metoda založená na teplotním rozdílu deltaT:", "Horizontální trubky:",
              "alfa = 0.725 * (g * TeplVodkond ^ 3 * Hustkond^2  * VýpTeplo / Viskkond / Dtrub /\ndeltaT) "
              "^1/4",
              "Vertikální trubky:", "když",
              "(g * TeplVodkond ^ 3 * Hustkond^2  * VýpTeplo / Viskkond / L /\ndeltaT)<1E+15",
              "alfa = 1.13* (g * TeplVodkond ^ 3 * Hustkond^2  * VýpTeplo / Viskkond /L /\ndeltaT)^1/4",
              "jinak",
              "alfa = 0.068* (g * TeplVodkond ^ 3 * Hustkond^2  * VýpTeplo / Viskkond / L /\ndeltaT)^1/3"}),
        QStringLiteral("Metoda 2"));
    SSTabM->addTab(
        page({"Kondenzační prostor", "Metoda založená na kritériích Ar, K32:", "Horizontální trubky:",
              "Nu  = 0.724 * (Ar * Prkond * K32) ^ (1/4) * (Prkond / Prw) ^ 0.25",
              "K32 = VýpTeplo / Cpko / Delta",
              "Vertikální trubky:", "Nu  = 1.13 * (Ar * Prkond * K32) ^ (1/4) * (Prkond / Prw) ^ 0.25"}),
        QStringLiteral("Metoda 3"));
    auto* fixed = new QWidget;
    auto* f = new QVBoxLayout(fixed);
    txtIN = new QLineEdit;
    txtIN->setObjectName(QStringLiteral("txtIN"));
    txtOUT = new QLineEdit;
    txtOUT->setObjectName(QStringLiteral("txtOUT"));
    f->addWidget(
        new QLabel(QStringLiteral("Zadat oba koeficienty přestupu jako pevné, konstantní hodnoty:")));
    f->addWidget(new QLabel(QStringLiteral("Hodnota koef. přestupu tepla uvnitř trubek (W/m2/K):")));
    f->addWidget(txtIN);
    f->addWidget(new QLabel(QStringLiteral("Hodnota koef. přestupu tepla vně  trubek (W/m2/K):")));
    f->addWidget(txtOUT);
    f->addStretch();
    SSTabM->addTab(fixed, QStringLiteral("Pevné koef."));
    cmdMet = new QPushButton(QStringLiteral("Potvrďte &metodu"));
    cmdMet->setObjectName(QStringLiteral("cmdMet"));
    cmdMet->setAutoDefault(false);
    auto* v = new QVBoxLayout(this);
    v->addWidget(SSTabM);
    v->addWidget(cmdMet);

    connect(SSTabM, &QTabWidget::currentChanged, this, [this] { SSTabM_Click(); });
    connect(cmdMet, &QPushButton::clicked, this, [this] { cmdMet_Click(); });
    txtIN->installEventFilter(this);
    txtOUT->installEventFilter(this);
}

void frmMetod::Form_Activate() {
    int m = m_owner.state().Kondenzator().MetodaP;
    if (m < 1 || m > 4) m = 1;
    SSTabM->setCurrentIndex(m - 1);
    cmdMet->setFocus();
    if (SSTabM->currentIndex() == 3) txtIN->setFocus();
}

void frmMetod::SSTabM_Click() {
    if (SSTabM->currentIndex() == 3)
        txtIN->setFocus();
    else
        cmdMet->setFocus();
}

void frmMetod::txtIN_KeyPress(int KeyAscii) {
    if (KeyAscii != platform::key::Enter) return;
    TARMST& m = m_owner.state().Vymenik();
    m.AlfaiK = m.Tr().S().Hodnota(txtIN->text().toStdString());
    txtOUT->selectAll();
    txtOUT->setFocus();
}

void frmMetod::txtOUT_KeyPress(int KeyAscii) {
    if (KeyAscii != platform::key::Enter) return;
    TARMST& m = m_owner.state().Vymenik();
    m.AlfaoK = m.Tr().S().Hodnota(txtOUT->text().toStdString());
    cmdMet->setFocus();
}

void frmMetod::cmdMet_Click() {
    ProgramState& st = m_owner.state();
    const TARMST& m = st.Vymenik();
    if (SSTabM->currentIndex() == 3 && (m.AlfaiK.toDouble() < 0.49 || m.AlfaoK.toDouble() < 0.49)) {
        platform::msgBox("Koeficienty nesmí být nulové!", 48, "MORV - Metoda");
        return;
    }
    hide();
    // Another method, or fixed coefficients that may have been retyped: the results no longer
    // belong to the inputs.
    const int16_t before = st.Kondenzator().MetodaP;
    if (SSTabM->currentIndex() + 1 != before || SSTabM->currentIndex() == 3) m_owner.markUncalculated();
    st.Kondenzator().MetodaP = SSTabM->currentIndex() + 1;
    if (st.Kondenzator().MetodaP < 1 || st.Kondenzator().MetodaP >= 5) st.Kondenzator().MetodaP = 1;
    m_owner.cmdMetP->setText(QStringLiteral("Metoda výpočtu ( %1 )").arg(int(st.Kondenzator().MetodaP)));
    m_owner.cmdVypoc->setFocus();
}

bool frmMetod::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = platform::keyAscii(*static_cast<QKeyEvent*>(event));
        if (key == platform::key::Enter) {
            if (watched == txtIN)
                txtIN_KeyPress(key);
            else
                txtOUT_KeyPress(key);
            return true;
        }
    } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease) {
        static_cast<QLineEdit*>(watched)->selectAll();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace morv
