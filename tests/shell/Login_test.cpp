#include "data/DbError.h"
#include "data/ProgramState.h"
#include "data/modConnectDB.h"
#include "data/modVBDes.h"
#include "framework/Chrome.h"
#include "framework/PictureButton.h"
#include "maintenance/frmSettingsChangePwd.h"
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

const RecordedMessage kDatabaseError{MsgIcon::Critical, MsgButtons::Ok, "Database Error",
                                     "Database Error. Please Check the database and try again"};
using Accounts = std::vector<std::array<QString, 3>>; // name, stored password, stored type

class LoginTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        connect();
    }
    // Replaces every account with the given rows, in this order.
    void users(const Accounts& rows) {
        execSql(dbPath(), "DELETE FROM SettingsNewUser");
        for (const auto& r : rows)
            execSql(dbPath(), QString("INSERT INTO SettingsNewUser (UserName, Password, UserType) VALUES "
                                      "('%1', '%2', '%3')")
                                  .arg(r[0], r[1], r[2]));
    }
    // Types into the login window as an operator does: Enter in the user name moves on to the password,
    // Enter there logs in.
    void logIn(frmLogin& login, const QString& name, const QString& password) {
        login.userName()->setFocus();
        QTest::keyClicks(login.userName(), name);
        QTest::keyClick(login.userName(), Qt::Key_Return);
        EXPECT_EQ(login.focusWidget(), login.password());
        QTest::keyClicks(login.password(), password);
        QTest::keyClick(login.password(), Qt::Key_Return);
    }
    // A login window shown and activated as the splash leaves it, the user name focused.
    frmLogin& shown() {
        login = std::make_unique<frmLogin>();
        login->show();
        login->Form_Activate();
        EXPECT_EQ(login->focusWidget(), login->userName());
        return *login;
    }
    void expectWrongInfo(frmLogin& login) {
        EXPECT_EQ(messages.calls(),
                  (std::vector<RecordedMessage>{
                      {MsgIcon::Critical, MsgButtons::Ok, "Wrong Info", "User Name Or Password Wrong "}}));
        EXPECT_TRUE(login.userName()->text().isEmpty());
        EXPECT_TRUE(login.password()->text().isEmpty());
        EXPECT_EQ(login.focusWidget(), login.userName());
        EXPECT_EQ(login.mainWindow(), nullptr);
        EXPECT_TRUE(CurrentUserName.isEmpty());
        EXPECT_TRUE(login.isVisible());
    }
    // Each refused try empties both fields; then the login hides this window and opens the main window,
    // with a menu for a known user type.
    void expectLogin(const std::vector<std::pair<QString, QString>>& refused, const QString& user,
                     const QString& password, const QString& type) {
        frmLogin& login = shown();
        for (const auto& [name, typed] : refused) {
            SCOPED_TRACE((name + " / '" + typed + "'").toStdString());
            logIn(login, name, typed);
            expectWrongInfo(login);
            messages.clear();
        }
        logIn(login, user, password);
        EXPECT_EQ(messages.count(), 0u);
        EXPECT_EQ(CurrentUserName, user);
        EXPECT_EQ(CurrentUserType, type);
        EXPECT_FALSE(login.isVisible()); // hidden, still loaded
        ASSERT_NE(login.mainWindow(), nullptr);
        EXPECT_EQ(frmMain::instance(), login.mainWindow());
        EXPECT_TRUE(login.mainWindow()->isVisible());
        EXPECT_EQ(login.mainWindow()->horizontalMenu()->isVisible(), !type.isEmpty());
        EXPECT_FALSE(login.mainWindow()->verticalMenu()->isVisible());
        EXPECT_EQ(programEnds, 0);
    }
    std::unique_ptr<frmLogin> login;
};

} // namespace

TEST_F(LoginTest, UserNamesAreCaseSensitive) {
    expectLogin({{"Admin", "larch"}}, "admin", "larch", "Admin");
}

TEST_F(LoginTest, BlanksAroundTheStoredPasswordAreTrimmedButTypedBlanksNeverMatch) {
    // The type is trimmed both sides of the cipher too.
    users({{"nurse", "  " + Encipher(" ward7 ") + " ", Encipher(" Employee ")}});
    expectLogin({{"nurse", " ward7"}, {"nurse", "ward7 "}}, "nurse", "ward7", "Employee");
}

