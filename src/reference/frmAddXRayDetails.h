#pragma once

#include "framework/RecordScreen.h"

class QLineEdit;

// The X-ray price list: one row per examination (SettingsXRay) with an adult and a children's amount.
class frmAddXRayDetails : public RecordScreen {
    Q_OBJECT
public:
    frmAddXRayDetails();

protected:
    QWidget* keyField() const override;
    bool checks() override;
    void openList() override;
    bool clearsNotAvailable() const override { return false; }

    QLineEdit* txtUserName;
    QLineEdit* txtPassword;
    QLineEdit* txtConfirmPassword;
    PictureButton* Picture11;
};
