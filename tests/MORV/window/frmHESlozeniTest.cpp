// Composition entry from the main window: the question for the stream, the property library's
// windows for the components and the composition (driven as a user drives them), the
// fractions copied into the streams, the reminder of the stream still missing, and the
// properties shown once both streams have components.

#include "LibraryWindowsScript.h"
#include "MainWindowFixture.h"

#include "KWELARdll/windows/SmesOknaQt.h"
#include "MORV/model/TaskCommands.h"
#include "MORV/window/Vypocet.h"
#include "Platform/qt/FlexGrid.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using morv::program;
using morvtest::MainWindowTest;

namespace {

// Molar masses of the built database [kg/mol].
constexpr double Mmethanol = 0.03204186;
constexpr double Mwater = 0.01801528;

const std::string question = "Bude se zadávat složení: \r\n0 - V TRUBKÁCH     1 - V PLÁŠTI";
const std::string precondition =
    "Dříve než zadáváte složení, musí být zadány všechny teploty a tlaky a průtoky na "
    "listu 'Základní'!\r\nJinak nemohu spočítat fyz. veličiny při střed.teplotách.";

using morvtest::child;
using morvtest::components;
using morvtest::composition;
using morvtest::drive;

//! "&Zpět" in the composition window.
void back(QDialog& d) {
    child<QPushButton>(d, QStringLiteral("C_Zpet"))->click();
}

//! The main window with the library's windows for every mixture, the sample task loaded and
//! shown (water in the tubes, methanol in the shell).
class Composition : public MainWindowTest {
protected:
    void SetUp() override {
        kwelar::installSmesWindows();
        MainWindowTest::SetUp();
        activateFirstTime();
        window->show();
        modalsShown.clear();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        kwelar::setSmesOknaFactory(nullptr);
    }
    void loadSample() {
        ASSERT_EQ(morv::loadTask(program(), morvtest::sampleTaskPath(morvtest::sampleTask)), 0);
        morv::ZobrazData(*window);
    }
    //! Queues the library's two windows of one stream's entry.
    void entry(std::vector<int16_t> numbers, std::vector<QString> parts) {
        onModal([numbers](QDialog& d) { return drive(d, components(numbers)); });
        onModal([parts](QDialog& d) { return drive(d, composition(parts)); });
    }
    void press() { QTest::mouseClick(control<QPushButton>("cmdSloz"), Qt::LeftButton); }
    morv::Proud& tube() { return program().Vymenik().Tr(); }
    morv::Proud& shell() { return program().Vymenik().Pl(); }
    //! The input boxes shown, as (default answer) in order.
    std::vector<std::string> questionsAsked() const {
        std::vector<std::string> defaults;
        for (const auto& b : boxes.boxes())
            if (b.input) {
                EXPECT_EQ(b.text, question);
                EXPECT_EQ(b.title, "Složení médií");
                defaults.push_back(b.def);
            }
        return defaults;
    }
    //! The message boxes shown, by text.
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& b : boxes.boxes())
            if (!b.input) texts.push_back(b.text);
        return texts;
    }
};

} // namespace

