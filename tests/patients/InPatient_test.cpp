// What the in-patient screens' family rows cannot say: the IP prefix beside OP, Discharged on every save,
// and the discharge details in the search grid.
#include "PatientFixture.h"
#include "patients/frmAddInPatient.h"
#include "patients/frmViewInPatient.h"

TEST_F(PatientTest, AdmissionStoresIpBesideOpAndEverySaveMarksThePatientNotDischarged) {
    addPatient("OP7", "Anil");
    insertRow("SettingsInPatient",
              {"EmployeeID", "FirstName", "Sex", "MobilePhone", "Age", "Address", "Location", "Prescription",
               "Disease", "Health", "DischargeDate", "Discharged", "AdvancePaid"},
              {"IP5", "Bala", "Male", "0771", "40", "Hill Road", "Galle", "Rest", "Fever", "Good",
               "2026-12-01", "Yes", "500"});
    frmAddInPatient* s = ShowScreen<frmAddInPatient>();
    ASSERT_NE(s, nullptr);
    activate(s);
    click(s, 5);
    fillPatient(s, "7");
    click(s, 9);
    EXPECT_EQ(querySql(dbPath(), "SELECT Discharged FROM SettingsInPatient WHERE EmployeeID = 'IP7'"), "No");

    // An edited discharged patient goes back to "No"; the discharge details and the advance stay.
    control<QComboBox>(s, "cmbPatientID")->setEditText("IP5");
    ASSERT_EQ(text(s, "txtFirstName"), "Bala");
    click(s, 6);
    control<QLineEdit>(s, "txtFirstName")->setText("Bala K");
    click(s, 9);
    EXPECT_EQ(querySql(dbPath(),
                       "SELECT FirstName || '|' || Prescription || '|' || Disease || '|' || Health || "
                       "'|' || DischargeDate || '|' || Discharged || '|' || AdvancePaid FROM "
                       "SettingsInPatient WHERE EmployeeID = 'IP5'"),
              "Bala K|Rest|Fever|Good|2026-12-01|No|500");
    EXPECT_EQ(querySql(dbPath(), "SELECT count(*) FROM SettingsOutPatient WHERE EmployeeID = 'OP7'"), "1");
}

TEST_F(PatientTest, TheInPatientSearchShowsTheDischargeDetailsOnceWritten) {
    insertRow("SettingsInPatient",
              {"EmployeeID", "FirstName", "Prescription", "Disease", "Health", "DischargeDate", "Discharged"},
              {"IP5", "Bala", "Rest", "Fever", "Good", "2026-12-01", "Yes"});
    frmViewInPatient* v = ShowScreen<frmViewInPatient>();
    ASSERT_NE(v, nullptr);
    control<QComboBox>(v, "cmbEmpName")->setEditText("Bala");
    v->search();
    const QStringList row = ScreenDriver(v).gridRow("MSFlexGrid1", 1);
    ASSERT_EQ(row.size(), 11);
    EXPECT_EQ(row.mid(7), QStringList({"Rest", "Fever", "Good", "01/12/2026"}));
}
