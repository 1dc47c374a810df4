#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/CodePage.h"
#include "Platform/Conversions.h"
#include "Platform/FileSystem.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"
#include "Platform/Regional.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>

namespace kwelar {

using platform::RunTimeError;
using platform::Variant;
namespace err = platform::err;

namespace {

const char* const Crlf = "\r\n";
//! File name of the substance list written beside the database.
const char* const ListFileName = "SEZNAM.DAT";
//! Characters of a line that decide its place in the sorted list.
constexpr size_t SortKeyLength = 17;
//! Narrowest number column of a list line (numbers below 1000).
constexpr size_t NumberColumnWidth = 3;

//! The uniform generator in [0, 1) of the sorting pivots; it is never reseeded, so every
//! process draws the same sequence.
double rnd() {
    static std::mt19937 generator;
    static std::uniform_real_distribution<double> uniform(0.0, 1.0);
    return uniform(generator);
}

//! Int(Rnd (upper - lower + 1)) + lower.
int32_t randomBetween(int32_t lower, int32_t upper) {
    return static_cast<int32_t>(std::floor(rnd() * (upper - lower + 1))) + lower;
}

//! Sort key of a line: its first 17 characters in code page 1250, so that comparing the
//! keys byte by byte compares the characters by their codes.
std::string sortKey(const std::string& line) {
    return platform::toCp1250(platform::leftChars(line, SortKeyLength));
}

//! Lines to be sorted with their keys.
struct SortItem {
    std::string key;
    std::string line;
};

//! Sorts items[low..high] by key: the key of a random item splits the part three ways, into
//! the keys below it, those equal to it and those above. Equal keys are then done with, the
//! smaller outer part is sorted by a call and the larger one by the loop, so the calls nest
//! at most log2(n) deep and a list of many equal names takes one pass.
void quickSortItems(std::vector<SortItem>& items, int32_t low, int32_t high) {
    auto at = [&](int32_t i) -> SortItem& { return items[static_cast<size_t>(i)]; };
    while (low < high) {
        if (high - low == 1) {
            if (at(low).key > at(high).key) std::swap(at(low), at(high));
            return;
        }
        const std::string pivot = at(randomBetween(low, high)).key;
        // items[low..below-1] < pivot, [below..i-1] == pivot, [above+1..high] > pivot.
        int32_t below = low;
        int32_t i = low;
        int32_t above = high;
        while (i <= above) {
            const int order = at(i).key.compare(pivot);
            if (order < 0)
                std::swap(at(below++), at(i++));
            else if (order > 0)
                std::swap(at(i), at(above--));
            else
                ++i;
        }
        if (below - low < high - above) {
            quickSortItems(items, low, below - 1);
            low = above + 1;
        } else {
            quickSortItems(items, above + 1, high);
            high = below - 1;
        }
    }
}

//! Sorts the lines by their sort keys.
void sortLines(std::vector<std::string>& lines) {
    std::vector<SortItem> items;
    items.reserve(lines.size() + 1);
    items.push_back({});
    for (std::string& line : lines)
        items.push_back({sortKey(line), std::move(line)});
    quickSortItems(items, 1, static_cast<int32_t>(lines.size()));
    for (size_t k = 0; k < lines.size(); ++k)
        lines[k] = std::move(items[k + 1].line);
}

//! The part of a list line after the number and its two blanks: name, synonyms, formula,
//! CAS text and a final blank.
std::string lineBody(const ZaznamLatky& z) {
    return platform::leftChars(z.Nazev, 20) + " " + platform::leftChars(z.Syn, 20) + " " +
           platform::leftChars(z.Vzor, 10) + platform::leftChars(casText(z.CAS), 13) + " ";
}

//! The substance number in a column of `width` digits with leading zeros.
std::string numberColumn(int32_t number, size_t width) {
    std::string digits = std::to_string(number);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

} // namespace

// ---- The list and its file --------------------------------------------------------------

void Smes::AkSeznam() {
    if (m_AdrKWELAR.empty()) Adrkwl();
    if (m_AdrKWELAR.empty()) return;

    // The whole database at once; every record from 1 to the end of the file, a partial last
    // record read as if padded with zero bytes. The loaded components are not touched.
    std::string content = platform::readWholeFile(m_AdrKWELAR);
    // The user's own record 700 stands in for the database's, as in every load.
    if (const std::optional<platform::Bytes> own = ownTemporaryRecord()) {
        const size_t at = static_cast<size_t>(TemporaryRecord - 1) * RecordLength;
        if (content.size() < at + RecordLength) content.resize(at + RecordLength, '\0');
        std::copy(own->begin(), own->end(), content.begin() + static_cast<std::ptrdiff_t>(at));
    }
    const size_t records = (content.size() + RecordLength - 1) / RecordLength;
    std::vector<SortItem> items(1);
    int32_t largest = 0;
    platform::Bytes record(RecordLength);
    for (size_t n = 1; n <= records; ++n) {
        const size_t from = (n - 1) * RecordLength;
        const size_t length = std::min(RecordLength, content.size() - from);
        std::fill(record.begin(), record.end(), uint8_t{0});
        std::copy_n(content.begin() + static_cast<std::ptrdiff_t>(from), length, record.begin());
        const ZaznamLatky z = ZaznamLatky::decode(record);
        if (z.isMissing()) continue;
        // The working line begins with two blanks and the name, so the sort goes by the
        // first 15 characters of the name; the record number rides at its end.
        std::string body = lineBody(z);
        SortItem item{sortKey("  " + body), std::move(body)};
        item.line += std::to_string(n);
        items.push_back(std::move(item));
        largest = static_cast<int32_t>(n);
    }
    const int32_t count = static_cast<int32_t>(items.size()) - 1;
    quickSortItems(items, 1, count);

    // The number moves to the front, in a column wide enough for the largest number.
    const size_t width = std::max(NumberColumnWidth, std::to_string(largest).size());
    m_SeznamLatek.redim(0, std::max(count, int32_t{1}));
    for (int32_t k = 1; k <= count; ++k) {
        std::string& working = items[static_cast<size_t>(k)].line;
        const size_t digitsFrom = working.find_last_not_of("0123456789") + 1;
        const int32_t number = std::stoi(working.substr(digitsFrom));
        working.resize(digitsFrom);
        m_SeznamLatek(k) = numberColumn(number, width) + "  " + working;
    }
    m_PocLatek = count;

    writeSubstanceListFile();
}

void Smes::writeSubstanceListFile() {
    std::string path;
    try {
        // The folder is the part of the database path before the data-file name, found
        // without regard to case.
        const std::string upperPath = platform::upperCase(m_AdrKWELAR);
        const size_t at = upperPath.find(platform::upperCase(m_DataFileName));
        if (at == std::string::npos) platform::raise(err::InvalidCall);
        if (platform::charCount(std::string_view(m_AdrKWELAR).substr(0, at)) + 1 < 5)
            platform::msgBox("KWELAR - chyba v cestě k souboru", 0, "");
        const std::string folder = m_AdrKWELAR.substr(0, at);
        path = folder + ListFileName;
        // An installed database lies in a folder only its administrator may write: each user
        // then keeps the list in a data folder of their own, where it is replaced at every
        // build as beside the database.
        if (!platform::folderWritable(folder)) {
            if (const std::string own = userFile(ListFileName); !own.empty()) {
                path = own;
                std::error_code ignored; // a folder that cannot be made fails the write below
                std::filesystem::create_directories(platform::folderOf(own), ignored);
            }
        }

        std::string text = std::string("          SEZNAM LÁTEK DATABÁZE KWELAR ke dni ") +
                           platform::Regional::today() + Crlf + "          Záznamy v bázi o " +
                           platform::format(m_PocLatek, "#0") + " látkách" + Crlf;
        for (int32_t k = 1; k <= m_PocLatek; ++k)
            text += m_SeznamLatek(k).toString() + Crlf;
        platform::writeFileAtomically(path, platform::toCp1250(text));
    } catch (const RunTimeError& e) {
        // The list is built all the same, and the failure is told once per object and file.
        if (m_SeznamNezapsan == path) return;
        m_SeznamNezapsan = path;
        if (showsResultMessages())
            platform::msgBox("Seznam látek nelze zapsat do souboru " + (path.empty() ? m_AdrKWELAR : path) +
                                 Crlf + "Chyba č. " + std::to_string(e.number()) + " : " + e.description(),
                             48, "KWELAR");
    }
}

int32_t Smes::PocLatek() const {
    return m_PocLatek;
}

std::string Smes::SeznamLatek(int32_t i) const {
    if (!m_SeznamLatek.contains(i)) return "";
    return m_SeznamLatek(i).toString();
}

// ---- Sorting ----------------------------------------------------------------------------

void Smes::QuickSort(platform::VArray& SortArray, int16_t& Low, int16_t& High) {
    if (Low >= High) return;
    std::vector<SortItem> items;
    items.reserve(static_cast<size_t>(High - Low + 2));
    items.push_back({});
    for (int32_t k = Low; k <= High; ++k) {
        std::string line = SortArray(k).toString();
        items.push_back({sortKey(line), std::move(line)});
    }
    quickSortItems(items, 1, static_cast<int32_t>(items.size()) - 1);
    for (int32_t k = Low; k <= High; ++k)
        SortArray(k) = std::move(items[static_cast<size_t>(k - Low + 1)].line);
}

int16_t Smes::RandInt(const Variant& lower, const Variant& Upper) {
    const double lo = lower.toDouble();
    const double hi = Upper.toDouble();
    return platform::toInteger(std::floor(rnd() * (hi - lo + 1.0)) + lo);
}

void Smes::SWAP(platform::VArray& SortArray, int16_t& i, int16_t& j) {
    std::swap(SortArray(i), SortArray(j));
}

// ---- The list window --------------------------------------------------------------------

void Smes::SeznamShow(int16_t typp) {
    int16_t mode = typp;
    if (SeznamLatek(1).empty()) AkSeznam();

    std::vector<std::string> shown;
    shown.reserve(static_cast<size_t>(m_PocLatek));
    for (int32_t k = 1; k <= m_PocLatek; ++k)
        shown.push_back(m_SeznamLatek(k).toString());

    if (mode < 2) {
        const std::string order = platform::inputBox(
            std::string("0 - podle abecedy") + Crlf + "1 - podle čísel (chvíli trvá ...)", "", "0");
        // The lines begin with their numbers, so the sort by the first characters gives
        // the order of the numbers.
        if (order == "1")
            sortLines(shown);
        else if (order == "2")
            mode = 2;
    }

    std::string wanted;
    if (mode == 2) {
        wanted = platform::upperCase(
            platform::inputBox("Vložte název nebo část názvu hledané látky (bez *, %):", "KWELAR", ""));
        const size_t star = wanted.find('*');
        if (star != std::string::npos)
            wanted = wanted.substr(0, star) + platform::leftChars(wanted.substr(star + 1), 99);
    }

    std::vector<std::string> lines;
    int32_t found = 0;
    for (const std::string& line : shown) {
        if (mode < 2) {
            lines.push_back(line);
        } else if (mode == 2 && platform::upperCase(line).find(wanted) != std::string::npos) {
            lines.push_back(line);
            ++found;
        }
    }
    if (mode == 2 && found == 0) {
        lines.push_back("Látka  " + wanted + "  nenalezena!!!");
        platform::msgBox("Látka nenalezena", 48, "");
    }

    const std::string nadpis1 = "SEZNAM LÁTEK DATABÁZE  K W E L A R   " + platform::Regional::today();
    std::string nadpis2 = "Počet zahrnutých látek  " + platform::format(m_PocLatek, "#0");
    if (mode == 2) nadpis2 = "k zadání nalezeno " + platform::numberText(found) + " látek";
    if (!m_okna) return;
    m_okna->fillSubstanceList(lines, nadpis1, nadpis2);
    m_okna->showSubstanceList();
}

void Smes::mSeznam_Zavrit() {
    if (m_okna) m_okna->hideSubstanceList();
}

} // namespace kwelar
