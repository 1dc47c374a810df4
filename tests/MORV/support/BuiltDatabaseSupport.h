#pragma once
//! The substance database of this build (MORV_BUILT_DATABASE) for the tests and benchmarks of
//! the model on real substance data: every mixture object created meanwhile finds the database
//! through a location file in a library folder of its own; and the sample tasks
//! (MORV_SAMPLE_TASKS).

#include "FixtureDb.h"
#include "TestSupport.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/LibraryFolder.h"
#include "MORV/model/ProgramState.h"
#include "MORV/model/Proud.h"

#include <cstdint>
#include <optional>
#include <string>

namespace morvtest {

// Substance numbers of the database.
inline constexpr int16_t water = 1;
inline constexpr int16_t nitrogen = 3;
inline constexpr int16_t methanol = 23;

// The sample tasks shipped with the program.
inline constexpr const char* sampleTask = "methanol-condenser.dat";
inline constexpr const char* verticalTask = "methanol-vertical-condenser.dat";

//! The built database in use from construction to destruction, through a location file
//! written into the library folder given: the program-wide state is reset at both ends, the
//! previous library folder comes back at the end.
class BuiltDatabaseSession {
public:
    explicit BuiltDatabaseSession(const std::string& libraryFolder) {
        morv::resetProgram();
        kwelartest::writeLocationFile(libraryFolder, MORV_BUILT_DATABASE);
        kwelar::setLibraryFolder(libraryFolder);
    }
    ~BuiltDatabaseSession() {
        morv::resetProgram();
        kwelar::setLibraryFolder(m_previousFolder);
    }
    BuiltDatabaseSession(const BuiltDatabaseSession&) = delete;
    BuiltDatabaseSession& operator=(const BuiltDatabaseSession&) = delete;

private:
    const std::string m_previousFolder = kwelar::libraryFolder();
};

//! The path of a sample task file.
inline std::string sampleTaskPath(const char* task) {
    return std::string(MORV_SAMPLE_TASKS) + "/" + task;
}

//! A test on the built database with a scripted message service.
class BuiltDatabase : public ::testing::Test {
protected:
    void SetUp() override { m_session.emplace(folder.path()); }
    void TearDown() override { m_session.reset(); }

    //! Makes the stream the pure substance of the given number, loaded from the database; the
    //! mixture object keeps the stream's error mode, in which a failure is raised.
    static void pure(morv::Proud& stream, int16_t substance) {
        kwelar::Smes& s = stream.S();
        s.ZapisNslozky(1, substance);
        s.ZapisNslozky(2, 0);
        ASSERT_EQ(s.Inikwl().toInteger(), 1);
        stream.Xm(1, 1.0);
        stream.Xh(1, 1.0);
    }

    testsupport::TempDir folder;
    testsupport::ScriptedBoxes boxes;

private:
    std::optional<BuiltDatabaseSession> m_session;
};

} // namespace morvtest