TEST_F(Composition, BothStreamsEnteredInTurnThenPropertiesShown) {
    loadSample();
    // A task without compositions: both mixtures emptied.
    tube().S().ResetujSmes();
    shell().S().ResetujSmes();
    program().Kondenzator().he(nullptr);

    boxes.type("0");
    entry({morvtest::water}, {"1"});
    boxes.answer(platform::answer::Ok);
    boxes.type("1");
    entry({morvtest::methanol, morvtest::water}, {"0.9", "0.1"});
    press();

    EXPECT_EQ(questionsAsked(), (std::vector<std::string>{"0", "1"}))
        << "the missing shell stream is suggested";
    EXPECT_EQ(messages(), std::vector<std::string>{"Je třeba ještě zadat plášťový proud!"});
    EXPECT_EQ(boxes.boxes()[1].style, 64);
    EXPECT_EQ(boxes.boxes()[1].title, "MORV");
    EXPECT_EQ(modalsShown, (std::vector<std::string>{"F_Seznam", "F_Sloz", "F_Seznam", "F_Sloz"}));

    EXPECT_EQ(tube().S().Nsloz().toInteger(), 1);
    EXPECT_EQ(tube().S().Nslozky(1).toInteger(), morvtest::water);
    EXPECT_DOUBLE_EQ(tube().Xm(1), 1.0);
    EXPECT_DOUBLE_EQ(tube().Xh(1), 1.0);
    ASSERT_EQ(shell().S().Nsloz().toInteger(), 2);
    EXPECT_EQ(shell().S().Nslozky(2).toInteger(), morvtest::water);
    EXPECT_NEAR(shell().Xh(1), 0.9, 1e-12);
    EXPECT_NEAR(shell().Xh(2), 0.1, 1e-12);
    // Mole fractions of the mass fractions: x_i = (w_i / M_i) / sum_j (w_j / M_j).
    const double n1 = 0.9 / Mmethanol, n2 = 0.1 / Mwater;
    EXPECT_NEAR(shell().Xm(1), n1 / (n1 + n2), 1e-6);
    EXPECT_NEAR(shell().Xm(2), n2 / (n1 + n2), 1e-6);
    EXPECT_EQ(program().AktProud, program().Vymenik().PlRef());

    // The properties at the mean temperatures are computed and shown with both compositions.
    EXPECT_EQ(program().Kondenzator().heRef(), program().VymenikRef());
    EXPECT_GT(program().Vymenik().ReP.toDouble(), 0.0);
    auto* shellGrid = control<platform::FlexGrid>("flxG1");
    EXPECT_TRUE(shellGrid->TextMatrix(2, 0).startsWith(QStringLiteral("Water")))
        << shellGrid->TextMatrix(2, 0).toStdString();
    EXPECT_EQ(shellGrid->TextMatrix(1, 1), QStringLiteral("0.90000"));
    EXPECT_TRUE(control<platform::FlexGrid>("flxG")->TextMatrix(1, 0).startsWith(QStringLiteral("Water")));
    EXPECT_EQ(control<QLineEdit>("txtSl_1")->text().toStdString(),
              program().Prevodnik().RoundX(program().Vymenik().HustPl).toString());
    EXPECT_GT(program().Vymenik().HustPl.toDouble(), 0.0);

    const QByteArray folder = qgetenv("MORV_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(folder));
        window->resize(1000, 640);
        control<QTabWidget>("SSTab1")->setCurrentIndex(3);
        QApplication::processEvents();
        EXPECT_TRUE(
            window->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/frmHE-compositions.png")));
    }
}

// The way to the property library's data editor that the README gives: "Zadat složení", a
// stream, its components, a right click on a component's name in the composition window,
// Enter in the rename window and "Yes" to the question of changing the substance's data.
TEST_F(Composition, ARightClickOnAComponentsNameLeadsToTheDataEditor) {
    loadSample();
    boxes.type("0");
    boxes.answer(platform::answer::Yes);
    onModal([](QDialog& d) { return drive(d, components({morvtest::water})); });
    onModal([](QDialog& d) {
        return drive(d, [](QDialog& sloz) {
            QTest::mouseClick(child<QLabel>(sloz, QStringLiteral("L_J_0")), Qt::RightButton, {},
                              QPoint(5, 5));
            composition({"1"})(sloz);
        });
    });
    onModal([](QDialog& d) {
        return drive(d, [](QDialog& rename) {
            EXPECT_EQ(rename.objectName(), QStringLiteral("F_Zmenaz"));
            QTest::keyClick(child<QLineEdit>(rename, QStringLiteral("T_Nov")), Qt::Key_Return);
        });
    });
    onModal([](QDialog& d) {
        return drive(d, [](QDialog& editor) {
            EXPECT_EQ(editor.windowTitle(), QStringLiteral(" Dočasná změna dat o látce"));
            EXPECT_EQ(child<QPushButton>(editor, QStringLiteral("Command1"))->text(),
                      QStringLiteral("&Dočasně nahrát (700)"));
            child<QPushButton>(editor, QStringLiteral("cmdPokr"))->click();
        });
    });
    press();

    EXPECT_EQ(modalsShown, (std::vector<std::string>{"F_Seznam", "F_Sloz", "F_Zmenaz", "frmOprav"}));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].starts_with("Chcete dočasně změnit vlastnosti této látky?")) << messages()[0];
    EXPECT_EQ(tube().S().Nslozky(1).toInteger(), morvtest::water);
}

namespace {

struct RefusalCase {
    const char* name;
    char sep;
    bool sample;     //!< the sample task loaded and shown first
    const char* box; //!< a box then given another text ("" none)
    const char* text;
    const char* named; //!< the box the transfer cannot read, as the message names it ("" none)
    bool basic;        //!< the message that the basic tab is incomplete, with that tab shown
};

std::ostream& operator<<(std::ostream& os, const RefusalCase& c) {
    return os << c.name << " '" << c.sep << "'";
}

class CompositionRefused : public Composition, public ::testing::WithParamInterface<RefusalCase> {};

} // namespace

