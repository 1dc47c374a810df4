// The settings window of the sensitivity analysis over a stand-in main window: the list of the
// known quantities, the choice, a confirm without one, Enter in the boxes, the range check, the
// limit of 100 points, "Storno" and the other ways of closing it.

#include "MORV/window/analysis/frmAnal.h"

#include "MORV/model/ProgramState.h"
#include "Platform/Regional.h"

#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

using namespace morv;

namespace {

//! A stand-in for the main window: its main-quantity boxes.
struct MainWindow {
    QWidget widget;
    std::array<QLineEdit*, 8> txtPar{};

    MainWindow() {
        for (int i = 0; i < 8; ++i) {
            txtPar[size_t(i)] = new QLineEdit(&widget);
            txtPar[size_t(i)]->setObjectName(QString("txtPar_%1").arg(i));
        }
    }
};

class Settings : public ::testing::Test {
protected:
    void SetUp() override {
        resetProgram();
        unknowns({0, 3, 7});
        window = std::make_unique<frmAnal>(main.widget, program());
    }
    void TearDown() override { window.reset(); }

    static void unknowns(std::initializer_list<int16_t> flagged) {
        for (int16_t i = 0; i <= 7; ++i)
            program().Vymenik().IPOM(i, 0);
        for (int16_t i : flagged)
            program().Vymenik().IPOM(i, 1);
    }
    //! Shows the window over the active main window and lets it become the active window, as
    //! its modal showing from the main window's button does.
    void open() {
        main.widget.show();
        main.widget.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main.widget));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
    }
    QStringList listed() const {
        QStringList items;
        for (int i = 0; i < window->cmbProm->count(); ++i)
            items << window->cmbProm->itemText(i);
        return items;
    }
    //! Chooses the list entry of that caption with the keyboard, as a user would.
    void choose(const QString& caption) {
        const int at = window->cmbProm->findText(caption);
        ASSERT_GE(at, 0) << caption.toStdString();
        window->cmbProm->setFocus();
        window->cmbProm->setCurrentIndex(at);
        emit window->cmbProm->activated(at);
    }
    //! The window opened anew on a task with those unknowns, the quantity chosen in its list.
    void openChoosing(std::initializer_list<int16_t> flagged, const char* quantity) {
        window->hide();
        unknowns(flagged);
        open();
        choose(QString::fromUtf8(quantity));
    }
    //! Types a text into a box; one with characters beyond ASCII (a minus sign, a no-break
    //! space) is pasted, as a user brings them.
    static void type(QLineEdit& box, const char* text) {
        const QString t = QString::fromUtf8(text);
        if (std::all_of(t.begin(), t.end(), [](QChar c) { return c.unicode() < 128; }))
            QTest::keyClicks(&box, t);
        else
            box.insert(t);
    }
    //! Types the range into the boxes, each confirmed with Enter.
    void range(const char* start, const char* end, const char* step) {
        for (int i = 0; i < 3; ++i) {
            QLineEdit* box = window->txtPoc[size_t(i)];
            box->setFocus();
            box->selectAll();
            type(*box, i == 0 ? start : i == 1 ? end : step);
            QTest::keyClick(box, Qt::Key_Return);
        }
    }
    void confirm() { QTest::mouseClick(window->cmdAn, Qt::LeftButton); }

    MainWindow main;
    testsupport::ScriptedBoxes boxes;
    platform::DecimalSeparatorScope separator{'.'};
    std::unique_ptr<frmAnal> window;
};

TEST_F(Settings, ListsTheKnownQuantitiesAnewAtEachActivationWithNoneChosen) {
    open();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(" Zadání analýzy citlivosti"));
    EXPECT_EQ(listed(),
              (QStringList{"Hmotový průtok v plášti", "Vstupní teplota do trubek",
                           "Výstupní teplota z trubek", "Výstupní teplota z pláště", "Převedené teplo"}));
    EXPECT_EQ(window->cmbProm->currentIndex(), -1);

    window->hide();
    unknowns({4, 5, 6});
    open();
    EXPECT_EQ(listed(),
              (QStringList{"Hmotový průtok v trubkách", "Hmotový průtok v plášti",
                           "Vstupní teplota do trubek", "Vstupní teplota do pláště", "Teplosměnná plocha"}));
    EXPECT_EQ(window->cmbProm->currentIndex(), -1);
}

