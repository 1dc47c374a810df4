#include "MORV/window/analysis/frmGraf.h"
#include "MORV/window/analysis/frmPreGraf.h"

#include "../MainWindowFixture.h"

#include "Platform/qt/ImageSurface.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <limits>

using morv::frmGraf;
using morv::frmPreGraf;
using morv::program;

namespace {

//! Positions of the unknowns in the Newton vector: the shell flow, the tube outlet
//! temperature and the heat duty.
constexpr int16_t ShellFlow = 2, TubeOutlet = 5, Duty = 7;

//! The results of the options 0 to 6 in the order the analysis stores them.
const char* const Captions[7] = {
    "Hmot.průtok plášť",      "Výstup.tepl. trubky",          "Převedené teplo (W)",
    "Termická účinnost P",    "Celkový koef. prostupu tepla", "Tlaková ztráta v trubkách ",
    "Tlaková ztráta v plášti"};

//! Waits until the window is the active one. (A dialog over an active parent already counts
//! as active for `qWaitForWindowActive` before its own activation arrives.)
bool becomesActive(QWidget& w) {
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; });
}

//! The chart window shows nothing but its white picture.
void expectEmptyPicture(frmGraf& chart) {
    const QImage image = chart.surface().image();
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

class Charts : public morvtest::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        activateFirstTime();
    }
    void TearDown() override {
        if (auto* choice = window->findChild<frmPreGraf*>()) choice->hide();
        MainWindowTest::TearDown();
    }

    //! An analysis of the heat duty from 200 to 300 kW with the given number of points, kept
    //! with its quantities as the analysis keeps them; every result changes from point to
    //! point, each differently.
    static void analysis(int16_t points) {
        auto& s = program();
        s.AnalHotovaNazev = "Převedené teplo";
        s.AnalHotovaNezname = {ShellFlow, TubeOutlet, Duty};
        for (int k = 1; k <= points; ++k) {
            s.AnalX[size_t(k)] = 200000 + 100000.0 * (k - 1) / std::max(points - 1, 1);
            for (size_t r = 0; r < 7; ++r)
                s.AnalY[r][size_t(k)] = double(r + 1) * 10 + double(k * k) * double(r + 1);
        }
        s.AnalPocBodu = points;
        s.AnalHotova = true;
    }

    frmPreGraf& openChoice() {
        QTest::mouseClick(control<QPushButton>("cmdGraf"), Qt::LeftButton);
        auto* choice = window->findChild<frmPreGraf*>();
        EXPECT_NE(choice, nullptr);
        EXPECT_TRUE(becomesActive(*choice));
        return *choice;
    }

    //! Queues the chart window: shown and active, `look` sees it, `close` acts on it as the
    //! user would.
    void onChart(std::function<void(frmGraf&)> look, std::function<void(frmGraf&)> close) {
        onModal([look, close](QDialog& d) {
            auto& chart = dynamic_cast<frmGraf&>(d);
            d.show();
            d.activateWindow();
            EXPECT_TRUE(becomesActive(d));
            look(chart);
            close(chart);
            return d.result();
        });
    }

    static int checked(frmPreGraf& choice) {
        int found = -1;
        for (size_t i = 0; i < choice.optAn.size(); ++i)
            if (choice.optAn[i]->isChecked()) {
                EXPECT_EQ(found, -1) << "two options chosen";
                found = int(i);
            }
        return found;
    }
};

