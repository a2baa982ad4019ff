#include "billing/frmBill.h"

frmBill::frmBill()
    : BillScreen({"frmBill", QString(19, ' ') + "Settings Out-Patient Bill Details", 7800, 11400},
                 OutPatientBills,
                 {{"SELECT * FROM SettingsOutPatient Order by FirstName",
                   "Please add the OutPatient Details First"}}) {
    makeFees(OutPatientFees);
}

QString frmBill::alreadyPrinted() const {
    return "You cannt Change the Bill Already Printed ! Cancel The Bill Again Give Print";
}
