#include "billing/frmCancelLabBill.h"

frmCancelLabBill::frmCancelLabBill()
    : CancelScreen({{"frmCancelLabBill", QString(19, ' ') + "Settings Lab Cancel Bill", 6300, 10995},
                    LabBills,
                    "SELECT * FROM LabPrintDetails where BillDelete='Available' Order by BillNo",
                    "SELECT DISTINCT(BillNo) FROM LabPrintDetails where BillDelete='Available'",
                    7,
                    8,
                    6,
                    QStringList()}) {}
