#include "KWELARdll/windows/frmOprav.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/SubstanceEditor.h"
#include "KWELARdll/windows/WindowSupport.h"
#include "Platform/qt/Keys.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kwelar {

namespace {

const char* const PointLabels[PointValueCount] = {
    "Mol.hm.(kg/mol):",
    "Tkrit (K):",
    "Pkrit (Pa):",
    "Vkrit (m3/mol):",
    "Acentrický fakt.:",
    "Gyr.pol.(nm):",
    "Index lomu:",
    "T Indexu lomu(K):",
    "Dipólmoment:",
    "T dipol momentu(K):",
    "Rel.statická permitivita:",
    "T Rel.stat. permitivity(K):",
    "Teplo tání             (J/mol):",
    "Teplota tání(K):",
    "Teplota norm. bodu varu(K):",
    "Rezerva 1:",
    "Rezerva 2:",
};

const char* const CorrelationCaptions[CorrelationCount] = {
    "Viskozita  (Pa.s):",
    "Měrná mol.tepel. kapacita (J/mol/K):",
    "Tepelná vodivost               (W/m/K):",
    "Hustota (kg/m3):",
    "Viskozita  (Pa.s):",
    "Tepelná vodivost               (W/m/K):",
    "Měrná mol.tepel. kapacita (J/mol/K):",
    "Výparná molární   entalpie  (J/mol):",
    "Tenze par (Pa):",
    "Povrchové napětí                  (N/m):",
    "Rezerva:",
};

const char* const TabCaptions[editor::TabCount] = {
    "Bodové vlastnosti",
    "Teplotní rozvoje - plynná fáze",
    "Teplotní rozvoje - kapalná fáze 1",
    "Teplotní rozvoje - kapalná fáze 2",
};

// Point values in the left column of the first tab; the rest stand in the right one.
constexpr int LeftPointRows = 9;
// Width of the boxes of the equation type, accuracy class and validity range [px].
constexpr int SmallBoxWidth = 64;

QString name(const char* control, int index) {
    return QString::fromStdString(editor::control(control, index));
}

bool isEnter(const QKeyEvent* key) {
    return platform::keyCode(*key) == platform::key::Enter;
}

} // namespace

frmOprav::frmOprav(QWidget* parent) : QDialog(parent) {
    setObjectName("frmOprav");
    setWindowTitle(QString::fromUtf8(editor::Caption));

    m_SSTab1 = new QTabWidget(this);
    m_SSTab1->setObjectName("SSTab1");
    // Every tab caption stays readable: the window is at least as wide as the tab bar.
    m_SSTab1->setUsesScrollButtons(false);
    m_SSTab1->addTab(pointTab(), QString::fromUtf8(TabCaptions[0]));
    for (int t = 1; t < editor::TabCount; ++t)
        m_SSTab1->addTab(correlationTab(t), QString::fromUtf8(TabCaptions[t]));

    QLabel* lblVoda = addLabel({}, "lblVoda");
    lblVoda->setStyleSheet("color: #c00000;");
    lblVoda->setWordWrap(true);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(addLabel("Pořad.č. látky ve směsi:", "lblPor"));
    QLineEdit* txtPor = addBox("txtPor");
    txtPor->setMaximumWidth(50);
    bottom->addWidget(txtPor);
    bottom->addStretch();
    struct Button {
        const char* objectName;
        const char* text;
        void (frmOprav::*click)();
    };
    for (const Button& b : {Button{"cmdZapis", "&Pokračovat se změnami", &frmOprav::cmdZapis_Click},
                            Button{"Command1", "&Dočasně nahrát (700)", &frmOprav::Command1_Click},
                            Button{"cmdPokr", "&Storno beze změn", &frmOprav::cmdPokr_Click}}) {
        auto* button = new QPushButton(QString::fromUtf8(b.text), this);
        button->setObjectName(b.objectName);
        // Enter belongs to the boxes: it never presses a button of this window.
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this, b.click);
        bottom->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_SSTab1);
    layout->addWidget(lblVoda);
    layout->addLayout(bottom);

    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->installEventFilter(this);
    for (int i = 0; i < CorrelationCount; ++i) {
        connect(box(name("Text3", i)), &QLineEdit::textChanged, this,
                [this, i] { emit TipVztah(qint16(i)); });
        for (const char* validity : {"txtOd", "txtDo"}) {
            QLineEdit* edit = box(name(validity, i));
            connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
                edit->setToolTip(QString::fromStdString(editor::validityToolTip(text.toStdString())));
            });
        }
    }
}

