#include "KWELARdll/windows/F_Seznam.h"

#include "KWELARdll/windows/WindowSupport.h"
#include "Platform/Conversions.h"
#include "Platform/MessageBox.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kwelar {

namespace {

constexpr int BoxLength = 4;

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

F_Seznam::F_Seznam(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("F_Seznam"));

    auto* frame = new QGroupBox(QStringLiteral(" Způsob zadání látek "), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_Option2 = new QRadioButton(QStringLiteral("&Výběrem ze seznamu látek"), frame);
    m_Option2->setObjectName(QStringLiteral("Option2"));
    m_Option2->setChecked(true);
    m_Option1 = new QRadioButton(QStringLiteral("&Přímo zadáním čísel látek"), frame);
    m_Option1->setObjectName(QStringLiteral("Option1"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_Option2);
    frameLayout->addWidget(m_Option1);
    connect(m_Option1, &QRadioButton::clicked, this, [this] { placeFocus(); });
    connect(m_Option2, &QRadioButton::clicked, this, [this] { placeFocus(); });

    auto* label1 = new QLabel(QStringLiteral("Složky směsi:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* boxes = new QGridLayout;
    for (int i = 0; i < BoxCount; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("T_Smes_%1").arg(i));
        box->setMaxLength(BoxLength);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 14);
        box->installEventFilter(this);
        box->setVisible(i == 0);
        box->setEnabled(i == 0);
        // Hidden boxes keep their place in the two columns.
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        boxes->addWidget(box, i % 10, i / 10);
        m_T_Smes[static_cast<size_t>(i)] = box;
    }

    m_C_OK = new QPushButton(QStringLiteral("&Směs definována"), this);
    m_C_OK->setObjectName(QStringLiteral("C_OK"));
    m_Zpet = new QPushButton(QStringLiteral("Smazat, &znovu"), this);
    m_Zpet->setObjectName(QStringLiteral("Zpet"));
    for (QPushButton* button : {m_C_OK, m_Zpet}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(m_C_OK, &QPushButton::clicked, this, [this] { C_OK_Click(); });
    connect(m_Zpet, &QPushButton::clicked, this, [this] { Zpet_Click(); });

    m_Nadpis_1 = new QLabel(this);
    m_Nadpis_1->setObjectName(QStringLiteral("Nadpis_1"));
    QFont bold = m_Nadpis_1->font();
    bold.setBold(true);
    m_Nadpis_1->setFont(bold);
    m_Nadpis_2 = new QLabel(this);
    m_Nadpis_2->setObjectName(QStringLiteral("Nadpis_2"));
    auto* nav2 = new QLabel(QStringLiteral("Výběr složek dvojklik nebo Enter"), this);
    nav2->setObjectName(QStringLiteral("Nav2"));
    m_lblDatafile = new QLabel(this);
    m_lblDatafile->setObjectName(QStringLiteral("lblDatafile"));

    m_L_Seznam = new QListWidget(this);
    m_L_Seznam->setObjectName(QStringLiteral("L_Seznam"));
    m_L_Seznam->setFont(listFont());
    m_L_Seznam->installEventFilter(this);
    const QFontMetrics metrics(listFont());
    m_L_Seznam->setMinimumSize(metrics.horizontalAdvance(QString(74, QLatin1Char('M'))) + 30,
                               metrics.height() * 22);
    connect(m_L_Seznam, &QListWidget::itemDoubleClicked, this, [this] { takeSelectedLine(false); });

    auto* left = new QVBoxLayout;
    left->addWidget(frame);
    left->addSpacing(8);
    left->addWidget(label1);
    left->addLayout(boxes);
    left->addStretch(1);
    left->addWidget(m_C_OK);
    left->addWidget(m_Zpet);

    auto* right = new QVBoxLayout;
    auto* headings = new QHBoxLayout;
    headings->addWidget(m_Nadpis_1);
    headings->addStretch(1);
    headings->addWidget(m_Nadpis_2);
    right->addLayout(headings);
    right->addWidget(m_L_Seznam, 1);
    right->addWidget(nav2);
    right->addWidget(m_lblDatafile);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
}

void F_Seznam::fill(const std::vector<std::string>& lines, const std::string& caption,
                    const std::string& nadpis1, const std::string& nadpis2, const std::string& datafile) {
    m_L_Seznam->clear();
    for (const std::string& line : lines)
        m_L_Seznam->addItem(qText(line));
    setWindowTitle(qText(caption));
    m_Nadpis_1->setText(qText(nadpis1));
    m_Nadpis_2->setText(qText(nadpis2));
    m_lblDatafile->setText(qText(datafile));
    if (m_L_Seznam->count() > 0) m_L_Seznam->setCurrentRow(0);
}

void F_Seznam::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void F_Seznam::Form_Activate() {
    m_PocetZadanych = m_PocetOdeslanych;
    m_T_Smes[0]->setVisible(true);
    m_T_Smes[0]->setEnabled(true);
    m_T_Smes[0]->setFocus();
    placeFocus();
}

void F_Seznam::placeFocus() {
    if (m_Option1->isChecked()) {
        // With all 20 boxes filled there is no current box: the confirmation is next.
        if (m_PocetZadanych >= BoxCount)
            m_C_OK->setFocus();
        else
            m_T_Smes[static_cast<size_t>(m_PocetZadanych > 0 ? m_PocetZadanych : 0)]->setFocus();
    } else {
        m_L_Seznam->setFocus();
    }
}

int F_Seznam::boxIndex(QObject* watched) const {
    for (int i = 0; i < BoxCount; ++i)
        if (m_T_Smes[static_cast<size_t>(i)] == watched) return i;
    return -1;
}

bool F_Seznam::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_L_Seznam) {
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event))) {
            takeSelectedLine(true);
            return true;
        }
        return QDialog::eventFilter(watched, event);
    }
    const int index = boxIndex(watched);
    if (index < 0) return QDialog::eventFilter(watched, event);

    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isEnter(key)) {
            boxEnter(index);
            return true;
        }
        // Only digits belong in a box: any other printable character beeps, and the box
        // that received it is emptied when the key is released.
        const QString text = key->text();
        if (!text.isEmpty()) {
            const char16_t code = text.at(0).unicode();
            if (code >= 32 && (code <= 47 || code >= 58)) {
                QApplication::beep();
                m_ChybnaKlavesa = true;
            } else {
                m_ChybnaKlavesa = false;
            }
        }
    } else if (event->type() == QEvent::KeyRelease) {
        if (m_ChybnaKlavesa) m_T_Smes[static_cast<size_t>(index)]->clear();
    }
    return QDialog::eventFilter(watched, event);
}

