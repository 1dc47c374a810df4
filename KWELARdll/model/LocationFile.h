#pragma once
//! The location file "KWELAR.CFG": two lines, the fixed first line and the full path of the
//! database, each an item in double quotes ended by CR LF, in code page 1250.

#include "KWELAR/KWELARExport.h"

#include <string>

namespace kwelar {

//! Line 1 of the location file.
inline constexpr const char* LocationFileHeader = "Soubor obsahuje na 2.ř. cestu k datovému souboru báze.";

//! Writes the location file `cfgFile` pointing at `databasePath`, replacing an old file only
//! once the new one is complete. Raises 76 when the folder is missing, 75 when the file
//! cannot be written.
KWELAR_EXPORT void writeLocationFile(const std::string& cfgFile, const std::string& databasePath);

} // namespace kwelar
