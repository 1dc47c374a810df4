#include "KWELARdll/model/LocationFile.h"

#include "Platform/ItemFile.h"

namespace kwelar {

void writeLocationFile(const std::string& cfgFile, const std::string& databasePath) {
    // The path is written quoted, so a comma in it survives the reading.
    platform::ItemWriter cfg;
    cfg.text(LocationFileHeader).endLine().text(databasePath).endLine();
    cfg.save(cfgFile);
}

} // namespace kwelar
