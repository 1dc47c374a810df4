// The files of the main window: a task loaded through the open dialog (asked again after a
// bad file), the results file chosen with its route, and the results text written by that
// route: appended as text, as an .odt document or table, or as an .xlsx workbook, each read
// back from the file written.

#include "MainWindowFixture.h"
#include "export/OfficeFiles.h"

#include "MORV/window/export/Document.h"
#include "Platform/Progress.h"
#include "Platform/qt/FlexGrid.h"
#include "Platform/qt/QtFileDialog.h"
#include "Platform/qt/UserLocale.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>

using morv::program;
using morvtest::MainWindowTest;

namespace {

const std::string sampleTask = std::string(MORV_SAMPLE_TASKS) + "/methanol-condenser.dat";
const std::string Crlf = "\r\n";

using testsupport::readBytes;

//! The report of the sample task, as the calculation appends it to the results.
std::string sampleReport() {
    return readBytes(std::string(MORV_WINDOW_TEST_DATA) + "/methanol-condenser-report.txt");
}

//! The export text as it must come out: every run of TABs one TAB, nothing else changed.
std::string collapsedTabs(const std::string& text) {
    return std::regex_replace(text, std::regex("\t+"), "\t");
}

//! The recording bar, also noting the analysis button's caption whenever the bar is shown.
class WatchedBar : public platform::RecordingProgress {
public:
    QPushButton* button = nullptr;
    std::vector<QString> captions;
    void setVisible(bool visible) override {
        if (visible) captions.push_back(button->text());
        RecordingProgress::setVisible(visible);
    }
};

class Files : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        activateFirstTime();
        bar.button = control<QPushButton>("cmdAnal");
        window->setProgress(&bar);
    }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    //! Results as a calculation leaves them: the text and its box.
    void results(const std::string& text) {
        program().Vysledky = text;
        control<QPlainTextEdit>("txtRes")->setPlainText(QString::fromStdString(text));
    }
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> t;
        for (const auto& b : boxes.boxes())
            t.push_back(b.text);
        return t;
    }

    WatchedBar bar;
};

//! A filter list as "caption|pattern" entries.
std::vector<std::string> filters(const std::vector<platform::FileFilter>& list) {
    std::vector<std::string> f;
    for (const auto& entry : list)
        f.push_back(entry.caption + "|" + entry.pattern);
    return f;
}

} // namespace

// ---- Loading a task -------------------------------------------------------------------------

TEST_F(Files, BadTaskFileOpensTheDialogAgainUntilATaskLoads) {
    const std::string bad = folder.write("spatny.dat", "\"Kondenzátor\",\"KM\"\r\n");
    QTest::mouseClick(control<QRadioButton>("optZads"), Qt::LeftButton);
    ASSERT_TRUE(control<QPushButton>("cmdNactiD")->isEnabled());
    program().AnalHotova = true;
    dialogs.choose(bad, 3);
    dialogs.choose(folder.file("chybi.dat"), 3);
    dialogs.choose(sampleTask, 3);
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    click("cmdNactiD");

    ASSERT_EQ(dialogs.requests().size(), 3u);
    for (const auto& r : dialogs.requests()) {
        EXPECT_FALSE(r.save);
        EXPECT_EQ(r.filterIndex, 3);
        EXPECT_EQ(filters(r.filters),
                  (std::vector<std::string>{"Všechny soubory (*.*)|*.*", "Textové(*.txt)|*.txt",
                                            "Datové (*.dat)|*.dat"}));
    }
    // The model's own messages for the wrong structure and the missing file, nothing else.
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"Načítaný soubor má nesprávnou strukturu!",
                                                    "Zadali jste název neexistujícího souboru!"}));
    EXPECT_EQ(control<QLabel>("lblFile")->text().toStdString(), sampleTask);
    EXPECT_EQ(control<QLabel>("lblStav")->text(), QStringLiteral("Nespočteno"));
    const morv::TARMST& m = program().Vymenik();
    EXPECT_EQ(control<QLineEdit>("txtZnac")->text().toStdString(), m.Nazev);
    EXPECT_EQ(control<QLineEdit>("txtPar_7")->toolTip(),
              QStringLiteral("Délka trubek (m) ") + control<QLineEdit>("txtPark_3")->text());
    EXPECT_TRUE(control<QLineEdit>("txtPar_5")->toolTip().startsWith(QStringLiteral("Rosný bod (°C) ")));
    EXPECT_GT(m.TrbP.toDouble(), 1.0); // the properties were computed
    EXPECT_FALSE(program().AnalHotova);
}

TEST_F(Files, CancelledLoadSaysSoOnceAndLoadsNothing) {
    QTest::mouseClick(control<QRadioButton>("optZads"), Qt::LeftButton);
    dialogs.cancel();
    boxes.answer(platform::answer::Ok);
    click("cmdNactiD");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Uživatel stiskl CANCEL, data nenačtena!");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(boxes.boxes()[0].title, "MORV");
    EXPECT_TRUE(control<QLabel>("lblFile")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("txtZnac")->text().isEmpty());
}

namespace {} // namespace

