// The data editor of a substance driven as a user drives it: opened from a loaded mixture
// on a fixture database in a temporary folder, typed into, and closed by its buttons.

#include "KWELARdll/windows/frmOprav.h"
#include "FixtureDb.h"
#include "KWELARdll/model/Smes.h"
#include "KWELARdll/windows/DataEditorHost.h"
#include "KWELARdll/windows/SmesOknaQt.h"
#include "Platform/FileSystem.h"
#include "Platform/Regional.h"
#include "Platform/qt/ModalHost.h"
#include "SmesProbe.h"
#include "TestSupport.h"
#include "WindowScript.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using kwelar::ZaznamLatky;
using kwelartest::SmesProbe;

namespace {

// The open editor as the user sees it.
struct Editor {
    kwelar::frmOprav& w;

    QLineEdit* box(const QString& name) const {
        QLineEdit* b = w.box(name);
        EXPECT_NE(b, nullptr) << name.toStdString();
        return b;
    }
    QString text(const QString& name) const { return box(name)->text(); }
    QString label(const QString& name) const { return w.findChild<QLabel*>(name)->text(); }
    //! Replaces the text of a box by typing.
    void type(const QString& name, const QString& text) const {
        QLineEdit* b = box(name);
        b->setFocus();
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        // Key by key with its text, Czech letters included.
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(b, &press);
            QApplication::sendEvent(b, &release);
        }
    }
    void enter(const QString& name) const { QTest::keyClick(box(name), Qt::Key_Return); }
    void click(const char* button) const {
        QTest::mouseClick(w.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    void tab(int t) const { w.SSTab1()->setCurrentIndex(t); }
    QWidget* focus() const { return w.focusWidget(); }
};

class frmOpravTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The editor as the program gets it: through the installed factory of every window.
        kwelar::installSmesWindows();
        kwelartest::FixtureDb db = kwelartest::FixtureDb::sample();
        db.add(5).name("Ethanol").formula("C2H6O").synonyms("líh").group(12).cas(64175).point(1, 0.04607f);
        db.minimumRecords(400);
        database = db.write(dir.path());
        original = platform::readWholeFile(database);
        s = std::make_unique<SmesProbe>();
        kwelartest::pointAt(*s, database);
        // Water, n-hexane and ethanol in positions 1 to 3.
        s->ZapisNslozky(1, 1);
        s->ZapisNslozky(2, 3);
        s->ZapisNslozky(3, 5);
        ASSERT_EQ(s->Inikwl().toInteger(), 3);
    }
    void TearDown() override {
        platform::ModalHost::setHook({});
        s.reset();
        kwelar::setSmesOknaFactory(nullptr);
    }

    //! Opens the editor on component Ind and runs the user's steps in it. When the steps leave
    //! the window open, it is closed by its close box; returns whether a button hid it.
    bool edit(int16_t Ind, const std::function<void(Editor&)>& steps) {
        bool hiddenByButton = false;
        int opened = 0;
        platform::ModalHost::setHook([&](QDialog& d) {
            ++opened;
            d.show();
            Editor e{static_cast<kwelar::frmOprav&>(d)};
            steps(e);
            hiddenByButton = !d.isVisible();
            if (d.isVisible()) d.reject();
            return d.result();
        });
        s->ZmenaDocas(Ind);
        platform::ModalHost::setHook({});
        EXPECT_EQ(opened, 1);
        return hiddenByButton;
    }

    testsupport::TempDir dir;
    testsupport::ScriptedBoxes boxes;
    //! The windows show numbers with the decimal separator pinned, whatever the desktop.
    platform::DecimalSeparatorScope separator{'.'};
    std::unique_ptr<SmesProbe> s;
    std::string database;
    std::string original;
};

