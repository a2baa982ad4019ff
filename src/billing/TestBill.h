#pragma once

#include "framework/BillScreen.h"

class QComboBox;
class QLineEdit;

// What tells the lab bill from the X-ray bill.
struct TestBillRow {
    ScreenInfo info;
    BillTables tables;
    QString catalogue;  // "SELECT * FROM SettingsLab Order by Description"
    QString prefix;     // before a test's description on its line ("XRay-")
    int adultColumn;    // the catalogue's price column
    int childrenColumn; // the price below age 8 (the adult column where the catalogue has one price)
};

// A bill of tests from a catalogue for an in-patient or out-patient: one line per test added, a discount in
// percent, one stored row per line. The lab and X-ray bills are its two rows.
class TestBill : public BillScreen {
    Q_OBJECT
public:
    explicit TestBill(TestBillRow row);

protected:
    bool openOwnSets() override;
    bool addNeedsPatient() const override { return false; }
    void listLines() override;
    // The discount checked and the amount due worked out, before anything is asked or printed.
    bool beforePrint() override;
    void showTotals() override;
    BillSheet sheet() const override;
    std::vector<std::vector<Value>> billRows() const override;
    void clearFields() override;
    QString alreadyPrinted() const override;
    bool boldBill() const override { return true; }

    QComboBox* cmbDescription;
    QLineEdit* txtCTotal;
    QLineEdit* txtDiscount;

private:
    // On a change of the description: the price of the test of that name becomes the selected price.
    void chooseTest();
    double discount() const;
    double gross() const;

    TestBillRow row_;
    Recordset catalogue_;
    // The price of the test picked last, as the catalogue holds it; kept across lines and Clear.
    QString selectedPrice_;
};
