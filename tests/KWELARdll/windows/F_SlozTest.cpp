// Composition entry: `ZadejSloz` with and without the window `F_Sloz`, its normalisation and
// conversion between mole and mass fractions, and its failures.

#include "KWELARdll/windows/F_Sloz.h"
#include "FixtureDb.h"
#include "KWELARdll/model/Smes.h"
#include "Platform/Regional.h"
#include "WindowScript.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using kwelar::Smes;
using kwelartest::child;
using kwelartest::FixtureDb;
using kwelartest::ModalScript;
using platform::Variant;
using platform::VArray;
using testsupport::ScriptedBoxes;
using testsupport::TempDir;

// Molar masses of the fixture's substances [kg/mol].
constexpr double M1 = 0.018;
constexpr double M2 = 0.046;
constexpr double M3 = 0.032;

FixtureDb compositionDatabase() {
    FixtureDb db;
    db.add(1).name("VODA").point(1, static_cast<float>(M1));
    db.add(2).name("ETHANOL").point(1, static_cast<float>(M2)).point(3, 6.14e6f).cas(64175);
    db.add(3).name("METHANOL").point(1, static_cast<float>(M3));
    db.add(4).name("BEZ MOLÁRNÍ HMOTNOSTI");
    return db;
}

// Mole fractions of mass fractions m of components with molar masses M: (m_i / M_i) / sum.
std::vector<double> moleFractions(const std::vector<double>& m, const std::vector<double>& M) {
    double sum = 0.0;
    for (size_t i = 0; i < m.size(); ++i)
        sum += m[i] / M[i];
    std::vector<double> x;
    for (size_t i = 0; i < m.size(); ++i)
        x.push_back(m[i] / M[i] / sum);
    return x;
}

QLineEdit* entry(QDialog& d, int row) {
    return d.findChild<QLineEdit*>(QStringLiteral("T_S_%1").arg(row));
}

// Types the text into the box key by key, each key with its character (the minus sign
// U+2212 of a pasted text included).
void typeText(QLineEdit* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
}

// Types the values into the boxes, each confirmed with Enter, then presses "&Pokračovat".
ModalScript::Action typeAndContinue(std::vector<QString> values, bool molar = false) {
    return [values, molar](QDialog& d) {
        if (molar) child<QRadioButton>(d, "O_Mol")->click();
        for (size_t i = 0; i < values.size(); ++i) {
            QLineEdit* box = entry(d, static_cast<int>(i));
            EXPECT_EQ(d.focusWidget(), box);
            box->clear();
            typeText(box, values[i]);
            QTest::keyClick(box, Qt::Key_Return);
        }
        EXPECT_EQ(d.focusWidget(), child<QPushButton>(d, "C_OK"))
            << "Enter in the last box leads to the button";
        child<QPushButton>(d, "C_OK")->click();
    };
}

class CompositionEntry : public ::testing::Test {
protected:
    void SetUp() override {
        kwelartest::pointAt(s, compositionDatabase().write(dir.path()));
        define({1, 2, 3});
        Xmol.redim(0, 21);
        Xhmot.redim(0, 21);
    }
    void define(std::vector<int16_t> numbers) {
        std::vector<Variant> parm;
        for (int16_t n : numbers)
            parm.emplace_back(n);
        s.DefSlozky(parm);
    }

    TempDir dir;
    kwelartest::QtWindowsScope windows;
    ScriptedBoxes boxes;
    Smes s{};
    VArray Xmol;
    VArray Xhmot;
    int16_t K = 0;
};

TEST_F(CompositionEntry, TypedMassPartsAreNormalisedAndGiveTheMoleFractions) {
    ModalScript script;
    script.then(typeAndContinue({"1", "1", "2"}));
    EXPECT_EQ(s.ZadejSloz(K, Xmol, Xhmot, "Složení").toInteger(), 0);
    EXPECT_EQ(K, 3);
    const std::vector<double> m = {0.25, 0.25, 0.5};
    const std::vector<double> x = moleFractions(m, {M1, M2, M3});
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(Xhmot(i).toDouble(), m[static_cast<size_t>(i - 1)], 1e-12);
        EXPECT_NEAR(Xmol(i).toDouble(), x[static_cast<size_t>(i - 1)], 1e-6);
    }
}

TEST_F(CompositionEntry, WindowShowsTheRowsAndTheCaption) {
    ModalScript script;
    script.then([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Proud v trubkách"));
        EXPECT_EQ(child<QLabel>(d, "L_N_1")->text(), QStringLiteral(" 2"));
        EXPECT_EQ(child<QLabel>(d, "L_J_1")->text().trimmed(), QStringLiteral("ETHANOL"));
        EXPECT_TRUE(entry(d, 2)->isEnabled());
        EXPECT_FALSE(entry(d, 3)->isEnabled());
        EXPECT_TRUE(child<QRadioButton>(d, "O_Hmot")->isChecked());
        kwelartest::screenshot(d, "F_Sloz");
        child<QPushButton>(d, "C_Zpet")->click();
    });
    EXPECT_EQ(s.ZadejSloz(K, Xmol, Xhmot, "Proud v trubkách").toInteger(), -1);
}

