#include "MORV/window/export/Document.h"

#include "MORV/window/export/ExportText.h"
#include "Platform/Progress.h"
#include "Platform/RunTimeError.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>

namespace morv {

namespace {

constexpr int tableColumns = 4;
//! Points per centimetre: 72 points to the inch of 2.54 cm.
constexpr double pointsPerCm = 72.0 / 2.54;

void save(QTextDocument& document, const std::string& path) {
    QTextDocumentWriter writer(QString::fromStdString(path), QByteArrayLiteral("odf"));
    if (!writer.write(&document)) platform::raise(platform::err::PathFileAccess, "MORV");
}

} // namespace

void writeDocument(const std::string& path, const std::string& text, platform::Progress& bar) {
    bar.setValue(5);
    QTextDocument document;
    bar.setValue(30);
    QStringList lines;
    for (const std::string& line : documentLines(text))
        lines << QString::fromStdString(line);
    document.setPlainText(lines.join(QChar(u'\n')));
    bar.setValue(60);
    save(document, path);
}

void writeDocumentTable(const std::string& path, const std::string& text, platform::Progress& bar) {
    bar.setValue(5);
    QTextDocument document;
    const std::vector<std::string> lines = documentLines(text);
    bar.setValue(25);
    QTextTableFormat format;
    format.setBorder(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setCellPadding(0);
    format.setCellSpacing(0);
    QTextCursor cursor(&document);
    QTextTable* table =
        cursor.insertTable(std::max<int>(1, static_cast<int>(lines.size())), tableColumns, format);
    for (size_t r = 0; r < lines.size(); ++r) {
        const QStringList fields = QString::fromStdString(lines[r]).split(QChar(u'\t'));
        for (int c = 0; c < fields.size() && c < tableColumns; ++c) {
            const QString cell = c + 1 < tableColumns ? fields[c] : fields.mid(c).join(QChar(u'\t'));
            table->cellAt(static_cast<int>(r), c).firstCursorPosition().insertText(cell);
        }
    }
    bar.setValue(40);
    // The document writer stores a fixed column length as points.
    QList<QTextLength> widths;
    for (double cm : documentColumnWidths)
        widths << QTextLength(QTextLength::FixedLength, cm * pointsPerCm);
    format.setColumnWidthConstraints(widths);
    table->setFormat(format);
    bar.setValue(60);
    bar.setValue(80);
    save(document, path);
}

} // namespace morv
