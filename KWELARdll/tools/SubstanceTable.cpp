#include "KWELARdll/tools/SubstanceTable.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/CodePage.h"
#include "Platform/FileSystem.h"
#include "Platform/RunTimeError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <map>

namespace kwelar::tools {

namespace {

// Positions of the columns in a row.
constexpr size_t ColN = 0;
constexpr size_t ColNazev = 1;
constexpr size_t ColVzor = 2;
constexpr size_t ColSyn = 3;
constexpr size_t ColGroup = 4;
constexpr size_t ColCAS = 5;
constexpr size_t ColB = 6;
constexpr size_t ColRozvoj = ColB + PointValueCount;
constexpr size_t BlockColumns = 10;
constexpr size_t ColumnCount = ColRozvoj + BlockColumns * CorrelationCount;

// Offsets of the fields in the columns of one correlation.
constexpr size_t AtTyp = 6;
constexpr size_t AtPresn = 7;
constexpr size_t AtOd = 8;
constexpr size_t AtDo = 9;

// The smallest CAS number with its three parts (2 + 2 + 1 digits).
constexpr int64_t MinCasNumber = 10000;

std::string quoted(std::string_view s) {
    return "'" + std::string(s) + "'";
}

std::string range(int64_t lo, int64_t hi) {
    return std::to_string(lo) + ".." + std::to_string(hi);
}

// The fields of one row with the means to report a fault in one of them.
class Row {
public:
    Row(const std::string& file, int32_t row, std::string_view line) : m_file(file), m_row(row) {
        size_t start = 0;
        for (;;) {
            const size_t tab = line.find('\t', start);
            m_fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
            if (tab == std::string_view::npos) break;
            start = tab + 1;
        }
    }

    size_t size() const { return m_fields.size(); }
    std::string_view operator[](size_t column) const { return m_fields[column]; }

    [[noreturn]] void fail(size_t column, const std::string& problem) const {
        throw TableError(m_file, m_row, column < ColumnCount ? tableColumns()[column] : "", problem);
    }

