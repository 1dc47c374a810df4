#include "Platform/qt/QtMessageService.h"
#include "Platform/qt/ModalHost.h"

#include "TestSupport.h"

#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

using namespace platform;

namespace {

class QtBoxes : public ::testing::Test {
protected:
    void TearDown() override { ModalHost::setHook({}); }
    QtMessageService service;
};

TEST_F(QtBoxes, StyleChoosesButtonsIconAndDefault) {
    QString text, title;
    QMessageBox::Icon icon{};
    QMessageBox::StandardButtons buttons;
    QString defaultText;
    ModalHost::setHook([&](QDialog& d) {
        auto& box = static_cast<QMessageBox&>(d);
        text = box.text();
        title = box.windowTitle();
        icon = box.icon();
        buttons = box.standardButtons();
        if (QAbstractButton* def = box.defaultButton()) defaultText = def->text().remove('&');
        return int(QMessageBox::No);
    });
    EXPECT_EQ(service.msgBox("Řádek 1\r\nŘádek 2", 308, "MORV"), answer::No);
    EXPECT_EQ(text, QString::fromUtf8("Řádek 1\nŘádek 2"));
    EXPECT_EQ(title, "MORV");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(defaultText, "No");
}

TEST_F(QtBoxes, InputBoxCancelGivesEmptyText) {
    ModalHost::setHook([](QDialog& d) {
        static_cast<QInputDialog&>(d).setTextValue("350");
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(service.inputBox("Teplota?", "FLASH", "300"), "350");
    ModalHost::setHook([](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_EQ(service.inputBox("Teplota?", "FLASH", "300"), "");
}

} // namespace
