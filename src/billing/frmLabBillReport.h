#pragma once

#include "billing/TestBill.h"

// The lab bill: tests of SettingsLab, stored in LabPrintDetails under SettingsLabBillNo.
class frmLabBillReport : public TestBill {
    Q_OBJECT
public:
    frmLabBillReport();
};
