#include "PatientFixture.h"

#include "data/modConnectDB.h"

#include <sqlite3.h>

namespace {

const QString kDuplicate = "Please Select the Another Patient Id\r\nThis Patient ID Already Assigned";

// A registration screen on which another program stores a key between the checks and the write: the race
// that the duplicate test alone cannot close.
class RacedRegistration : public frmAddOutPatient {
public:
    std::function<void()> betweenChecksAndWrite;

protected:
    bool checks() override {
        const bool passed = frmAddOutPatient::checks();
        if (passed && betweenChecksAndWrite) betweenChecksAndWrite();
        return passed;
    }
};

} // namespace

TEST_F(PatientTest, AKeyStoredByAnotherProgramAfterTheChecksIsStillRefused) {
    auto* s = ShowScreen<RacedRegistration>();
    ASSERT_NE(s, nullptr);
    activate(s);
    s->betweenChecksAndWrite = [this] { addPatient("OP12", "Stored elsewhere"); };
    click(s, 5);
    fillPatient(s, "12");
    click(s, 9);
    ASSERT_EQ(messages.count(), 1u);
    expectLastBox(MsgIcon::Critical, "Warning", kDuplicate);
    EXPECT_EQ(querySql(dbPath(), "SELECT COUNT(*) FROM SettingsOutPatient WHERE EmployeeID = 'OP12'"), "1");
    EXPECT_EQ(s->state(), RecordScreen::State::Adding);
    EXPECT_EQ(text(s, "txtFirstName"), "Asha");

    // Another ID is stored once, as always.
    s->betweenChecksAndWrite = nullptr;
    s->findChild<QComboBox*>("cmbPatientID")->setEditText("13");
    click(s, 9);
    EXPECT_EQ(patientRows(), 2);
}

TEST_F(PatientTest, ASaveWhoseCommitFailsLeavesNoRowInTheFileOrOnTheScreen) {
    addPatient("OP1", "Anil");
    frmAddOutPatient* s = openScreen();
    // The engine refuses the commit (as a full disk would): the insert is rolled back.
    sqlite3_commit_hook(
        DbConnection->handle(), [](void*) { return 1; }, nullptr);
    click(s, 5);
    fillPatient(s, "2");
    click(s, 9);
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().icon, MsgIcon::None);
    EXPECT_EQ(messages.last().text, "constraint failed");
    EXPECT_EQ(patientRows(), 1);
    // The screen's copy holds no row the file does not: the stored one and the entry, pending again.
    EXPECT_EQ(s->browseSet().RecordCount(), 2);
    EXPECT_TRUE(s->browseSet().EditPending());
    EXPECT_EQ(s->state(), RecordScreen::State::Adding);
    EXPECT_EQ(text(s, "txtFirstName"), "Asha");

    // The same entry saves once the engine accepts it, as a new row beside the old one.
    sqlite3_commit_hook(DbConnection->handle(), nullptr, nullptr);
    click(s, 9);
    EXPECT_EQ(
        querySql(dbPath(), "SELECT group_concat(EmployeeID || '=' || FirstName) FROM SettingsOutPatient"),
        "OP1=Anil,OP2=Asha");
}

TEST_F(PatientTest, ATableLockedPastTheWaitEndsWithTheDatabaseErrorAndTheEnginesReasonLogged) {
    DbConnection->setBusyTimeout(100);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dbPath().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    testing::internal::CaptureStderr();
    EXPECT_EQ(ShowScreen<frmAddOutPatient>(), nullptr);
    const std::string log = testing::internal::GetCapturedStderr();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    expectDatabaseErrorEnd();
    EXPECT_NE(
        log.find(
            "Sanavo: Database Error: database is locked [SELECT rowid, * FROM SettingsOutPatient Order by "
            "EmployeeID, ...]"),
        std::string::npos)
        << log;
}
