// The sensitivity analysis started from the main window: its preconditions, the settings window
// driven by keys and clicks, the table appended to the results and shown on the results tab,
// "Storno", an error at a point, and the charts of an analysis after the task's unknowns
// changed.

#include "ForwardingProperties.h"
#include "MainWindowFixture.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "MORV/model/StreamProperties.h"
#include "MORV/model/TaskCommands.h"
#include "MORV/window/Vypocet.h"
#include "MORV/window/analysis/frmAnal.h"
#include "MORV/window/analysis/frmGraf.h"
#include "MORV/window/analysis/frmPreGraf.h"
#include "Platform/Progress.h"
#include "Platform/RunTimeError.h"

#include "TestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using morv::program;
using morvtest::MainWindowTest;
using platform::Variant;
using platform::VArray;

namespace {

const char* const refused = "Nejprve musí být proveden základní výpočet!";

//! The sample task loaded and shown as the load command does, with the recording bar.
class Analysis : public morvtest::SampleTaskWindowTest {
protected:
    QString status() { return control<QLabel>("lblStav")->text(); }
    //! Marks the unknowns and presses the calculation button; expects a converged solve.
    void calculate(std::initializer_list<int> unknowns) {
        for (int i = 0; i < 8; ++i)
            window->chkPar[size_t(i)]->setChecked(false);
        for (int i : unknowns)
            window->chkPar[size_t(i)]->setChecked(true);
        QTest::mouseClick(control<QPushButton>("cmdVypoc"), Qt::LeftButton);
        ASSERT_TRUE(status().endsWith(QStringLiteral("  iterací"))) << status().toStdString();
    }
    //! The user's settings: the quantity chosen in the list, the range typed with Enter after
    //! each value, then "Analyzuj".
    void settings(const QString& quantity, const char* start, const char* end, const char* step) {
        onModal([=](QDialog& d) {
            d.show();
            d.activateWindow();
            // Active as the application's window, also over a main window that is shown.
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &d; }));
            auto* list = d.findChild<QComboBox*>("cmbProm");
            const int at = list->findText(quantity);
            EXPECT_GE(at, 0) << quantity.toStdString();
            list->setCurrentIndex(at);
            emit list->activated(at);
            for (int i = 0; i < 3; ++i) {
                auto* box = d.findChild<QLineEdit*>(QStringLiteral("txtPoc_%1").arg(i));
                box->selectAll();
                QTest::keyClicks(box, i == 0 ? start : i == 1 ? end : step);
                QTest::keyClick(box, Qt::Key_Return);
            }
            QTest::keyClick(d.findChild<QPushButton*>("cmdAn"), Qt::Key_Return);
            return d.result();
        });
    }
    void analyse() { QTest::mouseClick(control<QPushButton>("cmdAnal"), Qt::LeftButton); }
};

TEST_F(Analysis, RefusedWithoutACalculationToStartFrom) {
    for (const char* text : {"", "Nespočteno", "Nespočteno!", "Počítám..."}) {
        control<QLabel>("lblStav")->setText(QString::fromUtf8(text));
        boxes.answer(platform::answer::Ok);
        const size_t before = boxes.boxes().size();
        analyse();
        ASSERT_EQ(boxes.boxes().size(), before + 1) << text;
        EXPECT_EQ(boxes.boxes().back().text, refused);
        EXPECT_EQ(boxes.boxes().back().style, 16);
        EXPECT_EQ(boxes.boxes().back().title, "MORV");
    }
    EXPECT_TRUE(modalsShown.empty());
    // The statuses of a solve that ran, converged or not, let it open its settings.
    for (const char* text : {" 7  iterací", " 100  it. DIVERGENCE!", " 3  it. SINGULARITA!"}) {
        control<QLabel>("lblStav")->setText(QString::fromUtf8(text));
        onModal([](QDialog& d) {
            d.reject();
            return d.result();
        });
        analyse();
        EXPECT_EQ(modalsShown.size(), 1u) << text;
        modalsShown.clear();
    }
    EXPECT_EQ(boxes.boxes().size(), 4u);
}

