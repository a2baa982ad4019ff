#include "framework/FlexGrid.h"

#include "framework/Chrome.h"

#include <QHeaderView>

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    return text(index.row(), index.column());
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return role == Qt::DisplayRole ? QVariant(heading(section)) : QVariant();
}

QString GridModel::text(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return {};
    const auto at = cells_.find(key(row, col));
    if (at != cells_.end()) return at->second;
    return source_ ? source_(row, col) : QString();
}

void GridModel::setText(int row, int col, const QString& text) {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return;
    cells_[key(row, col)] = text;
    emit dataChanged(index(row, col), index(row, col));
}

void GridModel::setHeading(int col, const QString& text) {
    if (col < 0 || col >= cols_) return;
    headings_[col] = text;
    emit headerDataChanged(Qt::Horizontal, col, col);
}

void GridModel::setRowCount(int rows) {
    rows = std::max(0, rows);
    if (rows == rows_) return;
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
        return;
    }
    beginRemoveRows({}, rows, rows_ - 1);
    for (auto it = cells_.begin(); it != cells_.end();)
        it = (it->first >> 20) >= rows ? cells_.erase(it) : std::next(it);
    rows_ = rows;
    endRemoveRows();
}

void GridModel::setColumnCount(int cols) {
    beginResetModel();
    cols_ = std::max(0, cols);
    while (headings_.size() < cols_)
        headings_ << QString();
    headings_.resize(cols_);
    endResetModel();
}

void GridModel::setSource(int rows, Source source) {
    beginResetModel();
    cells_.clear();
    rows_ = std::max(0, rows);
    source_ = std::move(source);
    endResetModel();
}

FlexGrid::FlexGrid(const QString& objectName, int fixedRows, QWidget* parent)
    : QTableView(parent), fixed_(fixedRows > 0 ? 1 : 0), model_(new GridModel(this)) {
    setObjectName(objectName);
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    // Rows are not measured one by one: a long list costs what its shown rows cost.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setVisible(fixed_ == 1);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    setAlternatingRowColors(true);
    setStyleSheet(
        "QTableView { gridline-color: rgb(228, 184, 184); alternate-background-color: rgb(250, 244, 243); }"
        "QHeaderView { background: rgb(244, 233, 231); }"
        "QHeaderView::section { background: rgb(244, 233, 231); color: rgb(140, 34, 44); border: none;"
        " border-right: 1px solid rgb(228, 184, 184); border-bottom: 1px solid rgb(196, 36, 36);"
        " padding: 3px 3px; }");
    setCols(2);
    setRows(fixed_ + 1);
}

void FlexGrid::setRows(int rows) {
    model_->setRowCount(rows - fixed_);
}

void FlexGrid::setCols(int cols) {
    model_->setColumnCount(cols);
    for (const auto& [col, twips] : widthsTwips_)
        if (col < Cols()) setColWidthTwips(col, twips);
}

QString FlexGrid::TextMatrix(int row, int col) const {
    if (row < fixed_) return model_->heading(col);
    return model_->text(row - fixed_, col);
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    if (row < fixed_)
        model_->setHeading(col, text);
    else
        model_->setText(row - fixed_, col, text);
}

void FlexGrid::setRowSource(int rows, std::function<QString(int row, int col)> source) {
    model_->setSource(rows, [source = std::move(source)](int row, int col) { return source(row + 1, col); });
    for (const auto& [col, twips] : widthsTwips_)
        if (col < Cols()) setColumnWidth(col, (twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

namespace {
int pixelsOf(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
} // namespace

int FlexGrid::colWidthTwips(int col) const {
    // The width as given, while the column still has the pixels it was given.
    const auto given = widthsTwips_.find(col);
    if (given != widthsTwips_.end() && pixelsOf(given->second) == columnWidth(col)) return given->second;
    return toTwips(columnWidth(col));
}

void FlexGrid::setColWidthTwips(int col, int twips) {
    widthsTwips_[col] = twips;
    setColumnWidth(col, pixelsOf(twips));
}

int FlexGrid::columnsWidthTwips() const {
    int sum = 0;
    for (int c = 0; c < Cols(); ++c)
        sum += colWidthTwips(c);
    return sum;
}
