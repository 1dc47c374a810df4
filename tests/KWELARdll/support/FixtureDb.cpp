#include "FixtureDb.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/LibraryFolder.h"
#include "KWELARdll/model/LocationFile.h"
#include "Platform/CodePage.h"
#include "Platform/FileSystem.h"

#include <algorithm>

namespace kwelartest {

FixtureSubstance::FixtureSubstance(int16_t number) {
    m_record.N = number;
    name("Látka " + std::to_string(number));
}

FixtureSubstance& FixtureSubstance::name(const std::string& text) {
    m_record.Nazev = platform::padChars(text, kwelar::ZaznamLatky::NazevWidth);
    return *this;
}

FixtureSubstance& FixtureSubstance::formula(const std::string& text) {
    m_record.Vzor = platform::padChars(text, kwelar::ZaznamLatky::VzorWidth);
    return *this;
}

FixtureSubstance& FixtureSubstance::synonyms(const std::string& text) {
    m_record.Syn = platform::padChars(text, kwelar::ZaznamLatky::SynWidth);
    return *this;
}

FixtureSubstance& FixtureSubstance::group(int16_t stored) {
    m_record.Group = stored;
    return *this;
}

FixtureSubstance& FixtureSubstance::cas(int32_t digits) {
    m_record.CAS = digits;
    return *this;
}

FixtureSubstance& FixtureSubstance::number(int16_t n) {
    m_record.N = n;
    return *this;
}

FixtureSubstance& FixtureSubstance::point(int32_t j, float value) {
    m_record.B(j) = value;
    return *this;
}

FixtureSubstance& FixtureSubstance::block(int32_t k, int16_t type, const std::vector<float>& A, int16_t presn,
                                          int16_t od, int16_t do_) {
    kwelar::RozvojVztahu r;
    float* coefficients[] = {&r.A1, &r.A2, &r.A3, &r.A4, &r.A5, &r.A6};
    for (size_t m = 0; m < A.size() && m < 6; ++m)
        *coefficients[m] = A[m];
    r.TypVztahu = type;
    r.Presn = presn;
    r.Od = od;
    r.Do = do_;
    m_record.Rozvoj(k) = r;
    return *this;
}

FixtureSubstance& FixtureDb::add(int16_t n) {
    m_substances.erase(n);
    return m_substances.try_emplace(n, n).first->second;
}

FixtureSubstance& FixtureDb::substance(int16_t n) {
    return m_substances.at(n);
}

FixtureDb& FixtureDb::minimumRecords(int32_t count) {
    m_minimumRecords = count;
    return *this;
}

std::string FixtureDb::write(const std::string& folder, const std::string& fileName) const {
    int32_t count = m_minimumRecords;
    if (!m_substances.empty()) count = std::max<int32_t>(count, m_substances.rbegin()->first);
    std::string bytes;
    bytes.reserve(static_cast<size_t>(count) * kwelar::RecordLength);
    const kwelar::ZaznamLatky blank;
    for (int32_t n = 1; n <= count; ++n) {
        const auto it = m_substances.find(static_cast<int16_t>(n));
        const platform::Bytes record = (it == m_substances.end() ? blank : it->second.record()).encode();
        bytes.append(record.begin(), record.end());
    }
    const std::string path = platform::joinPath(folder, fileName);
    platform::writeFileAtomically(path, bytes);
    return path;
}

std::string writeNamedDatabase(const std::string& folder, const std::vector<std::string>& names) {
    std::string bytes;
    bytes.reserve(names.size() * kwelar::RecordLength);
    for (const std::string& name : names) {
        const platform::Bytes record = FixtureSubstance(1).name(name).record().encode();
        bytes.append(record.begin(), record.end());
    }
    const std::string path = platform::joinPath(folder, "KWELAR.DRC");
    platform::writeFileAtomically(path, bytes);
    return path;
}

FixtureDb FixtureDb::sample() {
    FixtureDb db;
    // Point values: 1 M [kg/mol], 2 Tc [K], 3 Pc [Pa], 4 Vc [m3/mol], 5 omega, 6 gyration
    // radius [nm], 7/8 refractive index and its T [K], 9/10 dipole moment and its T [K],
    // 11/12 permittivity and its T [K], 13 heat of fusion [J/mol], 14 Tm [K], 15 Tb [K].
    auto points = [](FixtureSubstance& s, const std::array<float, 15>& b) {
        for (int32_t j = 1; j <= 15; ++j)
            s.point(j, b[static_cast<size_t>(j - 1)]);
    };
    // Correlations: types 1 (A1 + A2 T), 6 (ln y = A1 + A2/(A3 + T)) and 8 (Watson:
    // A1 ((A4 - T)/(A4 - A2))^A3).
    FixtureSubstance& voda = db.add(1).name("Voda").formula("H2O").group(10).cas(7732185);
    points(voda, {0.018015f, 647.096f, 22.064e6f, 5.595e-5f, 0.3443f, 0.0615f, 1.333f, 293.15f, 1.8f, 293.15f,
                  78.4f, 298.15f, 6010.f, 273.15f, 373.15f});
    voda.block(1, 1, {-2.926e-6f, 4.0e-8f}, 1, 273, 1073)
        .block(2, 1, {32.24f, 0.01f}, 1, 273, 1073)
        .block(3, 1, {-0.00505f, 8.0e-5f}, 1, 273, 1073)
        .block(4, 1, {1231.0f, -0.85f}, 1, 273, 600)
        .block(5, 6, {-10.4348f, 507.88f, -149.3f}, 1, 273, 600)
        .block(6, 1, {0.35f, 0.001f}, 1, 273, 600)
        .block(7, 1, {75.4f, 0.0f}, 1, 273, 600)
        .block(8, 8, {40650.f, 373.15f, 0.38f, 647.096f}, 1, 273, 647)
        .block(9, 6, {23.1964f, -3816.44f, -46.13f}, 1, 273, 647)
        .block(10, 1, {0.1167f, -1.5e-4f}, 1, 273, 600);

    FixtureSubstance& dusik = db.add(2).name("Dusík").formula("N2").group(20).cas(7727379);
    points(dusik, {0.0280134f, 126.2f, 3.3958e6f, 8.95e-5f, 0.0372f, 0.0398f, 1.0003f, 273.15f, 0.f, 0.f,
                   1.43f, 77.f, 720.f, 63.15f, 77.35f});
    dusik.block(1, 1, {5.3e-6f, 4.2e-8f}, 1, 100, 1000)
        .block(2, 1, {29.1f, 0.0f}, 1, 100, 1000)
        .block(3, 1, {0.0067f, 6.4e-5f}, 1, 100, 1000)
        .block(4, 1, {1160.3f, -4.6f}, 1, 64, 120)
        .block(5, 6, {-10.9f, 90.3f, -30.f}, 1, 64, 120)
        .block(6, 1, {0.26f, -0.00156f}, 1, 64, 120)
        .block(7, 1, {56.0f, 0.0f}, 1, 64, 120)
        .block(8, 8, {5577.f, 77.35f, 0.38f, 126.2f}, 1, 64, 126)
        .block(9, 6, {20.941f, -700.f, -3.f}, 1, 64, 126)
        .block(10, 1, {0.02887f, -2.6e-4f}, 1, 64, 110);

    FixtureSubstance& hexan = db.add(3).name("n-Hexan").formula("C6H14").group(30).cas(110543);
    points(hexan, {0.08618f, 507.6f, 3.025e6f, 3.7e-4f, 0.3f, 0.3812f, 1.3749f, 293.15f, 0.f, 0.f, 1.89f,
                   293.15f, 13080.f, 177.8f, 341.9f});
    hexan.block(1, 1, {1.6e-7f, 2.0e-8f}, 1, 270, 900)
        .block(2, 1, {10.f, 0.45f}, 1, 270, 900)
        .block(3, 1, {-0.00844f, 7.0e-5f}, 1, 270, 900)
        .block(4, 1, {947.f, -0.98f}, 1, 180, 480)
        .block(5, 6, {-11.2f, 900.f, -30.f}, 1, 180, 480)
        .block(6, 1, {0.2f, -2.7e-4f}, 1, 180, 480)
        .block(7, 1, {100.f, 0.2f}, 1, 180, 480)
        .block(8, 8, {28850.f, 341.9f, 0.38f, 507.6f}, 1, 180, 507)
        .block(9, 6, {20.7294f, -2697.55f, -48.78f}, 1, 245, 507)
        .block(10, 1, {0.0509f, -1.1e-4f}, 1, 180, 460);

    FixtureSubstance& heptan = db.add(4).name("n-Heptan").formula("C7H16").group(30).cas(142825);
    points(heptan, {0.1002f, 540.2f, 2.74e6f, 4.28e-4f, 0.35f, 0.4267f, 1.3876f, 293.15f, 0.f, 0.f, 1.92f,
                    293.15f, 14030.f, 182.6f, 371.6f});
    heptan.block(1, 1, {1.0e-7f, 1.85e-8f}, 1, 270, 900)
        .block(2, 1, {12.f, 0.52f}, 1, 270, 900)
        .block(3, 1, {-0.009f, 6.8e-5f}, 1, 270, 900)
        .block(4, 1, {960.f, -0.95f}, 1, 185, 510)
        .block(5, 6, {-11.f, 950.f, -30.f}, 1, 185, 510)
        .block(6, 1, {0.21f, -2.8e-4f}, 1, 185, 510)
        .block(7, 1, {120.f, 0.25f}, 1, 185, 510)
        .block(8, 8, {31770.f, 371.6f, 0.38f, 540.2f}, 1, 185, 540)
        .block(9, 6, {20.764f, -2911.f, -56.5f}, 1, 270, 540)
        .block(10, 1, {0.0523f, -1.04e-4f}, 1, 185, 490);
    return db;
}

std::string writeLocationFile(const std::string& folder, const std::string& databasePath) {
    const std::string path = platform::joinPath(folder, "KWELAR.CFG");
    kwelar::writeLocationFile(path, databasePath);
    return path;
}

void pointAt(kwelar::Smes& s, const std::string& databasePath) {
    s.AdrKWELAR(databasePath);
}

SearchRootsScope::SearchRootsScope(std::vector<std::string> roots)
    : m_previous(platform::SearchRoots::roots()) {
    platform::SearchRoots::setRoots(std::move(roots));
}

SearchRootsScope::~SearchRootsScope() {
    platform::SearchRoots::setRoots(m_previous);
}

FixtureLibrary::FixtureLibrary(const FixtureDb& db) : m_previousFolder(kwelar::libraryFolder()) {
    m_database = db.write(m_dir.path());
    writeLocationFile(m_dir.path(), m_database);
    kwelar::setLibraryFolder(m_dir.path());
}

FixtureLibrary::~FixtureLibrary() {
    kwelar::setLibraryFolder(m_previousFolder);
}

void IsolatedLibrary::SetUp() {
    m_folder = std::make_unique<testsupport::TempDir>();
    m_root = std::make_unique<testsupport::TempDir>();
    kwelar::setLibraryFolder(m_folder->path());
    platform::SearchRoots::setRoots({m_root->path()});
}

void IsolatedLibrary::TearDown() {
    kwelar::setLibraryFolder("");
    platform::SearchRoots::reset();
    m_root.reset();
    m_folder.reset();
}

} // namespace kwelartest
