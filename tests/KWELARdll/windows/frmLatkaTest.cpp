// The substance card opened from the composition window, the pseudo-critical box, and the
// temporary rename of a component.

#include "FixtureDb.h"
#include "KWELARdll/model/Smes.h"
#include "Platform/Regional.h"
#include "WindowScript.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using kwelar::Smes;
using kwelartest::child;
using kwelartest::FixtureDb;
using kwelartest::ModalScript;
using platform::Variant;
using platform::VArray;
using testsupport::ScriptedBoxes;
using testsupport::TempDir;

FixtureDb cardDatabase() {
    FixtureDb db;
    // Pressure stored, critical volume and acentric factor 0; B(6), B(9) and B(11) 0.
    db.add(1)
        .name("ETHANOL")
        .formula("C2H5OH")
        .cas(64175)
        .point(1, 0.04607f)
        .point(2, 513.9f)
        .point(3, 6.14e6f)
        .point(7, 1.3611f)
        .point(8, 293.15f)
        .point(15, 351.44f);
    // Critical volume stored but pressure 0; CAS of one digit.
    db.add(2).name("VODA").point(1, 0.018f).point(4, 5.6e-5f).cas(7);
    // Complete critical data for the pseudo-critical box.
    db.add(3).name("DUSÍK").point(1, 0.028f).point(2, 126.2f).point(3, 3.39e6f).point(4, 8.95e-5f);
    return db;
}

// Clicks the name label of row `row` (0-based) with the button.
void pressName(QDialog& d, int row, Qt::MouseButton button) {
    QWidget* label = d.findChild<QWidget*>(QStringLiteral("L_J_%1").arg(row));
    ASSERT_NE(label, nullptr);
    QTest::mouseClick(label, button, {}, QPoint(5, 5));
}

QString text(QDialog& d, const char* name) {
    return child<QLabel>(d, name)->text();
}

class CardAndRename : public ::testing::Test {
protected:
    void SetUp() override {
        kwelartest::pointAt(s, cardDatabase().write(dir.path()));
        s.DefSlozky({Variant(int16_t{1}), Variant(int16_t{2})});
        Xmol.redim(0, 21);
        Xhmot.redim(0, 21);
    }

    TempDir dir;
    kwelartest::QtWindowsScope windows;
    ScriptedBoxes boxes;
    //! The windows show numbers with the decimal separator pinned, whatever the desktop.
    platform::DecimalSeparatorScope separator{'.'};
    Smes s{};
    VArray Xmol;
    VArray Xhmot;
    int16_t K = 0;
};

