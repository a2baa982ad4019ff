#include "billing/frmCancelInBill.h"

frmCancelInBill::frmCancelInBill()
    : CancelScreen({{"frmCancelInBill", QString(19, ' ') + "Settings In-Patient Cancel Bill", 6300, 10995},
                    InPatientBills,
                    "SELECT * FROM InPatientPrintDetails where BillDelete='Available'",
                    QString(),
                    13,
                    14,
                    12,
                    InPatientFees + QStringList{"Others"}}) {}
