#pragma once

#include "framework/CollectionReportScreen.h"

// The live in-patient bills of a range of days.
class frmInBillReportAll : public CollectionReportScreen {
    Q_OBJECT
public:
    frmInBillReportAll();
};