TEST_F(CompositionEntry, SumNearOneIsUsedAsTypedAndOtherSumsAreNormalised) {
    struct Case {
        QString a, b;
        double xa;
    };
    const Case cases[] = {
        {"0.50005", "0.5", 0.50005},
        {"0.5002", "0.5", 0.5002 / 1.0002},
    };
    for (const Case& c : cases) {
        ModalScript script;
        script.then(typeAndContinue({c.a, c.b}, true));
        define({1, 2});
        ASSERT_EQ(s.ZadejSloz(K, Xmol, Xhmot).toInteger(), 0);
        EXPECT_NEAR(Xmol(1).toDouble(), c.xa, 1e-12) << c.a.toStdString();
    }
}

TEST_F(CompositionEntry, DecimalCommaIsReadWhateverTheRegionalSeparator) {
    for (char sep : {'.', ','}) {
        platform::DecimalSeparatorScope scope(sep);
        ModalScript script;
        script.then(typeAndContinue({"0,5", "0,5"}, true));
        define({1, 3});
        ASSERT_EQ(s.ZadejSloz(K, Xmol, Xhmot).toInteger(), 0);
        EXPECT_DOUBLE_EQ(Xmol(1).toDouble(), 0.5);
        EXPECT_NEAR(Xhmot(1).toDouble(), M1 / (M1 + M3), 1e-6);
    }
}

TEST_F(CompositionEntry, PrefilledOnesGiveEqualFractionsInTheChosenUnit) {
    for (bool molar : {true, false}) {
        ModalScript script;
        script.then([molar](QDialog& d) {
            EXPECT_EQ(entry(d, 0)->text(), QStringLiteral("1.0"));
            child<QRadioButton>(d, molar ? "O_Mol" : "O_Hmot")->click();
            child<QPushButton>(d, "C_OK")->click();
        });
        ASSERT_EQ(s.ZadejSloz(K, Xmol, Xhmot, "", 1).toInteger(), 0);
        VArray& equal = molar ? Xmol : Xhmot;
        for (int i = 1; i <= 3; ++i)
            EXPECT_NEAR(equal(i).toDouble(), 1.0 / 3.0, 1e-12);
    }
}

TEST_F(CompositionEntry, NegativeCompConvertsWithoutAWindow) {
    ModalScript noWindow;
    define({1, 3});
    Xmol(1) = 0.5;
    Xmol(2) = 0.5;
    ASSERT_EQ(s.ZadejSloz(K, Xmol, Xhmot, "", -3).toInteger(), 0);
    EXPECT_DOUBLE_EQ(Xmol(1).toDouble(), 0.5);
    EXPECT_NEAR(Xhmot(1).toDouble(), M1 / (M1 + M3), 1e-6);

    Xhmot(1) = 0.25;
    Xhmot(2) = 0.75;
    ASSERT_EQ(s.ZadejSloz(K, Xmol, Xhmot, "", -2).toInteger(), 0);
    const std::vector<double> x = moleFractions({0.25, 0.75}, {M1, M3});
    EXPECT_NEAR(Xmol(1).toDouble(), x[0], 1e-6);
    EXPECT_NEAR(Xhmot(2).toDouble(), 0.75, 1e-6);
    EXPECT_TRUE(noWindow.shown().empty());
}

TEST_F(CompositionEntry, BackAndCloseButtonCancel) {
    Xmol(1) = 0.7;
    for (const char* how : {"C_Zpet", "close"}) {
        define({1, 2, 3});
        ModalScript script;
        script.then([how](QDialog& d) {
            if (std::string(how) == "close")
                d.close();
            else
                child<QPushButton>(d, how)->click();
        });
        EXPECT_EQ(s.ZadejSloz(K, Xmol, Xhmot).toInteger(), -1) << how;
        EXPECT_EQ(s.Nsloz().toInteger(), 0) << how;
        EXPECT_EQ(K, 3);
        EXPECT_DOUBLE_EQ(Xmol(1).toDouble(), 0.7);
    }
}

