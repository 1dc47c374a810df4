// The calculation started from the main window: its refusals, the solve with its progress,
// statuses and messages, the write-back and the report appended to the results.

#include "MainWindowFixture.h"

#include "FixtureProperties.h"
#include "KWELARdll/model/KwelarConstants.h"
#include "MORV/model/TaskCommands.h"
#include "MORV/window/Vypocet.h"
#include "Platform/Progress.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

#include <filesystem>
#include <fstream>
#include <sstream>

using morv::program;
using morvtest::MainWindowTest;

namespace {

//! The sample task loaded and shown as the load command does, with the recording bar.
class Calculation : public morvtest::SampleTaskWindowTest {
protected:
    QLineEdit* box(const QString& name) { return control<QLineEdit>(name); }
    QString status() { return control<QLabel>("lblStav")->text(); }
    //! Presses the calculation button with the mouse.
    void calculate() { QTest::mouseClick(control<QPushButton>("cmdVypoc"), Qt::LeftButton); }
};

} // namespace

TEST_F(Calculation, SampleTaskSolvesShowsItsResultsAndReports) {
    calculate();
    EXPECT_TRUE(status().endsWith(QStringLiteral("  iterací"))) << status().toStdString();
    EXPECT_EQ(bar.values(), (std::vector<int>{1, 10, 25, 50, 70, 90}));
    EXPECT_FALSE(bar.isVisible());
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes()[0].text;
    const morv::TARMST& m = program().Vymenik();
    // The solved duty is shown in kW, the pressure drops are filled, the report is shown.
    EXPECT_NEAR(box("txtPar_6")->text().toDouble(), m.Q / 1000.0, 1e-4 * m.Q / 1000.0);
    EXPECT_FALSE(box("txtDp_14")->text().isEmpty());
    EXPECT_FALSE(box("txtDp_29")->text().isEmpty());
    const std::string report = program().Vysledky;
    EXPECT_EQ(report.rfind("VÝPOČET TRUBKOVÉHO KONDENZÁTORU\r\n\r\n", 0), 0u);
    EXPECT_EQ(report.substr(report.size() - 6), "\r\n\r\n\r\n");
    EXPECT_EQ(control<QPlainTextEdit>("txtRes")->toPlainText().toStdString().substr(0, 10),
              report.substr(0, 10));
    EXPECT_EQ(program().PosledniVysl, 0);

    // A second report follows the first after its two empty lines; the last report starts where
    // the first ended.
    calculate();
    const std::string& twice = program().Vysledky;
    EXPECT_EQ(twice.compare(0, report.size(), report), 0);
    EXPECT_EQ(twice.find("VÝPOČET TRUBKOVÉHO KONDENZÁTORU", 1), report.size());
    EXPECT_EQ(program().PosledniVysl,
              static_cast<int>(QString::fromStdString(report).remove(QChar(u'\r')).size()));
    QTest::mouseClick(control<QPushButton>("cmdVysl"), Qt::LeftButton);
    EXPECT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), 6);
    EXPECT_EQ(control<QPlainTextEdit>("txtRes")->textCursor().position(), program().PosledniVysl);
}

TEST_F(Calculation, ReportOfTheSampleTaskIsTheGoldenFile) {
    calculate();
    const std::string golden = std::string(MORV_WINDOW_TEST_DATA) + "/methanol-condenser-report.txt";
    if (qEnvironmentVariableIsSet("MORV_WRITE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << program().Vysledky;
        GTEST_SKIP() << "golden file written";
    }
    std::ifstream in(golden, std::ios::binary);
    ASSERT_TRUE(in) << golden;
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(program().Vysledky, expected.str());
}

TEST_F(Calculation, ResultsTextOverItsLimitRefusesTheRun) {
    // 38000 characters (each letter one character, two bytes) still run.
    program().Vysledky.clear();
    for (int i = 0; i < 38000; ++i)
        program().Vysledky += "č";
    calculate();
    EXPECT_TRUE(status().endsWith(QStringLiteral("  iterací")));
    program().Vysledky = std::string(38001, 'x');
    boxes.answer(platform::answer::Ok);
    calculate();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Výsledkové okno je již přeplněno! Uložte je nebo zpracujte,\r\n"
                                     "SMAŽTE HO a potom spusťte výpočet ještě jednou!");
    EXPECT_EQ(boxes.boxes()[0].style, 48);
    EXPECT_EQ(status(), "Počítám...");
}

