#include "framework/GridListScreen.h"

#include "data/DbError.h"
#include "rules/Twips.h"

#include <QVBoxLayout>
#include <algorithm>

namespace {

int gridWidthTwips(const GridList& list) {
    int sum = 350;
    for (const GridColumn& c : list.columns)
        sum += c.widthTwips;
    return list.widestGridTwips > 0 ? std::min(sum, list.widestGridTwips) : sum;
}

ScreenInfo followingTheGrid(ScreenInfo info, const GridList& list) {
    // The body's margins lie beside the grid.
    info.widthTwips = gridWidthTwips(list) + toTwips(36 + 4);
    return info;
}

} // namespace

void setUpColumns(FlexGrid* grid, const std::vector<GridColumn>& columns) {
    grid->setCols(static_cast<int>(columns.size()));
    for (int c = 0; c < grid->Cols(); ++c) {
        grid->setTextMatrix(0, c, columns[static_cast<size_t>(c)].heading);
        grid->setColWidthTwips(c, columns[static_cast<size_t>(c)].widthTwips);
    }
}

GridListScreen::GridListScreen(ScreenInfo info, GridList list)
    : ListScreen(followingTheGrid(std::move(info), list)), list_(std::move(list)) {
    MSFlexGrid1 = new FlexGrid("MSFlexGrid1", 1, this);
    setUpColumns(MSFlexGrid1, list_.columns);
    body()->addWidget(MSFlexGrid1);
}

bool GridListScreen::openSets() {
    return OpenWorkingSet(rs_, list_.query, Recordset::Mode::Grid);
}

void GridListScreen::showRows() {
    const bool filled = withRows(rs_, [this] {
        // The view asks for the rows it shows; the record set reads them from the file then.
        MSFlexGrid1->setRowSource(rs_.RecordCount(), [this](int row, int col) { return cellText(row, col); });
        MSFlexGrid1->setCurrentIndex({});
    });
    // The keyboard scrolls the list at once (arrows, Page Up and Down, Home, End).
    MSFlexGrid1->setFocus();
    if (!filled && list_.closesWhenEmpty) close();
}

QString GridListScreen::cellText(int row, int col) {
    const int column = list_.columns[static_cast<size_t>(col)].tableColumn;
    if (column == RunningNumber) return (list_.blankBeforeNumber ? " " : "") + QString::number(row);
    try {
        rs_.MoveTo(row - 1);
        return rs_.FieldText(column);
    } catch (const DbError&) {
        // A row another program deleted since the list opened shows empty.
        return {};
    }
}
