// Builds the substance database "KWELAR.DRC" from the substance table and writes the
// location file "KWELAR.CFG"; the build and the installation run it.

#include "KWELARdll/tools/DatabaseTool.h"

#include <iostream>

int main(int argc, char** argv) {
    return kwelar::tools::runDatabaseTool(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                          std::cerr);
}
