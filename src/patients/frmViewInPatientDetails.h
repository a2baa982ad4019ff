#pragma once

#include "framework/GridListScreen.h"

// The list of all in-patients, opened by View All of the admission screen.
class frmViewInPatientDetails : public GridListScreen {
    Q_OBJECT
public:
    frmViewInPatientDetails();
};
