#include "reference/frmAddXRayDetails.h"

#include "framework/Controls.h"
#include "framework/modInputHelpers.h"
#include "reference/frmViewAllXRay.h"

#include <QGridLayout>
#include <QLineEdit>

frmAddXRayDetails::frmAddXRayDetails()
    : RecordScreen({"frmAddXRayDetails", QString(24, ' ') + "Add XRay Details", 6300, 10995},
                   "SELECT * FROM SettingsXRay") {
    QWidget* area = fields()->parentWidget();
    txtUserName = textBox("txtUserName", area);
    txtPassword = textBox("txtPassword", area);
    txtConfirmPassword = textBox("txtConfirmPassword", area);
    Picture11 = helpIcon("Picture11", "XRay Description Here", this);
    placeField(0, 0, "Description", txtUserName, Picture11);
    placeField(1, 0, "Adult", txtPassword);
    placeField(2, 0, "Children", txtConfirmPassword);
    fields()->setColumnStretch(1, 1);

    bind(0, txtUserName);
    bind(1, txtPassword);
    bind(2, txtConfirmPassword);
    for (QLineEdit* amount : {txtPassword, txtConfirmPassword})
        attachNumberOnly(amount, false);
}

QWidget* frmAddXRayDetails::keyField() const {
    return txtUserName;
}

bool frmAddXRayDetails::checks() {
    if (txtUserName->text().trimmed().isEmpty()) return warn(txtUserName, "Please Fill the Description");
    if (duplicateKey(0, txtUserName->text(), "Please Select the Another Name", "This Name Already Available"))
        return false;
    if (txtPassword->text().trimmed().isEmpty()) return warn(txtPassword, "Please Fill the Adult Amount");
    if (txtConfirmPassword->text().trimmed().isEmpty())
        return warn(txtConfirmPassword, "Please Fill the Childrens Amount");
    return true;
}

void frmAddXRayDetails::openList() {
    if (auto* list = LoadedScreen<frmViewAllXRay>()) list->LookUp(this);
}
