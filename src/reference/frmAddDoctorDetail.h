#pragma once

#include "framework/RecordScreen.h"

class DatePicker;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTimeEdit;

// The hospital's doctors (SettingDrDetails): the name printed on bills is the key; the hours are two time
// pickers, the working days are picked in frmAvailableDays.
class frmAddDoctorDetail : public RecordScreen {
    Q_OBJECT
public:
    frmAddDoctorDetail();

protected:
    QWidget* keyField() const override;
    bool checks() override;
    void openList() override;

    QLineEdit* txtDoctorID;
    QLineEdit* txtFirstName;
    QLineEdit* txtLastName;
    QComboBox* cmbSex;
    QLineEdit* txtMobilePhone;
    QLineEdit* txtHomePhone;
    DatePicker* DTPicker1;
    QLineEdit* txtAge;
    QLineEdit* txtPagerNumber;
    QLineEdit* txtAddress;
    QLineEdit* txtEmailId;
    QLineEdit* txtDoctorType;
    QLineEdit* txtQualification;
    QLineEdit* txtSpecialization;
    QTimeEdit* DTPicker2;
    QTimeEdit* DTPicker3;
    QLineEdit* txtAvailabledays;
    QPushButton* Command1;
    PictureButton* Picture11;
    PictureButton* Picture12;
};

// The menu command "mnuAddDrDetail".
void ShowAddDoctorDetail();
