// The main window: its controls and captions, the load, each activation with the splash of
// the first one, and moving between the tabs.

#include "MainWindowFixture.h"

#include "MORV/model/TaskCommands.h"
#include "MORV/window/Version.h"
#include "MORV/window/Vypocet.h"
#include "MORV/window/frmMetod.h"
#include "MORV/window/frmSplash.h"
#include "Platform/qt/FlexGrid.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using morv::program;
using morvtest::MainWindowTest;

namespace {

QString textOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    return {};
}

QStringList gridRow(platform::FlexGrid* g, int row) {
    QStringList r;
    for (int c = 0; c < g->Cols(); ++c)
        r << g->TextMatrix(row, c);
    return r;
}

} // namespace

TEST_F(MainWindowTest, EveryControlStandsWithItsCaption) {
    struct Case {
        const char* name;
        const char* caption;
    };
    const Case cases[] = {
        {"cmdNactiD", "&Načíst data ze souboru"},
        {"cmdVypoc", "Spustit &výpočet"},
        {"cmdKon", "&Konec"},
        {"cmdVysl", "&Zobrazit výsledkové okno"},
        {"Frame1", " Základní parametry výměníku "},
        {"Frame2", " Řídící parametry "},
        {"chkVysl", "Před zápisem výsledků do okna vyžádat potvrzení"},
        {"chkZap", "Zapsat vložená výchozí data před výpočtem do souboru"},
        {"chkRes", "Výsledky nakonec zapsat do souboru (pokud existuje, přidat)"},
        {"optZadk", "Zadání dat z klávesnice"},
        {"optZads", "Zadání dat ze souboru"},
        {"cmdAnal", "&Analýza citlivosti"},
        {"lblHelp", "Tři z parametrů výměníku, které chcete dopočítat zaklikněte ve čtverečku za polem a "
                    "dosaďte odhadnutou hodnotu."},
        // The temperature boxes take a unit, as the others do.
        {"lblHelp1",
         "Údaje možno vkládat s rozměrem odděleným od čísla mezerou (např. 120 kg/h  nebo  2.5 at ).  "
         "Teploty jsou ve °C, lze je zadat i s jednotkou (např. 85 F).\nHorizontální pohyb po listech "
         "myší nebo pomocí PgUp, PgDn."},
        {"cmdNorm", "Výběr n&ormovaného výměníku"},
        {"cmdLogK", "Lo&gická kontrola dat"},
        {"cmdTrubk", "Nástin &trubkovnice"},
        {"lblKo_0", "Průměr pláště"},
        {"lblKo_2", "Průměr trubky vnitřní nebo sílu stěny záporně"},
        {"lblKo_12", "Uspořádání: 0-střídavé; 1-za sebou"},
        {"lblKo_22", "Mezerovitost svazku"},
        {"lblTran_0", "Celkový koef.prostupu tepla (W/m2/K)"},
        {"lblTran_15", "Nuseltovo č. v plášti "},
        {"lblTran_17", "Termická \"účinnost\" výměníku P"},
        {"lblTran_20", "Parametr k.S/W1"},
        {"lblRed", "Červeně zobrazené výsledky jsou mimo obvyklý rozsah      a vyžadují vaši pozornost!"},
        {"cmdMetP", "Metoda výpočtu"},
        {"cmdTlum", "Tlumící konstanta"},
        {"lblSt", "Medium v trubkách"},
        {"lblSp", "Medium v plášti"},
        {"lblSl_0", "Střední hustota (kg/m3)"},
        {"lblSl_6", "Střední výparné teplo (J/kg)"},
        {"cmdSloz", "Zadat &složení"},
        {"lblDp_0", "Stř.rychlost v trubkách (m/s)"},
        {"lblDp_12", "Souč.místních odporů výstup. hrdo"},
        {"lblDp_29", "Celk.tlak. ztr. v plášt. prostoru (Pa)"},
        {"Frame3", " Nabídka normovaných výměníků "},
        {"Command1", "Načíst n&ormované výměníky"},
        {"cmdGraf", "Zobrazit graf &analýzy"},
        {"cmdNFile", "Založit nový soubor"},
        {"cmdZapis", "Zapsat &do souboru"},
        {"cmdSmaz", "Smazat výsledky"},
    };
    for (const Case& c : cases) {
        QWidget* w = control(QString::fromUtf8(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(textOf(w), QString::fromUtf8(c.caption)) << c.name;
    }
    // The indexed boxes, each by its name.
    const std::pair<const char*, int> arrays[] = {{"txtPar", 8}, {"chkPar", 8},   {"txtPark", 23},
                                                  {"txtTr", 21}, {"lblTran", 21}, {"txtSl", 19},
                                                  {"lblSl", 7},  {"txtDp", 30},   {"lblDp", 30}};
    for (const auto& [name, count] : arrays)
        for (int i = 0; i < count; ++i)
            EXPECT_NE(control(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i)), nullptr);
    for (const char* name :
         {"txtZnac",  "txtKod", "txtNum",  "lblStav", "lblFile",  "cmbSkT",  "cmbSkS",    "lblTrTyp",
          "lblPltyp", "txtPtr", "txtPpl",  "pbAn",    "lblHelp1", "cmbChar", "lblHelp2",  "lblFix",
          "flxG",     "flxG1",  "lblTrSk", "lblPlSk", "flxG2",    "txtRes",  "lblResFile"})
        EXPECT_NE(control(QString::fromUtf8(name)), nullptr) << name;
    EXPECT_EQ(control<QLineEdit>("txtPark_8")->toolTip(),
              QStringLiteral("Záporně zadáno znamená počet přepážek"));

    auto* tabs = control<QTabWidget>("SSTab1");
    const QStringList captions = {"&Základní ",      "Ko&nstrukční", "Přestup &tepla", "S&ložení proudů",
                                  "Tlaková zt&ráta", "Normované",    "Výsledky"};
    ASSERT_EQ(tabs->count(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(tabs->tabText(i), captions[i]);
}

TEST_F(MainWindowTest, LoadFillsTheChoiceListsAndSetsTheIterationLimit) {
    for (const char* name : {"cmbSkT", "cmbSkS"}) {
        auto* c = control<QComboBox>(name);
        ASSERT_EQ(c->count(), 2);
        EXPECT_EQ(c->itemText(0), QStringLiteral("kapalné"));
        EXPECT_EQ(c->itemText(1), QStringLiteral("plynné"));
    }
    auto* kind = control<QComboBox>("cmbChar");
    ASSERT_EQ(kind->count(), 2);
    EXPECT_EQ(kind->itemText(0), QStringLiteral("horizontální"));
    EXPECT_EQ(kind->itemText(1), QStringLiteral("vertikální"));
    EXPECT_EQ(program().MaxIter, 100);
    EXPECT_EQ(program().SouborVysl, "");
}

TEST_F(MainWindowTest, FirstStartShowsTitleBlankGridsAndTheSplashOnce) {
    activateFirstTime();
    EXPECT_EQ(window->windowTitle(), QStringLiteral(" Výpočet trubkového kondenzátoru       V %1.%2.%3")
                                         .arg(morv::version::major)
                                         .arg(morv::version::minor)
                                         .arg(morv::version::revision));
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral(" V ")));
    ASSERT_EQ(modalsShown, std::vector<std::string>{"frmSplash"});
    EXPECT_TRUE(program().SplashZobrazen);
    EXPECT_TRUE(window->splash().isHidden()); // the key closed it

    for (const char* name : {"flxG", "flxG1"}) {
        auto* g = control<platform::FlexGrid>(name);
        EXPECT_EQ(gridRow(g, 0), (QStringList{"Látka", "Xhmot", "Xmol"})) << name;
        EXPECT_EQ(g->Rows(), 20) << name;
        EXPECT_EQ(g->TextMatrix(1, 0).trimmed(), "") << name;
        EXPECT_NEAR(g->ColWidth(0), 2200, 2 * platform::twipsPerPixel);
        EXPECT_EQ(g->ColAlignment(1), Qt::AlignHCenter | Qt::AlignTop);
    }
    auto* catalogue = control<platform::FlexGrid>("flxG2");
    EXPECT_EQ(gridRow(catalogue, 0), (QStringList{"Kódové znač.", "Prům.pláště", "Prům.trubek", "Chodů"}));
    EXPECT_EQ(catalogue->Rows(), 22);
    EXPECT_EQ(window->focusWidget(), control("txtPar_0"));

    // A second activation does not show the splash again.
    window->Form_Activate();
    EXPECT_EQ(modalsShown.size(), 1u);
}

TEST_F(MainWindowTest, SplashClosesByAKeyOrAClickAndNamesTheRunningPlatform) {
    morv::frmSplash& s = window->splash();
    EXPECT_TRUE(s.lblVersion->text().startsWith(QStringLiteral("Verze ")));
    EXPECT_EQ(s.lblPlatform->text(), QStringLiteral("  Linux"));
    for (QLabel* l : s.findChildren<QLabel*>())
        EXPECT_FALSE(l->text().contains(QStringLiteral("Windows")) ||
                     l->text().contains(QStringLiteral("800x600")));
    s.show();
    QTest::mouseClick(s.lblWarning, Qt::LeftButton);
    EXPECT_TRUE(s.isHidden());
    s.show();
    QTest::mouseClick(s.Frame1, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(s.isHidden());
    s.show();
    QTest::keyClick(&s, Qt::Key_A);
    EXPECT_TRUE(s.isHidden());
}

TEST_F(MainWindowTest, ActivationRestoresTheDampingAndEmptiesTheTaskLabel) {
    activateFirstTime();
    program().TlumKonst = platform::Variant(0.2);
    control<QLabel>("lblFile")->setText("/tmp/ulohy/ukol.dat");
    // Another window of the program closed: the main window is active again.
    window->show();
    QApplication::setActiveWindow(window.get());
    QApplication::processEvents();
    EXPECT_EQ(program().TlumKonst.toDouble(), 0.4);
    EXPECT_EQ(control<QLabel>("lblFile")->text(), "");
}

TEST_F(MainWindowTest, PageKeysCycleThroughTheTabsAlsoFromTheBoxes) {
    activateFirstTime();
    auto* tabs = control<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(6);
    QTest::keyClick(tabs, Qt::Key_PageUp);
    EXPECT_EQ(tabs->currentIndex(), 0);
    QTest::keyClick(tabs, Qt::Key_PageDown);
    EXPECT_EQ(tabs->currentIndex(), 6);
    tabs->setCurrentIndex(1);
    QTest::keyClick(control("txtPark_3"), Qt::Key_PageDown);
    EXPECT_EQ(tabs->currentIndex(), 0);
    QTest::keyClick(control("txtPar_2"), Qt::Key_PageUp);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(window->focusWidget(), control("txtPark_0"));
}

TEST_F(MainWindowTest, BasicTabShowsTheDewPointAndTubeLengthAsToolTips) {
    activateFirstTime();
    ASSERT_EQ(morv::loadTask(program(), std::string(MORV_SAMPLE_TASKS) + "/methanol-condenser.dat"), 0);
    control<QLineEdit>("txtPark_3")->setText("3.0000");
    auto* tabs = control<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(2);
    tabs->setCurrentIndex(0);
    EXPECT_TRUE(control("txtPar_5")->toolTip().startsWith(QStringLiteral("Rosný bod (°C) 64.")))
        << control("txtPar_5")->toolTip().toStdString();
    EXPECT_EQ(control("txtPar_7")->toolTip(), QStringLiteral("Délka trubek (m) 3.0000"));
    EXPECT_EQ(window->focusWidget(), control("txtPar_0"));
}

TEST_F(MainWindowTest, ActivationRefillsTheGridsFromTheStreamsAndEmptiesTheCatalogue) {
    activateFirstTime();
    ASSERT_EQ(morv::loadTask(program(), std::string(MORV_SAMPLE_TASKS) + "/methanol-condenser.dat"), 0);
    auto* catalogue = control<platform::FlexGrid>("flxG2");
    catalogue->TextMatrix(1, 0, "600425");
    window->Form_Activate();
    auto* tube = control<platform::FlexGrid>("flxG");
    EXPECT_EQ(tube->TextMatrix(1, 1), "1.00000");
    EXPECT_EQ(tube->TextMatrix(1, 2), "1.00000");
    EXPECT_TRUE(tube->TextMatrix(1, 0).startsWith(QStringLiteral("VODA")) ||
                tube->TextMatrix(1, 0).contains(QStringLiteral("WATER"), Qt::CaseInsensitive))
        << tube->TextMatrix(1, 0).toStdString();
    EXPECT_EQ(catalogue->TextMatrix(1, 0), "");
    EXPECT_EQ(modalsShown.size(), 1u);
}

TEST_F(MainWindowTest, ChoosingTheCondenserTypeMovesToTheShellDiameter) {
    activateFirstTime();
    control<QTabWidget>("SSTab1")->setCurrentIndex(1);
    auto* kind = control<QComboBox>("cmbChar");
    control<QLineEdit>("txtPark_5")->setFocus();
    emit kind->activated(1);
    EXPECT_EQ(window->focusWidget(), control("txtPark_0"));
}

TEST_F(MainWindowTest, ScreenshotsOfEveryTab) {
    const QByteArray folder = qgetenv("MORV_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "MORV_SCREENSHOTS names no folder";
    activateFirstTime();
    ASSERT_EQ(morv::loadTask(program(), std::string(MORV_SAMPLE_TASKS) + "/methanol-condenser.dat"), 0);
    window->Form_Activate();
    window->resize(1000, 640);
    window->show();
    // Every tab with the sample task solved, the results tab with its report.
    morv::ZobrazData(*window);
    QTest::mouseClick(control<QPushButton>("cmdVypoc"), Qt::LeftButton);
    QDir().mkpath(QString::fromLocal8Bit(folder));
    auto* tabs = control<QTabWidget>("SSTab1");
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        EXPECT_TRUE(window->grab().save(
            QStringLiteral("%1/frmHE-tab%2.png").arg(QString::fromLocal8Bit(folder)).arg(i)));
    }
    window->cmdMetP_Click();
    for (int i = 0; i < 4; ++i) {
        window->metod().SSTabM->setCurrentIndex(i);
        QApplication::processEvents();
        EXPECT_TRUE(window->metod().grab().save(
            QStringLiteral("%1/frmMetod-tab%2.png").arg(QString::fromLocal8Bit(folder)).arg(i)));
    }
    window->splash().adjustSize();
    EXPECT_TRUE(
        window->splash().grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/frmSplash.png")));
}

// The README's walk through the sample task, as a newcomer does it: the file entry chosen, the
// task opened from data/tasks in the source tree, the calculation started. The results are
// those the README quotes beside its steps; with MORV_SCREENSHOTS naming a folder the main
// window is saved as readme-main-window.png, which scripts/screenshots copies into docs/images.
TEST_F(MainWindowTest, SampleTaskAsTheReadmeWalksThroughIt) {
    // The program started: its window shown and activated, the splash closed by a key.
    closeSplashByKey();
    window->resize(1180, 660);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(modalsShown, std::vector<std::string>{"frmSplash"});
    auto* fromFile = control<QAbstractButton>("optZads");
    QTest::mouseClick(fromFile, Qt::LeftButton, {}, QPoint(8, fromFile->height() / 2)); // on its circle
    ASSERT_TRUE(fromFile->isChecked());
    // The file name as the README writes it, relative to the source tree.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral(MORV_SAMPLE_TASKS "/../..")));
    dialogs.choose("data/tasks/methanol-condenser.dat", 3);
    QTest::mouseClick(control<QPushButton>("cmdNactiD"), Qt::LeftButton);
    QDir::setCurrent(previous);
    QTest::mouseClick(control<QPushButton>("cmdVypoc"), Qt::LeftButton);

    EXPECT_EQ(control<QLabel>("lblFile")->text().toStdString(), "data/tasks/methanol-condenser.dat");
    EXPECT_EQ(control<QLabel>("lblStav")->text().toStdString(), " 5  iterací");
    struct Case {
        const char* box;
        const char* text;
    };
    const Case results[] = {
        {"txtPar_0", "26.784"},     // cooling water (kg/s)
        {"txtPar_6", "1123.6"},     // duty (kW)
        {"txtPar_7", "40.278"},     // area (m2)
        {"txtPark_3", "2.2693"},    // tube length (m)
        {"txtTr_0", "708.15"},      // overall heat-transfer coefficient (W/m2/K)
        {"txtDp_14", "2.3497E+04"}, // tube-side pressure drop (Pa)
        {"txtDp_29", "3372.79"},    // shell-side pressure drop (Pa)
    };
    for (const Case& c : results)
        EXPECT_EQ(control<QLineEdit>(c.box)->text().toStdString(), c.text) << c.box;

    const QByteArray folder = qgetenv("MORV_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    control<QTabWidget>("SSTab1")->setCurrentIndex(0);
    QApplication::processEvents();
    EXPECT_TRUE(
        window->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/readme-main-window.png")));
}

TEST_F(MainWindowTest, TubeSheetSketchOpensOnTheConstructionAndWritesItsCountsBack) {
    activateFirstTime();
    ASSERT_EQ(morv::loadTask(program(), std::string(MORV_SAMPLE_TASKS) + "/methanol-condenser.dat"), 0);
    morv::ZobrazData(*window);
    control<QLineEdit>("txtPark_4")->setText("1");
    std::string shell;
    onModal([&](QDialog& d) {
        d.show();
        d.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        shell = d.findChild<QLineEdit*>("Text3_0")->text().toStdString();
        QTest::mouseClick(d.findChild<QPushButton*>("cmdKonc"), Qt::LeftButton);
        return d.result();
    });
    QTest::mouseClick(control<QPushButton>("cmdTrubk"), Qt::LeftButton);
    ASSERT_EQ(modalsShown.back(), "frmTrubkov");
    EXPECT_EQ(shell, control<QLineEdit>("txtPark_0")->text().toStdString());
    // The count of tubes comes from the drawing, not from the box it replaced.
    EXPECT_GT(control<QLineEdit>("txtPark_4")->text().toDouble(), 1.0);
    // The construction changed: the task waits for a new calculation.
    EXPECT_EQ(control<QLabel>("lblStav")->text(), QStringLiteral("Nespočteno"));
}
