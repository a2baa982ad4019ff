#pragma once

#include "data/Recordset.h"
#include "framework/PictureButton.h"
#include "framework/Screens.h"

class DatePicker;
class QComboBox;
class QLineEdit;

// The discharge of an admitted patient: prescription, disease and health details and the date, written into
// the patient's own row of SettingsInPatient, which is then marked discharged.
class frmDischarge : public MenuScreen {
    Q_OBJECT
public:
    frmDischarge();
    // Picture1: checks the details and writes the discharge into the chosen patient's row.
    void save();

protected:
    void setPictures() override;
    bool openSets() override;
    void showRows() override;

    QComboBox* cmbPatientName;
    // The IDs of the patients listed under the chosen name (one, or several when they share the name).
    QComboBox* txtPatientID;
    QLineEdit* txtPrescription;
    QLineEdit* txtDisease;
    QLineEdit* txtHealth;
    DatePicker* DTPicker1;
    PictureButton* Picture1;
    PictureButton* Picture2;
    PictureButton* Picture11;

private:
    // Offers the IDs of the listed patients of the chosen name.
    void choosePatient();
    bool warn(QWidget* focus, const QString& text);

    PictureRow buttons_;
    Recordset rs_;
    QStringList listedNames_, listedIds_;
};
