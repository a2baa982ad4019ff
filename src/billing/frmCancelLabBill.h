#pragma once

#include "framework/CancelScreen.h"

// The cancellation of a lab bill: every line of it.
class frmCancelLabBill : public CancelScreen {
    Q_OBJECT
public:
    frmCancelLabBill();
};
