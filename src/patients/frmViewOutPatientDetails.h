#pragma once

#include "framework/GridListScreen.h"

// The list of all out-patients, opened by View All of the registration screen.
class frmViewOutPatientDetails : public GridListScreen {
    Q_OBJECT
public:
    frmViewOutPatientDetails();
};
