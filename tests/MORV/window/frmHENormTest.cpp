// The standard-exchanger catalogue on its tab: the file read into the grid, the pick of an
// exchanger by a double click or Enter into the code and the construction boxes, and the
// missing file.

#include "MainWindowFixture.h"

#include "../CatalogueRows.h"
#include "Platform/FileSystem.h"
#include "Platform/qt/FlexGrid.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using morv::program;
using morvtest::MainWindowTest;

namespace {

//! The record of "600425" is the 39th of the shipped catalogue.
constexpr int row600425 = 39;

class Catalogue : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        activateFirstTime();
        window->setProgramFolders({platform::folderOf(MORV_CATALOGUE)});
        window->resize(1000, 640);
        window->show();
        // The activation of the window shown sets the grid up anew: let it come first.
        QApplication::processEvents();
    }
    platform::FlexGrid& grid() { return *control<platform::FlexGrid>("flxG2"); }
    int tab() { return control<QTabWidget>("SSTab1")->currentIndex(); }
    QString box(const QString& name) { return control<QLineEdit>(name)->text(); }
    //! A double click on the first cell of a grid row.
    void doubleClick(int row) {
        grid().scrollToItem(grid().item(row, 0));
        const QPoint at = grid().visualItemRect(grid().item(row, 0)).center();
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, at);
    }
    //! The construction boxes and the code.
    std::vector<QString> constructionBoxes() {
        std::vector<QString> texts{box("txtKod")};
        for (int k = 0; k < 22; ++k)
            texts.push_back(box(QStringLiteral("txtPark_%1").arg(k)));
        return texts;
    }
    void expectMissingFileMessage() {
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(
            boxes.boxes()[0].text,
            "Nenalezen soubor NormMorv.dta se standardními výměníky!\r\nZkontrolujte adresář aplikace.");
        EXPECT_EQ(boxes.boxes()[0].style, 16);
        EXPECT_EQ(boxes.boxes()[0].title, "MORV");
    }
};

} // namespace

