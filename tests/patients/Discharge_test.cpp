// The discharge screen: its date and checks, the row it writes, and the patients it may write into.
#include "PatientFixture.h"
#include "data/Environment.h"
#include "patients/frmDischarge.h"

#include <QDateEdit>

namespace {

class DischargeTest : public PatientTest {
protected:
    void admit(const QString& id, const QString& name, const QString& discharged = "No") {
        insertRow("SettingsInPatient", {"EmployeeID", "FirstName", "Discharged"}, {id, name, discharged});
    }
    frmDischarge* open() {
        frmDischarge* s = ShowScreen<frmDischarge>();
        if (s) activate(s);
        return s;
    }
    static void fillDetails(QWidget* s) {
        for (const char* box : {"txtPrescription", "txtDisease", "txtHealth"})
            control<QLineEdit>(s, box)->setText(QString(box).mid(3));
    }
    QString discharge(const QString& id) {
        return querySql(dbPath(),
                        "SELECT coalesce(Prescription, '') || '|' || coalesce(DischargeDate, '') || '|' "
                        "|| Discharged FROM SettingsInPatient WHERE EmployeeID = '" +
                            id + "'");
    }
};

} // namespace

TEST_F(DischargeTest, ChecksInOrderThenTheRowIsWrittenAndThePatientLeavesTheList) {
    admit("IP1", "Anil");
    admit("IP2", "Bala");
    frmDischarge* s = open();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->windowTitle(), "         Settings Discharge Details");
    auto* date = control<QDateEdit>(s, "DTPicker1");
    date->setDate(Today().addDays(1));
    EXPECT_EQ(messages.calls(),
              (std::vector<RecordedMessage>{
                  {MsgIcon::Critical, MsgButtons::Ok, "Warning",
                   "Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future "
                   "Date"}}));
    EXPECT_EQ(date->date(), Today());
    const std::vector<std::pair<QString, QString>> steps{
        {"cmbPatientName", "Please Select the Patient Name"},
        {"txtPrescription", "Please Select the Prescription  Details"},
        {"txtDisease", "Please Select the Disease Details"},
        {"txtHealth", "Please Select the Health Details"}};
    for (const auto& [field, text] : steps) {
        messages.clear();
        s->save();
        EXPECT_EQ(messages.calls(),
                  (std::vector<RecordedMessage>{{MsgIcon::Critical, MsgButtons::Ok, "Warning", text}}));
        EXPECT_EQ(s->focusWidget(), control<QWidget>(s, field));
        if (field == "cmbPatientName")
            control<QComboBox>(s, field)->setEditText("Bala");
        else
            control<QLineEdit>(s, field)->setText(field.mid(3));
    }
    EXPECT_EQ(text(s, "txtPatientID"), "IP2");
    messages.clear();
    QPointer<frmDischarge> alive(s);
    s->save();
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{
                                    {MsgIcon::None, MsgButtons::Ok, "Sanavo", "Record Saved Successfully"}}));
    EXPECT_EQ(discharge("IP2"), "Prescription|" + Today().toString("yyyy-MM-dd") + "|Yes");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    s = open();
    EXPECT_EQ(items(control<QComboBox>(s, "cmbPatientName")), QStringList({"Anil"}));
}

TEST_F(DischargeTest, OnlyListedPatientsAreWrittenAndSharedNamesAreToldApartByTheirIds) {
    admit("IP1", "Bala", "Yes");
    admit("IP2", "Bala");
    admit("IP3", "Bala");
    frmDischarge* s = open();
    EXPECT_EQ(items(control<QComboBox>(s, "cmbPatientName")), QStringList({"Bala", "Bala"}));
    control<QComboBox>(s, "cmbPatientName")->setEditText("Bala");
    auto* ids = control<QComboBox>(s, "txtPatientID");
    EXPECT_EQ(items(ids), QStringList({"IP2", "IP3"}));
    ids->setCurrentIndex(1);
    fillDetails(s);
    s->save();
    EXPECT_EQ(discharge("IP3"), "Prescription|" + Today().toString("yyyy-MM-dd") + "|Yes");
    EXPECT_EQ(discharge("IP1"), "||Yes");
    EXPECT_EQ(discharge("IP2"), "||No");
}

TEST_F(DischargeTest, ANameOfNobodyEndsSilentlyAndAPatientGoneMeanwhileIsToldAndNotWritten) {
    admit("IP1", "Anil");
    frmDischarge* s = open();
    fillDetails(s);
    control<QComboBox>(s, "cmbPatientName")->setEditText("Nobody");
    s->save();
    EXPECT_EQ(messages.count(), 0u);
    control<QComboBox>(s, "cmbPatientName")->setEditText("Anil");
    execSql(dbPath(), "DELETE FROM SettingsInPatient WHERE EmployeeID = 'IP1'");
    admit("IP9", "Anil");
    s->save();
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_TRUE(messages.last().text.contains("IP1")) << messages.last().text.toStdString();
    EXPECT_EQ(discharge("IP9"), "||No");
    EXPECT_TRUE(s->isVisible());
}

TEST_F(DischargeTest, AnEmptyInPatientTableSaysSoAndCloses) {
    EXPECT_EQ(ShowScreen<frmDischarge>(), nullptr);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{{MsgIcon::Critical, MsgButtons::Ok, "Warning",
                                                               "Please add the OutPatient Details First"}}));
}
