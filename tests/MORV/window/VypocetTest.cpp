// Moving data between the main window and the model: the transfer of the inputs, the display
// of the model, the pressure-drop boxes and the colouring of results by their usual range.

#include "MainWindowFixture.h"

#include "MORV/model/TaskCommands.h"
#include "MORV/window/Vypocet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

using morv::program;
using morvtest::MainWindowTest;
using platform::Variant;

namespace {

class Transfer : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        activateFirstTime();
        // A complete, valid window: water heated in the tubes, vapour condensing in the shell.
        const char* par[8] = {"10", "1.5", "20", "80", "30", "80", "250", "50"};
        for (int i = 0; i < 8; ++i)
            box("txtPar", i)->setText(par[i]);
        const char* park[22] = {"0.6",  "0.025",  "0.021",  "6",      "100", "4",   "0.032", "0.0277",
                                "0.36", "0.7",    "16",     "20",     "0",   "0.2", "0.1",   "0.15",
                                "0.15", "0.0001", "0.0002", "0.0003", "1",   "16"};
        for (int i = 0; i < 22; ++i)
            box("txtPark", i)->setText(park[i]);
        box("txtNum")->setText("12");
        box("txtPtr")->setText("0.3");
        box("txtPpl")->setText("0.1");
        box("txtSl", 18)->setText("0.01");
        control<QComboBox>("cmbSkS")->setCurrentText("kapalné");
        control<QComboBox>("cmbSkT")->setCurrentText("plynné");
    }
    QLineEdit* box(const char* name, int i = -1) {
        return control<QLineEdit>(i < 0 ? QString::fromUtf8(name) : QStringLiteral("%1_%2").arg(name).arg(i));
    }
    static morv::TARMST& he() { return program().Vymenik(); }
    //! Rewrites every input box with the given decimal separator.
    void writeWith(char sep) {
        for (QLineEdit* b : window->findChildren<QLineEdit*>()) {
            QString t = b->text();
            t.replace(QLatin1Char(sep == ',' ? '.' : ','), QLatin1Char(sep));
            b->setText(t);
        }
    }
    QString label(const char* name) { return control<QLabel>(name)->text(); }
};

} // namespace

TEST_F(Transfer, StreamTypesFollowTheTemperaturesAndWarnWhenBothAgree) {
    struct Case {
        const char *tubeIn, *tubeOut, *shellIn, *shellOut;
        int16_t TrTyp, PlTyp, flag8;
        bool warned;
    };
    const Case cases[] = {
        {"20", "30", "80", "80", 1, -1, 1, false},
        {"120", "60", "15", "25", -1, 1, 0, false},
        {"20", "30", "10", "25", 1, 1, 0, true},
        {"50", "50", "70", "70", -1, -1, 1, true},
    };
    for (const Case& c : cases) {
        box("txtPar", 2)->setText(c.tubeIn);
        box("txtPar", 4)->setText(c.tubeOut);
        box("txtPar", 3)->setText(c.shellIn);
        box("txtPar", 5)->setText(c.shellOut);
        if (c.warned) boxes.answer(platform::answer::Ok);
        const size_t before = boxes.boxes().size();
        morv::PrevezmiZadani(*window);
        EXPECT_EQ(he().TrTyp, c.TrTyp) << c.tubeIn;
        EXPECT_EQ(he().PlTyp, c.PlTyp) << c.shellIn;
        EXPECT_EQ(he().IPOM(8), c.flag8) << c.shellIn;
        EXPECT_EQ(label("lblTrTyp"), c.TrTyp == 1 ? "studený" : "teplý zm.skup.");
        EXPECT_EQ(label("lblPltyp"), c.PlTyp == 1 ? "studený" : "teplý zm.skup.");
        ASSERT_EQ(boxes.boxes().size(), before + (c.warned ? 1 : 0));
        if (c.warned) {
            EXPECT_EQ(boxes.boxes().back().text, "Chybně zadané teploty proudů!");
            EXPECT_EQ(boxes.boxes().back().style, 16);
            EXPECT_EQ(boxes.boxes().back().title, "MORV");
        }
    }
}

