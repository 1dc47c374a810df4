#include "KWELARdll/tools/DatabaseFile.h"

#include "Platform/FileSystem.h"

#include <algorithm>
#include <map>

namespace kwelar::tools {

int32_t databaseRecordCount(const std::vector<TableSubstance>& substances) {
    int32_t count = MinDatabaseRecords;
    for (const TableSubstance& s : substances)
        count = std::max<int32_t>(count, s.record.N);
    return count;
}

std::string databaseImage(const std::vector<TableSubstance>& substances) {
    std::map<int32_t, const ZaznamLatky*> byNumber;
    for (const TableSubstance& s : substances)
        byNumber[s.record.N] = &s.record;
    const int32_t count = databaseRecordCount(substances);

    const ZaznamLatky blank;
    std::string bytes;
    bytes.reserve(static_cast<size_t>(count) * RecordLength);
    for (int32_t n = 1; n <= count; ++n) {
        const auto it = byNumber.find(n);
        const platform::Bytes record = (it == byNumber.end() ? blank : *it->second).encode();
        bytes.append(record.begin(), record.end());
    }
    return bytes;
}

void writeDatabase(const std::vector<TableSubstance>& substances, const std::string& path) {
    platform::writeFileAtomically(path, databaseImage(substances));
}

} // namespace kwelar::tools