TEST_F(Charts, RefusedBeforeAnyAnalysis) {
    boxes.answer(platform::answer::Ok);
    QTest::mouseClick(control<QPushButton>("cmdGraf"), Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Analýza citlivosti dosud nespočtena!");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(boxes.boxes()[0].title, "MORV");
    EXPECT_EQ(window->findChild<frmPreGraf*>(), nullptr);
}

TEST_F(Charts, ChoiceNamesTheVariedQuantityAndTheUnknownsAndChoosesTheFirst) {
    analysis(3);
    frmPreGraf& choice = openChoice();
    EXPECT_TRUE(choice.isVisible());
    EXPECT_FALSE(choice.isModal());
    EXPECT_EQ(choice.windowTitle(), " Výběr grafického zobrazení");
    EXPECT_EQ(choice.lblBaz->text(), "Převedené teplo");
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(choice.optAn[size_t(i)]->text().toStdString(), Captions[i]) << i;
    EXPECT_EQ(checked(choice), 0);
    EXPECT_EQ(QApplication::focusWidget(), choice.cmdGr);

    // A click on an option chooses it alone and hands the focus back to "Zobrazit graf".
    QTest::mouseClick(choice.optAn[4], Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(checked(choice), 4);
    EXPECT_EQ(QApplication::focusWidget(), choice.cmdGr);

    // Opened again from the main window: the first unknown is chosen again.
    QTest::mouseClick(control<QPushButton>("cmdGraf"), Qt::LeftButton);
    EXPECT_EQ(window->findChildren<frmPreGraf*>().size(), 1);
    EXPECT_EQ(checked(choice), 0);
}

TEST_F(Charts, EveryCodeOfAnUnknownHasItsCaption) {
    const char* const expected[8] = {"Hmot.průtok trubky",  "Hmot.průtok plášť",      "Vstup.tepl. trubky",
                                     "Vstup.tepl plášť",    "Výstup.tepl. trubky",    "Výstup.tepl plášť",
                                     "Převedené teplo (W)", "Teplosměnná plocha (m2)"};
    for (int code = 1; code <= 8; ++code)
        EXPECT_EQ(frmPreGraf::unknownCaption(code).toStdString(), expected[code - 1]);
    EXPECT_TRUE(frmPreGraf::unknownCaption(0).isEmpty());
    EXPECT_TRUE(frmPreGraf::unknownCaption(9).isEmpty());
}

TEST_F(Charts, ClicksStepThroughTheSevenCharts) {
    analysis(5);
    frmPreGraf& choice = openChoice();
    std::vector<int16_t> shown;
    std::vector<std::string> labels;
    std::vector<double> topOfYAxis;
    for (int i = 0; i < 7; ++i) {
        onChart(
            [&](frmGraf& chart) {
                shown.push_back(program().GrafVelicina);
                ASSERT_NE(chart.chart(), nullptr);
                labels.push_back(chart.chart()->PopisY);
                topOfYAxis.push_back(chart.chart()->Ymax);
                EXPECT_EQ(chart.chart()->PopisX, "Převedené teplo");
                EXPECT_EQ(chart.chart()->PocFce(), 1);
                EXPECT_EQ(chart.chart()->Body(1), 1);
                EXPECT_EQ(chart.chart()->SilaCar(), 2);
                EXPECT_DOUBLE_EQ(chart.chart()->Xmin, 200000);
                EXPECT_DOUBLE_EQ(chart.chart()->Xmax, 305000);
            },
            [](frmGraf& chart) { QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(300, 200)); });
        QTest::mouseClick(choice.cmdGr, Qt::LeftButton);
        EXPECT_FALSE(choice.graf().isVisible());
        EXPECT_TRUE(choice.isVisible());
        EXPECT_EQ(checked(choice), std::min(i + 1, 6));
    }
    EXPECT_EQ(shown, (std::vector<int16_t>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(labels, std::vector<std::string>(std::begin(Captions), std::end(Captions)));
    // Result r runs from 11(r+1) to 35(r+1), a range under 200 whose limits round to tens:
    // the Y axis of each chart ends at the ten above its own largest value.
    EXPECT_DOUBLE_EQ(topOfYAxis[0], 40);
    EXPECT_DOUBLE_EQ(topOfYAxis[6], 250);
    EXPECT_EQ(program().GrafPopis, Captions[6]);
}

TEST_F(Charts, CtrlCCopiesThePictureAndAnyOtherKeyStepsOn) {
    analysis(3);
    frmPreGraf& choice = openChoice();
    QGuiApplication::clipboard()->clear();
    onChart(
        [&](frmGraf& chart) {
            // Ctrl pressed on its own, on the way to Ctrl+C, changes nothing.
            QTest::keyPress(&chart, Qt::Key_Control);
            QTest::keyClick(&chart, Qt::Key_C, Qt::ControlModifier);
            QTest::keyRelease(&chart, Qt::Key_Control);
            EXPECT_TRUE(chart.isVisible());
            EXPECT_EQ(checked(choice), 0);
            const QImage copied = QGuiApplication::clipboard()->image();
            EXPECT_FALSE(copied.isNull());
            EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
                      chart.surface().image().convertToFormat(QImage::Format_RGB32));
            // A C without Ctrl is just another key.
        },
        [](frmGraf& chart) { QTest::keyClick(&chart, Qt::Key_C); });
    QTest::mouseClick(choice.cmdGr, Qt::LeftButton);
    EXPECT_FALSE(choice.graf().isVisible());
    EXPECT_EQ(checked(choice), 1);

    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        onChart([](frmGraf&) {}, [key](frmGraf& chart) { QTest::keyClick(&chart, key); });
        QTest::keyClick(choice.cmdGr, Qt::Key_Space);
        EXPECT_FALSE(choice.graf().isVisible());
    }
    EXPECT_EQ(checked(choice), 3);
}

TEST_F(Charts, ResizeRedrawsTheChartOnTheWholeWindow) {
    analysis(4);
    frmPreGraf& choice = openChoice();
    onChart(
        [&](frmGraf& chart) {
            const QImage before = chart.surface().image();
            EXPECT_EQ(before.size(), chart.size());
            chart.resize(800, 600);
            QApplication::processEvents();
            const QImage after = chart.surface().image();
            EXPECT_EQ(after.size(), QSize(800, 600));
            // Cleared and drawn anew at the new size, as on a fresh picture of that size.
            platform::ImageSurface fresh(800, 600);
            chart.chart()->Draw(fresh);
            EXPECT_EQ(after, fresh.image());
            EXPECT_NE(after.copy(0, 0, 640, 480), before);
        },
        [](frmGraf& chart) { QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(20, 20)); });
    QTest::mouseClick(choice.cmdGr, Qt::LeftButton);
}