TEST_F(Settings, ChoiceTakesTheMainWindowsValueAndTheUnitHint) {
    main.txtPar[6]->setText("1111");
    main.txtPar[2]->setText("20");
    open();
    choose("Převedené teplo");
    EXPECT_EQ(program().AnalProm, 6);
    EXPECT_EQ(program().AnalNazev, "Převedené teplo");
    EXPECT_EQ(window->txtPoc[0]->text(), "1111");
    EXPECT_EQ(window->lblQ->text(), QString::fromUtf8("Teplo v kW"));
    EXPECT_EQ(QApplication::focusWidget(), window->txtPoc[0]);
    choose("Vstupní teplota do trubek");
    EXPECT_EQ(program().AnalProm, 2);
    EXPECT_EQ(window->txtPoc[0]->text(), "20");
    EXPECT_EQ(window->lblQ->text(), "");
}

TEST_F(Settings, EnterConvertsAUnitAndMovesOnARefusedValueStays) {
    open();
    window->txtPoc[0]->setFocus();
    // The tube flow's boxes are in kg/s.
    QTest::keyClicks(window->txtPoc[0], "36000 kg/h");
    QTest::keyClick(window->txtPoc[0], Qt::Key_Return);
    EXPECT_EQ(window->txtPoc[0]->text(), "10.000");
    EXPECT_EQ(QApplication::focusWidget(), window->txtPoc[1]);
    // An empty box moves on as it is.
    QTest::keyClick(window->txtPoc[1], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), window->txtPoc[2]);
    QTest::keyClicks(window->txtPoc[2], "5 xyz");
    boxes.answer(platform::answer::Ok);
    boxes.answer(platform::answer::Ok);
    QTest::keyClick(window->txtPoc[2], Qt::Key_Return);
    // The converter names the unit it does not know, and then, as an unknown unit has no
    // dimension, finds it no flow.
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, "Neznamy rozmer!: xyz");
    EXPECT_EQ(boxes.boxes()[1].text.rfind("Nekonzistentni jednotky!", 0), 0u);
    EXPECT_EQ(window->txtPoc[2]->text(), "5 xyz");
    EXPECT_EQ(QApplication::focusWidget(), window->txtPoc[2]);
    window->txtPoc[2]->setText("5");
    QTest::keyClick(window->txtPoc[2], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), window->cmdAn);
}

TEST_F(Settings, UnitsTypedConvertIntoTheBoxesUnits) {
    // Each quantity's boxes are in the unit of its main box: a flow in kg/s, the start and end
    // of a temperature in °C and its step a difference (K), the duty in kW, the area in m2.
    // Blanks and parentheses around the text, and a minus sign pasted as U+2212, read as a
    // user means them. (85 - 32) / 1.8 = 29.444; 1.8 °F of difference is 1 K.
    struct Case {
        std::initializer_list<int16_t> unknowns;
        const char* quantity;
        const char *start, *end, *step;
        const char *shownStart, *shownEnd, *shownStep;
    };
    const Case cases[] = {
        {{0, 3, 7}, "Vstupní teplota do trubek", "85 F", "300 K", "0.5 K", "29.444", "26.850", "0.50000"},
        {{0, 3, 7}, "Vstupní teplota do trubek", " 85 F ", "300 (K)", "1.8 F", "29.444", "26.850", "1.0000"},
        {{0, 3, 7},
         "Vstupní teplota do trubek",
         "\u221210 C",
         "10 C\u00A0",
         "1 C ",
         "-10.000",
         "10.000",
         "1.0000"},
        {{0, 3, 7}, "Převedené teplo", "0.2 MW", "300000 W", "50 kW", "200.00", "300.00", "50.000"},
        {{0, 3, 7}, "Převedené teplo", "0.2 MW ", "300 (kW)", "0.05 MW", "200.00", "300.00", "50.000"},
        {{0, 3, 7},
         "Hmotový průtok v plášti",
         "3600 kg/h ",
         "2 kg/s",
         "360 kg/h",
         "1.0000",
         "2.0000",
         "0.10000"},
        {{0, 3, 6}, "Teplosměnná plocha", "200000 cm2", "30 m2 ", "1000 cm2", "20.000", "30.000", "0.10000"},
    };
    for (const char sep : {'.', ','}) {
        platform::DecimalSeparatorScope regional(sep);
        for (const Case& c : cases) {
            openChoosing(c.unknowns, c.quantity);
            range(c.start, c.end, c.step);
            EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes()[0].text;
            for (const auto& [box, shown] : {std::pair{window->txtPoc[0], c.shownStart},
                                             {window->txtPoc[1], c.shownEnd},
                                             {window->txtPoc[2], c.shownStep}})
                EXPECT_EQ(box->text(), QString::fromUtf8(shown).replace('.', sep))
                    << c.quantity << " " << sep;
        }
    }
}

