#pragma once

#include "framework/CancelScreen.h"

// The cancellation of an X-ray bill: every line of it.
class frmCancelXRayBill : public CancelScreen {
    Q_OBJECT
public:
    frmCancelXRayBill();
};
