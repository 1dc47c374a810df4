// Entry of the main window's boxes as a user types them: conversion through the unit
// converter, the checks of the construction values, the marks, the logical check of the
// construction, the method window and the damping.

#include "MainWindowFixture.h"

#include "MORV/window/Vypocet.h"
#include "MORV/window/frmMetod.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <tuple>

using morv::program;
using morvtest::MainWindowTest;

namespace {

class Entry : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        activateFirstTime();
        window->show();
    }
    QLineEdit* box(const QString& name) { return control<QLineEdit>(name); }
    //! Types the text into the box (replacing what it held) and presses Enter.
    void enter(const QString& name, const QString& text) {
        QLineEdit* b = box(name);
        b->setFocus();
        b->selectAll();
        b->del();
        // Characters beyond ASCII (a minus sign, a no-break space) come pasted.
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }))
            QTest::keyClicks(b, text);
        else
            b->insert(text);
        QTest::keyClick(b, Qt::Key_Return);
    }
    QString focusName() const {
        return window->focusWidget() ? window->focusWidget()->objectName() : QString();
    }
};

struct EntryCase {
    const char* name;
    char sep;
    std::vector<std::pair<const char*, const char*>> others; //!< boxes filled before
    const char* box;
    const char* typed;
    const char* shown;
    const char* focus;
    const char* message; //!< "" when none
};

std::ostream& operator<<(std::ostream& os, const EntryCase& c) {
    return os << c.name << " '" << c.sep << "'";
}

class EntryTable : public Entry, public ::testing::WithParamInterface<EntryCase> {};

} // namespace

TEST_P(EntryTable, BoxShowsTheConvertedValueAndFocusMovesOrStays) {
    const EntryCase& c = GetParam();
    platform::DecimalSeparatorScope scope(c.sep);
    for (const auto& [name, text] : c.others)
        box(name)->setText(QString::fromUtf8(text).replace('.', c.sep));
    if (*c.message) boxes.answer(platform::answer::Ok);
    enter(c.box, QString::fromUtf8(c.typed));
    EXPECT_EQ(box(c.box)->text(), QString::fromUtf8(c.shown).replace('.', c.sep));
    EXPECT_EQ(focusName(), QString::fromUtf8(c.focus));
    if (*c.message) {
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text, c.message);
    } else {
        EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes()[0].text;
    }
}

