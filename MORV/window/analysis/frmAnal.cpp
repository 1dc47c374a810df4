#include "MORV/window/analysis/frmAnal.h"

#include "MORV/model/AnalyzaCitlivosti.h"
#include "MORV/model/MorvConstants.h"
#include "MORV/model/ProgramState.h"
#include "MORV/window/UnitEntry.h"
#include "Platform/Conversions.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"
#include "Platform/qt/Activation.h"
#include "Platform/qt/Keys.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace morv {

namespace {

//! Index of the heat duty among the main quantities: its range is typed in kW.
constexpr int16_t duty = 6;
//! Smallest step of a range, compared with the step in single precision.
constexpr double smallestStep = 1e-5;

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

template <class W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

//! The number a box shows, read with the regional settings into single precision.
bool singleValue(const QLineEdit& box, platform::Variant& value) {
    double x = 0.0;
    if (!platform::tryRegionalNumber(platform::plainMinus(box.text().toStdString()), x) ||
        std::abs(x) > std::numeric_limits<float>::max())
        return false;
    value = platform::Variant(static_cast<float>(x));
    return true;
}

} // namespace

frmAnal::frmAnal(QWidget& mainWindow, ProgramState& state)
    : QDialog(&mainWindow), m_main(mainWindow), m_state(state) {
    setObjectName("frmAnal");
    setWindowTitle(u8(" Zadání analýzy citlivosti"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    lblProm = named(new QLabel(u8("Vyberte zdanou proměnnou   na kterou zkoumáte citlivost řešení."), this),
                    "lblProm");
    lblProm->setWordWrap(true);
    cmbProm = named(new QComboBox(this), "cmbProm");
    cmbProm->setMinimumWidth(260);
    lblPoc = named(new QLabel(u8("Počáteční hodnota proměnné:"), this), "lblPoc");
    lblKon = named(new QLabel(u8("Koncová hodnota proměnné:"), this), "lblKon");
    lblKrok = named(new QLabel(u8("Krok proměnné:"), this), "lblKrok");
    for (int i = 0; i < 3; ++i) {
        QLineEdit* box = named(new QLineEdit(this), QStringLiteral("txtPoc_%1").arg(i));
        box->setFixedWidth(110);
        box->installEventFilter(this);
        txtPoc[size_t(i)] = box;
    }
    lblQ = named(new QLabel(this), "lblQ");
    lblQ->setMinimumWidth(80);
    lblUpoz = named(new QLabel(u8("Koncová hodnota musí být vyšší než počáteční!"), this), "lblUpoz");
    cmdAn = named(new QPushButton(u8("Analyzuj"), this), "cmdAn");
    smdSt = named(new QPushButton(u8("Storno"), this), "smdSt");
    // Enter is the windows' own key here: no button is pressed by it behind a box's back.
    for (QPushButton* b : {cmdAn, smdSt})
        b->setAutoDefault(false);
    cmdAn->installEventFilter(this);

    auto* grid = new QGridLayout;
    grid->addWidget(lblPoc, 0, 0);
    grid->addWidget(txtPoc[0], 0, 1);
    grid->addWidget(lblQ, 0, 2);
    grid->addWidget(lblKon, 1, 0);
    grid->addWidget(txtPoc[1], 1, 1);
    grid->addWidget(lblKrok, 2, 0);
    grid->addWidget(txtPoc[2], 2, 1);
    grid->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAn);
    buttons->addWidget(smdSt);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(lblProm);
    layout->addWidget(cmbProm);
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addWidget(lblUpoz);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    lblProm->setFixedWidth(330);

    connect(cmbProm, qOverload<int>(&QComboBox::activated), this, [this] { cmbProm_Click(); });
    connect(cmdAn, &QPushButton::clicked, this, [this] { cmdAn_Click(); });
    connect(smdSt, &QPushButton::clicked, this, [this] { smdSt_Click(); });
    new platform::ActivationWatcher(*this, [this] { Form_Activate(); });
}

void frmAnal::Form_Activate() {
    cmbProm->clear();
    int16_t position = 0;
    for (int16_t i = 0; i <= 7; ++i) {
        if (m_state.Vymenik().IPOM(i) != 0) continue;
        cmbProm->addItem(QString::fromStdString(analysisListCaption(i)));
        m_PoradiProm[size_t(position++)] = i;
    }
    cmbProm->setCurrentIndex(-1);
}

void frmAnal::cmbProm_Click() {
    const int position = cmbProm->currentIndex();
    if (position < 0) return;
    m_state.AnalProm = m_PoradiProm[size_t(position)];
    m_state.AnalNazev = cmbProm->currentText().toStdString();
    if (auto* value = m_main.findChild<QLineEdit*>(QStringLiteral("txtPar_%1").arg(m_state.AnalProm)))
        txtPoc[0]->setText(value->text());
    lblQ->setText(m_state.AnalProm == duty ? u8("Teplo v kW") : QString());
    txtPoc[0]->setFocus();
}

void frmAnal::txtPoc_KeyPress(int Index, int KeyAscii) {
    if (KeyAscii != platform::key::Enter) return;
    QLineEdit* box = txtPoc[size_t(Index)];
    if (!box->text().isEmpty()) {
        // The boxes hold the quantity in the unit of its main box: kg/s, °C, kW or m2.
        const char* unit =
            m_state.AnalProm >= 0 && m_state.AnalProm <= 7 ? mainQuantityUnit(m_state.AnalProm) : nullptr;
        const std::string typed = box->text().toStdString();
        std::string buffer = withBoxUnit(typed, unit);
        std::string target;
        int16_t CH = 0;
        try {
            platform::Variant x = m_state.Prevodnik().Prevod(buffer, CH, target);
            if (CH != 0) return;
            // The step is a difference: a typed unit's zero is no step ("1.8 F" is 1 K, not the
            // temperature 1.8 °F).
            if (std::string zero = Index == 2 ? zeroOfTypedUnit(typed, unit) : std::string(); !zero.empty()) {
                x = x - m_state.Prevodnik().Prevod(zero, CH, target);
                if (CH != 0) return;
            }
            box->setText(QString::fromStdString(m_state.Prevodnik().RoundX(x).toString()));
        } catch (const platform::RunTimeError&) {
            // A value the converter cannot take stays as typed, like a refused one.
            return;
        }
    }
    if (Index < 2)
        txtPoc[size_t(Index + 1)]->setFocus();
    else
        cmdAn->setFocus();
}

void frmAnal::cmdAn_Click() {
    // With nothing chosen in the list, the quantity chosen last time is varied again; but
    // only while it is still a known quantity of the task: an unknown is what the solve finds.
    const int16_t varied = m_state.AnalProm;
    const bool chosen = varied >= 0 && varied <= 7 && m_state.AnalNazev == analysisListCaption(varied);
    if (!chosen || m_state.Vymenik().IPOM(varied) != 0) {
        std::string text = "Vyberte v seznamu zadanou proměnnou pro analýzu!";
        if (chosen) text = analysisListCaption(varied) + " je nyní jednou z neznámých!\r\n" + text;
        platform::msgBox(text, 16, "HE");
        cmbProm->setFocus();
        return;
    }
    platform::Variant start, end, step;
    // A box without a number is no range either.
    if (!singleValue(*txtPoc[0], start) || !singleValue(*txtPoc[1], end) || !singleValue(*txtPoc[2], step) ||
        start > end || std::abs(step.toDouble()) < smallestStep) {
        platform::msgBox("Špatně zadaný rozsah pro analýzu!", 16, "HE");
        return;
    }
    if (m_state.AnalProm == duty) {
        const platform::Variant kW(int16_t{1000});
        start *= kW;
        end *= kW;
        step *= kW;
    }
    // The analysis keeps at most this many points.
    if (analysisPointCount(start, end, step, k::maxAnalysisPoints + 1) > k::maxAnalysisPoints) {
        platform::msgBox("Příliš mnoho bodů analýzy (max. 100)!", 16, "HE");
        return;
    }
    m_state.AnalPoc = start;
    m_state.AnalKon = end;
    m_state.AnalKrok = step;
    accept();
}

void frmAnal::cmdAn_KeyPress(int KeyAscii) {
    if (KeyAscii == platform::key::Enter) cmdAn_Click();
}

void frmAnal::smdSt_Click() {
    m_state.AnalProm = -1;
    QDialog::reject();
}

void frmAnal::reject() {
    smdSt_Click();
}

void frmAnal::keyPressEvent(QKeyEvent* event) {
    // A focused button takes Enter itself; elsewhere Enter presses no button of the window.
    if (platform::keyCode(*event) == platform::key::Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmAnal::eventFilter(QObject* watched, QEvent* event) {
    const bool enter = event->type() == QEvent::KeyPress &&
                       platform::keyCode(static_cast<const QKeyEvent&>(*event)) == platform::key::Enter;
    if (watched == cmdAn && enter) {
        cmdAn_KeyPress(platform::key::Enter);
        return true;
    }
    for (int i = 0; i < 3; ++i) {
        QLineEdit* box = txtPoc[size_t(i)];
        if (watched != box) continue;
        if (enter) {
            txtPoc_KeyPress(i, platform::key::Enter);
            return true;
        }
        if (event->type() == QEvent::FocusIn)
            // After the click that brought the focus has placed the cursor.
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace morv
