#include "reference/FlexGrid.h"

#include "shell/Chrome.h"

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

int FlexGrid::colWidthTwips(int col) const {
    return toTwips(columnWidth(col));
}

void FlexGrid::setColWidthTwips(int col, int twips) {
    setColumnWidth(col, toPixels(twips));
}

int FlexGrid::columnsWidthTwips() const {
    int sum = 0;
    for (int c = 0; c < columnCount(); ++c)
        sum += colWidthTwips(c);
    return sum;
}
