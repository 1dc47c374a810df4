#pragma once
//! Files, folders and search roots on POSIX paths.

#include "Platform/PlatformExport.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

//! The run-time error for a path that cannot be opened: 76 when its folder is missing,
//! 53 otherwise.
PLATFORM_EXPORT int32_t missingFileError(const std::string& path);

//! True when a regular file (or a link to one) exists at path.
PLATFORM_EXPORT bool fileExists(const std::string& path);
//! True when a folder exists at path.
PLATFORM_EXPORT bool folderExists(const std::string& path);

//! The whole content of a file; a missing file raises 53 (76 when its folder is missing).
PLATFORM_EXPORT std::string readWholeFile(const std::string& path);
//! Writes the content to a temporary file in the same folder and renames it over path, so
//! an old file is replaced only by a complete new one. Raises 76 when the folder is missing
//! and 75 when the file cannot be written; nothing is left behind on failure.
PLATFORM_EXPORT void writeFileAtomically(const std::string& path, const std::string& content);

//! True when files may be created and replaced in the folder by this process. The folder's
//! permission bits decide also for the superuser, whom the system lets write anyway: a
//! folder marked read-only, as an installed program's data are, is not written by a program
//! run as root either. A missing folder, or one on a read-only file system, gives false.
PLATFORM_EXPORT bool folderWritable(const std::string& folder);
//! True when this process may write into the existing regular file at path. As for a folder,
//! the file's permission bits decide also for the superuser. A missing file gives false.
PLATFORM_EXPORT bool fileWritable(const std::string& path);
//! The user's home folder: $HOME, else the home of the process's user in the password
//! database ("" when neither is known).
PLATFORM_EXPORT std::string homeFolder();
//! The user's own data folder: $XDG_DATA_HOME when it is an absolute path, else
//! ~/.local/share ("" when the home folder is not known).
PLATFORM_EXPORT std::string userDataFolder();

//! The folder part of a path, without the final "/" ("" when there is none).
PLATFORM_EXPORT std::string folderOf(const std::string& path);
//! The name part of a path.
PLATFORM_EXPORT std::string fileNameOf(const std::string& path);
//! folder + "/" + name, without doubling the "/".
PLATFORM_EXPORT std::string joinPath(const std::string& folder, const std::string& name);

//! The folder of the shared library (or executable) that holds `address`.
PLATFORM_EXPORT std::string folderOfCode(const void* address);
//! The folder of the running executable.
PLATFORM_EXPORT std::string executableFolder();

//! The path of the file `name` in `folder`: the name as given when such a file is there,
//! else the first file whose name matches it without regard to case (ASCII letters); ""
//! when the folder holds neither.
PLATFORM_EXPORT std::string findInFolder(const std::string& folder, const std::string& name);

//! The ordered roots of whole-disk searches: the mounted local file systems, "/" first.
//! Tests set their own.
class PLATFORM_EXPORT SearchRoots {
public:
    static std::vector<std::string> roots();
    static void setRoots(std::vector<std::string> roots);
    //! Back to the mounted file systems.
    static void reset();
    //! Folders a whole-root walk never enters: /proc, /sys, /dev, /run.
    static bool isSkipped(const std::string& folder);
};

} // namespace platform
