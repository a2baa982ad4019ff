#pragma once

#include "framework/RecordScreen.h"

class DatePicker;
class QComboBox;
class QLineEdit;

// The hospital's staff other than doctors (SettingsEmployeeDetails), with the fullest checks of all record
// screens: optional contacts the operator declares absent are stored as "Not Available".
class frmAddEmployeeDetail : public RecordScreen {
    Q_OBJECT
public:
    frmAddEmployeeDetail();

protected:
    QWidget* keyField() const override;
    bool checks() override;
    void openList() override;

    QLineEdit* txtEmployeeID;
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
    QLineEdit* txtEmployeeType;
    QLineEdit* txtQualification;
    PictureButton* Picture11;
    PictureButton* Picture12;
};