TEST_F(frmOpravTest, WaterOpensAs700WithItsCasAndEveryLabel) {
    edit(1, [&](Editor& e) {
        EXPECT_EQ(e.w.windowTitle(), " Dočasná změna dat o látce");
        EXPECT_EQ(e.w.SSTab1()->currentIndex(), 0);
        EXPECT_EQ(e.text("Text1"), "700");
        EXPECT_EQ(e.label("lblVoda"),
                  " Hustotu vody (látky č.1) nelze měnit! Proto tuto látku dočasně přečíslovávám na 700! ");
        EXPECT_EQ(e.text("txtCAS"), "[7732-18-5]");
        EXPECT_EQ(e.box("txtCAS")->toolTip(), " Při vkládání zadávejte JEN čísla (bez [ ]a -) ");
        EXPECT_EQ(e.text("txtPor"), "1");
        EXPECT_EQ(e.text("txtNazev"), "Voda" + QString(26, ' '));
        EXPECT_EQ(e.label("lblNaz_1"), e.text("txtNazev"));
        EXPECT_EQ(e.label("lblBod_14"), "Teplota norm. bodu varu(K):");
        EXPECT_EQ(e.label("lblRozv_7"), "Výparná molární   entalpie  (J/mol):");
        EXPECT_EQ(e.w.SSTab1()->tabText(2), "Teplotní rozvoje - kapalná fáze 1");
        EXPECT_TRUE(e.w.findChild<QPushButton*>("cmdZapis")->isEnabled());
        EXPECT_EQ(e.box("Text3_8")->toolTip(), QString::fromStdString(s->Vztah(6)));
        EXPECT_EQ(e.box("txtOd_0")->toolTip(), "-0 °C");
        EXPECT_EQ(e.box("txtDo_0")->toolTip(), "800 °C");
    });
}

TEST_F(frmOpravTest, NumbersShowTheRegionalSeparator) {
    for (const char sep : {'.', ','}) {
        platform::DecimalSeparatorScope region(sep);
        const QString d(sep);
        edit(3, [&](Editor& e) {
            EXPECT_EQ(e.text("Text1"), " 5");
            EXPECT_EQ(e.label("lblVoda"), "");
            EXPECT_EQ(e.text("txtGroup"), "1" + d + "2");
            EXPECT_EQ(e.text("txtCAS"), "[64-17-5]");
            EXPECT_EQ(e.text("Text2_0"), "0" + d + "04607");
        });
        edit(1, [&](Editor& e) {
            EXPECT_EQ(e.text("Text2_2"), "2" + d + "2064E+07");
            EXPECT_EQ(e.box("Text2_14")->toolTip(), "100" + d + "0 °C");
            EXPECT_EQ(e.label("lblBod_18"), "Pkrit (MPa):   22" + d + "064");
        });
    }
}

TEST_F(frmOpravTest, EachOpeningStartsOnTheFirstTabWithFreshBoxes) {
    edit(1, [&](Editor& e) {
        e.tab(3);
        e.type("txtNazev", "Přepsáno");
    });
    edit(2, [&](Editor& e) {
        EXPECT_EQ(e.w.SSTab1()->currentIndex(), 0);
        EXPECT_EQ(e.text("txtNazev").trimmed(), "n-Hexan");
        EXPECT_EQ(e.label("lblVoda"), "");
    });
}

TEST_F(frmOpravTest, ToolTipsFollowTheTypedTypeAndValidity) {
    edit(2, [&](Editor& e) {
        e.tab(1);
        e.type("Text3_0", "13");
        EXPECT_EQ(e.box("Text3_0")->toolTip(), QString::fromStdString(s->Vztah(13)));
        e.type("Text3_0", "0");
        EXPECT_EQ(e.box("Text3_0")->toolTip(), " Neznámý vztah! ");
        e.type("Text3_0", "99999");
        EXPECT_EQ(e.box("Text3_0")->toolTip(), " Neznámý vztah! ");
        e.type("txtOd_0", "373");
        EXPECT_EQ(e.box("txtOd_0")->toolTip(), "100 °C");
        e.type("txtDo_2", "300");
        EXPECT_EQ(e.box("txtDo_2")->toolTip(), "27 °C");
        // The melting-point tip is set by the filling only.
        e.type("Text2_13", "300");
        EXPECT_EQ(e.box("Text2_13")->toolTip(), "-95.3 °C");
    });
}

