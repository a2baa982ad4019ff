#pragma once

#include "framework/CollectionReportScreen.h"

// The live lab bills of a range of days, one line per bill.
class frmLabBillReportAll : public CollectionReportScreen {
    Q_OBJECT
public:
    frmLabBillReportAll();
};
