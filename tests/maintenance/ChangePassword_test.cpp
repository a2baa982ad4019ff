// The change of one's own password: its checks, which row it writes, and a user no longer stored.
#include "data/ProgramState.h"
#include "data/modVBDes.h"
#include "maintenance/frmSettingsChangePwd.h"
#include "support/ScreenDriver.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>

namespace {

class ChangePasswordTest : public ConnectedAppTest {
protected:
    void SetUp() override {
        ConnectedAppTest::SetUp();
        CurrentUserName = "ravi";
        CurrentUserType = "Doctor";
    }
    // The passwords of every row in table order, deciphered.
    QStringList passwords() {
        QStringList out;
        for (const QString& p :
             querySql(dbPath(), "SELECT group_concat(Password, ',') FROM (SELECT Password FROM "
                                "SettingsNewUser ORDER BY rowid)")
                 .split(','))
            out << Decipher(p).value_or("?");
        return out;
    }
};

} // namespace

TEST_F(ChangePasswordTest, TheChecksRefuseEmptyAndDifferentPasswordsAndWriteNothing) {
    insertRow("SettingsNewUser", {"UserName", "Password", "UserType"},
              {"ravi", Encipher("old"), Encipher("Doctor")});
    frmSettingsChangePwd* s = ShowScreen<frmSettingsChangePwd>();
    ASSERT_NE(s, nullptr);
    ScreenDriver d(s);
    EXPECT_EQ(s->windowTitle(), "         Settings Change Password");
    EXPECT_EQ(d.control<QLineEdit>("txtConfirmPassword")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(d.control("Picture11")->toolTip(), "Enter your New Password Here!");
    struct Case {
        QString password, confirmation, text, focus;
        bool emptied;
    };
    for (const Case& c : std::vector<Case>{
             {"  ", "new", "Please Mentioned New Password", "txtPassword", false},
             {"new", " ", "Please Mentioned Confirm New Password", "txtConfirmPassword", false},
             {"abc", "ABC", "Password Doesnt match! Please Type Correctly", "txtPassword", true}}) {
        SCOPED_TRACE(c.text.toStdString());
        messages.clear();
        d.control<QLineEdit>("txtPassword")->setText(c.password);
        d.control<QLineEdit>("txtConfirmPassword")->setText(c.confirmation);
        d.click("Picture1");
        EXPECT_EQ(messages.calls(),
                  (std::vector<RecordedMessage>{{MsgIcon::Critical, MsgButtons::Ok, "Warning", c.text}}));
        EXPECT_EQ(s->focusWidget(), d.control(c.focus));
        EXPECT_EQ(d.text("txtPassword").isEmpty() && d.text("txtConfirmPassword").isEmpty(), c.emptied);
    }
    EXPECT_EQ(passwords(), QStringList({"larch", "old"}));
    // Cancel closes without writing.
    QPointer<frmSettingsChangePwd> alive(s);
    d.click("Picture2");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(passwords(), QStringList({"larch", "old"}));
}

TEST_F(ChangePasswordTest, OnlyTheFirstRowOfTheUserGetsTheNewPasswordAsTypedAndTheScreenCloses) {
    for (const char* name : {"Ravi", "ravi", "ravi"})
        insertRow("SettingsNewUser", {"UserName", "Password", "UserType"},
                  {name, Encipher("old"), Encipher("Doctor")});
    frmSettingsChangePwd* s = ShowScreen<frmSettingsChangePwd>();
    ScreenDriver d(s);
    QPointer<frmSettingsChangePwd> alive(s);
    d.control<QLineEdit>("txtPassword")->setText("new ");
    d.control<QLineEdit>("txtConfirmPassword")->setText("new");
    d.click("Picture1");
    EXPECT_EQ(messages.count(), 0u);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(passwords(), QStringList({"larch", "old", "new", "old"}));
}

TEST_F(ChangePasswordTest, AUserNoLongerStoredIsToldAndNothingIsWritten) {
    frmSettingsChangePwd* s = ShowScreen<frmSettingsChangePwd>();
    ScreenDriver d(s);
    d.control<QLineEdit>("txtPassword")->setText("new");
    d.control<QLineEdit>("txtConfirmPassword")->setText("new");
    d.click("Picture1");
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().icon, MsgIcon::Critical);
    EXPECT_TRUE(messages.last().text.contains("not changed")) << messages.last().text.toStdString();
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(passwords(), QStringList({"larch"}));
}
