#include "Platform/RecordFile.h"

#include "TestSupport.h"

#include <filesystem>

using namespace platform;

namespace {

class RecordFileTest : public ::testing::Test {
protected:
    // A file of three 508-byte records, record k filled with the byte k.
    std::string threeRecords() {
        std::string bytes;
        for (char k = 1; k <= 3; ++k)
            bytes.append(508, k);
        return dir.write("three.drc", bytes);
    }
    testsupport::TempDir dir;
};

TEST_F(RecordFileTest, RecordBeyondTheEndReadsAsZeros) {
    RecordFile f(threeRecords(), 508);
    EXPECT_EQ(f.read(2), Bytes(508, 2));
    EXPECT_EQ(f.read(10), Bytes(508, 0));
    EXPECT_EQ(f.recordCount(), 3);
}

TEST_F(RecordFileTest, WritingFarBeyondTheEndKeepsEveryOtherByte) {
    const std::string path = threeRecords();
    RecordFile f(path, 508);
    f.write(700, Bytes(508, 7));
    EXPECT_EQ(f.fileLength(), 700 * 508);
    EXPECT_EQ(f.read(1), Bytes(508, 1));
    EXPECT_EQ(f.read(3), Bytes(508, 3));
    EXPECT_EQ(f.read(4), Bytes(508, 0));
    EXPECT_EQ(f.read(700), Bytes(508, 7));
    f.write(2, Bytes(508, 9));
    EXPECT_EQ(f.fileLength(), 700 * 508);
    EXPECT_EQ(f.read(2), Bytes(508, 9));
}

TEST_F(RecordFileTest, MissingFileOrFolderRaises) {
    EXPECT_RUNTIME_ERROR(RecordFile(dir.file("none.drc"), 508).read(1), 53);
    EXPECT_RUNTIME_ERROR(RecordFile(dir.file("no/none.drc"), 508).read(1), 76);
    EXPECT_RUNTIME_ERROR(RecordFile(dir.file("no/none.drc"), 508).write(1, Bytes(508)), 76);
}

TEST_F(RecordFileTest, UpdateWritesOneRecordInPlaceAndGrowsAShortFileToExactlyThatRecord) {
    // A length that is no whole number of records: the partial last record stays as it was.
    std::string original;
    for (int k = 0; k < 3 * 508 + 100; ++k)
        original += static_cast<char>(k * 7 % 251);
    const std::string path = dir.write("short.drc", original);
    RecordFile f(path, 508);
    f.update(700, Bytes(508, 7));
    EXPECT_EQ(f.fileLength(), 700 * 508);
    const Bytes head = f.read(1);
    EXPECT_EQ(std::string(head.begin(), head.end()), original.substr(0, 508));
    const Bytes fourth = f.read(4);
    EXPECT_EQ(std::string(fourth.begin(), fourth.begin() + 100), original.substr(3 * 508));
    EXPECT_EQ(Bytes(fourth.begin() + 100, fourth.end()), Bytes(408, 0));
    EXPECT_EQ(f.read(699), Bytes(508, 0));
    EXPECT_EQ(f.read(700), Bytes(508, 7));
    // In the middle of a longer file nothing moves and the length stays.
    f.update(2, Bytes(508, 9));
    EXPECT_EQ(f.fileLength(), 700 * 508);
    EXPECT_EQ(f.read(2), Bytes(508, 9));
    EXPECT_EQ(f.read(3), Bytes(original.begin() + 2 * 508, original.begin() + 3 * 508));
}

TEST_F(RecordFileTest, UpdateNeverCreatesAFile) {
    EXPECT_RUNTIME_ERROR(RecordFile(dir.file("none.drc"), 508).update(700, Bytes(508)), 53);
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.drc")));
    EXPECT_RUNTIME_ERROR(RecordFile(dir.file("no/none.drc"), 508).update(700, Bytes(508)), 76);
    EXPECT_FALSE(std::filesystem::exists(dir.file("no")));
    // A folder where the file should be cannot be opened for writing.
    std::filesystem::create_directory(dir.file("folder.drc"));
    EXPECT_RUNTIME_ERROR(RecordFile(dir.file("folder.drc"), 508).update(1, Bytes(508)), 75);
}

TEST(RecordCodec, FieldsAreLittleEndian) {
    Bytes b(16, 0);
    RecordCodec c(b);
    c.putInt16(0, -2);
    c.putInt32(2, 64175);
    c.putFloat(6, 1.5f);
    c.putText(10, 6, "čaj");
    EXPECT_EQ(b[0], 0xFE);
    EXPECT_EQ(b[1], 0xFF);
    EXPECT_EQ(b[2], 0xAF);
    EXPECT_EQ(b[3], 0xFA);
    EXPECT_EQ(b[4], 0x00);
    EXPECT_EQ(b[9], 0x3F);
    EXPECT_EQ(b[10], 0xE8);
    EXPECT_EQ(b[15], ' ');
    EXPECT_EQ(c.getInt16(0), -2);
    EXPECT_EQ(c.getInt32(2), 64175);
    EXPECT_EQ(c.getFloat(6), 1.5f);
    EXPECT_EQ(c.getText(10, 6), "čaj   ");
    EXPECT_RUNTIME_ERROR(c.getInt32(14), 9);
}

} // namespace
