#include "ToviC/UnitTable.h"

#include "Platform/CodePage.h"
#include "Platform/ItemFile.h"
#include "Platform/RunTimeError.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace tovi {

namespace {

struct BuiltInUnit {
    const char* zkr;
    double koef;
    int32_t typ;
};

// The built-in units in table order: the lookup takes the first match, so the order matters.
// C, F and R are temperature differences here; deg is the kelvin as well.
constexpr BuiltInUnit builtInUnits[k::builtInRows] = {
    {"m", 1, 5},
    {"dm", 0.1, 5},
    {"cm", 0.01, 5},
    {"mm", 0.001, 5},
    {"km", 1000, 5},
    {"nm", 1e-9, 5},
    {"s", 1, 54},
    {"min", 60, 54},
    {"hod", 3600, 54},
    {"den", 86400, 54},
    {"rok", 31557600, 54},
    {"ms", 0.001, 54},
    {"ns", 1e-9, 54},
    {"kg", 1, 544},
    {"g", 0.001, 544},
    {"dkg", 0.1, 544},
    {"q", 100, 544},
    {"t", 1000, 544},
    {"K", 1, 5444},
    {"C", 1, 5444},
    {"F", 0.555555556, 5444},
    {"R", 0.555555556, 5444},
    {"ar", 100, 6},
    {"ha", 10000, 6},
    {"l", 0.001, 7},
    {"dcl", 0.0001, 7},
    {"Pa", 1, 523},
    {"kPa", 1000, 523},
    {"MPa", 1000000, 523},
    {"at", 98066.5, 523},
    {"torr", 133.322, 523},
    {"mmH2O", 9.78899, 523},
    {"mmvs", 9.78899, 523},
    {"J", 1, 526},
    {"kJ", 1000, 526},
    {"MJ", 1000000, 526},
    {"GJ", 1e9, 526},
    {"TJ", 1e12, 526},
    {"cal", 4.1868, 526},
    {"kcal", 4186.8, 526},
    {"kWh", 3600000, 526},
    {"W", 1, 516},
    {"kW", 1000, 516},
    {"MW", 1000000, 516},
    {"GW", 1e9, 516},
    {"TW", 1e12, 516},
    {"N", 1, 525},
    {"kp", 9.80665, 525},
    {"dyn", 1e-5, 525},
    {"Pas", 1, 533},
    {"miPas", 0.001, 533},
    {"cp", 0.001, 533},
    {"deg", 1, 5444},
    {"ft", 0.3048, 5},
    {"in", 0.0254, 5},
    {"yd", 0.9144, 5},
    {"sqin", 0.00064516, 6},
    {"sqft", 0.0929457, 6},
    {"galUS", 0.003785, 7},
    {"galGB", 0.0045435, 7},
    {"hr", 3600, 54},
    {"sec", 1, 54},
    {"mol", 1, 544444},
    {"kmol", 1000, 544444},
    {"mip", 1e-7, 533},
    {"lb", 0.4536, 544},
    {"oz", 0.02835, 544},
    {"lbf", 4.4482, 525},
    {"pdl", 0.13826, 525},
    {"BTU", 1055.1, 526},
    {"psia", 6895, 523},
    {"ml", 1e-6, 7},
    {"inHg", 3386.4, 523},
    {"mmHg", 133.322, 523},
    {"y", 31557600, 54},
    {"h", 3600, 54},
    {"mile", 1609.3, 5},
    {"x", 1, 54444444},
    {"A", 1, 54444},
    {"mA", 0.001, 54444},
    {"uA", 1e-6, 54444},
    {"kA", 1000, 54444},
    {"V", 1, 34516},
    {"mV", 0.001, 34516},
    {"uV", 1e-6, 34516},
    {"kV", 1000, 34516},
    {"Ohm", 1, 24516},
    {"kOhm", 1000, 24516},
    {"MOhm", 1000000, 24516},
    {"mi", 1609.3, 5},
    {"bar", 100000, 523},
};

ZaznamJednotky makeRow(std::string zkr, double koef, int32_t typ) {
    ZaznamJednotky r;
    // An abbreviation longer than 16 bits can count would still be compared whole.
    const size_t length = std::min<size_t>(platform::charCount(zkr), std::numeric_limits<int16_t>::max());
    r.DelkaZkr = static_cast<int16_t>(length);
    r.upper = platform::upperCase(zkr);
    r.Zkr = std::move(zkr);
    r.Koef = koef;
    r.TypRozmeru = typ;
    return r;
}

} // namespace

void UnitTable::build(const std::string& userFile) {
    for (int i = 0; i < k::builtInRows; ++i) {
        const BuiltInUnit& u = builtInUnits[i];
        m_rows[static_cast<size_t>(i + 1)] = makeRow(u.zkr, u.koef, u.typ);
    }
    m_count = static_cast<int16_t>(k::builtInRows + m_userRows);
    if (m_userFileTried) return;
    m_userFileTried = true;
    readUserFile(userFile);
    m_count = static_cast<int16_t>(k::builtInRows + m_userRows);
}

// Records of three items: abbreviation, factor, dimension code. The file is read whole and
// closed at once; a missing or unreadable file leaves the built-in rows. Reading stops when
// the nine user rows are full or at the first record that cannot be read, keeping the rows
// before it; a record with an empty abbreviation is skipped, as no lookup could find it.
void UnitTable::readUserFile(const std::string& path) {
    std::optional<platform::ItemReader> reader;
    try {
        reader.emplace(path);
    } catch (const platform::RunTimeError&) {
        return;
    }
    constexpr int capacity = k::tableRows - k::builtInRows;
    while (m_userRows < capacity && !reader->atEnd()) {
        std::string zkr;
        double koef = 0;
        int32_t typ = 0;
        try {
            zkr = platform::trim(reader->readString());
            koef = reader->readDouble();
            typ = reader->readLong();
        } catch (const platform::RunTimeError&) {
            return;
        }
        if (zkr.empty()) continue;
        ++m_userRows;
        m_rows[static_cast<size_t>(k::builtInRows + m_userRows)] = makeRow(std::move(zkr), koef, typ);
    }
}

void UnitTable::setCount(int16_t n) {
    if (n < 0 || n > k::tableRows) platform::raise(platform::err::Subscript);
    m_count = n;
}

const ZaznamJednotky& UnitTable::row(int i) const {
    if (i < 0 || i > k::tableRows) platform::raise(platform::err::Subscript);
    return m_rows[static_cast<size_t>(i)];
}

const ZaznamJednotky* UnitTable::find(std::string_view abbreviation) const {
    if (abbreviation.empty()) return nullptr;
    const std::string wanted = platform::upperCase(abbreviation);
    for (int i = 1; i <= m_count; ++i) {
        const ZaznamJednotky& r = m_rows[static_cast<size_t>(i)];
        if (r.DelkaZkr > 0 && r.upper == wanted) return &r;
    }
    return nullptr;
}

int UnitTable::longestAbbreviation() const {
    int longest = 0;
    for (int i = 1; i <= m_count; ++i)
        longest = std::max<int>(longest, m_rows[static_cast<size_t>(i)].DelkaZkr);
    return longest;
}

} // namespace tovi