TEST_F(Files, TaskWhosePropertiesFailChangesNothing) {
    // As a Czech user's program runs: the decimal comma in the process and in the boxes.
    testsupport::ProcessLocale locale(testsupport::ProcessLocale::DecimalComma);
    platform::DecimalSeparatorScope region(',');
    QTest::mouseClick(control<QRadioButton>("optZads"), Qt::LeftButton);
    dialogs.choose(sampleTask, 3);
    click("cmdNactiD");
    click("cmdVypoc");
    const QString solved = control<QLabel>("lblStav")->text();
    ASSERT_TRUE(solved.endsWith(QStringLiteral("  iterací"))) << solved.toStdString();
    ASSERT_TRUE(boxes.boxes().empty()) << boxes.boxes()[0].text;
    program().AnalHotova = true;
    const std::string report = program().Vysledky;
    const std::string before = folder.file("pred.dat");
    morv::saveTask(program(), before);
    const std::map<std::string, std::string> shownBefore = morvtest::shownState(*window);

    // The sample task with methanol's substance number changed to one the database lacks.
    std::string task = readBytes(sampleTask);
    task.replace(task.find("\"KM-01\""), 7, "\"KM-02\"");
    task.replace(task.find("23,\"Methanol"), 2, "999");
    dialogs.choose(folder.write("chybna-latka.dat", task), 3);
    boxes->allowUnscripted(true);
    click("cmdNactiD");

    ASSERT_FALSE(boxes.boxes().empty());
    EXPECT_EQ(boxes.boxes().back().text, "Načti - Chyba č. -2147220904\r\nChyba při výpočtu vlastnosti!");
    EXPECT_EQ(boxes.boxes().back().style, 16);
    EXPECT_EQ(boxes.boxes().back().title, "MORV");
    const std::string after = folder.file("po.dat");
    morv::saveTask(program(), after);
    EXPECT_EQ(readBytes(after), readBytes(before));
    EXPECT_EQ(morvtest::shownState(*window), shownBefore);
    EXPECT_EQ(control<QLabel>("lblFile")->text().toStdString(), sampleTask);
    EXPECT_EQ(control<QLabel>("lblStav")->text(), solved);
    EXPECT_TRUE(program().AnalHotova);
    EXPECT_EQ(program().Kondenzator().heRef(), program().VymenikRef());

    // The next calculation solves the task shown, from the solution of the first.
    boxes->clear();
    click("cmdVypoc");
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes()[0].text;
    EXPECT_TRUE(control<QLabel>("lblStav")->text().endsWith(QStringLiteral("  iterací")));
    ASSERT_GT(program().Vysledky.size(), report.size());
    const std::string second = program().Vysledky.substr(report.size());
    EXPECT_NE(second.find("KodZn.:  KM-01"), std::string::npos);
    EXPECT_NE(second.find("\r\nMethanol "), std::string::npos);
}

namespace {

class LoadAfterCalculation : public Files, public ::testing::WithParamInterface<char> {
protected:
    void load(const std::string& task) {
        QTest::mouseClick(control<QRadioButton>("optZads"), Qt::LeftButton);
        dialogs.choose(task, 3);
        click("cmdNactiD");
    }
};

} // namespace

// A task loaded after a calculation of another shows none of its results: every box as the
// same load shows it in a new window of a new program, text and colours.
TEST_P(LoadAfterCalculation, ShowsWhatTheSameLoadShowsInANewWindow) {
    platform::DecimalSeparatorScope region(GetParam());
    load(std::string(MORV_SAMPLE_TASKS) + "/methanol-vertical-condenser.dat");
    click("cmdVypoc");
    ASSERT_TRUE(control<QLabel>("lblStav")->text().endsWith(QStringLiteral("  iterací")));
    ASSERT_TRUE(boxes.boxes().empty()) << boxes.boxes()[0].text;
    // A result outside its usual range is shown red; the load must take that off too.
    morv::setTextColour(*control<QLineEdit>("txtDp_7"), morv::colour::outOfRange);
    load(sampleTask);
    const std::map<std::string, std::string> afterCalculation = morvtest::shownState(*window);
    EXPECT_EQ(control<QLineEdit>("txtDp_14")->text(), QString());
    // Pictures of the heat-transfer and pressure-drop tabs after the load, when asked for.
    if (const QByteArray shots = qgetenv("MORV_SCREENSHOTS"); !shots.isEmpty() && GetParam() == ',')
        for (int tab : {2, 4}) {
            window->resize(1180, 660);
            window->show();
            control<QTabWidget>("SSTab1")->setCurrentIndex(tab);
            QApplication::processEvents();
            EXPECT_TRUE(
                window->grab().save(QString::fromLocal8Bit(shots) +
                                    QStringLiteral("/frmHE-loaded-after-calculation-tab%1.png").arg(tab)));
        }

    window.reset();
    morv::resetProgram();
    window = std::make_unique<morv::frmHE>(program());
    activateFirstTime();
    window->setProgress(&bar);
    load(sampleTask);
    const std::map<std::string, std::string> fresh = morvtest::shownState(*window);
    for (const auto& [name, shown] : fresh)
        EXPECT_EQ(afterCalculation.at(name), shown) << name;
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes()[0].text;
}

