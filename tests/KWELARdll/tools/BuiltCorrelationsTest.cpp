// The correlations of the database that the build made (KWELAR_BUILT_DATABASE), evaluated
// by FFce: published values for water, the values of the table's fit report, and every
// correlation of every substance over its validity range.

#include "KWELARdll/model/KwelarConstants.h"

#include "FixtureDb.h"
#include "SmesProbe.h"
#include "TestSupport.h"

#include "Platform/CodePage.h"
#include "Platform/FileSystem.h"
#include "Platform/RecordFile.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string Database = KWELAR_BUILT_DATABASE;
const std::string FitReport = (fs::path(KWELAR_TABLE).parent_path() / "fit_report.tsv").string();

// One substance of the database as a component of a mixture object.
struct Component {
    kwelartest::SmesProbe* s;
    int16_t slot;
    const kwelar::ZaznamLatky& record() const { return s->slozka(slot); }
    std::string name() const {
        return std::to_string(record().N) + " " + platform::trimRight(record().Nazev);
    }
};

// Every substance of the database loaded into mixture objects, twenty to an object, in error
// mode -1: an error inside an evaluation is raised rather than returned as a value.
class LoadedDatabase {
public:
    LoadedDatabase() {
        const int32_t records = platform::RecordFile(Database, kwelar::RecordLength).recordCount();
        std::vector<int16_t> numbers;
        for (int32_t n = 1; n <= records; ++n) {
            const auto z =
                kwelar::ZaznamLatky::decode(platform::RecordFile(Database, kwelar::RecordLength).read(n));
            if (!z.isMissing()) numbers.push_back(static_cast<int16_t>(n));
        }
        for (size_t first = 0; first < numbers.size(); first += 20) {
            auto s = std::make_unique<kwelartest::SmesProbe>();
            kwelartest::pointAt(*s, Database);
            s->ChyboveHlasky(-1);
            const size_t count = std::min<size_t>(20, numbers.size() - first);
            for (size_t k = 1; k <= 20; ++k)
                s->ZapisNslozky(static_cast<int16_t>(k), k <= count ? numbers[first + k - 1] : int16_t{0});
            if (s->Inikwl().toInteger() != static_cast<int16_t>(count))
                throw std::runtime_error("load failed");
            for (size_t k = 1; k <= count; ++k)
                m_components.push_back({s.get(), static_cast<int16_t>(k)});
            m_objects.push_back(std::move(s));
        }
    }
    const std::vector<Component>& components() const { return m_components; }
    const Component& substance(int16_t n) const {
        for (const Component& c : m_components)
            if (c.record().N == n) return c;
        throw std::runtime_error("substance " + std::to_string(n) + " not in the database");
    }

private:
    std::vector<std::unique_ptr<kwelartest::SmesProbe>> m_objects;
    std::vector<Component> m_components;
};

// The database is loaded once for the tests of this suite and released after them.
class BuiltCorrelations : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_database = std::make_unique<LoadedDatabase>(); }
    static void TearDownTestSuite() { s_database.reset(); }
    static const LoadedDatabase& database() { return *s_database; }

    testsupport::ScriptedBoxes boxes; // any box fails the test

private:
    static std::unique_ptr<LoadedDatabase> s_database;
};

std::unique_ptr<LoadedDatabase> BuiltCorrelations::s_database;

// Correlation Nvl of a component at T [K]; a raised error fails the test and gives NaN.
double ffce(const Component& c, double T, int16_t Nvl) {
    try {
        return c.s->FFce(platform::Variant(T), c.slot, Nvl).toDouble();
    } catch (const platform::RunTimeError& e) {
        ADD_FAILURE() << c.name() << " " << c.s->ChybRozv(Nvl) << " at " << T << " K: " << e.description();
        return std::nan("");
    }
}

// The value of an evaluated correlation: finite, above 0 and not the 1e-8 of a correlation
// that cannot be evaluated (every property of the table is positive).
void expectValue(double y, const Component& c, double T, int16_t Nvl) {
    EXPECT_TRUE(std::isfinite(y) && y > 0.0 && y != 1e-8)
        << c.name() << " " << c.s->ChybRozv(Nvl) << " at " << T << " K gives " << y;
}

