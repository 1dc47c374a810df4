// The choice of components: `ZadejSmes`, the window `F_Seznam` driven by keys and clicks,
// and the owner's handler that loads the chosen substances.

#include "KWELARdll/windows/F_Seznam.h"
#include "FixtureDb.h"
#include "KWELARdll/model/Smes.h"
#include "WindowScript.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>

namespace {

using kwelar::F_Seznam;
using kwelar::Smes;
using kwelartest::child;
using kwelartest::FixtureDb;
using kwelartest::ModalScript;
using testsupport::ScriptedBoxes;
using testsupport::TempDir;

// Substances 1, 2, 4, 5 and 12 in this name order: 2 ETHANOL, 5 METHAN, 1 METHANOL,
// 12 PROPAN, 4 VODA; the records between are blank.
FixtureDb choiceDatabase() {
    FixtureDb db;
    db.add(1).name("METHANOL");
    db.add(2).name("ETHANOL");
    db.add(4).name("VODA");
    db.add(5).name("METHAN");
    db.add(12).name("PROPAN");
    return db;
}

QLineEdit* box(QDialog& d, int i) {
    return d.findChild<QLineEdit*>(QStringLiteral("T_Smes_%1").arg(i));
}

QListWidget* list(QDialog& d) {
    return child<QListWidget>(d, "L_Seznam");
}

F_Seznam& window(QDialog& d) {
    return static_cast<F_Seznam&>(d);
}

// Types a number into the current box and confirms it with Enter.
void typeNumber(QDialog& d, const char* digits) {
    QWidget* current = box(d, window(d).PocetZadanych());
    QTest::keyClicks(current, QString::fromLatin1(digits));
    QTest::keyClick(current, Qt::Key_Return);
}

class ComponentChoice : public ::testing::Test {
protected:
    void SetUp() override {
        database = choiceDatabase().write(dir.path());
        kwelartest::pointAt(s, database);
    }

    TempDir dir;
    std::string database;
    kwelartest::QtWindowsScope windows;
    ScriptedBoxes boxes;
    Smes s{};
};

TEST_F(ComponentChoice, TypedAndPickedNumbersAreSentInBoxOrderAndLoaded) {
    ModalScript script;
    script.then([](QDialog& d) {
        child<QRadioButton>(d, "Option1")->click();
        typeNumber(d, "12");
        // Two picks from the list: Enter on the first line, a double click on the third.
        QTest::keyClick(list(d), Qt::Key_Return);
        EXPECT_EQ(list(d)->currentRow(), 1) << "Enter moves the selection down";
        const QPoint third = list(d)->visualItemRect(list(d)->item(2)).center();
        QTest::mouseClick(list(d)->viewport(), Qt::LeftButton, {}, third);
        QTest::mouseDClick(list(d)->viewport(), Qt::LeftButton, {}, third);
        EXPECT_EQ(box(d, 1)->text(), " 2");
        EXPECT_EQ(box(d, 2)->text(), " 1");
        EXPECT_TRUE(box(d, 3)->isVisible());
        child<QPushButton>(d, "C_OK")->click();
    });
    s.ZadejSmes();
    EXPECT_EQ(s.Nsloz().toInteger(), 3);
    EXPECT_EQ(s.Nslozky(1).toInteger(), 12);
    EXPECT_EQ(s.Nslozky(2).toInteger(), 2);
    EXPECT_EQ(s.Nslozky(3).toInteger(), 1);
    EXPECT_EQ(s.Nazev(1).substr(0, 6), "PROPAN");
}

TEST_F(ComponentChoice, WindowShowsTheListWithItsHeadingsAndTheVersion) {
    ModalScript script;
    script.then([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), " SEZNAM LÁTEK - definice složek směsi" +
                                                     std::string(58, ' ') + "dll V." KWELAR_VERSION_TEXT);
        EXPECT_EQ(list(d)->count(), 5);
        EXPECT_EQ(list(d)->currentRow(), 0);
        EXPECT_EQ(list(d)->item(0)->text().left(12).toStdString(), "002  ETHANOL");
        EXPECT_EQ(child<QLabel>(d, "Nadpis_1")->text().toStdString(), "SEZNAM LÁTEK DATABÁZE  K W E L A R");
        EXPECT_EQ(child<QLabel>(d, "Nadpis_2")->text().toStdString(), "Počet látek je 5");
        EXPECT_EQ(child<QLabel>(d, "lblDatafile")->text().toStdString(), database);
        EXPECT_EQ(d.focusWidget(), list(d)) << "the list has the focus while choosing from it";
        EXPECT_TRUE(box(d, 0)->isVisible());
        EXPECT_FALSE(box(d, 1)->isVisible());
        EXPECT_FALSE(box(d, 1)->isEnabled());
        d.reject();
    });
    s.ZadejSmes();
}

