#pragma once
//! Reading back what the export wrote: the entries of a zip file (stored or deflated, read
//! through the central directory and inflated with zlib), the cells, column widths and cell
//! formats of an .xlsx sheet, and the tables and paragraphs of an OpenDocument text.

#include <QString>
#include <QXmlStreamReader>

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace morvtest {

//! The entries of a zip file by name. Throws when the file is not a zip this reader knows.
inline std::map<std::string, std::string> zipEntries(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::ostringstream all;
    all << in.rdbuf();
    const std::string zip = all.str();
    auto u16 = [&](size_t at) {
        return static_cast<uint32_t>(static_cast<unsigned char>(zip.at(at))) |
               static_cast<uint32_t>(static_cast<unsigned char>(zip.at(at + 1))) << 8;
    };
    auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };

    // The end of the central directory: signature, then its count and offset.
    size_t end = zip.size() < 22 ? std::string::npos : zip.size() - 22;
    while (end != std::string::npos && u32(end) != 0x06054b50)
        end = end == 0 ? std::string::npos : end - 1;
    if (end == std::string::npos) throw std::runtime_error("no zip directory in " + path);
    const uint32_t count = u16(end + 10);
    size_t entry = u32(end + 16);

    std::map<std::string, std::string> entries;
    for (uint32_t e = 0; e < count; ++e) {
        if (u32(entry) != 0x02014b50) throw std::runtime_error("bad zip directory entry in " + path);
        const uint32_t method = u16(entry + 10);
        const uint32_t packed = u32(entry + 20);
        const uint32_t size = u32(entry + 24);
        const uint32_t nameLength = u16(entry + 28);
        const uint32_t extraLength = u16(entry + 30);
        const uint32_t commentLength = u16(entry + 32);
        const uint32_t local = u32(entry + 42);
        const std::string name = zip.substr(entry + 46, nameLength);
        entry += 46 + nameLength + extraLength + commentLength;

        const size_t data = local + 30 + u16(local + 26) + u16(local + 28);
        const std::string raw = zip.substr(data, packed);
        if (method == 0) {
            entries[name] = raw;
            continue;
        }
        if (method != 8) throw std::runtime_error("unknown zip method in " + path);
        std::string out(size, '\0');
        z_stream z{};
        if (inflateInit2(&z, -MAX_WBITS) != Z_OK) throw std::runtime_error("zlib");
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(raw.data()));
        z.avail_in = static_cast<uInt>(raw.size());
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = static_cast<uInt>(out.size());
        const int rc = inflate(&z, Z_FINISH);
        inflateEnd(&z);
        if (rc != Z_STREAM_END) throw std::runtime_error("cannot inflate " + name);
        entries[name] = out;
    }
    return entries;
}

//! One cell of a sheet: its text (a shared string resolved) or number, and its format.
struct SheetCell {
    bool number = false;
    std::string text; //!< the shared string, or the number as the file stores it
    int style = 0;    //!< index into the cell formats
};

//! One cell format of a workbook.
struct CellFormat {
    std::string horizontal; //!< "center", or "" for the default alignment
    bool bold = false;
};

//! What a test reads of an .xlsx workbook with one sheet.
struct WorkbookContent {
    std::map<std::string, SheetCell> cells; //!< by reference ("A1")
    std::map<int, double> columnWidths;     //!< by column number from 1
    std::vector<CellFormat> formats;
    std::vector<std::string> sheets; //!< the sheet entries of the file

    const SheetCell* cell(const std::string& ref) const {
        auto it = cells.find(ref);
        return it == cells.end() ? nullptr : &it->second;
    }
    const CellFormat& format(const std::string& ref) const {
        static const CellFormat none;
        const SheetCell* c = cell(ref);
        return c && c->style >= 0 && c->style < static_cast<int>(formats.size()) ? formats[c->style] : none;
    }
};

inline std::string attribute(const QXmlStreamReader& x, const char* name) {
    return x.attributes().value(QString::fromLatin1(name)).toString().toStdString();
}

//! A number as the files write it ("." whatever the region).
inline double fileNumber(const std::string& text) {
    bool ok = false;
    const double v = QString::fromStdString(text).toDouble(&ok);
    if (!ok) throw std::runtime_error("not a number: " + text);
    return v;
}

