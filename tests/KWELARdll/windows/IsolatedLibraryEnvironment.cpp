#include "FixtureDb.h"

// No test of this program reads the library's own location file or walks the real disks.
[[maybe_unused]] static ::testing::Environment* const isolatedLibrary =
    ::testing::AddGlobalTestEnvironment(new kwelartest::IsolatedLibrary);
