#include "patients/frmViewInPatient.h"

#include "patients/PatientViews.h"

frmViewInPatient::frmViewInPatient()
    : SearchScreen({"frmViewInPatient", "                View Patient Details", 3600, 12000},
                   patientSearch("SELECT * FROM SettingsInPatient", {{"Prescription Details", 2000, 13},
                                                                     {"Disease Details", 2000, 14},
                                                                     {"Health Details", 2000, 15},
                                                                     {"Discharge Date", 1300, 16}})) {}
