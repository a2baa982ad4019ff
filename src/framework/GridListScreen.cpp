#include "framework/GridListScreen.h"

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
        MSFlexGrid1->setRows(rs_.RecordCount() + 1);
        int row = 1;
        for (rs_.MoveFirst(); !rs_.AtEOF(); rs_.MoveNext(), ++row) {
            for (int c = 0; c < MSFlexGrid1->Cols(); ++c) {
                const int column = list_.columns[static_cast<size_t>(c)].tableColumn;
                QString text = column != RunningNumber ? rs_.FieldText(column) : QString::number(row);
                if (column == RunningNumber && list_.blankBeforeNumber) text.prepend(' ');
                MSFlexGrid1->setTextMatrix(row, c, text);
            }
        }
        MSFlexGrid1->setCurrentItem(nullptr);
    });
    if (!filled && list_.closesWhenEmpty) close();
}
