#include "billing/frmBill.h"

#include "framework/DatePicker.h"

#include <QComboBox>
#include <QLineEdit>

frmBill::frmBill()
    : BillScreen({"frmBill", QString(19, ' ') + "Settings Out-Patient Bill Details", 7800, 11400},
                 OutPatientBills,
                 {{"SELECT * FROM SettingsOutPatient Order by FirstName",
                   "Please add the OutPatient Details First"}}) {
    makeFees({"Dr Fees", "Dressing Charges", "X-Ray", "Lab Charge", "ECG", "Scan"});
}

std::vector<std::vector<Value>> frmBill::billRows() const {
    std::vector<Value> row{Value(), Value::date(DTPicker1->date())};
    for (const Value& fee : storedFees())
        row.push_back(fee);
    row.push_back(Value::text(txtTotal->text()));
    row.push_back(Value::text(txtPatientID->text()));
    row.push_back(Value::text(cmbPatientName->currentText()));
    return {row};
}

QString frmBill::alreadyPrinted() const {
    return "You cannt Change the Bill Already Printed ! Cancel The Bill Again Give Print";
}