const EntryCase entryCases[] = {
    {"FlowInKgPerHour", '.', {}, "txtPar_0", "3600 kg/h", "1.0000", "txtPar_1", ""},
    {"FlowInKgPerHour", ',', {}, "txtPar_0", "3600 kg/h", "1.0000", "txtPar_1", ""},
    {"DutyInMegawatts", '.', {}, "txtPar_6", "2 MW", "2000.00", "txtPar_7", ""},
    {"DutyInMegawatts", ',', {}, "txtPar_6", "2 MW", "2000.00", "txtPar_7", ""},
    {"BareDutyIsKilowatts", '.', {}, "txtPar_6", "500", "500.00", "txtPar_7", ""},
    {"DutyInKilogramsIsRefused",
     '.',
     {},
     "txtPar_6",
     "500 kg",
     "500 kg",
     "txtPar_6",
     "Nekonzistentni jednotky!   m :  2  0"},
    // A temperature typed with its unit converts into the box's °C: (85 - 32) / 1.8 = 29.444,
    // 300 - 273.15 = 26.85.
    {"TemperatureInCelsius", '.', {}, "txtPar_2", "29.444 C", "29.444", "txtPar_3", ""},
    {"TemperatureInCelsius", ',', {}, "txtPar_2", "29,444 C", "29.444", "txtPar_3", ""},
    {"TemperatureInFahrenheit", '.', {}, "txtPar_3", "85 F", "29.444", "txtPar_4", ""},
    {"TemperatureInFahrenheit", ',', {}, "txtPar_3", "85 F", "29.444", "txtPar_4", ""},
    {"TemperatureInKelvin", '.', {}, "txtPar_4", "300 K", "26.850", "txtPar_5", ""},
    {"TemperatureInKelvin", ',', {}, "txtPar_5", "300 K", "26.850", "txtPar_6", ""},
    {"BareTemperatureIsCelsius", '.', {}, "txtPar_5", "85", "85.000", "txtPar_6", ""},
    {"BareTemperatureIsCelsius", ',', {}, "txtPar_2", "20,5", "20.500", "txtPar_3", ""},
    {"TemperatureInKilogramsIsRefused",
     '.',
     {},
     "txtPar_2",
     "5 kg",
     "5 kg",
     "txtPar_2",
     "Nekonzistentni jednotky!   kg :  0  1"},
    {"AreaMovesToThePressure", '.', {}, "txtPar_7", "12", "12.000", "txtPtr", ""},
    {"PressureInMegapascals", '.', {}, "txtPtr", "0.2 MPa", "0.20000", "txtPpl", ""},
    {"BarePressureIsMegapascals", ',', {}, "txtPtr", "0.2", "0.20000", "txtPpl", ""},
    {"ShellPressureInBar", '.', {}, "txtPpl", "1 bar", "0.10000", "txtPar_0", ""},
    {"EmptyBoxMovesOn", '.', {}, "txtPar_3", "", "", "txtPar_4", ""},
    {"LengthInCentimetres", '.', {}, "txtPark_3", "120 cm", "1.2000", "txtPark_4", ""},
    {"WallThicknessGivesInnerDiameter",
     '.',
     {{"txtPark_1", "0.025"}},
     "txtPark_2",
     "-0.002",
     "0.0210",
     "txtPark_3",
     ""},
    {"WallThicknessGivesInnerDiameter",
     ',',
     {{"txtPark_1", "0.025"}},
     "txtPark_2",
     "-0.002",
     "0.0210",
     "txtPark_3",
     ""},
    {"PitchBelowTheTubeIsRefused",
     '.',
     {{"txtPark_1", "0.025"}},
     "txtPark_6",
     "0.026",
     "0.026000",
     "txtPark_6",
     "Rozteč trubek menší než průměr trubky!"},
    {"PitchAboveTheTubePasses",
     '.',
     {{"txtPark_1", "0.025"}},
     "txtPark_6",
     "0.0263",
     "0.026300",
     "txtPark_7",
     ""},
    {"LongitudinalPitchIsNotChecked",
     '.',
     {{"txtPark_1", "0.025"}},
     "txtPark_7",
     "0.026",
     "0.026000",
     "txtPark_8",
     ""},
    {"NegativeBafflesGiveTheSpacing",
     '.',
     {{"txtPark_3", "6"}},
     "txtPark_8",
     "-5",
     "1.2000",
     "txtPark_9",
     ""},
    {"NegativeBafflesGiveTheSpacing",
     ',',
     {{"txtPark_3", "6"}},
     "txtPark_8",
     "-5",
     "1.2000",
     "txtPark_9",
     ""},
    {"BaffleSpacingAboveTheTubesIsRefused",
     '.',
     {{"txtPark_3", "6"}},
     "txtPark_8",
     "7",
     "7.0000",
     "txtPark_8",
     "Zadáváte rozteč větší než délka trubek!\r\nPočet přepážek musíte zadat záporně!"},
    {"TooManyTubesAcrossAreRefusedWithAProposal",
     '.',
     {{"txtPark_0", "0.6"}, {"txtPark_1", "0.025"}, {"txtPark_6", "0.032"}},
     "txtPark_10",
     "24",
     "24.000",
     "txtPark_10",
     "Počet trubek vedle sebe převyšuje průměr pláště!\r\nOdpovídal by počet trubek 18"},
    {"TubesAcrossThatFitPass",
     '.',
     {{"txtPark_0", "0.6"}, {"txtPark_1", "0.025"}, {"txtPark_6", "0.032"}},
     "txtPark_10",
     "23",
     "23.000",
     "txtPark_11",
     ""},
    {"ZeroPitchLeavesTheProposalOut",
     '.',
     {{"txtPark_0", "0.6"}, {"txtPark_1", "0.025"}, {"txtPark_7", "0"}},
     "txtPark_11",
     "30",
     "30.000",
     "txtPark_11",
     "Počet řad trubek za sebou převyšuje průměr pláště!"},
    {"EmptyOtherBoxesSkipTheirChecks", '.', {}, "txtPark_10", "500", "500.00", "txtPark_11", ""},
    {"LastBoxesMoveToTheCondenserType", '.', {}, "txtPark_20", "1", "1.0000", "cmbChar", ""},
    // A unit is what follows the number, whatever blanks or parentheses surround the text, and
    // a minus sign pasted as U+2212 is a minus.
    {"TemperatureWithABlankAfterItsUnit", '.', {}, "txtPar_2", "85 F ", "29.444", "txtPar_3", ""},
    {"TemperatureWithBlanksAround", ',', {}, "txtPar_3", " 85 F\u00A0", "29.444", "txtPar_4", ""},
    {"TemperatureUnitInParentheses", '.', {}, "txtPar_4", "85 (F)", "29.444", "txtPar_5", ""},
    {"KelvinWithBlanksAfter", ',', {}, "txtPar_5", "300 K  ", "26.850", "txtPar_6", ""},
    {"DutyWithABlankAfterItsUnit", ',', {}, "txtPar_6", "2 MW ", "2000.00", "txtPar_7", ""},
    {"PressureWithABlankAfterItsUnit", '.', {}, "txtPtr", "3 bar ", "0.30000", "txtPpl", ""},
    {"PastedMinusSign", ',', {}, "txtPar_2", "\u221210 C", "-10.000", "txtPar_3", ""},
    {"PastedMinusSignAlone", '.', {}, "txtPar_5", "\u22122,5", "-2.5000", "txtPar_6", ""},
    // Every box checks a typed unit against its own quantity: kg/s, m2, m, or none at all.
    {"FlowWithABlankAfterItsUnit", ',', {}, "txtPar_1", "36000 kg/h ", "10.000", "txtPar_2", ""},
    {"FlowInBarIsRefused",
     '.',
     {},
     "txtPar_0",
     "5 bar",
     "5 bar",
     "txtPar_0",
     "Nekonzistentni jednotky!   m :  0 -1"},
    {"AreaInSquareCentimetres", '.', {}, "txtPar_7", "200000 cm2", "20.000", "txtPtr", ""},
    {"AreaInBarIsRefused",
     ',',
     {},
     "txtPar_7",
     "5 bar",
     "5 bar",
     "txtPar_7",
     "Nekonzistentni jednotky!   m :  2 -1"},
    {"LengthInMillimetres", ',', {}, "txtPark_3", "2200 mm", "2.2000", "txtPark_4", ""},
    {"LengthInFahrenheitIsRefused",
     '.',
     {},
     "txtPark_3",
     "85 F",
     "85 F",
     "txtPark_3",
     "Nekonzistentni jednotky!   m :  1  0"},
    {"DiameterInKilogramsIsRefused",
     '.',
     {},
     "txtPark_13",
     "5 kg ",
     "5 kg ",
     "txtPark_13",
     "Nekonzistentni jednotky!   m :  1  0"},
    {"TubeCountWithAUnitIsRefused",
     '.',
     {},
     "txtPark_4",
     "226 m",
     "226 m",
     "txtPark_4",
     "Nekonzistentni jednotky!   m :  0  1"},
    {"WallConductivityInItsUnit", '.', {}, "txtPark_21", "45 W/m/K", "45.000", "cmbChar", ""},
    {"FoulingInItsUnit", '.', {}, "txtPark_18", "2 mm2*K/W", "2.0000E-06", "txtPark_19", ""},
    {"NumberBeyondTheRangeIsRefused",
     '.',
     {},
     "txtPar_0",
     "1E999",
     "1E999",
     "txtPar_0",
     "Chyba č. 6 : Overflow"},
};

