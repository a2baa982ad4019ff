#pragma once

#include "framework/InfoScreen.h"

// Whom to contact: the hospital's own texts from sanavo.ini.
class frmcontactus : public InfoScreen {
    Q_OBJECT
public:
    frmcontactus();
};
