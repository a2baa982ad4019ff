#include "data/DbError.h"
#include "data/ProgramState.h"
#include "data/modConnectDB.h"
#include "data/modVBDes.h"
#include "framework/Chrome.h"
#include "framework/PictureButton.h"
#include "shell/GuardedApplication.h"
#include "shell/frmLoading.h"
#include "shell/frmLogin.h"
#include "shell/frmMain.h"
#include "support/AppFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QStyle>
#include <QTest>
#include <QTimer>

namespace {

class LoginTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        connect();
    }
    // Replaces every account with the given rows (name, stored password, stored type), in this order.
    void users(const std::vector<std::array<QString, 3>>& rows) {
        execSql(dbPath(), "DELETE FROM SettingsNewUser");
        for (const auto& r : rows)
            execSql(dbPath(), QString("INSERT INTO SettingsNewUser (UserName, Password, UserType) VALUES "
                                      "('%1', '%2', '%3')")
                                  .arg(r[0], r[1], r[2]));
    }
    // Types into the login window as an operator does and presses Enter in the password.
    void logIn(frmLogin& login, const QString& name, const QString& password) {
        login.userName()->setFocus();
        QTest::keyClicks(login.userName(), name);
        QTest::keyClick(login.userName(), Qt::Key_Return);
        QTest::keyClicks(login.password(), password);
        QTest::keyClick(login.password(), Qt::Key_Return);
    }
    // A login window shown and activated as the splash leaves it.
    frmLogin& shown() {
        login = std::make_unique<frmLogin>();
        login->show();
        login->Form_Activate();
        return *login;
    }
    void expectWrongInfo(frmLogin& login) {
        ASSERT_EQ(messages.count(), 1u);
        EXPECT_EQ(messages.last(), (RecordedMessage{MsgIcon::Critical, MsgButtons::Ok, "Wrong Info",
                                                    "User Name Or Password Wrong "}));
        EXPECT_TRUE(login.userName()->text().isEmpty());
        EXPECT_TRUE(login.password()->text().isEmpty());
        EXPECT_EQ(login.focusWidget(), login.userName());
        EXPECT_EQ(login.mainWindow(), nullptr);
        EXPECT_TRUE(CurrentUserName.isEmpty());
        EXPECT_TRUE(login.isVisible());
    }
    std::unique_ptr<frmLogin> login;
};

} // namespace

TEST_F(LoginTest, UserNamesAreCaseSensitiveAWrongLoginEmptiesBothFieldsThenTheAdminLogsIn) {
    frmLogin& login = shown();
    EXPECT_EQ(login.focusWidget(), login.userName());
    QTest::keyClicks(login.userName(), "Admin");
    QTest::keyClick(login.userName(), Qt::Key_Return);
    EXPECT_EQ(login.focusWidget(), login.password()); // Enter in the user name moves on
    EXPECT_EQ(login.password()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(login.password()->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                   login.password()),
              '*');
    QTest::keyClicks(login.password(), "larch");
    QTest::keyClick(login.password(), Qt::Key_Return);
    expectWrongInfo(login);
    // The operator may try again at once.
    messages.clear();
    logIn(login, "admin", "larch");
    EXPECT_EQ(messages.count(), 0u);
    EXPECT_EQ(CurrentUserName, "admin");
    EXPECT_EQ(CurrentUserType, "Admin");
    EXPECT_FALSE(login.isVisible()); // hidden, still loaded
    ASSERT_NE(login.mainWindow(), nullptr);
    EXPECT_EQ(frmMain::instance(), login.mainWindow());
    EXPECT_TRUE(login.mainWindow()->isVisible());
    EXPECT_EQ(programEnds, 0);
}

TEST_F(LoginTest, BlanksAroundTheStoredPasswordAreTrimmedButTypedBlanksNeverMatch) {
    users({{"nurse", "  " + Encipher(" ward7 ") + " ", Encipher(" Employee ")}});
    frmLogin& login = shown();
    for (const char* typed : {" ward7", "ward7 "}) {
        logIn(login, "nurse", typed);
        expectWrongInfo(login);
        messages.clear();
    }
    logIn(login, "nurse", "ward7");
    EXPECT_EQ(messages.count(), 0u);
    EXPECT_EQ(CurrentUserName, "nurse");
    EXPECT_EQ(CurrentUserType, "Employee"); // the type is trimmed both sides of the cipher too
}

TEST_F(LoginTest, TheFirstMatchingRowInTableOrderWins) {
    users({{"dr", Encipher("other"), Encipher("Admin")},
           {"dr", Encipher("same"), Encipher("Doctor")},
           {"dr", Encipher("same"), Encipher("Employee")}});
    logIn(shown(), "dr", "same");
    EXPECT_EQ(CurrentUserType, "Doctor");
}