INSTANTIATE_TEST_SUITE_P(Boxes, EntryTable, ::testing::ValuesIn(entryCases), [](const auto& info) {
    return std::string(info.param.name) + (info.param.sep == ',' ? "Comma" : "Point");
});

TEST_F(Entry, MainBoxEnterMarksTheResultsStale) {
    control<QLabel>("lblStav")->setText(" 7  iterací");
    enter("txtPar_2", "20");
    EXPECT_EQ(control<QLabel>("lblStav")->text(), "Nespočteno");
}

TEST_F(Entry, MarkColoursItsBoxAndGivesItTheFocus) {
    auto* mark = control<QCheckBox>("chkPar_6");
    QTest::mouseClick(mark, Qt::LeftButton);
    EXPECT_EQ(box("txtPar_6")->palette().color(QPalette::Base), morv::colour::unknown);
    EXPECT_EQ(focusName(), "txtPar_6");
    EXPECT_EQ(control<QLabel>("lblStav")->text(), "Nespočteno");
    QTest::mouseClick(mark, Qt::LeftButton);
    EXPECT_NE(box("txtPar_6")->palette().color(QPalette::Base), morv::colour::unknown);
}

TEST_F(Entry, FileEntryEnablesTheLoadButton) {
    control<QRadioButton>("optZadk")->click();
    EXPECT_FALSE(control<QPushButton>("cmdNactiD")->isEnabled());
    control<QRadioButton>("optZads")->click();
    EXPECT_TRUE(control<QPushButton>("cmdNactiD")->isEnabled());
}

