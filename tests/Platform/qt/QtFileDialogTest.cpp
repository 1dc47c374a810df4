// The window system's file dialog: the folder it opens in.

#include "Platform/qt/QtFileDialog.h"
#include "Platform/qt/ModalHost.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileDialog>

namespace {

// The folder shown when the dialog opens: the request's folder, unless the preselected file
// name is a path into another one.
TEST(QtFileDialog, OpensInTheFolderOfTheFileElseInTheRequestsFolder) {
    testsupport::TempDir samples;
    testsupport::TempDir last;
    const std::string chosen = last.write("a.dat", "x");
    struct Case {
        std::string folder;
        std::string fileName;
        std::string shown;
    };
    const Case cases[] = {
        {samples.path(), "", samples.path()},
        {samples.path(), chosen, last.path()},
        {samples.path(), "b.res", samples.path()},
    };
    for (const Case& c : cases) {
        QString shown;
        platform::ModalHost::setHook([&shown](QDialog& d) {
            shown = qobject_cast<QFileDialog*>(&d)->directory().absolutePath();
            return static_cast<int>(QDialog::Rejected);
        });
        platform::FileDialogRequest request;
        request.folder = c.folder;
        request.fileName = c.fileName;
        EXPECT_FALSE(platform::QtFileDialogBackend().show(request).accepted);
        EXPECT_EQ(shown, QDir(QString::fromStdString(c.shown)).absolutePath()) << c.fileName;
    }
    platform::ModalHost::setHook({});
}

} // namespace
