#pragma once

#include "framework/CollectionReportScreen.h"

// The day's cancelled X-ray bills, one line per bill.
class frmCancelXRayBillReport : public CollectionReportScreen {
    Q_OBJECT
public:
    frmCancelXRayBillReport();
};
