// The location file "KWELAR.CFG" (Smes::Adrkwl). After the location the path held is empty or
// names an existing file of the database's name.

#include "FuzzSupport.h"

#include "KWELARdll/model/Smes.h"
#include "Platform/CodePage.h"
#include "Platform/FileSystem.h"
#include "Platform/RunTimeError.h"

#include <filesystem>

namespace {

//! Reads the located path without locating again.
class Located : public kwelar::Smes {
public:
    const std::string& path() const { return m_AdrKWELAR; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace fuzzsupport;
    setUp();
    const std::string folder = file("cfg");
    std::filesystem::create_directories(folder);
    platform::writeFileAtomically(platform::joinPath(folder, "KWELAR.CFG"), std::string(text(data, size)));
    for (const int16_t mode : {int16_t{0}, int16_t{-1}}) {
        Located s;
        s.CFGPath(folder);
        s.ChyboveHlasky(mode);
        try {
            s.Adrkwl();
        } catch (const platform::RunTimeError&) {
        }
        const std::string& p = s.path();
        require(p.empty() || (platform::fileExists(p) && platform::upperCase(platform::fileNameOf(p)) ==
                                                             platform::upperCase(s.DataFileName())),
                "a location that failed its checks left its path");
    }
    return 0;
}
