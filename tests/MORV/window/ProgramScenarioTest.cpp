// The whole program as an engineer uses it, driven only through its controls, keys and the
// scripted boxes and dialogs, on the database of this build and the catalogue beside the
// program: a methanol condenser with a little nitrogen, cooled by water, designed from a
// catalogue exchanger, analysed, charted, exported, sketched and left with the results saved.

#include "LibraryWindowsScript.h"
#include "MainWindowFixture.h"
#include "export/OfficeFiles.h"

#include "KWELARdll/windows/SmesOknaQt.h"
#include "MORV/window/analysis/frmGraf.h"
#include "MORV/window/analysis/frmPreGraf.h"
#include "Platform/ProgramEnd.h"
#include "Platform/qt/FlexGrid.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <fstream>
#include <sstream>

using morv::program;
using platform::answer::Ok;
using platform::answer::Yes;

namespace {

using testsupport::readBytes;

using morvtest::child;
using morvtest::drive;

class Engineer : public morvtest::MainWindowTest {
protected:
    void SetUp() override {
        kwelar::installSmesWindows();
        MainWindowTest::SetUp();
        platform::setProgramEndHook([this](int code) { ends.push_back(code); });
    }
    void TearDown() override {
        if (auto* choice = window ? window->findChild<morv::frmPreGraf*>() : nullptr) choice->hide();
        platform::setProgramEndHook({});
        MainWindowTest::TearDown();
        kwelar::setSmesOknaFactory(nullptr);
    }

    QLineEdit* box(const QString& name) { return control<QLineEdit>(name); }
    QString text(const QString& name) { return box(name)->text(); }
    //! Types into a box as the user does: the old text selected, the new typed, then Enter.
    void type(const QString& name, const QString& typed) {
        QLineEdit* b = box(name);
        b->setFocus();
        b->selectAll();
        QTest::keyClicks(b, typed);
        QTest::keyClick(b, Qt::Key_Return);
    }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    int tab() { return control<QTabWidget>("SSTab1")->currentIndex(); }
    void showTab(int i) { control<QTabWidget>("SSTab1")->setCurrentIndex(i); }
    double number(const QString& name) { return text(name).toDouble(); }

    //! One stream's entry through the property library's windows: the components typed by
    //! number into the choice window, then their mass parts into the composition window.
    void entry(std::vector<int16_t> numbers, std::vector<QString> parts) {
        onModal([numbers](QDialog& d) { return drive(d, morvtest::components(numbers)); });
        onModal([parts](QDialog& d) { return drive(d, morvtest::composition(parts)); });
    }

    std::vector<int> ends;
};

} // namespace

