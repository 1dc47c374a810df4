// The file dialog object: the filter list, the user's choice and its folder kept between
// showings, Cancel.

#include "Platform/FileDialog.h"
#include "Platform/RunTimeError.h"

#include <gtest/gtest.h>

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