TEST_F(Analysis, RefusedWhileTheResultsAreOverTheirLimit) {
    control<QLabel>("lblStav")->setText(" 7  iterací");
    // 41000 characters (each letter one character, two bytes) still open the settings.
    program().Vysledky.clear();
    for (int i = 0; i < 41000; ++i)
        program().Vysledky += "č";
    onModal([](QDialog& d) {
        d.reject();
        return d.result();
    });
    analyse();
    EXPECT_EQ(modalsShown.size(), 1u);
    program().Vysledky += "x";
    boxes.answer(platform::answer::Ok);
    analyse();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Výsledkové okno je již přeplněno! Uložte je nebo zpracujte,\r\n"
                                     "SMAŽTE HO a potom spusťte analýzu ještě jednou!");
    EXPECT_EQ(boxes.boxes()[0].style, 48);
    EXPECT_EQ(modalsShown.size(), 1u);
}

TEST_F(Analysis, DutyFrom200To300KilowattsIsAppendedAndShownOnTheResultsTab) {
    calculate({0, 1, 7});
    const std::string report = program().Vysledky;
    settings("Převedené teplo", "200", "300", "50");
    analyse();
    ASSERT_EQ(modalsShown, std::vector<std::string>{"frmAnal"});
    EXPECT_TRUE(boxes.boxes().empty());
    const std::string& v = program().Vysledky;
    ASSERT_EQ(v.compare(0, report.size(), report), 0);
    const std::string table = v.substr(report.size());
    EXPECT_EQ(table.rfind("\r\nANALÝZA CITLIVOSTI\r\n\r\nPřevedené teplo\tHmot. průtok v trubkách\t"
                          "Hmot. průtok v plášti\tTeplosměnná plocha   dPtr    dPpl\r\n2.0000E+05\t\t\t",
                          0),
              0u)
        << table;
    EXPECT_NE(table.find("\r\n2.5000E+05\t\t\t"), std::string::npos);
    EXPECT_NE(table.find("\r\n3.0000E+05\t\t\t"), std::string::npos);
    EXPECT_EQ(table.substr(table.size() - 4), "\r\n\r\n");
    EXPECT_EQ(program().AnalPocBodu, 3);
    EXPECT_TRUE(program().AnalHotova);

    // The box shows the whole results, the caret at their end, on the results tab.
    auto* results = control<QPlainTextEdit>("txtRes");
    EXPECT_EQ(results->toPlainText(), QString::fromStdString(v).remove(QChar(u'\r')));
    EXPECT_EQ(results->textCursor().position(), results->toPlainText().size());
    EXPECT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), 6);
    const std::vector<int> values = bar.values();
    ASSERT_GE(values.size(), 3u);
    EXPECT_EQ(std::vector<int>(values.end() - 3, values.end()), (std::vector<int>{0, 50, 100}));
    EXPECT_FALSE(bar.isVisible());
    // The main window still shows the calculation.
    EXPECT_TRUE(status().endsWith(QStringLiteral("  iterací")));
}

TEST_F(Analysis, RangeOfWholeStepsEndsAtItsEnd) {
    // The water's inlet temperature from 6 to 9 °C by 0.1 K: the points are 6 + k 0.1, k = 0 to
    // 30, so 31 rows, the last at 9 itself.
    calculate({0, 6, 7});
    for (const char sep : {'.', ','}) {
        SCOPED_TRACE(std::string("decimal separator ") + sep);
        platform::DecimalSeparatorScope scope(sep);
        const size_t before = program().Vysledky.size();
        settings("Vstupní teplota do trubek", "6", "9", sep == ',' ? "0,1" : "0.1");
        analyse();
        EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes()[0].text;
        ASSERT_EQ(program().AnalPocBodu, 31);
        for (int k = 0; k <= 30; ++k)
            EXPECT_EQ(program().AnalX[size_t(k + 1)], static_cast<double>(static_cast<float>(6.0 + k * 0.1)))
                << k;
        // The varied value of each data row (the lines with a run of three TABs).
        const std::string table = program().Vysledky.substr(before);
        std::vector<std::string> rows;
        for (size_t from = 0, at; (at = table.find("\r\n", from)) != std::string::npos; from = at + 2) {
            const std::string line = table.substr(from, at - from);
            if (line.find("\t\t\t") != std::string::npos) rows.push_back(line.substr(0, line.find('\t')));
        }
        ASSERT_EQ(rows.size(), 31u) << table;
        EXPECT_EQ(rows.front(), sep == ',' ? "6,0000" : "6.0000");
        EXPECT_EQ(rows.back(), sep == ',' ? "9,0000" : "9.0000");
    }
}