TEST_F(ComponentChoice, EnterAcceptsOnlyABoxThatHoldsANumberOtherThanZero) {
    ModalScript script;
    script.then([](QDialog& d) {
        child<QRadioButton>(d, "Option1")->click();
        EXPECT_EQ(d.focusWidget(), box(d, 0));
        for (const char* refused : {"", "0"}) {
            box(d, 0)->setText(QString::fromLatin1(refused));
            QTest::keyClick(box(d, 0), Qt::Key_Return);
            EXPECT_EQ(window(d).PocetZadanych(), 0) << "\"" << refused << "\"";
        }
        typeNumber(d, "4");
        EXPECT_EQ(window(d).PocetZadanych(), 1);
        EXPECT_EQ(d.focusWidget(), box(d, 1));
        // A number typed but not confirmed is not sent.
        QTest::keyClicks(box(d, 1), QStringLiteral("5"));
        child<QPushButton>(d, "C_OK")->click();
    });
    s.ZadejSmes();
    EXPECT_EQ(s.Nsloz().toInteger(), 1);
    EXPECT_EQ(s.Nslozky(1).toInteger(), 4);
}

TEST_F(ComponentChoice, KeyFilterEmptiesTheBoxThatReceivedTheKey) {
    ModalScript script;
    script.then([](QDialog& d) {
        child<QRadioButton>(d, "Option1")->click();
        typeNumber(d, "4");
        typeNumber(d, "5");
        // A letter typed into the first, filled box empties that box, not the current one.
        box(d, 2)->setText(QStringLiteral("1"));
        QTest::keyClick(box(d, 0), Qt::Key_A);
        EXPECT_EQ(box(d, 0)->text(), QString());
        EXPECT_EQ(box(d, 2)->text(), QStringLiteral("1"));
        // A digit after it is kept.
        QTest::keyClicks(box(d, 0), QStringLiteral("2"));
        EXPECT_EQ(box(d, 0)->text(), QStringLiteral("2"));
        child<QPushButton>(d, "C_OK")->click();
    });
    s.ZadejSmes();
    EXPECT_EQ(s.Nslozky(1).toInteger(), 2);
    EXPECT_EQ(s.Nslozky(2).toInteger(), 5);
}

TEST_F(ComponentChoice, TwentyFirstPickIsRefusedWithItsBox) {
    boxes.answer(platform::answer::Ok);
    ModalScript script;
    script.then([](QDialog& d) {
        for (int k = 0; k < 20; ++k)
            QTest::keyClick(list(d), Qt::Key_Return);
        EXPECT_EQ(window(d).PocetZadanych(), 20);
        EXPECT_EQ(list(d)->currentRow(), 4) << "the selection stays on the last line";
        QTest::keyClick(list(d), Qt::Key_Return);
        EXPECT_EQ(window(d).PocetZadanych(), 20);
        d.reject();
    });
    s.ZadejSmes();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Maximální počet složek směsi je 20");
    EXPECT_EQ(boxes.boxes()[0].style, 48);
    EXPECT_EQ(boxes.boxes()[0].title, "KWELAR");
}