namespace {

struct Refusal {
    const char* name;
    std::function<void(morvtest::MainWindowTest&, morv::frmHE&)> setUp;
    const char* message;
    int style;
    const char* status;
    bool barShown;
};

std::ostream& operator<<(std::ostream& os, const Refusal& r) {
    return os << r.name;
}

class Refusals : public Calculation, public ::testing::WithParamInterface<Refusal> {};

void text(morv::frmHE& w, const char* name, const char* t) {
    w.findChild<QLineEdit*>(name)->setText(t);
}

} // namespace

TEST_P(Refusals, ShowTheirMessageAndStop) {
    const Refusal& r = GetParam();
    r.setUp(*this, *window);
    const std::string before = program().Vysledky;
    boxes.answer(platform::answer::Ok);
    calculate();
    ASSERT_FALSE(boxes.boxes().empty());
    EXPECT_EQ(boxes.boxes()[0].text, r.message);
    EXPECT_EQ(boxes.boxes()[0].style, r.style);
    EXPECT_EQ(status().toStdString(), r.status);
    EXPECT_EQ(bar.isVisible(), r.barShown);
    EXPECT_EQ(program().Vysledky, before);
}

INSTANTIATE_TEST_SUITE_P(
    Driver, Refusals,
    ::testing::Values(
        Refusal{"BothMediaLiquid", [](auto&, morv::frmHE& w) { w.cmbSkT->setCurrentText("kapalné"); },
                "Aspoň jedno médium musí být plynné!", 48, "Počítám...", false},
        Refusal{"ShortTubes", [](auto&, morv::frmHE& w) { text(w, "txtPark_3", "0.049"); },
                "Nerálná konstrukční data! Zkontrolujte!", 16, "Počítám...", false},
        Refusal{"TinyFlow", [](auto&, morv::frmHE& w) { text(w, "txtPar_1", "0.0002"); },
                "Nerálná základní data! Zkontrolujte!", 16, "Počítám...", false},
        Refusal{"CondensingInletColderThanTheWater",
                [](auto&, morv::frmHE& w) {
                    text(w, "txtPar_3", "15");
                    text(w, "txtPar_5", "10");
                },
                "Vstupní teplota kondenzovaného proudu musí být vyšší,\r\nnež kondenzačního!", 16,
                "Počítám...", false},
        Refusal{
            "FourUnknowns", [](auto&, morv::frmHE& w) { w.chkPar[2]->setChecked(true); },
            "Nevybrali jste správně 3 neznámé k výpočtu!\r\nNebo zadáváte přeurčené známé (Q a údaje jednoho "
            "proudu)",
            16, "Nespočteno!", false},
        Refusal{"NoComposition", [](auto&, morv::frmHE&) { program().Vymenik().TrbP = platform::Variant(); },
                "Zkontrolujte, zda bylo zadáno a spočteno složení proudů!", 48, "Počítám...", false},
        Refusal{"UnreadableBox", [](auto&, morv::frmHE& w) { text(w, "txtPar_3", ""); },
                "Nelze přečíst: Vstupní teplota (°C) - Prostor pláště na listu 'Základní'!\r\n"
                "Výpočet - Chyba č.  13\r\nType mismatch",
                16, "Nespočteno!", false},
        Refusal{
            "WaterTooLittleForFixedWater",
            [](auto&, morv::frmHE& w) {
                for (int i = 0; i < 8; ++i)
                    w.chkPar[static_cast<size_t>(i)]->setChecked(i == 5 || i == 6 || i == 7);
                text(w, "txtPar_0", "0.5");
            },
            "Zadané množství chladící vody nestačí na zkondenzování!\r\nPotřebujete min. 26.7407 kg/s vody",
            48, "Nespočteno!", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Calculation, BoxThatCannotBeTakenIsNamedWithItsTab) {
    struct Case {
        char sep;
        const char *box, *typed, *named, *error;
    };
    const char* const mismatch = "Výpočet - Chyba č.  13\r\nType mismatch";
    const Case cases[] = {
        // A unit left behind when the box was left with Tab, not Enter.
        {'.', "txtPtr", "3 bar", "Tlak na vstupu do trubek (MPa) na listu 'Základní'", mismatch},
        {',', "txtPtr", "3 bar", "Tlak na vstupu do trubek (MPa) na listu 'Základní'", mismatch},
        {',', "txtPar_0", "26.78", "Průtok (kg/s) - Trubkový prostor na listu 'Základní'", mismatch},
        {'.', "txtPark_4", "40000", "Počet trubek ve svazku na listu 'Konstrukční'",
         "Výpočet - Chyba č.  6\r\nOverflow"},
        {',', "txtSl_18", "", "Obsah inertů (mol.zlomek) na listu 'Složení proudů'", mismatch},
        {'.', "txtNum", "x", "Číslo aparátu", mismatch},
    };
    for (const Case& c : cases) {
        platform::DecimalSeparatorScope scope(c.sep);
        morv::ZobrazData(*window);
        box(c.box)->setText(QString::fromUtf8(c.typed));
        boxes.answer(platform::answer::Ok);
        calculate();
        ASSERT_FALSE(boxes.boxes().empty()) << c.box;
        EXPECT_EQ(boxes.boxes().back().text, std::string("Nelze přečíst: ") + c.named + "!\r\n" + c.error)
            << c.sep;
        EXPECT_EQ(boxes.boxes().back().style, 16);
        EXPECT_EQ(status(), "Nespočteno!");
    }
    EXPECT_EQ(boxes.boxes().size(), std::size(cases));
    EXPECT_EQ(program().Vysledky, "");
}

TEST_F(Calculation, CancelledTaskSaveSolvesNothing) {
    control<QCheckBox>("chkZap")->setChecked(true);
    dialogs.cancel();
    boxes.answer(platform::answer::Ok);
    calculate();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Uživatel stiskl CANCEL, data neuložena!");
    EXPECT_EQ(program().Vysledky, "");
    ASSERT_EQ(dialogs.requests().size(), 1u);
    EXPECT_EQ(dialogs.requests()[0].filterIndex, 2);
    EXPECT_TRUE(dialogs.requests()[0].save);
}

TEST_F(Calculation, SavedTaskBeforeTheSolve) {
    control<QCheckBox>("chkZap")->setChecked(true);
    const std::string file = folder.path() + "/pred.dat";
    dialogs.choose(file, 2);
    calculate();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));
    EXPECT_EQ(control<QLabel>("lblFile")->text().toStdString(), file);
    EXPECT_TRUE(status().endsWith(QStringLiteral("  iterací")));
}