TEST_F(Engineer, DesignsACondenserFromTheCatalogueAndLeavesWithTheResultsSaved) {
    // The program starts: the splash goes with a key.
    activateFirstTime();
    window->resize(1180, 660);
    window->show();
    QApplication::processEvents();
    ASSERT_EQ(modalsShown, std::vector<std::string>{"frmSplash"});

    // The catalogue beside the program; the 600 mm shell with 4 passes of 25 mm tubes picked
    // with Enter fills the construction tab.
    showTab(5);
    click("cmdNorm");
    auto* grid = control<platform::FlexGrid>("flxG2");
    int row = -1;
    for (int r = 1; r < grid->rowCount(); ++r)
        if (grid->TextMatrix(r, 0) == QStringLiteral("600425")) row = r;
    ASSERT_GT(row, 0) << "the catalogue was not read";
    grid->setFocus();
    grid->setCurrentCell(row, 1);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(tab(), 1);
    EXPECT_EQ(text("txtKod"), QStringLiteral("600425"));
    EXPECT_EQ(text("txtPark_0"), QStringLiteral("0.60000"));
    EXPECT_EQ(text("txtPark_4"), QStringLiteral("228.00"));

    // The basic tab: the water's flow in kg/h, its temperatures, both pressures in bar.
    showTab(0);
    type("txtPar_0", "36000 kg/h");
    EXPECT_EQ(text("txtPar_0"), QStringLiteral("10.000"));
    type("txtPar_2", "20");
    type("txtPar_4", "30");
    type("txtPar_3", "64.7");
    type("txtPar_5", "60");
    type("txtPtr", "3 bar");
    type("txtPpl", "1 bar");
    EXPECT_EQ(text("txtPtr"), QStringLiteral("0.30000"));
    EXPECT_EQ(text("txtPpl"), QStringLiteral("0.10000"));
    // The phases: liquid under the tube column (cmbSkS), vapour under the shell's (cmbSkT).
    for (auto [name, phase] : {std::pair{"cmbSkS", "kapalné"}, std::pair{"cmbSkT", "plynné"}}) {
        auto* combo = control<QComboBox>(name);
        combo->setCurrentIndex(combo->findText(QString::fromUtf8(phase)));
        EXPECT_EQ(combo->currentText(), QString::fromUtf8(phase));
    }
    // The unknowns (shell flow, duty, area) ticked, each with its estimate.
    for (int i = 0; i < 8; ++i)
        window->chkPar[size_t(i)]->setChecked(false);
    for (auto [i, estimate] : {std::pair{1, "0.35"}, std::pair{6, "380"}, std::pair{7, "40"}}) {
        QTest::mouseClick(window->chkPar[size_t(i)], Qt::LeftButton, {}, QPoint(6, 6));
        EXPECT_TRUE(window->chkPar[size_t(i)]->isChecked()) << i;
        type(QStringLiteral("txtPar_%1").arg(i), estimate);
    }

    // The compositions tab: the nitrogen's mole fraction as the inerts of the vapour, then the
    // compositions through the property library's windows: water in the tubes, methanol with
    // 3 % (by mass) of nitrogen in the shell.
    showTab(3);
    box("txtSl_18")->setFocus();
    QTest::keyClicks(box("txtSl_18"), "0.05");
    boxes.type("0");
    entry({morvtest::water}, {"1"});
    boxes.answer(Ok); // the reminder of the shell stream
    boxes.type("1");
    entry({morvtest::methanol, morvtest::nitrogen}, {"0.97", "0.03"});
    click("cmdSloz");
    ASSERT_EQ(program().Vymenik().Pl().S().Nsloz().toInteger(), 2);
    // The dew point of the vapour appears, a little below methanol's 64.6 °C.
    const double dew = number("txtSl_9");
    EXPECT_GT(dew, 55.0);
    EXPECT_LT(dew, 64.6);

    // The calculation, started by a mouse press.
    QTest::mouseClick(control<QPushButton>("cmdVypoc"), Qt::LeftButton);
    const QString status = control<QLabel>("lblStav")->text();
    ASSERT_TRUE(status.endsWith(QStringLiteral("  iterací"))) << status.toStdString();
    // The duty shown is the water's m cp dT from the numbers shown (cp in J/kg/K, duty in kW).
    const double water = number("txtPar_0"), cp = number("txtSl_10");
    const double heated = water * cp * (number("txtPar_4") - number("txtPar_2")) / 1000.0;
    EXPECT_NEAR(number("txtPar_6"), heated, heated * 0.001);
    EXPECT_GT(number("txtPar_1"), 0.0);
    // The pressure drops are filled; the report is in the results.
    for (int i : {4, 14})
        EXPECT_FALSE(text(QStringLiteral("txtDp_%1").arg(i)).isEmpty()) << i;
    EXPECT_EQ(window->txtRes->toPlainText().indexOf(QStringLiteral("VÝPOČET TRUBKOVÉHO KONDENZÁTORU")), 0);

    // A sensitivity analysis over the water's flow: 9 to 11 kg/s in steps of 1.
    onModal([](QDialog& d) {
        return drive(d, [](QDialog& w) {
            auto* list = child<QComboBox>(w, QStringLiteral("cmbProm"));
            const int at = list->findText(QStringLiteral("Hmotový průtok v trubkách"));
            EXPECT_GE(at, 0);
            list->setCurrentIndex(at);
            emit list->activated(at);
            const char* range[3] = {"9", "11", "1"};
            for (int i = 0; i < 3; ++i) {
                auto* b = child<QLineEdit>(w, QStringLiteral("txtPoc_%1").arg(i));
                b->selectAll();
                QTest::keyClicks(b, range[i]);
                QTest::keyClick(b, Qt::Key_Return);
            }
            QTest::keyClick(child<QPushButton>(w, QStringLiteral("cmdAn")), Qt::Key_Return);
        });
    });
    click("cmdAnal");
    EXPECT_EQ(tab(), 6);
    EXPECT_TRUE(program().AnalHotova);
    EXPECT_EQ(program().AnalPocBodu, 3);
    const QString results = window->txtRes->toPlainText();
    for (const char* x : {"9.0000", "10.000", "11.000"})
        EXPECT_TRUE(results.contains(QStringLiteral("\n%1\t\t\t").arg(QString::fromLatin1(x)))) << x;

    // The chart of the first quantity, copied with Ctrl+C, then closed with a click.
    QGuiApplication::clipboard()->clear();
    click("cmdGraf");
    auto* choice = window->findChild<morv::frmPreGraf*>();
    ASSERT_NE(choice, nullptr);
    QImage copied, chartPicture;
    onModal([&](QDialog& d) {
        return drive(d, [&](QDialog& chart) {
            QTest::keyClick(&chart, Qt::Key_C, Qt::ControlModifier);
            EXPECT_TRUE(chart.isVisible());
            copied = QGuiApplication::clipboard()->image();
            chartPicture = chart.grab().toImage();
            QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(50, 50));
        });
    });
    QTest::mouseClick(choice->cmdGr, Qt::LeftButton);
    EXPECT_EQ(modalsShown.back(), "frmGraf");
    EXPECT_FALSE(copied.isNull());
    QTest::mouseClick(choice->cmdNe, Qt::LeftButton);

    // The results written as text, as a workbook and as a document table.
    const std::string textFile = folder.file("vysledky.txt");
    dialogs.choose(textFile, 1);
    click("cmdNFile");
    click("cmdZapis");
    const std::string written = readBytes(textFile);
    EXPECT_EQ(written.rfind("VÝPOČET TRUBKOVÉHO KONDENZÁTORU", 0), 0u);
    EXPECT_NE(written.find("\r\n"), std::string::npos);

    const std::string workbook = folder.file("vysledky.xlsx");
    dialogs.choose(workbook, 5);
    click("cmdNFile");
    boxes.answer(Ok); // "the export takes a while"
    click("cmdZapis");
    const auto sheet = morvtest::readWorkbook(workbook);
    ASSERT_NE(sheet.cell("A1"), nullptr);
    EXPECT_EQ(sheet.cell("A1")->text, "VÝPOČET TRUBKOVÉHO KONDENZÁTORU");

    const std::string document = folder.file("vysledky.odt");
    dialogs.choose(document, 6);
    click("cmdNFile");
    boxes.answer(Ok);
    click("cmdZapis");
    const auto content = morvtest::readDocument(document);
    ASSERT_EQ(content.tables.size(), 1u);
    EXPECT_EQ(content.tables[0].columnWidths.size(), 4u);

    // The tube sheet drawn with the construction and its counts written back.
    showTab(1);
    onModal([](QDialog& d) {
        return drive(d, [](QDialog& w) {
            QTest::mouseClick(child<QPushButton>(w, QStringLiteral("cmdKresli")), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(w, QStringLiteral("cmdKonc")), Qt::LeftButton);
        });
    });
    click("cmdTrubk");
    EXPECT_EQ(modalsShown.back(), "frmTrubkov");
    EXPECT_GT(number("txtPark_4"), 100.0);

    // A picture of every tab as the engineer leaves them, when pictures are asked for.
    if (const QByteArray shots = qgetenv("MORV_SCREENSHOTS"); !shots.isEmpty()) {
        for (int i = 0; i < 7; ++i) {
            showTab(i);
            QApplication::processEvents();
            EXPECT_TRUE(window->grab().save(QString::fromLocal8Bit(shots) +
                                            QStringLiteral("/frmHE-scenario-tab%1.png").arg(i)));
        }
        EXPECT_TRUE(
            chartPicture.save(QString::fromLocal8Bit(shots) + QStringLiteral("/frmGraf-scenario.png")));
    }

    // The exit with "write the results at the end": both questions answered Yes, the results
    // appended to the text file chosen first, and the program ends through its end hook.
    dialogs.choose(textFile, 1);
    click("cmdNFile");
    control<QCheckBox>("chkRes")->setChecked(true);
    boxes.answer(Yes).answer(Yes);
    click("cmdKon");
    EXPECT_GT(readBytes(textFile).size(), written.size());
    EXPECT_EQ(ends, std::vector<int>{0});
}