QWidget* frmOprav::pointTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    struct Identity {
        const char* label;
        const char* box;
    };
    const Identity identity[] = {{"Číslo látky:", "Text1"}, {"Látka:", "txtNazev"}, {"Vzorec:", "txtVzorec"},
                                 {"Synonyma:", "txtSynon"}, {"Gr.:", "txtGroup"},   {"CAS No.:", "txtCAS"}};
    // Identity in three rows of two, the point values below in two columns.
    for (int n = 0; n < 6; ++n) {
        const int row = n / 2, column = 3 * (n % 2);
        grid->addWidget(addLabel(identity[n].label), row, column);
        grid->addWidget(addBox(identity[n].box), row, column + 1);
    }
    grid->setRowMinimumHeight(3, 12);
    constexpr int firstPointRow = 4;
    for (int j = 0; j < PointValueCount; ++j) {
        const int row = firstPointRow + j % LeftPointRows, column = j < LeftPointRows ? 0 : 3;
        grid->addWidget(addLabel(PointLabels[j], name("lblBod", j)), row, column);
        grid->addWidget(addBox(name("Text2", j)), row, column + 1);
    }
    // The critical constants in other units, below the right column.
    for (int n = 0; n < 3; ++n)
        grid->addWidget(addLabel({}, name("lblBod", PointValueCount + n)),
                        firstPointRow + PointValueCount - LeftPointRows + n, 3, 1, 2);
    grid->setColumnMinimumWidth(2, 24);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(firstPointRow + LeftPointRows, 1);
    return page;
}

QWidget* frmOprav::correlationTab(int tab) {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    auto* heading = new QHBoxLayout;
    heading->addWidget(addLabel("Konstanty korelačních vztahů"));
    heading->addSpacing(24);
    heading->addWidget(addLabel({}, name("lblNaz", tab - 1)), 1);
    column->addLayout(heading);
    for (int k = editor::FirstCorrelationOfTab[tab]; k < editor::FirstCorrelationOfTab[tab + 1]; ++k) {
        const int i = k - 1;
        column->addSpacing(8);
        // The caption with the type, the accuracy class and the validity range [K] ...
        auto* head = new QHBoxLayout;
        QLabel* caption = addLabel(CorrelationCaptions[i], name("lblRozv", i));
        caption->setStyleSheet("font-weight: bold;");
        head->addWidget(caption, 1);
        struct Small {
            const char* label;
            const char* box;
        };
        for (const Small& b : {Small{"Vztah č.:", "Text3"}, Small{"Tř.přesnosti:", "txtPresn"},
                               Small{"Platnost (K) - Od:", "txtOd"}, Small{"Do:", "txtDo"}}) {
            head->addWidget(addLabel(b.label));
            QLineEdit* edit = addBox(name(b.box, i));
            edit->setFixedWidth(SmallBoxWidth);
            head->addWidget(edit);
        }
        column->addLayout(head);
        // ... and below them the six constants A1 to A6.
        auto* constants = new QHBoxLayout;
        for (int m = 0; m < editor::ConstantsPerCorrelation; ++m)
            constants->addWidget(addBox(name("txtRozv", editor::ConstantsPerCorrelation * i + m)), 1);
        column->addLayout(constants);
    }
    column->addStretch(1);
    return page;
}

QLineEdit* frmOprav::addBox(const QString& objectName) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    return edit;
}

QLabel* frmOprav::addLabel(const QString& text, const QString& objectName) {
    auto* label = new QLabel(text, this);
    if (!objectName.isEmpty()) label->setObjectName(objectName);
    return label;
}

QLineEdit* frmOprav::box(const QString& objectName) const {
    return findChild<QLineEdit*>(objectName);
}

qint16 frmOprav::position() const {
    return editor::leadingInteger(box("txtPor")->text().toStdString());
}

int frmOprav::indexOf(const QObject* control) {
    const QString n = control->objectName();
    return n.mid(n.lastIndexOf('_') + 1).toInt();
}

bool frmOprav::eventFilter(QObject* watched, QEvent* event) {
    const QString n = watched->objectName();
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (n == "Text1" && isEnter(key)) {
            Text1_KeyPress();
            return true;
        }
        if (n == "txtCAS" && isEnter(key)) {
            txtCAS_KeyPress();
            return true;
        }
        if (n.startsWith("txtRozv_")) {
            // Every typed key is reported; the box then handles it as usual.
            const int ascii = platform::keyAscii(*key);
            if (ascii != 0) emit RetOD(qint16(indexOf(watched)), qint16(ascii & 0x7FFF));
            return isEnter(key);
        }
    } else if (event->type() == QEvent::MouseButtonRelease && n.startsWith("txtRozv_")) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            emit SelOD(qint16(indexOf(watched)));
    }
    return QDialog::eventFilter(watched, event);
}

void frmOprav::keyPressEvent(QKeyEvent* event) {
    // Every edit would be discarded without a question.
    if (!ignoreCancelKey(*event)) QDialog::keyPressEvent(event);
}

void frmOprav::Text1_KeyPress() {
    box("txtSynon")->setFocus(Qt::OtherFocusReason);
}

void frmOprav::txtCAS_KeyPress() {
    QLineEdit* cas = box("txtCAS");
    cas->setText(QString::fromStdString(editor::casDisplay(cas->text().toStdString())));
    box(name("Text2", 0))->setFocus(Qt::OtherFocusReason);
}

void frmOprav::cmdZapis_Click() {
    emit ZavriOD(position());
}

void frmOprav::cmdPokr_Click() {
    emit StornoOD();
}

void frmOprav::Command1_Click() {
    emit ZapisOD(position());
}

} // namespace kwelar
