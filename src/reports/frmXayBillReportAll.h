#pragma once

#include "framework/CollectionReportScreen.h"

// The live X-ray bills of a range of days, one line per bill.
class frmXayBillReportAll : public CollectionReportScreen {
    Q_OBJECT
public:
    frmXayBillReportAll();
};
