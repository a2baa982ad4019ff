#pragma once

#include "framework/RecordScreen.h"

class QComboBox;
class QLineEdit;

// The lab price list: one row per investigation (SettingsLab), its description the key, chosen from a list
// that shows the investigation's row while browsing.
class frmAddLabDetails : public RecordScreen {
    Q_OBJECT
public:
    frmAddLabDetails();
    // Set while a test is being edited: the description list then looks nothing up.
    bool ChangeFlag() const { return state() == State::Editing; }

protected:
    QWidget* keyField() const override;
    bool checks() override;
    void openList() override;
    bool clearsNotAvailable() const override { return false; }

    QComboBox* cmbPatientID;
    QLineEdit* txtPassword;
    PictureButton* Picture11;
};
