#include "Platform/FileSystem.h"

#include "TestSupport.h"

#include <filesystem>

using namespace platform;

namespace {

TEST(Paths, FolderAndNameParts) {
    EXPECT_EQ(folderOf("/a/b/c.drc"), "/a/b");
    EXPECT_EQ(folderOf("/c.drc"), "/");
    EXPECT_EQ(folderOf("c.drc"), "");
    EXPECT_EQ(fileNameOf("/a/b/c.drc"), "c.drc");
    EXPECT_EQ(joinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(joinPath("/a", "b"), "/a/b");
}

TEST(SearchRoots, MountedRootsStartAtSlashAndTestsSetTheirOwn) {
    SearchRoots::reset();
    const auto roots = SearchRoots::roots();
    ASSERT_FALSE(roots.empty());
    EXPECT_EQ(roots.front(), "/");
    SearchRoots::setRoots({"/tmp/x"});
    EXPECT_EQ(SearchRoots::roots(), std::vector<std::string>{"/tmp/x"});
    SearchRoots::reset();
    EXPECT_TRUE(SearchRoots::isSkipped("/proc/1"));
    EXPECT_TRUE(SearchRoots::isSkipped("/run"));
    EXPECT_FALSE(SearchRoots::isSkipped("/runner"));
}

TEST(AtomicWrite, ReplacesOnlyWithACompleteFile) {
    testsupport::TempDir dir;
    const std::string path = dir.write("a.txt", "old");
    writeFileAtomically(path, "new");
    EXPECT_EQ(readWholeFile(path), "new");
    EXPECT_RUNTIME_ERROR(writeFileAtomically(dir.file("none/a.txt"), "x"), 76);
    EXPECT_RUNTIME_ERROR(readWholeFile(dir.file("none.txt")), 53);
}

TEST(CodeLocation, FolderOfTheRunningExecutable) {
    EXPECT_TRUE(folderExists(executableFolder()));
    EXPECT_TRUE(folderExists(folderOfCode(reinterpret_cast<const void*>(&folderOf))));
}

TEST(FindInFolder, ExactNameFirstThenWithoutRegardToCase) {
    testsupport::TempDir dir;
    EXPECT_EQ(findInFolder(dir.path(), "normmorv.dta"), "");
    const std::string other = dir.write("NormMorv.DTA", "a");
    EXPECT_EQ(findInFolder(dir.path(), "normmorv.dta"), other);
    const std::string exact = dir.write("normmorv.dta", "b");
    EXPECT_EQ(findInFolder(dir.path(), "normmorv.dta"), exact);
    EXPECT_EQ(findInFolder(dir.path(), "NORMMORV.DTA"), other)
        << "of two case-blind matches the first in byte order";
    // A folder of that name is no file, and a missing folder holds nothing.
    dir.write("sub/Katalog/x", "");
    EXPECT_EQ(findInFolder(dir.file("sub"), "katalog"), "");
    EXPECT_EQ(findInFolder(dir.file("none"), "normmorv.dta"), "");
}

// A folder whose mode denies writing is not written, by a program run as root too, for whom
// the system would not refuse the write.
TEST(FolderWritable, TheFoldersModeDecidesForEveryUser) {
    namespace fs = std::filesystem;
    testsupport::TempDir dir;
    const std::string folder = dir.file("data");
    fs::create_directory(folder);
    struct Case {
        fs::perms mode;
        bool writable;
    };
    const Case cases[] = {
        {fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read, true},
        {fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::others_read,
         false},
        {fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_all | fs::perms::others_all, false},
    };
    for (const Case& c : cases) {
        fs::permissions(folder, c.mode);
        EXPECT_EQ(folderWritable(folder), c.writable) << static_cast<int>(c.mode);
    }
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_FALSE(folderWritable(dir.file("none")));
    EXPECT_FALSE(folderWritable(dir.write("file", "x"))) << "a file is no folder";
}

TEST(UserDataFolder, AnAbsoluteDataHomeElseTheHomesLocalShare) {
    struct Case {
        std::optional<std::string> dataHome;
        std::optional<std::string> home;
        std::string folder;
    };
    const Case cases[] = {
        {"/srv/data", "/home/eva", "/srv/data"},
        {std::nullopt, "/home/eva", "/home/eva/.local/share"},
        {"", "/home/eva/", "/home/eva/.local/share"},
        {"relative/data", "/home/eva", "/home/eva/.local/share"}, // a relative one is ignored
    };
    for (const Case& c : cases) {
        testsupport::EnvironmentVariable dataHome("XDG_DATA_HOME", c.dataHome);
        testsupport::EnvironmentVariable home("HOME", c.home);
        EXPECT_EQ(userDataFolder(), c.folder) << c.dataHome.value_or("(none)");
    }
}

} // namespace