TEST_F(frmOpravTest, EnterMovesThroughTheIdentityBoxes) {
    edit(2, [&](Editor& e) {
        e.enter("Text1");
        EXPECT_EQ(e.focus(), e.box("txtSynon"));
        e.type("txtCAS", "64175");
        e.enter("txtCAS");
        EXPECT_EQ(e.text("txtCAS"), "[64-17-5]");
        EXPECT_EQ(e.focus(), e.box("Text2_0"));
        // A shown number stays as it is.
        e.enter("txtCAS");
        EXPECT_EQ(e.text("txtCAS"), "[64-17-5]");
        e.type("txtCAS", "0");
        e.enter("txtCAS");
        EXPECT_EQ(e.text("txtCAS"), "");
        // Enter presses no button.
        e.enter("Text2_3");
        EXPECT_TRUE(e.w.isVisible());
    });
}

TEST_F(frmOpravTest, EnterAndClickMoveThroughTheConstants) {
    edit(2, [&](Editor& e) {
        e.tab(1);
        QTest::mouseClick(e.box("txtRozv_16"), Qt::LeftButton);
        EXPECT_EQ(e.box("txtRozv_16")->selectedText(), e.text("txtRozv_16"));
        e.enter("txtRozv_16");
        EXPECT_EQ(e.focus(), e.box("txtRozv_17"));
        EXPECT_EQ(e.box("txtRozv_17")->selectedText(), e.text("txtRozv_17"));
        e.enter("txtRozv_17");
        EXPECT_EQ(e.focus(), e.box("Text3_0"));

        e.tab(2);
        e.type("txtRozv_41", "2,5E-03");
        e.enter("txtRozv_41");
        EXPECT_EQ(e.text("txtRozv_41"), "2.5E-03");
        EXPECT_EQ(e.focus(), e.box("Text3_3"));

        e.tab(3);
        e.type("txtRozv_50", "1,2,3");
        e.enter("txtRozv_50");
        EXPECT_EQ(e.text("txtRozv_50"), "1.2,3");
        EXPECT_EQ(e.focus(), e.box("txtRozv_51"));
        e.enter("txtRozv_65");
        EXPECT_EQ(e.focus(), e.box("Text3_7"));
        EXPECT_TRUE(e.w.isVisible());
    });
}

using kwelartest::sevenDigits;

TEST_F(frmOpravTest, ContinuingWithoutEditsKeepsEveryValueToSevenDigits) {
    for (const char sep : {'.', ','}) {
        platform::DecimalSeparatorScope region(sep);
        ZaznamLatky expected = s->slozka(1);
        EXPECT_TRUE(edit(1, [&](Editor& e) { e.click("cmdZapis"); }));
        expected.N = 700;
        for (int32_t j = 1; j <= 17; ++j)
            expected.B(j) = sevenDigits(expected.B(j));
        for (int32_t k = 1; k <= 11; ++k) {
            kwelar::RozvojVztahu& r = expected.Rozvoj(k);
            for (float* a : {&r.A1, &r.A2, &r.A3, &r.A4, &r.A5, &r.A6})
                *a = sevenDigits(*a);
        }
        EXPECT_EQ(s->slozka(1), expected);
        EXPECT_EQ(s->cisloSlozky(1), 700);
    }
    EXPECT_EQ(platform::readWholeFile(database), original);
}

TEST_F(frmOpravTest, TypedGroupAndCasAreTakenBack) {
    struct Case {
        const char* group;
        int16_t Group;
        const char* cas;
        int32_t CAS;
    };
    const Case cases[] = {{"1,2", 12, "[7732-18-5]", 7732185}, {"1.2", 12, "ab12", 12}, {" 0", 0, "", 0}};
    for (const char sep : {'.', ','}) {
        platform::DecimalSeparatorScope region(sep);
        for (const Case& c : cases) {
            EXPECT_TRUE(edit(2, [&](Editor& e) {
                e.type("txtGroup", c.group);
                e.type("txtCAS", c.cas);
                e.click("cmdZapis");
            }));
            EXPECT_EQ(s->slozka(2).Group, c.Group) << c.group;
            EXPECT_EQ(s->slozka(2).CAS, c.CAS) << c.cas;
        }
    }
}

TEST_F(frmOpravTest, StornoKeepsTheRecord) {
    const ZaznamLatky hexane = s->slozka(2);
    EXPECT_TRUE(edit(2, [&](Editor& e) {
        e.type("txtNazev", "Jiný");
        e.click("cmdPokr");
    }));
    EXPECT_EQ(s->slozka(2), hexane);
    // The close box takes nothing either.
    EXPECT_FALSE(edit(2, [&](Editor& e) { e.type("txtNazev", "Jiný"); }));
    EXPECT_EQ(s->slozka(2), hexane);
}