TEST_F(Analysis, StornoLeavesEverythingAsItWas) {
    calculate({0, 6, 7});
    const std::string report = program().Vysledky;
    program().AnalX[1] = 42.0;
    onModal([](QDialog& d) {
        QTest::mouseClick(d.findChild<QPushButton*>("smdSt"), Qt::LeftButton);
        return d.result();
    });
    analyse();
    EXPECT_EQ(program().Vysledky, report);
    EXPECT_FALSE(program().AnalHotova);
    EXPECT_EQ(program().AnalX[1], 42.0);
    EXPECT_EQ(program().AnalProm, -1);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_NE(control<QTabWidget>("SSTab1")->currentIndex(), 6);
}

//! The shell stream's own properties, except that its gas viscosity fails once the shell flow
//! is above a limit, as the property library fails for data it cannot take.
class FailingAbove final : public morvtest::ForwardingProperties {
public:
    //! Asks the stream's mixture object, which serves it while it has no source of its own.
    FailingAbove(morv::Proud& stream, double limit)
        : ForwardingProperties(stream.properties()), m_stream(stream), m_limit(limit) {}

    Variant ETAG(const Variant& T, const VArray& r) override {
        if (m_stream.m() > m_limit) platform::raise(kwelar::ChybaVypoctu, "KWELAR - ETAG");
        return ForwardingProperties::ETAG(T, r);
    }

private:
    morv::Proud& m_stream;
    double m_limit;
};

TEST_F(Analysis, ErrorAtAPointEndsTheAnalysisAndKeepsTheRowsBeforeIt) {
    calculate({0, 6, 7});
    const std::string report = program().Vysledky;
    morv::Proud& shell = program().Vymenik().Pl();
    shell.properties(std::make_shared<FailingAbove>(shell, 1.05));
    // The shell flow of 1 kg/s, 1.1 and 1.2 kg/s: the second point fails.
    settings("Hmotový průtok v plášti", "1", "1.2", "0.1");
    boxes.answer(platform::answer::Ok);
    analyse();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Fatální chyba pro daná data!\r\nKWELAR - ETAG\r\nZměňte zadání!");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(boxes.boxes()[0].title, "MORV - výpočet");
    EXPECT_EQ(program().AnalPocBodu, 1);
    const std::string table = program().Vysledky.substr(report.size());
    EXPECT_NE(table.find("dPpl\r\n1.0000\t\t\t"), std::string::npos) << table;
    EXPECT_EQ(table.find("1.1000\t\t\t"), std::string::npos) << table;
    // The table ends with where and why: the property library's error names its function.
    const std::string why = "Výpočet pro hodnotu 1.1000 skončil chybou č. -2147220904: KWELAR - ETAG, "
                            "analýza ukončena!\r\n\r\n";
    ASSERT_GE(table.size(), why.size());
    EXPECT_EQ(table.substr(table.size() - why.size()), why) << table;
    EXPECT_TRUE(program().AnalHotova);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), 6);
    shell.properties(nullptr);
}

//! Waits until the window is the active one, as it is once shown over the active main window.
bool becomesActive(QWidget& w) {
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; });
}

