#pragma once

#include "patients/PatientLists.h"

// The search of an out-patient by name.
class frmViewOutPatient : public PatientSearchScreen {
    Q_OBJECT
public:
    frmViewOutPatient();
};

// The menu command "mnuOutPatientHistory": loads the search screen if needed and shows it.
void ShowViewOutPatient();
