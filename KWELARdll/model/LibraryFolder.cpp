#include "KWELARdll/model/LibraryFolder.h"

#include "Platform/FileSystem.h"

namespace kwelar {

namespace {

// An object inside this library: its address names the shared library's file.
const char marker = 0;

std::string& overriddenFolder() {
    static std::string folder;
    return folder;
}

} // namespace

std::string libraryFolder() {
    if (!overriddenFolder().empty()) return overriddenFolder();
    return platform::folderOfCode(&marker);
}

void setLibraryFolder(std::string folder) {
    overriddenFolder() = std::move(folder);
}

} // namespace kwelar