// A stored password that does not decipher never matches, not even the empty password that a failed
// decipher once gave.
TEST_F(LoginTest, ADamagedStoredPasswordMatchesNothingTyped) {
    const QString good = Encipher("larch");
    QString oneDigit = good;
    oneDigit[31] = good[31] == '0' ? '1' : '0';
    const std::pair<const char*, QString> stored[] = {
        {"NULL", "NULL"},
        {"empty", "''"},
        {"plain", "'larch'"},
        {"truncated", "'" + good.left(good.size() - 2) + "'"},
        {"one digit changed", "'" + oneDigit + "'"},
        {"not hex", "'ZZ" + good.mid(2) + "'"},
    };
    frmLogin& login = shown();
    for (const auto& [what, value] : stored) {
        execSql(dbPath(), "UPDATE SettingsNewUser SET Password = " + value);
        for (const char* typed : {"", "larch"}) {
            SCOPED_TRACE(std::string(what) + ", typed '" + typed + "'");
            messages.clear();
            logIn(login, "admin", typed);
            expectWrongInfo(login);
        }
    }
}

TEST_F(LoginTest, AUserTypeThatDoesNotDecipherLogsInWithoutAMenuButOnlyWithThePassword) {
    users({{"clerk", Encipher("pw"), "Admin"}}); // the type stored plain
    frmLogin& login = shown();
    logIn(login, "clerk", "");
    expectWrongInfo(login);
    messages.clear();
    logIn(login, "clerk", "pw");
    EXPECT_EQ(messages.count(), 0u);
    EXPECT_EQ(CurrentUserType, "");
    ASSERT_NE(login.mainWindow(), nullptr);
    EXPECT_FALSE(login.mainWindow()->horizontalMenu()->isVisible());
    EXPECT_FALSE(login.mainWindow()->verticalMenu()->isVisible());
}

TEST_F(LoginTest, AUserTableTheLoginCannotReadEndsTheProgramWithTheDatabaseError) {
    execSql(dbPath(), "ALTER TABLE SettingsNewUser DROP COLUMN UserType");
    // Past the start-up check (which refuses such a file), as if the column went while the program ran.
    QString error;
    DbConnection = Connection::open(dbPath(), &error);
    ASSERT_NE(DbConnection, nullptr) << error.toStdString();
    frmLogin login;
    QTest::keyClicks(login.userName(), "admin");
    QTest::keyClicks(login.password(), "larch");
    testing::internal::CaptureStderr();
    login.loginCheck();
    const std::string log = testing::internal::GetCapturedStderr();
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last(), (RecordedMessage{MsgIcon::Critical, MsgButtons::Ok, "Database Error",
                                                "Database Error. Please Check the database and try again"}));
    EXPECT_EQ(programEnds, 1);
    EXPECT_NE(log.find("Sanavo: Database Error: "), std::string::npos) << log;
    EXPECT_EQ(login.mainWindow(), nullptr);
}

TEST_F(LoginTest, AFailureNoScreenTrappedBecomesTheDatabaseErrorNotAnAbort) {
    testing::internal::CaptureStderr();
    EXPECT_TRUE(RunGuarded([] {}));
    EXPECT_FALSE(
        RunGuarded([] { throw DbError("no such column: UserType", "SELECT * FROM SettingsNewUser"); }));
    EXPECT_FALSE(RunGuarded([] { throw 42; }));
    const std::string log = testing::internal::GetCapturedStderr();
    ASSERT_EQ(messages.count(), 2u);
    for (const RecordedMessage& m : messages.calls())
        EXPECT_EQ(m, (RecordedMessage{MsgIcon::Critical, MsgButtons::Ok, "Database Error",
                                      "Database Error. Please Check the database and try again"}));
    EXPECT_EQ(programEnds, 2);
    EXPECT_NE(log.find("no such column: UserType [SELECT * FROM SettingsNewUser]"), std::string::npos) << log;
}

TEST_F(LoginTest, AnEmptyUserTableEndsTheProgram) {
    users({});
    frmLogin& login = shown();
    logIn(login, "admin", "larch");
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last(),
              (RecordedMessage{MsgIcon::Critical, MsgButtons::Ok, "Warning", "No User Found"}));
    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(login.isVisible());
    EXPECT_EQ(login.mainWindow(), nullptr);
}

