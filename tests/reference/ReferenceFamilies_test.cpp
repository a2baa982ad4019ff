// The reference data screens' rows in the record, list and search families.
#include "data/Environment.h"
#include "data/modVBDes.h"
#include "reference/frmAddConsultant.h"
#include "reference/frmAddDoctorDetail.h"
#include "reference/frmAddEmployeeDetail.h"
#include "reference/frmAddLabDetails.h"
#include "reference/frmAddNewUser.h"
#include "reference/frmAddXRayDetails.h"
#include "reference/frmViewAllConsultant.h"
#include "reference/frmViewAllDoctors.h"
#include "reference/frmViewAllLab.h"
#include "reference/frmViewAllUsers.h"
#include "reference/frmViewAllXRay.h"
#include "reference/frmViewDrDetails.h"
#include "reference/frmViewEmpDetails.h"
#include "reference/frmViewEmployeeDetails.h"
#include "reference/frmViewUserDetails.h"
#include "support/ListFamilies.h"
#include "support/RecordFamily.h"

#include <QDateEdit>

namespace {

// Fills a new test: the description as typed, then its amounts.
void fillLab(const ScreenDriver& d, const QString& description) {
    d.type("cmbPatientID", description);
    d.type("txtPassword", "250");
}

void fillXRay(const ScreenDriver& d, const QString& description) {
    d.type("txtUserName", description);
    d.type("txtPassword", "400");
    d.type("txtConfirmPassword", "300");
}

void fillUser(const ScreenDriver& d, const QString& name) {
    d.type("txtUserName", name);
    d.type("txtPassword", "ward7");
    d.type("txtConfirmPassword", "ward7");
    d.click("Option1_2");
}

void fillDoctor(const ScreenDriver& d, const QString& name) {
    d.type("txtDoctorID", name);
    d.type("txtFirstName", "Telmar");
}

// Every field an employee needs, so the save asks nothing.
void fillEmployee(const ScreenDriver& d, const QString& id) {
    d.type("txtEmployeeID", id);
    for (const auto& [box, keys] : std::vector<std::pair<QString, QString>>{{"txtFirstName", "Asha"},
                                                                            {"txtLastName", "K"},
                                                                            {"cmbSex", "F"},
                                                                            {"txtAddress", "3 Hill Street"},
                                                                            {"txtEmployeeType", "Nurse"},
                                                                            {"txtQualification", "BSc"},
                                                                            {"txtMobilePhone", "0771"},
                                                                            {"txtHomePhone", "0112"},
                                                                            {"txtEmailId", "asha@ward"}})
        d.type(box, keys);
    d.control<QDateEdit>("DTPicker1")->setDate(Today().addYears(-30));
}

// A doctor picked from the list, a patient and an amount.
void fillFee(const ScreenDriver& d, const QString& doctor) {
    d.type("cmbPatientID", doctor);
    d.type("Combo1", "OP");
    d.type("txtPassword", "300");
}

const QString kDuplicateName = "Please Select the Another Name\r\nThis Name Already Available";

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Screens, RecordFamily,
    testing::Values(
        RecordFamilyRow{"Lab", [] { return static_cast<RecordScreen*>(ShowScreen<frmAddLabDetails>()); },
                        "SettingsLab", "Description", "cmbPatientID", QStringList{"CBC", "ESR", "Urea"},
                        fillLab, "Lipid Profile", "Lipid Profile", kDuplicateName, "frmViewAllLab"},
        RecordFamilyRow{"XRay", [] { return static_cast<RecordScreen*>(ShowScreen<frmAddXRayDetails>()); },
                        "SettingsXRay", "Description", "txtUserName", QStringList{"Skull", "Chest", "Hand"},
                        fillXRay, "Knee", "Knee", kDuplicateName, "frmViewAllXRay"},
        RecordFamilyRow{
            "Doctors", [] { return static_cast<RecordScreen*>(ShowScreen<frmAddDoctorDetail>()); },
            "SettingDrDetails", "DoctorID", "txtDoctorID", QStringList{"Dr.Rao", "Dr.Anand", "Dr.Mary"},
            fillDoctor, "Dr.Telmar , M.B.B.S", "Dr.Telmar , M.B.B.S",
            "Please Select the Another Doctor Id\r\nThis Doctor ID Already Assigned", "frmViewAllDoctors"},
        RecordFamilyRow{"Employees",
                        [] { return static_cast<RecordScreen*>(ShowScreen<frmAddEmployeeDetail>()); },
                        "SettingsEmployeeDetails", "EmployeeID", "txtEmployeeID",
                        QStringList{"101", "207", "150"}, fillEmployee, "12a3", "123",
                        "Please Select the Another Employee Id\r\nThis Employee ID Already Assigned",
                        "frmViewEmployeeDetails"},
        // The screen opens only with in-patients, out-patients and doctors stored; "Dr.K" completes to the
        // one doctor.
        RecordFamilyRow{"Consultant",
                        [] { return static_cast<RecordScreen*>(ShowScreen<frmAddConsultant>()); },
                        "SettingsConsultant",
                        "DrName",
                        "cmbPatientID",
                        QStringList{"Dr.A", "Dr.B", "Dr.C"},
                        fillFee,
                        "Dr.K",
                        "Dr.Kumar",
                        "Please Select the Another Name and Patient ID\r\nThis Name Already Available",
                        "frmViewAllConsultant",
                        false,
                        {{"SettingsInPatient", {"EmployeeID"}, {"IP1"}},
                         {"SettingsOutPatient", {"EmployeeID"}, {"OP1"}},
                         {"SettingDrDetails", {"DoctorID"}, {"Dr.Kumar"}}}},
        // The user name takes letters only: the digits of "nurse7" are refused.
        RecordFamilyRow{"Users", [] { return static_cast<RecordScreen*>(ShowScreen<frmAddNewUser>()); },
                        "SettingsNewUser", "UserName", "txtUserName", QStringList{"anil", "bala", "chitra"},
                        fillUser, "nurse7", "nurse",
                        "Please Select the Another User Name\r\nThis User Name Already Assigned",
                        "frmViewAllUsers", true}),
    RecordFamily::rowName);

