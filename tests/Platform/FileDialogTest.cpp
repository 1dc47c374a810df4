// The file dialog object: the filter list, the user's choice and its folder kept between
// showings, Cancel.

#include "Platform/FileDialog.h"
#include "Platform/RunTimeError.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using platform::FileDialog;
using platform::ScriptedFileDialogs;

TEST(FileDialog, FilterListSplitsIntoCaptionsAndPatterns) {
    const auto f =
        platform::parseFileFilter("Všechny soubory (*.*)|*.*|Textové (*.txt)|*.txt|Datové (*.dat)|*.dat");
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(f[0].caption, "Všechny soubory (*.*)");
    EXPECT_EQ(f[0].pattern, "*.*");
    EXPECT_EQ(f[2].caption, "Datové (*.dat)");
    EXPECT_EQ(f[2].pattern, "*.dat");
    EXPECT_TRUE(platform::parseFileFilter("").empty());
    EXPECT_EQ(platform::parseFileFilter("Vše").at(0).pattern, "*.*");
}

TEST(FileDialog, ChoiceIsKeptAndTheRequestCarriesTheLastOne) {
    ScriptedFileDialogs dialogs;
    platform::FileDialogBackendScope scope(dialogs);
    FileDialog d;
    d.Filter = "A (*.a)|*.a|B (*.b)|*.b";
    d.FilterIndex = 2;
    dialogs.choose("/tmp/x.a", 1);
    ASSERT_TRUE(d.ShowOpen());
    EXPECT_EQ(d.FileName, "/tmp/x.a");
    EXPECT_EQ(d.FilterIndex, 1);
    dialogs.cancel();
    EXPECT_FALSE(d.ShowSave());
    EXPECT_EQ(d.FileName, "/tmp/x.a"); // Cancel changes nothing
    ASSERT_EQ(dialogs.requests().size(), 2u);
    EXPECT_EQ(dialogs.requests()[0].filterIndex, 2);
    EXPECT_FALSE(dialogs.requests()[0].save);
    EXPECT_EQ(dialogs.requests()[1].filterIndex, 1);
    EXPECT_EQ(dialogs.requests()[1].fileName, "/tmp/x.a");
    EXPECT_TRUE(dialogs.requests()[1].save);
    EXPECT_TRUE(dialogs.unexpected().empty());
}

TEST(FileDialog, CancelRaisesErrorWhenAsked) {
    ScriptedFileDialogs dialogs;
    platform::FileDialogBackendScope scope(dialogs);
    FileDialog d;
    d.CancelError = true;
    dialogs.cancel();
    try {
        d.ShowOpen();
        FAIL() << "no error";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), platform::err::Cancelled);
    }
    // A dialog nobody scripted is recorded and cancelled.
    EXPECT_THROW(d.ShowOpen(), platform::RunTimeError);
    EXPECT_EQ(dialogs.unexpected().size(), 1u);
}

TEST(FileDialog, StartsInItsFolderThenWhereTheLastChoiceWas) {
    ScriptedFileDialogs dialogs;
    platform::FileDialogBackendScope scope(dialogs);
    FileDialog d;
    d.InitDir = "/usr/share/samples";
    dialogs.cancel();
    d.ShowOpen();
    EXPECT_EQ(d.InitDir, "/usr/share/samples") << "Cancel changes nothing";
    dialogs.choose("/home/eva/ulohy/a.dat");
    d.ShowOpen();
    EXPECT_EQ(d.InitDir, "/home/eva/ulohy");
    d.FileName.clear();
    dialogs.choose("b.res"); // a name without a folder keeps the folder
    d.ShowSave();
    EXPECT_EQ(d.InitDir, "/home/eva/ulohy");
    ASSERT_EQ(dialogs.requests().size(), 3u);
    EXPECT_EQ(dialogs.requests()[0].folder, "/usr/share/samples");
    EXPECT_EQ(dialogs.requests()[1].folder, "/usr/share/samples");
    EXPECT_EQ(dialogs.requests()[2].folder, "/home/eva/ulohy");
    EXPECT_EQ(dialogs.requests()[2].fileName, "");
}

// A save dialog that would start in a folder the user may not write, such as that of an
// installed sample task, starts in the home folder with the same file name; an open dialog,
// and a save dialog where the user may write, start where they were. The folder's mode
// decides, so the cases hold when the tests run as root too.
TEST(FileDialog, SaveStartsInTheHomeFolderWhereItsFolderCannotBeWritten) {
    testsupport::TempDir dir;
    const std::string samples = dir.file("tasks"), own = dir.file("own"), home = dir.file("home");
    for (const std::string& folder : {samples, own, home})
        std::filesystem::create_directory(folder);
    testsupport::ReadOnly readOnly(samples);
    testsupport::EnvironmentVariable homeVariable("HOME", home);
    struct Case {
        bool save;
        std::string fileName, initDir;
        std::string startName, startFolder; // what the dialog is asked to show
    };
    const Case cases[] = {
        {true, samples + "/vzor.dat", "", home + "/vzor.dat", home},
        {true, samples + "/vzor.dat", own, home + "/vzor.dat", home},
        {true, "", samples, "", home},
        {true, "vzor.dat", samples, home + "/vzor.dat", home},
        {true, own + "/vzor.dat", samples, own + "/vzor.dat", samples},
        {true, "", own, "", own},
        {true, dir.file("gone/vzor.dat"), "", dir.file("gone/vzor.dat"), ""}, // a missing folder
        {false, samples + "/vzor.dat", samples, samples + "/vzor.dat", samples},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName + " in " + c.initDir + (c.save ? " (save)" : " (open)"));
        ScriptedFileDialogs dialogs;
        platform::FileDialogBackendScope scope(dialogs);
        FileDialog d;
        d.FileName = c.fileName;
        d.InitDir = c.initDir;
        dialogs.cancel();
        c.save ? d.ShowSave() : d.ShowOpen();
        ASSERT_EQ(dialogs.requests().size(), 1u);
        EXPECT_EQ(dialogs.requests()[0].fileName, c.startName);
        EXPECT_EQ(dialogs.requests()[0].folder, c.startFolder);
        // Cancel keeps what the dialog proposed before.
        EXPECT_EQ(d.FileName, c.fileName);
        EXPECT_EQ(d.InitDir, c.initDir);
    }
}