TEST_F(Entry, FlowToolTipsShowKilogramsPerHour) {
    box("txtPar_1")->setText("1.5");
    window->txtPar_MouseMove(1);
    EXPECT_EQ(box("txtPar_1")->toolTip(), "5400.0 (kg/h)");
    box("txtPar_0")->setText("x");
    window->txtPar_MouseMove(0);
    EXPECT_EQ(box("txtPar_0")->toolTip(), "Nezadáno nebo špatně!");
    window->txtPark_MouseMove(8);
    EXPECT_EQ(box("txtPark_8")->toolTip(), "Záporně zadáno znamená Počet přepážek");
}

namespace {

struct CheckCase {
    const char* name;
    std::vector<std::pair<int, const char*>> park;
    std::vector<std::pair<std::string, int>> expected; //!< text and style of each box
};

std::ostream& operator<<(std::ostream& os, const CheckCase& c) {
    return os << c.name;
}

//! A case of the check, typed with the decimal point or, on a desktop with the decimal comma,
//! with a comma.
class LogicalCheck : public Entry, public ::testing::WithParamInterface<std::tuple<CheckCase, char>> {};

const char* const summaryTitle = "HE logická kontrola konstrukčních dat";

} // namespace

TEST_P(LogicalCheck, ReportsEachBrokenRuleThenTheSummary) {
    const auto& [c, sep] = GetParam();
    platform::DecimalSeparatorScope scope(sep);
    // A model after a calculation: shell 0.6 m, pitches 0.032 m.
    program().Vymenik().Dplast = 0.6;
    program().Vymenik().sT = 0.032;
    program().Vymenik().sL = 0.032;
    for (const auto& [i, text] : c.park)
        box(QStringLiteral("txtPark_%1").arg(i))->setText(QString::fromUtf8(text).replace('.', QChar(sep)));
    for (size_t i = 0; i < c.expected.size(); ++i)
        boxes.answer(platform::answer::Ok);
    QTest::mouseClick(control<QPushButton>("cmdLogK"), Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), c.expected.size());
    for (size_t i = 0; i < c.expected.size(); ++i) {
        EXPECT_EQ(boxes.boxes()[i].text, c.expected[i].first);
        EXPECT_EQ(boxes.boxes()[i].style, c.expected[i].second);
    }
    const bool guarded = c.expected.size() == 1 && c.expected[0].second == 16;
    EXPECT_EQ(boxes.boxes().back().title, guarded ? "MORV" : summaryTitle);
}

const std::vector<std::pair<int, const char*>> sound = {{0, "0.6"},   {1, "0.025"}, {3, "6"},   {6, "0.032"},
                                                        {7, "0.032"}, {8, "0.5"},   {10, "16"}, {11, "16"}};