INSTANTIATE_TEST_SUITE_P(Separators, LoadAfterCalculation, ::testing::Values('.', ','),
                         [](const auto& info) { return std::string(info.param == ',' ? "Comma" : "Point"); });

// The first task dialog starts among the sample tasks: those of the program's folders (the
// installed ../share/MORV/tasks), else those of the source tree; later dialogs start where
// the user chose last.
TEST_F(Files, FirstTaskDialogStartsAmongTheSamplesLaterOnesWhereTheUserWas) {
    const std::string installed = folder.file("share/MORV");
    folder.write("share/MORV/tasks/methanol-condenser.dat", readBytes(sampleTask));
    const std::string elsewhere = folder.write("ulohy/kondenzator.dat", readBytes(sampleTask));
    window->setProgramFolders({folder.file("bin"), installed});
    QTest::mouseClick(control<QRadioButton>("optZads"), Qt::LeftButton);
    dialogs.choose(elsewhere, 3);
    click("cmdNactiD");
    dialogs.choose(elsewhere, 3);
    click("cmdNactiD");
    dialogs.choose(folder.file("ulohy/vysledky.res"), 2);
    click("cmdNFile");

    ASSERT_EQ(dialogs.requests().size(), 3u);
    EXPECT_EQ(dialogs.requests()[0].folder, installed + "/tasks");
    EXPECT_EQ(dialogs.requests()[0].fileName, "");
    EXPECT_EQ(dialogs.requests()[1].fileName, elsewhere) << "the last task, in its folder";
    EXPECT_EQ(dialogs.requests()[2].folder, folder.file("ulohy"));
    EXPECT_EQ(dialogs.requests()[2].fileName, "");

    // A program run from its build has no sample folder of its own: the source tree's.
    window->setProgramFolders({folder.file("bin")});
    EXPECT_EQ(QDir(QString::fromStdString(window->sampleTaskFolder())).canonicalPath(),
              QDir(QStringLiteral(MORV_SAMPLE_TASKS)).canonicalPath());
}

// ---- The results file and the text route ----------------------------------------------------

TEST_F(Files, TextRouteAppendsTheExportTextOnEachWrite) {
    const std::string report = sampleReport();
    results(report);
    dialogs.choose(folder.file("vysledky"), 2);
    click("cmdNFile");
    ASSERT_EQ(dialogs.requests().size(), 1u);
    const auto& request = dialogs.requests()[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.fileName, "");
    EXPECT_EQ(filters(request.filters),
              (std::vector<std::string>{"Textové(*.txt)|*.txt", "Výsledkové (*.res)|*.res",
                                        "Výstupní (*.out)|*.out", "Export do WORDu (*.odt)|*.odt",
                                        "Export do EXCELu (*.xlsx)|*.xlsx"}));
    // A name chosen without an extension gets the chosen filter's.
    const std::string file = folder.file("vysledky.res");
    EXPECT_EQ(program().SouborVysl, file);
    EXPECT_EQ(control<QLabel>("lblResFile")->text().toStdString(), file);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file))); // nothing written yet

    control<QTabWidget>("SSTab1")->setCurrentIndex(6);
    click("cmdZapis");
    EXPECT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), 0);
    click("cmdZapis"); // the same file, without asking
    EXPECT_EQ(dialogs.requests().size(), 1u);
    EXPECT_TRUE(boxes.boxes().empty());

    // The report's label columns are runs of TABs; the file holds them as single TABs.
    const std::string once = collapsedTabs(report) + Crlf;
    ASSERT_NE(once.size(), report.size() + 2);
    EXPECT_EQ(readBytes(file), once + once);
    EXPECT_EQ(program().SouborVysl, file);
    const std::vector<int> values = bar.values();
    EXPECT_EQ(values.front(), 5);
    EXPECT_EQ(values.back(), 100);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(bar.captions,
              (std::vector<QString>{QStringLiteral("Zápis výsledků"), QStringLiteral("Zápis výsledků")}));
    EXPECT_EQ(control<QPushButton>("cmdAnal")->text(), QStringLiteral("&Analýza citlivosti"));
}

TEST_F(Files, ResultsBeginningWithALineEndKeepItsFirstCharacter) {
    // After clearing the results an analysis table is the first thing in them.
    results("\r\nAnalýza\t\t\tQ\r\n");
    program().SouborVysl = folder.file("analyza.txt");
    program().SouborVyslTrasa = 1;
    click("cmdZapis");
    EXPECT_EQ(readBytes(program().SouborVysl), "\r\nAnalýza\tQ\r\n\r\n");
}

TEST_F(Files, RouteIsTheOneTheResultsFileWasChosenWithNotTheLastDialogs) {
    results(sampleReport());
    dialogs.choose(folder.file("vysledky"), 5);
    click("cmdNFile");
    // A task loaded afterwards leaves the shared dialog at its first filter.
    QTest::mouseClick(control<QRadioButton>("optZads"), Qt::LeftButton);
    dialogs.choose(sampleTask, 1);
    click("cmdNactiD");
    ASSERT_EQ(window->CommonDialog1->FilterIndex, 1);
    boxes.answer(platform::answer::Ok);
    click("cmdZapis");
    const std::string file = folder.file("vysledky.xlsx");
    const morvtest::WorkbookContent book = morvtest::readWorkbook(file);
    ASSERT_NE(book.cell("A1"), nullptr);
    EXPECT_EQ(book.cell("A1")->text, "VÝPOČET TRUBKOVÉHO KONDENZÁTORU");
}

