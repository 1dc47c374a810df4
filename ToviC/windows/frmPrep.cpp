#include "ToviC/windows/frmPrep.h"

#include "ToviC/Tovi.h"

#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"
#include "Platform/qt/Activation.h"
#include "Platform/qt/Keys.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tovi {

namespace {

const char* const label1Text =
    "Přepočet do SI: číslo mezera rozměr, např. 145 cm, 25 km/h, 70 kcal/kg  Také umožní přepočet z jedněch "
    "jednotek do druhých. Pak zadejte: rozměr DO mezera číslo mezera rozměr Z, BTU/lb 14 kcal/kg           "
    "          Výsledek bez rozměrů je v základních jednotkách SI.";
const char* const label1FirstLine = "Přepočet do SI: číslo mezera rozměr, např. 145 cm, 25 km/h, 70 kcal/kg";

} // namespace

frmPrep::frmPrep(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmPrep");
    setWindowTitle(QString::fromUtf8("  P Ř E P O Č T Y"));

    m_Text1 = new QLineEdit(this);
    m_Text1->setObjectName("Text1");
    m_Text2 = new QLineEdit(this);
    m_Text2->setObjectName("Text2");
    m_Label1 = new QLabel(QString::fromUtf8(label1Text), this);
    m_Label1->setObjectName("Label1");
    m_Label1->setWordWrap(true);
    // The runs of blanks lay the text out in lines when the label is as wide as its first
    // sentence: the second starts a new line, and the blanks push the last onto one of its own.
    const QFontMetrics metrics(m_Label1->font());
    m_Label1->setFixedWidth(metrics.horizontalAdvance(QString::fromUtf8(label1FirstLine)) +
                            metrics.horizontalAdvance(' '));
    m_Command2 = new QPushButton(QString::fromUtf8("&Přehled zkratek rozměrů"), this);
    m_Command2->setObjectName("Command2");
    m_Command1 = new QPushButton(QString::fromUtf8("&Konec"), this);
    m_Command1->setObjectName("Command1");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_Command2);
    buttons->addStretch(1);
    buttons->addWidget(m_Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Label1);
    layout->addWidget(m_Text1);
    layout->addWidget(m_Text2);
    layout->addLayout(buttons);
    setTabOrder(m_Text1, m_Text2);
    setTabOrder(m_Text2, m_Command2);
    setTabOrder(m_Command2, m_Command1);
    resize(sizeHint());

    m_Text1->installEventFilter(this);
    new platform::ActivationWatcher(*this, [this] { Form_Activate(); });
    connect(m_Command2, &QPushButton::clicked, this, &frmPrep::Command2_Click);
    connect(m_Command1, &QPushButton::clicked, this, &frmPrep::Command1_Click);
    Form_Load();
}

frmPrep::~frmPrep() = default;

void frmPrep::Form_Load() {
    m_tovi = std::make_unique<Tovi>();
}

void frmPrep::Form_Activate() {
    m_Text1->setFocus();
}

bool frmPrep::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_Text1 && e->type() == QEvent::KeyPress &&
        Text1_KeyPress(platform::keyAscii(*static_cast<QKeyEvent*>(e))))
        return true;
    return QWidget::eventFilter(watched, e);
}

void frmPrep::closeEvent(QCloseEvent* e) {
    e->ignore();
    emit ZavritP();
}

bool frmPrep::Text1_KeyPress(int KeyAscii) {
    switch (KeyAscii) {
    case platform::key::Enter:
        convert();
        return true;
    case platform::key::Escape:
        m_Text1->clear();
        m_Text2->clear();
        return true;
    default:
        return false;
    }
}

void frmPrep::convert() {
    std::string typed = m_Text1->text().toStdString();
    int16_t ch = 0;
    std::string rozmer;
    QString result;
    try {
        const platform::Variant value = m_tovi->Prevod(typed, ch, rozmer);
        result = QString::fromStdString(m_tovi->RoundX(value).toString());
    } catch (const platform::RunTimeError& e) {
        // A number beyond the double range (or a user unit of factor 0) is a failed
        // conversion like the others: say why and show no result.
        platform::msgBox("Chyba č. " + std::to_string(e.number()) + "\r\n" + e.description(), 0, "");
        m_Text2->clear();
        return;
    }
    if (ch != 0)
        result.clear();
    else if (!rozmer.empty())
        result += ' ' + QString::fromStdString(rozmer);
    m_Text2->setText(result);
}

void frmPrep::Command2_Click() {
    m_tovi->ZobrazPrehled();
    m_Text1->setFocus();
}

void frmPrep::Command1_Click() {
    emit ZavritP();
}

} // namespace tovi