void F_Seznam::boxEnter(int index) {
    if (m_PocetZadanych < BoxCount) {
        QLineEdit* current = m_T_Smes[static_cast<size_t>(m_PocetZadanych)];
        const QString text = current->text();
        if (!text.isEmpty() && text != QStringLiteral("0")) {
            ++m_PocetZadanych;
            if (m_PocetZadanych >= BoxCount) {
                m_ChybnaKlavesa = false;
                m_C_OK->setFocus();
            } else {
                QLineEdit* next = m_T_Smes[static_cast<size_t>(m_PocetZadanych)];
                next->setVisible(true);
                next->setEnabled(true);
                next->setFocus();
            }
            return;
        }
    }
    // Enter in a box filled before moves on to the box after it.
    if (index < m_PocetZadanych && index + 1 < BoxCount) m_T_Smes[static_cast<size_t>(index + 1)]->setFocus();
}

void F_Seznam::takeSelectedLine(bool moveDown) {
    if (m_PocetZadanych >= BoxCount) {
        platform::msgBox("Maximální počet složek směsi je 20", 48, "KWELAR");
        return;
    }
    const QListWidgetItem* item = m_L_Seznam->currentItem();
    if (!item) return;
    // The line begins with the substance number: only its leading digits count, since a
    // name may begin with digits too. The box shows it in the number-text form (" 12"),
    // without the blank when a four-digit number would not fit the box.
    const QString line = item->text();
    int digits = 0;
    while (digits < line.size() && line.at(digits).isDigit())
        ++digits;
    std::string number = platform::numberText(platform::val(modelText(line.left(digits))));
    if (number.size() > static_cast<size_t>(BoxLength) && number.front() == ' ') number.erase(0, 1);
    m_T_Smes[static_cast<size_t>(m_PocetZadanych)]->setText(qText(number));
    ++m_PocetZadanych;
    if (m_PocetZadanych < BoxCount) {
        QLineEdit* next = m_T_Smes[static_cast<size_t>(m_PocetZadanych)];
        next->setEnabled(true);
        next->setVisible(true);
    }
    if (moveDown && m_L_Seznam->currentRow() + 1 < m_L_Seznam->count())
        m_L_Seznam->setCurrentRow(m_L_Seznam->currentRow() + 1);
}

void F_Seznam::Zpet_Click() {
    m_PocetZadanych = 0;
    m_T_Smes[0]->clear();
    for (int i = 1; i < BoxCount; ++i) {
        m_T_Smes[static_cast<size_t>(i)]->setVisible(false);
        m_T_Smes[static_cast<size_t>(i)]->clear();
    }
    placeFocus();
}

void F_Seznam::C_OK_Click() {
    if (m_PocetZadanych == 0) {
        platform::msgBox("Nezadána žádná látka nebo po zadání čísla látky nebyl stisknut Enter!", 48,
                         "KWELAR");
        m_T_Smes[0]->setFocus();
        return;
    }
    m_PocetOdeslanych = m_PocetZadanych;
    platform::Array<int16_t> N(0, BoxCount);
    for (int i = 1; i <= m_PocetZadanych; ++i)
        N(i) = platform::toInteger(platform::val(modelText(m_T_Smes[static_cast<size_t>(i - 1)]->text())));
    N(0) = m_PocetZadanych;
    emit SZavrit(N);
}

void F_Seznam::keyPressEvent(QKeyEvent* event) {
    // The chosen numbers would be lost.
    if (!ignoreCancelKey(*event)) QDialog::keyPressEvent(event);
}

void F_Seznam::reject() {
    // Closed without confirmation: the boxes are cleared and nothing is chosen, so the next
    // display starts from the first box.
    Zpet_Click();
    m_PocetOdeslanych = 0;
    QDialog::reject();
}

} // namespace kwelar
