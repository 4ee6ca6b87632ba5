#pragma once

#include <QTableWidget>

// A read-only grid addressed as the suite's grids are: row 0 is the header
// row, data rows start at 1, and Rows counts both.
class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    int Rows() const { return rowCount() + 1; }
    void setRows(int rows);
    int Cols() const { return columnCount(); }
    void setCols(int cols) { setColumnCount(cols); }

    // Row 0 reads and writes the header.
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // The current row in the grid's numbering (1 for the first data row, 0 when none).
    int Row() const { return currentRow() + 1; }
    // A width of 0 hides the column.
    void setColWidth(int col, int pixels);
    // Empties every cell and header.
    void Clear();
};
