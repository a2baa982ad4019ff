#include "patients/frmViewOutPatient.h"

#include "patients/PatientViews.h"

frmViewOutPatient::frmViewOutPatient()
    : SearchScreen({"frmViewOutPatient", "                View Patient Details", 3600, 12000},
                   patientSearch("SELECT * FROM SettingsOutPatient")) {}

void ShowViewOutPatient() {
    ShowScreen<frmViewOutPatient>();
}
