#pragma once

#include "framework/RecordScreen.h"

class DatePicker;
class QComboBox;
class QLineEdit;

// Consultant fees (SettingsConsultant): a doctor's fee for a patient on a date, one per doctor and patient.
// It opens only when in-patients, out-patients and doctors are all stored.
class frmAddConsultant : public RecordScreen {
    Q_OBJECT
public:
    frmAddConsultant();

protected:
    QWidget* keyField() const override;
    bool openOtherSets() override;
    bool checks() override;
    void openList() override;
    bool clearsNotAvailable() const override { return false; }

    DatePicker* DTPicker1;
    QComboBox* cmbPatientID;
    QLineEdit* txtPassword;
    QComboBox* Combo1;
    PictureButton* Picture11;

private:
    // Picking a doctor while browsing, with a patient chosen (or the other way round), shows their stored
    // fee.
    void chooseDoctor();
};