TEST_F(Calculation, FailedTaskSaveIsShownKeepsTheFileLabelAndSolves) {
    QLabel* file = control<QLabel>("lblFile");
    file->setText(QStringLiteral("ulozena.dat"));
    control<QCheckBox>("chkZap")->setChecked(true);
    // A folder in place of the file: it cannot be written.
    dialogs.choose(folder.path(), 2);
    boxes.answer(platform::answer::Ok);
    calculate();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text.rfind("Výpočet - Chyba č.  75\r\n", 0), 0u) << boxes.boxes()[0].text;
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(file->text(), QStringLiteral("ulozena.dat"));
    EXPECT_TRUE(status().endsWith(QStringLiteral("  iterací")));
}

// A task opened from a folder the user may not write, as the installed sample tasks' folder
// is: the save before the calculation offers the same file name in the home folder, and the
// task is written there; the sample stays as it was.
TEST_F(Calculation, TaskOpenedFromAReadOnlyFolderIsOfferedForSavingInTheHomeFolder) {
    const std::string original = testsupport::readBytes(morvtest::sampleTaskPath(morvtest::sampleTask));
    const std::string sample = folder.write("tasks/methanol-condenser.dat", original);
    const std::string home = folder.file("home");
    std::filesystem::create_directory(home);
    testsupport::EnvironmentVariable homeVariable("HOME", home);
    testsupport::ReadOnly readOnly(folder.file("tasks"));
    auto* fromFile = control<QAbstractButton>("optZads");
    QTest::mouseClick(fromFile, Qt::LeftButton, {}, QPoint(8, fromFile->height() / 2));
    dialogs.choose(sample, 3);
    QTest::mouseClick(control<QPushButton>("cmdNactiD"), Qt::LeftButton);
    ASSERT_EQ(control<QLabel>("lblFile")->text().toStdString(), sample);

    control<QCheckBox>("chkZap")->setChecked(true);
    const std::string offered = home + "/methanol-condenser.dat";
    dialogs.choose(offered, 2);
    calculate();
    ASSERT_EQ(dialogs.requests().size(), 2u);
    EXPECT_TRUE(dialogs.requests()[1].save);
    EXPECT_EQ(dialogs.requests()[1].fileName, offered);
    EXPECT_EQ(dialogs.requests()[1].folder, home);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(offered)));
    EXPECT_EQ(control<QLabel>("lblFile")->text().toStdString(), offered);
    EXPECT_EQ(testsupport::readBytes(sample), original);
    EXPECT_TRUE(status().endsWith(QStringLiteral("  iterací"))) << status().toStdString();
}