TEST_F(ComponentChoice, ConfirmationWithoutNumbersIsRefusedAndTheWindowStays) {
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    ModalScript script;
    script.then([](QDialog& d) {
        child<QPushButton>(d, "C_OK")->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), box(d, 0));
        // "Smazat, znovu" after a pick clears it, and the confirmation is refused again.
        QTest::keyClick(list(d), Qt::Key_Return);
        child<QPushButton>(d, "Zpet")->click();
        EXPECT_EQ(box(d, 0)->text(), QString());
        EXPECT_FALSE(box(d, 1)->isVisible());
        child<QPushButton>(d, "C_OK")->click();
        EXPECT_TRUE(d.isVisible());
        d.reject();
    });
    s.ZadejSmes();
    ASSERT_EQ(boxes.boxes().size(), 2u);
    for (const auto& b : boxes.boxes()) {
        EXPECT_EQ(b.text, "Nezadána žádná látka nebo po zadání čísla látky nebyl stisknut Enter!");
        EXPECT_EQ(b.style, 48);
    }
}

TEST_F(ComponentChoice, ClosingWithoutConfirmationChoosesNothing) {
    s.DefSlozky({platform::Variant(int16_t{1}), platform::Variant(int16_t{2})});
    ASSERT_EQ(s.Nsloz().toInteger(), 2);
    ModalScript script;
    script.then([](QDialog& d) {
        QTest::keyClick(list(d), Qt::Key_Return);
        d.close();
    });
    s.ZadejSmes();
    EXPECT_EQ(s.Nsloz().toInteger(), 0);
    EXPECT_EQ(s.Inikwl().toInteger(), 0);
}

// Escape has no role in the window: the numbers typed and confirmed so far, and the one
// being typed, stay for the confirmation.
TEST_F(ComponentChoice, EscapeKeepsTheWindowAndTheTypedNumbers) {
    ModalScript script;
    script.then([](QDialog& d) {
        child<QRadioButton>(d, "Option1")->click();
        typeNumber(d, "4");
        QTest::keyClicks(box(d, 1), "2");
        QTest::keyClick(box(d, 1), Qt::Key_Escape);
        QTest::keyClick(list(d), Qt::Key_Escape);
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(window(d).PocetZadanych(), 1);
        EXPECT_EQ(box(d, 0)->text(), "4");
        EXPECT_EQ(box(d, 1)->text(), "2");
        QTest::keyClick(box(d, 1), Qt::Key_Return);
        child<QPushButton>(d, "C_OK")->click();
    });
    s.ZadejSmes();
    EXPECT_EQ(s.Nsloz().toInteger(), 2);
    EXPECT_EQ(s.Nslozky(1).toInteger(), 4);
    EXPECT_EQ(s.Nslozky(2).toInteger(), 2);
}

TEST_F(ComponentChoice, SecondDisplayKeepsTheNumbersSent) {
    ModalScript script;
    script.then([](QDialog& d) {
        QTest::keyClick(list(d), Qt::Key_Return);
        QTest::keyClick(list(d), Qt::Key_Return);
        child<QPushButton>(d, "C_OK")->click();
    });
    script.then([](QDialog& d) {
        EXPECT_EQ(window(d).PocetZadanych(), 2);
        EXPECT_EQ(list(d)->count(), 5) << "every substance listed once";
        QTest::keyClick(list(d), Qt::Key_Return);
        child<QPushButton>(d, "C_OK")->click();
    });
    s.ZadejSmes();
    s.ZadejSmes();
    EXPECT_EQ(s.Nsloz().toInteger(), 3);
    EXPECT_EQ(s.Nslozky(3).toInteger(), 2);
}

TEST_F(ComponentChoice, MissingSubstanceIsReportedByTheLoad) {
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    ModalScript script;
    script.then([](QDialog& d) {
        child<QRadioButton>(d, "Option1")->click();
        typeNumber(d, "3");
        child<QPushButton>(d, "C_OK")->click();
    });
    s.ZadejSmes();
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, "INIKWL: Látka č.  3 není v bázi!");
    EXPECT_EQ(boxes.boxes()[1].text, "Nemohu načíst z KWELAR.DRC!");
    EXPECT_EQ(boxes.boxes()[1].style, 16);
}