    // A whole number of the column within lo..hi.
    int64_t whole(size_t column, int64_t lo, int64_t hi) const {
        const std::string_view s = m_fields[column];
        int64_t v = 0;
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
        if (s.empty()) fail(column, "the field is empty, a whole number is expected");
        if (ec == std::errc::result_out_of_range) fail(column, quoted(s) + " is outside " + range(lo, hi));
        if (ec != std::errc() || end != s.data() + s.size())
            fail(column, quoted(s) + " is not a whole number");
        if (v < lo || v > hi) fail(column, quoted(s) + " is outside " + range(lo, hi));
        return v;
    }
    int16_t int16(size_t column) const {
        return static_cast<int16_t>(
            whole(column, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
    }

    // A real number of the column rounded to single precision; it must stay finite and a
    // value that is not 0 must not vanish.
    float single(size_t column) const {
        const std::string_view s = m_fields[column];
        double v = 0;
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
        if (s.empty()) fail(column, "the field is empty, a number is expected");
        if (ec == std::errc::result_out_of_range) fail(column, quoted(s) + " is beyond single precision");
        if (ec != std::errc() || end != s.data() + s.size()) fail(column, quoted(s) + " is not a number");
        if (!std::isfinite(v)) fail(column, quoted(s) + " is not a finite number");
        const float f = static_cast<float>(v);
        if (!std::isfinite(f) || (f == 0.0f && v != 0.0))
            fail(column, quoted(s) + " is beyond single precision");
        return f;
    }

    // A text of at most `width` characters of code page 1250, without control characters.
    std::string text(size_t column, size_t width) const {
        const std::string_view s = m_fields[column];
        if (!platform::fitsCp1250(s))
            fail(column, quoted(s) + " holds a character that code page 1250 lacks");
        for (const char c : s)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                fail(column, quoted(s) + " holds a control character");
        const size_t n = platform::charCount(s);
        if (n > width)
            fail(column, quoted(s) + " has " + std::to_string(n) + " characters, at most " +
                             std::to_string(width) + " fit");
        return platform::padChars(s, width);
    }

private:
    const std::string& m_file;
    int32_t m_row;
    std::vector<std::string_view> m_fields;
};

void checkHeader(const Row& header) {
    const std::vector<std::string>& names = tableColumns();
    for (size_t c = 0; c < names.size(); ++c) {
        if (c >= header.size()) header.fail(c, "the header ends before this column");
        if (header[c] != names[c]) header.fail(c, "the header names " + quoted(header[c]) + " here");
    }
    if (header.size() > names.size())
        header.fail(names.size(), "the header has " + std::to_string(header.size()) + " columns, not " +
                                      std::to_string(names.size()));
}

// The CAS check digit: the other digits weighted 1, 2, 3 ... from the right, summed,
// modulo 10.
void checkCas(const Row& r, int64_t cas) {
    if (cas == 0) return;
    if (cas < MinCasNumber) r.fail(ColCAS, std::to_string(cas) + " has fewer than five digits");
    int64_t sum = 0;
    int64_t weight = 1;
    for (int64_t rest = cas / 10; rest > 0; rest /= 10, ++weight)
        sum += weight * (rest % 10);
    if (sum % 10 != cas % 10)
        r.fail(ColCAS, std::to_string(cas) + " has the check digit " + std::to_string(cas % 10) +
                           ", its other digits give " + std::to_string(sum % 10));
}

RozvojVztahu readBlock(const Row& r, int32_t j) {
    const size_t at = ColRozvoj + BlockColumns * static_cast<size_t>(j - 1);
    RozvojVztahu b;
    float* coefficients[] = {&b.A1, &b.A2, &b.A3, &b.A4, &b.A5, &b.A6};
    for (size_t m = 0; m < 6; ++m)
        *coefficients[m] = r.single(at + m);
    b.TypVztahu = r.int16(at + AtTyp);
    b.Presn = static_cast<int16_t>(r.whole(at + AtPresn, 0, MaxAccuracyClass));
    b.Od = r.int16(at + AtOd);
    b.Do = r.int16(at + AtDo);

    if (b.Presn == 0) {
        // A correlation without data holds nothing that could be evaluated by mistake.
        const std::string none = "a correlation without data (accuracy class 0) has ";
        if (b.TypVztahu != 0) r.fail(at + AtTyp, none + "type 0, not " + std::to_string(b.TypVztahu));
        for (size_t m = 0; m < 6; ++m)
            if (*coefficients[m] != 0.0f) r.fail(at + m, none + "coefficients 0, not " + quoted(r[at + m]));
        if (b.Od != 0) r.fail(at + AtOd, none + "range 0, not " + std::to_string(b.Od));
        if (b.Do != 0) r.fail(at + AtDo, none + "range 0, not " + std::to_string(b.Do));
        return b;
    }
    if (b.TypVztahu < MinEquationType || b.TypVztahu > MaxEquationType)
        r.fail(at + AtTyp, "equation type " + std::to_string(b.TypVztahu) + " is not one of " +
                               range(MinEquationType, MaxEquationType));
    if (b.Od < 1) r.fail(at + AtOd, "the range starts at " + std::to_string(b.Od) + " K, below 1 K");
    if (b.Do <= b.Od)
        r.fail(at + AtDo, "the range ends at " + std::to_string(b.Do) + " K, not above its start " +
                              std::to_string(b.Od) + " K");
    return b;
}

ZaznamLatky readRecord(const Row& r) {
    ZaznamLatky z;
    z.N = static_cast<int16_t>(r.whole(ColN, 1, MaxTableSubstance));
    const std::string_view name = r[ColNazev];
    if (name.empty()) r.fail(ColNazev, "the name is empty");
    if (name.front() == ' ') r.fail(ColNazev, quoted(name) + " begins with a blank");
    z.Nazev = r.text(ColNazev, ZaznamLatky::NazevWidth);
    z.Vzor = r.text(ColVzor, ZaznamLatky::VzorWidth);
    z.Syn = r.text(ColSyn, ZaznamLatky::SynWidth);
    z.Group = static_cast<int16_t>(r.whole(ColGroup, 0, std::numeric_limits<int16_t>::max()));
    const int64_t cas = r.whole(ColCAS, 0, std::numeric_limits<int32_t>::max());
    checkCas(r, cas);
    z.CAS = static_cast<int32_t>(cas);
    for (int32_t j = 1; j <= PointValueCount; ++j)
        z.B(j) = r.single(ColB + static_cast<size_t>(j - 1));
    if (!(z.B(1) > 0.0f)) r.fail(ColB, "the molar mass " + quoted(r[ColB]) + " is not above 0");
    for (int32_t j = 1; j <= CorrelationCount; ++j)
        z.Rozvoj(j) = readBlock(r, j);
    return z;
}

} // namespace

TableError::TableError(const std::string& file, int32_t row, const std::string& column,
                       const std::string& problem)
    : std::runtime_error(file + (row > 0 ? ", row " + std::to_string(row) : "") +
                         (column.empty() ? "" : ", column " + column) + ": " + problem),
      m_row(row), m_column(column), m_problem(problem) {}

const std::vector<std::string>& tableColumns() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v = {"N", "Nazev", "Vzor", "Syn", "Group", "CAS"};
        for (int32_t j = 1; j <= PointValueCount; ++j)
            v.push_back("B" + std::to_string(j));
        for (int32_t j = 1; j <= CorrelationCount; ++j) {
            const std::string R = "R" + std::to_string(j) + "_";
            for (int m = 1; m <= 6; ++m)
                v.push_back(R + "A" + std::to_string(m));
            for (const char* field : {"Typ", "Presn", "Od", "Do"})
                v.push_back(R + field);
        }
        return v;
    }();
    return names;
}

std::vector<TableSubstance> parseSubstanceTable(std::string_view text, const std::string& fileName) {
    // A byte-order mark that some editors put before UTF-8 text is not part of the header.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<TableSubstance> substances;
    std::map<int16_t, int32_t> rowOfNumber;
    std::map<std::string, int32_t> rowOfName;
    bool headerSeen = false;
    int32_t row = 0;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++row;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!headerSeen) {
            checkHeader(Row(fileName, row, line));
            headerSeen = true;
            continue;
        }
        if (line.empty()) continue;

