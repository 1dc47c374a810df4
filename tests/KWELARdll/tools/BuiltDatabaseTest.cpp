// The database that the build made from the substance table (KWELAR_BUILT_DATABASE), its
// location file beside the KWELAR library (KWELAR_BUILT_LOCATION_FILE) and the table
// (KWELAR_TABLE); the build passes the paths in.

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/LibraryFolder.h"
#include "KWELARdll/tools/DatabaseFile.h"
#include "KWELARdll/tools/SubstanceTable.h"

#include "FixtureDb.h"
#include "SmesProbe.h"
#include "TestSupport.h"

#include "Platform/CodePage.h"
#include "Platform/FileSystem.h"
#include "Platform/RecordFile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

const std::string Table = KWELAR_TABLE;
const std::string Database = KWELAR_BUILT_DATABASE;
const std::string LocationFile = KWELAR_BUILT_LOCATION_FILE;
const std::string LibraryFolder = KWELAR_LIBRARY_FOLDER;

// The rows of the table read without the tool: lines split at tabs, the header left out.
std::vector<std::vector<std::string>> tableRows() {
    const std::string text = platform::readWholeFile(Table);
    std::vector<std::vector<std::string>> rows;
    size_t start = text.find('\n') + 1;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty()) continue;
        std::vector<std::string> fields;
        size_t from = 0;
        for (size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
            fields.push_back(line.substr(from, tab - from));
        fields.push_back(line.substr(from));
        rows.push_back(std::move(fields));
    }
    return rows;
}

// A decimal text of the table as the record holds it: the nearest double rounded to single.
float single(const std::string& text) {
    return static_cast<float>(std::strtod(text.c_str(), nullptr));
}
int64_t whole(const std::string& text) {
    return std::strtoll(text.c_str(), nullptr, 10);
}

TEST(BuiltDatabase, EveryRowRoundTripsThroughTheRecordCodecByteForByte) {
    const std::vector<kwelar::tools::TableSubstance> substances = kwelar::tools::readSubstanceTable(Table);
    const platform::RecordFile db(Database, kwelar::RecordLength);
    const int32_t records = kwelar::tools::databaseRecordCount(substances);
    EXPECT_EQ(db.fileLength(), static_cast<int64_t>(records) * 508);
    std::set<int32_t> numbers;
    for (const auto& s : substances) {
        const platform::Bytes bytes = s.record.encode();
        ASSERT_EQ(bytes.size(), 508u);
        EXPECT_EQ(db.read(s.record.N), bytes) << "substance " << s.record.N;
        const kwelar::ZaznamLatky decoded = kwelar::ZaznamLatky::decode(bytes);
        EXPECT_EQ(decoded, s.record) << "substance " << s.record.N;
        EXPECT_EQ(decoded.encode(), bytes) << "substance " << s.record.N;
        numbers.insert(s.record.N);
    }
    for (int32_t n = 1; n <= records; ++n) {
        if (numbers.count(n)) continue;
        EXPECT_TRUE(kwelar::ZaznamLatky::decode(db.read(n)).isMissing()) << n;
    }
    EXPECT_TRUE(kwelar::ZaznamLatky::decode(db.read(700)).isMissing());
}

// Every record loaded by a mixture object, twenty at a time, holds the table's texts and
// integers as written and its real numbers as the nearest single-precision values.
TEST(BuiltDatabase, RecordsLoadedByAMixtureHoldTheTableNumbersInSinglePrecision) {
    testsupport::ScriptedBoxes boxes;
    const auto rows = tableRows();
    ASSERT_GE(rows.size(), 400u);
    EXPECT_EQ(whole(rows[0][0]), 1);
    EXPECT_EQ(rows[0][1], "Water");
    for (size_t first = 0; first < rows.size(); first += 20) {
        const size_t count = std::min<size_t>(20, rows.size() - first);
        kwelartest::SmesProbe s;
        kwelartest::pointAt(s, Database);
        for (size_t k = 1; k <= 20; ++k)
            s.ZapisNslozky(static_cast<int16_t>(k),
                           k <= count ? static_cast<int16_t>(whole(rows[first + k - 1][0])) : 0);
        ASSERT_EQ(s.Inikwl().toInteger(), static_cast<int16_t>(count));
        for (size_t k = 1; k <= count; ++k) {
            const auto& f = rows[first + k - 1];
            ASSERT_EQ(f.size(), 133u);
            const kwelar::ZaznamLatky& z = s.slozka(static_cast<int32_t>(k));
            SCOPED_TRACE("substance " + f[0]);
            EXPECT_EQ(z.N, whole(f[0]));
            EXPECT_EQ(platform::trimRight(z.Nazev), f[1]);
            EXPECT_EQ(platform::trimRight(z.Vzor), f[2]);
            EXPECT_EQ(platform::trimRight(z.Syn), f[3]);
            EXPECT_EQ(z.Group, whole(f[4]));
            EXPECT_EQ(z.CAS, whole(f[5]));
            for (int32_t j = 1; j <= 17; ++j)
                EXPECT_EQ(z.B(j), single(f[5 + static_cast<size_t>(j)])) << "B" << j;
            for (int32_t j = 1; j <= 11; ++j) {
                const size_t at = 23 + 10 * static_cast<size_t>(j - 1);
                const kwelar::RozvojVztahu& r = z.Rozvoj(j);
                const float A[] = {r.A1, r.A2, r.A3, r.A4, r.A5, r.A6};
                for (size_t m = 0; m < 6; ++m)
                    EXPECT_EQ(A[m], single(f[at + m])) << "R" << j << "_A" << m + 1;
                EXPECT_EQ(r.TypVztahu, whole(f[at + 6])) << "R" << j;
                EXPECT_EQ(r.Presn, whole(f[at + 7])) << "R" << j;
                EXPECT_EQ(r.Od, whole(f[at + 8])) << "R" << j;
                EXPECT_EQ(r.Do, whole(f[at + 9])) << "R" << j;
            }
        }
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

// The tests of this program take an empty temporary library folder; this one goes back to
// the folder of the KWELAR library of the build for its lifetime.
class BuiltLibraryFolder {
public:
    BuiltLibraryFolder() : m_previous(kwelar::libraryFolder()) { kwelar::setLibraryFolder(""); }
    ~BuiltLibraryFolder() { kwelar::setLibraryFolder(m_previous); }

private:
    std::string m_previous;
};

TEST(BuiltDatabase, ObjectFindsTheBuiltDatabaseThroughTheLocationFileBesideTheLibrary) {
    const BuiltLibraryFolder builtLibrary;
    ASSERT_TRUE(fs::equivalent(kwelar::libraryFolder(), LibraryFolder));
    ASSERT_TRUE(fs::equivalent(fs::path(LocationFile).parent_path(), LibraryFolder));

    // The search roots are empty folders: a search would show its boxes and fail the test.
    testsupport::ScriptedBoxes boxes;
    kwelartest::SmesProbe s;
    EXPECT_EQ(s.adrKWELAR(), "");
    EXPECT_EQ(s.AdrKWELAR(), Database);
    s.ZapisNslozky(1, 1);
    ASSERT_EQ(s.Inikwl().toInteger(), 1);
    EXPECT_EQ(platform::trimRight(s.slozka(1).Nazev), "Water");
    EXPECT_TRUE(boxes.boxes().empty());
}

} // namespace
