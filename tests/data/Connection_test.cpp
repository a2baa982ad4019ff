#include "data/Messages.h"
#include "data/modConnectDB.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QFile>

class ConnectTest : public AppTest {
protected:
    void expectDatabaseErrorAndEnd() {
        EXPECT_FALSE(ConnectDB());
        EXPECT_EQ(DbConnection, nullptr);
        ASSERT_EQ(messages.count(), 1u);
        EXPECT_EQ(messages.last(), (RecordedMessage{MsgIcon::Critical, MsgButtons::Ok, "Database Error",
                                                    "Database Error. Please Check the database and try again"}));
        EXPECT_EQ(programEnds, 1);
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

TEST_F(ConnectTest, MissingFileIsNeverCreated) {
    ASSERT_TRUE(QFile::remove(dbPath()));
    expectDatabaseErrorAndEnd();
    EXPECT_FALSE(QFile::exists(dbPath()));
}

TEST_F(ConnectTest, FileThatIsNotADatabase) {
    ASSERT_TRUE(QFile::remove(dbPath()));
    QFile f(dbPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    expectDatabaseErrorAndEnd();
}

TEST_F(ConnectTest, UnreadableFile) {
    // A folder in the file's place cannot be read, whoever runs the tests.
    ASSERT_TRUE(QFile::remove(dbPath()));
    ASSERT_TRUE(QDir(folder()).mkdir("sanavodb.mdb"));
    expectDatabaseErrorAndEnd();
}

TEST_F(ConnectTest, TrappedFailureWordings) {
    ReportTrapped(TrapWording::ErrorColon, "Disk full");
    ReportTrapped(TrapWording::ErrorSpaceColon, "Disk full");
    ReportTrapped(TrapWording::DescriptionOnly, "Disk full");
    EXPECT_EQ(messages.texts(), QStringList({"Error:Disk full", "Error :Disk full", "Disk full"}));
    for (const auto& m : messages.calls()) {
        EXPECT_EQ(m.icon, MsgIcon::None);
        EXPECT_EQ(m.buttons, MsgButtons::Ok);
        EXPECT_EQ(m.title, "Sanavo");
    }
}