TEST_F(Calculation, ShortEstimateOfWaterAsksAndNoEnds) {
    box("txtPar_0")->setText("0.5");
    boxes.answer(platform::answer::No);
    calculate();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].title, "MORV - odhady");
    EXPECT_EQ(boxes.boxes()[0].style, 308);
    EXPECT_EQ(
        boxes.boxes()[0].text.rfind("Množství chladící vody nestačí na zkondenzování!\r\nPro daný odhad "
                                    "potřebujete min. ",
                                    0),
        0u);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(program().Vysledky, "");
}

TEST_F(Calculation, InertsSetTheDampingAndTolerance) {
    struct Case {
        const char* inerts;
        int method;
        double damping;
    };
    for (const Case& c : {Case{"0.05", 2, 0.4 / 25}, Case{"0.06", 1, 0.4 / 45}, Case{"0.02", 1, 0.4}}) {
        box("txtSl_18")->setText(c.inerts);
        program().Kondenzator().MetodaP = c.method;
        boxes.service().allowUnscripted(true);
        calculate();
        EXPECT_DOUBLE_EQ(program().TlumAkt.toDouble(), c.damping) << c.inerts;
    }
}

TEST_F(Calculation, IterationLimitShowsTheResidualsAndWritesNoReport) {
    program().MaxIter = 1;
    boxes.answer(platform::answer::Ok);
    calculate();
    EXPECT_TRUE(QRegularExpression("^ \\d+  it\\. DIVERGENCE!$").match(status()).hasMatch())
        << status().toStdString();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text.rfind("Překročen max.počet iterací  1\r\nSuma Abs reziduí = ", 0), 0u);
    EXPECT_EQ(boxes.boxes()[0].style, 64);
    EXPECT_EQ(bar.values(), (std::vector<int>{1, 10, 25, 50}));
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(program().Vysledky, "");
    // The last iterate is shown all the same.
    EXPECT_NE(box("txtPar_6")->text(), "1111.0");
}

// Pressure drops are shown only by a calculation that converged: one that ends without them
// leaves their boxes empty and uncoloured, not showing those of the calculation before.
TEST_F(Calculation, CalculationWithoutPressureDropsLeavesTheirBoxesEmptyAndUncoloured) {
    const struct {
        const char* what;
        std::function<void()> setUp;
    } cases[] = {
        {"no convergence", [] { program().MaxIter = 1; }},
        {"refused", [this] { control<QComboBox>("cmbSkT")->setCurrentText(QStringLiteral("kapalné")); }}};
    const QColor plain = QLineEdit().palette().color(QPalette::Text);
    for (const char sep : {'.', ','})
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " " + sep);
            platform::DecimalSeparatorScope region(sep);
            ASSERT_EQ(morv::loadTask(program(), morvtest::sampleTaskPath(morvtest::sampleTask)), 0);
            morv::ZobrazData(*window);
            program().MaxIter = 100;
            calculate();
            ASSERT_TRUE(status().endsWith(QStringLiteral("  iterací"))) << status().toStdString();
            ASSERT_FALSE(box("txtDp_14")->text().isEmpty());
            // A result outside its usual range is shown red.
            morv::setTextColour(*box("txtDp_7"), morv::colour::outOfRange);

            c.setUp();
            boxes.answer(platform::answer::Ok);
            calculate();
            ASSERT_EQ(boxes.boxes().size(), 1u);
            for (int i = 0; i < 30; ++i) {
                QLineEdit* b = box(QStringLiteral("txtDp_%1").arg(i));
                EXPECT_EQ(b->text(), QString()) << i;
                EXPECT_EQ(b->palette().color(QPalette::Text), plain) << i;
            }
            boxes->clear();
        }
}

