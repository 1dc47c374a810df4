// The condenser program: the application, the message service and the windows of the
// property library installed, then the main window.

#include "MORV/model/ProgramState.h"
#include "MORV/window/frmHE.h"
#include "Platform/ProgramEnd.h"
#include "Platform/qt/QtFileDialog.h"
#include "Platform/qt/QtMessageService.h"
#include "Platform/qt/UserLocale.h"

#include <QApplication>

#ifdef MORV_KWELAR_WINDOWS
#include "KWELARdll/windows/SmesOknaQt.h"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MORV"));
    platform::settleUserLocale();
    platform::installQtPlatform();
    static platform::QtFileDialogBackend fileDialogs;
    platform::setFileDialogBackend(&fileDialogs);
#ifdef MORV_KWELAR_WINDOWS
    kwelar::installSmesWindows();
#endif

    // The program ends by leaving the event loop, so the window and the application are
    // released in order below.
    platform::setProgramEndHook([](int code) { QCoreApplication::exit(code); });

    morv::frmHE window(morv::program());
    window.show();
    const int rc = QApplication::exec();
    morv::resetProgram();
    return rc;
}