//! The sequences of a user on the sample task, under the C library's locale and under one
//! that writes a decimal comma, as the window toolkit sets it from a Czech user's environment.
class AnalysisSequence : public Analysis, public ::testing::WithParamInterface<const char*> {
protected:
    void TearDown() override {
        if (auto* choice = window->findChild<morv::frmPreGraf*>()) choice->hide();
        Analysis::TearDown();
    }
    void clearResults() { QTest::mouseClick(control<QPushButton>("cmdSmaz"), Qt::LeftButton); }
    //! The settings window opened and left with "Storno" after `act` on it.
    void settingsThenStorno(std::function<void(QDialog&)> act) {
        onModal([act](QDialog& d) {
            d.show();
            d.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
            act(d);
            QTest::mouseClick(d.findChild<QPushButton*>("smdSt"), Qt::LeftButton);
            return d.result();
        });
    }
    morv::frmPreGraf& openCharts() {
        QTest::mouseClick(control<QPushButton>("cmdGraf"), Qt::LeftButton);
        auto* choice = window->findChild<morv::frmPreGraf*>();
        EXPECT_NE(choice, nullptr);
        EXPECT_TRUE(becomesActive(*choice));
        return *choice;
    }
    //! The captions of the chart that "Zobrazit graf" shows, which is closed with a click.
    std::pair<std::string, std::string> chartCaptions(morv::frmPreGraf& choice) {
        std::pair<std::string, std::string> xy;
        onModal([&xy](QDialog& d) {
            auto& chart = dynamic_cast<morv::frmGraf&>(d);
            d.show();
            d.activateWindow();
            EXPECT_TRUE(becomesActive(d));
            if (chart.chart()) xy = {chart.chart()->PopisX, chart.chart()->PopisY};
            QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(20, 20));
            return d.result();
        });
        QTest::mouseClick(choice.cmdGr, Qt::LeftButton);
        return xy;
    }
    static std::vector<double> plotted(int16_t series) {
        const auto& y = program().AnalY[size_t(series)];
        return {y.begin() + 1, y.begin() + 1 + program().AnalPocBodu};
    }

    testsupport::ProcessLocale locale{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Locales, AnalysisSequence, ::testing::ValuesIn(testsupport::ProcessLocales),
                         [](const auto& info) { return testsupport::processLocaleName(info.param); });