namespace {

enum class Kind { Text, Document, Table, Workbook };

struct RouteCase {
    const char* name;
    const char* button; //!< the button whose dialog chooses the file
    const char* typed;  //!< the name typed
    int filterIndex;
    const char* written; //!< the file written
    Kind kind;
};

std::ostream& operator<<(std::ostream& os, const RouteCase& c) {
    return os << c.name;
}

class Routes : public Files, public ::testing::WithParamInterface<RouteCase> {};

} // namespace

TEST_P(Routes, FollowTheFilterTheFileWasChosenWith) {
    const RouteCase& c = GetParam();
    results(sampleReport());
    dialogs.choose(folder.file(c.typed), c.filterIndex);
    if (std::string(c.button) == "cmdNFile") click("cmdNFile");
    if (c.kind != Kind::Text) boxes.answer(platform::answer::Ok);
    click("cmdZapis");
    const std::string file = folder.file(c.written);
    ASSERT_TRUE(QFile::exists(QString::fromStdString(file))) << file;
    const std::string bytes = readBytes(file);
    switch (c.kind) {
    case Kind::Text:
        EXPECT_TRUE(boxes.boxes().empty());
        EXPECT_EQ(bytes, collapsedTabs(sampleReport()) + Crlf);
        EXPECT_EQ(program().SouborVysl, file); // later writes append to it
        break;
    case Kind::Document:
    case Kind::Table: {
        const morvtest::DocumentContent d = morvtest::readDocument(file);
        EXPECT_EQ(d.mimetype, "application/vnd.oasis.opendocument.text");
        EXPECT_EQ(d.tables.size(), c.kind == Kind::Table ? 1u : 0u);
        break;
    }
    case Kind::Workbook:
        EXPECT_EQ(morvtest::readWorkbook(file).sheets.size(), 1u);
        break;
    }
    if (c.kind != Kind::Text) {
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text,
                  "Export do EXCEL/WORDu bude chvilku trvat!\r\nSledujte ukazatel zápisu.");
        EXPECT_EQ(boxes.boxes()[0].style, 64);
        EXPECT_EQ(program().SouborVysl, ""); // the next write asks again
    }
    EXPECT_FALSE(bar.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Export, Routes,
    ::testing::Values(
        RouteCase{"TextFilterOne", "cmdNFile", "vysl", 1, "vysl.txt", Kind::Text},
        // The route follows the filter, not the name typed.
        RouteCase{"WorkbookNameWithTextFilter", "cmdNFile", "vysl.xlsx", 2, "vysl.xlsx", Kind::Text},
        RouteCase{"Document", "cmdNFile", "zprava", 4, "zprava.odt", Kind::Document},
        RouteCase{"Workbook", "cmdNFile", "tabulka", 5, "tabulka.xlsx", Kind::Workbook},
        RouteCase{"OutputFromTheWriteDialog", "cmdZapis", "vystup", 3, "vystup.out", Kind::Text},
        RouteCase{"TableFromTheWriteDialog", "cmdZapis", "tabulka", 6, "tabulka.odt", Kind::Table}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Files, WriteDialogOffersSixRoutes) {
    results(sampleReport());
    dialogs.cancel();
    boxes.answer(platform::answer::Ok);
    click("cmdZapis");
    ASSERT_EQ(dialogs.requests().size(), 1u);
    EXPECT_EQ(dialogs.requests()[0].filterIndex, 2);
    EXPECT_EQ(filters(dialogs.requests()[0].filters),
              (std::vector<std::string>{"Textové(*.txt)|*.txt", "Výsledkové (*.res)|*.res",
                                        "Výstupní (*.out)|*.out", "Export do WORDu (*.odt)|*.odt",
                                        "Export do EXCELu97 (*.xlsx)|*.xlsx",
                                        "Plný export do WORDu97 (*.odt)|*.odt"}));
    // Cancelled: the message with its two blanks, nothing written, the bar and caption back.
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Uživatel stiskl CANCEL,  operace s daty neprovedena!");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(program().SouborVysl, "");
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(control<QPushButton>("cmdAnal")->text(), QStringLiteral("&Analýza citlivosti"));
}

TEST_F(Files, CancelledChoiceKeepsTheResultsFile) {
    program().SouborVysl = folder.file("stary.res");
    program().SouborVyslTrasa = 2;
    dialogs.cancel();
    boxes.answer(platform::answer::Ok);
    click("cmdNFile");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Uživatel stiskl CANCEL, operace s daty neprovedena!");
    EXPECT_EQ(program().SouborVysl, folder.file("stary.res"));
    EXPECT_EQ(program().SouborVyslTrasa, 2);
}

TEST_F(Files, NothingToWriteWithoutResults) {
    results(sampleReport());
    click("cmdSmaz");
    boxes.answer(platform::answer::Ok);
    click("cmdZapis");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Není co zapsat, nebyly spočteny výsledky!");
    EXPECT_EQ(boxes.boxes()[0].style, 64);
    EXPECT_TRUE(dialogs.requests().empty());
    EXPECT_TRUE(bar.steps().empty());
}

TEST_F(Files, FileThatCannotBeWrittenIsReportedAndKept) {
    results(sampleReport());
    const std::string file = folder.file("chybi/vysledky.res");
    program().SouborVysl = file;
    program().SouborVyslTrasa = 2;
    boxes.answer(platform::answer::Ok);
    click("cmdZapis");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Uložit - Chyba č.  75\r\nPath/File access error");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(program().SouborVysl, file);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(control<QPushButton>("cmdAnal")->text(), QStringLiteral("&Analýza citlivosti"));
}

// ---- The workbook and the documents read back ------------------------------------------------

namespace {

//! Results with a heading, an empty line, a line of two characters, values in both decimal
//! forms, a long last field and a line beyond the centred block's columns.
const std::string workbookResults = "VÝPOČET TRUBKOVÉHO KONDENZÁTORU\r\n"
                                    "\r\n"
                                    "ab\r\n"
                                    "Hmotový průtok (kg/s)\t\t\t26.784\t\t1,5\r\n"
                                    "Poznámka\t\tslovo\t" +
                                    std::string(120, 'x') +
                                    "\r\n"
                                    "a\tb\tc\td\t-2.5E-03\r\n";

} // namespace

TEST_F(Files, WorkbookHoldsTheCellsWidthsCentringAndBoldHeading) {
    for (const char separator : {'.', ','}) {
        SCOPED_TRACE(std::string("decimal separator ") + separator);
        platform::DecimalSeparatorScope region(separator);
        results(workbookResults);
        const std::string file =
            folder.file(std::string("vysledky") + (separator == '.' ? "-tecka" : "-carka"));
        dialogs.choose(file, 5);
        boxes.answer(platform::answer::Ok);
        click("cmdZapis");
        const morvtest::WorkbookContent w = morvtest::readWorkbook(file + ".xlsx");

        // The text of a cell; "" for an empty one, whether written blank or not at all.
        auto text = [&](const char* ref) { return w.cell(ref) ? w.cell(ref)->text : std::string(); };
        auto isNumber = [&](const char* ref) { return w.cell(ref) && w.cell(ref)->number; };
        EXPECT_EQ(text("A1"), "VÝPOČET TRUBKOVÉHO KONDENZÁTORU");
        EXPECT_FALSE(isNumber("A1"));
        for (const char* empty : {"A2", "A3", "B3"}) // an empty line and a line of two characters
            EXPECT_EQ(text(empty), "") << empty;
        EXPECT_EQ(text("A4"), "Hmotový průtok (kg/s)");
        // A field is a number when it reads as one in the regional format, or as a number
        // text with its "." whatever the region; a comma is no separator of the point region.
        EXPECT_TRUE(isNumber("B4"));
        EXPECT_DOUBLE_EQ(morvtest::fileNumber(text("B4")), 26.784);
        if (separator == '.') {
            EXPECT_FALSE(isNumber("C4"));
            EXPECT_EQ(text("C4"), "1,5");
        } else {
            EXPECT_TRUE(isNumber("C4"));
            EXPECT_DOUBLE_EQ(morvtest::fileNumber(text("C4")), 1.5);
        }
        EXPECT_EQ(text("B5"), "slovo");
        EXPECT_EQ(text("C5"), std::string(99, 'x')); // the last field cut to 99 characters
        EXPECT_EQ(text("D6"), "d");
        EXPECT_TRUE(isNumber("E6"));
        EXPECT_DOUBLE_EQ(morvtest::fileNumber(text("E6")), -2.5E-03);
        EXPECT_EQ(w.cell("F6"), nullptr);

        // Excel stores a width of n characters with the cell's 5-pixel padding in 7-pixel
        // characters: n + 5/7, to 1/256.
        const double widths[] = {38, 18, 14, 12};
        for (int c = 1; c <= 4; ++c)
            EXPECT_NEAR(w.columnWidths.at(c), widths[c - 1] + 5.0 / 7.0, 1.0 / 256.0) << "column " << c;
        EXPECT_EQ(w.columnWidths.count(5), 0u);

        // B1:D200 centred, whether a cell holds a value or not; nothing outside it.
        for (const char* ref : {"B1", "D1", "B4", "C5", "D6", "C100", "B200", "D200"})
            EXPECT_EQ(w.format(ref).horizontal, "center") << ref;
        for (const char* ref : {"A1", "A4", "E6"})
            EXPECT_EQ(w.format(ref).horizontal, "") << ref;
        EXPECT_EQ(w.cell("B201"), nullptr);
        EXPECT_TRUE(w.format("A1").bold);
        for (const char* ref : {"A4", "B1", "B4"})
            EXPECT_FALSE(w.format(ref).bold) << ref;
        EXPECT_EQ(w.sheets.size(), 1u);
    }
}

TEST_F(Files, DocumentTableHasFourColumnsOfTheGivenWidths) {
    const std::string report = sampleReport();
    results(report);
    dialogs.choose(folder.file("zprava.odt"), 6);
    boxes.answer(platform::answer::Ok);
    click("cmdZapis");
    const morvtest::DocumentContent d = morvtest::readDocument(folder.file("zprava.odt"));
    ASSERT_EQ(d.tables.size(), 1u);
    const morvtest::DocumentTable& t = d.tables[0];
    ASSERT_EQ(t.columnWidths.size(), 4u);
    const double cm[] = {8.4, 3.75, 3.0, 3.0};
    for (size_t c = 0; c < 4; ++c)
        EXPECT_NEAR(morvtest::pointsAsCm(t.columnWidths[c]), cm[c], 0.005) << "column " << c;

    // One row per line of the report, its TAB-separated fields in the cells from the left.
    std::vector<std::string> lines;
    const std::string text = collapsedTabs(report);
    for (size_t start = 0, end; (end = text.find(Crlf, start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    ASSERT_EQ(t.rows.size(), lines.size());
    for (size_t r = 0; r < lines.size(); ++r) {
        std::vector<std::string> fields;
        for (size_t start = 0;;) {
            const size_t tab = lines[r].find('\t', start);
            fields.push_back(
                lines[r].substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        ASSERT_LE(fields.size(), 4u) << lines[r];
        fields.resize(4);
        EXPECT_EQ(t.rows[r], fields) << "row " << r;
    }
    EXPECT_EQ(t.rows[0][0], "VÝPOČET TRUBKOVÉHO KONDENZÁTORU");
}

TEST_F(Files, DocumentHoldsTheLinesAsParagraphs) {
    results("VÝPOČET\r\n\r\nPrůtok\t\t1.5\t2\r\n");
    dialogs.choose(folder.file("zprava"), 4);
    boxes.answer(platform::answer::Ok);
    click("cmdZapis");
    const morvtest::DocumentContent d = morvtest::readDocument(folder.file("zprava.odt"));
    EXPECT_TRUE(d.tables.empty());
    EXPECT_EQ(d.paragraphs, (std::vector<std::string>{"VÝPOČET", "", "Průtok\t1.5\t2"}));
}

// ---- The toolkit's dialogs ---------------------------------------------------------------------

// The open and save dialogs that the toolkit draws speak the desktop's language: the program's
// own requests shown by the toolkit's dialog, whose accept button is read and whose picture is
// taken (named after the desktop's language).
TEST_F(Files, OpenAndSaveDialogsSpeakTheDesktopsLanguage) {
    QTest::mouseClick(control<QRadioButton>("optZads"), Qt::LeftButton);
    for (const char* button : {"cmdNactiD", "cmdNFile"}) {
        dialogs.cancel();
        boxes.answer(platform::answer::Ok);
        click(button);
    }
    ASSERT_EQ(dialogs.requests().size(), 2u);
    const bool czech = QLocale::system().language() == QLocale::Czech;
    const QString folderName = qEnvironmentVariable("MORV_SCREENSHOTS");
    struct Shown {
        const char* picture;
        QDialogButtonBox::StandardButton accept;
        const char* english;
        const char* czech;
    };
    const Shown shown[] = {{"dialog-open", QDialogButtonBox::Open, "Open", "Otevřít"},
                           {"dialog-save", QDialogButtonBox::Save, "Save", "Uložit"}};
    platform::QtFileDialogBackend toolkit;
    for (size_t i = 0; i < 2; ++i) {
        onModal([&](QDialog& d) {
            d.resize(760, 460);
            d.show();
            QApplication::processEvents();
            auto* buttons = d.findChild<QDialogButtonBox*>();
            EXPECT_NE(buttons, nullptr);
            if (QPushButton* accept = buttons ? buttons->button(shown[i].accept) : nullptr)
                EXPECT_EQ(accept->text().remove('&'),
                          QString::fromUtf8(czech ? shown[i].czech : shown[i].english));
            else
                ADD_FAILURE() << "no accept button in " << shown[i].picture;
            if (!folderName.isEmpty()) {
                QDir().mkpath(folderName);
                EXPECT_TRUE(
                    d.grab().save(folderName + "/" + shown[i].picture + (czech ? "-cs" : "") + ".png"));
            }
            d.hide();
            return int(QDialog::Rejected);
        });
        EXPECT_FALSE(toolkit.show(dialogs.requests()[i]).accepted);
    }
}

// ---- The same files on every desktop ----------------------------------------------------------

namespace {

//! A desktop the results are written on: the C library's locale that the window toolkit takes
//! from the user's environment when it starts, and the decimal separator of the user's
//! regional settings that the windows and the report show.
struct Desktop {
    const char* locale;
    char separator;
};
const Desktop desktops[] = {{"C", '.'}, {testsupport::ProcessLocale::DecimalComma, ','}};

//! The lines of a text cut at each CR LF, what follows the last one left out.
std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = text.find(Crlf, start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

//! The TAB-separated fields of a line.
std::vector<std::string> tabFields(const std::string& line) {
    std::vector<std::string> fields;
    for (size_t start = 0;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

//! The value of a field written on a desktop: a number in that desktop's regional format or a
//! number text; nothing for any other text.
std::optional<double> fieldValue(const std::string& field, char separator) {
    platform::DecimalSeparatorScope region(separator);
    double x = 0;
    if (platform::tryRegionalNumber(field, x) || platform::tryPointNumber(field, x)) return x;
    return std::nullopt;
}

//! Two rows of fields written on the two desktops say the same: the same number where one
//! stands, the same text elsewhere. Returns how many numbers they hold.
int expectSameFields(const std::vector<std::string>& point, const std::vector<std::string>& comma,
                     const std::string& where) {
    EXPECT_EQ(point.size(), comma.size()) << where;
    int numbers = 0;
    for (size_t f = 0; f < std::min(point.size(), comma.size()); ++f) {
        const auto x = fieldValue(point[f], '.');
        const auto y = fieldValue(comma[f], ',');
        EXPECT_EQ(x.has_value(), y.has_value()) << where << ": " << point[f] << " | " << comma[f];
        if (x && y) {
            EXPECT_EQ(*x, *y) << where << ": " << point[f] << " | " << comma[f];
            ++numbers;
        } else {
            EXPECT_EQ(point[f], comma[f]) << where;
        }
    }
    return numbers;
}

class SameFilesOnEveryDesktop : public Files, public ::testing::WithParamInterface<int> {
protected:
    //! The route's file written as a user of the desktop writes it: the program started (the
    //! toolkit's locale settled), the sample task loaded, calculated and analysed over the
    //! shell flow with the range typed in the regional format, then the results written.
    std::string writtenOn(const Desktop& desktop) {
        testsupport::ProcessLocale locale(desktop.locale);
        program().SouborVysl.clear(); // each desktop asks for its own file
        platform::settleUserLocale();
        platform::DecimalSeparatorScope region(desktop.separator);
        click("cmdSmaz");
        EXPECT_EQ(morv::loadTask(program(), sampleTask), 0);
        morv::ZobrazData(*window);
        QTest::mouseClick(control<QPushButton>("cmdVypoc"), Qt::LeftButton);
        EXPECT_TRUE(control<QLabel>("lblStav")->text().endsWith(QStringLiteral("  iterací")));
        const char* range[] = {desktop.separator == ',' ? "0,9" : "0.9",
                               desktop.separator == ',' ? "1,1" : "1.1",
                               desktop.separator == ',' ? "0,1" : "0.1"};
        onModal([&](QDialog& d) {
            d.show();
            d.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
            auto* list = d.findChild<QComboBox*>("cmbProm");
            const int at = list->findText(QStringLiteral("Hmotový průtok v plášti"));
            EXPECT_GE(at, 0);
            list->setCurrentIndex(at);
            emit list->activated(at);
            for (int i = 0; i < 3; ++i) {
                auto* box = d.findChild<QLineEdit*>(QStringLiteral("txtPoc_%1").arg(i));
                box->selectAll();
                QTest::keyClicks(box, range[i]);
                QTest::keyClick(box, Qt::Key_Return);
            }
            QTest::mouseClick(d.findChild<QPushButton*>("cmdAn"), Qt::LeftButton);
            return d.result();
        });
        click("cmdAnal");
        EXPECT_EQ(program().AnalPocBodu, 3);

        const std::string name =
            folder.file(std::string("vysledky-") + testsupport::processLocaleName(desktop.locale));
        dialogs.choose(name, GetParam());
        if (GetParam() >= 4) boxes.answer(platform::answer::Ok);
        click("cmdZapis");
        const char* extension[] = {"", ".txt", ".res", ".out", ".odt", ".xlsx", ".odt"};
        return name + extension[GetParam()];
    }
};

} // namespace

// A file written on a Czech desktop holds what the same file written in the C locale holds,
// number by number, and the workbook's number cells are numbers the file format can read
// (the reader refuses a decimal comma in a number cell).
TEST_P(SameFilesOnEveryDesktop, HoldTheSameNumbers) {
    const std::string point = writtenOn(desktops[0]);
    const std::string comma = writtenOn(desktops[1]);
    int numbers = 0;
    switch (GetParam()) {
    case 1:
    case 2:
    case 3: {
        const auto a = crlfLines(readBytes(point)), b = crlfLines(readBytes(comma));
        ASSERT_EQ(a.size(), b.size());
        for (size_t r = 0; r < a.size(); ++r)
            numbers += expectSameFields(tabFields(a[r]), tabFields(b[r]), "line " + std::to_string(r + 1));
        break;
    }
    case 4: {
        const auto a = morvtest::readDocument(point).paragraphs, b = morvtest::readDocument(comma).paragraphs;
        ASSERT_EQ(a.size(), b.size());
        for (size_t r = 0; r < a.size(); ++r)
            numbers +=
                expectSameFields(tabFields(a[r]), tabFields(b[r]), "paragraph " + std::to_string(r + 1));
        break;
    }
    case 6: {
        const auto a = morvtest::readDocument(point).tables, b = morvtest::readDocument(comma).tables;
        ASSERT_EQ(a.size(), 1u);
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(a[0].columnWidths, b[0].columnWidths);
        ASSERT_EQ(a[0].rows.size(), b[0].rows.size());
        // The fields beyond the fourth stand in the fourth cell, with their TABs.
        auto fieldsOf = [](const std::vector<std::string>& cells) {
            std::vector<std::string> fields;
            for (const std::string& cell : cells)
                for (std::string& field : tabFields(cell))
                    fields.push_back(std::move(field));
            return fields;
        };
        for (size_t r = 0; r < a[0].rows.size(); ++r)
            numbers += expectSameFields(fieldsOf(a[0].rows[r]), fieldsOf(b[0].rows[r]),
                                        "row " + std::to_string(r + 1));
        break;
    }
    case 5: {
        const morvtest::WorkbookContent a = morvtest::readWorkbook(point), b = morvtest::readWorkbook(comma);
        ASSERT_EQ(a.cells.size(), b.cells.size());
        for (const auto& [ref, cell] : a.cells) {
            const morvtest::SheetCell* other = b.cell(ref);
            ASSERT_NE(other, nullptr) << ref;
            EXPECT_EQ(cell.number, other->number) << ref << ": " << cell.text << " | " << other->text;
            EXPECT_EQ(cell.text, other->text) << ref;
            numbers += cell.number;
        }
        EXPECT_EQ(a.columnWidths, b.columnWidths);
        // The report's dimensionless criteria, written as number texts, are numbers too, and
        // the captions of the analysis stand over their columns.
        for (const auto* book : {&a, &b}) {
            for (const char* criterion :
                 {"Prandtlovo č. plášť (kond)", "Archimedovo č. plášť", "Kriterium K32 plášť"}) {
                auto row = std::find_if(book->cells.begin(), book->cells.end(),
                                        [&](const auto& c) { return c.second.text == criterion; });
                ASSERT_NE(row, book->cells.end()) << criterion;
                const morvtest::SheetCell* value = book->cell("B" + row->first.substr(1));
                ASSERT_NE(value, nullptr) << criterion;
                EXPECT_TRUE(value->number) << criterion << ": " << value->text;
            }
            auto caption = std::find_if(book->cells.begin(), book->cells.end(), [](const auto& c) {
                return c.second.text == "Hmotový průtok v plášti";
            });
            ASSERT_NE(caption, book->cells.end());
            const std::string row = caption->first.substr(1);
            const char* captions[] = {"Hmot. průtok v trubkách", "Převedené teplo (W)", "Teplosměnná plocha",
                                      "dPtr", "dPpl"};
            for (int c = 0; c < 5; ++c) {
                const morvtest::SheetCell* cell = book->cell(std::string(1, char('B' + c)) + row);
                ASSERT_NE(cell, nullptr) << captions[c];
                EXPECT_EQ(cell->text, captions[c]);
            }
            const morvtest::SheetCell* firstPoint = book->cell("A" + std::to_string(std::stoi(row) + 1));
            ASSERT_NE(firstPoint, nullptr);
            EXPECT_TRUE(firstPoint->number);
            EXPECT_DOUBLE_EQ(morvtest::fileNumber(firstPoint->text), 0.9);
            const morvtest::SheetCell* shellDrop = book->cell("F" + std::to_string(std::stoi(row) + 1));
            ASSERT_NE(shellDrop, nullptr);
            EXPECT_TRUE(shellDrop->number);
        }
        break;
    }
    }
    // The report and the analysis hold well over a hundred numbers.
    EXPECT_GT(numbers, 100);
}

namespace {
std::string routeName(const ::testing::TestParamInfo<int>& info) {
    const char* names[] = {"", "Txt", "Res", "Out", "Document", "Workbook", "Table"};
    return names[info.param];
}
} // namespace

INSTANTIATE_TEST_SUITE_P(Routes, SameFilesOnEveryDesktop, ::testing::Range(1, 7), routeName);

namespace {

//! The window's own bar, with a picture of the window taken when it reaches a value.
class PictureAtValue : public platform::Progress {
public:
    PictureAtValue(QWidget& window, QProgressBar& bar, int at, QString file)
        : m_window(window), m_bar(bar), m_at(at), m_file(std::move(file)) {}
    void setValue(int value) override {
        m_bar.setValue(value);
        if (value == m_at) {
            QApplication::processEvents();
            saved = m_window.grab().save(m_file);
        }
    }
    int value() const override { return m_bar.value(); }
    void setVisible(bool visible) override { m_bar.setVisible(visible); }
    bool isVisible() const override { return m_bar.isVisible(); }
    bool saved = false;

private:
    QWidget& m_window;
    QProgressBar& m_bar;
    int m_at;
    QString m_file;
};

} // namespace

TEST_F(Files, ScreenshotWhileTheResultsAreWritten) {
    const QByteArray folderName = qgetenv("MORV_SCREENSHOTS");
    if (folderName.isEmpty()) GTEST_SKIP() << "MORV_SCREENSHOTS names no folder";
    QDir().mkpath(QString::fromLocal8Bit(folderName));
    window->resize(1000, 640);
    window->show();
    results(sampleReport());
    // The basic tab with the bar and the analysis button's caption during the write.
    PictureAtValue picture(*window, *control<QProgressBar>("pbAn"), 30,
                           QString::fromLocal8Bit(folderName) + QStringLiteral("/frmHE-zapis.png"));
    window->setProgress(&picture);
    dialogs.choose(folder.file("tabulka"), 5);
    boxes.answer(platform::answer::Ok);
    click("cmdZapis");
    EXPECT_TRUE(picture.saved);
}
