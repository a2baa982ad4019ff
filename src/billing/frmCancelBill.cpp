#include "billing/frmCancelBill.h"

frmCancelBill::frmCancelBill()
    : CancelScreen({{"frmCancelBill", QString(19, ' ') + "Settings Out-Patient Cancel Bill", 6300, 10995},
                    OutPatientBills,
                    "SELECT * FROM OutPatientPrintDetails where BillDelete='Available'",
                    QString(),
                    10,
                    11,
                    9,
                    OutPatientFees + QStringList{"Others"}}) {}
