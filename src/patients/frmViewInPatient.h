#pragma once

#include "framework/SearchScreen.h"

// The search of an in-patient by name, with the discharge details.
class frmViewInPatient : public SearchScreen {
    Q_OBJECT
public:
    frmViewInPatient();
};