TEST_F(ComponentChoice, FolderThatCannotTakeTheListFileStillShowsTheList) {
    std::filesystem::create_directory(dir.file("SEZNAM.DAT"));
    boxes.answer(platform::answer::Ok);
    ModalScript script;
    script.then([](QDialog& d) {
        EXPECT_EQ(list(d)->count(), 5);
        QTest::keyClick(list(d), Qt::Key_Return);
        child<QPushButton>(d, "C_OK")->click();
    });
    s.ZadejSmes();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].title, "KWELAR");
    EXPECT_EQ(s.Nslozky(1).toInteger(), 2);
}

TEST_F(ComponentChoice, ResetGivesAnEmptyWindow) {
    ModalScript script;
    script.then([](QDialog& d) {
        QTest::keyClick(list(d), Qt::Key_Return);
        child<QPushButton>(d, "C_OK")->click();
    });
    script.then([](QDialog& d) {
        EXPECT_EQ(window(d).PocetZadanych(), 0);
        EXPECT_EQ(box(d, 0)->text(), QString());
        EXPECT_TRUE(child<QRadioButton>(d, "Option2")->isChecked());
        d.reject();
    });
    s.ZadejSmes();
    s.ResetujSmes();
    kwelartest::pointAt(s, database);
    s.ZadejSmes();
}

// 40,000 substances of one name between two others, numbered beyond the 16-bit range: the
// choice lists each of them once, in the order of their names, in a five-digit number column.
TEST(ComponentChoiceLargeDatabase, ManyEqualNamesAreListedInOrder) {
    constexpr int equal = 40000;
    std::vector<std::string> names(equal + 2, "ROZPOUŠTĚDLO");
    names.front() = "XYLEN";
    names.back() = "ACETON";
    TempDir dir;
    const std::string database = kwelartest::writeNamedDatabase(dir.path(), names);
    kwelartest::QtWindowsScope windows;
    ScriptedBoxes boxes;
    Smes s;
    kwelartest::pointAt(s, database);
    ModalScript script;
    script.then([&](QDialog& d) {
        QListWidget* l = list(d);
        ASSERT_EQ(l->count(), equal + 2);
        EXPECT_EQ(child<QLabel>(d, "Nadpis_2")->text().toStdString(), "Počet látek je 40002");
        EXPECT_EQ(l->item(0)->text().left(13), "40002  ACETON");
        EXPECT_EQ(l->item(equal + 1)->text().left(12), "00001  XYLEN");
        std::vector<bool> listed(names.size() + 1, false);
        for (int row = 0; row < l->count(); ++row) {
            const QString line = l->item(row)->text();
            const int number = line.left(5).toInt();
            ASSERT_TRUE(number >= 1 && number <= equal + 2 && !listed[static_cast<size_t>(number)]) << row;
            listed[static_cast<size_t>(number)] = true;
            if (row > 0 && row <= equal) {
                EXPECT_EQ(line.mid(7, 12), "ROZPOUŠTĚDLO") << row;
            }
        }
        d.reject();
    });
    s.ZadejSmes();
    EXPECT_EQ(s.PocLatek(), equal + 2);
}

TEST(ComponentChoiceBuiltDatabase, TheListHoldsEverySubstance) {
    TempDir dir;
    const std::string copy = dir.file("KWELAR.DRC");
    std::filesystem::copy_file(KWELAR_BUILT_DATABASE, copy);
    kwelartest::QtWindowsScope windows;
    ScriptedBoxes boxes;
    Smes s;
    kwelartest::pointAt(s, copy);
    s.AkSeznam();
    const int count = s.PocLatek();
    ModalScript script;
    script.then([count](QDialog& d) {
        EXPECT_EQ(list(d)->count(), count);
        QTest::keyClick(list(d), Qt::Key_Return);
        QTest::keyClick(list(d), Qt::Key_Return);
        kwelartest::screenshot(d, "F_Seznam");
        child<QPushButton>(d, "C_OK")->click();
    });
    s.ZadejSmes();
    EXPECT_GT(count, 400);
    EXPECT_EQ(s.Nsloz().toInteger(), 2);
}

} // namespace