        const Row r(fileName, row, line);
        if (r.size() < ColumnCount)
            r.fail(r.size(), "the row ends before this column, with " + std::to_string(r.size()) + " of " +
                                 std::to_string(ColumnCount) + " fields");
        if (r.size() > ColumnCount)
            r.fail(ColumnCount,
                   "the row has " + std::to_string(r.size()) + " fields, not " + std::to_string(ColumnCount));
        TableSubstance s{row, readRecord(r)};

        const auto [number, newNumber] = rowOfNumber.try_emplace(s.record.N, row);
        if (!newNumber)
            r.fail(ColN, "substance number " + std::to_string(s.record.N) + " already stands in row " +
                             std::to_string(number->second));
        const auto [name, newName] = rowOfName.try_emplace(platform::trimRight(s.record.Nazev), row);
        if (!newName)
            r.fail(ColNazev, quoted(name->first) + " already stands in row " + std::to_string(name->second));
        substances.push_back(std::move(s));
    }
    if (!headerSeen)
        throw TableError(fileName, 0, "", "the table is empty, not even its header stands in it");
    if (substances.empty()) throw TableError(fileName, 0, "", "the table holds no substance");
    return substances;
}

std::vector<TableSubstance> readSubstanceTable(const std::string& path) {
    std::string text;
    try {
        text = platform::readWholeFile(path);
    } catch (const platform::RunTimeError& e) {
        throw TableError(path, 0, "", "cannot be read (" + e.description() + ")");
    }
    return parseSubstanceTable(text, path);
}

} // namespace kwelar::tools
