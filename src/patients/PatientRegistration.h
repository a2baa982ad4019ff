#pragma once

#include "framework/RecordScreen.h"

class QComboBox;
class DatePicker;
class QLabel;
class QLineEdit;

// The stored patient ID: the prefix ("OP" or "IP") followed by the typed text as typed. A text that
// already begins with the prefix (an ID shown for editing, or typed with it) is not prefixed again, so
// every stored ID carries the prefix exactly once.
QString prefixedPatientId(const QString& prefix, const QString& typed);

// The registration screen of a patient table (out-patients, in-patients): the patient ID list, the
// name, sex, phone, age, address and location fields, their checks and the ID list kept in step with
// every save and delete. A screen of this kind gives its ID prefix, caption, table query and list screen.
class PatientRegistration : public RecordScreen {
    Q_OBJECT
public:
    const QString& prefix() const { return prefix_; }

protected:
    // `query` is what both record sets run; `prefix` goes in front of every stored ID.
    PatientRegistration(ScreenInfo info, QString query, const QString& prefix);

    QWidget* keyField() const override;
    bool checks() override;
    void fillLists() override;
    void emptyFields(Emptying why) override;
    void stateChanged() override;

    QComboBox* cmbPatientID;
    QLabel* lblPrefix;
    QLineEdit* txtFirstName;
    QLineEdit* txtLastName;
    QComboBox* cmbSex;
    QComboBox* cmbMartialStatus;
    QLineEdit* txtMobilePhone;
    QLineEdit* txtHomePhone;
    QLineEdit* txtPagerNumber;
    QLineEdit* txtAge;
    DatePicker* DTPicker1;
    QLineEdit* txtAddress;
    QLineEdit* txtEmailId;
    PictureButton* Picture11;
    PictureButton* Picture12;

private:
    QString prefix_;
};
