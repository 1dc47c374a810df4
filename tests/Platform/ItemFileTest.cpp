#include "Platform/ItemFile.h"

#include "TestSupport.h"

using namespace platform;

namespace {

TEST(ItemReader, SplitsAtCommasAndLineEnds) {
    ItemReader r = ItemReader::fromBytes("\"a,b\",1, 2\r\nx\r\n");
    EXPECT_EQ(r.readString(), "a,b");
    EXPECT_EQ(r.readInteger(), 1);
    EXPECT_DOUBLE_EQ(r.readDouble(), 2);
    EXPECT_EQ(r.readString(), "x");
    EXPECT_TRUE(r.atEnd());
    EXPECT_RUNTIME_ERROR(r.next(), 62);
}

TEST(ItemReader, ReadsEveryItemForm) {
    ItemReader r = ItemReader::fromBytes(".5,1E-05,#TRUE#,#FALSE#,,-3\r\n,\r\n");
    EXPECT_DOUBLE_EQ(r.readDouble(), 0.5);
    EXPECT_DOUBLE_EQ(r.readDouble(), 0.00001);
    EXPECT_TRUE(r.readBool());
    EXPECT_FALSE(r.readBool());
    EXPECT_TRUE(r.readVariant().isEmpty());
    EXPECT_EQ(r.readVariant().toDouble(), -3);
    EXPECT_TRUE(r.readVariant().isEmpty());
    EXPECT_TRUE(r.readVariant().isEmpty());
    EXPECT_TRUE(r.atEnd());
}

TEST(ItemReader, TextWhereANumberIsExpectedIsTypeMismatch) {
    ItemReader r = ItemReader::fromBytes("abc,\"12\",1.2.3\r\n");
    EXPECT_RUNTIME_ERROR(r.readDouble(), 13);
    EXPECT_DOUBLE_EQ(r.readDouble(), 12);
    EXPECT_RUNTIME_ERROR(r.readSingle(), 13);
}

TEST(ItemReader, MissingFileAndFolder) {
    testsupport::TempDir dir;
    EXPECT_RUNTIME_ERROR(ItemReader(dir.file("none.dat")), 53);
    EXPECT_RUNTIME_ERROR(ItemReader(dir.file("nofolder/none.dat")), 76);
}

TEST(ItemReader, ReadsLinesWhole) {
    ItemReader r = ItemReader::fromBytes("/data/a, b/KWELAR.DRC\r\nnext\n");
    EXPECT_EQ(r.readLine(), "/data/a, b/KWELAR.DRC");
    EXPECT_EQ(r.readLine(), "next");
    EXPECT_RUNTIME_ERROR(r.readLine(), 62);
}

TEST(ItemWriter, WritesTheItemConventionAndReadsBack) {
    testsupport::TempDir dir;
    ItemWriter w;
    w.text("Kondenzátor \"A\"\r\n").number(0.1f, true).number(1e-5).boolean(true).value(platform::Variant());
    w.value(platform::Variant(int16_t{1})).endLine();
    w.number(101325).number(-2.5).endLine();
    EXPECT_EQ(w.content(), "\"Kondenzátor 'A'\",0.1,1E-05,#TRUE#,,1\r\n101325,-2.5\r\n");
    const std::string path = dir.file("task.dat");
    w.save(path);
    ItemReader r(path);
    EXPECT_EQ(r.readString(), "Kondenzátor 'A'");
    EXPECT_EQ(r.readSingle(), 0.1f);
    EXPECT_DOUBLE_EQ(r.readDouble(), 1e-5);
    EXPECT_TRUE(r.readBool());
    EXPECT_TRUE(r.readVariant().isEmpty());
    EXPECT_EQ(r.readInteger(), 1);
    EXPECT_DOUBLE_EQ(r.readDouble(), 101325);
    EXPECT_DOUBLE_EQ(r.readDouble(), -2.5);
}

TEST(ItemWriter, FailedSaveLeavesTheOldFile) {
    testsupport::TempDir dir;
    ItemWriter w;
    w.text("x").endLine();
    EXPECT_RUNTIME_ERROR(w.save(dir.file("missing/task.dat")), 76);
}

TEST(ItemReader, BadInputNeverCrashes) {
    // Truncated quotes, stray separators and binary bytes give items or clear errors.
    const char* inputs[] = {"\"unterminated", ",,,,", "\r\n\r\n", "\x01\x02,\xff", "\"a\"junk,2", "#TRUE"};
    for (const char* in : inputs) {
        ItemReader r = ItemReader::fromBytes(in);
        for (int i = 0; i < 10 && !r.atEnd(); ++i) {
            try {
                r.readVariant();
            } catch (const RunTimeError&) {
            }
        }
        SUCCEED();
    }
}

} // namespace
