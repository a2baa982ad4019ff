#pragma once

#include "data/Recordset.h"
#include "framework/FlexGrid.h"
#include "framework/Screens.h"

#include <vector>

// One column of a grid: its heading, its width in twips and the table column it shows.
struct GridColumn {
    QString heading;
    int widthTwips;
    int tableColumn; // RunningNumber: the row's number counted from 1
};
constexpr int RunningNumber = -1;

// Gives the grid the columns' headings (in its heading row) and widths.
void setUpColumns(FlexGrid* grid, const std::vector<GridColumn>& columns);

// What a list screen shows of its table, and how.
struct GridList {
    QString query;
    std::vector<GridColumn> columns;
    // The running number written with a leading blank (" 1").
    bool blankBeforeNumber = false;
    // The grid is as wide as its columns plus 350 twips, but at most this wide (0: no limit).
    int widestGridTwips = 0;
    // An empty table: after "No Record Found" the list does not open (its caller stays enabled).
    bool closesWhenEmpty = false;
};

// The list of every row of a table, one grid row per table row in table order, opened through LookUp.
// The window follows the grid, so the width given in its ScreenInfo is not used.
class GridListScreen : public ListScreen {
    Q_OBJECT
protected:
    GridListScreen(ScreenInfo info, GridList list);
    bool openSets() override;
    void showRows() override;

    FlexGrid* MSFlexGrid1;

private:
    // The text of a data row's cell (rows counted from 1).
    QString cellText(int row, int col);

    GridList list_;
    Recordset rs_;
};
