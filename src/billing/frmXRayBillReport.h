#pragma once

#include "billing/TestBill.h"

// The X-ray bill: examinations of SettingsXRay at the adult price from age 8 and the children's price
// below it, stored in XRayPrintDetails under SettingsXRayBillNo.
class frmXRayBillReport : public TestBill {
    Q_OBJECT
public:
    frmXRayBillReport();
};
