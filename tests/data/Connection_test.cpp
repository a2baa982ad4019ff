#include "data/DbError.h"
#include "data/Environment.h"
#include "data/Messages.h"
#include "data/Recordset.h"
#include "data/modConnectDB.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <atomic>
#include <sqlite3.h>
#include <thread>

namespace {

const RecordedMessage kDatabaseError{MsgIcon::Critical, MsgButtons::Ok, "Database Error",
                                     "Database Error. Please Check the database and try again"};

// Another program holding the database's write lock for `ms` milliseconds, from its own thread.
class LockHolder {
public:
    LockHolder(const QString& path, int ms) {
        thread_ = std::thread([this, p = path.toUtf8(), ms] {
            sqlite3* db = nullptr;
            sqlite3_open_v2(p.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
            locked_ = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
            held_ = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(db);
        });
        while (!held_)
            std::this_thread::yield();
    }
    ~LockHolder() { thread_.join(); }
    bool locked() const { return locked_; }

private:
    std::atomic<bool> held_{false};
    std::atomic<bool> locked_{false};
    std::thread thread_;
};

} // namespace

class ConnectTest : public AppTest {
protected:
    void TearDown() override {
        ReleaseAppFolder();
        AppTest::TearDown();
    }
    static QByteArray bytesOf(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
    }
};

TEST_F(ConnectTest, OpensTheFolderDatabaseAndReplacesTheConnection) {
    connect();
    EXPECT_EQ(ConnectionString,
              "provider=Sanavo;Data provider=SQLite 3;data source=" + folder() + "/sanavodb.mdb;");
    const auto first = DbConnection;
    connect();
    EXPECT_NE(DbConnection, first);
    EXPECT_EQ(DbConnection->State(), 1);
    EXPECT_EQ(messages.count(), 0u);
}

// Every file that is not the program's database is refused at the start, and never created or changed.
TEST_F(ConnectTest, AFileThatIsNotTheProgramsDatabaseIsRefusedUntouched) {
    struct Case {
        const char* what;
        std::function<void(const QString&)> make; // makes the file in place of the delivered one
    };
    const auto sqliteFile = [](const QString& sql) {
        return [sql](const QString& path) {
            sqlite3* db = nullptr;
            sqlite3_open(path.toUtf8().constData(), &db);
            sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
            sqlite3_close(db);
        };
    };
    const auto plainFile = [](const QByteArray& bytes) {
        return [bytes](const QString& path) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
    };
    const Case cases[] = {
        {"missing", [](const QString&) {}},
        {"garbage", plainFile(QByteArray(4096, 'x'))},
        {"a folder in its place", [](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); }},
        {"0 bytes", plainFile({})},
        {"another program's database", sqliteFile("CREATE TABLE Customers (Name TEXT, Phone TEXT)")},
        {"users without a type column",
         sqliteFile(
             "CREATE TABLE SettingsNewUser (UserNo INTEGER PRIMARY KEY, UserName TEXT, Password TEXT)")},
        {"the delivered database with a table missing",
         [](const QString& p) {
             ASSERT_TRUE(QFile::copy(SANAVO_DELIVERED_DB, p));
             QFile::setPermissions(p, QFile::ReadOwner | QFile::WriteOwner);
             execSql(p, "DROP TABLE SettingsCopyDB");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(dbPath());
        QDir().rmdir(dbPath());
        c.make(dbPath());
        const bool existed = QFileInfo::exists(dbPath());
        const QByteArray before = bytesOf(dbPath());
        messages.clear();
        programEnds = 0;
        EXPECT_FALSE(ConnectDB());
        EXPECT_EQ(DbConnection, nullptr);
        EXPECT_EQ(messages.calls(), std::vector{kDatabaseError});
        EXPECT_EQ(programEnds, 1);
        EXPECT_EQ(QFileInfo::exists(dbPath()), existed);
        EXPECT_EQ(bytesOf(dbPath()), before);
    }
}

TEST_F(ConnectTest, ALockHeldByAnotherProgramIsWaitedOutAndOneOutlastingTheWaitFails) {
    connect();
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(DbConnection->handle(), "PRAGMA busy_timeout", -1, &st, nullptr);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(st, 0), Connection::DefaultBusyTimeoutMs);
    EXPECT_GE(Connection::DefaultBusyTimeoutMs, 10000);
    sqlite3_finalize(st);
    DbConnection.reset();

    // Held for a second while the program starts and opens a record set: both wait, neither fails.
    {
        LockHolder other(dbPath(), 1000);
        ASSERT_TRUE(other.locked());
        QElapsedTimer t;
        t.start();
        connect();
        Recordset users;
        EXPECT_TRUE(users.Open("SELECT * FROM SettingsNewUser", DbConnection, Recordset::Mode::Editable));
        EXPECT_GE(t.elapsed(), 500);
    }
    // Held past the wait: the engine's reason, not a silent empty set.
    DbConnection->setBusyTimeout(200);
    LockHolder other(dbPath(), 700);
    Recordset users;
    EXPECT_FALSE(users.Open("SELECT * FROM SettingsNewUser", DbConnection, Recordset::Mode::Editable));
    EXPECT_EQ(users.LastError(), "database is locked");
    EXPECT_EQ(users.LastStatement(), "SELECT rowid, * FROM SettingsNewUser ORDER BY rowid");
}

TEST_F(ConnectTest, EveryFailureShownIsAlsoLoggedWithItsReasonStatementAndTime) {
    testing::internal::CaptureStderr();
    ReportTrapped(TrapWording::ErrorColon, "Disk full",
                  "INSERT INTO SettingsOutPatient (EmployeeID, FirstName, "
                  "Sex, MobilePhone) VALUES (?, ?, ?, ?)");
    ReportTrapped(TrapWording::ErrorSpaceColon, "Disk full");
    ReportTrapped(TrapWording::DescriptionOnly, "line one\nline two");
    ShowDatabaseError("database is locked", "SELECT * FROM SettingsLab");
    const QStringList lines = QString::fromStdString(testing::internal::GetCapturedStderr()).split('\n');
    // The boxes say exactly what they always said.
    const auto plain = [](const QString& text) {
        return RecordedMessage{MsgIcon::None, MsgButtons::Ok, "Sanavo", text};
    };
    EXPECT_EQ(messages.calls(),
              (std::vector<RecordedMessage>{plain("Error:Disk full"), plain("Error :Disk full"),
                                            plain("line one\nline two"), kDatabaseError}));
    // One line each, behind a time stamp.
    ASSERT_EQ(lines.size(), 5); // the last line is empty
    const QStringList expected = {
        "Sanavo: trapped failure: Disk full [INSERT INTO SettingsOutPatient (EmployeeID, FirstName, Sex, "
        "MobilePhone) VALUES ...]",
        "Sanavo: trapped failure: Disk full", "Sanavo: trapped failure: line one line two",
        "Sanavo: Database Error: database is locked [SELECT * FROM SettingsLab]"};
    for (int i = 0; i < 4; ++i) {
        const qsizetype blank = lines[i].indexOf(' ');
        EXPECT_TRUE(QDateTime::fromString(lines[i].left(blank), Qt::ISODate).isValid())
            << lines[i].toStdString();
        EXPECT_EQ(lines[i].mid(blank + 1).toStdString(), expected[i].toStdString());
    }
}

TEST_F(ConnectTest, ARelativeFolderIsResolvedOnceBeforeTheProgramMovesIntoIt) {
    const QString was = QDir::currentPath();
    QDir(folder()).mkpath("cases/x");
    ASSERT_TRUE(QFile::copy(dbPath(), folder() + "/cases/x/sanavodb.mdb"));
    QDir::setCurrent(folder());
    setAppFolder("cases/x");
    // The program makes its folder the current one; the database is found from there all the same.
    QDir::setCurrent(AppFolder());
    const bool opened = ConnectDB();
    QDir::setCurrent(was);
    EXPECT_EQ(AppFolder(), folder() + "/cases/x");
    EXPECT_TRUE(opened);
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(ConnectTest, ASecondCopyOnTheFolderIsRefusedAndAKilledCopysClaimIsTakenOver) {
    const QByteArray before = bytesOf(dbPath());
    ASSERT_TRUE(ClaimAppFolder());
    EXPECT_FALSE(ClaimAppFolder()); // the second copy
    EXPECT_EQ(messages.calls(),
              (std::vector<RecordedMessage>{
                  {MsgIcon::Critical, MsgButtons::Ok, "Sanavo",
                   "Sanavo is already running on this database.\r\nOnly one copy of the program "
                   "may work on it at a time: please use the copy that is open."}}));
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(bytesOf(dbPath()), before);
    ReleaseAppFolder();
    EXPECT_TRUE(ClaimAppFolder());
    ReleaseAppFolder();

    // A copy that was killed left its claim behind: the next start takes it over.
    QProcess gone;
    gone.start("sleep", {"0.05"});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    QFile stale(folder() + "/sanavo.lock");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QString("%1\nsanavo\n%2\n").arg(deadPid).arg(QSysInfo::machineHostName()).toUtf8());
    stale.close();
    messages.clear();
    EXPECT_TRUE(ClaimAppFolder());
    EXPECT_EQ(messages.count(), 0u);
}
