#include "Platform/qt/QtMessageService.h"
#include "Platform/qt/ModalHost.h"
#include "Platform/qt/UserLocale.h"

#include "TestSupport.h"

#include <QCoreApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

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
    // The toolkit's own button text, in the language of the user's locale.
    EXPECT_EQ(defaultText, QCoreApplication::translate("QPlatformTheme", "&No").remove('&'));
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

//! The texts of the buttons of a Yes/No box as the service shows it.
QStringList yesNoButtons(QtMessageService& service) {
    QStringList texts;
    ModalHost::setHook([&](QDialog& d) {
        for (QAbstractButton* b : static_cast<QMessageBox&>(d).buttons())
            texts << b->text().remove('&');
        return int(QMessageBox::No);
    });
    service.msgBox("Přepsat?", 36, "MORV");
    texts.sort();
    return texts;
}

// The standard boxes speak the user's language: Czech where the toolkit's Czech translation
// is installed, English without one; the translation of the user's own locale comes back.
TEST_F(QtBoxes, ButtonsSpeakTheLanguageOfTheTranslationInstalled) {
    ASSERT_TRUE(installToolkitTranslation(QLocale(QLocale::Czech, QLocale::Czechia)))
        << "the toolkit's Czech translation (Debian qt6-translations-l10n) is not installed";
    EXPECT_EQ(yesNoButtons(service), (QStringList{"Ano", "Ne"}));
    installToolkitTranslation(QLocale::c());
    EXPECT_EQ(yesNoButtons(service), (QStringList{"No", "Yes"}));
    installToolkitTranslation(QLocale::system());
}

// On a Czech desktop the program's start-up installed the Czech texts, and the numbers of the
// C library stay in the "C" form.
TEST(UserLocale, CzechDesktopGetsCzechButtonsAndPointNumbers) {
    if (QLocale::system().language() != QLocale::Czech) GTEST_SKIP() << "not a Czech desktop";
    QtMessageService service;
    EXPECT_EQ(yesNoButtons(service), (QStringList{"Ano", "Ne"}));
    ModalHost::setHook({});
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 2.5);
    EXPECT_STREQ(text, "2.5");
    EXPECT_EQ(std::strtod("2.5", nullptr), 2.5);
}

} // namespace
