#include "MORV/window/sketch/frmTrubkov.h"

#include "MORV/model/ProgramState.h"
#include "Platform/Conversions.h"
#include "Platform/Regional.h"
#include "Platform/qt/PictureBox.h"

#include "../../CatalogueRows.h"
#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

using namespace morv;

namespace {

//! A stand-in for the main window: its construction boxes, the condenser-type combo and the
//! status label.
struct MainWindow {
    QWidget widget;
    std::array<QLineEdit*, 23> txtPark{};
    //! The status of the last calculation, a solved task's at the start.
    QLabel* lblStav;

    MainWindow() {
        for (int i = 0; i < 23; ++i) {
            txtPark[size_t(i)] = new QLineEdit(&widget);
            txtPark[size_t(i)]->setObjectName(QString("txtPark_%1").arg(i));
        }
        auto* cmbChar = new QComboBox(&widget);
        cmbChar->setObjectName("cmbChar");
        lblStav = new QLabel(QStringLiteral(" 7  iterací"), &widget);
        lblStav->setObjectName("lblStav");
    }
    QString text(int i) const { return txtPark[size_t(i)]->text(); }
    void set(int i, const QString& t) { txtPark[size_t(i)]->setText(t); }
    //! Shell and tube diameters, pitches across and along, arrangement code.
    void construction(const QString& D, const QString& d, const QString& sT, const QString& sL,
                      const QString& code) {
        set(0, D), set(1, d), set(6, sT), set(7, sL), set(12, code);
    }
};

class Sketch : public ::testing::Test {
protected:
    void SetUp() override { resetProgram(); }

