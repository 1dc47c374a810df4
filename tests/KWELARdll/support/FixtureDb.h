#pragma once
//! Fixture substance databases for tests: a few synthetic substances written as
//! "KWELAR.DRC" into a temporary folder, and the means to point a `Smes` at them.
//!
//!     kwelartest::FixtureDb db;
//!     db.add(3).name("Látka 3").point(2, 500.0f).block(4, 1, {1000, -1}, 1, 200, 450);
//!     const std::string path = db.write(dir.path());
//!     kwelar::Smes s;
//!     kwelartest::pointAt(s, path);

#include "KWELARdll/model/Smes.h"
#include "KWELARdll/model/ZaznamLatky.h"
#include "TestSupport.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kwelartest {

//! One substance of a fixture database, set field by field; every setter returns *this.
//! Texts are padded to their widths, so `record()` equals the record a `Smes` loads.
class FixtureSubstance {
public:
    //! Substance `number`, named "Látka <number>", every value 0 and no correlation data.
    explicit FixtureSubstance(int16_t number);

    FixtureSubstance& name(const std::string& text);
    FixtureSubstance& formula(const std::string& text);
    FixtureSubstance& synonyms(const std::string& text);
    //! The group as stored: ten times the group number.
    FixtureSubstance& group(int16_t stored);
    FixtureSubstance& cas(int32_t digits);
    //! The substance number stored in the record (by default the record number).
    FixtureSubstance& number(int16_t n);
    //! Point value B(j), j = 1..17.
    FixtureSubstance& point(int32_t j, float value);
    //! Correlation k (1..11): equation type, coefficients A1.. (missing ones 0), accuracy
    //! class (0 = no data) and validity range [K].
    FixtureSubstance& block(int32_t k, int16_t type, const std::vector<float>& A, int16_t presn = 1,
                            int16_t od = 0, int16_t do_ = 0);

    kwelar::ZaznamLatky& record() { return m_record; }
    const kwelar::ZaznamLatky& record() const { return m_record; }

private:
    kwelar::ZaznamLatky m_record;
};

//! A database of fixture substances: record n holds substance n; records without a
//! substance are blank (name of blanks, number 0).
class FixtureDb {
public:
    //! Adds substance n as record n (replacing one added before) and returns it.
    FixtureSubstance& add(int16_t n);
    //! Substance n added before.
    FixtureSubstance& substance(int16_t n);
    //! The file holds at least `count` records (by default 8, the shortest accepted database).
    FixtureDb& minimumRecords(int32_t count);

    //! Writes the database as `fileName` into `folder` (replacing a file there); its path.
    std::string write(const std::string& folder, const std::string& fileName = "KWELAR.DRC") const;

    //! Four synthetic substances with every correlation 1..10 filled with simple forms
    //! (types 1 and 6 and 8), their magnitudes those of the substance they are named after;
    //! they are test data, not property data: 1 "Voda" (water), 2 "Dusík" (nitrogen),
    //! 3 "n-Hexan", 4 "n-Heptan". Each vapour-pressure block (9, Antoine) gives about
    //! 101.3 kPa at the substance's boiling point B(15). Records 5 to 8 are blank.
    static FixtureDb sample();

private:
    std::map<int16_t, FixtureSubstance> m_substances;
    int32_t m_minimumRecords = 8;
};

//! Writes a database whose record n holds a substance named names[n - 1] and nothing else, as
//! "KWELAR.DRC" into `folder`; its path. It may hold more records than a 16-bit number counts
//! (the substance number stored in each record is 1).
std::string writeNamedDatabase(const std::string& folder, const std::vector<std::string>& names);

//! Writes a location file "KWELAR.CFG" into `folder` that points at `databasePath`.
std::string writeLocationFile(const std::string& folder, const std::string& databasePath);

//! Points the object at a database file: the path is stored, so no search runs.
void pointAt(kwelar::Smes& s, const std::string& databasePath);

//! Sets the search roots for its lifetime and restores the previous ones after.
class SearchRootsScope {
public:
    explicit SearchRootsScope(std::vector<std::string> roots);
    ~SearchRootsScope();
    SearchRootsScope(const SearchRootsScope&) = delete;
    SearchRootsScope& operator=(const SearchRootsScope&) = delete;

private:
    std::vector<std::string> m_previous;
};

//! A fixture database with its location file in a temporary library folder that every
//! `Smes` created while this object lives takes as its own, so those objects find the
//! database without a search (for tests whose objects are created by the code under test).
class FixtureLibrary {
public:
    explicit FixtureLibrary(const FixtureDb& db = FixtureDb::sample());
    ~FixtureLibrary();
    FixtureLibrary(const FixtureLibrary&) = delete;
    FixtureLibrary& operator=(const FixtureLibrary&) = delete;

    //! The library folder, holding "KWELAR.CFG" and "KWELAR.DRC".
    const std::string& folder() const { return m_dir.path(); }
    const std::string& databasePath() const { return m_database; }

private:
    testsupport::TempDir m_dir;
    std::string m_database;
    std::string m_previousFolder;
};

//! Environment of a whole test program: the library folder and the search roots point at
//! empty temporary folders, so no test reads the library's own location file or walks the
//! real disks. Register it once per program:
//! `::testing::AddGlobalTestEnvironment(new kwelartest::IsolatedLibrary);`
class IsolatedLibrary : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

private:
    std::unique_ptr<testsupport::TempDir> m_folder;
    std::unique_ptr<testsupport::TempDir> m_root;
};

//! A value as the data editor's box shows it: rounded to seven significant digits.
inline float sevenDigits(float x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(x));
    return std::strtof(text, nullptr);
}

} // namespace kwelartest
