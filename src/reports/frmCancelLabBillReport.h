#pragma once

#include "framework/CollectionReportScreen.h"

// The day's cancelled lab bills, one line per bill.
class frmCancelLabBillReport : public CollectionReportScreen {
    Q_OBJECT
public:
    frmCancelLabBillReport();
};