// Stored out of order: the lists show them by description.
INSTANTIATE_TEST_SUITE_P(
    Screens, ListFamily,
    testing::Values(
        ListFamilyRow{"Lab",
                      [] { return static_cast<ListScreen*>(LoadedScreen<frmViewAllLab>()); },
                      "            View All Lab Details",
                      {"SettingsLab", {"Description", "Amount"}, {{"Urea", "120"}, {"CBC", "100"}}},
                      {"No.", "Investigation", "Amount"},
                      {600, 4500, 1500},
                      {{" 1", "CBC", "100"}, {" 2", "Urea", "120"}},
                      true},
        ListFamilyRow{"XRay",
                      [] { return static_cast<ListScreen*>(LoadedScreen<frmViewAllXRay>()); },
                      "            View All XRay Details",
                      {"SettingsXRay",
                       {"Description", "AdultAmount", "ChildrenAmount"},
                       {{"Skull", "500", "350"}, {"Chest", "400", "300"}}},
                      {"No.", "Description", "Adult(Amt)", "Children ( Amt )"},
                      {600, 4500, 1500, 1800},
                      {{" 1", "Chest", "400", "300"}, {" 2", "Skull", "500", "350"}},
                      true},
        ListFamilyRow{
            "Doctors",
            [] { return static_cast<ListScreen*>(LoadedScreen<frmViewAllDoctors>()); },
            "          View All Doctors Details",
            {"SettingDrDetails", {"DoctorID", "FirstName"}, {{"Dr.Rao", "Rao"}, {"Dr.Anand", "Anand"}}},
            {"No.", "Doctor Name"},
            {600, 4500},
            {{" 1", "Dr.Rao"}, {" 2", "Dr.Anand"}},
            true},
        ListFamilyRow{"Employees",
                      [] { return static_cast<ListScreen*>(LoadedScreen<frmViewEmployeeDetails>()); },
                      "                            View All Employee Details",
                      {"SettingsEmployeeDetails",
                       {"EmployeeID", "FirstName", "MobilePhone", "Qualification"},
                       {{"101", "Asha", "Not Available", "BSc"}, {"102", "Ravi", "0771", "MSc"}}},
                      {"No.", "Employee ID", "First Name", "Last Name", "Sex", "Mobile Phone", "Home Phone",
                       "Date of Birth", "Age", "Pager Number", "Address", "Email Id", "Employee Type",
                       "Qualification"},
                      {500, 1100, 1200, 1100, 700, 1200, 1200, 1100, 2400, 1200, 2000, 1600, 1300, 1300},
                      {{" 1", "101", "Asha", "", "", "Not Available", "", "", "", "", "", "", "", "BSc"},
                       {" 2", "102", "Ravi", "", "", "0771", "", "", "", "", "", "", "", "MSc"}},
                      true},
        ListFamilyRow{
            "Consultant",
            [] { return static_cast<ListScreen*>(LoadedScreen<frmViewAllConsultant>()); },
            "            View All Consultant Fees",
            {"SettingsConsultant",
             {"ConsultDate", "DrName", "Amount", "PatientID"},
             {{"2026-12-01", "Dr.Rao", "300", "IP1"}, {"2026-11-02", "Dr.Anand", "250", "OP4"}}},
            {"No.", "Date", "Dr Name", "Amount", "Patient ID"},
            {600, 1300, 3000, 1200, 1500},
            {{" 1", "02/11/2026", "Dr.Anand", "250", "OP4"}, {" 2", "01/12/2026", "Dr.Rao", "300", "IP1"}},
            true},
        // The password and the type are shown as stored.
        ListFamilyRow{"Users",
                      [] { return static_cast<ListScreen*>(LoadedScreen<frmViewAllUsers>()); },
                      "            View All User Details",
                      {"SettingsNewUser",
                       {"UserName", "Password", "UserType"},
                       {{"bala", "K7Xq", "Zp2"}, {"anil", "M1", "Q9"}},
                       true},
                      {"No.", "User Name", "Password", "User Type"},
                      {600, 2500, 2500, 2500},
                      {{" 1", "bala", "K7Xq", "Zp2"}, {" 2", "anil", "M1", "Q9"}},
                      true}),
    ListFamily::rowName);

