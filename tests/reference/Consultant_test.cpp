// What the consultant fee screen's family row cannot say: its opening refusals, the patient list, the
// (doctor, patient) test and the doctor pick.
#include "reference/frmAddConsultant.h"
#include "support/ScreenDriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

class ConsultantTest : public ConnectedAppTest {
protected:
    static void press(RecordScreen* s, int picture) {
        QTest::mouseClick(s->picture(picture), Qt::LeftButton);
    }
    static QStringList items(QComboBox* c) {
        QStringList l;
        for (int i = 0; i < c->count(); ++i)
            l << c->itemText(i);
        return l;
    }
};

} // namespace

TEST_F(ConsultantTest, OpensOnlyWithInPatientsOutPatientsAndDoctorsInThatOrder) {
    const RecordedMessage patients{MsgIcon::Critical, MsgButtons::Ok, "Warning",
                                   "Please add the Patient Details First"};
    const RecordedMessage doctors{MsgIcon::Critical, MsgButtons::Ok, "Warning",
                                  "Please add the Dr. Details First"};
    insertRow("SettingsOutPatient", {"EmployeeID"}, {"OP1"});
    insertRow("SettingDrDetails", {"DoctorID"}, {"Dr.Rao"});
    const std::vector<std::pair<std::function<void()>, RecordedMessage>> steps{
        {[] {}, patients}, // out-patients and doctors, but no in-patient
        {[this] {
             insertRow("SettingsInPatient", {"EmployeeID"}, {"IP1"});
             execSql(dbPath(), "DELETE FROM SettingsOutPatient");
         },
         patients},
        {[this] {
             insertRow("SettingsOutPatient", {"EmployeeID"}, {"OP1"});
             execSql(dbPath(), "DELETE FROM SettingDrDetails");
         },
         doctors}};
    for (const auto& [before, message] : steps) {
        messages.clear();
        before();
        EXPECT_EQ(ShowScreen<frmAddConsultant>(), nullptr);
        EXPECT_EQ(messages.calls(), std::vector<RecordedMessage>{message});
    }
}

TEST_F(ConsultantTest, PatientsInPatientsFirstThePairIsTestedAndTheAmountBeforeThePatient) {
    for (const char* id : {"IP2", "IP10"})
        insertRow("SettingsInPatient", {"EmployeeID"}, {id});
    for (const char* id : {"OP3", "OP1"})
        insertRow("SettingsOutPatient", {"EmployeeID"}, {id});
    for (const char* dr : {"Dr.Rao", "Dr.Anand"})
        insertRow("SettingDrDetails", {"DoctorID"}, {dr});
    insertRow("SettingsConsultant", {"ConsultDate", "DrName", "Amount", "PatientID"},
              {"2026-12-01", "Dr.Rao", "300", "IP2"});
    insertRow("SettingsConsultant", {"ConsultDate", "DrName", "Amount", "PatientID"},
              {"2026-12-02", "Dr.Rao", "350", "OP1"});
    frmAddConsultant* s = ShowScreen<frmAddConsultant>();
    ASSERT_NE(s, nullptr);
    ScreenDriver d(s);
    d.activate();
    auto* patients = d.control<QComboBox>("Combo1");
    EXPECT_EQ(items(patients), QStringList({"IP10", "IP2", "OP1", "OP3"}));
    EXPECT_EQ(items(d.control<QComboBox>("cmbPatientID")), QStringList({"Dr.Anand", "Dr.Rao"}));

    // Picking a doctor while browsing, with a patient chosen, shows their fee.
    EXPECT_EQ(d.text("txtPassword"), "300");
    patients->setEditText("OP1");
    d.control<QComboBox>("cmbPatientID")->setEditText("Dr.Rao");
    EXPECT_EQ(d.text("txtPassword"), "350");

    press(s, 5);
    d.type("cmbPatientID", "Dr.R");
    press(s, 9);
    EXPECT_EQ(messages.texts(), QStringList({"Please Fill the Amount"}));
    messages.clear();
    d.type("txtPassword", "400");
    press(s, 9);
    EXPECT_EQ(messages.texts(), QStringList({"Please Select Patient ID"}));
    messages.clear();
    d.type("Combo1", "IP2");
    press(s, 9);
    EXPECT_EQ(messages.texts(),
              QStringList({"Please Select the Another Name and Patient ID\r\nThis Name Already Available"}));
    patients->setEditText("");
    d.type("Combo1", "IP1");
    EXPECT_EQ(d.text("Combo1"), "IP10");
    press(s, 9);
    EXPECT_EQ(rowCount("SettingsConsultant"), 3);
}
