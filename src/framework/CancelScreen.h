#pragma once

#include "data/Recordset.h"
#include "framework/PictureButton.h"
#include "framework/Screens.h"
#include "rules/BillBook.h"

#include <QStringList>
#include <vector>

class DatePicker;
class QComboBox;
class QLineEdit;
class QTreeWidget;

// What tells one cancel screen from another: its bill table and how a bill is shown.
struct CancelLayout {
    ScreenInfo info;
    BillTables kind;
    QString rowsQuery;    // the live rows
    QString numbersQuery; // the live numbers, one per bill; empty: column 0 of every live row
    int nameColumn;
    int idColumn;
    int totalColumn;
    // A bill of one row: its amount columns from column 2, shown in Text1_0.. under these captions. Empty:
    // a bill of one row per test, each a line of List (columns 2 and 3), with txtDiscount (column 4) and
    // txtGrassTotal (column 5).
    QStringList feeCaptions;
};

// The cancel screen every kind of bill has: the live bill numbers, the chosen bill shown, and Picture1,
// which after a question marks every row of the bill "Deleted" and records the cancellation, in one
// transaction, then closes the screen. Nothing else changes: not the counter, not the patient.
class CancelScreen : public MenuScreen {
    Q_OBJECT
public:
    ~CancelScreen() override;
    // Picture1.
    void cancelBill();

protected:
    explicit CancelScreen(CancelLayout layout);
    void setPictures() override;
    bool openSets() override;
    void showRows() override;

    QComboBox* cmbBillNumber;
    DatePicker* DTPicker1;
    QLineEdit* txtPatientName;
    QLineEdit* txtPatientID;
    QLineEdit* txtTotal;
    std::vector<QLineEdit*> Text1; // a one-row bill's amounts
    QTreeWidget* List = nullptr;   // a test bill's lines
    QLineEdit* txtDiscount = nullptr;
    QLineEdit* txtGrassTotal = nullptr;
    PictureButton* Picture1;
    PictureButton* Picture2;
    PictureButton* Picture11;

private:
    // The bill whose number the box holds is shown; a number that is no live bill's empties the boxes.
    void chooseBill();
    void emptyBill();

    CancelLayout layout_;
    Recordset rows_;
    PictureRow buttons_;
    std::vector<int> shown_; // the rows of the bill shown
    long long shownNumber_ = 0;
    QObject* chooseOnLeave_; // gone before the controls, whose destruction moves the focus
};
