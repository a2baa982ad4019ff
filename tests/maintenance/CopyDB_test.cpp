// The backup screen: its texts, the folder it starts from, the question, and what is stored and said.
#include "data/ProgramState.h"
#include "maintenance/frmCopyDB.h"
#include "support/ScreenDriver.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

const RecordedMessage kQuestion{MsgIcon::None, MsgButtons::YesNo, "Back-up",
                                "Do you really want to take Back-up On this Folder"};
const RecordedMessage kBackupError{MsgIcon::Critical, MsgButtons::Ok, "Warning",
                                   "Backup Error! Select Correct Folder"};

class CopyDBTest : public ConnectedAppTest {
protected:
    void SetUp() override {
        ConnectedAppTest::SetUp();
        CurrentUserType = "Admin";
        ASSERT_TRUE(QDir().mkpath(backupFolder()));
    }
    void TearDown() override {
        frmCopyDB::setFolderChooser(nullptr);
        ConnectedAppTest::TearDown();
    }
    QString backupFolder() const { return folder() + "/Back Ups"; }
    QString stored() { return querySql(dbPath(), "SELECT BackupFolder FROM SettingsCopyDB"); }
    // Opens the screen, answers the chooser with `folder`, and presses the backup button answering `answer`.
    ScreenDriver backUpInto(const QString& chosen, MsgAnswer answer) {
        frmCopyDB::setFolderChooser([chosen](QWidget*, const QString&) { return chosen; });
        frmCopyDB* s = ShowScreen<frmCopyDB>();
        EXPECT_NE(s, nullptr);
        ScreenDriver d(s);
        d.control<QPushButton>("dirList")->click();
        messages.answer(answer);
        d.click("Picture1");
        return d;
    }
};

} // namespace

TEST_F(CopyDBTest, TheScreenShowsItsTextsAndStartsInTheStoredOrTheHomeFolder) {
    frmCopyDB* s = ShowScreen<frmCopyDB>();
    ASSERT_NE(s, nullptr);
    ScreenDriver d(s);
    EXPECT_EQ(s->windowTitle(), "                    Back-Up Database");
    EXPECT_EQ(d.control<QLabel>("Label1")->text(), "Old Back-up Driectory Path");
    EXPECT_EQ(d.control<QLabel>("Label2")->text(), "Note: We Recommended to take Back Up Periodically ");
    EXPECT_EQ(d.control<QLabel>("Label4")->text(), "    Please take up the Back-up in Different Drive.");
    EXPECT_EQ(d.control("Picture11")->toolTip(), "Click to take Back up on Selected Drive");
    // The delivered row holds no folder: the home folder is offered.
    EXPECT_EQ(d.control<QLabel>("lblFilesCount")->text(), QDir::toNativeSeparators(QDir::homePath()));
    s->close();
    execSql(dbPath(), "UPDATE SettingsCopyDB SET BackupFolder = ' /srv/kept '");
    ScreenDriver again(ShowScreen<frmCopyDB>());
    EXPECT_EQ(again.control<QLabel>("lblFilesCount")->text(), " /srv/kept ");
    // An empty answer from the chooser keeps the folder and the caption.
    frmCopyDB::setFolderChooser([](QWidget*, const QString&) { return QString(); });
    again.control<QPushButton>("dirList")->click();
    EXPECT_EQ(again.control<QLabel>("lblFilesCount")->text(), " /srv/kept ");
    EXPECT_EQ(again.control<QLabel>("Label1")->text(), "Old Back-up Driectory Path");
    EXPECT_EQ(messages.count(), 0u);
}

// A folder with blanks at its ends: the copy goes to the trimmed folder, the folder is stored and named as
// shown, the texts joined exactly.
TEST_F(CopyDBTest, ABackupIsStoredTrimmedRememberedAsShownAndAnnounced) {
    const QString shown = "  " + backupFolder() + " ";
    ScreenDriver d = backUpInto(shown, MsgAnswer::Yes);
    EXPECT_EQ(d.control<QLabel>("Label1")->text(), "New Back-up Directory Path");
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{
                                    kQuestion,
                                    {MsgIcon::None, MsgButtons::Ok, AppTitle,
                                     "Back-up Successfully stored in " + shown + " this Directory"}}));
    EXPECT_EQ(QDir(backupFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"backupsanavo.mdb"});
    EXPECT_EQ(querySql(backupFolder() + "/backupsanavo.mdb", "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(stored(), shown);
}

TEST_F(CopyDBTest, NoOrAFailedCopyChangesNothing) {
    struct Case {
        const char* what;
        QString chosen;
        MsgAnswer answer;
        std::vector<RecordedMessage> said;
    };
    for (const Case& c : std::vector<Case>{
             {"No", backupFolder(), MsgAnswer::No, {kQuestion}},
             {"a folder that is not there", folder() + "/gone", MsgAnswer::Yes, {kQuestion, kBackupError}},
             {"a file, not a folder", dbPath(), MsgAnswer::Yes, {kQuestion, kBackupError}},
             {"blanks only", "   ", MsgAnswer::Yes, {kQuestion, kBackupError}}}) {
        SCOPED_TRACE(c.what);
        messages.clear();
        ScreenDriver d = backUpInto(c.chosen, c.answer);
        EXPECT_EQ(messages.calls(), c.said);
        EXPECT_EQ(stored(), "");
        EXPECT_FALSE(QFileInfo::exists(backupFolder() + "/backupsanavo.mdb"));
        d.screen()->close();
    }
}

TEST_F(CopyDBTest, WithoutARowToRememberTheCopyIsMadeThenTheFailureIsShown) {
    execSql(dbPath(), "DELETE FROM SettingsCopyDB");
    backUpInto(backupFolder(), MsgAnswer::Yes);
    ASSERT_EQ(messages.count(), 2u);
    EXPECT_EQ(messages.calls()[0], kQuestion);
    EXPECT_EQ(messages.last().icon, MsgIcon::None);
    EXPECT_EQ(messages.last().title, AppTitle);
    EXPECT_TRUE(messages.last().text.startsWith("Error :")) << messages.last().text.toStdString();
    EXPECT_GT(messages.last().text.size(), 7);
    EXPECT_TRUE(QFileInfo::exists(backupFolder() + "/backupsanavo.mdb"));
    EXPECT_EQ(rowCount("SettingsCopyDB"), 0);
}