TEST_F(CardAndRename, LeftPressOnANameShowsItsCardAndABackgroundClickClosesIt) {
    ModalScript script;
    script.then([](QDialog& sloz) {
        pressName(sloz, 0, Qt::LeftButton);
        pressName(sloz, 1, Qt::LeftButton);
        child<QPushButton>(sloz, "C_Zpet")->click();
    });
    script.then([](QDialog& card) {
        EXPECT_EQ(card.windowTitle(), QStringLiteral("Bodové vlastnosti složky"));
        EXPECT_EQ(text(card, "Latka"), QStringLiteral("ETHANOL") + QString(23, QLatin1Char(' ')));
        EXPECT_EQ(text(card, "Lcislo"), QStringLiteral("1"));
        EXPECT_EQ(text(card, "LMV"), QStringLiteral("0.04607"));
        EXPECT_EQ(text(card, "LTk"), QStringLiteral("513.9"));
        EXPECT_EQ(text(card, "LTkC"), QStringLiteral("240.8"));
        EXPECT_EQ(text(card, "LPk"), QStringLiteral("6.1"));
        EXPECT_EQ(text(card, "LVk"), QStringLiteral(" "));
        EXPECT_EQ(text(card, "Laf"), QStringLiteral(" "));
        EXPECT_EQ(text(card, "Lgyr"), QStringLiteral("0.000"));
        EXPECT_EQ(text(card, "LD"), QStringLiteral("0.000"));
        EXPECT_EQ(text(card, "Leps"), QStringLiteral("0.00"));
        EXPECT_EQ(text(card, "Ln"), QStringLiteral("1.361"));
        EXPECT_EQ(text(card, "Lnt"), QStringLiteral("20.0"));
        EXPECT_EQ(text(card, "Ltnbv"), QStringLiteral("78.3"));
        EXPECT_EQ(text(card, "LTt"), QStringLiteral(" "));
        EXPECT_EQ(text(card, "LCAS"), QStringLiteral("[ 64-17-5]"));
        kwelartest::screenshot(card, "frmLatka");
        // A click on a label leaves the card open; one on the background closes it.
        QTest::mouseClick(child<QLabel>(card, "Latka"), Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_TRUE(card.isVisible());
        QTest::mouseClick(&card, Qt::LeftButton, {}, QPoint(card.width() - 3, card.height() - 3));
    });
    script.then([](QDialog& card) {
        EXPECT_EQ(text(card, "LPk"), QStringLiteral(" ")) << "no pressure, whatever the volume";
        EXPECT_EQ(text(card, "LVk"), QStringLiteral("56.0"));
        EXPECT_EQ(text(card, "LCAS"), QStringLiteral(" ")) << "a CAS number of one digit";
        QTest::mouseClick(&card, Qt::LeftButton, {}, QPoint(card.width() - 3, card.height() - 3));
    });
    EXPECT_EQ(s.ZadejSloz(K, Xmol, Xhmot).toInteger(), -1);
    EXPECT_EQ(script.shown(), (std::vector<std::string>{"F_Sloz", "frmLatka", "frmLatka"}));
}

TEST_F(CardAndRename, PseudoCriticalBoxOfAnUnnamedMixture) {
    boxes.answer(platform::answer::Ok);
    s.DefSlozky({Variant(int16_t{3})});
    Xmol(1) = 1.0;
    s.PseudShow(Xmol);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const auto& box = boxes.boxes()[0];
    EXPECT_EQ(box.title, "KWELAR");
    EXPECT_EQ(box.style, 64);
    // Kay's rule with one component: its own critical temperature and pressure.
    EXPECT_EQ(
        box.text.substr(0, box.text.find("VKRIT")),
        "Pseudokritické veličiny směsi \r\nnepojmenovaná\r\nTKRITsm(K) = 126.2\r\nPKRITsm(MPa) = 3.390\r\n");
    EXPECT_NE(box.text.find("VKRITsm(m3/mol) = 8.950E-05\r\nZKRITsm(-) = "), std::string::npos);
    EXPECT_EQ(box.text.substr(box.text.size() - 2), "\r\n");
}

// Renames component 1 through the window: `typed` then Enter, the answers to the two questions.
ModalScript::Action renameTo(const QString& typed) {
    return [typed](QDialog& zmena) {
        EXPECT_EQ(zmena.windowTitle(), QStringLiteral("Dočasná změna názvu složky"));
        EXPECT_EQ(child<QLabel>(zmena, "L_Puv")->text().trimmed(), QStringLiteral("ETHANOL"));
        auto* box = child<QLineEdit>(zmena, "T_Nov");
        EXPECT_EQ(box->text(), QString());
        // Czech letters have no key of the test keyboard: the text goes in as typed text.
        box->insert(typed);
        if (typed.startsWith(QLatin1Char('N'))) kwelartest::screenshot(zmena, "F_Zmenaz");
        QTest::keyClick(box, Qt::Key_Return);
    };
}

TEST_F(CardAndRename, LongNewNameIsStoredInThirtyCharactersAndShownWhole) {
    const QString longName = QStringLiteral("Nový název látky, který je dlouhý"); // 33 characters
    boxes.answer(platform::answer::Yes).answer(platform::answer::No);
    ModalScript script;
    script.then([&](QDialog& sloz) {
        pressName(sloz, 0, Qt::RightButton);
        EXPECT_EQ(child<QLabel>(sloz, "L_J_0")->text(), longName);
        child<QPushButton>(sloz, "C_Zpet")->click();
    });
    script.then(renameTo(longName));
    s.ZadejSloz(K, Xmol, Xhmot);
    EXPECT_EQ(s.Nazev(1), "Nový název látky, který je dlo");
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, "Opravdu chcete změnit původní název\r\nETHANOL" + std::string(23, ' '));
    EXPECT_EQ(boxes.boxes()[0].style, 36);
    EXPECT_EQ(boxes.boxes()[1].text,
              "Chcete dočasně změnit vlastnosti této látky?\r\nNový název látky, který je dlo");
}

TEST_F(CardAndRename, NoToBothQuestionsChangesNothingAndAnEmptyNameOnlyOffersTheEditor) {
    boxes.answer(platform::answer::No).answer(platform::answer::No).answer(platform::answer::No);
    ModalScript script;
    script.then([](QDialog& sloz) {
        pressName(sloz, 0, Qt::RightButton);
        pressName(sloz, 0, Qt::MiddleButton);
        EXPECT_EQ(child<QLabel>(sloz, "L_J_0")->text().trimmed(), QStringLiteral("ETHANOL"));
        child<QPushButton>(sloz, "C_Zpet")->click();
    });
    script.then(renameTo(QStringLiteral("Líh")));
    script.then(renameTo(QString()));
    s.ZadejSloz(K, Xmol, Xhmot);
    EXPECT_EQ(s.Nazev(1), "ETHANOL" + std::string(23, ' '));
    ASSERT_EQ(boxes.boxes().size(), 3u);
    EXPECT_EQ(boxes.boxes()[2].text,
              "Chcete dočasně změnit vlastnosti této látky?\r\nETHANOL" + std::string(23, ' '));
}

} // namespace
