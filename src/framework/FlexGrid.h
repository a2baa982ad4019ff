#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>
#include <map>
#include <unordered_map>

// The texts a FlexGrid shows: the headings, the cells written one by one, and for long lists a source
// that gives a cell's text only when the view asks for it (the rows shown).
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Source = std::function<QString(int row, int col)>;
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols_; }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setRowCount(int rows);
    void setColumnCount(int cols);
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    QString heading(int col) const { return headings_.value(col); }
    void setHeading(int col, const QString& text);
    // Rows whose cells come from `source`; what setText writes afterwards is shown instead.
    void setSource(int rows, Source source);

private:
    static qint64 key(int row, int col) { return (qint64(row) << 20) | col; }
    int rows_ = 0, cols_ = 0;
    QStringList headings_;
    std::unordered_map<qint64, QString> cells_;
    Source source_;
};

// A text grid as the screens use it. With a fixed row, row 0 is the heading row (kept in view as the
// header) and the data rows count from 1. Column widths are in twips.
class FlexGrid : public QTableView {
    Q_OBJECT
public:
    FlexGrid(const QString& objectName, int fixedRows, QWidget* parent = nullptr);
    int FixedRows() const { return fixed_; }
    int Rows() const { return model_->rowCount() + fixed_; }
    void setRows(int rows);
    int Cols() const { return model_->columnCount(); }
    void setCols(int cols);
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // Data rows 1..rows whose texts `source` gives (row counted from 1) when they are shown.
    void setRowSource(int rows, std::function<QString(int row, int col)> source);
    int colWidthTwips(int col) const;
    void setColWidthTwips(int col, int twips);
    // The sum of the column widths.
    int columnsWidthTwips() const;

private:
    int fixed_;
    GridModel* model_;
    std::map<int, int> widthsTwips_;
};