inline WorkbookContent readWorkbook(const std::string& path) {
    const auto entries = zipEntries(path);
    WorkbookContent w;
    for (const auto& [name, bytes] : entries)
        if (name.rfind("xl/worksheets/", 0) == 0) w.sheets.push_back(name);

    std::vector<std::string> strings;
    if (auto it = entries.find("xl/sharedStrings.xml"); it != entries.end()) {
        QXmlStreamReader x(QByteArray::fromStdString(it->second));
        while (!x.atEnd())
            if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"si")
                strings.push_back(x.readElementText(QXmlStreamReader::IncludeChildElements).toStdString());
    }

    std::vector<bool> boldFonts;
    QXmlStreamReader styles(QByteArray::fromStdString(entries.at("xl/styles.xml")));
    bool inCellFormats = false;
    while (!styles.atEnd()) {
        const auto token = styles.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (styles.name() == u"font")
                boldFonts.push_back(false);
            else if (styles.name() == u"b" && !boldFonts.empty())
                boldFonts.back() = true;
            else if (styles.name() == u"cellXfs")
                inCellFormats = true;
            else if (inCellFormats && styles.name() == u"xf") {
                const size_t font = std::stoul(attribute(styles, "fontId"));
                w.formats.push_back({"", font < boldFonts.size() && boldFonts[font]});
            } else if (inCellFormats && styles.name() == u"alignment" && !w.formats.empty())
                w.formats.back().horizontal = attribute(styles, "horizontal");
        } else if (token == QXmlStreamReader::EndElement && styles.name() == u"cellXfs")
            inCellFormats = false;
    }

    QXmlStreamReader sheet(QByteArray::fromStdString(entries.at("xl/worksheets/sheet1.xml")));
    std::string ref;
    SheetCell current;
    while (!sheet.atEnd()) {
        const auto token = sheet.readNext();
        if (token != QXmlStreamReader::StartElement) continue;
        if (sheet.name() == u"col") {
            const int first = std::stoi(attribute(sheet, "min"));
            const int last = std::stoi(attribute(sheet, "max"));
            for (int c = first; c <= last; ++c)
                w.columnWidths[c] = fileNumber(attribute(sheet, "width"));
        } else if (sheet.name() == u"c") {
            ref = attribute(sheet, "r");
            const std::string s = attribute(sheet, "s");
            current = SheetCell{attribute(sheet, "t") != "s", "", s.empty() ? 0 : std::stoi(s)};
            w.cells[ref] = current;
        } else if (sheet.name() == u"v") {
            const std::string v = sheet.readElementText().toStdString();
            SheetCell& c = w.cells[ref];
            c.text = c.number ? v : strings.at(std::stoul(v));
            if (c.number) fileNumber(v); // a number cell holds a number of the file format
        }
    }
    return w;
}

//! One table of an OpenDocument text: its column widths (as the file writes them) and the
//! texts of its cells, a TAB inside a cell as "\t".
struct DocumentTable {
    std::vector<std::string> columnWidths;
    std::vector<std::vector<std::string>> rows;
};

//! What a test reads of an OpenDocument text: its tables and the paragraphs outside them.
struct DocumentContent {
    std::string mimetype;
    std::vector<DocumentTable> tables;
    std::vector<std::string> paragraphs;
};

//! The text of a paragraph element at the reader, a <text:tab/> as "\t"; the reader ends on
//! the paragraph's end.
inline std::string paragraphText(QXmlStreamReader& x) {
    std::string text;
    int depth = 1;
    while (depth > 0 && !x.atEnd()) {
        const auto token = x.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (x.name() == u"tab")
                text += '\t';
            else if (x.name() == u"s") {
                const std::string c = attribute(x, "text:c");
                text += std::string(c.empty() ? 1 : std::stoul(c), ' ');
            }
        } else if (token == QXmlStreamReader::EndElement)
            --depth;
        else if (token == QXmlStreamReader::Characters)
            text += x.text().toString().toStdString();
    }
    return text;
}

inline DocumentContent readDocument(const std::string& path) {
    const auto entries = zipEntries(path);
    DocumentContent d;
    d.mimetype = entries.count("mimetype") ? entries.at("mimetype") : "";
    const std::string& content = entries.at("content.xml");

    std::map<std::string, std::string> columnStyles; // style name -> column width
    {
        QXmlStreamReader x(QByteArray::fromStdString(content));
        std::string style;
        while (!x.atEnd())
            if (x.readNext() == QXmlStreamReader::StartElement) {
                if (x.name() == u"style")
                    style = attribute(x, "style:name");
                else if (x.name() == u"table-column-properties")
                    columnStyles[style] = attribute(x, "style:column-width");
            }
    }
    QXmlStreamReader x(QByteArray::fromStdString(content));
    int tableDepth = 0;
    while (!x.atEnd()) {
        const auto token = x.readNext();
        if (token == QXmlStreamReader::EndElement && x.name() == u"table") --tableDepth;
        if (token != QXmlStreamReader::StartElement) continue;
        if (x.name() == u"table") {
            ++tableDepth;
            d.tables.emplace_back();
        } else if (x.name() == u"table-column") {
            const std::string style = attribute(x, "table:style-name");
            d.tables.back().columnWidths.push_back(columnStyles.count(style) ? columnStyles[style] : "");
        } else if (x.name() == u"table-row")
            d.tables.back().rows.emplace_back();
        else if (x.name() == u"table-cell")
            d.tables.back().rows.back().emplace_back();
        else if (x.name() == u"p" || x.name() == u"h") {
            const std::string text = paragraphText(x);
            if (tableDepth > 0) {
                std::string& cell = d.tables.back().rows.back().back();
                cell += cell.empty() ? text : "\n" + text;
            } else
                d.paragraphs.push_back(text);
        }
    }
    return d;
}

//! A length written as "<number>pt" in centimetres.
inline double pointsAsCm(const std::string& length) {
    if (length.size() < 3 || length.compare(length.size() - 2, 2, "pt") != 0)
        throw std::runtime_error("not a length in points: " + length);
    return fileNumber(length.substr(0, length.size() - 2)) * 2.54 / 72.0;
}

} // namespace morvtest
