#include "FixtureDb.h"
#include "TestSupport.h"

#include "MORV/model/ProgramState.h"
#include "ToviC/Tovi.h"

#include <memory>
#include <string>

namespace {

// The user unit file of every unit converter made in this program is looked for in an empty
// folder of its own, so no unit file of the machine takes part; the program-wide state is
// released before the folders go.
class IsolatedUnitFile : public ::testing::Environment {
public:
    void SetUp() override {
        m_folder = std::make_unique<testsupport::TempDir>();
        m_previous = tovi::Tovi::userFileFolder();
        tovi::Tovi::setUserFileFolder(m_folder->path() + "/");
    }
    void TearDown() override {
        morv::resetProgram();
        tovi::Tovi::setUserFileFolder(m_previous);
        m_folder.reset();
    }

private:
    std::unique_ptr<testsupport::TempDir> m_folder;
    std::string m_previous;
};

} // namespace

// No test of this program reads the property library's own location file, walks the real
// disks or reads the machine's user unit file.
[[maybe_unused]] static ::testing::Environment* const isolatedLibrary =
    ::testing::AddGlobalTestEnvironment(new kwelartest::IsolatedLibrary);
[[maybe_unused]] static ::testing::Environment* const isolatedUnitFile =
    ::testing::AddGlobalTestEnvironment(new IsolatedUnitFile);