TEST_F(Calculation, NoToTheReportQuestionWritesNoReport) {
    control<QCheckBox>("chkVysl")->setChecked(true);
    boxes.answer(platform::answer::No);
    calculate();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Zapsat výsledky do okna výsledků?");
    EXPECT_EQ(boxes.boxes()[0].title, "HE");
    EXPECT_EQ(program().Vysledky, "");
}

TEST_F(Calculation, ClearingTheResultsEmptiesTextAndBox) {
    calculate();
    QTest::mouseClick(control<QPushButton>("cmdSmaz"), Qt::LeftButton);
    EXPECT_EQ(program().Vysledky, "");
    EXPECT_EQ(control<QPlainTextEdit>("txtRes")->toPlainText(), "");
    window->cmdVysl_Click();
    EXPECT_EQ(control<QPlainTextEdit>("txtRes")->textCursor().position(), 0);
}

TEST_F(Calculation, StreamWithoutComponentsStillReports) {
    calculate();
    program().Vymenik().Tr().S().Nsloz(platform::Variant(int16_t{0}));
    morv::ReportBoxes b = window->reportBoxes();
    morv::VypisVysledky(program(), b);
    const std::string& r = program().Vysledky;
    EXPECT_NE(r.find("Trubkový prostor\t\t\tXhmot\tXmol\r\nStřední hustota (kg/m3)\t\t\t"),
              std::string::npos);
}

namespace {

//! The sample task with steam-like fixture properties on the shell side, so that a test can
//! make one property fail or vanish.
class CalculationOnFixtureShell : public Calculation {
protected:
    void SetUp() override {
        Calculation::SetUp();
        shell->dhvw = morvtest::FixtureProperties::constant(1.0e6);  // about methanol's [J/kg]
        shell->cpgw = morvtest::FixtureProperties::constant(1470.0); // [J/kg/K]
        program().Vymenik().Pl().properties(shell);
    }
    std::shared_ptr<morvtest::FixtureProperties> shell = std::make_shared<morvtest::FixtureProperties>();
};

} // namespace

TEST_F(CalculationOnFixtureShell, PropertyLibraryErrorIsFatalAndWritesNothingBack) {
    shell->etag = [](double) -> double { platform::raise(kwelar::ChybaVypoctu, "KWELAR - ETAG"); };
    const QString duty = box("txtPar_6")->text();
    const double Q = program().Vymenik().Q;
    boxes.answer(platform::answer::Ok);
    calculate();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Fatální chyba pro daná data!\r\nKWELAR - ETAG\r\nZměňte zadání!");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(boxes.boxes()[0].title, "MORV - výpočet");
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(box("txtPar_6")->text(), duty);
    EXPECT_EQ(program().Vymenik().Q, Q);
    EXPECT_EQ(program().Vysledky, "");
}

TEST_F(CalculationOnFixtureShell, OtherErrorInTheSolveIsNoConvergedResult) {
    // A division by zero inside the model used to resume as a converged solve.
    shell->etag = [](double) -> double { platform::raise(11); };
    const QString duty = box("txtPar_6")->text();
    boxes.answer(platform::answer::Ok);
    calculate();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Výpočet - Chyba č.  11\r\nDivision by zero");
    EXPECT_EQ(status(), "Nespočteno!");
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(box("txtPar_6")->text(), duty);
    EXPECT_EQ(program().Vysledky, "");
}

TEST_F(CalculationOnFixtureShell, SingularStepShowsItsStatus) {
    // With a vanishing condensate conductivity the shell coefficient is all but zero: the area
    // then changes no residual by a measurable amount and the Newton step is singular.
    shell->alal = morvtest::FixtureProperties::constant(1e-30);
    calculate();
    EXPECT_TRUE(QRegularExpression("^ \\d+  it\\. SINGULARITA!$").match(status()).hasMatch())
        << status().toStdString();
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(program().Vysledky, "");
}
