#pragma once

#include "patients/PatientRegistration.h"

// Admission of in-patients: the table SettingsInPatient, IDs "IP" followed by the typed text. Every save
// marks the patient not discharged; the discharge details and the advance are left as they are.
class frmAddInPatient : public PatientRegistration {
    Q_OBJECT
public:
    frmAddInPatient();

protected:
    void openList() override;
};
