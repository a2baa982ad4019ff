#pragma once

#include "framework/CollectionReportScreen.h"

// The day's cancelled in-patient bills, by their own date.
class frmCancelInBillReport : public CollectionReportScreen {
    Q_OBJECT
public:
    frmCancelInBillReport();
};
