#include "Platform/MessageBox.h"
#include "Platform/ProgramEnd.h"

#include "TestSupport.h"

#include <gtest/gtest-spi.h>

using namespace platform;

namespace {

TEST(ScriptedMessages, RecordBoxesAndAnswerFromTheQueue) {
    ScriptedMessageService s;
    MessageServiceScope scope(s);
    s.answer(answer::Yes);
    s.type("42");
    EXPECT_EQ(msgBox("Smazat?", 52, "KWELAR"), answer::Yes);
    EXPECT_EQ(inputBox("Teplota", "FLASH", "300"), "42");
    ASSERT_EQ(s.boxes().size(), 2u);
    EXPECT_EQ(s.boxes()[0].text, "Smazat?");
    EXPECT_EQ(s.boxes()[0].style, 52);
    EXPECT_EQ(s.boxes()[0].title, "KWELAR");
    EXPECT_TRUE(s.boxes()[1].input);
    EXPECT_EQ(s.boxes()[1].text, "Teplota");
    EXPECT_EQ(s.boxes()[1].title, "FLASH");
    EXPECT_EQ(s.boxes()[1].def, "300");
    EXPECT_TRUE(s.unexpected().empty());
}

TEST(ScriptedMessages, AnUnscriptedBoxIsRecordedAsUnexpected) {
    ScriptedMessageService s;
    MessageServiceScope scope(s);
    EXPECT_EQ(msgBox("Smazat?", 52, "KWELAR"), answer::No);
    EXPECT_EQ(inputBox("?"), "");
    EXPECT_EQ(s.unexpected().size(), 2u);
}

TEST(ScriptedMessages, TheTestHelperFailsOnAnUnscriptedBox) {
    EXPECT_NONFATAL_FAILURE(
        {
            testsupport::ScriptedBoxes boxes;
            msgBox("neočekávaná zpráva", 0, "MORV");
        },
        "neočekávaná zpráva");
}

TEST(HeadlessMessages, NeverAnswerYes) {
    HeadlessMessageService h;
    for (int style : {0, 1, 2, 3, 4, 5, 16, 36, 52, 260, 308})
        EXPECT_NE(h.msgBox("?", style, "t"), answer::Yes) << style;
    EXPECT_EQ(h.msgBox("?", 308, "t"), answer::No);
    EXPECT_EQ(h.inputBox("?", "t", "x"), "");
}

TEST(ProgramEnd, GoesThroughTheHook) {
    int seen = -1;
    setProgramEndHook([&](int code) { seen = code; });
    endProgram(3);
    setProgramEndHook({});
    EXPECT_EQ(seen, 3);
}

} // namespace
