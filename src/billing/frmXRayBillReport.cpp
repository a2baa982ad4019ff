#include "billing/frmXRayBillReport.h"

frmXRayBillReport::frmXRayBillReport()
    : TestBill({{"frmXRayBillReport", QString(19, ' ') + "Settings XRay Bill Details", 7800, 11400},
                XRayBills,
                "SELECT * FROM SettingsXRay Order by Description",
                "XRay-",
                1,
                2}) {}
