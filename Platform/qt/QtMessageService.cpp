#include "Platform/qt/QtMessageService.h"

#include "Platform/ProgramEnd.h"
#include "Platform/qt/Activation.h"
#include "Platform/qt/ModalHost.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

QString toQt(const std::string& s) {
    QString q = QString::fromStdString(s);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return q;
}

} // namespace

int QtMessageService::msgBox(const std::string& text, int style, const std::string& title) {
    QMessageBox box;
    box.setWindowTitle(title.empty() ? QApplication::applicationName() : QString::fromStdString(title));
    box.setText(toQt(text));
    switch (style & 0x70) {
    case 16:
        box.setIcon(QMessageBox::Critical);
        break;
    case 32:
        box.setIcon(QMessageBox::Question);
        break;
    case 48:
        box.setIcon(QMessageBox::Warning);
        break;
    case 64:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    struct Choice {
        QMessageBox::StandardButton button;
        int answer;
    };
    std::vector<Choice> choices;
    switch (style & 7) {
    case 1:
        choices = {{QMessageBox::Ok, answer::Ok}, {QMessageBox::Cancel, answer::Cancel}};
        break;
    case 2:
        choices = {{QMessageBox::Abort, answer::Abort},
                   {QMessageBox::Retry, answer::Retry},
                   {QMessageBox::Ignore, answer::Ignore}};
        break;
    case 3:
        choices = {{QMessageBox::Yes, answer::Yes},
                   {QMessageBox::No, answer::No},
                   {QMessageBox::Cancel, answer::Cancel}};
        break;
    case 4:
        choices = {{QMessageBox::Yes, answer::Yes}, {QMessageBox::No, answer::No}};
        break;
    case 5:
        choices = {{QMessageBox::Retry, answer::Retry}, {QMessageBox::Cancel, answer::Cancel}};
        break;
    default:
        choices = {{QMessageBox::Ok, answer::Ok}};
        break;
    }
    QMessageBox::StandardButtons buttons;
    for (const Choice& c : choices)
        buttons |= c.button;
    box.setStandardButtons(buttons);
    const size_t def = static_cast<size_t>((style >> 8) & 3);
    if (def < choices.size()) box.setDefaultButton(choices[def].button);
    SystemDialogScope system;
    const auto pressed = static_cast<QMessageBox::StandardButton>(ModalHost::exec(box));
    for (const Choice& c : choices)
        if (c.button == pressed) return c.answer;
    return cautiousAnswer(style);
}

std::string QtMessageService::inputBox(const std::string& prompt, const std::string& title,
                                       const std::string& def) {
    QInputDialog dlg;
    dlg.setWindowTitle(title.empty() ? QApplication::applicationName() : QString::fromStdString(title));
    dlg.setLabelText(toQt(prompt));
    dlg.setTextValue(QString::fromStdString(def));
    SystemDialogScope system;
    if (ModalHost::exec(dlg) != QDialog::Accepted) return {};
    return dlg.textValue().toStdString();
}

void installQtPlatform() {
    static QtMessageService service;
    setMessageService(&service);
    setProgramEndHook([](int code) { QApplication::exit(code); });
}

} // namespace platform
