#include "patients/frmViewOutPatientDetails.h"

#include "patients/PatientViews.h"

frmViewOutPatientDetails::frmViewOutPatientDetails()
    : GridListScreen(
          {"frmViewOutPatientDetails", "                            View Out-Patient Details", 6300},
          patientList("SELECT * FROM SettingsOutPatient")) {}
