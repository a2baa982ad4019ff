#pragma once

#include "framework/CollectionReportScreen.h"

// The day's live in-patient bills, all or those with an ECG or a scan charge.
class frmInBillReport : public CollectionReportScreen {
    Q_OBJECT
public:
    frmInBillReport();
};
