#pragma once

#include "framework/CollectionReportScreen.h"

// The day's cancelled out-patient bills, by their own date.
class frmCancelOutBillReport : public CollectionReportScreen {
    Q_OBJECT
public:
    frmCancelOutBillReport();
};
