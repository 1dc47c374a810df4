#include "KWELARdll/windows/F_Zmenaz.h"

#include "KWELARdll/windows/WindowSupport.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kwelar {

F_Zmenaz::F_Zmenaz(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("F_Zmenaz"));
    setWindowTitle(QStringLiteral("Dočasná změna názvu složky"));

    auto* l1 = new QLabel(QStringLiteral("Stávající název složky:"), this);
    l1->setObjectName(QStringLiteral("L1"));
    m_L_Puv = new QLabel(this);
    m_L_Puv->setObjectName(QStringLiteral("L_Puv"));
    m_L_Puv->setFont(listFont());
    m_L_Puv->setFrameShape(QFrame::Box);
    m_L_Puv->setAutoFillBackground(true);
    QPalette white = m_L_Puv->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_L_Puv->setPalette(white);
    m_L_Puv->setMinimumWidth(QFontMetrics(listFont()).horizontalAdvance(QString(32, QLatin1Char('M'))));
    auto* l2 = new QLabel(QStringLiteral("Dočasně zaváděný název:"), this);
    l2->setObjectName(QStringLiteral("L2"));
    m_T_Nov = new QLineEdit(this);
    m_T_Nov->setObjectName(QStringLiteral("T_Nov"));
    m_T_Nov->setFont(listFont());
    m_T_Nov->installEventFilter(this);
    auto* hint = new QLabel(
        QStringLiteral("Změna platí jen po dobu řešení dané úlohy ! Pokud chcete měnit  data látky  "
                       "i  beze změny názvu,  stiskněte Enter"),
        this);
    hint->setObjectName(QStringLiteral("Label1"));
    hint->setWordWrap(true);
    QFont bold = hint->font();
    bold.setBold(true);
    hint->setFont(bold);
    QPalette blue = hint->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    hint->setPalette(blue);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(l1);
    layout->addWidget(m_L_Puv);
    layout->addSpacing(6);
    layout->addWidget(l2);
    layout->addWidget(m_T_Nov);
    layout->addSpacing(6);
    layout->addWidget(hint);
}

void F_Zmenaz::prepare(const std::string& current, int16_t index) {
    m_L_Puv->setText(qText(current));
    m_T_Nov->clear();
    m_IndexZ = index;
}

bool F_Zmenaz::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_T_Nov && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            emit ZavriZ(m_IndexZ, modelText(m_T_Nov->text()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kwelar
