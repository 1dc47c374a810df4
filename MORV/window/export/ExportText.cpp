#include "MORV/window/export/ExportText.h"

#include "MORV/model/AnalyzaCitlivosti.h"
#include "Platform/Conversions.h"
#include "Platform/Progress.h"
#include "Platform/RunTimeError.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace morv {

namespace {

const std::string Crlf = "\r\n";
//! Longest last field of a workbook row [characters].
constexpr size_t lastFieldLimit = 99;

bool continuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

//! The length in bytes of the character that starts at `pos`.
size_t characterBytes(const std::string& text, size_t pos) {
    size_t end = pos + 1;
    while (end < text.size() && continuationByte(text[end]))
        ++end;
    return end - pos;
}

//! The first `count` characters of a text.
std::string leftCharacters(const std::string& text, size_t count) {
    size_t pos = 0;
    for (size_t i = 0; i < count && pos < text.size(); ++i)
        pos += characterBytes(text, pos);
    return text.substr(0, pos);
}

std::vector<std::string> cutAt(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        if (at == std::string::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
}

} // namespace

size_t characterCount(const std::string& text) {
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !continuationByte(c); }));
}

std::string exportText(const std::string& results, platform::Progress* bar) {
    const size_t n = characterCount(results);
    // A text of fewer than 15 characters would round its step down to 0.
    const size_t k =
        std::max<size_t>(1, static_cast<size_t>(platform::toLong(static_cast<double>(n) / 10.0)));
    std::string text;
    text.reserve(results.size());
    bool afterTab = false;
    size_t i = 0;
    for (size_t pos = 0; pos < results.size();) {
        const size_t bytes = characterBytes(results, pos);
        ++i;
        const bool tab = results[pos] == '\t';
        if (!(tab && afterTab)) text.append(results, pos, bytes);
        afterTab = tab;
        pos += bytes;
        if (bar && i >= 2 && i % k == 0)
            bar->setValue(
                static_cast<int>(std::lround(static_cast<double>(i) / static_cast<double>(n) * 100.0 - 5.0)));
    }
    return text;
}

void appendExportText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out) platform::raise(platform::err::PathFileAccess, "MORV");
    out << text << Crlf;
    out.close();
    if (!out) platform::raise(platform::err::PathFileAccess, "MORV");
}

std::vector<std::vector<std::string>> workbookRows(const std::string& text) {
    std::vector<std::string> lines = cutAt(text, Crlf);
    lines.pop_back(); // the text after the last line end
    std::vector<std::vector<std::string>> rows;
    rows.reserve(lines.size());
    for (const std::string& line : lines) {
        if (characterCount(line) < 3) {
            rows.emplace_back();
            continue;
        }
        std::vector<std::string> fields = cutAt(line, "\t");
        const std::string& tail = analysisPressureDropCaptions;
        std::string& last = fields.back();
        if (fields.size() > 1 && last.size() > tail.size() &&
            last.compare(last.size() - tail.size(), tail.size(), tail) == 0) {
            last.resize(last.size() - tail.size());
            for (std::string& caption : cutAt(tail, " "))
                if (!caption.empty()) fields.push_back(std::move(caption));
        }
        fields.back() = leftCharacters(fields.back(), lastFieldLimit);
        rows.push_back(std::move(fields));
    }
    return rows;
}

std::vector<std::string> documentLines(const std::string& text) {
    std::vector<std::string> lines = cutAt(text, Crlf);
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

std::string withFilterExtension(const std::string& fileName, const std::string& pattern) {
    const size_t slash = fileName.rfind('/');
    const std::string name = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    if (name.empty() || name.find('.') != std::string::npos) return fileName;
    if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0) return fileName;
    const std::string extension = pattern.substr(2);
    if (extension.find_first_of("*?;. ") != std::string::npos) return fileName;
    return fileName + "." + extension;
}

} // namespace morv
