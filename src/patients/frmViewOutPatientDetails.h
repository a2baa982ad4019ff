#pragma once

#include "patients/PatientLists.h"

// The list of all out-patients, opened by View All of the registration screen.
class frmViewOutPatientDetails : public PatientListScreen {
    Q_OBJECT
public:
    frmViewOutPatientDetails();
};
