// The substance-table builder (kwelar::tools::parseSubstanceTable). A table that passes the
// checks gives records that survive their 508 bytes unchanged.

#include "FuzzSupport.h"

#include "KWELARdll/tools/SubstanceTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace fuzzsupport;
    std::vector<kwelar::tools::TableSubstance> table;
    try {
        table = kwelar::tools::parseSubstanceTable(text(data, size), "fuzz.tsv");
    } catch (const kwelar::tools::TableError&) {
        return 0;
    }
    for (const kwelar::tools::TableSubstance& s : table)
        require(kwelar::ZaznamLatky::decode(s.record.encode()) == s.record,
                "a record does not survive its bytes");
    return 0;
}
