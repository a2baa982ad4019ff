#include "billing/frmLabBillReport.h"

frmLabBillReport::frmLabBillReport()
    : TestBill({{"frmLabBillReport", QString(19, ' ') + "Settings Lab Bill Details", 7800, 11400},
                LabBills,
                "SELECT * FROM SettingsLab Order by Description",
                QString(),
                1,
                1}) {}
