#include "ToviC/windows/F_Prehled.h"

#include "Platform/qt/Keys.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tovi {

F_Prehled::F_Prehled(QWidget* parent) : QDialog(parent) {
    setObjectName("F_Prehled");
    setWindowTitle(QString::fromUtf8("Zkratky jednotek"));

    m_label = new QLabel(QString::fromUtf8("Přehled dostupných zkratek jednotek"), this);
    m_label->setObjectName("Label1");
    m_T_Zkratky = new QListWidget(this);
    m_T_Zkratky->setObjectName("T_Zkratky");
    m_Command1 = new QPushButton(QString::fromUtf8("&Zavřít"), this);
    m_Command1->setObjectName("Command1");
    m_Command1->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_T_Zkratky, 1);
    layout->addWidget(m_Command1, 0, Qt::AlignHCenter);
    resize(300, 380);

    m_T_Zkratky->installEventFilter(this);
    m_Command1->installEventFilter(this);
    connect(m_Command1, &QPushButton::clicked, this, &F_Prehled::Command1_Click);
}

void F_Prehled::fill(const QStringList& abbreviations) {
    m_T_Zkratky->clear();
    m_T_Zkratky->addItems(abbreviations);
    if (m_T_Zkratky->count() > 0) m_T_Zkratky->setCurrentRow(0);
}

bool F_Prehled::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = platform::keyAscii(*static_cast<QKeyEvent*>(event));
        if (key == platform::key::Escape) {
            if (watched == m_T_Zkratky)
                T_Zkratky_KeyPress(key);
            else if (watched == m_Command1)
                Command1_KeyPress(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void F_Prehled::reject() {
    emit Zavrit();
}

void F_Prehled::Command1_Click() {
    emit Zavrit();
}

void F_Prehled::Command1_KeyPress(int KeyAscii) {
    if (KeyAscii == platform::key::Escape) emit Zavrit();
}

void F_Prehled::T_Zkratky_KeyPress(int KeyAscii) {
    if (KeyAscii == platform::key::Escape) emit Zavrit();
}

} // namespace tovi