TEST_F(Transfer, BoxesReachTheirFieldsInTheModelsUnits) {
    for (char sep : {'.', ','}) {
        platform::DecimalSeparatorScope scope(sep);
        writeWith(sep);
        auto dec = [sep](std::string s) {
            for (char& ch : s)
                if (ch == '.') ch = sep;
            return QString::fromStdString(s);
        };
        box("txtPtr")->setText(dec("0.2"));
        box("txtNum")->setText(dec("7.5"));
        box("txtPark", 4)->setText(dec("100.4"));
        box("txtPar", 0)->setText(dec("26.78"));
        control<QCheckBox>("chkPar_3")->setTristate(true);
        control<QCheckBox>("chkPar_3")->setCheckState(Qt::PartiallyChecked);
        control<QCheckBox>("chkPar_6")->setChecked(true);
        control<QComboBox>("cmbChar")->setCurrentText("vertikální");
        morv::PrevezmiZadani(*window);
        EXPECT_EQ(static_cast<float>(he().Q), 250000.0f) << sep;
        EXPECT_NEAR(he().Tr().P(), 200000.003, 0.001) << sep;
        EXPECT_EQ(he().Pl().P(), static_cast<double>(0.1f) * 1e6) << sep;
        EXPECT_EQ(he().Tr().m(), static_cast<double>(26.78f)) << sep; // single precision on the way
        EXPECT_EQ(he().Numb, 8) << sep;
        EXPECT_EQ(he().Ntrub, 100) << sep;
        EXPECT_EQ(static_cast<float>(he().NstredL), 20.0f);
        EXPECT_EQ(static_cast<float>(he().Vodw), 16.0f);
        EXPECT_EQ(he().IPOM(3), 0) << "a greyed mark is no unknown";
        EXPECT_EQ(he().IPOM(6), 1);
        EXPECT_TRUE(he().TrubKap);
        EXPECT_FALSE(he().PlastKap);
        EXPECT_EQ(he().Natok, 1);
        EXPECT_EQ(static_cast<float>(program().Kondenzator().Xinert), 0.01f);
    }
    writeWith('.');
    box("txtNum")->setText("6.5");
    control<QComboBox>("cmbChar")->setCurrentText("horizontální");
    control<QComboBox>("cmbSkS")->setCurrentText("plynné");
    morv::PrevezmiZadani(*window);
    EXPECT_EQ(he().Numb, 6);
    EXPECT_EQ(he().Natok, 0);
    EXPECT_FALSE(he().TrubKap);
}

TEST_F(Transfer, FirstUnreadableBoxStopsTheTransferWithTypeMismatch) {
    he().Tplasti = 99.0;
    he().L = 1.0;
    box("txtPar", 3)->clear();
    try {
        morv::PrevezmiZadani(*window);
        FAIL() << "no error";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), platform::err::TypeMismatch);
        EXPECT_EQ(e.source(), "txtPar_3");
        EXPECT_EQ(morv::unreadableBoxLine(*window, e),
                  "Nelze přečíst: Vstupní teplota (°C) - Prostor pláště na listu 'Základní'!");
    }
    EXPECT_EQ(he().Tr().m(), 10.0);
    EXPECT_EQ(he().Pl().m(), 1.5);
    EXPECT_EQ(static_cast<float>(he().Ttrubi), 20.0f);
    EXPECT_EQ(static_cast<float>(he().Tplasti), 99.0f);
    EXPECT_EQ(static_cast<float>(he().L), 1.0f);
    EXPECT_EQ(label("lblTrTyp"), "");
}

