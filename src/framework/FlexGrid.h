#pragma once

#include <QTableWidget>
#include <map>

// A text grid as the screens use it. With a fixed row, row 0 is the heading row (kept in view as the
// header) and the data rows count from 1. Column widths are in twips.
class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    FlexGrid(const QString& objectName, int fixedRows, QWidget* parent = nullptr);
    int FixedRows() const { return fixed_; }
    int Rows() const { return rowCount() + fixed_; }
    void setRows(int rows);
    int Cols() const { return columnCount(); }
    void setCols(int cols);
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    int colWidthTwips(int col) const;
    void setColWidthTwips(int col, int twips);
    // The sum of the column widths.
    int columnsWidthTwips() const;

private:
    int fixed_;
    std::map<int, int> widthsTwips_;
};
