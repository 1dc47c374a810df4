// The design-task file reader (TARMST::NactiData). A file that loads is saved, loaded again
// and saved again: the two saved files must be equal, so loading and saving lose nothing.

#include "FuzzSupport.h"

#include "MORV/model/ProgramState.h"
#include "MORV/model/TARMST.h"
#include "Platform/FileSystem.h"
#include "Platform/RunTimeError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace fuzzsupport;
    setUp();
    const std::string path = write("task.dat", text(data, size));
    morv::resetProgram();
    morv::TARMST m;
    m.NactiData(path);
    if (morv::program().ChybaNacteni != 0) return 0;

    const std::string first = file("first.dat");
    const std::string second = file("second.dat");
    try {
        m.UlozData(first);
    } catch (const platform::RunTimeError&) {
        require(false, "a task that loaded cannot be saved");
    }
    morv::resetProgram();
    morv::TARMST again;
    again.NactiData(first);
    require(morv::program().ChybaNacteni == 0, "a saved task does not load");
    again.UlozData(second);
    require(platform::readWholeFile(first) == platform::readWholeFile(second),
            "loading and saving a task changes it");
    return 0;
}