TEST_F(LoginTest, TheCloseControlEndsTheProgramAndMinimiseDoesNothing) {
    frmLogin& login = shown();
    login.closeCommand("Minimize");
    login.closeCommand("Closed");
    EXPECT_EQ(programEnds, 0);
    titleBarOf(&login)->minimiseControl()->click();
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(login.isVisible());
    login.closeCommand("  cLoSe ");
    EXPECT_EQ(programEnds, 1);
    titleBarOf(&login)->closeControl()->click();
    EXPECT_EQ(programEnds, 2);
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(LoginTest, ActivationDressesSizesAndConnects) {
    DbConnection.reset();
    frmLogin& login = shown();
    EXPECT_EQ(login.size(), QSize(303, 197));
    EXPECT_EQ(titleBarOf(&login)->caption(), "          Login");
    EXPECT_TRUE(login.isWindow());
    ASSERT_NE(DbConnection, nullptr);
    auto* button = login.findChild<PictureButton*>("Picture1");
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->hasPicture());
    EXPECT_EQ(button->pictureFile(), "Login1.gif");
    // The log-in picture logs in.
    QTest::keyClicks(login.userName(), "admin");
    QTest::keyClicks(login.password(), "larch");
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
    EXPECT_EQ(CurrentUserName, "admin");
}

TEST_F(LoginTest, TheHintAccountIsCheckedAsTheLoginChecksIt) {
    EXPECT_TRUE(hintAccountLogsIn());
    execSql(dbPath(), "UPDATE SettingsNewUser SET UserName = 'Admin' WHERE UserName = 'admin'");
    EXPECT_FALSE(hintAccountLogsIn());
    execSql(dbPath(),
            QString("INSERT INTO SettingsNewUser (UserName, Password, UserType) VALUES ('admin', '%1', '%2')")
                .arg(Encipher("larch"), Encipher("Doctor")));
    EXPECT_TRUE(hintAccountLogsIn());
    QFile::remove(dbPath());
    EXPECT_FALSE(hintAccountLogsIn());
}

// ---- the splash ----

TEST_F(LoginTest, TheSplashFillsInTenStepsThenShowsTheHintAndThenTheLogin) {
    frmLoading splash;
    EXPECT_EQ(splash.findChild<QLabel*>("lblTitle")->text(), "Sanavo");
    EXPECT_EQ(splash.findChild<QLabel*>("lblVersion")->text(), "Version 1.0");
    EXPECT_EQ(splash.findChild<QLabel*>("lblPlatform")->text(), "For Linux");
    EXPECT_EQ(splash.findChild<QLabel*>("lblLoading")->text(), "Loading ");
    splash.start();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.timer()->interval(), 500);
    EXPECT_TRUE(splash.timer()->isActive());
    EXPECT_TRUE(SavedDisplayMode.width > 0 && SavedDisplayMode.height > 0 &&
                SavedDisplayMode.bitsPerPixel > 0);

    std::vector<bool> loginShown; // for each box, whether the login window was already there
    const MessageHandler recorder = setMessageHandler(nullptr);
    setMessageHandler([&](MsgIcon i, MsgButtons b, const QString& t, const QString& x) {
        loginShown.push_back(splash.loginWindow() && splash.loginWindow()->isVisible());
        EXPECT_FALSE(splash.isVisible());
        EXPECT_FALSE(splash.timer()->isActive()); // the timer cannot tick inside the box
        return recorder(i, b, t, x);
    });
    for (int tick = 1; tick <= 9; ++tick)
        splash.Timer1_Timer();
    EXPECT_EQ(splash.progressBar()->value(), 90);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(messages.count(), 0u);
    EXPECT_EQ(splash.loginWindow(), nullptr);

    splash.Timer1_Timer();
    setMessageHandler(recorder);
    EXPECT_EQ(splash.progressBar()->value(), 100);
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last(), (RecordedMessage{MsgIcon::Information, MsgButtons::Ok, "Sanavo",
                                                "Please type - User name : admin , Password : larch"}));
    EXPECT_EQ(loginShown, std::vector<bool>{false});
    ASSERT_NE(splash.loginWindow(), nullptr);
    EXPECT_TRUE(splash.loginWindow()->isVisible());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.timer()->isActive());
}

TEST_F(LoginTest, TheHintIsNotShownOnceTheAdminPasswordIsChanged) {
    execSql(dbPath(), QString("UPDATE SettingsNewUser SET Password = '%1' WHERE UserName = 'admin'")
                          .arg(Encipher("birch")));
    frmLoading splash;
    splash.start();
    for (int tick = 1; tick <= 10; ++tick)
        splash.Timer1_Timer();
    EXPECT_EQ(messages.count(), 0u);
    ASSERT_NE(splash.loginWindow(), nullptr);
    EXPECT_TRUE(splash.loginWindow()->isVisible());
}
