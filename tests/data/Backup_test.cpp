// Backups are whole, checked databases; a failed backup keeps the previous one; restore refuses bad files.
#include "data/DatabaseBackup.h"
#include "data/modConnectDB.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <sqlite3.h>
#include <sys/resource.h>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

class BackupTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        connect();
        ASSERT_TRUE(QDir().mkpath(target()));
    }
    void TearDown() override {
        setBackupFault(nullptr);
        AppTest::TearDown();
    }
    QString target() const { return folder() + "/backups here"; }
    QString file() const { return target() + "/backupsanavo.mdb"; }
    void addPatient(const QString& id) {
        DbConnection->exec("INSERT INTO SettingsOutPatient (EmployeeID, FirstName) VALUES ('" + id +
                           "', 'Asha')");
    }
    QStringList folderFiles() const { return QDir(target()).entryList(QDir::Files | QDir::Hidden); }
};

} // namespace

TEST_F(BackupTest, TwiceIntoOneFolderLeavesOneCheckedFileTheNewer) {
    QString error;
    ASSERT_TRUE(BackupDatabase(*DbConnection, file(), &error)) << error.toStdString();
    addPatient("OP1");
    ASSERT_TRUE(BackupDatabase(*DbConnection, file(), &error)) << error.toStdString();
    EXPECT_EQ(folderFiles(), QStringList{"backupsanavo.mdb"});
    const BackupFileCheck check = CheckBackupFile(file());
    EXPECT_TRUE(check.ok) << check.problem.toStdString();
    EXPECT_EQ(querySql(file(), "SELECT group_concat(EmployeeID) FROM SettingsOutPatient"), "OP1");
    EXPECT_EQ(querySql(file(), "PRAGMA integrity_check"), "ok");
}

TEST_F(BackupTest, AnotherConnectionsOpenWriteIsLeftOutAndTheCopyIsWhole) {
    addPatient("OP1");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dbPath().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other,
                           "BEGIN IMMEDIATE; INSERT INTO SettingsOutPatient (EmployeeID) VALUES ('OP2');"
                           "UPDATE SettingsOutPatient SET FirstName = 'half' WHERE EmployeeID = 'OP1'",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    QString error;
    const bool done = BackupDatabase(*DbConnection, file(), &error);
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    ASSERT_TRUE(done) << error.toStdString();
    EXPECT_TRUE(CheckBackupFile(file()).ok);
    EXPECT_EQ(querySql(file(), "SELECT group_concat(EmployeeID || FirstName) FROM SettingsOutPatient"),
              "OP1Asha");
}

// Each way a backup can fail half-way leaves the previous backup byte for byte and no stray file.
TEST_F(BackupTest, AFailureOnTheWayKeepsThePreviousBackupAndLeavesNothingElse) {
    QString error;
    ASSERT_TRUE(BackupDatabase(*DbConnection, file(), &error));
    const QByteArray previous = bytesOf(file());
    addPatient("OP9");
    struct Case {
        const char* what;
        std::optional<BackupStage> stage; // a fault injected at this stage, else a real one set up below
    };
    for (const Case& c :
         std::vector<Case>{{"the folder becomes unwritable after the copy", BackupStage::Copied},
                           {"the check fails", BackupStage::Checked},
                           {"the flush fails", BackupStage::Flushed},
                           {"the disk is full", std::nullopt}}) {
        SCOPED_TRACE(c.what);
        setBackupFault([&](BackupStage s) { return c.stage == s ? QString("no room left") : QString(); });
        // A disk that is full: no file of this process may grow beyond 8 KiB.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        if (!c.stage) {
            rlimit small = saved;
            small.rlim_cur = 8192;
            setrlimit(RLIMIT_FSIZE, &small);
        }
        error.clear();
        const bool done = BackupDatabase(*DbConnection, file(), &error);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldSignal);
        EXPECT_FALSE(done);
        EXPECT_FALSE(error.isEmpty());
        if (c.stage) {
            EXPECT_EQ(error, "no room left");
        }
        EXPECT_EQ(bytesOf(file()), previous);
        EXPECT_EQ(folderFiles(), QStringList{"backupsanavo.mdb"});
    }
    setBackupFault(nullptr);
    error.clear();
    EXPECT_FALSE(BackupDatabase(*DbConnection, folder() + "/no such folder/backupsanavo.mdb", &error));
    EXPECT_TRUE(error.contains("does not exist")) << error.toStdString();
}

TEST_F(BackupTest, TheCheckRefusesFilesThatAreNotSoundDatabasesOfTheProgram) {
    const QString candidate = folder() + "/candidate.mdb";
    const auto write = [&](const QByteArray& bytes) {
        QFile f(candidate);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    };
    write(QByteArray(4096, 'x'));
    EXPECT_FALSE(CheckBackupFile(candidate).ok);
    EXPECT_FALSE(CheckBackupFile(folder() + "/missing.mdb").ok);
    write({});
    EXPECT_FALSE(CheckBackupFile(candidate).ok) << "an empty file has none of the tables";
    // The delivered database with one page spoilt in the middle.
    QByteArray damaged = bytesOf(dbPath());
    for (qsizetype i = 4096 * 3; i < 4096 * 3 + 2048; ++i)
        damaged[i] = char(0x5a);
    write(damaged);
    const BackupFileCheck bad = CheckBackupFile(candidate);
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bytesOf(candidate), damaged) << "the check only reads";

    addPatient("OP1");
    addPatient("OP2");
    DbConnection->exec("INSERT INTO LabPrintDetails (BillNo) VALUES (7), (7), (8)");
    ASSERT_TRUE(BackupDatabase(*DbConnection, file(), nullptr));
    const BackupFileCheck good = CheckBackupFile(file());
    EXPECT_TRUE(good.ok) << good.problem.toStdString();
    EXPECT_EQ(good.patients, 2);
    EXPECT_EQ(good.bills, 2);
    EXPECT_EQ(good.modified, QFileInfo(file()).lastModified());
}

TEST_F(BackupTest, RestoreReplacesTheContentsAndRefusesABadFileUnchanged) {
    addPatient("OP1");
    ASSERT_TRUE(BackupDatabase(*DbConnection, file(), nullptr));
    DbConnection->exec("UPDATE SettingsOutPatient SET FirstName = 'Changed'");
    const QString garbage = folder() + "/garbage.mdb";
    {
        QFile f(garbage);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'g'));
    }
    QString error;
    EXPECT_FALSE(RestoreDatabase(*DbConnection, garbage, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(querySql(dbPath(), "SELECT FirstName FROM SettingsOutPatient"), "Changed");
    ASSERT_TRUE(RestoreDatabase(*DbConnection, file(), &error)) << error.toStdString();
    EXPECT_EQ(querySql(dbPath(), "SELECT FirstName FROM SettingsOutPatient"), "Asha");
    EXPECT_EQ(querySql(dbPath(), "PRAGMA integrity_check"), "ok");
}