// Record 700 lies at bytes 355092 to 355599: the 400 records before it stay byte for byte,
// the records between are empty, and the second write replaces the first.
TEST_F(frmOpravTest, Record700GrowsTheDatabaseAndAgainReplacesIt) {
    edit(2, [&](Editor& e) {
        e.type("txtNazev", "Hexan upravený");
        e.click("Command1");
        EXPECT_TRUE(e.w.isVisible());
        const std::string first = platform::readWholeFile(database);
        ASSERT_EQ(first.size(), 700u * 508u);
        EXPECT_EQ(first.substr(0, original.size()), original);
        EXPECT_EQ(first.substr(original.size(), 299u * 508u), std::string(299u * 508u, '\0'));
        EXPECT_EQ(ZaznamLatky::decode(platform::Bytes(first.begin() + 355092, first.end())).Nazev,
                  "Hexan upravený" + std::string(16, ' '));
        EXPECT_EQ(s->slozka(2).N, 700);

        e.type("txtNazev", "Hexan podruhé");
        e.click("Command1");
        const std::string second = platform::readWholeFile(database);
        ASSERT_EQ(second.size(), 700u * 508u);
        EXPECT_EQ(second.substr(0, 355092), first.substr(0, 355092));
        const ZaznamLatky written =
            ZaznamLatky::decode(platform::Bytes(second.begin() + 355092, second.end()));
        EXPECT_EQ(written, s->slozka(2));
        EXPECT_EQ(written.N, 700);
        e.click("cmdPokr");
    });
    // After the write and Storno the record keeps 700; the next load reads substance 3 again.
    EXPECT_EQ(s->slozka(2).N, 700);
    EXPECT_EQ(s->cisloSlozky(2), 3);
}

class frmOpravUnderLocale : public frmOpravTest, public ::testing::WithParamInterface<const char*> {};

// Record 700 holds the numbers typed with the region's decimal comma, whatever locale the C
// library runs in: the record's numbers are written field by field in the file's own form.
TEST_P(frmOpravUnderLocale, Record700HoldsTheTypedNumbers) {
    testsupport::ProcessLocale locale(GetParam());
    platform::DecimalSeparatorScope region(',');
    edit(2, [&](Editor& e) {
        e.type("Text2_1", "513,9");
        e.tab(2);
        e.type("txtRozv_41", "2,5E-03");
        e.click("Command1");
        e.click("cmdPokr");
    });
    const std::string file = platform::readWholeFile(database);
    ASSERT_EQ(file.size(), 700u * 508u);
    ZaznamLatky written = ZaznamLatky::decode(platform::Bytes(file.begin() + 355092, file.end()));
    EXPECT_EQ(written.N, 700);
    EXPECT_EQ(written.B(2), 513.9f);
    EXPECT_EQ(written.Rozvoj(7).A6, 2.5E-03f);
}

INSTANTIATE_TEST_SUITE_P(Locales, frmOpravUnderLocale, ::testing::ValuesIn(testsupport::ProcessLocales),
                         [](const auto& info) { return testsupport::processLocaleName(info.param); });

TEST_F(frmOpravTest, ThePositionBoxChoosesTheComponent) {
    const ZaznamLatky water = s->slozka(1);
    edit(1, [&](Editor& e) {
        e.type("txtPor", "2");
        e.click("Command1");
    });
    EXPECT_EQ(s->slozka(2).Nazev, water.Nazev);
    EXPECT_EQ(s->slozka(2).N, 700);
    EXPECT_EQ(s->cisloSlozky(2), 700);
    EXPECT_EQ(s->slozka(1), water);

    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    edit(1, [&](Editor& e) {
        e.type("txtPor", "25");
        e.click("cmdZapis");
        e.click("Command1");
        EXPECT_TRUE(e.w.isVisible());
    });
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, "Index složky mimo meze!");
    EXPECT_EQ(boxes.boxes()[0].style, 16);
    EXPECT_EQ(s->slozka(1), water);
}

