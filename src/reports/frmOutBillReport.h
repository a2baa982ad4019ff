#pragma once

#include "framework/CollectionReportScreen.h"

// The day's live out-patient bills, all or those with an ECG or a scan charge.
class frmOutBillReport : public CollectionReportScreen {
    Q_OBJECT
public:
    frmOutBillReport();
};
