#include "shell/frmLogin.h"

#include "data/DbError.h"
#include "data/Environment.h"
#include "data/Messages.h"
#include "data/ProgramState.h"
#include "data/Recordset.h"
#include "data/modConnectDB.h"
#include "data/modVBDes.h"
#include "framework/Chrome.h"
#include "framework/MenuControl.h"
#include "framework/Palette.h"
#include "framework/PictureButton.h"
#include "shell/Desktop.h"
#include "shell/frmMain.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

const QString LoginCaption = QStringLiteral("          Login");

void fieldLabel(const QString& text, QLineEdit* buddy, QWidget* parent, int y) {
    QLabel* label = windowText(parent, QString(), text, 13, true, Palette::ink());
    label->setBuddy(buddy);
    label->setGeometry(22, y, 84, 26);
}

// A stored column deciphered and trimmed; no value when it is not a cipher text, which then matches
// nothing typed, not even an empty password.
std::optional<QString> plainColumn(Recordset& users, int pos) {
    const std::optional<QString> plain = Decipher(users.FieldText(pos).trimmed());
    if (!plain) return std::nullopt;
    return plain->trimmed();
}

} // namespace

int matchingUserRow(Recordset& users, const QString& name, const QString& password) {
    if (users.RecordCount() == 0) return -1;
    users.MoveFirst();
    for (int row = 0; !users.AtEOF(); ++row, users.MoveNext()) {
        if (name != users.FieldText(1)) continue;
        const std::optional<QString> stored = plainColumn(users, 2);
        if (stored && password == *stored) return row;
    }
    return -1;
}

bool hintAccountLogsIn() {
    try {
        QString error;
        auto connection = Connection::open(AppFile("sanavodb.mdb"), &error);
        if (!connection) return false;
        Recordset users;
        if (!users.Open("SELECT * FROM SettingsNewUser", connection, Recordset::Mode::Snapshot)) return false;
        return matchingUserRow(users, "admin", "larch") >= 0;
    } catch (const DbError&) {
        return false;
    }
}

frmLogin::frmLogin() {
    setObjectName("frmLogin");
    txtUserName = new QLineEdit(this);
    txtUserName->setObjectName("txtUserName");
    txtUserName->setGeometry(110, 50, 170, 26);
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName("txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet("lineedit-password-character: 42");
    txtPassword->setGeometry(110, 86, 170, 26);
    fieldLabel("&User Name", txtUserName, this, 50);
    fieldLabel("&Password", txtPassword, this, 86);
    Picture1 = new PictureButton("Picture1", "Login1", this);
    Picture1->setHoverEnabled(false);
    Picture1->setToolTip("Log in");
    Picture1->setAccessibleName("Log in");
    connect(Picture1, &PictureButton::clicked, this, &frmLogin::loginCheck);
    connect(txtUserName, &QLineEdit::returnPressed, txtPassword, [this] { txtPassword->setFocus(); });
    connect(txtPassword, &QLineEdit::returnPressed, this, &frmLogin::loginCheck);
    setTabOrder(txtUserName, txtPassword);

    FormDesignLogin(this, LoginCaption, 2955, 4545);
    connect(titleBarOf(this), &TitleBar::command, this, &frmLogin::closeCommand);
    CenterForm(this);
}

frmLogin::~frmLogin() {
    setLogOut({});
}

bool frmLogin::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(e);
}

void frmLogin::Form_Activate() {
    const auto step = [](auto f) {
        try {
            f();
        } catch (...) {
        }
    };
    step([] { QDir::setCurrent(AppFolder()); });
    step([this] { FormDesignLogin(this, LoginCaption, 2955, 4545); });
    step([this] { CenterForm(this); });
    step([this] {
        Picture1->loadPicture("Login1.gif");
        modTrimPictureBox(Picture1);
        Picture1->move((width() - Picture1->width()) / 2, 128);
    });
    step([] { ConnectDB(); });
    step([this] { txtUserName->setFocus(); });
}

void frmLogin::loginCheck() {
    // A user table the program cannot read (a column missing, say) is a database that cannot be used.
    try {
        checkAccount();
    } catch (const DbError& e) {
        ShowDatabaseError(e.description(), e.statement());
    }
}

void frmLogin::checkAccount() {
    Recordset users;
    if (!users.Open("SELECT * FROM SettingsNewUser", DbConnection, Recordset::Mode::Editable)) {
        ShowDatabaseError(users.LastError(), users.LastStatement());
        return;
    }
    if (users.RecordCount() == 0) {
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", "No User Found");
        hide();
        RestoreDesktop();
        EndProgram(0);
        return;
    }
    if (matchingUserRow(users, txtUserName->text(), txtPassword->text()) < 0) {
        // Nobody logged in: no user name is kept from the rows walked.
        CurrentUserName.clear();
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Wrong Info", "User Name Or Password Wrong ");
        txtUserName->clear();
        txtPassword->clear();
        txtUserName->setFocus();
        return;
    }
    CurrentUserName = users.FieldText(1);
    hide();
    // A type that does not decipher is no known type: the user logs in without a menu.
    CurrentUserType = plainColumn(users, 3).value_or(QString());
    main_ = std::make_unique<frmMain>();
    main_->show();
    main_->raise();
    main_->activateWindow();
    // A restored database may hold other accounts: the operator logs in again. The main window goes once the
    // screen that asked has finished.
    setLogOut([this] {
        QTimer::singleShot(0, this, [this] {
            if (!main_) return;
            main_->hide();
            main_.reset();
            CurrentUserName.clear();
            CurrentUserType.clear();
            txtUserName->clear();
            txtPassword->clear();
            show();
            raise();
            activateWindow();
        });
    });
}

void frmLogin::closeCommand(const QString& command) {
    if (!isChromeCommand(command, "Close")) return;
    hide();
    RestoreDesktop();
    EndProgram(0);
}

void frmLogin::closeEvent(QCloseEvent* e) {
    e->ignore();
    closeCommand("Close");
}
