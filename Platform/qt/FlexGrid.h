#pragma once
//! A read-only grid of texts whose row 0 is a fixed heading row: a table widget with the
//! row and column indices, widths in twips and alignments that the windows use. A cell
//! written beyond the rows or columns the grid has makes the grid grow to hold it.

#include "PlatformQt/PlatformQtExport.h"

#include <QTableWidget>

namespace platform {

//! Twips in one pixel at the usual 96 pixels per inch.
inline constexpr int twipsPerPixel = 15;

class PLATFORMQT_EXPORT FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    int Rows() const { return rowCount(); }
    void Rows(int rows);
    int Cols() const { return columnCount(); }
    void Cols(int cols);

    //! The text of a cell ("" for a cell never written or beyond the grid).
    QString TextMatrix(int row, int col) const;
    //! Writes a cell; the grid grows to hold it.
    void TextMatrix(int row, int col, const QString& text);

    //! Column widths in twips, scaled by the grid's font against the small system font the
    //! widths were chosen for, so that the texts they were meant to hold still fit.
    int ColWidth(int col) const;
    void ColWidth(int col, int twips);
    //! The alignment of every cell of a column, heading included.
    void ColAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment ColAlignment(int col) const;

    //! The current row and column (-1 when none).
    int Row() const { return currentRow(); }
    void Row(int row);

    //! Empties every cell, keeping the rows and columns.
    void Clear();
    //! Appends a row whose cells take the tab-separated parts of the text.
    void AddItem(const QString& text);
    //! Removes a row; the rows below move up.
    void RemoveItem(int row);

signals:
    //! A double click on a cell (the current row is the one clicked).
    void dblClick();
    //! A key typed in the grid, as the program's key code (13 Enter, 27 Esc, a character).
    void keyPress(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTableWidgetItem* cell(int row, int col);
    double pixelsPerTwip() const;
    void styleFixedRow();
    std::vector<Qt::Alignment> m_alignments;
};

} // namespace platform