std::vector<std::pair<int, const char*>> with(std::vector<std::pair<int, const char*>> base,
                                              std::vector<std::pair<int, const char*>> changes) {
    for (const auto& [i, t] : changes)
        for (auto& [j, u] : base)
            if (i == j) u = t;
    return base;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LogicalCheck,
    ::testing::Combine(
        ::testing::Values(
            CheckCase{"AllRulesHold", sound, {{"Data jsou O.K.", 64}}},
            CheckCase{"NoShell", with(sound, {{0, ""}}), {{"Nenačtena nebo neúplná konstrukční data!", 16}}},
            CheckCase{"ShortTubes",
                      with(sound, {{3, "0.19"}, {8, "-5"}}),
                      {{"Nereálná délka trubky!", 64}, {"Zjištěny chyby v konstrukčních datech!", 64}}},
            CheckCase{"PitchBetweenTheTwoFactorsPasses",
                      with(sound, {{6, "0.0261"}}),
                      {{"Data jsou O.K.", 64}}},
            CheckCase{"PitchBelowTheTube",
                      with(sound, {{6, "0.0259"}}),
                      {{"Rozteč trubek menší než průměr trubky!", 64},
                       {"Zjištěny chyby v konstrukčních datech!", 64}}},
            CheckCase{"BafflesLongerThanTubes",
                      with(sound, {{8, "7"}}),
                      {{"Rozteč přepážek větší než délka trubek!", 64},
                       {"Zjištěny chyby v konstrukčních datech!", 64}}},
            CheckCase{
                "EveryCountTooLarge",
                with(sound, {{10, "24"}, {11, "25"}}),
                {{"Počet trubek vedle sebe převyšuje průměr pláště!\r\nOdpovídal by počet trubek 18", 64},
                 {"Počet řad trubek za sebou převyšuje průměr pláště!\r\nOdpovídal by počet řad 18", 64},
                 {"Zjištěny chyby v konstrukčních datech!", 64}}},
            CheckCase{"UnreadableLengthIsNamedAndItsRulesSkipped",
                      with(sound, {{3, "abc"}}),
                      {{"Nelze přečíst: Délka trubek!", 64}, {"Zjištěny chyby v konstrukčních datech!", 64}}},
            // Beyond the single-precision range: no length or shell the data can hold.
            CheckCase{"LengthBeyondSinglePrecisionIsUnreadable",
                      with(sound, {{3, "1e39"}}),
                      {{"Nelze přečíst: Délka trubek!", 64}, {"Zjištěny chyby v konstrukčních datech!", 64}}},
            CheckCase{"ShellBeyondSinglePrecisionIsUnreadable",
                      with(sound, {{0, "1e39"}}),
                      {{"Nenačtena nebo neúplná konstrukční data!", 16}}},
            CheckCase{
                "OnlyTheDiametersGiven",
                {{0, "0.6"}, {1, "0.025"}},
                {{"Nelze přečíst: Délka trubek, Rozteč trubek napříč proudu, Rozteč trubek podél proudu, "
                  "Rozteč mezi přepážkami, Počet trub.středové řady kolmo na proud, Počet řad trubek ve "
                  "směru proudu!",
                  64},
                 {"Zjištěny chyby v konstrukčních datech!", 64}}},
            CheckCase{"UnreadableBoxBesidesABrokenRule",
                      with(sound, {{8, ""}, {6, "0.0259"}}),
                      {{"Nelze přečíst: Rozteč mezi přepážkami!", 64},
                       {"Rozteč trubek menší než průměr trubky!", 64},
                       {"Zjištěny chyby v konstrukčních datech!", 64}}}),
        ::testing::Values('.', ',')),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) == ',' ? "Comma" : "Point");
    });

TEST_F(Entry, LogicalCheckWithoutAModelPitchLeavesTheProposalOut) {
    for (const auto& [i, t] : with(sound, {{10, "24"}}))
        box(QStringLiteral("txtPark_%1").arg(i))->setText(t);
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    window->cmdLogK_Click();
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, "Počet trubek vedle sebe převyšuje průměr pláště!");
}

