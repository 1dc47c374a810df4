#include "MORV/window/frmSplash.h"

#include "MORV/window/Version.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSysInfo>
#include <QVBoxLayout>

namespace morv {

namespace {

//! The program's picture: a shell with its tube bundle.
QPixmap logo() {
    QPixmap p(96, 96);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(0, 0, 128), 3));
    g.setBrush(QColor(200, 220, 255));
    g.drawEllipse(6, 6, 84, 84);
    g.setBrush(QColor(0, 0, 128));
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            if ((r - 2) * (r - 2) + (c - 2) * (c - 2) <= 5) g.drawEllipse(20 + c * 13, 20 + r * 13, 8, 8);
    return p;
}

} // namespace

QString frmSplash::platformName() {
    const QString kernel = QSysInfo::kernelType();
    return QStringLiteral("  ") + kernel.left(1).toUpper() + kernel.mid(1);
}

frmSplash::frmSplash(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    Frame1 = new QFrame;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    imgLogo = new QLabel;
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(logo());
    auto* product = new QLabel(QStringLiteral("Dazadevo vovuridedar"));
    product->setObjectName(QStringLiteral("lblProductName"));
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    product->setFont(big);
    lblVersion = new QLabel(
        QStringLiteral("Verze %1.%2.%3").arg(version::major).arg(version::minor).arg(version::revision));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblWarning = new QLabel(QStringLiteral(
        "Výpočet trubkových výměníků  tepla  s využitím databáze fyzikálních vlastností látek a možností "
        "zadávat "
        "údaje s rozměry v různých soustavách jednotek.  Nabídka  standardních  typů výměníků."));
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    lblWarning->setWordWrap(true);
    lblPlatform = new QLabel(platformName());
    lblPlatform->setObjectName(QStringLiteral("lblPlatform"));
    auto* licence = new QLabel(QStringLiteral("Licence: pro technické výpočty procesních zařízení"));
    licence->setObjectName(QStringLiteral("lblLicenseTo"));
    auto* author = new QLabel(QStringLiteral("Autoři: tým vývojářů programu MORV"));
    author->setObjectName(QStringLiteral("lblCompany"));

    auto* v = new QVBoxLayout(Frame1);
    auto* head = new QHBoxLayout;
    head->addWidget(imgLogo);
    auto* titles = new QVBoxLayout;
    titles->addWidget(product);
    titles->addWidget(lblVersion);
    titles->addWidget(lblPlatform);
    head->addLayout(titles, 1);
    v->addLayout(head);
    v->addWidget(lblWarning);
    v->addWidget(licence);
    v->addWidget(author);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(Frame1);
    setFixedWidth(520);

    Frame1->installEventFilter(this);
    lblWarning->installEventFilter(this);
}

void frmSplash::keyPressEvent(QKeyEvent*) {
    accept();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == Frame1 || watched == lblWarning) && event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace morv