TEST_F(LoginTest, AfterAChangeOfPasswordTheOldOneIsRefusedAndTheNewOneLogsIn) {
    users({{"nurse", Encipher("ward7"), Encipher("Employee")}});
    CurrentUserName = "nurse";
    frmSettingsChangePwd* change = ShowScreen<frmSettingsChangePwd>();
    ASSERT_NE(change, nullptr);
    change->findChild<QLineEdit*>("txtPassword")->setText("ward9");
    change->findChild<QLineEdit*>("txtConfirmPassword")->setText("ward9");
    change->ok();
    CurrentUserName.clear();
    expectLogin({{"nurse", "ward7"}}, "nurse", "ward9", "Employee");
}

TEST_F(LoginTest, TheFirstMatchingRowInTableOrderWins) {
    users({{"dr", Encipher("other"), Encipher("Admin")},
           {"dr", Encipher("same"), Encipher("Doctor")},
           {"dr", Encipher("same"), Encipher("Employee")}});
    expectLogin({}, "dr", "same", "Doctor");
}

TEST_F(LoginTest, AUserTypeThatDoesNotDecipherLogsInWithoutAMenuButOnlyWithThePassword) {
    users({{"clerk", Encipher("pw"), "Admin"}}); // the type stored plain
    expectLogin({{"clerk", ""}}, "clerk", "pw", "");
}

// A stored password that does not decipher never matches, not even the empty password that a failed
// decipher once gave.
TEST_F(LoginTest, ADamagedStoredPasswordMatchesNothingTyped) {
    const QString good = Encipher("larch");
    QString oneDigit = good;
    oneDigit[31] = good[31] == '0' ? '1' : '0';
    // Every kind of damage is the cipher's own test; the login only has to match none of these.
    const std::pair<const char*, QString> stored[] = {
        {"NULL", "NULL"},
        {"plain", "'larch'"},
        {"one digit changed", "'" + oneDigit + "'"},
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
    EXPECT_EQ(messages.calls(), std::vector{kDatabaseError});
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
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{kDatabaseError, kDatabaseError}));
    EXPECT_EQ(programEnds, 2);
    EXPECT_NE(log.find("no such column: UserType [SELECT * FROM SettingsNewUser]"), std::string::npos) << log;
}

TEST_F(LoginTest, AnEmptyUserTableEndsTheProgram) {
    users({});
    frmLogin& login = shown();
    logIn(login, "admin", "larch");
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{
                                    {MsgIcon::Critical, MsgButtons::Ok, "Warning", "No User Found"}}));
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

TEST_F(LoginTest, ActivationDressesSizesAndConnectsAndThePasswordShowsStars) {
    DbConnection.reset();
    frmLogin& login = shown();
    EXPECT_EQ(login.size(), QSize(303, 197));
    EXPECT_EQ(titleBarOf(&login)->caption(), "          Login");
    EXPECT_TRUE(login.isWindow());
    ASSERT_NE(DbConnection, nullptr);
    EXPECT_EQ(login.password()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(login.password()->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                   login.password()),
              '*');
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

// The splash fills in ten steps, then shows the hint (while the hint account logs in) and then the login.
class SplashTest : public LoginTest, public testing::WithParamInterface<bool> {};

TEST_P(SplashTest, FillsInTenStepsThenShowsTheHintWhileItIsTrueAndThenTheLogin) {
    const bool hint = GetParam();
    if (!hint)
        execSql(dbPath(), QString("UPDATE SettingsNewUser SET Password = '%1' WHERE UserName = 'admin'")
                              .arg(Encipher("birch")));
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
    const RecordedMessage hintBox{MsgIcon::Information, MsgButtons::Ok, "Sanavo",
                                  "Please type - User name : admin , Password : larch"};
    EXPECT_EQ(messages.calls(), hint ? std::vector{hintBox} : std::vector<RecordedMessage>{});
    EXPECT_EQ(loginShown, std::vector<bool>(hint ? 1 : 0, false));
    ASSERT_NE(splash.loginWindow(), nullptr);
    EXPECT_TRUE(splash.loginWindow()->isVisible());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.timer()->isActive());
}

INSTANTIATE_TEST_SUITE_P(, SplashTest, testing::Bool(), [](const auto& row) {
    return row.param ? "WhileTheAdminPasswordIsLarch" : "NotOnceTheAdminPasswordIsChanged";
});
