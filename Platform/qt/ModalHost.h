#pragma once
//! Every modal window is shown through one host, so tests can drive a modal window without a
//! nested event loop.

#include "PlatformQt/PlatformQtExport.h"

#include <functional>

class QDialog;

namespace platform {

class PLATFORMQT_EXPORT ModalHost {
public:
    //! The test hook: receives the dialog instead of its event loop and returns its result.
    using Hook = std::function<int(QDialog&)>;

    //! Shows the dialog modally and returns its result (QDialog::exec, or the hook's answer).
    static int exec(QDialog& dialog);
    //! Installs a hook (an empty one restores exec).
    static void setHook(Hook hook);
};

} // namespace platform
