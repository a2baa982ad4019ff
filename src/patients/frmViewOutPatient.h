#pragma once

#include "framework/SearchScreen.h"

// The search of an out-patient by name.
class frmViewOutPatient : public SearchScreen {
    Q_OBJECT
public:
    frmViewOutPatient();
};

// The menu command "mnuOutPatientHistory": loads the search screen if needed and shows it.
void ShowViewOutPatient();