// The first account of the name is shown, every cell wrapped.
INSTANTIATE_TEST_SUITE_P(
    Screens, SearchFamily,
    testing::Values(
        SearchFamilyRow{"Employees",
                        [] { return static_cast<QWidget*>(ShowScreen<frmViewEmpDetails>()); },
                        "                View Employee Details",
                        {"SettingsEmployeeDetails",
                         {"EmployeeID", "FirstName", "Qualification"},
                         {{"101", "Asha", "BSc"}, {"102", "Ravi", "MSc"}, {"103", "Asha", "MBA"}}},
                        {"Asha", "Ravi", "Asha"},
                        {"Employee ID", "First Name", "Last Name", "Sex", "Mobile Phone", "Home Phone",
                         "Date of Birth", "Age", "Pager Number", "Address", "Email Id", "Employee Type",
                         "Qualification"},
                        "Asha",
                        {"101\r\n", "Asha\r\n", "", "", "", "", "", "", "", "", "", "", "BSc\r\n"},
                        "Select One Employee Name From List .. ",
                        "Search Dr Details .. ",
                        "Please select the Employee Name",
                        "Employee Name Not Found",
                        "cmbEmpName",
                        true},
        SearchFamilyRow{"Doctors",
                        [] { return static_cast<QWidget*>(ShowScreen<frmViewDrDetails>()); },
                        "                View Doctors Details",
                        {"SettingDrDetails",
                         {"DoctorID", "FirstName", "InTime", "AvailableDays"},
                         {{"Dr.Rao", "Anil", "09:00", "Monday,Friday"},
                          {"Dr.Bala", "Bala", "10:00", "Sunday"},
                          {"Dr.Anil K", "Anil", "11:00", "Tuesday"}}},
                        {"Anil", "Bala", "Anil"},
                        {"Doctor ID", "First Name", "Last Name", "Sex", "Mobile Phone", "Home Phone",
                         "Date of Birth", "Age", "Pager Number", "Address", "Email Id", "Doctor Type",
                         "Qualification", "Spcialization", "In Time", "Out Time", "Available Days"},
                        "Anil",
                        {"Dr.Rao\r\n", "Anil\r\n", "", "", "", "", "", "", "", "", "", "", "", "",
                         "09:00\r\n", "", "Monday,Friday\r\n"},
                        "Select One Doctor Name From List .. ",
                        "Search Dr Details .. ",
                        "Please select the Dr Name",
                        "Doctor Name Not Found",
                        "cmbDrName",
                        true},
        SearchFamilyRow{"Users",
                        [] { return static_cast<QWidget*>(ShowScreen<frmViewUserDetails>()); },
                        "                View User Details",
                        {"SettingsNewUser",
                         {"UserNo", "UserName", "Password", "UserType"},
                         {{"4", "bala", "K7Xq", "Zp2"}, {"5", "anil", "M1", "Q9"}, {"6", "bala", "B2", "T3"}},
                         true},
                        {"bala", "anil", "bala"},
                        {"User ID", "User Name", "Password", "Type"},
                        "bala",
                        {"4\r\n", "bala\r\n", "K7Xq\r\n", "Zp2\r\n"},
                        "Select One Doctor Name From List .. ",
                        "Search Dr Details .. ",
                        "Please select the User Name",
                        "User Name Not Found",
                        "cmbDrName",
                        true}),
    SearchFamily::rowName);
