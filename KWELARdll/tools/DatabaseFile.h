#pragma once
//! The database file "KWELAR.DRC" made from the substances of the table.

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/tools/SubstanceTable.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kwelar::tools {

//! Fewest records of a database: the library refuses a shorter file as broken.
inline constexpr int32_t MinDatabaseRecords =
    static_cast<int32_t>((MinDatabaseLength + static_cast<int64_t>(RecordLength) - 1) / RecordLength);

//! Records of the database: the highest substance number, at least `MinDatabaseRecords`.
int32_t databaseRecordCount(const std::vector<TableSubstance>& substances);

//! The bytes of the database: record n holds substance n, a record without a substance is
//! blank (number 0, name of blanks), and the file holds at least `MinDatabaseRecords`
//! records and no record beyond the highest substance.
std::string databaseImage(const std::vector<TableSubstance>& substances);

//! Writes the database to `path` through a temporary file in the same folder that is
//! renamed over `path` once complete. Raises the run-time error of the file system (76 a
//! missing folder, 75 a file that cannot be written), leaving nothing behind.
void writeDatabase(const std::vector<TableSubstance>& substances, const std::string& path);

} // namespace kwelar::tools