    //! Opens the sketch over the main window: it is shown and becomes the active window
    //! (unless it refuses its data and hides itself at once).
    void open(bool refused = false) {
        window = std::make_unique<frmTrubkov>(main.widget, program());
        window->show();
        window->activateWindow();
        if (refused)
            QCoreApplication::processEvents();
        else
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    //! A number in a main-window box.
    static double number(const QString& text) { return platform::regionalNumber(text.toStdString()); }
    template <class W> W* find(const char* name) {
        W* w = window->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name) { return find<QLineEdit>(name)->text(); }
    //! Rows, tubes and central-row tubes shown.
    std::array<QString, 3> counts() { return {text("Text1"), text("Text2"), text("Text4")}; }

    MainWindow main;
    testsupport::ScriptedBoxes boxes;
    //! The windows show numbers with the decimal separator pinned, whatever the desktop.
    platform::DecimalSeparatorScope separator{'.'};
    std::unique_ptr<frmTrubkov> window;
};

struct PartCase {
    char separator;
    const char* D;
    const char* d;
    const char* pitch;
    const char* code;
    bool staggered;
    std::array<QString, 3> counts;
};

class SketchCases : public Sketch, public ::testing::WithParamInterface<PartCase> {};

// 400 mm shell, 25 mm tubes, 65 mm pitches, as the main window shows them in metres.
TEST_P(SketchCases, ActivationCopiesTheBoxesAndDrawsWithTheArrangementOfTheMainWindow) {
    const auto& c = GetParam();
    platform::DecimalSeparatorScope separator(c.separator);
    main.construction(c.D, c.d, c.pitch, c.pitch, c.code);
    open();
    EXPECT_EQ(text("Text3_0"), c.D);
    EXPECT_EQ(text("Text3_1"), c.d);
    EXPECT_EQ(text("Text3_2"), c.pitch);
    EXPECT_EQ(find<QRadioButton>("Option1_0")->isChecked(), c.staggered);
    EXPECT_EQ(find<QRadioButton>("Option1_1")->isChecked(), !c.staggered);
    EXPECT_EQ(counts(), c.counts);
    EXPECT_EQ(QApplication::focusWidget(), find<QPushButton>("cmdKonc"));
}

INSTANTIATE_TEST_SUITE_P(
    BothSeparators, SketchCases,
    ::testing::Values(PartCase{'.', "0.4", "0.025", "0.065", "1", false, {"5", "21", "5"}},
                      PartCase{'.', "0.4", "0.025", "0.065", "0", true, {"5", "19", "5"}},
                      PartCase{',', "0,4", "0,025", "0,065", "1", false, {"5", "21", "5"}},
                      PartCase{',', "0,4", "0,025", "0,065", "0", true, {"5", "19", "5"}},
                      // The whole texts are read, exponents included (six characters of
                      // "6,5000E-02" would read 6.5).
                      PartCase{',', "0,40000", "2,5000E-02", "6,5000E-02", "0", true, {"5", "19", "5"}},
                      // A code that is not a number keeps the in-line arrangement.
                      PartCase{'.', "0.4", "0.025", "0.065", "x", false, {"5", "21", "5"}}));

// Each single-pass unit of the catalogue, shown in the main window as the program shows
// numbers, keeps all its counts when drawn and written back.
TEST_F(Sketch, CatalogueUnitsKeepTheirCountsWhenDrawnAndWrittenBack) {
    for (char sep : {'.', ','}) {
        platform::DecimalSeparatorScope separator(sep);
        for (const auto& row : morvtest::singlePassRows(MORV_CATALOGUE)) {
            SCOPED_TRACE(row.code + " with " + sep);
            auto shown = [](double v) {
                return QString::fromStdString(program().Prevodnik().RoundX(platform::Variant(v)).toString());
            };
            main.construction(shown(row.Dplast), shown(row.Dtrubo), shown(row.sT), shown(row.sL),
                              shown(row.Uspor));
            main.set(4, shown(row.Ntrub));
            main.set(10, shown(row.NstredT));
            main.set(11, shown(row.NstredL));
            std::array<QString, 23> before;
            for (int i = 0; i < 23; ++i)
                before[size_t(i)] = main.text(i);

            open();
            QTest::mouseClick(find<QPushButton>("cmdKonc"), Qt::LeftButton);
            EXPECT_EQ(window->result(), QDialog::Accepted);
            EXPECT_FALSE(window->isVisible());
            // The counts and the arrangement come back as plain numbers, the rest as it stood.
            for (int i = 0; i < 23; ++i)
                if (i == 4 || i == 10 || i == 11 || i == 12)
                    EXPECT_EQ(number(main.text(i)), number(before[size_t(i)])) << "txtPark_" << i;
                else
                    EXPECT_EQ(main.text(i), before[size_t(i)]) << "txtPark_" << i;
        }
    }
}

// Sheets whose quarter holds a row without a tube, and one beyond fifty rows: the counts are
// those of the tubes laid out, and they go back into the construction.
TEST_F(Sketch, CountsOfTheTubesLaidOutAreDrawnAndWrittenBack) {
    const struct {
        const char *D, *d, *sT, *sL, *arrangement;
        std::array<QString, 3> counts; // rows, tubes, tubes of the central row
    } cases[] = {
        // 2.0 m shell, 16 mm tubes staggered: 58 rows in the quarter, the last one empty.
        {"2", "0.016", "0.02", "0.0173", "0", {"113", "8811", "99"}},
        // Rows of 4, 4, 4 and 3 tubes in line; the fifth row admitted holds none.
        {"0.301", "0.025", "0.032", "0.032", "1", {"7", "45", "7"}},
        // One tube on the axis in four rows; the even rows, half a pitch in, hold none.
        {"1", "0.005", "0.5", "0.032", "0", {"7", "7", "1"}},
    };
    for (char sep : {'.', ','})
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string("decimal separator ") + sep + ", shell " + c.D);
            platform::DecimalSeparatorScope separator(sep);
            auto shown = [sep](const char* t) { return QString(t).replace('.', QChar(sep)); };
            main.construction(shown(c.D), shown(c.d), shown(c.sT), shown(c.sL), c.arrangement);
            open();
            EXPECT_TRUE(boxes.boxes().empty());
            EXPECT_EQ(counts(), c.counts);
            QTest::mouseClick(find<QPushButton>("cmdKonc"), Qt::LeftButton);
            EXPECT_EQ(window->result(), QDialog::Accepted);
            EXPECT_EQ(main.text(11), c.counts[0]);
            EXPECT_EQ(main.text(4), c.counts[1]);
            EXPECT_EQ(main.text(10), c.counts[2]);
        }
}

TEST_F(Sketch, ZeroShellIsRefusedAndNothingIsWrittenBack) {
    main.construction("0", "0.025", "0.065", "0.065", "1");
    main.set(4, "77");
    boxes.answer(platform::answer::Ok);
    open(true);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Nenačtena nebo chybná konstrukční data!");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(boxes.boxes()[0].title, "HE");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(main.text(0), "0");
    EXPECT_EQ(main.text(4), "77");
    EXPECT_EQ(text("Text2"), "");
}

