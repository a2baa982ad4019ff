#include "framework/FlexGrid.h"

#include "framework/Chrome.h"

#include <QHeaderView>

FlexGrid::FlexGrid(const QString& objectName, int fixedRows, QWidget* parent)
    : QTableWidget(parent), fixed_(fixedRows > 0 ? 1 : 0) {
    setObjectName(objectName);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setVisible(fixed_ == 1);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    setAlternatingRowColors(true);
    setStyleSheet(
        "QTableWidget { gridline-color: rgb(228, 184, 184); alternate-background-color: rgb(250, 244, 243); }"
        "QHeaderView { background: rgb(244, 233, 231); }"
        "QHeaderView::section { background: rgb(244, 233, 231); color: rgb(140, 34, 44); border: none;"
        " border-right: 1px solid rgb(228, 184, 184); border-bottom: 1px solid rgb(196, 36, 36);"
        " padding: 3px 3px; }");
    setCols(2);
    setRows(fixed_ + 1);
}

void FlexGrid::setRows(int rows) {
    setRowCount(std::max(0, rows - fixed_));
}

void FlexGrid::setCols(int cols) {
    setColumnCount(std::max(0, cols));
    for (int c = 0; c < columnCount(); ++c)
        if (!horizontalHeaderItem(c)) setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
}

QString FlexGrid::TextMatrix(int row, int col) const {
    if (row < fixed_) {
        const QTableWidgetItem* h = horizontalHeaderItem(col);
        return h ? h->text() : QString();
    }
    const QTableWidgetItem* i = item(row - fixed_, col);
    return i ? i->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    if (col < 0 || col >= columnCount() || row < 0 || row >= Rows()) return;
    if (row < fixed_) {
        horizontalHeaderItem(col)->setText(text);
        return;
    }
    if (QTableWidgetItem* i = item(row - fixed_, col))
        i->setText(text);
    else
        setItem(row - fixed_, col, new QTableWidgetItem(text));
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
    for (int c = 0; c < columnCount(); ++c)
        sum += colWidthTwips(c);
    return sum;
}
