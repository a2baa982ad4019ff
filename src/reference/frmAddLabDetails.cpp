#include "reference/frmAddLabDetails.h"

#include "framework/Controls.h"
#include "framework/modInputHelpers.h"
#include "reference/frmViewAllLab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

frmAddLabDetails::frmAddLabDetails()
    : RecordScreen({"frmAddLabDetails", QString(24, ' ') + "Add Lab Details", 6300, 10995},
                   "SELECT * FROM SettingsLab Order by Description") {
    QWidget* area = fields()->parentWidget();
    cmbPatientID = editableCombo("cmbPatientID", area);
    txtPassword = textBox("txtPassword", area);
    Picture11 = helpIcon("Picture11", "Lab Investigation Here ", this);
    placeField(0, 0, "Investication", cmbPatientID, Picture11);
    placeField(1, 0, "Amount", txtPassword);
    fields()->setColumnStretch(1, 1);

    bind(0, cmbPatientID);
    bind(1, txtPassword);
    attachNumberOnly(txtPassword, false);
    // While browsing, typing completes a description (free text allowed); in entry keys go in unchanged.
    attachAutoComplete(cmbPatientID, true, [this] { return state() == State::Browsing; });
    // Choosing a description shows that test, so an edit or delete that follows acts on it.
    useKeyList(cmbPatientID, 0, false);
}

QWidget* frmAddLabDetails::keyField() const {
    return cmbPatientID;
}

bool frmAddLabDetails::checks() {
    if (cmbPatientID->currentText().trimmed().isEmpty())
        return warn(cmbPatientID, "Please Fill the Description");
    if (duplicateKey(0, cmbPatientID->currentText(), "Please Select the Another Name",
                     "This Name Already Available"))
        return false;
    if (txtPassword->text().trimmed().isEmpty()) return warn(txtPassword, "Please Fill the Amount");
    return true;
}

void frmAddLabDetails::openList() {
    if (auto* list = LoadedScreen<frmViewAllLab>()) list->LookUp(this);
}