TEST_F(frmOpravTest, AnInvalidValidityBoxChangesNothingAnywhere) {
    platform::DecimalSeparatorScope region('.');
    const ZaznamLatky hexane = s->slozka(2);
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    edit(2, [&](Editor& e) {
        e.type("txtNazev", "Jiný");
        e.tab(2);
        e.type("txtOd_4", "abc");
        e.click("cmdZapis");
        e.click("Command1");
        EXPECT_TRUE(e.w.isVisible());
    });
    ASSERT_EQ(boxes.boxes().size(), 2u);
    for (const auto& box : boxes.boxes()) {
        EXPECT_EQ(box.text, "Chyba č. 13 : Type mismatch");
        EXPECT_EQ(box.style, 48);
        EXPECT_EQ(box.title, "KWELAR");
    }
    EXPECT_EQ(s->slozka(2), hexane);
    EXPECT_EQ(s->cisloSlozky(2), 3);
    EXPECT_EQ(platform::readWholeFile(database), original);
}

// A box that needs a number and holds none, or a substance number below 1, is refused by both
// buttons that take the boxes back: the message, nothing copied or written, the window open on
// the box's tab with the box selected. The user types there from some other tab.
TEST_F(frmOpravTest, ABoxWithoutANumberIsRefusedAndSelected) {
    struct Case {
        const char* box;
        int tab;
        const char* text;
    };
    const Case cases[] = {
        {"Text1", 0, ""},      {"Text1", 0, "abc"},    {"Text1", 0, "-5"},    {"Text1", 0, "0"},
        {"Text2_1", 0, "abc"}, {"Text2_1", 0, "l,5"},  {"Text2_1", 0, ""},    {"txtGroup", 0, ""},
        {"txtRozv_4", 1, ""},  {"txtRozv_30", 2, "x"}, {"Text3_9", 3, "abc"}, {"txtOd_7", 3, ""},
    };
    const ZaznamLatky hexane = s->slozka(2);
    for (const char sep : {'.', ','}) {
        platform::DecimalSeparatorScope region(sep);
        for (const Case& c : cases) {
            const std::string what = std::string(c.box) + " [" + c.text + "]";
            boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
            edit(2, [&](Editor& e) {
                e.type("txtNazev", "Jiný");
                e.tab(c.tab);
                e.type(c.box, QString::fromUtf8(c.text));
                e.tab(c.tab == 3 ? 1 : 3);
                for (const char* button : {"cmdZapis", "Command1"}) {
                    e.box("txtNazev")->setFocus();
                    e.click(button);
                    EXPECT_TRUE(e.w.isVisible()) << what;
                    EXPECT_EQ(e.w.SSTab1()->currentIndex(), c.tab) << what;
                    EXPECT_EQ(e.focus(), e.box(c.box)) << what;
                    EXPECT_EQ(e.box(c.box)->selectedText(), e.text(c.box)) << what;
                    EXPECT_EQ(e.text(c.box), QString::fromUtf8(c.text)) << what;
                }
                if (std::string(c.text) == "l,5" && sep == ',')
                    kwelartest::screenshot(e.w, "frmOprav-refused");
            });
            ASSERT_EQ(boxes.boxes().size(), 2u) << what;
            for (const auto& box : boxes.boxes()) {
                EXPECT_EQ(box.text, "Chyba č. 13 : Type mismatch") << what;
                EXPECT_EQ(box.style, 48);
                EXPECT_EQ(box.title, "KWELAR");
            }
            boxes->clear();
            EXPECT_EQ(s->slozka(2), hexane) << what;
            EXPECT_EQ(s->cisloSlozky(2), 3) << what;
        }
    }
    EXPECT_EQ(platform::readWholeFile(database), original);
}

// Escape has no role in the editor: the edits stay, and the buttons still decide.
TEST_F(frmOpravTest, EscapeKeepsTheWindowAndTheEdits) {
    EXPECT_TRUE(edit(2, [&](Editor& e) {
        e.type("txtNazev", "Hexan upravený");
        QTest::keyClick(e.box("txtNazev"), Qt::Key_Escape);
        e.tab(1);
        QTest::keyClick(e.box("txtRozv_3"), Qt::Key_Escape);
        QTest::keyClick(&e.w, Qt::Key_Escape);
        EXPECT_TRUE(e.w.isVisible());
        EXPECT_EQ(e.text("txtNazev"), "Hexan upravený");
        e.click("cmdZapis");
    }));
    EXPECT_EQ(s->Nazev(2), "Hexan upravený" + std::string(16, ' '));
}