TEST_F(Catalogue, EveryRecordFillsItsRowAndTheTabIsShown) {
    QTest::mouseClick(control<QPushButton>("cmdNorm"), Qt::LeftButton);
    EXPECT_EQ(tab(), 5);
    // Read independently of the window: row k shows record k, the diameters in mm with three
    // and two digits at least, the passes.
    const auto rows = morvtest::readCatalogue(MORV_CATALOGUE);
    ASSERT_EQ(rows.size(), 64u);
    EXPECT_EQ(grid().Rows(), 65) << "the 21 rows set up at activation grow to hold every record";
    for (size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        EXPECT_EQ(grid().TextMatrix(r, 0).toStdString(), rows[i].code);
        EXPECT_EQ(grid().TextMatrix(r, 1),
                  QString::number(qRound(rows[i].Dplast * 1000)).rightJustified(3, u'0'));
        EXPECT_EQ(grid().TextMatrix(r, 2),
                  QString::number(qRound(rows[i].Dtrubo * 1000)).rightJustified(2, u'0'));
        EXPECT_EQ(grid().TextMatrix(r, 3), QString::number(rows[i].Chod));
    }
    EXPECT_EQ(grid().TextMatrix(row600425, 0), QStringLiteral("600425"));
    EXPECT_EQ(grid().TextMatrix(row600425, 1), QStringLiteral("600"));
    EXPECT_EQ(grid().TextMatrix(row600425, 2), QStringLiteral("25"));
    EXPECT_EQ(grid().TextMatrix(row600425, 3), QStringLiteral("4"));
    EXPECT_EQ(grid().TextMatrix(0, 0), QStringLiteral("Kódové znač."));
    EXPECT_TRUE(boxes.boxes().empty());

    // The button on the catalogue tab reads it again into the same rows.
    control<QTabWidget>("SSTab1")->setCurrentIndex(0);
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(tab(), 5);
    EXPECT_EQ(grid().Rows(), 65);
    EXPECT_EQ(grid().TextMatrix(64, 0).toStdString(), rows.back().code);

    const QByteArray folder = qgetenv("MORV_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(folder));
        grid().setCurrentCell(3, 0);
        grid().scrollToTop();
        QApplication::processEvents();
        EXPECT_TRUE(
            window->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/frmHE-catalogue.png")));
    }
}

namespace {

struct PickCase {
    const char* name;
    bool byEnter;
    const char* layout; //!< the layout the user chose before
    char sep;           //!< decimal separator of the regional settings
};

class Pick : public Catalogue, public ::testing::WithParamInterface<PickCase> {};

} // namespace

TEST_P(Pick, RowFillsTheCodeAndTheConstructionBoxesAndKeepsTheLayout) {
    const PickCase& c = GetParam();
    platform::DecimalSeparatorScope scope(c.sep);
    auto* layout = control<QComboBox>("cmbChar");
    layout->setCurrentText(QString::fromUtf8(c.layout));
    window->cmdNorm_Click();
    if (c.byEnter) {
        grid().setFocus();
        grid().setCurrentCell(row600425, 2);
        QTest::keyClick(&grid(), Qt::Key_Return);
    } else {
        doubleClick(row600425);
    }
    EXPECT_EQ(tab(), 1);
    // The line of "600425" in the file, each value as the converter rounds it for display.
    std::vector<QString> expected = {
        "600425",   "0.60000", "0.025000",   "0.020000",   "4.0000",     "228.00",    "4.0000",  "0.032000",
        "0.027700", "0.35500", "0.70000",    "16.000",     "18.000",     "0.0000E00", "0.20270", "0.10230",
        "0.15410",  "0.15410", "5.0000E-05", "1.7600E-04", "1.7600E-04", "0.50000",   "48.000"};
    for (QString& e : expected)
        e.replace(u'.', QChar::fromLatin1(c.sep));
    EXPECT_EQ(constructionBoxes(), expected);
    EXPECT_EQ(layout->currentText(), QString::fromUtf8(c.layout)) << "the flow arrangement is no layout";
    EXPECT_TRUE(boxes.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Catalogue, Pick,
                         ::testing::Values(PickCase{"DoubleClickHorizontal", false, "horizontální", '.'},
                                           PickCase{"EnterVertical", true, "vertikální", ','}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Catalogue, PickOfTheHeadingOrOfAnEmptyRowOnlyShowsTheConstructionTab) {
    // A catalogue shorter than the grid: the rows from 3 on are empty.
    testsupport::TempDir dir;
    dir.write("normmorv.dta", "\"154120\",0.154,0.02,0.016,1.5,19,1,0.025,0.0217,0.15,0.75,5,5,0,0.05,0.05,"
                              "0.04,0.04,0.00005,0.000176,0.000176,1,48,1\r\n"
                              "\"090108\",0.0899,0.008,0.006,1,7,1,0.01,0.0087,0.1,0.75,3,3,0,0.02,0.02,"
                              "0.015,0.015,0.00005,0.000176,0.000176,1,48,1\r\n");
    window->setProgramFolders({dir.path()});
    window->cmdNorm_Click();
    ASSERT_GT(grid().Rows(), 3);
    EXPECT_EQ(grid().TextMatrix(3, 0), QString());
    EXPECT_EQ(grid().TextMatrix(2, 1), QStringLiteral("090")) << "three digits at least";
    EXPECT_EQ(grid().TextMatrix(2, 2), QStringLiteral("08")) << "two digits at least";
    const std::vector<QString> before = constructionBoxes();
    for (int row : {0, 3}) {
        control<QTabWidget>("SSTab1")->setCurrentIndex(5);
        grid().setCurrentCell(row, 0);
        window->flxG2_DblClick();
        EXPECT_EQ(tab(), 1) << row;
        EXPECT_EQ(constructionBoxes(), before) << row;
    }
    grid().setCurrentCell(2, 0);
    window->flxG2_KeyPress('x');
    EXPECT_EQ(constructionBoxes(), before) << "keys other than Enter do nothing";
    window->flxG2_KeyPress(13);
    EXPECT_EQ(box("txtKod"), QStringLiteral("090108"));
    EXPECT_EQ(box("txtPark_0"), QStringLiteral("0.089900"));
}

TEST_F(Catalogue, RecordCutShortEndsTheReadingSilently) {
    // The second record lacks its last item: the first row stays, the tab is not changed; a
    // pick of the first row fills its boxes but, as the reading breaks off, keeps the tab.
    testsupport::TempDir dir;
    dir.write("NormMorv.DTA", "\"154120\",0.154,0.02,0.016,1.5,19,1,0.025,0.0217,0.15,0.75,5,5,0,0.05,0.05,"
                              "0.04,0.04,0.00005,0.000176,0.000176,1,48,1\r\n"
                              "\"203120\",0.203,0.02,0.016,2,37,1,0.025,0.0217,0.2,0.75,7,7,0,0.08,0.08,"
                              "0.05,0.05,0.00005,0.000176,0.000176,1,48\r\n");
    window->setProgramFolders({dir.path()});
    window->cmdNorm_Click();
    EXPECT_EQ(tab(), 0);
    EXPECT_EQ(grid().TextMatrix(1, 0), QStringLiteral("154120")) << "found without regard to case";
    EXPECT_EQ(grid().TextMatrix(2, 0), QString());
    grid().setCurrentCell(1, 0);
    window->flxG2_DblClick();
    EXPECT_EQ(box("txtKod"), QStringLiteral("154120"));
    EXPECT_EQ(tab(), 0);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(Catalogue, MissingFileIsReportedByBothButtonsAndThePick) {
    window->cmdNorm_Click();
    testsupport::TempDir empty;
    window->setProgramFolders({empty.path()});
    control<QTabWidget>("SSTab1")->setCurrentIndex(2);
    const std::vector<QString> before = constructionBoxes();
    for (const char* button : {"cmdNorm", "Command1"}) {
        boxes.answer(platform::answer::Ok);
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
        expectMissingFileMessage();
        boxes->clear();
        EXPECT_EQ(tab(), 2) << button;
    }
    boxes.answer(platform::answer::Ok);
    grid().setCurrentCell(row600425, 0);
    window->flxG2_DblClick();
    expectMissingFileMessage();
    EXPECT_EQ(tab(), 2);
    EXPECT_EQ(constructionBoxes(), before);
    EXPECT_EQ(grid().TextMatrix(row600425, 0), QStringLiteral("600425")) << "rows read earlier stay";
}
