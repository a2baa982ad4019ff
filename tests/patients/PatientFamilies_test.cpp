// The out-patient and in-patient screens' rows in the record, list and search families.
#include "PatientFixture.h"
#include "patients/frmAddInPatient.h"
#include "patients/frmAddOutPatient.h"
#include "patients/frmViewInPatient.h"
#include "patients/frmViewInPatientDetails.h"
#include "patients/frmViewOutPatient.h"
#include "patients/frmViewOutPatientDetails.h"
#include "support/ListFamilies.h"
#include "support/RecordFamily.h"

namespace {

const QStringList kPatientColumns{"EmployeeID", "FirstName", "Sex",     "MobilePhone",
                                  "Age",        "Address",   "Location"};

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Screens, RecordFamily,
    testing::Values(
        RecordFamilyRow{"OutPatients",
                        [] { return static_cast<RecordScreen*>(ShowScreen<frmAddOutPatient>()); },
                        "SettingsOutPatient", "EmployeeID", "cmbPatientID", QStringList{"OP1", "OP10", "OP2"},
                        [](const ScreenDriver& d, const QString& id) { fillPatient(d.screen(), id); }, "12",
                        "OP12", "Please Select the Another Patient Id\r\nThis Patient ID Already Assigned",
                        "frmViewOutPatientDetails"},
        RecordFamilyRow{"InPatients",
                        [] { return static_cast<RecordScreen*>(ShowScreen<frmAddInPatient>()); },
                        "SettingsInPatient", "EmployeeID", "cmbPatientID", QStringList{"IP1", "IP10", "IP2"},
                        [](const ScreenDriver& d, const QString& id) { fillPatient(d.screen(), id); }, "12",
                        "IP12", "Please Select the Another Patient Id\r\nThis Patient ID Already Assigned",
                        "frmViewInPatientDetails"}),
    RecordFamily::rowName);

INSTANTIATE_TEST_SUITE_P(
    Screens, ListFamily,
    testing::Values(
        ListFamilyRow{
            "OutPatients",
            [] { return static_cast<ListScreen*>(LoadedScreen<frmViewOutPatientDetails>()); },
            "                            View Out-Patient Details",
            {"SettingsOutPatient",
             kPatientColumns,
             {{"OP7", "Gita", "Female", "0112", "64", "Station Road", "Jaffna"},
              {"OP3", "Hari", "Male", "0113", "30", "Lake Road", "Kandy"}}},
            {"No.", "Patient ID", "Patient Name", "Sex", "Phone Number", "Age", "Address", "Location"},
            {500, 1500, 1500, 900, 1500, 800, 5000, 2000},
            {{"1", "OP7", "Gita", "Female", "0112", "64", "Station Road", "Jaffna"},
             {"2", "OP3", "Hari", "Male", "0113", "30", "Lake Road", "Kandy"}}},
        ListFamilyRow{
            "InPatients",
            [] { return static_cast<ListScreen*>(LoadedScreen<frmViewInPatientDetails>()); },
            "                            View In-Patient Details",
            {"SettingsInPatient",
             kPatientColumns,
             {{"IP7", "Gita", "Female", "0112", "64", "Station Road", "Jaffna"},
              {"IP3", "Hari", "Male", "0113", "30", "Lake Road", "Kandy"}}},
            {"No.", "Patient ID", "Patient Name", "Sex", "Phone Number", "Age", "Address", "Location"},
            {500, 1500, 1500, 900, 1500, 800, 5000, 2000},
            {{"1", "IP7", "Gita", "Female", "0112", "64", "Station Road", "Jaffna"},
             {"2", "IP3", "Hari", "Male", "0113", "30", "Lake Road", "Kandy"}}}),
    ListFamily::rowName);

INSTANTIATE_TEST_SUITE_P(
    Screens, SearchFamily,
    testing::Values(
        SearchFamilyRow{"OutPatients",
                        [] { return static_cast<QWidget*>(ShowScreen<frmViewOutPatient>()); },
                        "                View Patient Details",
                        {"SettingsOutPatient",
                         kPatientColumns,
                         {{"OP1", "Anil", "Male", "011", "40", "Old Town", "Kandy"},
                          {"OP2", "Bala", "Female", "022", "33", "Hill Road", "Galle"},
                          {"OP9", "Anil", "Male", "099", "19", "New Town", "Galle"}}},
                        {"Anil", "Bala", "Anil"},
                        {"Patient ID", "Patient Name", "Sex", "Phone Number", "Age", "Address", "Location"},
                        "Anil",
                        {"OP9", "Anil", "Male", "099", "19", "New Town", "Galle"},
                        "Select One Patient Name From List .. ",
                        "Search Dr Details .. ",
                        "Please select the Employee Name",
                        "Employee Name Not Found"},
        SearchFamilyRow{"InPatients",
                        [] { return static_cast<QWidget*>(ShowScreen<frmViewInPatient>()); },
                        "                View Patient Details",
                        {"SettingsInPatient",
                         kPatientColumns,
                         {{"IP1", "Anil", "Male", "011", "40", "Old Town", "Kandy"},
                          {"IP2", "Bala", "Female", "022", "33", "Hill Road", "Galle"},
                          {"IP9", "Anil", "Male", "099", "19", "New Town", "Galle"}}},
                        {"Anil", "Bala", "Anil"},
                        {"Patient ID", "Patient Name", "Sex", "Phone Number", "Age", "Address", "Location",
                         "Prescription Details", "Disease Details", "Health Details", "Discharge Date"},
                        "Anil",
                        {"IP9", "Anil", "Male", "099", "19", "New Town", "Galle", "", "", "", ""},
                        "Select One Patient Name From List .. ",
                        "Search Dr Details .. ",
                        "Please select the Employee Name",
                        "Employee Name Not Found"}),
    SearchFamily::rowName);
