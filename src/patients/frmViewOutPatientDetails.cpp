#include "patients/frmViewOutPatientDetails.h"

frmViewOutPatientDetails::frmViewOutPatientDetails()
    : GridListScreen(
          {"frmViewOutPatientDetails", "                            View Out-Patient Details", 6300},
          {"SELECT * FROM SettingsOutPatient",
           {{"No.", 500, RunningNumber},
            {"Patient ID", 1500, 0},
            {"Patient Name", 1500, 1},
            {"Sex", 900, 3},
            {"Phone Number", 1500, 4},
            {"Age", 800, 7},
            {"Address", 5000, 9},
            {"Location", 2000, 10}}}) {}
