#pragma once

#include "data/Recordset.h"
#include "framework/FlexGrid.h"
#include "framework/PictureButton.h"
#include "framework/Screens.h"

#include <vector>

class QComboBox;

// One column of a patient grid: its heading, its width in twips and the table column it shows
// (RunningNumber: the row's number counted from 1).
struct PatientColumn {
    QString header;
    int widthTwips;
    int tableColumn;
};
constexpr int RunningNumber = -1;

// The list of every patient of a table, one grid row per patient in table order, opened through LookUp.
class PatientListScreen : public ListScreen {
    Q_OBJECT
public:
    // Opens the table and fills the grid. False when the table cannot be opened (the "Database Error"
    // box has been shown and the program ends).
    bool load();

protected:
    PatientListScreen(const QString& objectName, const QString& caption, const QString& query,
                      std::vector<PatientColumn> columns);

    FlexGrid* MSFlexGrid1;

private:
    QString caption_;
    QString query_;
    std::vector<PatientColumn> columns_;
    Recordset rs_;
};

// The search of a patient by name: the name list, the search button and one grid row for the patient
// found. Opened from the menu.
class PatientSearchScreen : public MenuScreen {
    Q_OBJECT
public:
    bool load();
    // Picture1: shows the patient whose name equals the chosen one (the last of several).
    void search();

protected:
    PatientSearchScreen(const QString& objectName, const QString& caption, int heightTwips, int widthTwips,
                        const QString& query, std::vector<PatientColumn> columns);

    QComboBox* cmbEmpName;
    PictureButton* Picture1;
    PictureButton* Picture11;
    FlexGrid* MSFlexGrid1;

private:
    QString caption_;
    int heightTwips_;
    int widthTwips_;
    QString query_;
    std::vector<PatientColumn> columns_;
    Recordset rs_;
};