TEST_F(Entry, MethodWindowStoresTheChosenMethodAndRefusesSmallFixedCoefficients) {
    QTest::mouseClick(control<QPushButton>("cmdMetP"), Qt::LeftButton);
    morv::frmMetod& m = window->metod();
    ASSERT_TRUE(m.isVisible());
    EXPECT_EQ(m.SSTabM->currentIndex(), 0);
    m.SSTabM->setCurrentIndex(1);
    QTest::mouseClick(m.cmdMet, Qt::LeftButton);
    EXPECT_FALSE(m.isVisible());
    EXPECT_EQ(program().Kondenzator().MetodaP, 2);
    EXPECT_EQ(control<QPushButton>("cmdMetP")->text(), "Metoda výpočtu ( 2 )");

    // Fixed coefficients: 0.4 outside is refused, 0.49 accepted.
    window->cmdMetP_Click();
    m.SSTabM->setCurrentIndex(3);
    QTest::keyClicks(m.txtIN, "500");
    QTest::keyClick(m.txtIN, Qt::Key_Return);
    EXPECT_EQ(m.focusWidget(), m.txtOUT);
    QTest::keyClicks(m.txtOUT, "0,4");
    QTest::keyClick(m.txtOUT, Qt::Key_Return);
    boxes.answer(platform::answer::Ok);
    QTest::mouseClick(m.cmdMet, Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Koeficienty nesmí být nulové!");
    EXPECT_EQ(boxes.boxes()[0].title, "MORV - Metoda");
    EXPECT_TRUE(m.isVisible());
    EXPECT_EQ(program().Kondenzator().MetodaP, 2);
    m.txtOUT->setText("0.49");
    QTest::keyClick(m.txtOUT, Qt::Key_Return);
    QTest::mouseClick(m.cmdMet, Qt::LeftButton);
    EXPECT_EQ(program().Kondenzator().MetodaP, 4);
    EXPECT_EQ(program().Vymenik().AlfaiK.toDouble(), 500.0);
    // Opened again on method 4: the fixed tab with the focus in the inner coefficient.
    window->cmdMetP_Click();
    EXPECT_EQ(m.SSTabM->currentIndex(), 3);
    EXPECT_EQ(m.focusWidget(), m.txtIN);
    EXPECT_EQ(m.txtIN->text(), "500");
}

TEST_F(Entry, MethodWindowDoesNotOpenForCondensationInHorizontalTubes) {
    program().Vymenik().PlastKap = true;
    program().Vymenik().Natok = 0;
    boxes.answer(platform::answer::Ok);
    window->cmdMetP_Click();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Pro kondenzaci v horizontálních trubkách nejsou varianntní metody!");
    EXPECT_FALSE(window->metod().isVisible());
}

TEST_F(Entry, DampingIsAskedForAndLastsUntilTheNextActivation) {
    for (char sep : {'.', ','}) {
        platform::DecimalSeparatorScope scope(sep);
        program().TlumKonst = platform::Variant(0.4);
        boxes.type("0.2");
        QTest::mouseClick(control<QPushButton>("cmdTlum"), Qt::LeftButton);
        ASSERT_FALSE(boxes.boxes().empty());
        EXPECT_EQ(boxes.boxes().back().title, "Dočasně");
        EXPECT_EQ(boxes.boxes().back().def, "0.4");
        EXPECT_EQ(boxes.boxes().back().text,
                  sep == ',' ? "Hodnotu zákl.tlum.konst. (0,40000):" : "Hodnotu zákl.tlum.konst. (0.40000):");
        EXPECT_EQ(program().TlumKonst.toDouble(), 0.2);
        EXPECT_EQ(control<QPushButton>("cmdTlum")->text(),
                  sep == ',' ? "Tlum.konst. (0,2000 )" : "Tlum.konst. (0.2000 )");
        EXPECT_EQ(focusName(), "cmdVypoc");
        for (const char* unusable : {"0", "-1", ""}) {
            boxes.type(unusable);
            window->cmdTlum_Click();
            EXPECT_EQ(program().TlumKonst.toDouble(), 0.2) << unusable;
        }
    }
    window->Form_Activate();
    EXPECT_EQ(program().TlumKonst.toDouble(), 0.4);
    EXPECT_EQ(control<QPushButton>("cmdTlum")->text(), "Tlum.konst. (0,2000 )"); // the caption stays
}
