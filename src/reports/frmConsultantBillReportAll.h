#pragma once

#include "framework/CollectionReportScreen.h"

// The consultant fees of a range of days, by doctor.
class frmConsultantBillReportAll : public CollectionReportScreen {
    Q_OBJECT
public:
    frmConsultantBillReportAll();
};
