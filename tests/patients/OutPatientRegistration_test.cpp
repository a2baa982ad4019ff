#include "PatientFixture.h"

#include "reference/modHotkey.h"

#include <QClipboard>
#include <QDateEdit>

TEST_F(PatientTest, SmokeAddAndSave) {
    frmAddOutPatient* s = openScreen();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(messages.count(), 0u) << messages.texts().join("|");
    click(s, 5);
    EXPECT_EQ(s->state(), RecordScreen::State::Adding);
    fillPatient(s, "12");
    EXPECT_EQ(text(s, "cmbPatientID"), "12");
    EXPECT_EQ(text(s, "cmbSex"), "Female");
    click(s, 9);
    EXPECT_EQ(messages.texts().join("|"), "Record Saved Successfully");
    EXPECT_EQ(
        querySql(dbPath(), "SELECT EmployeeID||'/'||FirstName||'/'||Sex||'/'||Age FROM SettingsOutPatient"),
        "OP12/Asha/Female/41");
    EXPECT_EQ(text(s, "cmbPatientID"), "OP12");
}
