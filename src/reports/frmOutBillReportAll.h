#pragma once

#include "framework/CollectionReportScreen.h"

// The live out-patient bills of a range of days.
class frmOutBillReportAll : public CollectionReportScreen {
    Q_OBJECT
public:
    frmOutBillReportAll();
};
