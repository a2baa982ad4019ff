#pragma once

#include "patients/PatientRegistration.h"

// Registration of out-patients: the table SettingsOutPatient, IDs "OP" followed by the typed text.
class frmAddOutPatient : public PatientRegistration {
    Q_OBJECT
public:
    frmAddOutPatient();

protected:
    void openList() override;
};

// The menu command "mnuNewPateient": loads the registration screen if needed and shows it.
void ShowAddOutPatient();
