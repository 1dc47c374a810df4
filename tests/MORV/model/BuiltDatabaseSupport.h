#pragma once
//! The substance database of this build (MORV_BUILT_DATABASE) for the tests of the model on
//! real substance data: every mixture object created meanwhile finds the database through a
//! location file in a library folder of its own.

#include "FixtureDb.h"
#include "TestSupport.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/LibraryFolder.h"
#include "MORV/model/ProgramState.h"
#include "MORV/model/Proud.h"

#include <cstdint>
#include <string>

namespace morvtest {

// Substance numbers of the database.
inline constexpr int16_t water = 1;
inline constexpr int16_t methanol = 23;

class BuiltDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        morv::resetProgram();
        kwelartest::writeLocationFile(folder.path(), MORV_BUILT_DATABASE);
        kwelar::setLibraryFolder(folder.path());
    }
    void TearDown() override {
        morv::resetProgram();
        kwelar::setLibraryFolder(previousFolder);
    }

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

    const std::string previousFolder = kwelar::libraryFolder();
    testsupport::TempDir folder;
    testsupport::ScriptedBoxes boxes;
};

} // namespace morvtest
