#include "patients/frmAddOutPatient.h"

#include "patients/frmViewOutPatientDetails.h"

frmAddOutPatient::frmAddOutPatient()
    : PatientRegistration(
          {"frmAddOutPatient", "                        Add New Out-Patient Details", 4800, 10995},
          "SELECT * FROM SettingsOutPatient Order by EmployeeID", "OP") {}

void frmAddOutPatient::openList() {
    if (auto* list = LoadedScreen<frmViewOutPatientDetails>()) list->LookUp(this);
}

void ShowAddOutPatient() {
    ShowScreen<frmAddOutPatient>();
}
