#include "patients/frmAddInPatient.h"

#include "patients/frmViewInPatientDetails.h"

frmAddInPatient::frmAddInPatient()
    : PatientRegistration(
          {"frmAddInPatient", "                        Add New In-Patient Details", 4800, 10995},
          "SELECT * FROM SettingsInPatient Order by EmployeeID", "IP") {
    // Discharged: "No" on every save, an edit of a discharged patient included.
    bind(17, Field{nullptr, [](const Value&) {}, [] { return Value::text("No"); }, [] {}});
}

void frmAddInPatient::openList() {
    if (auto* list = LoadedScreen<frmViewInPatientDetails>()) list->LookUp(this);
}
