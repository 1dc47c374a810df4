#include "FuzzSupport.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/LibraryFolder.h"
#include "KWELARdll/model/LocationFile.h"
#include "KWELARdll/model/ZaznamLatky.h"
#include "Platform/FileSystem.h"
#include "Platform/MessageBox.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace fuzzsupport {

namespace {

//! Answers every box as a cautious user would and shows nothing.
class QuietMessages : public platform::MessageService {
public:
    int msgBox(const std::string&, int style, const std::string&) override {
        return platform::cautiousAnswer(style);
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
};

struct Folder {
    Folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "morv-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        path = pattern;
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

Folder& theFolder() {
    static Folder f;
    return f;
}

std::string makeDatabase() {
    platform::Bytes bytes;
    for (int16_t n = 1; n <= 12; ++n) {
        kwelar::ZaznamLatky z;
        z.N = n;
        z.Nazev = n == 1 ? "Voda" : "Látka " + std::to_string(n);
        z.Nazev.resize(kwelar::ZaznamLatky::NazevWidth, ' ');
        z.Group = 10;
        z.CAS = n == 1 ? 7732185 : 0;
        const float points[] = {0.018f + 0.01f * n,
                                500.0f + 10 * n,
                                5e6f,
                                3e-4f,
                                0.3f,
                                0.3f,
                                1.33f,
                                293.15f,
                                1.8f,
                                293.15f,
                                20.0f,
                                293.15f,
                                6000.0f,
                                200.0f + n,
                                350.0f + 5 * n,
                                0,
                                0};
        for (int j = 1; j <= kwelar::PointValueCount; ++j)
            z.B(j) = points[j - 1];
        // Plausible orders of magnitude at 300 K, each a straight line in T.
        const float values[] = {1e-5f, 80.0f, 0.02f, 800.0f, 5e-4f, 0.15f, 120.0f, 3e4f, 2e4f, 0.02f, 0};
        for (int k = 1; k <= kwelar::CorrelationCount; ++k) {
            kwelar::RozvojVztahu& r = z.Rozvoj(k);
            if (k == kwelar::CorrelationCount) continue;
            r.A1 = values[k - 1];
            r.A2 = values[k - 1] * 1e-4f;
            r.TypVztahu = 1;
            r.Presn = 1;
            r.Od = 100;
            r.Do = 1000;
        }
        const platform::Bytes record = z.encode();
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    const std::string path = file("KWELAR.DRC");
    platform::writeFileAtomically(path, std::string(bytes.begin(), bytes.end()));
    return path;
}

} // namespace

const std::string& folder() {
    return theFolder().path;
}

std::string file(const std::string& name) {
    return platform::joinPath(folder(), name);
}

std::string write(const std::string& name, std::string_view bytes) {
    const std::string path = file(name);
    platform::writeFileAtomically(path, std::string(bytes));
    return path;
}

const std::string& database() {
    static const std::string path = makeDatabase();
    return path;
}

void setUp() {
    static bool done = [] {
        static QuietMessages quiet;
        platform::setMessageService(&quiet);
        const std::string roots = file("roots");
        const std::string library = file("library");
        std::filesystem::create_directories(roots);
        std::filesystem::create_directories(library);
        platform::SearchRoots::setRoots({roots});
        kwelar::writeLocationFile(platform::joinPath(library, "KWELAR.CFG"), database());
        kwelar::setLibraryFolder(library);
        return true;
    }();
    (void)done;
}

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

} // namespace fuzzsupport
