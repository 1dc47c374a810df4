#include "KWELARdll/windows/F_Sezn.h"

#include "KWELARdll/windows/WindowSupport.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace kwelar {

F_Sezn::F_Sezn(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("F_Sezn"));
    setWindowTitle(QStringLiteral(" Seznam látek v databázi"));

    m_Nadpis_1 = new QLabel(this);
    m_Nadpis_1->setObjectName(QStringLiteral("Nadpis_1"));
    QFont bold = m_Nadpis_1->font();
    bold.setBold(true);
    m_Nadpis_1->setFont(bold);
    m_Nadpis_2 = new QLabel(QStringLiteral("... připravuji seznam látek, čekejte prosím ..."), this);
    m_Nadpis_2->setObjectName(QStringLiteral("Nadpis_2"));

    // The column heading, spaced for the proportional font of the window.
    m_Titulek =
        new QLabel(QStringLiteral("  Č.      Název látky") + QString(24, QLatin1Char(' ')) +
                       QStringLiteral("Synonymum") + QString(26, QLatin1Char(' ')) +
                       QStringLiteral("Vzorec") + QString(15, QLatin1Char(' ')) + QStringLiteral("CAS No."),
                   this);
    m_Titulek->setObjectName(QStringLiteral("Titulek"));

    m_L_Sezn = new QListWidget(this);
    m_L_Sezn->setObjectName(QStringLiteral("L_Sezn"));
    m_L_Sezn->setFont(listFont());
    m_L_Sezn->installEventFilter(this);
    const QFontMetrics metrics(listFont());
    m_L_Sezn->setMinimumSize(metrics.horizontalAdvance(QString(74, QLatin1Char('M'))) + 30,
                             metrics.height() * 24);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Nadpis_1);
    layout->addWidget(m_Nadpis_2);
    layout->addSpacing(6);
    layout->addWidget(m_Titulek);
    layout->addWidget(m_L_Sezn, 1);
}

void F_Sezn::fill(const std::vector<std::string>& lines, const std::string& nadpis1,
                  const std::string& nadpis2) {
    m_L_Sezn->clear();
    for (const std::string& line : lines)
        m_L_Sezn->addItem(qText(line));
    m_Nadpis_1->setText(qText(nadpis1));
    m_Nadpis_2->setText(qText(nadpis2));
    if (m_L_Sezn->count() > 0) m_L_Sezn->setCurrentRow(0);
}

void F_Sezn::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    emit Zavrit();
}

bool F_Sezn::eventFilter(QObject* watched, QEvent* event) {
    // A typed character closes the list; moving keys (arrows, pages) browse it.
    if (watched == m_L_Sezn && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty()) {
            emit Zavrit();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kwelar