TEST_P(AnalysisSequence, ChartsNameTheQuantitiesOfTheAnalysisAfterTheUnknownsChanged) {
    // The shell flow varied with the tube flow, the duty and the area unknown.
    calculate({0, 6, 7});
    settings("Hmotový průtok v plášti", "0.8", "1.2", "0.1");
    analyse();
    ASSERT_EQ(program().AnalPocBodu, 5);
    const std::vector<double> tubeFlows = plotted(0);
    // The tube outlet temperature unknown instead of the tube flow, the results cleared, the
    // task calculated again; another quantity chosen in the settings, then "Storno".
    clearResults();
    calculate({4, 6, 7});
    settingsThenStorno([](QDialog& d) {
        auto* list = d.findChild<QComboBox*>("cmbProm");
        const int at = list->findText("Vstupní teplota do trubek");
        list->setCurrentIndex(at);
        emit list->activated(at);
    });
    analyse();
    EXPECT_EQ(program().AnalNazev, "Vstupní teplota do trubek");

    // The charts still show the analysis made, under its own names.
    morv::frmPreGraf& choice = openCharts();
    EXPECT_EQ(choice.lblBaz->text(), "Hmotový průtok v plášti");
    EXPECT_EQ(choice.optAn[0]->text(), "Hmot.průtok trubky");
    EXPECT_EQ(choice.optAn[1]->text(), "Převedené teplo (W)");
    EXPECT_EQ(choice.optAn[2]->text(), "Teplosměnná plocha (m2)");
    EXPECT_EQ(chartCaptions(choice),
              (std::pair<std::string, std::string>{"Hmotový průtok v plášti", "Hmot.průtok trubky"}));
    EXPECT_EQ(program().GrafVelicina, 0);
    EXPECT_EQ(plotted(0), tubeFlows);
    // The tube flows of the sample, around 27 kg/s: no outlet temperature among them.
    EXPECT_GT(*std::min_element(tubeFlows.begin(), tubeFlows.end()), 15.0);
    EXPECT_NE(tubeFlows.front(), tubeFlows.back());

    // A new analysis while the choice stays open: its charts bear its own names at once.
    settings("Hmotový průtok v trubkách", "25", "28", "1");
    analyse();
    ASSERT_EQ(program().AnalPocBodu, 4);
    choice.optAn[0]->setChecked(true);
    EXPECT_EQ(chartCaptions(choice),
              (std::pair<std::string, std::string>{"Hmotový průtok v trubkách", "Výstup.tepl. trubky"}));
    EXPECT_EQ(choice.lblBaz->text(), "Hmotový průtok v trubkách");
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_P(AnalysisSequence, QuantityThatIsNowAnUnknownIsNotVariedAgain) {
    calculate({0, 6, 7});
    settings("Hmotový průtok v plášti", "0.8", "1.2", "0.1");
    analyse();
    ASSERT_EQ(program().AnalPocBodu, 5);
    // The shell flow is now one of the unknowns.
    calculate({1, 4, 7});
    const std::string results = program().Vysledky;
    const QString shown = window->txtRes->toPlainText();
    const std::vector<double> x = program().AnalX;
    const std::vector<double> flows = plotted(0);
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    settingsThenStorno([](QDialog& d) {
        EXPECT_EQ(d.findChild<QComboBox*>("cmbProm")->findText("Hmotový průtok v plášti"), -1);
        // "Analyzuj" without a choice in the list: refused, and the window stays for one.
        QTest::mouseClick(d.findChild<QPushButton*>("cmdAn"), Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), d.findChild<QComboBox*>("cmbProm"));
        QTest::mouseClick(d.findChild<QPushButton*>("cmdAn"), Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
    });
    analyse();
    ASSERT_EQ(boxes.boxes().size(), 2u);
    for (const auto& box : boxes.boxes()) {
        EXPECT_EQ(box.text, "Hmotový průtok v plášti je nyní jednou z neznámých!\r\n"
                            "Vyberte v seznamu zadanou proměnnou pro analýzu!");
        EXPECT_EQ(box.style, 16);
        EXPECT_EQ(box.title, "HE");
    }
    // Nothing computed, nothing appended: the last analysis stays as it was.
    EXPECT_EQ(program().Vysledky, results);
    EXPECT_EQ(window->txtRes->toPlainText(), shown);
    EXPECT_EQ(program().AnalPocBodu, 5);
    EXPECT_EQ(program().AnalX, x);
    EXPECT_EQ(plotted(0), flows);
    EXPECT_TRUE(program().AnalHotova);
    EXPECT_FALSE(bar.isVisible());

    // Chosen in the list, a known quantity is varied.
    settings("Převedené teplo", "200", "300", "50");
    analyse();
    EXPECT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(program().AnalPocBodu, 3);
    EXPECT_NE(program().Vysledky.find("\r\nPřevedené teplo\tHmot. průtok v plášti\tVýstup. teplota trubky\t"
                                      "Teplosměnná plocha   dPtr    dPpl\r\n",
                                      results.size()),
              std::string::npos);
}

TEST_P(AnalysisSequence, ErrorAtAPointLeavesALineSayingWhereAndWhy) {
    // The tube inlet temperature from 20 °C: at 30 °C it equals the outlet temperature.
    calculate({0, 6, 7});
    const std::string report = program().Vysledky;
    settings("Vstupní teplota do trubek", "20", "80", "10");
    boxes.answer(platform::answer::Ok);
    analyse();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Výpočet - Chyba č.  6\r\nOverflow");
    EXPECT_EQ(program().AnalPocBodu, 1);
    const std::string table = program().Vysledky.substr(report.size());
    const size_t row = table.find("dPpl\r\n20.000\t\t\t");
    ASSERT_NE(row, std::string::npos) << table;
    const size_t line = table.find("\r\n", row + 6) + 2;
    EXPECT_EQ(table.substr(line),
              "Výpočet pro hodnotu 30.000 skončil chybou č. 6: Overflow, analýza ukončena!"
              "\r\n\r\n");
    // Shown on the results tab as appended.
    EXPECT_TRUE(window->txtRes->toPlainText().endsWith(
        QStringLiteral("Výpočet pro hodnotu 30.000 skončil chybou č. 6: Overflow, analýza ukončena!\n\n")));
    EXPECT_TRUE(program().AnalHotova);
}

} // namespace

