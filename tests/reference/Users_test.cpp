// What the account screen's family rows cannot say: its checks, the ciphers, and the deletes it refuses.
#include "data/ProgramState.h"
#include "data/modVBDes.h"
#include "reference/frmAddNewUser.h"
#include "support/ScreenDriver.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

class UserTest : public ConnectedAppTest {
protected:
    void SetUp() override {
        ConnectedAppTest::SetUp();
        CurrentUserName = "admin";
        CurrentUserType = "Admin";
    }
    void addUser(const QString& name, const QString& password, const QString& type) {
        insertRow("SettingsNewUser", {"UserName", "Password", "UserType"}, {name, password, type});
    }
    frmAddNewUser* open() {
        frmAddNewUser* s = ShowScreen<frmAddNewUser>();
        if (s) ScreenDriver(s).activate();
        return s;
    }
    static void press(RecordScreen* s, int picture) {
        QTest::mouseClick(s->picture(picture), Qt::LeftButton);
    }
    QString stored(const QString& column, const QString& name) {
        return Decipher(querySql(dbPath(), "SELECT " + column + " FROM SettingsNewUser WHERE UserName = '" +
                                               name + "'"))
            .value_or("(not a cipher)");
    }
};

} // namespace

TEST_F(UserTest, SaveChecksRunInOrderAndAMismatchEmptiesBothPasswords) {
    frmAddNewUser* s = open();
    ScreenDriver d(s);
    struct Case {
        const char* name;
        std::vector<std::pair<QString, QString>> typed;
        bool chooseType;
        QString text;
        QString focus;
    };
    const std::vector<Case> cases{
        {"nothing", {}, true, "Please Fill the UserName", "txtUserName"},
        {"a stored name, blanks around",
         {{"txtUserName", " admin "}},
         true,
         "Please Select the Another User Name\r\nThis User Name Already Assigned",
         "txtUserName"},
        {"no password", {{"txtUserName", "nurse"}}, true, "Please Fill the Password", "txtPassword"},
        {"no confirmation",
         {{"txtUserName", "nurse"}, {"txtPassword", "a"}},
         true,
         "Please Fill the ConfirmPassword",
         "txtConfirmPassword"},
        {"different",
         {{"txtUserName", "nurse"}, {"txtPassword", "a"}, {"txtConfirmPassword", "b"}},
         true,
         "Password Doesnt Match Please Fill It",
         "txtPassword"},
        {"no type, after every password check",
         {{"txtUserName", "nurse"}, {"txtPassword", "a"}, {"txtConfirmPassword", "a"}},
         false,
         "Please Select Any User Type",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        press(s, 5);
        for (const auto& [control, keys] : c.typed)
            d.type(control, keys);
        if (c.chooseType) d.click("Option1_1");
        press(s, 9);
        EXPECT_EQ(messages.calls(),
                  (std::vector<RecordedMessage>{{MsgIcon::Critical, MsgButtons::Ok, "Warning", c.text}}));
        if (!c.focus.isEmpty()) {
            EXPECT_EQ(s->focusWidget(), d.control(c.focus));
        }
        if (QString(c.name) == "different") {
            EXPECT_EQ(d.text("txtPassword") + d.text("txtConfirmPassword"), "");
        }
        EXPECT_EQ(s->state(), RecordScreen::State::Adding);
        press(s, 10);
        EXPECT_EQ(s->ChosenUserType(), "");
    }
    EXPECT_EQ(rowCount("SettingsNewUser"), 1);
}

TEST_F(UserTest, PasswordsMatchTrimmedAreStoredAsTypedAndEveryTextIsEnciphered) {
    frmAddNewUser* s = open();
    ScreenDriver d(s);
    press(s, 5);
    d.type("txtUserName", "ward");
    d.type("txtPassword", " larch ");
    d.type("txtConfirmPassword", "larch");
    d.click("Option1_2");
    EXPECT_EQ(s->ChosenUserType(), "Employee");
    EXPECT_EQ(d.control<QLineEdit>("txtPassword")->echoMode(), QLineEdit::Password);
    press(s, 9);
    // The cipher gives back what it was given without its blanks at either end.
    EXPECT_EQ(stored("Password", "ward"), "larch");
    EXPECT_EQ(stored("UserType", "ward"), "Employee");

    // Shown again deciphered, the type chosen; an edit keeps the type unless another is chosen.
    press(s, 1);
    press(s, 4);
    EXPECT_EQ(d.text("txtPassword"), "larch");
    EXPECT_EQ(d.text("txtConfirmPassword"), "larch");
    EXPECT_TRUE(d.control<QRadioButton>("Option1_2")->isChecked());
    press(s, 6);
    EXPECT_EQ(s->ChosenUserType(), "Employee");
}

TEST_F(UserTest, ATypeThatDoesNotDecipherShowsNoTypeAndTheSaveAsksForOne) {
    addUser("ravi", Encipher("pw"), "damaged");
    frmAddNewUser* s = open();
    ScreenDriver d(s);
    press(s, 4);
    EXPECT_EQ(d.text("txtUserName"), "ravi");
    EXPECT_EQ(s->ChosenUserType(), "");
    for (const char* option : {"Option1_0", "Option1_1", "Option1_2"})
        EXPECT_FALSE(d.control<QRadioButton>(option)->isChecked()) << option;
    press(s, 6);
    press(s, 9);
    EXPECT_EQ(messages.texts(), QStringList({"Please Select Any User Type"}));
}

TEST_F(UserTest, TheAccountLoggedInAndTheLastAdminAreNeverDeleted) {
    addUser("ravi", Encipher("pw"), Encipher("Admin"));
    addUser("mala", Encipher("pw"), Encipher("Doctor"));
    frmAddNewUser* s = open();
    ScreenDriver d(s);
    const auto deleteShown = [&](MsgAnswer answer) {
        messages.clear();
        messages.answer(answer);
        press(s, 7);
    };
    // admin is logged in: refused before the question, nothing deleted.
    deleteShown(MsgAnswer::Yes);
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().icon, MsgIcon::Critical);
    EXPECT_EQ(messages.last().title, "Warning");
    EXPECT_TRUE(messages.last().text.contains("logged in")) << messages.last().text.toStdString();
    // ravi is another Admin: deleted.
    press(s, 3);
    EXPECT_EQ(d.text("txtUserName"), "ravi");
    deleteShown(MsgAnswer::Yes);
    EXPECT_EQ(messages.last().title, "Confirm Delete");
    EXPECT_EQ(rowCount("SettingsNewUser"), 2);
    // Logged in as mala, admin is now the only Admin: refused.
    CurrentUserName = "mala";
    press(s, 1);
    deleteShown(MsgAnswer::Yes);
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_TRUE(messages.last().text.contains("only Admin")) << messages.last().text.toStdString();
    EXPECT_EQ(rowCount("SettingsNewUser"), 2);
}
