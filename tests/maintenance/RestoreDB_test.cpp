// The restore screen: a file that is no sound backup changes nothing; a good one replaces the database, the
// database as it was kept in "backups", and the operator logged out.
#include "data/DatabaseBackup.h"
#include "data/ProgramState.h"
#include "data/modConnectDB.h"
#include "framework/MenuControl.h"
#include "maintenance/frmRestoreDB.h"
#include "support/ScreenDriver.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace {

class RestoreDBTest : public ConnectedAppTest {
protected:
    void SetUp() override {
        ConnectedAppTest::SetUp();
        CurrentUserType = "Admin";
        setLogOut([this] { ++logOuts; });
    }
    void TearDown() override {
        frmRestoreDB::setFileChooser(nullptr);
        setLogOut({});
        ConnectedAppTest::TearDown();
    }
    // Opens the screen and chooses `file`.
    frmRestoreDB* choose(const QString& file) {
        frmRestoreDB::setFileChooser([file](QWidget*, const QString&) { return file; });
        frmRestoreDB* s = ShowScreen<frmRestoreDB>();
        EXPECT_NE(s, nullptr);
        if (s) ScreenDriver(s).control<QPushButton>("cmdChoose")->click();
        return s;
    }
    QString patients() {
        return querySql(dbPath(), "SELECT group_concat(EmployeeID) FROM SettingsOutPatient");
    }
    int logOuts = 0;
};

} // namespace

TEST_F(RestoreDBTest, AFileThatIsNoSoundBackupChangesNothing) {
    insertRow("SettingsOutPatient", {"EmployeeID", "FirstName"}, {"OP1", "Asha"});
    const QString garbage = folder() + "/notes.mdb";
    QFile f(garbage);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("these are not the hospital's records");
    f.close();
    frmRestoreDB* s = choose(garbage);
    ASSERT_NE(s, nullptr);
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().icon, MsgIcon::Critical);
    EXPECT_TRUE(messages.last().text.startsWith("This file cannot be restored: "))
        << messages.last().text.toStdString();
    ScreenDriver(s).click("Picture1");
    EXPECT_EQ(messages.last(), (RecordedMessage{MsgIcon::Critical, MsgButtons::Ok, "Warning",
                                                "Please select the Back-up File"}));
    EXPECT_EQ(patients(), "OP1");
    EXPECT_FALSE(QDir(folder() + "/backups").exists());
    EXPECT_EQ(logOuts, 0);
}

TEST_F(RestoreDBTest, AGoodBackupReplacesTheDatabaseAfterKeepingItAndLogsOut) {
    insertRow("SettingsOutPatient", {"EmployeeID", "FirstName"}, {"OP1", "Asha"});
    const QString backup = folder() + "/backupsanavo.mdb";
    QString error;
    ASSERT_TRUE(BackupDatabase(*DbConnection, backup, &error)) << error.toStdString();
    insertRow("SettingsOutPatient", {"EmployeeID", "FirstName"}, {"OP2", "Bala"}); // after the backup
    frmRestoreDB* s = choose(backup);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(messages.count(), 0u);
    EXPECT_TRUE(ScreenDriver(s).control<QLabel>("lblDetails")->text().contains("1 patients"));
    // No keeps everything as it is.
    messages.answer(MsgAnswer::No);
    ScreenDriver(s).click("Picture1");
    EXPECT_EQ(patients(), "OP1,OP2");
    messages.answer(MsgAnswer::Yes);
    ScreenDriver(s).click("Picture1");
    EXPECT_EQ(messages.last().icon, MsgIcon::Information);
    EXPECT_EQ(patients(), "OP1");
    const QStringList kept = QDir(folder() + "/backups").entryList({"sanavodb-*.mdb"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(
        querySql(folder() + "/backups/" + kept[0], "SELECT group_concat(EmployeeID) FROM SettingsOutPatient"),
        "OP1,OP2");
    EXPECT_EQ(logOuts, 1);
    ASSERT_NE(DbConnection, nullptr);
    EXPECT_EQ(programEnds, 0);
}
