#include "Platform/ItemFile.h"

#include "Platform/Checked.h"
#include "Platform/CodePage.h"
#include "Platform/Conversions.h"
#include "Platform/DecimalText.h"
#include "Platform/FileSystem.h"
#include "Platform/RunTimeError.h"

namespace platform {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A whole item text that is a decimal number with "." and an optional exponent.
bool parsePointNumber(const std::string& s, double& out) {
    if (s.empty()) return false;
    size_t i = 0;
    if (s[i] == '-' || s[i] == '+') ++i;
    bool digits = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            digits = true;
        }
    }
    if (!digits) return false;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        ++i;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
        bool expDigits = false;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            expDigits = true;
        }
        if (!expDigits) return false;
    }
    if (i != s.size()) return false;
    std::string t = s;
    for (char& c : t)
        if (c == 'D' || c == 'd') c = 'e';
    out = decimalValue(t);
    return true;
}

} // namespace

ItemReader::ItemReader(const std::string& path) : m_path(path) {
    m_text = fromCp1250(readWholeFile(path));
}

ItemReader ItemReader::fromBytes(std::string bytes) {
    ItemReader r;
    r.m_text = fromCp1250(bytes);
    return r;
}

bool ItemReader::atEnd() const {
    size_t p = m_pos;
    while (p < m_text.size() && (isBlank(m_text[p]) || m_text[p] == '\r' || m_text[p] == '\n'))
        ++p;
    return p >= m_text.size();
}

Item ItemReader::next() {
    // Leading blanks and empty lines before an item are skipped.
    while (m_pos < m_text.size() &&
           (isBlank(m_text[m_pos]) || m_text[m_pos] == '\r' || m_text[m_pos] == '\n')) {
        // A line end right after a comma ends an empty item; elsewhere lines are skipped.
        if ((m_text[m_pos] == '\r' || m_text[m_pos] == '\n') && m_pos > 0) {
            size_t back = m_pos;
            while (back > 0 && isBlank(m_text[back - 1]))
                --back;
            if (back > 0 && m_text[back - 1] == ',') {
                if (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n') ++m_pos;
                ++m_pos;
                return Item{};
            }
        }
        ++m_pos;
    }
    if (m_pos >= m_text.size()) raise(err::PastEndOfFile, m_path);
    Item item;
    if (m_text[m_pos] == '"') {
        item.quoted = true;
        const size_t close = m_text.find('"', m_pos + 1);
        const size_t end = close == std::string::npos ? m_text.size() : close;
        item.text = m_text.substr(m_pos + 1, end - m_pos - 1);
        m_pos = close == std::string::npos ? end : close + 1;
        // Anything after the closing quote up to the separator is ignored.
        while (m_pos < m_text.size() && m_text[m_pos] != ',' && m_text[m_pos] != '\r' &&
               m_text[m_pos] != '\n')
            ++m_pos;
    } else {
        const size_t start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != ',' && m_text[m_pos] != '\r' &&
               m_text[m_pos] != '\n')
            ++m_pos;
        item.text = trim(m_text.substr(start, m_pos - start));
        while (!item.text.empty() && item.text.back() == '\t')
            item.text.pop_back();
    }
    // Consume the separator: a comma, or one line end.
    if (m_pos < m_text.size()) {
        if (m_text[m_pos] == ',') {
            ++m_pos;
        } else if (m_text[m_pos] == '\r') {
            ++m_pos;
            if (m_pos < m_text.size() && m_text[m_pos] == '\n') ++m_pos;
        } else if (m_text[m_pos] == '\n') {
            ++m_pos;
        }
    }
    return item;
}

std::string ItemReader::readLine() {
    if (m_pos >= m_text.size()) raise(err::PastEndOfFile, m_path);
    size_t end = m_pos;
    while (end < m_text.size() && m_text[end] != '\r' && m_text[end] != '\n')
        ++end;
    std::string line = m_text.substr(m_pos, end - m_pos);
    m_pos = end;
    if (m_pos < m_text.size() && m_text[m_pos] == '\r') ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == '\n') ++m_pos;
    return line;
}

std::string ItemReader::readString() {
    return next().text;
}

double ItemReader::readDouble() {
    const Item it = next();
    if (it.text.empty()) return 0.0;
    double d;
    if (!parsePointNumber(it.text, d)) raise(err::TypeMismatch, m_path);
    return chk::finite(d);
}

float ItemReader::readSingle() {
    return chk::single(readDouble());
}
int16_t ItemReader::readInteger() {
    return toInteger(readDouble());
}
int32_t ItemReader::readLong() {
    return toLong(readDouble());
}

bool ItemReader::readBool() {
    const Item it = next();
    if (it.text == "#TRUE#") return true;
    if (it.text == "#FALSE#" || it.text.empty()) return false;
    double d;
    if (!it.quoted && parsePointNumber(it.text, d)) return d != 0.0;
    raise(err::TypeMismatch, m_path);
}

Variant ItemReader::readVariant() {
    const Item it = next();
    if (it.quoted) return Variant(it.text);
    if (it.text.empty()) return Variant();
    if (it.text == "#TRUE#") return Variant(true);
    if (it.text == "#FALSE#") return Variant(false);
    double d;
    if (parsePointNumber(it.text, d)) return Variant(chk::finite(d));
    return Variant(it.text);
}

void ItemWriter::separate() {
    if (m_lineStarted) m_out += ',';
    m_lineStarted = true;
}

ItemWriter& ItemWriter::text(std::string_view s) {
    separate();
    m_out += '"';
    for (char c : s) {
        if (c == '\r' || c == '\n') continue;
        m_out += c == '"' ? '\'' : c;
    }
    m_out += '"';
    return *this;
}

ItemWriter& ItemWriter::number(double x, bool single) {
    separate();
    m_out += pointText(x, single);
    return *this;
}

ItemWriter& ItemWriter::integer(int32_t v) {
    separate();
    m_out += std::to_string(v);
    return *this;
}

ItemWriter& ItemWriter::boolean(bool b) {
    separate();
    m_out += b ? "#TRUE#" : "#FALSE#";
    return *this;
}

ItemWriter& ItemWriter::value(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty:
        separate();
        return *this;
    case VarType::Integer:
    case VarType::Long:
        return integer(v.toLong());
    case VarType::Single:
        return number(v.toDouble(), true);
    case VarType::Double:
        return number(v.toDouble(), false);
    case VarType::Boolean:
        return boolean(v.toBool());
    case VarType::String:
        return text(v.str());
    default:
        raise(err::TypeMismatch);
    }
}

ItemWriter& ItemWriter::endLine() {
    m_out += "\r\n";
    m_lineStarted = false;
    return *this;
}

void ItemWriter::save(const std::string& path) const {
    writeFileAtomically(path, toCp1250(m_out));
}

} // namespace platform
