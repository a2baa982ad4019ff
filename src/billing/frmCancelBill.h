#pragma once

#include "framework/CancelScreen.h"
#include "rules/BillLines.h"

// The cancellation of an out-patient bill.
class frmCancelBill : public CancelScreen {
    Q_OBJECT
public:
    frmCancelBill();
};