// Published values for water against its correlations:
// - vapour pressure: 101325 Pa at the normal boiling point 373.124 K (IAPWS-95 saturation
//   line); at 373.15 K it is 101418 Pa, well inside 1 %;
// - heat of vaporisation at 100 °C: 40.65 kJ/mol (CRC Handbook of Chemistry and Physics,
//   "Enthalpy of vaporization", water);
// - liquid viscosity at 25 °C: 0.8900 mPa.s (IAPWS 2008 release on the viscosity of ordinary
//   water, 0.1 MPa).
TEST_F(BuiltCorrelations, WaterMatchesPublishedValues) {
    const Component& water = database().substance(1);
    ASSERT_EQ(platform::trimRight(water.record().Nazev), "Water");
    struct Case {
        int16_t Nvl;
        double T;
        double reference;
        double tolerance;
    };
    for (const Case& c :
         {Case{9, 373.15, 101325.0, 0.01}, Case{8, 373.15, 40650.0, 0.02}, Case{5, 298.15, 0.89e-3, 0.05}}) {
        const double y = ffce(water, c.T, c.Nvl);
        EXPECT_NEAR(y / c.reference, 1.0, c.tolerance) << water.s->ChybRozv(c.Nvl) << " " << y;
    }
}

// Every correlation with data at the lower end, the middle and the upper end of its validity
// range: FFce moves the temperature of correlations 5 to 10 above the critical temperature
// to 0.98 of it itself, so the ends are asked as they stand.
TEST_F(BuiltCorrelations, EveryCorrelationEvaluatesAtTheEndsAndTheMiddleOfItsRange) {
    int evaluated = 0;
    for (const Component& c : database().components()) {
        for (int16_t j = 1; j <= kwelar::CorrelationCount; ++j) {
            const kwelar::RozvojVztahu& r = c.record().Rozvoj(j);
            if (r.Presn == 0) continue;
            for (const double T : {double(r.Od), 0.5 * (r.Od + r.Do), double(r.Do)}) {
                expectValue(ffce(c, T, j), c, T, j);
                ++evaluated;
            }
        }
    }
    EXPECT_GT(evaluated, 3 * 4000);
}

// The fit report of the table gives each correlation's value at the middle of its range,
// evaluated by the table's own conversion script from the stored single-precision
// coefficients (six significant digits; none for water's density, which FFce takes from its
// own equation).
TEST_F(BuiltCorrelations, MiddleOfEachRangeGivesTheValueOfTheFitReport) {
    std::istringstream report(platform::readWholeFile(FitReport));
    std::string line;
    std::getline(report, line);
    ASSERT_EQ(line, "N\tNazev\tj\tCorr\tSource\tMethod\tTyp\tPresn\tMaxRelErrPct\tTref\tYref");
    int compared = 0;
    while (std::getline(report, line)) {
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');)
            f.push_back(field);
        if (f.size() < 11 || f[7] == "0" || f[10].empty()) continue;
        const Component& c = database().substance(static_cast<int16_t>(std::stoi(f[0])));
        const auto j = static_cast<int16_t>(std::stoi(f[2]));
        const double T = std::stod(f[9]);
        const double expected = std::stod(f[10]);
        EXPECT_NEAR(ffce(c, T, j) / expected, 1.0, 1e-5) << c.name() << " " << f[3] << " at " << T << " K";
        ++compared;
    }
    EXPECT_GT(compared, 4000);
}

// Vapour pressure rises with temperature over each range, up to the critical temperature
// (above it FFce evaluates at 0.98 Tc).
TEST_F(BuiltCorrelations, VapourPressuresRiseWithTemperature) {
    constexpr int Steps = 200;
    for (const Component& c : database().components()) {
        const kwelar::RozvojVztahu& r = c.record().Rozvoj(9);
        if (r.Presn == 0) continue;
        const double top = std::min<double>(r.Do, c.record().B(2));
        double previous = 0.0;
        for (int k = 0; k <= Steps; ++k) {
            const double T = r.Od + (top - r.Od) * k / Steps;
            const double p = ffce(c, T, 9);
            EXPECT_GT(p, previous) << c.name() << " at " << T << " K";
            previous = p;
        }
    }
}

} // namespace