// Dimensions whose tubes cannot stand as drawn, or that the window could not draw in a
// second: refused on activation with a message that says why, like unreadable ones.
TEST_F(Sketch, ImpossibleSheetsAreRefusedAndNothingIsWrittenBack) {
    const std::string overlap =
        "Trubky se překrývají: vzdálenost středů sousedních trubek je menší než průměr trubky!";
    const std::string tubeNotInShell = "Průměr trubky není menší než průměr pláště!";
    const struct {
        const char *D, *d, *sT, *sL, *arrangement;
        std::string message;
    } cases[] = {
        // 25 mm tubes at 20 mm pitches in line: 277 tubes, each overlapping its neighbours.
        {"0.4", "0.025", "0.02", "0.02", "1", overlap},
        {"0.4", "0.025", "0.065", "0.02", "1", overlap},
        {"0.4", "0.025", "0.02", "0.065", "0", overlap},
        // Staggered: the next row's tube at (15, 13) mm, 19.8 mm from a 25 mm tube.
        {"0.4", "0.025", "0.03", "0.013", "0", overlap},
        // Staggered: the tube two rows on at 24 mm.
        {"0.4", "0.025", "0.2", "0.012", "0", overlap},
        {"0.4", "1", "0.065", "0.065", "1", tubeNotInShell},
        {"0.4", "0.4", "0.5", "0.5", "1", tubeNotInShell},
        // A 100 m shell of condenser tubes: some 35 million tubes.
        {"100", "0.0127", "0.016", "0.0139", "0",
         "Síť trubek je příliš hustá na nákres! Nakreslit lze nejvýše 400000 trubek ve čtvrtině "
         "trubkovnice."},
    };
    for (char sep : {'.', ','})
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string("decimal separator ") + sep + ", " + c.D + " " + c.d + " " + c.sT + " " +
                         c.sL + " " + c.arrangement);
            platform::DecimalSeparatorScope separator(sep);
            auto shown = [sep](const char* t) { return QString(t).replace('.', QChar(sep)); };
            main.construction(shown(c.D), shown(c.d), shown(c.sT), shown(c.sL), c.arrangement);
            main.set(4, "77");
            boxes->clear();
            boxes.answer(platform::answer::Ok);
            open(true);
            ASSERT_EQ(boxes.boxes().size(), 1u);
            EXPECT_EQ(boxes.boxes()[0].text, c.message);
            EXPECT_EQ(boxes.boxes()[0].style, 16);
            EXPECT_EQ(boxes.boxes()[0].title, "HE");
            EXPECT_FALSE(window->isVisible());
            EXPECT_EQ(window->result(), QDialog::Rejected);
            EXPECT_EQ(text("Text2"), "");
            EXPECT_EQ(main.text(4), "77");
            EXPECT_EQ(main.lblStav->text(), " 7  iterací");
        }
}

// The sketch draws and counts a 5 m sheet of 87,517 tubes, but the construction's tube count
// holds at most 32,767: "Dosadit zpět" writes nothing, says the limit and keeps the window.
TEST_F(Sketch, CountsBeyondTheConstructionAreNotWrittenBack) {
    for (char sep : {'.', ','}) {
        SCOPED_TRACE(std::string("decimal separator ") + sep);
        platform::DecimalSeparatorScope separator(sep);
        auto shown = [sep](const char* t) { return QString(t).replace('.', QChar(sep)); };
        main.construction(shown("5"), shown("0.0127"), shown("0.016"), shown("0.0139"), "0");
        main.set(4, "77");
        open();
        EXPECT_EQ(text("Text2"), "87517");
        boxes->clear();
        boxes.answer(platform::answer::Ok);
        QTest::mouseClick(find<QPushButton>("cmdKonc"), Qt::LeftButton);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text,
                  "Počet trubek 87517 nelze dosadit: konstrukční data pojmou nejvýše 32767 trubek!");
        EXPECT_EQ(boxes.boxes()[0].style, 16);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(text("Text2"), "87517");
        EXPECT_EQ(main.text(4), "77");
        EXPECT_EQ(main.text(12), "0");
        EXPECT_EQ(main.lblStav->text(), " 7  iterací");
    }
}

