#pragma once
//! Message and input boxes shown as Qt dialogs.

#include "Platform/MessageBox.h"
#include "PlatformQt/PlatformQtExport.h"

namespace platform {

class PLATFORMQT_EXPORT QtMessageService : public MessageService {
public:
    int msgBox(const std::string& text, int style, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& def) override;
};

//! Installs the Qt message service and makes the program's end quit the application.
PLATFORMQT_EXPORT void installQtPlatform();

} // namespace platform
