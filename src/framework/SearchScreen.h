#pragma once

#include "data/Recordset.h"
#include "framework/FlexGrid.h"
#include "framework/GridListScreen.h"
#include "framework/PictureButton.h"
#include "framework/Screens.h"

#include <vector>

class QComboBox;

// How a search screen shows the row found: its headings across one heading row over one row of values
// (Rows), or down the first of two columns beside the values, each cell wrapped to its text (Transposed).
enum class DetailLayout { Rows, Transposed };

// One grid column per heading, column c showing table column c (a detail view of every column).
std::vector<GridColumn> columnsInTableOrder(const QStringList& headings);

// What a search screen looks for, and the texts it says it with.
struct NameSearch {
    QString query;
    QString nameList;  // the name list's given name
    QString nameLabel; // its visible label
    QString nameTip;   // the tip of its help icon Picture11
    int nameColumn = 1;
    QString emptyText;    // nothing chosen: shown with no icon and the application title
    QString notFoundText; // no row of the name: shown critical, titled "Warning"
    // The columns shown; in the transposed layout their widths are not used.
    std::vector<GridColumn> columns;
    DetailLayout layout = DetailLayout::Rows;
    // With several rows of the name, the last one is shown (otherwise the first).
    bool lastMatch = false;
    // The transposed layout's heading and value column widths.
    int headingWidthTwips = 1500;
    int valueWidthTwips = 3000;
};

// The search of one row of a table by name: the name list, the search button and the grid showing the
// row found. Opened from the menu. The keyboard starts in the name list; Enter there searches, and Tab goes
// from it straight to the search button.
class SearchScreen : public MenuScreen {
    Q_OBJECT
public:
    // Picture1: shows the row whose name equals the chosen one.
    void search();
    QComboBox* nameList() const { return names_; }

protected:
    SearchScreen(ScreenInfo info, NameSearch wanted);
    void setPictures() override;
    bool openSets() override;
    void showRows() override;

    PictureButton* Picture1;
    PictureButton* Picture11;
    FlexGrid* MSFlexGrid1;

private:
    // Writes the current row into the grid.
    void showCurrent();

    NameSearch search_;
    QComboBox* names_;
    PictureRow searchButton_;
    Recordset rs_;
};