TEST_P(CompositionRefused, MessageNamesWhatIsMissingWithoutAQuestion) {
    const RefusalCase& c = GetParam();
    platform::DecimalSeparatorScope scope(c.sep);
    if (c.sample) loadSample();
    if (*c.box) control<QLineEdit>(c.box)->setText(QString::fromUtf8(c.text));
    const int16_t shellComponents = shell().S().Nsloz().toInteger();
    control<QTabWidget>("SSTab1")->setCurrentIndex(3);
    boxes.answer(platform::answer::Ok);
    press();
    std::string expected = *c.named ? std::string("Nelze přečíst: ") + c.named + "!" : "";
    if (c.basic) expected += (expected.empty() ? "" : "\r\n") + precondition;
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, expected);
    EXPECT_EQ(boxes.boxes()[0].style, 64);
    EXPECT_EQ(boxes.boxes()[0].title, "MORV");
    EXPECT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), c.basic ? 0 : 3);
    EXPECT_TRUE(modalsShown.empty());
    EXPECT_EQ(shell().S().Nsloz().toInteger(), shellComponents) << "nothing is reset";
}

const char* const tubeFlow = "Průtok (kg/s) - Trubkový prostor na listu 'Základní'";
const char* const inerts = "Obsah inertů (mol.zlomek) na listu 'Složení proudů'";
const char* const tubePressure = "Tlak na vstupu do trubek (MPa) na listu 'Základní'";

INSTANTIATE_TEST_SUITE_P(
    Composition, CompositionRefused,
    ::testing::Values(
        RefusalCase{"FreshStartWithEveryBoxEmpty", '.', false, "", "", tubeFlow, true},
        RefusalCase{"TemperatureBoxEmpty", '.', true, "txtPar_4", "",
                    "Výstupní teplota (°C) - Trubkový prostor na listu 'Základní'", true},
        RefusalCase{"ShellPressureZero", '.', true, "txtPpl", "0", "", true},
        RefusalCase{"TubePressureZero", ',', true, "txtPtr", "0", "", true},
        RefusalCase{"ShellFlowZero", '.', true, "txtPar_1", "0", "", true},
        // The basic tab is complete: only the box that cannot be read is named.
        RefusalCase{"InertsBoxEmpty", '.', true, "txtSl_18", "", inerts, false},
        RefusalCase{"InertsBoxEmpty", ',', true, "txtSl_18", "", inerts, false},
        RefusalCase{"PressureLeftWithItsUnit", '.', true, "txtPtr", "3 bar", tubePressure, false},
        RefusalCase{"PressureLeftWithItsUnit", ',', true, "txtPtr", "3 bar", tubePressure, false},
        RefusalCase{"LengthWithThePointOfAnotherRegion", ',', true, "txtPark_3", "2.2",
                    "Délka trubek na listu 'Konstrukční'", false}),
    [](const auto& info) {
        return std::string(info.param.name) + (info.param.sep == ',' ? "Comma" : "Point");
    });

namespace {

struct AnswerCase {
    const char* name;
    char sep;
    std::vector<std::string> answers; //!< typed into the questions in turn
    int earlier;                      //!< current stream before the press: -1 none, 0 tube, 1 shell
    int entered;                      //!< stream whose windows open: -1 none, 0 tube, 1 shell
};

std::ostream& operator<<(std::ostream& os, const AnswerCase& c) {
    return os << c.name << " '" << c.sep << "'";
}

class CompositionAnswer : public Composition, public ::testing::WithParamInterface<AnswerCase> {};

} // namespace

