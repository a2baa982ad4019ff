#pragma once

#include "framework/BillScreen.h"

// The out-patient bill: six fixed fees and Others lines for one registered out-patient, stored in
// OutPatientPrintDetails under the next number of SettingsOutBillNo.
class frmBill : public BillScreen {
    Q_OBJECT
public:
    frmBill();

protected:
    void listLines() override { listFees(); }
    std::vector<std::vector<Value>> billRows() const override { return {feeBillRow()}; }
    void clearFields() override { emptyFees(); }
    QString alreadyPrinted() const override;
    bool describesFailure() const override { return true; }
};