TEST_F(Settings, UnitOfAnotherQuantityIsRefusedAndTheTextStays) {
    struct Case {
        std::initializer_list<int16_t> unknowns;
        const char* quantity;
        int box;
        const char* typed;
    };
    const Case cases[] = {
        {{0, 3, 7}, "Hmotový průtok v plášti", 0, "5 bar"},
        {{0, 3, 7}, "Hmotový průtok v plášti", 2, "1 m "},
        {{0, 3, 7}, "Vstupní teplota do trubek", 1, "20 kW"},
        {{0, 3, 7}, "Vstupní teplota do trubek", 2, "1 kg"},
        {{0, 3, 7}, "Převedené teplo", 0, "2 m"},
        {{0, 3, 6}, "Teplosměnná plocha", 1, "85 F"},
    };
    for (const Case& c : cases) {
        const size_t before = boxes.boxes().size();
        openChoosing(c.unknowns, c.quantity);
        QLineEdit* box = window->txtPoc[size_t(c.box)];
        box->setFocus();
        box->selectAll();
        type(*box, c.typed);
        boxes.answer(platform::answer::Ok);
        QTest::keyClick(box, Qt::Key_Return);
        ASSERT_EQ(boxes.boxes().size(), before + 1) << c.typed;
        EXPECT_EQ(boxes.boxes().back().text.rfind("Nekonzistentni jednotky!", 0), 0u)
            << boxes.boxes().back().text;
        EXPECT_EQ(box->text(), QString::fromUtf8(c.typed));
        EXPECT_EQ(QApplication::focusWidget(), box) << c.typed;
    }
}

TEST_F(Settings, GoodRangeIsStoredAndTheWindowHidden) {
    // A step with the regional decimal separator, either of the two.
    for (const char* typed : {"2,5", "2.5"}) {
        platform::DecimalSeparatorScope regional(typed[1]);
        open();
        choose("Převedené teplo");
        range("200", "300", typed);
        QTest::keyClick(window->cmdAn, Qt::Key_Return);
        EXPECT_FALSE(window->isVisible()) << typed;
        EXPECT_EQ(program().AnalKrok.toDouble(), 2500.0) << typed;
    }
    open();
    choose("Převedené teplo");
    range("200", "300", "50");
    // Enter on "Analyzuj" confirms, as its click does.
    ASSERT_EQ(QApplication::focusWidget(), window->cmdAn);
    QTest::keyClick(window->cmdAn, Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(boxes.boxes().empty());
    // The duty is typed in kW and kept in W, in single precision.
    EXPECT_EQ(program().AnalPoc.type(), platform::VarType::Single);
    EXPECT_EQ(program().AnalPoc.toDouble(), 2e5);
    EXPECT_EQ(program().AnalKon.toDouble(), 3e5);
    EXPECT_EQ(program().AnalKrok.toDouble(), 5e4);
    // The boxes keep the texts for the next showing.
    open();
    EXPECT_EQ(window->txtPoc[1]->text(), "300.00");
}

TEST_F(Settings, WrongRangesAreRefusedAndTheWindowStaysOpen) {
    struct Case {
        const char *start, *end, *step, *message;
    };
    const char* wrong = "Špatně zadaný rozsah pro analýzu!";
    const char* tooMany = "Příliš mnoho bodů analýzy (max. 100)!";
    const Case cases[] = {
        {"2", "1", "0.5", wrong},     {"1", "2", "0.000009", wrong},
        {"1", "2", "0.00001", wrong}, // just below 1e-5 in single precision
        {"1", "2", "", wrong},        // no number
        {"0", "100", "1", tooMany},   // 101 points
        {"0", "1", "0.001", tooMany},
    };
    open();
    choose("Vstupní teplota do trubek");
    for (const Case& c : cases) {
        range(c.start, c.end, c.step);
        boxes.answer(platform::answer::Ok);
        const size_t before = boxes.boxes().size();
        const QString typed = window->txtPoc[2]->text();
        confirm();
        ASSERT_EQ(boxes.boxes().size(), before + 1) << c.start << " " << c.end << " " << c.step;
        EXPECT_EQ(boxes.boxes().back().text, c.message);
        EXPECT_EQ(boxes.boxes().back().style, 16);
        EXPECT_EQ(boxes.boxes().back().title, "HE");
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->txtPoc[2]->text(), typed);
    }
    // 100 points, a tiny negative step and a step away from the end all pass.
    for (const Case& c :
         {Case{"0", "99", "1", ""}, Case{"1", "2", "-0.000011", ""}, Case{"1", "2", "-0.5", ""}}) {
        open();
        range(c.start, c.end, c.step);
        confirm();
        EXPECT_FALSE(window->isVisible()) << c.step;
    }
    EXPECT_EQ(program().AnalKrok.toDouble(), -0.5);
}

