#include "ToviC/windows/frmPrep.h"

#include "TestSupport.h"
#include "ToviWindowsFixture.h"

#include "Platform/Regional.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <string>

using tovi::Tovi;

namespace {

class ConversionWindow : public ToviWindowsTest {
protected:
    //! Shows the conversion window of `t` and finds its controls.
    tovi::frmPrep& show(Tovi& t) {
        t.Prepocet();
        tovi::frmPrep* w = shownConversionWindow();
        EXPECT_NE(w, nullptr);
        text1 = control<QLineEdit>(*w, "Text1");
        text2 = control<QLineEdit>(*w, "Text2");
        return *w;
    }
    //! Types `input` into an empty Text1 and presses Enter.
    void enter(const char* input) {
        text1->clear();
        QTest::keyClicks(text1, input);
        QTest::keyClick(text1, Qt::Key_Return);
    }

    QLineEdit* text1 = nullptr;
    QLineEdit* text2 = nullptr;
};

// Expected values from the units' definitions: 1 cm = 0.01 m; 1 kcal = 4186.8 J,
// 1 BTU = 1055.1 J, 1 lb = 0.4536 kg, so 14 kcal/kg = 14 * 4186.8 * 0.4536 / 1055.1 BTU/lb
// = 25.1994 BTU/lb; 25 km/h = 25000 / 3600 m/s; 300 K = 26.85 degC; 500 W = 0.5 kW.
struct ConversionCase {
    const char* input;
    char separator;
    const char* shown;
};
void PrintTo(const ConversionCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class Conversions : public ConversionWindow, public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(Conversions, EnterShowsTheValueInTheTargetUnitOrInSi) {
    const ConversionCase& c = GetParam();
    platform::DecimalSeparatorScope separator(c.separator);
    Tovi t;
    show(t);
    enter(c.input);
    EXPECT_EQ(text2->text().toStdString(), c.shown);
    EXPECT_EQ(text1->text().toStdString(), c.input) << "the box keeps what the user typed";
    EXPECT_TRUE(boxes.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(ConversionWindow, Conversions,
                         ::testing::Values(ConversionCase{"145 cm", '.', "1.4500"},
                                           ConversionCase{"145 cm", ',', "1,4500"},
                                           ConversionCase{"BTU/lb 14 kcal/kg", '.', "25.199 BTU/lb"},
                                           ConversionCase{"BTU/lb 14 kcal/kg", ',', "25,199 BTU/lb"},
                                           ConversionCase{"25 km/h", ',', "6,9444"},
                                           ConversionCase{"1,5 m", '.', "1.5000"},
                                           ConversionCase{"C 300", '.', "26.850 C"},
                                           ConversionCase{"kW 500 W", ',', "0,50000 kW"}));

// A conversion that fails shows why in a box and leaves no result, even after a good one.
struct FailureCase {
    const char* input;
    const char* message;
};
void PrintTo(const FailureCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class Failures : public ConversionWindow, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failures, ShowTheMessageAndLeaveTheResultEmpty) {
    const FailureCase& c = GetParam();
    Tovi t;
    show(t);
    enter("145 cm");
    ASSERT_EQ(text2->text(), "1.4500");
    boxes.answer(platform::answer::Ok);
    enter(c.input);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, c.message);
    EXPECT_EQ(boxes.boxes()[0].style, 0);
    EXPECT_EQ(boxes.boxes()[0].title, "");
    EXPECT_EQ(text2->text(), "");
    EXPECT_EQ(text1->text().toStdString(), c.input);
}

INSTANTIATE_TEST_SUITE_P(ConversionWindow, Failures,
                         ::testing::Values(FailureCase{"12cm", "Chybí mezera za číslem!  :12cm"},
                                           FailureCase{"5 xyz", "Neznamy rozmer!: xyz"},
                                           FailureCase{"kW 5 m", "Nekonzistentni jednotky!   m :  2  1"},
                                           // Numbers beyond the double range are failed conversions too, not
                                           // errors that escape the key handler.
                                           FailureCase{"1e999", "Chyba č. 6\r\nOverflow"},
                                           FailureCase{"1e308 km", "Chyba č. 6\r\nOverflow"}));

TEST_F(ConversionWindow, AUserUnitOfFactorZeroIsAFailedConversion) {
    folder.write("\"nic\",0,5\r\n");
    Tovi t;
    show(t);
    boxes.answer(platform::answer::Ok);
    enter("nic 5 m");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Chyba č. 11\r\nDivision by zero");
    EXPECT_EQ(text2->text(), "");
}

TEST_F(ConversionWindow, EscEmptiesBothBoxesAndOtherKeysReachTheBox) {
    Tovi t;
    show(t);
    enter("145 cm");
    QTest::keyClick(text1, Qt::Key_Escape);
    EXPECT_EQ(text1->text(), "");
    EXPECT_EQ(text2->text(), "");
    QTest::keyClicks(text1, "20 C");
    QTest::keyClick(text1, Qt::Key_Backspace);
    EXPECT_EQ(text1->text(), "20 ");
}

TEST_F(ConversionWindow, ShowsItsCaptionAndTextsWithTheFocusInTheInputBox) {
    Tovi t;
    tovi::frmPrep& w = show(t);
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("  P Ř E P O Č T Y"));
    EXPECT_EQ(control<QPushButton>(w, "Command2")->text(), QString::fromUtf8("&Přehled zkratek rozměrů"));
    EXPECT_EQ(control<QPushButton>(w, "Command1")->text(), "&Konec");
    EXPECT_EQ(
        control<QLabel>(w, "Label1")->text(),
        QString::fromUtf8("Přepočet do SI: číslo mezera rozměr, např. 145 cm, 25 km/h, 70 kcal/kg  Také "
                          "umožní přepočet z jedněch jednotek do druhých. Pak zadejte: rozměr DO mezera "
                          "číslo mezera rozměr Z, BTU/lb 14 kcal/kg                     Výsledek bez "
                          "rozměrů je v základních jednotkách SI."));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(QApplication::focusWidget(), text1);
}

TEST_F(ConversionWindow, KonecHidesItAndTheNextShowingKeepsTheTexts) {
    Tovi t;
    tovi::frmPrep& first = show(t);
    enter("BTU/lb 14 kcal/kg");
    QTest::mouseClick(control<QPushButton>(first, "Command1"), Qt::LeftButton);
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(shownConversionWindow(), nullptr);
    tovi::frmPrep& again = show(t);
    EXPECT_EQ(&again, &first);
    EXPECT_EQ(text1->text(), "BTU/lb 14 kcal/kg");
    EXPECT_EQ(text2->text(), "25.199 BTU/lb");
    // The window's close button hides it the same way.
    again.close();
    EXPECT_FALSE(again.isVisible());
    show(t);
    EXPECT_EQ(text2->text(), "25.199 BTU/lb");
}

// The list opened from the window is the one of the window's own converter: the owner's
// converter here uses only three rows, the window's own all 91.
TEST_F(ConversionWindow, ItsListIsThatOfItsOwnConverter) {
    Tovi owner;
    owner.Ncelk(3);
    tovi::frmPrep& w = show(owner);
    int rows = -1;
    QDialog* listFromWindow = nullptr;
    platform::ModalHost::setHook([&](QDialog& d) {
        d.show();
        listFromWindow = &d;
        rows = d.findChild<QListWidget*>("T_Zkratky")->count();
        QTest::keyClick(d.findChild<QListWidget*>("T_Zkratky"), Qt::Key_Escape);
        return 0;
    });
    QTest::mouseClick(control<QPushButton>(w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(rows, 91);
    EXPECT_EQ(w.focusWidget(), text1);
    QDialog* ownersList = nullptr;
    platform::ModalHost::setHook([&](QDialog& d) {
        ownersList = &d;
        rows = d.findChild<QListWidget*>("T_Zkratky")->count();
        d.reject();
        return 0;
    });
    owner.ZobrazPrehled();
    EXPECT_EQ(rows, 3);
    EXPECT_NE(ownersList, listFromWindow);
}

// Both windows laid out: every label shows all its lines. With MORV_SCREENSHOTS naming a
// folder, the pictures are saved there to be looked at.
TEST_F(ConversionWindow, WindowsShowTheirWholeTexts) {
    Tovi t;
    tovi::frmPrep& w = show(t);
    enter("BTU/lb 14 kcal/kg");
    auto* label = control<QLabel>(w, "Label1");
    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    const char* folderForPictures = std::getenv("MORV_SCREENSHOTS");
    if (folderForPictures) w.grab().save(QString(folderForPictures) + "/frmPrep.png");
    platform::ModalHost::setHook([&](QDialog& d) {
        d.show();
        auto* heading = d.findChild<QLabel*>("Label1");
        EXPECT_GE(heading->width(), heading->sizeHint().width());
        if (folderForPictures) d.grab().save(QString(folderForPictures) + "/F_Prehled.png");
        d.reject();
        return 0;
    });
    t.ZobrazPrehled();
}

} // namespace
