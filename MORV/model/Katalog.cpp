#include "MORV/model/Katalog.h"

#include "Platform/FileSystem.h"

namespace morv {

CatalogueRecord readCatalogueRecord(platform::ItemReader& in) {
    CatalogueRecord r;
    r.Kod = in.readString();
    for (double& v : r.konstrukce)
        v = in.readDouble();
    r.protiproud = in.readDouble();
    return r;
}

std::vector<std::string> programFolders() {
    const std::string exe = platform::executableFolder();
    return {exe, platform::joinPath(platform::folderOf(exe), "share/MORV")};
}

std::string findCatalogue(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        std::string path = platform::findInFolder(folder, catalogueFileName);
        if (!path.empty()) return path;
    }
    return {};
}

} // namespace morv
