#include "KWELARdll/windows/F_Sloz.h"

#include "KWELARdll/windows/WindowSupport.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kwelar {

F_Sloz::F_Sloz(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("F_Sloz"));
    setWindowTitle(QStringLiteral(" Zadání složení směsi"));

    auto* grid = new QGridLayout;
    const char* headings[][2] = {{"Nadpisc", "Č."}, {"Nadpis", "Složka"}, {"Nadpiss", "Složení"}};
    for (int c = 0; c < 3; ++c) {
        auto* heading = new QLabel(QString::fromUtf8(headings[c][1]), this);
        heading->setObjectName(QString::fromLatin1(headings[c][0]));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, 0, c);
    }
    const QFontMetrics metrics(listFont());
    for (int i = 0; i < RowCount; ++i) {
        auto* number = new QLabel(this);
        number->setObjectName(QStringLiteral("L_N_%1").arg(i));
        number->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral(" 0000")));
        auto* name = new QLabel(this);
        name->setObjectName(QStringLiteral("L_J_%1").arg(i));
        name->setFont(listFont());
        name->setMinimumWidth(metrics.horizontalAdvance(QString(31, QLatin1Char('M'))));
        name->setFrameShape(QFrame::Panel);
        name->setFrameShadow(QFrame::Sunken);
        name->installEventFilter(this);
        auto* value = new QLineEdit(this);
        value->setObjectName(QStringLiteral("T_S_%1").arg(i));
        value->setEnabled(false);
        value->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0.000000000")));
        value->installEventFilter(this);
        grid->addWidget(number, i + 1, 0);
        grid->addWidget(name, i + 1, 1);
        grid->addWidget(value, i + 1, 2);
        m_L_N[static_cast<size_t>(i)] = number;
        m_L_J[static_cast<size_t>(i)] = name;
        m_T_S[static_cast<size_t>(i)] = value;
    }
    grid->setVerticalSpacing(2);

    auto* frame = new QGroupBox(QStringLiteral(" Složení "), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_O_Hmot = new QRadioButton(QStringLiteral("Hmotově"), frame);
    m_O_Hmot->setObjectName(QStringLiteral("O_Hmot"));
    m_O_Hmot->setChecked(true);
    m_O_Mol = new QRadioButton(QStringLiteral("Molově"), frame);
    m_O_Mol->setObjectName(QStringLiteral("O_Mol"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_O_Hmot);
    frameLayout->addWidget(m_O_Mol);
    for (QRadioButton* option : {m_O_Hmot, m_O_Mol})
        connect(option, &QRadioButton::clicked, this, [this] { m_T_S[0]->setFocus(); });

    m_C_OK = new QPushButton(QStringLiteral("&Pokračovat"), this);
    m_C_OK->setObjectName(QStringLiteral("C_OK"));
    m_C_Zpet = new QPushButton(QStringLiteral("&Zpět"), this);
    m_C_Zpet->setObjectName(QStringLiteral("C_Zpet"));
    for (QPushButton* button : {m_C_OK, m_C_Zpet}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(m_C_OK, &QPushButton::clicked, this, [this] { emit ZavriSloz(); });
    connect(m_C_Zpet, &QPushButton::clicked, this, [this] { emit ZpetSloz(); });

    auto hint = [this](const char* name, const char* text) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setObjectName(QString::fromLatin1(name));
        label->setWordWrap(true);
        return label;
    };
    auto* side = new QVBoxLayout;
    side->addWidget(frame);
    side->addWidget(hint("Navod",
                         "Složení můžete vkládat jako mol. nebo hmotový zlomek nebo jako poměrové díly. "
                         "Bude normalizováno. "));
    side->addWidget(hint("Navod1", "Kliknutím levého tlačítka  myši   na poli  názvu složky zobrazíte bodové "
                                   "vlastnosti této složky."));
    side->addWidget(hint("Navod2",
                         "Kliknutím pravého tlačítka myši na poli názvu složky vyvoláte dialog dočasné  "
                         "změny  jejího  názvu  a následně i dočasné změny datových hodnot."));
    side->addStretch(1);
    side->addWidget(m_C_OK);
    side->addWidget(m_C_Zpet);
    auto* sideWidget = new QWidget(this);
    sideWidget->setLayout(side);
    sideWidget->setFixedWidth(230);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(sideWidget);
}

void F_Sloz::fill(const std::vector<Row>& rows, const std::string& caption) {
    for (int i = 0; i < RowCount; ++i) {
        m_L_N[static_cast<size_t>(i)]->clear();
        m_L_J[static_cast<size_t>(i)]->clear();
        m_T_S[static_cast<size_t>(i)]->clear();
    }
    for (size_t i = 0; i < rows.size() && i < static_cast<size_t>(RowCount); ++i) {
        m_L_N[i]->setText(qText(rows[i].number));
        m_L_J[i]->setText(qText(rows[i].name));
        m_T_S[i]->setText(qText(rows[i].value));
        m_T_S[i]->setEnabled(true);
    }
    m_Nslozek = static_cast<int16_t>(rows.size());
    setWindowTitle(qText(caption));
}

std::vector<std::string> F_Sloz::texts() const {
    std::vector<std::string> values;
    for (int i = 0; i < m_Nslozek && i < RowCount; ++i)
        values.push_back(modelText(m_T_S[static_cast<size_t>(i)]->text()));
    return values;
}

bool F_Sloz::molar() const {
    return m_O_Mol->isChecked();
}

void F_Sloz::setName(int i, const std::string& text) {
    m_L_J[static_cast<size_t>(i - 1)]->setText(qText(text));
}

void F_Sloz::selectBox(int i) {
    if (i < 1 || i > RowCount) return;
    QLineEdit* box = m_T_S[static_cast<size_t>(i - 1)];
    box->setFocus();
    box->selectAll();
}

void F_Sloz::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_T_S[0]->setFocus();
}

bool F_Sloz::eventFilter(QObject* watched, QEvent* event) {
    for (int j = 0; j < RowCount; ++j) {
        if (watched == m_L_J[static_cast<size_t>(j)] && event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                emit ZobrazL(static_cast<int16_t>(j + 1));
            else
                emit ZobrazZ(static_cast<int16_t>(j + 1));
            return true;
        }
        if (watched == m_T_S[static_cast<size_t>(j)] && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                if (j + 1 < m_Nslozek)
                    m_T_S[static_cast<size_t>(j + 1)]->setFocus();
                else if (j + 1 == m_Nslozek)
                    m_C_OK->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void F_Sloz::keyPressEvent(QKeyEvent* event) {
    // The typed composition would be lost.
    if (!ignoreCancelKey(*event)) QDialog::keyPressEvent(event);
}

void F_Sloz::reject() {
    // The close button leaves the entry as "&Zpět" does.
    emit ZpetSloz();
    if (isVisible()) QDialog::reject();
}

} // namespace kwelar
