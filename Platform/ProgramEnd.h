#pragma once
//! The program's end goes through one hook, so tests can observe it.

#include "Platform/PlatformExport.h"

#include <functional>

namespace platform {

//! Ends the program through the installed hook (by default std::exit).
PLATFORM_EXPORT void endProgram(int code = 0);
//! Installs the hook (an empty function restores the default).
PLATFORM_EXPORT void setProgramEndHook(std::function<void(int)> hook);

} // namespace platform