TEST_F(Charts, ChartOfASinglePointReportsTheZeroRangeAndStaysEmpty) {
    for (int16_t points : {1, 0}) {
        SCOPED_TRACE(points);
        analysis(points);
        frmPreGraf& choice = openChoice();
        const size_t before = boxes.boxes().size();
        // Reported once: the resize step does not draw the refused chart again.
        boxes.answer(platform::answer::Ok);
        onChart([](frmGraf& chart) { expectEmptyPicture(chart); },
                [](frmGraf& chart) { QTest::keyClick(&chart, Qt::Key_Space); });
        QTest::mouseClick(choice.cmdGr, Qt::LeftButton);
        ASSERT_EQ(boxes.boxes().size(), before + 1);
        EXPECT_EQ(boxes.boxes().back().text, "Rozsah osy X nebo Y je nulový!");
        EXPECT_EQ(boxes.boxes().back().title, "GrafXY");
        choice.hide();
    }
}

TEST_F(Charts, ChartWithoutAFiniteValueIsRefusedOnceAndLeavesTheWindowEmpty) {
    // A good chart first, so that an empty window shows that the refused one replaced it.
    analysis(4);
    frmPreGraf& choice = openChoice();
    onChart([](frmGraf&) {}, [](frmGraf& chart) { QTest::keyClick(&chart, Qt::Key_Space); });
    choice.optAn[0]->setChecked(true);
    QTest::mouseClick(choice.cmdGr, Qt::LeftButton);
    ASSERT_TRUE(boxes.boxes().empty());

    for (int k = 1; k <= 4; ++k)
        program().AnalY[0][size_t(k)] = std::numeric_limits<double>::quiet_NaN();
    choice.optAn[0]->setChecked(true);
    boxes.answer(platform::answer::Ok);
    onChart(
        [](frmGraf& chart) {
            // A resize neither draws it nor says it again.
            chart.resize(700, 500);
            QApplication::processEvents();
            expectEmptyPicture(chart);
        },
        [](frmGraf& chart) { QTest::keyClick(&chart, Qt::Key_Space); });
    QTest::mouseClick(choice.cmdGr, Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Graf nemá žádnou platnou hodnotu!");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(boxes.boxes()[0].title, "GrafXY");
}

class ChartsAfterALoad : public Charts, public ::testing::WithParamInterface<char> {};

TEST_P(ChartsAfterALoad, OpenChoiceChartsNothingOnceTheLoadedTaskDroppedTheAnalysis) {
    platform::DecimalSeparatorScope region(GetParam());
    analysis(4);
    frmPreGraf& choice = openChoice();
    QTest::mouseClick(control<QRadioButton>("optZads"), Qt::LeftButton);
    dialogs.choose(std::string(MORV_SAMPLE_TASKS) + "/methanol-condenser.dat", 3);
    QTest::mouseClick(control<QPushButton>("cmdNactiD"), Qt::LeftButton);
    ASSERT_FALSE(program().AnalHotova);
    ASSERT_TRUE(choice.isVisible());

    // As the main window's button says: no chart window.
    const size_t modals = modalsShown.size();
    boxes.answer(platform::answer::Ok);
    QTest::mouseClick(choice.cmdGr, Qt::LeftButton);
    EXPECT_EQ(modalsShown.size(), modals);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Analýza citlivosti dosud nespočtena!");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(boxes.boxes()[0].title, "MORV");
}

INSTANTIATE_TEST_SUITE_P(Separators, ChartsAfterALoad, ::testing::Values('.', ','),
                         [](const auto& info) { return std::string(info.param == ',' ? "Comma" : "Point"); });

TEST_F(Charts, ReturnFromTheChartsHidesTheChoiceAndShowsTheFirstTab) {
    analysis(3);
    control<QTabWidget>("SSTab1")->setCurrentIndex(6);
    frmPreGraf& choice = openChoice();
    QTest::mouseClick(choice.cmdNe, Qt::LeftButton);
    EXPECT_FALSE(choice.isVisible());
    EXPECT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), 0);
}

TEST_F(Charts, Screenshots) {
    const QByteArray folder = qgetenv("MORV_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "MORV_SCREENSHOTS names no folder";
    QDir().mkpath(QString::fromLocal8Bit(folder));
    platform::DecimalSeparatorScope comma(',');
    analysis(5);
    frmPreGraf& choice = openChoice();
    QApplication::processEvents();
    EXPECT_TRUE(choice.grab().save(QString::fromLocal8Bit(folder) + "/frmPreGraf.png"));
    for (int i : {0, 6}) {
        choice.optAn[size_t(i)]->setChecked(true);
        onChart(
            [&](frmGraf& chart) {
                QApplication::processEvents();
                EXPECT_TRUE(chart.grab().save(
                    QStringLiteral("%1/frmGraf-%2.png").arg(QString::fromLocal8Bit(folder)).arg(i)));
            },
            [](frmGraf& chart) { QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(20, 20)); });
        QTest::mouseClick(choice.cmdGr, Qt::LeftButton);
    }
}

} // namespace
