// The exit of the program: with "write the results at the end" ticked it offers the write
// and asks for confirmation, a No keeping the program running; otherwise it ends at once. The
// window's close button takes the same way.

#include "MainWindowFixture.h"

#include "Platform/ProgramEnd.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <fstream>
#include <sstream>

using morv::program;
using platform::answer::No;
using platform::answer::Ok;
using platform::answer::Yes;

namespace {

const char* const saveQuestion = "Chcete uložit spočítané výsledky do souboru?";
const char* const endQuestion = "Chcete opravdu ukončit činnost programu?";
const char* const cancelMessage = "Uživatel stiskl CANCEL,  operace s daty neprovedena!";

using testsupport::readBytes;

//! The main window with results in it and the program's end recorded instead of taken.
class Exit : public morvtest::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        activateFirstTime();
        platform::setProgramEndHook([this](int code) { ends.push_back(code); });
        program().Vysledky = "VÝPOČET TRUBKOVÉHO KONDENZÁTORU\r\n\r\n";
        window->txtRes->setPlainText(QString::fromStdString(program().Vysledky));
        program().AktProud = program().Vymenik().TrRef();
        model = program().VymenikRef();
    }
    void TearDown() override {
        platform::setProgramEndHook({});
        MainWindowTest::TearDown();
    }
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> t;
        for (const auto& b : boxes.boxes())
            t.push_back(b.text);
        return t;
    }
    //! The program's objects were released: the current stream, the model (nothing else
    //! holds it) and the unit converter.
    bool released() const { return !program().AktProud && model.expired(); }

    std::vector<int> ends;
    std::weak_ptr<morv::TARMST> model;
};

struct ExitCase {
    const char* name;
    bool chkRes;
    std::vector<int> answers; //!< the boxes' answers in order
    bool resultsFileSet;      //!< a results file chosen before (otherwise the write asks)
    std::vector<std::string> boxes;
    bool written;
    bool ended;
};

std::ostream& operator<<(std::ostream& os, const ExitCase& c) {
    return os << c.name;
}

class ExitPaths : public Exit, public ::testing::WithParamInterface<ExitCase> {};

} // namespace

TEST_P(ExitPaths, AskWriteAndEndAsAnswered) {
    const ExitCase& c = GetParam();
    window->chkRes->setChecked(c.chkRes);
    const std::string file = folder.file("vysledky.res");
    if (c.resultsFileSet) {
        program().SouborVysl = file;
        program().SouborVyslTrasa = 2;
    } else {
        dialogs.cancel();
    }
    for (int a : c.answers)
        boxes.answer(a);
    QTest::mouseClick(control<QPushButton>("cmdKon"), Qt::LeftButton);

    EXPECT_EQ(boxTexts(), c.boxes);
    if (!c.boxes.empty()) {
        EXPECT_EQ(boxes.boxes()[0].style, 260); // No is the default
        EXPECT_EQ(boxes.boxes().back().style, 4);
        EXPECT_EQ(boxes.boxes().back().title, "MORV");
    }
    EXPECT_EQ(readBytes(file), c.written ? "VÝPOČET TRUBKOVÉHO KONDENZÁTORU\r\n\r\n\r\n" : "");
    EXPECT_EQ(ends, c.ended ? std::vector<int>{0} : std::vector<int>{});
    EXPECT_EQ(released(), c.ended);
    if (!c.ended) {
        EXPECT_EQ(program().Vysledky, "VÝPOČET TRUBKOVÉHO KONDENZÁTORU\r\n\r\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Konec, ExitPaths,
    ::testing::Values(
        ExitCase{"UntickedEndsAtOnce", false, {}, true, {}, false, true},
        ExitCase{"NoAndNoKeepsRunning", true, {No, No}, true, {saveQuestion, endQuestion}, false, false},
        ExitCase{"NoAndYesEndsUnwritten", true, {No, Yes}, true, {saveQuestion, endQuestion}, false, true},
        ExitCase{"YesWritesThenEnds", true, {Yes, Yes}, true, {saveQuestion, endQuestion}, true, true},
        ExitCase{
            "YesWritesButNoKeepsRunning", true, {Yes, No}, true, {saveQuestion, endQuestion}, true, false},
        // The write asks for a file; cancelled, it says so, and the exit goes on.
        ExitCase{"YesWithTheFileDialogCancelled",
                 true,
                 {Yes, Ok, Yes},
                 false,
                 {saveQuestion, cancelMessage, endQuestion},
                 false,
                 true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Exit, CloseButtonAsksAsTheExitDoesAndKeepsTheWindowOnNo) {
    window->chkRes->setChecked(true);
    boxes.answer(No).answer(No);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{saveQuestion, endQuestion}));
    EXPECT_TRUE(ends.empty());
    EXPECT_FALSE(released());

    // Yes to the write: the results are written before the window goes.
    program().SouborVysl = folder.file("vysledky.res");
    program().SouborVyslTrasa = 1;
    boxes.answer(Yes).answer(Yes);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(boxes.boxes().size(), 4u);
    EXPECT_EQ(readBytes(folder.file("vysledky.res")), "VÝPOČET TRUBKOVÉHO KONDENZÁTORU\r\n\r\n\r\n");
    EXPECT_EQ(ends, std::vector<int>{0});
    EXPECT_TRUE(released());
}

TEST_F(Exit, CloseAfterTheExitAsksNothingAgain) {
    window->chkRes->setChecked(true);
    boxes.answer(No).answer(Yes);
    QTest::mouseClick(control<QPushButton>("cmdKon"), Qt::LeftButton);
    ASSERT_EQ(ends, std::vector<int>{0});
    EXPECT_TRUE(window->close());
    EXPECT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(ends, std::vector<int>{0});
}

TEST_F(Exit, CloseButtonWithoutTheOptionEndsAtOnce) {
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(ends, std::vector<int>{0});
    EXPECT_TRUE(released());
}