// Counts typed over the drawn ones, at the limit of the construction's fields and beyond.
TEST_F(Sketch, TypedCountsAreWrittenBackUpToTheLimitOfTheConstruction) {
    const struct {
        const char *tubes, *centralRow;
        const char* refusal; // empty: written back
    } cases[] = {
        {"32767", "5", ""},
        {"32768", "5", "Počet trubek 32768 nelze dosadit: konstrukční data pojmou nejvýše 32767 trubek!"},
        {"21", "32768",
         "Počet trubek středové řady 32768 nelze dosadit: konstrukční data pojmou nejvýše 32767 trubek!"},
    };
    main.construction("0.4", "0.025", "0.065", "0.065", "1");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.tubes) + " tubes, " + c.centralRow + " in the central row");
        main.set(4, "77");
        open();
        find<QLineEdit>("Text2")->setText(c.tubes);
        find<QLineEdit>("Text4")->setText(c.centralRow);
        boxes->clear();
        if (*c.refusal) boxes.answer(platform::answer::Ok);
        QTest::mouseClick(find<QPushButton>("cmdKonc"), Qt::LeftButton);
        if (*c.refusal) {
            ASSERT_EQ(boxes.boxes().size(), 1u);
            EXPECT_EQ(boxes.boxes()[0].text, c.refusal);
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(main.text(4), "77");
        } else {
            EXPECT_TRUE(boxes.boxes().empty());
            EXPECT_EQ(window->result(), QDialog::Accepted);
            EXPECT_EQ(main.text(4), c.tubes);
            EXPECT_EQ(main.text(10), c.centralRow);
        }
    }
}

// The construction written back is no longer the one calculated: the status reads as after
// an Enter in a main quantity, so the sensitivity analysis waits for a new calculation.
TEST_F(Sketch, WriteBackLeavesTheTaskUncalculated) {
    main.construction("0.4", "0.025", "0.065", "0.065", "1");
    open();
    window->close();
    EXPECT_EQ(main.lblStav->text(), " 7  iterací");
    open();
    QTest::mouseClick(find<QPushButton>("cmdKonc"), Qt::LeftButton);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(main.lblStav->text(), "Nespočteno");
}

TEST_F(Sketch, FaultyDimensionTypedInTheWindowIsRefusedByKresli) {
    main.construction("0.4", "0.025", "0.065", "0.065", "1");
    for (const char* faulty : {"-0.065", "", "abc"}) {
        SCOPED_TRACE(faulty);
        open();
        find<QLineEdit>("Text3_3")->setText(faulty);
        boxes.answer(platform::answer::Ok);
        QTest::mouseClick(find<QPushButton>("cmdKresli"), Qt::LeftButton);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(main.text(7), "0.065");
    }
    EXPECT_EQ(boxes.boxes().size(), 3u);
}

TEST_F(Sketch, EnterConvertsATypedValueAndMovesOn) {
    platform::DecimalSeparatorScope separator(',');
    main.construction("0,4", "0,025", "0,065", "0,065", "1");
    open();
    auto* shell = find<QLineEdit>("Text3_0");
    shell->setFocus();
    shell->selectAll();
    QTest::keyClicks(shell, "45 cm");
    QTest::keyClick(shell, Qt::Key_Return);
    EXPECT_EQ(shell->text().toStdString(), program().Prevodnik().RoundX(platform::Variant(0.45)).toString());
    EXPECT_EQ(number(shell->text()), 0.45);
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>("Text3_1"));
    // Enter draws nothing: the counts stay those of the 400 mm shell.
    EXPECT_EQ(text("Text2"), "21");

    // The box that gets the focus has its whole text selected, so typing replaces it.
    auto* tube = find<QLineEdit>("Text3_1");
    QCoreApplication::processEvents();
    EXPECT_EQ(tube->selectedText(), "0,025");
    // A unit the converter does not know, and then no length either: the typed text and the
    // focus stay.
    QTest::keyClicks(tube, "25 blbost");
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    QTest::keyClick(tube, Qt::Key_Return);
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_NE(boxes.boxes()[0].text.find("blbost"), std::string::npos);
    EXPECT_EQ(boxes.boxes()[1].text.rfind("Nekonzistentni jednotky!", 0), 0u);
    EXPECT_EQ(tube->text(), "25 blbost");
    EXPECT_EQ(QApplication::focusWidget(), tube);
    // A unit of another quantity, with a blank after it: refused the same way.
    tube->selectAll();
    QTest::keyClicks(tube, "25 bar ");
    boxes.answer(platform::answer::Ok);
    QTest::keyClick(tube, Qt::Key_Return);
    ASSERT_EQ(boxes.boxes().size(), 3u);
    EXPECT_EQ(boxes.boxes()[2].text, "Nekonzistentni jednotky!   m :  1 -1");
    EXPECT_EQ(tube->text(), "25 bar ");
    EXPECT_EQ(QApplication::focusWidget(), tube);

    // The last box hands the focus to "Kresli", where Enter draws.
    auto* along = find<QLineEdit>("Text3_3");
    along->setFocus();
    QTest::keyClick(along, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), find<QPushButton>("cmdKresli"));
}

