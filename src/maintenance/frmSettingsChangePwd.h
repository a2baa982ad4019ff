#pragma once

#include "data/Recordset.h"
#include "framework/PictureButton.h"
#include "framework/Screens.h"

class QLineEdit;

// The logged-in user gives themselves a new password, typed twice (the old one is not asked for).
class frmSettingsChangePwd : public MenuScreen {
    Q_OBJECT
public:
    frmSettingsChangePwd();
    // Picture1: checks the two boxes and stores the new password in the user's first row.
    void ok();

protected:
    void setPictures() override;
    bool openSets() override;
    void showRows() override;

    QLineEdit* txtPassword;
    QLineEdit* txtConfirmPassword;
    PictureButton* Picture1;
    PictureButton* Picture2;
    PictureButton* Picture11;

private:
    bool warn(QLineEdit* focus, const QString& text);

    PictureRow buttons_;
    Recordset rs_;
};