TEST_F(Settings, ConfirmingWithoutAChoiceVariesOnlyAQuantityThatIsStillKnown) {
    const char* choose = "Vyberte v seznamu zadanou proměnnou pro analýzu!";
    struct Case {
        const char* what;
        int16_t AnalProm;      //!< as the last showing left it
        const char* AnalNazev; //!< as the last showing left it
        const char* message;   //!< nullptr: accepted
    };
    // The unknowns are the tube flow, the shell inlet temperature and the area.
    const std::string nowUnknown =
        std::string("Vstupní teplota do pláště je nyní jednou z neznámých!\r\n") + choose;
    const Case cases[] = {
        {"nothing chosen since the start", 0, "", choose},
        {"the last showing cancelled", -1, "Vstupní teplota do trubek", choose},
        {"chosen last time, now an unknown", 3, "Vstupní teplota do pláště", nowUnknown.c_str()},
        {"chosen last time, still known", 2, "Vstupní teplota do trubek", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        program().AnalProm = c.AnalProm;
        program().AnalNazev = c.AnalNazev;
        program().AnalPoc = program().AnalKon = program().AnalKrok = platform::Variant();
        open();
        range("20", "40", "10");
        boxes.answer(platform::answer::Ok);
        const size_t before = boxes.boxes().size();
        confirm();
        if (!c.message) {
            EXPECT_FALSE(window->isVisible());
            EXPECT_EQ(boxes.boxes().size(), before);
            EXPECT_EQ(program().AnalProm, c.AnalProm);
            EXPECT_EQ(program().AnalKon.toDouble(), 40.0);
            continue;
        }
        ASSERT_EQ(boxes.boxes().size(), before + 1);
        EXPECT_EQ(boxes.boxes().back().text, c.message);
        EXPECT_EQ(boxes.boxes().back().style, 16);
        EXPECT_EQ(boxes.boxes().back().title, "HE");
        // The window stays for a choice, the range is not taken.
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), window->cmbProm);
        EXPECT_TRUE(program().AnalKon.isEmpty());
        EXPECT_EQ(program().AnalProm, c.AnalProm);
        window->hide();
    }
}

TEST_F(Settings, StornoTheCloseButtonAndEscapeCancel) {
    for (int way = 0; way < 3; ++way) {
        program().AnalProm = 2;
        open();
        if (way == 0)
            QTest::mouseClick(window->smdSt, Qt::LeftButton);
        else if (way == 1)
            window->close();
        else
            QTest::keyClick(window->cmbProm, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << way;
        EXPECT_EQ(program().AnalProm, -1) << way;
        EXPECT_EQ(window->result(), QDialog::Rejected) << way;
    }
}

TEST_F(Settings, Screenshot) {
    const QByteArray folder = qgetenv("MORV_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "MORV_SCREENSHOTS names no folder";
    QDir().mkpath(QString::fromLocal8Bit(folder));
    platform::DecimalSeparatorScope comma(',');
    main.txtPar[6]->setText("1111");
    open();
    choose("Převedené teplo");
    range("200", "300", "50");
    EXPECT_TRUE(window->grab().save(QString::fromLocal8Bit(folder) + "/frmAnal.png"));
}

} // namespace
