#pragma once

#include "framework/CancelScreen.h"
#include "rules/BillLines.h"

// The cancellation of an in-patient bill.
class frmCancelInBill : public CancelScreen {
    Q_OBJECT
public:
    frmCancelInBill();
};