TEST_F(Transfer, DisplayShowsTheModelInTheBoxes) {
    struct Case {
        char sep;
        double duty, pressure;
        int16_t number;
        const char *dutyText, *pressureText, *numberText;
    };
    const Case cases[] = {
        {'.', 250000, 200000, 0, "250", "0.2", ""},
        {',', 5000, 200000, 12, "5", "0,2", "12"},
        {'.', 123456, 250000, 12, "123.46", "0.25", "12"},
    };
    for (const Case& c : cases) {
        platform::DecimalSeparatorScope scope(c.sep);
        writeWith(c.sep);
        morv::PrevezmiZadani(*window);
        he().Q = c.duty;
        he().Tr().P(c.pressure);
        he().Numb = c.number;
        he().Ntrub = 100;
        he().Dtrubo = 0.025;
        he().L = 6;
        he().Natok = 3;
        he().IPOM(3, 1);
        morv::ZobrazData(*window);
        EXPECT_EQ(box("txtPar", 6)->text().toStdString(), c.dutyText);
        EXPECT_EQ(box("txtPtr")->text().toStdString(), c.pressureText);
        EXPECT_EQ(box("txtNum")->text().toStdString(), c.numberText);
        // The area always follows the tubes: 100 x 3.1415 x 0.025 x 6, whatever was typed.
        EXPECT_EQ(static_cast<float>(he().Plocha), static_cast<float>(100 * 3.1415 * 0.025 * 6));
        EXPECT_EQ(box("txtPar", 7)->text(), c.sep == ',' ? "47,123" : "47.123");
        EXPECT_EQ(control<QComboBox>("cmbChar")->currentText(), "vertikální");
        EXPECT_TRUE(control<QCheckBox>("chkPar_3")->isChecked());
        EXPECT_EQ(box("txtPar", 3)->palette().color(QPalette::Base), morv::colour::unknown);
        EXPECT_NE(box("txtPar", 2)->palette().color(QPalette::Base), morv::colour::unknown);
        EXPECT_EQ(box("txtPark", 4)->text(), c.sep == ',' ? "100,00" : "100.00");
        // Never computed: shown as the zero of the display, no failure.
        EXPECT_EQ(box("txtTr", 14)->text(), c.sep == ',' ? "0,0000E00" : "0.0000E00");
        EXPECT_EQ(label("lblTrSk"), "kapalné");
        EXPECT_EQ(label("lblPlSk"), "plynné");
        morv::PrevezmiZadani(*window); // an empty number box reads back as 0
        EXPECT_EQ(he().Numb, c.number);
    }
}

