#include "patients/frmViewOutPatient.h"

frmViewOutPatient::frmViewOutPatient()
    : SearchScreen({"frmViewOutPatient", "                View Patient Details", 3600, 12000},
                   {.query = "SELECT * FROM SettingsOutPatient",
                    .nameList = "cmbEmpName",
                    .nameLabel = "Patient Name",
                    .nameTip = "Select One Patient Name From List .. ",
                    .emptyText = "Please select the Employee Name",
                    .notFoundText = "Employee Name Not Found",
                    .columns = {{"Patient ID", 1200, 0},
                                {"Patient Name", 1800, 1},
                                {"Sex", 800, 3},
                                {"Phone Number", 1500, 4},
                                {"Age", 600, 7},
                                {"Address", 3300, 9},
                                {"Location", 1800, 10}},
                    .lastMatch = true}) {}

void ShowViewOutPatient() {
    ShowScreen<frmViewOutPatient>();
}