TEST_P(CompositionAnswer, AnswerChoosesTheStream) {
    // With the sample task both streams have components, so one entry ends the dialogue.
    const AnswerCase& c = GetParam();
    platform::DecimalSeparatorScope scope(c.sep);
    loadSample();
    auto ref = [](int stream) {
        return stream == 0   ? program().Vymenik().TrRef()
               : stream == 1 ? program().Vymenik().PlRef()
                             : nullptr;
    };
    program().AktProud = ref(c.earlier);
    for (const std::string& a : c.answers)
        boxes.type(a);
    if (c.entered == 0)
        entry({morvtest::water}, {"1"});
    else if (c.entered == 1)
        entry({morvtest::methanol}, {"1"});
    press();
    // Every question before an entry suggests the tube stream.
    EXPECT_EQ(questionsAsked(), std::vector<std::string>(c.answers.size(), "0"));
    EXPECT_TRUE(messages().empty()) << messages().front();
    EXPECT_EQ(program().AktProud, ref(c.entered >= 0 ? c.entered : c.earlier));
    EXPECT_EQ(modalsShown.size(), c.entered >= 0 ? 2u : 0u);
    // Both streams keep components: an empty answer resets nothing.
    EXPECT_EQ(tube().S().Nsloz().toInteger(), 1);
    EXPECT_EQ(shell().S().Nsloz().toInteger(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Composition, CompositionAnswer,
    ::testing::Values(AnswerCase{"CancelEndsAtOnce", '.', {""}, -1, -1},
                      AnswerCase{"TypoAsksAgain", '.', {"s1", "1"}, -1, 1},
                      AnswerCase{"TypoAsksAgain", ',', {"abc", "0"}, 1, 0},
                      AnswerCase{"TypoThenCancelKeepsTheStream", ',', {"abc", ""}, 1, -1},
                      AnswerCase{"HalfRoundsToEvenZero", '.', {"0.5"}, 1, 0},
                      AnswerCase{"FractionRoundsToTheShell", '.', {"1.4"}, -1, 1},
                      AnswerCase{"FractionRoundsToTheShell", ',', {"1.4"}, -1, 1},
                      AnswerCase{"OtherNumberKeepsTheEarlierStream", '.', {"7"}, 1, 1},
                      AnswerCase{"OtherNumberWithoutAStreamAsksAgain", '.', {"7", "1"}, -1, 1},
                      AnswerCase{"HugeNumberWithoutAStreamAsksAgain", '.', {"1e9", ""}, -1, -1}),
    [](const auto& info) {
        return std::string(info.param.name) + (info.param.sep == ',' ? "Comma" : "Point");
    });

namespace {

//! The component window closed without a choice.
void closed(QDialog& d) {
    d.reject();
}

} // namespace

TEST_F(Composition, GoingBackKeepsTheStreamsMixtureAsItWas) {
    // Components chosen, or the component window closed, and then "&Zpět".
    const std::pair<const char*, std::function<void(QDialog&)>> ways[] = {
        {"chosen", components({morvtest::water, morvtest::methanol})}, {"closed", closed}};
    for (const char sep : {'.', ','}) {
        for (const auto& [way, choice] : ways) {
            SCOPED_TRACE(std::string(way) + " '" + sep + "'");
            platform::DecimalSeparatorScope scope(sep);
            loadSample();
            kwelar::Smes& s = tube().S();
            const int16_t mode = s.ChyboveHlasky();
            // The liquid density of the stream's mixture at 300 K: its records at work.
            auto density = [&s] {
                platform::VArray pure(1, 1);
                pure(1) = platform::Variant(1.0);
                return s.ROLW(platform::Variant(300.0), pure);
            };
            const platform::Variant before = density();
            boxes.type("0");
            onModal([choice](QDialog& d) { return drive(d, choice); });
            onModal([](QDialog& d) { return drive(d, back); });
            boxes.type("");
            press();
            EXPECT_EQ(questionsAsked(), (std::vector<std::string>{"0", "0"}));
            EXPECT_TRUE(messages().empty());
            ASSERT_EQ(s.Nsloz().toInteger(), 1);
            EXPECT_EQ(s.Nslozky(1).toInteger(), morvtest::water);
            EXPECT_EQ(s.ChyboveHlasky(), mode);
            EXPECT_TRUE(density().identical(before));
            EXPECT_DOUBLE_EQ(tube().Xm(1), 1.0);
            EXPECT_DOUBLE_EQ(tube().Xh(1), 1.0);
            EXPECT_DOUBLE_EQ(tube().Xm(2), 0.0) << "nothing copied from the cancelled entry";
            auto* grid = control<platform::FlexGrid>("flxG");
            EXPECT_TRUE(grid->TextMatrix(1, 0).startsWith(QStringLiteral("Water")));
            EXPECT_TRUE(grid->TextMatrix(2, 0).isEmpty());
            // The task still calculates on the mixtures it had.
            QTest::mouseClick(control<QPushButton>("cmdVypoc"), Qt::LeftButton);
            EXPECT_TRUE(control<QLabel>("lblStav")->text().endsWith(QStringLiteral("  iterací")));
            EXPECT_TRUE(messages().empty()) << messages().front();
            boxes->clear();
            modalsShown.clear();
        }
    }
}

TEST_F(Composition, TubesThatDoNotFitTheShellGiveTheNegativeReynoldsMessage) {
    loadSample();
    // 40 tubes of 25 mm side by side are wider than the 0.6 m shell.
    control<QLineEdit>("txtPark_10")->setText(QStringLiteral("40"));
    boxes.type("1");
    entry({morvtest::methanol}, {"1"});
    boxes.answer(platform::answer::Ok);
    press();
    EXPECT_LT(program().Vymenik().ReP.toDouble(), 0.0);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Záporné Re v plášti, zajistěte aby Dplast > Nstřed.Dtrubvněj");
    EXPECT_EQ(boxes.boxes().back().style, 16);
    EXPECT_FALSE(control<QLineEdit>("txtSl_1")->text().isEmpty()) << "the properties stay shown";
}
