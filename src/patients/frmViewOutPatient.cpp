#include "patients/frmViewOutPatient.h"

frmViewOutPatient::frmViewOutPatient()
    : PatientSearchScreen("frmViewOutPatient", "                View Patient Details", 3600, 12000,
                          "SELECT * FROM SettingsOutPatient",
                          {{"Patient ID", 1200, 0},
                           {"Patient Name", 1800, 1},
                           {"Sex", 800, 3},
                           {"Phone Number", 1500, 4},
                           {"Age", 600, 7},
                           {"Address", 3300, 9},
                           {"Location", 1800, 10}}) {}

void ShowViewOutPatient() {
    ShowScreen<frmViewOutPatient>();
}
