#pragma once

#include "framework/RecordScreen.h"

class QLineEdit;
class QRadioButton;

// The accounts that may log in (SettingsNewUser): a letters-only user name, a password typed twice and a
// user type chosen with three option buttons; password and type are stored enciphered.
class frmAddNewUser : public RecordScreen {
    Q_OBJECT
public:
    frmAddNewUser();
    // The user type of the option button chosen ("Admin", "Doctor" or "Employee"); empty when none is.
    QString ChosenUserType() const;

protected:
    QWidget* keyField() const override;
    bool checks() override;
    void openList() override;
    bool clearsNotAvailable() const override { return false; }
    bool refusesDelete() override;
    void emptyFields(Emptying why) override;

    QLineEdit* txtUserName;
    QLineEdit* txtPassword;
    QLineEdit* txtConfirmPassword;
    QRadioButton* Option1_0;
    QRadioButton* Option1_1;
    QRadioButton* Option1_2;
    PictureButton* Picture11;
};
