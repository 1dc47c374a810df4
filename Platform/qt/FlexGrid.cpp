#include "Platform/qt/FlexGrid.h"

#include "Platform/qt/Keys.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <cmath>

namespace platform {

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(this, &QTableWidget::cellDoubleClicked, this, [this] { emit dblClick(); });
}

double FlexGrid::pixelsPerTwip() const {
    // The widths were chosen for a font about 5 pixels wide per character on average.
    return fontMetrics().averageCharWidth() / 5.0 / twipsPerPixel;
}

int FlexGrid::ColWidth(int col) const {
    return static_cast<int>(std::lround(columnWidth(col) / pixelsPerTwip()));
}

void FlexGrid::ColWidth(int col, int twips) {
    setColumnWidth(col, static_cast<int>(std::lround(twips * pixelsPerTwip())));
}

void FlexGrid::Rows(int rows) {
    setRowCount(rows);
    styleFixedRow();
}

void FlexGrid::Cols(int cols) {
    setColumnCount(cols);
    m_alignments.resize(static_cast<size_t>(cols), Qt::AlignLeft | Qt::AlignVCenter);
}

QString FlexGrid::TextMatrix(int row, int col) const {
    const QTableWidgetItem* it = (row < rowCount() && col < columnCount()) ? item(row, col) : nullptr;
    return it ? it->text() : QString();
}

QTableWidgetItem* FlexGrid::cell(int row, int col) {
    if (row >= rowCount()) Rows(row + 1);
    if (col >= columnCount()) Cols(col + 1);
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        it->setTextAlignment(m_alignments[static_cast<size_t>(col)]);
        if (row == 0) {
            it->setFlags(Qt::ItemIsEnabled);
            it->setBackground(palette().button());
        }
        setItem(row, col, it);
    }
    return it;
}

void FlexGrid::TextMatrix(int row, int col, const QString& text) {
    if (row < 0 || col < 0) return;
    cell(row, col)->setText(text);
}

void FlexGrid::ColAlignment(int col, Qt::Alignment alignment) {
    if (col >= columnCount()) Cols(col + 1);
    m_alignments[static_cast<size_t>(col)] = alignment;
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* it = item(r, col)) it->setTextAlignment(alignment);
}

Qt::Alignment FlexGrid::ColAlignment(int col) const {
    return col < static_cast<int>(m_alignments.size()) ? m_alignments[static_cast<size_t>(col)]
                                                       : Qt::Alignment();
}

void FlexGrid::Row(int row) {
    if (row >= 0 && row < rowCount()) setCurrentCell(row, std::max(currentColumn(), 0));
}

void FlexGrid::Clear() {
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem* it = item(r, c)) it->setText(QString());
}

void FlexGrid::AddItem(const QString& text) {
    const int row = rowCount();
    Rows(row + 1);
    const QStringList parts = text.split(QLatin1Char('\t'));
    for (int c = 0; c < parts.size(); ++c)
        cell(row, c)->setText(parts[c]);
}

void FlexGrid::RemoveItem(int row) {
    if (row >= 0 && row < rowCount()) removeRow(row);
    styleFixedRow();
}

void FlexGrid::styleFixedRow() {
    if (rowCount() == 0) return;
    for (int c = 0; c < columnCount(); ++c) {
        QTableWidgetItem* it = cell(0, c);
        it->setFlags(Qt::ItemIsEnabled);
        it->setBackground(palette().button());
    }
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    const int code = keyAscii(*event);
    if (code != 0) emit keyPress(code);
    QTableWidget::keyPressEvent(event);
}

} // namespace platform
