#pragma once

#include "framework/BillScreen.h"

// The in-patient bill: nine fixed fees and Others lines for an admitted patient, and the advances. An advance
// paid now is a bill of its own (a receipt) added to the patient's AdvancePaid; a final bill deducts the
// advance paid so far and empties it. Stored in InPatientPrintDetails under SettingsInBillNo.
class frmInBill : public BillScreen {
    Q_OBJECT
public:
    frmInBill();

protected:
    void listLines() override;
    std::vector<std::vector<Value>> billRows() const override;
    // The patient's advance, in the bill's transaction.
    void alsoWrite() override;
    std::vector<Recordset*> involvedSets() override { return {patients_.front().get()}; }
    void patientChosen(const Recordset& patients) override;
    void clearFields() override;
    QString alreadyPrinted() const override;
    bool boldBill() const override { return true; }

    QLineEdit* Text3;      // the advance paid so far, from the patient's row
    QLineEdit* txtAdvance; // an advance paid now

private:
    // What the listed bill is: an advance receipt (its amount text) or a bill that deducted the advance.
    QString receipt_;
    bool deducted_ = false;
};
