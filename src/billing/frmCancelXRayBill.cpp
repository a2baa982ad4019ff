#include "billing/frmCancelXRayBill.h"

frmCancelXRayBill::frmCancelXRayBill()
    : CancelScreen({{"frmCancelXRayBill", QString(19, ' ') + "Settings XRay Cancel Bill", 6300, 10995},
                    XRayBills,
                    "SELECT * FROM XRayPrintDetails where BillDelete='Available'",
                    "SELECT DISTINCT(BillNo) FROM XRayPrintDetails where BillDelete='Available'",
                    7,
                    8,
                    6,
                    QStringList()}) {}
