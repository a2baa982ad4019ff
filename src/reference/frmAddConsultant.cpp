#include "reference/frmAddConsultant.h"

#include "data/Environment.h"
#include "data/modConnectDB.h"
#include "framework/Controls.h"
#include "framework/DatePicker.h"
#include "framework/ItemListModel.h"
#include "framework/modInputHelpers.h"
#include "reference/frmViewAllConsultant.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

frmAddConsultant::frmAddConsultant()
    : RecordScreen({"frmAddConsultant", QString(24, ' ') + "Add Consultant Fees Details", 6300, 10995},
                   "SELECT * FROM SettingsConsultant Order by DrName") {
    QWidget* area = fields()->parentWidget();
    DTPicker1 = new DatePicker("DTPicker1", area);
    cmbPatientID = editableCombo("cmbPatientID", area);
    Combo1 = editableCombo("Combo1", area);
    txtPassword = textBox("txtPassword", area);
    for (QComboBox* list : {cmbPatientID, Combo1}) {
        useItemList(list);
        attachAutoComplete(list, false);
    }
    Picture11 = helpIcon("Picture11", "Lab Investigation Here ", this);
    placeField(0, 0, "Date", DTPicker1);
    placeField(1, 0, "Dr Name", cmbPatientID, Picture11);
    placeField(2, 0, "Patient ID", Combo1);
    placeField(3, 0, "Amount", txtPassword);
    fields()->setColumnStretch(1, 1);

    bind(0, Field::date(DTPicker1));
    bind(1, cmbPatientID);
    bind(2, txtPassword);
    bind(3, Combo1);
    attachNumberOnly(txtPassword, false);
    // Picking the doctor, or the patient, while browsing shows that pair's stored fee.
    for (QComboBox* list : {cmbPatientID, Combo1}) {
        connect(list, &QComboBox::activated, this, [this] { chooseDoctor(); });
        connect(list, &QComboBox::editTextChanged, this, [this] { chooseDoctor(); });
    }
}

QWidget* frmAddConsultant::keyField() const {
    return cmbPatientID;
}

bool frmAddConsultant::openOtherSets() {
    // In-patient IDs, then out-patient IDs, then doctors; an empty one closes the screen with its message.
    const struct {
        const char* query;
        int column;
        const char* missing;
    } lists[] = {{"SELECT EmployeeID FROM SettingsInPatient Order by EmployeeID", 0,
                  "Please add the Patient Details First"},
                 {"SELECT EmployeeID FROM SettingsOutPatient Order by EmployeeID", 0,
                  "Please add the Patient Details First"},
                 {"SELECT * FROM SettingDrDetails Order by DoctorID", 0, "Please add the Dr. Details First"}};
    QStringList patients;
    for (const auto& list : lists) {
        Recordset rs;
        if (!OpenWorkingSet(rs, list.query, Recordset::Mode::Snapshot)) return false;
        bool empty = false;
        QStringList texts;
        if (!Trapped(TrapWording::ErrorColon, [&] {
                empty = rs.RecordCount() == 0;
                if (!empty) texts = rs.ColumnTexts(list.column);
            }))
            return false;
        if (empty) {
            MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", list.missing);
            return false;
        }
        if (&list == &lists[2])
            itemListOf(cmbPatientID)->setItems(texts);
        else
            patients += texts;
    }
    itemListOf(Combo1)->setItems(patients);
    emptyControl(cmbPatientID);
    emptyControl(Combo1);
    return true;
}

bool frmAddConsultant::checks() {
    const QString doctor = cmbPatientID->currentText().trimmed();
    if (doctor.isEmpty()) return warn(cmbPatientID, "Please Fill the Description");
    const QString patient = Combo1->currentText().trimmed();
    if (duplicateRow(
            [doctor, patient](const Recordset& r) {
                return r.FieldText(1).trimmed() == doctor && r.FieldText(3).trimmed() == patient;
            },
            "Please Select the Another Name and Patient ID", "This Name Already Available", cmbPatientID))
        return false;
    if (txtPassword->text().trimmed().isEmpty()) return warn(txtPassword, "Please Fill the Amount");
    if (patient.isEmpty()) return warn(Combo1, "Please Select Patient ID");
    return true;
}

void frmAddConsultant::chooseDoctor() {
    if (state() != State::Browsing || displaying()) return;
    const QString doctor = cmbPatientID->currentText().trimmed();
    const QString patient = Combo1->currentText().trimmed();
    if (doctor.isEmpty() || patient.isEmpty()) return;
    Trapped(TrapWording::ErrorColon, [&] {
        showMatching(
            [&](const Recordset& r) {
                return r.FieldText(1).trimmed() == doctor && r.FieldText(3).trimmed() == patient;
            },
            false);
    });
}

void frmAddConsultant::openList() {
    if (auto* list = LoadedScreen<frmViewAllConsultant>()) list->LookUp(this);
}