namespace {

TEST_F(Analysis, ScreenshotOfTheTableOnTheResultsTab) {
    const QByteArray folder = qgetenv("MORV_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "MORV_SCREENSHOTS names no folder";
    QDir().mkpath(QString::fromLocal8Bit(folder));
    calculate({0, 1, 7});
    settings("Převedené teplo", "200", "300", "50");
    analyse();
    window->resize(900, 640);
    QApplication::processEvents();
    EXPECT_TRUE(window->grab().save(QString::fromLocal8Bit(folder) + "/frmHE-analysis.png"));
}

// The chart of the README, made by the steps the README gives: the sample task opened, the
// duty's "Dopočítat" unticked and the shell flow's ticked (the unknowns become the two flows
// and the area), "Spustit výpočet", "Analýza citlivosti" with "Převedené teplo" from 200 to
// 300 kW in steps of 25, "Analyzuj", then on the results tab "Zobrazit graf analýzy" and
// "Zobrazit graf" on the first quantity, the cooling-water flow; with a decimal comma. The
// picture is saved as readme-chart.png, which scripts/screenshots copies into docs/images.
TEST_F(Analysis, ScreenshotOfTheReadmeChartMadeByTheReadmeSteps) {
    const QByteArray folder = qgetenv("MORV_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "MORV_SCREENSHOTS names no folder";
    QDir().mkpath(QString::fromLocal8Bit(folder));
    window->resize(1180, 660);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(becomesActive(*window));
    auto* fromFile = control<QAbstractButton>("optZads");
    QTest::mouseClick(fromFile, Qt::LeftButton, {}, QPoint(8, fromFile->height() / 2));
    dialogs.choose(morvtest::sampleTaskPath(morvtest::sampleTask), 3);
    QTest::mouseClick(control<QPushButton>("cmdNactiD"), Qt::LeftButton);
    for (const char* tick : {"chkPar_6", "chkPar_1"}) {
        auto* box = control<QCheckBox>(tick);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, box->height() / 2));
    }
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(window->chkPar[size_t(i)]->isChecked(), i == 0 || i == 1 || i == 7) << i;
    QTest::mouseClick(control<QPushButton>("cmdVypoc"), Qt::LeftButton);
    ASSERT_TRUE(status().endsWith(QStringLiteral("  iterací"))) << status().toStdString();
    // The task's boxes were shown with a decimal point; the rest reads and writes commas.
    platform::DecimalSeparatorScope comma(',');
    settings("Převedené teplo", "200", "300", "25");
    analyse();
    ASSERT_EQ(program().AnalPocBodu, 5);
    ASSERT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), 6);
    QTest::mouseClick(control<QPushButton>("cmdGraf"), Qt::LeftButton);
    auto* choice = window->findChild<morv::frmPreGraf*>();
    ASSERT_NE(choice, nullptr);
    ASSERT_TRUE(becomesActive(*choice));
    EXPECT_TRUE(choice->optAn[0]->isChecked());
    onModal([&](QDialog& d) {
        d.show();
        d.activateWindow();
        EXPECT_TRUE(becomesActive(d));
        QApplication::processEvents();
        EXPECT_EQ(dynamic_cast<morv::frmGraf&>(d).chart()->PopisY, "Hmot.průtok trubky");
        EXPECT_TRUE(d.grab().save(QString::fromLocal8Bit(folder) + "/readme-chart.png"));
        QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(20, 20));
        return d.result();
    });
    QTest::mouseClick(choice->cmdGr, Qt::LeftButton);
    choice->hide();
}

} // namespace