TEST_F(Sketch, ChoosingTheArrangementRedrawsOnlyWithKresli) {
    main.construction("0.4", "0.025", "0.065", "0.065", "1");
    open();
    // A radio button takes a click on its circle or its caption.
    QTest::mouseClick(find<QRadioButton>("Option1_0"), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(find<QRadioButton>("Option1_0")->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), find<QPushButton>("cmdKresli"));
    EXPECT_EQ(text("Text2"), "21");
    QTest::keyClick(find<QPushButton>("cmdKresli"), Qt::Key_Return);
    EXPECT_EQ(counts(), (std::array<QString, 3>{"5", "19", "5"}));
    QTest::mouseClick(find<QPushButton>("cmdKonc"), Qt::LeftButton);
    EXPECT_EQ(main.text(12), "0");
    EXPECT_EQ(main.text(4), "19");
    EXPECT_EQ(main.text(10), "5");
    EXPECT_EQ(main.text(11), "5");
}

TEST_F(Sketch, WriteBackCopiesTheTextsAsTheyStand) {
    main.construction("0.4", "0.025", "0.065", "0.065", "1");
    open();
    // Dimensions changed without drawing again: the counts of the earlier drawing go back.
    find<QLineEdit>("Text3_0")->setText("0.6");
    QTest::mouseClick(find<QPushButton>("cmdKonc"), Qt::LeftButton);
    EXPECT_EQ(main.text(0), "0.6");
    EXPECT_EQ(main.text(4), "21");
    EXPECT_EQ(main.text(12), "1");
}

TEST_F(Sketch, CloseBoxLeavesTheMainWindowUnchanged) {
    main.construction("0.4", "0.025", "0.065", "0.065", "0");
    main.set(4, "100");
    open();
    find<QLineEdit>("Text3_0")->setText("0.6");
    window->close();
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(main.text(0), "0.4");
    EXPECT_EQ(main.text(4), "100");
}

TEST_F(Sketch, PictureShowsTheShellCircle) {
    main.construction("0.4", "0.025", "0.065", "0.065", "1");
    open();
    testsupport::TempDir dir;
    const QString path = QString::fromStdString(dir.file("trubkovnice.png"));
    ASSERT_TRUE(window->picture().surface().image().save(path));
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(470, 470));
    // 470 pixels for 120 units from -10: the pixel of a user coordinate.
    auto at = [&](double x, double y) {
        return image.pixelColor(int((x + 10) * 470 / 120), int((y + 10) * 470 / 120));
    };
    const QColor back = window->palette().color(QPalette::Window);
    EXPECT_EQ(at(16, 48), QColor(Qt::white)); // inside the shell, between tubes
    EXPECT_EQ(at(30, 90), QColor(Qt::white)); // near the shell, below the last row
    EXPECT_EQ(at(100, 100), back);            // outside the shell
    EXPECT_EQ(at(-8, 105), back);             // the margin beyond the shell
    // The outline crosses the diagonal at radius 100.
    int dark = 0;
    for (double rr = 97; rr <= 103; rr += 0.25) {
        const QColor c = at(rr / std::sqrt(2.0), rr / std::sqrt(2.0));
        dark += c.lightness() < 128;
    }
    EXPECT_GT(dark, 0);
    EXPECT_EQ(at(97 / std::sqrt(2.0), 97 / std::sqrt(2.0)), QColor(Qt::white));
}

TEST_F(Sketch, Screenshots) {
    const QByteArray folder = qgetenv("MORV_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "MORV_SCREENSHOTS names no folder";
    QDir().mkpath(QString::fromLocal8Bit(folder));
    platform::DecimalSeparatorScope separator(',');
    const struct {
        const char* name;
        const char *D, *d, *sT, *sL, *code;
    } shots[] = {{"inline", "0,4", "0,025", "0,065", "0,065", "1"},
                 {"staggered", "0,4", "0,025", "0,065", "0,065", "0"},
                 {"800125", "0,8", "0,025", "0,032", "0,0277", "0"},
                 {"2000016", "2", "0,016", "0,02", "0,0173", "0"},
                 {"301025", "0,301", "0,025", "0,032", "0,032", "1"},
                 {"5000013", "5", "0,0127", "0,016", "0,0139", "0"},
                 // The largest sheet the sketch draws: 399,540 tubes in the quarter.
                 {"largest", "2", "0,001402", "0,001402", "0,001402", "1"}};
    for (const auto& shot : shots) {
        main.construction(shot.D, shot.d, shot.sT, shot.sL, shot.code);
        open();
        EXPECT_TRUE(window->grab().save(
            QStringLiteral("%1/frmTrubkov-%2.png").arg(QString::fromLocal8Bit(folder), shot.name)));
    }
}

} // namespace