TEST_F(Transfer, LoadedTaskShownAndTransferredBackGivesTheSameFields) {
    ASSERT_EQ(morv::loadTask(program(), std::string(MORV_SAMPLE_TASKS) + "/methanol-condenser.dat"), 0);
    morv::ZobrazData(*window);
    morv::TARMST& m = he();
    const double before[] = {
        m.Tr().m(),      m.Pl().m(),      m.Ttrubi,   m.Ttrubo, m.Tplasti, m.Tplasto, m.Q,
        m.Plocha,        m.Tr().P(),      m.Pl().P(), m.Dplast, m.Dtrubo,  m.Dtrubi,  m.L,
        double(m.Ntrub), double(m.Chod),  m.sT,       m.sL,     m.dPrep,   m.hPrep,   double(m.NstredT),
        m.NstredL,       double(m.Uspor), m.Vodw,     m.Zneci,  m.Zneco};
    const int16_t flags[9] = {m.IPOM(0), m.IPOM(1), m.IPOM(2), m.IPOM(3), m.IPOM(4),
                              m.IPOM(5), m.IPOM(6), m.IPOM(7), m.IPOM(8)};
    const bool tubeLiquid = m.TrubKap, shellLiquid = m.PlastKap;
    const int16_t layout = m.Natok;
    morv::PrevezmiZadani(*window);
    const double after[] = {
        m.Tr().m(),      m.Pl().m(),      m.Ttrubi,   m.Ttrubo, m.Tplasti, m.Tplasto, m.Q,
        m.Plocha,        m.Tr().P(),      m.Pl().P(), m.Dplast, m.Dtrubo,  m.Dtrubi,  m.L,
        double(m.Ntrub), double(m.Chod),  m.sT,       m.sL,     m.dPrep,   m.hPrep,   double(m.NstredT),
        m.NstredL,       double(m.Uspor), m.Vodw,     m.Zneci,  m.Zneco};
    for (size_t i = 0; i < std::size(before); ++i)
        EXPECT_NEAR(after[i], before[i], 5e-5 * std::abs(before[i])) << "field " << i;
    for (int16_t i = 0; i < 9; ++i)
        EXPECT_EQ(m.IPOM(i), flags[i]) << i;
    EXPECT_EQ(m.TrubKap, tubeLiquid);
    EXPECT_EQ(m.PlastKap, shellLiquid);
    EXPECT_EQ(m.Natok, layout);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(Transfer, RangeColouringTreatsBoundsAsInsideAndStopsAtAnEmptyBox) {
    std::vector<QLineEdit*> dp(window->txtDp.begin(), window->txtDp.end());
    const char* texts[4] = {"10.000", "1.5001", "0.020000", "1.5000"};
    const int16_t at[4] = {0, 6, 10, 15};
    for (int i = 0; i < 4; ++i)
        dp[static_cast<size_t>(at[i])]->setText(texts[i]);
    const std::vector<Variant> lower = {Variant(), 0.02, 0.02, 0.02, 0.02, 0.02};
    const std::vector<Variant> upper = {Variant(), 10.0, 1.5, 10.0, 1.5, 10.0};
    dp[19]->clear();
    morv::setTextColour(*dp[19], morv::colour::outOfRange);
    morv::KontrolaMezi(dp, lower, upper, {5, 0, 6, 10, 15, 19});
    EXPECT_EQ(dp[0]->palette().color(QPalette::Text), morv::colour::inRange);
    EXPECT_EQ(dp[6]->palette().color(QPalette::Text), morv::colour::outOfRange);
    EXPECT_EQ(dp[10]->palette().color(QPalette::Text), morv::colour::outOfRange);
    EXPECT_EQ(dp[15]->palette().color(QPalette::Text), morv::colour::inRange);
    EXPECT_EQ(dp[19]->palette().color(QPalette::Text), morv::colour::outOfRange); // not visited
    // A count limits the entries visited.
    dp[6]->setText("1.0");
    dp[10]->setText("1.0");
    morv::KontrolaMezi(dp, lower, upper, {5, 0, 6, 10, 15, 19}, 2);
    EXPECT_EQ(dp[6]->palette().color(QPalette::Text), morv::colour::inRange);
    EXPECT_EQ(dp[10]->palette().color(QPalette::Text), morv::colour::outOfRange);
}

TEST_F(Transfer, PressureDropsAreShownAsTheDisplayWritesThem) {
    he().ReP = 12345.6;
    he().dPtr = 1500.0;
    he().vtrvst = 2.0;
    he().TrubKap = true;
    morv::ZobrazTlakZtrTrubky(*window);
    morv::ZobrazTlakZtrPlast(*window);
    EXPECT_EQ(box("txtDp", 16)->text(), "1.2346E+04");
    EXPECT_EQ(box("txtDp", 14)->text(), "1500.00");
    for (int i : {0, 6, 10, 15, 19, 21, 25})
        box("txtDp", i)->setText("1.0000");
    box("txtDp", 6)->setText("2.0000");
    morv::colourPressureDropVelocities(*window);
    EXPECT_EQ(box("txtDp", 6)->palette().color(QPalette::Text), morv::colour::outOfRange);
    he().TrubKap = false;
    morv::colourPressureDropVelocities(*window);
    EXPECT_EQ(box("txtDp", 6)->palette().color(QPalette::Text), morv::colour::inRange);
}