// Texts the boxes read as numbers (mole fractions of three components), whatever the
// regional separator and the C library's locale: a comma, blanks inside, a unit after the
// number, an exponent, and an empty or blank box as 0.
TEST_F(CompositionEntry, BoxesReadTheirLeadingNumbers) {
    struct Case {
        std::vector<QString> typed;
        std::vector<double> x;
    };
    const Case cases[] = {
        {{"0,5", "0.5", ""}, {0.5, 0.5, 0.0}},        {{"1 000", "1000", "2 000"}, {0.25, 0.25, 0.5}},
        {{"50 %", "25 %", "25%"}, {0.5, 0.25, 0.25}}, {{"1E-3", "1e-3", "2E-3"}, {0.25, 0.25, 0.5}},
        {{"   ", "+1", " 1"}, {0.0, 0.5, 0.5}},
    };
    for (const char* locale : testsupport::ProcessLocales) {
        testsupport::ProcessLocale process(locale);
        for (const char sep : {'.', ','}) {
            platform::DecimalSeparatorScope region(sep);
            for (const Case& c : cases) {
                ModalScript script;
                script.then(typeAndContinue(c.typed, true));
                ASSERT_EQ(s.ZadejSloz(K, Xmol, Xhmot).toInteger(), 0) << c.typed[0].toStdString();
                for (int i = 1; i <= 3; ++i)
                    EXPECT_NEAR(Xmol(i).toDouble(), c.x[static_cast<size_t>(i - 1)], 1e-12)
                        << locale << " " << c.typed[0].toStdString() << " row " << i;
            }
        }
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

// A box that holds text but no number is refused by "&Pokračovat" with its row: the window
// stays open with every typed text, the box is selected, and the corrected entry goes on.
TEST_F(CompositionEntry, ABoxWithoutANumberIsRefusedAndSelected) {
    for (const QString& bad : {QStringLiteral("abc"), QStringLiteral("-"), QStringLiteral("+ x"),
                               QStringLiteral("\u2212"), QStringLiteral(",,5"), QStringLiteral("%")}) {
        ModalScript script;
        script.then([&](QDialog& d) {
            entry(d, 0)->setText("1");
            entry(d, 1)->setText(bad);
            entry(d, 2)->setText("3");
            entry(d, 0)->setFocus();
            boxes.answer(platform::answer::Ok);
            child<QPushButton>(d, "C_OK")->click();
            EXPECT_TRUE(d.isVisible());
            ASSERT_EQ(boxes.boxes().size(), 1u);
            EXPECT_EQ(boxes.boxes()[0].text, "Chyba č. 13 :  2. složení není číslo!");
            EXPECT_EQ(boxes.boxes()[0].style, 48);
            EXPECT_EQ(boxes.boxes()[0].title, "KWELAR - ZadejSloz");
            EXPECT_EQ(d.focusWidget(), entry(d, 1));
            EXPECT_EQ(entry(d, 1)->selectedText(), bad);
            EXPECT_EQ(entry(d, 0)->text(), "1");
            EXPECT_EQ(entry(d, 2)->text(), "3");
            if (bad == "abc") kwelartest::screenshot(d, "F_Sloz-refused");
            boxes->clear();
            QTest::keyClicks(entry(d, 1), "4");
            child<QPushButton>(d, "C_OK")->click();
        });
        ASSERT_EQ(s.ZadejSloz(K, Xmol, Xhmot).toInteger(), 0) << bad.toStdString();
        EXPECT_DOUBLE_EQ(Xhmot(2).toDouble(), 0.5) << bad.toStdString();
    }
}

// Escape has no role in the window: the typed fractions stay and the entry goes on.
TEST_F(CompositionEntry, EscapeKeepsTheWindowAndTheTypedFractions) {
    ModalScript script;
    script.then([](QDialog& d) {
        QTest::keyClicks(entry(d, 0), "1");
        QTest::keyClick(entry(d, 0), Qt::Key_Return);
        QTest::keyClicks(entry(d, 1), "3");
        QTest::keyClick(entry(d, 1), Qt::Key_Escape);
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(entry(d, 0)->text(), "1");
        EXPECT_EQ(entry(d, 1)->text(), "3");
        child<QPushButton>(d, "C_OK")->click();
    });
    ASSERT_EQ(s.ZadejSloz(K, Xmol, Xhmot).toInteger(), 0);
    EXPECT_DOUBLE_EQ(Xhmot(1).toDouble(), 0.25);
    EXPECT_DOUBLE_EQ(Xhmot(2).toDouble(), 0.75);
    EXPECT_EQ(s.Nsloz().toInteger(), 3);
}

// Failures reported by the trap: the box, the result -2 and the outputs untouched.
struct Failure {
    const char* name;
    std::function<void(Smes&, VArray&, VArray&)> arrange;
    int16_t comp;
    std::vector<QString> typed; // empty: no window
    std::string box;
    bool molar = true;
};

class CompositionFailure : public CompositionEntry, public ::testing::WithParamInterface<Failure> {};

TEST_P(CompositionFailure, IsReportedAndTouchesNothing) {
    const Failure& f = GetParam();
    f.arrange(s, Xmol, Xhmot);
    for (int i = 1; i <= Xmol.ubound(); ++i)
        Xmol(i) = 0.125;
    for (int i = 1; i <= Xhmot.ubound(); ++i)
        Xhmot(i) = 0.375;
    ModalScript script;
    if (!f.typed.empty()) script.then(typeAndContinue(f.typed, f.molar));
    boxes.answer(platform::answer::Ok);
    EXPECT_EQ(s.ZadejSloz(K, Xmol, Xhmot, "", f.comp).toInteger(), -2);
    ASSERT_FALSE(boxes.boxes().empty());
    EXPECT_EQ(boxes.boxes().back().text, f.box);
    EXPECT_EQ(boxes.boxes().back().title, "KWELAR - ZadejSloz");
    EXPECT_EQ(boxes.boxes().back().style, 48);
    for (int i = 1; i <= Xmol.ubound(); ++i)
        EXPECT_DOUBLE_EQ(Xmol(i).toDouble(), 0.125);
    for (int i = 1; i <= Xhmot.ubound(); ++i)
        EXPECT_DOUBLE_EQ(Xhmot(i).toDouble(), 0.375);
}

void withZeroMolarMass(Smes& s, VArray&, VArray&) {
    s.DefSlozky({Variant(int16_t{1}), Variant(int16_t{4})});
}

INSTANTIATE_TEST_SUITE_P(
    ZadejSloz, CompositionFailure,
    ::testing::Values(
        Failure{"NegativeEntry",
                [](Smes&, VArray&, VArray&) {},
                0,
                {"-1", "1", "2"},
                "Chyba č. 9001 :  1. složení je záporné!"},
        // The minus sign U+2212 of a pasted text is a minus.
        Failure{"NegativeEntryWithTheMinusSign",
                [](Smes&, VArray&, VArray&) {},
                0,
                {"1", "\u22120,5", "2"},
                "Chyba č. 9001 :  2. složení je záporné!"},
        Failure{"ZeroMolarMassMassInput",
                withZeroMolarMass,
                0,
                {"0.5", "0.5"},
                "Chyba č. 11 : Division by zero",
                false},
        Failure{
            "ZeroMolarMassFromMassFractions", withZeroMolarMass, -2, {}, "Chyba č. 11 : Division by zero"},
        Failure{"ZeroMeanMolarMass",
                [](Smes& s, VArray&, VArray&) { s.DefSlozky({Variant(int16_t{4})}); },
                -3,
                {},
                "Chyba č. 11 : Division by zero"},
        Failure{"ZeroSumInSilentMode",
                [](Smes& s, VArray&, VArray&) { s.ChyboveHlasky(2); },
                0,
                {"0", "0", "0"},
                "Chyba č. 11 : Division by zero"},
        Failure{"ShortOutputArray",
                [](Smes&, VArray& x, VArray&) { x.redim(0, 2); },
                1,
                {},
                "Chyba č. 9 : Subscript out of range"},
        Failure{"OtherNegativeComp",
                [](Smes&, VArray&, VArray&) {},
                -5,
                {},
                "Chyba č. 5 : Invalid procedure call or argument"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CompositionEntry, EmptyCompositionAsksAgainOrReturnsWithoutTheWindow) {
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    ModalScript script;
    script.then(typeAndContinue({"", "0", ""}));
    script.then(typeAndContinue({"1", "0", "0"}, true));
    EXPECT_EQ(s.ZadejSloz(K, Xmol, Xhmot).toInteger(), 0);
    EXPECT_DOUBLE_EQ(Xmol(1).toDouble(), 1.0);
    Xmol(1) = 0.0;
    Xmol(2) = 0.0;
    Xmol(3) = 0.0;
    EXPECT_EQ(s.ZadejSloz(K, Xmol, Xhmot, "", -3).toInteger(), 0);
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, "Je třeba zadat složení směsi!");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
}

TEST_F(CompositionEntry, MissingComponentLeadsToTheChoiceAndAClosedChoiceEndsTheEntry) {
    s.ZapisNslozky(1, 5); // no substance 5 in the database
    s.ZapisNslozky(2, 0);
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    s.Inikwl();
    ModalScript script;
    script.then([](QDialog& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("F_Seznam"));
        d.close();
    });
    EXPECT_EQ(s.ZadejSloz(K, Xmol, Xhmot).toInteger(), -1);
    EXPECT_EQ(s.Nsloz().toInteger(), 0);
    const auto& shown = boxes.boxes();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown.back().text,
              "Některá ze složek není v bázi (0), opravte neznámou složku,\revent. náhradní složku!");
    EXPECT_EQ(shown.back().style, 16);
}

} // namespace
