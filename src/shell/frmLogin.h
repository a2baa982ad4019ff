#pragma once

#include <QString>
#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class PictureButton;
class Recordset;
class frmMain;

// The login window: user name, password and the log-in button. A match stores CurrentUserName and
// CurrentUserType and opens the main window; the login window then stays loaded and hidden.
class frmLogin : public QWidget {
    Q_OBJECT
public:
    frmLogin();
    ~frmLogin() override;

    // Each time the window becomes active: title and size, centring, the log-in picture, the
    // connection, the focus in txtUserName. A failing step is passed over.
    void Form_Activate();
    // The log-in button, or Enter in txtPassword.
    void loginCheck();
    // The title bar's close control: "Close" (trimmed, any case) ends the program.
    void closeCommand(const QString& command);

    QLineEdit* userName() const { return txtUserName; }
    QLineEdit* password() const { return txtPassword; }
    frmMain* mainWindow() const { return main_.get(); }

protected:
    bool event(QEvent* e) override;
    // A close request from the window system is the close command.
    void closeEvent(QCloseEvent* e) override;

private:
    void checkAccount();

    QLineEdit* txtUserName;
    QLineEdit* txtPassword;
    PictureButton* Picture1;
    std::unique_ptr<frmMain> main_;
};

// Walks the user rows from the first and stops on the first whose user name (column 1, as stored)
// equals `name` and whose password (column 2, trimmed, deciphered, trimmed again) equals `password`;
// both comparisons are exact, and a stored password that does not decipher matches nothing. Returns that
// row's index, the cursor left on it; -1 when none matches.
int matchingUserRow(Recordset& users, const QString& name, const QString& password);
// Whether the account named in the start-up hint ("admin" with "larch") still logs in. False when the
// database cannot be read.
bool hintAccountLogsIn();
