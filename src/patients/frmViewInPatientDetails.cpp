#include "patients/frmViewInPatientDetails.h"

#include "patients/PatientViews.h"

frmViewInPatientDetails::frmViewInPatientDetails()
    : GridListScreen({"frmViewInPatientDetails", "                            View In-Patient Details", 6300},
                     patientList("SELECT * FROM SettingsInPatient")) {}