// Makes a file read-only for this process: its mode 0444 and, for root, whom modes do not
// stop, the effective user "nobody" until the scope ends.
class ReadOnlyFile {
public:
    ReadOnlyFile(const std::string& path, const std::string& folder) : m_path(path) {
        ::chmod(folder.c_str(), 0755);
        ::chmod(path.c_str(), 0444);
        if (::geteuid() == 0) m_switched = ::seteuid(65534) == 0;
    }
    ~ReadOnlyFile() {
        if (m_switched) {
            EXPECT_EQ(::seteuid(0), 0);
        }
        ::chmod(m_path.c_str(), 0644);
    }

private:
    std::string m_path;
    bool m_switched = false;
};

// A user who may not write the database: "Dočasně nahrát (700)" keeps the record in the
// user's own data folder without a box, and that user's next load of substance 700 reads it.
// Where that folder cannot be made either, the failed write is shown. Either way the window
// stays, the edit stays in memory and the database as it was.
TEST_F(frmOpravTest, AReadOnlyDatabaseKeepsRecord700InTheUsersOwnFolder) {
    testsupport::TempDir user;
    ::chmod(user.path().c_str(), 0777); // for the user "nobody" of ReadOnlyFile
    struct Case {
        const char* what;
        std::string dataHome;
        const char* box; // "" none
    };
    const Case cases[] = {
        {"own data folder", user.file("data"), ""},
        {"a file in place of the data folder", user.write("file", "no folder"),
         "Chyba při zápisu č.  76 : Path not found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::EnvironmentVariable dataHome("XDG_DATA_HOME", c.dataHome);
        const std::string own = c.dataHome + "/KWELAR/ZAZNAM700.DRC";
        ReadOnlyFile readOnly(database, dir.path());
        if (*c.box) boxes.answer(platform::answer::Ok);
        edit(2, [&](Editor& e) {
            e.type("txtNazev", "Jiný");
            e.click("Command1");
            EXPECT_TRUE(e.w.isVisible());
        });
        ASSERT_EQ(boxes.boxes().size(), *c.box ? 1u : 0u);
        if (*c.box) {
            EXPECT_EQ(boxes.boxes()[0].text, c.box);
            EXPECT_EQ(boxes.boxes()[0].style, 48);
            EXPECT_EQ(boxes.boxes()[0].title, "KWELAR");
        }
        boxes->clear();
        EXPECT_EQ(s->slozka(2).N, 700);
        EXPECT_EQ(s->Nazev(2), "Jiný" + std::string(26, ' '));
        EXPECT_EQ(platform::readWholeFile(database), original);
        EXPECT_EQ(platform::fileExists(own), !*c.box);
        if (!*c.box) {
            SmesProbe reader;
            kwelartest::pointAt(reader, database);
            reader.ZapisNslozky(1, 700);
            ASSERT_EQ(reader.Inikwl().toInteger(), 1);
            EXPECT_EQ(reader.slozka(1), s->slozka(2));
        }
    }
}

// Without the test hook the window runs its own modal loop, which the buttons end.
TEST_F(frmOpravTest, TheButtonsEndTheModalDisplay) {
    for (const char* button : {"cmdZapis", "cmdPokr"}) {
        QTimer::singleShot(0, [button] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* editor = qobject_cast<kwelar::frmOprav*>(w); editor && editor->isVisible())
                    editor->findChild<QPushButton*>(button)->click();
        });
        s->ZmenaDocas(3);
    }
    EXPECT_EQ(s->cisloSlozky(3), 5);
}

TEST_F(frmOpravTest, ScreenshotsOfEveryTab) {
    const QByteArray folder = qgetenv("MORV_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "MORV_SCREENSHOTS names no folder";
    QDir().mkpath(QString::fromLocal8Bit(folder));
    edit(1, [&](Editor& e) {
        for (int t = 0; t < e.w.SSTab1()->count(); ++t) {
            e.tab(t);
            EXPECT_TRUE(e.w.grab().save(
                QStringLiteral("%1/frmOprav-tab%2.png").arg(QString::fromLocal8Bit(folder)).arg(t)));
        }
    });
}

} // namespace
