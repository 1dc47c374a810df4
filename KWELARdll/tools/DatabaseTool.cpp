#include "KWELARdll/tools/DatabaseTool.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/LocationFile.h"
#include "KWELARdll/tools/DatabaseFile.h"
#include "KWELARdll/tools/SubstanceTable.h"
#include "Platform/CodePage.h"
#include "Platform/RunTimeError.h"

#include <array>
#include <cstdio>

namespace kwelar::tools {

namespace {

constexpr int Done = 0;
constexpr int Fault = 1;
constexpr int WrongUsage = 2;

const char* const Usage = "usage: database <table.tsv> <KWELAR.DRC>\n"
                          "       location <KWELAR.CFG> <full path of the database>\n";

// Short names of the correlations 1..11 for the summary.
constexpr std::array<const char*, CorrelationCount> CorrelationNames = {
    "ETAG", "CPG", "ALAG", "ROLW", "ETAL", "ALAL", "CPL", "DHV", "TENS", "SIGMA", "Rezerva"};

int buildDatabase(const std::string& table, const std::string& database, std::ostream& out,
                  std::ostream& err) {
    try {
        const std::vector<TableSubstance> substances = readSubstanceTable(table);
        writeDatabase(substances, database);
        out << database << ": " << substances.size() << " substances in " << databaseRecordCount(substances)
            << " records; correlations with data:";
        for (int32_t j = 1; j <= CorrelationCount; ++j) {
            size_t count = 0;
            for (const TableSubstance& s : substances)
                count += s.record.Rozvoj(j).Presn > 0 ? 1 : 0;
            out << ' ' << j << ' ' << CorrelationNames[static_cast<size_t>(j - 1)] << ' ' << count
                << (j < CorrelationCount ? "," : "\n");
        }
        return Done;
    } catch (const TableError& e) {
        err << e.what() << '\n';
    } catch (const platform::RunTimeError& e) {
        err << database << ": cannot be written (" << e.description() << ")\n";
    }
    std::remove(database.c_str());
    err << "No database was written.\n";
    return Fault;
}

int writeLocation(const std::string& cfgFile, const std::string& database, std::ostream& err) {
    if (database.empty() || database.front() != '/') {
        err << cfgFile << ": the database path " << database << " is not a full path\n";
        return Fault;
    }
    if (!platform::fitsCp1250(database) || database.find_first_of("\"\r\n") != std::string::npos) {
        err << cfgFile << ": the location file cannot hold the path " << database
            << " (a character outside code page 1250, a double quote or a line end)\n";
        return Fault;
    }
    try {
        writeLocationFile(cfgFile, database);
        return Done;
    } catch (const platform::RunTimeError& e) {
        err << cfgFile << ": cannot be written (" << e.description() << ")\n";
        return Fault;
    }
}

} // namespace

int runDatabaseTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 3 && args[0] == "database") return buildDatabase(args[1], args[2], out, err);
    if (args.size() == 3 && args[0] == "location") return writeLocation(args[1], args[2], err);
    err << Usage;
    return WrongUsage;
}

} // namespace kwelar::tools
