#include "reference/frmAddEmployeeDetail.h"

#include "data/Environment.h"
#include "framework/Controls.h"
#include "framework/DatePicker.h"
#include "framework/modInputHelpers.h"
#include "reference/frmViewEmployeeDetails.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

namespace {
const QString kNotAvailable = QStringLiteral("Not Available");
} // namespace

frmAddEmployeeDetail::frmAddEmployeeDetail()
    : RecordScreen({"frmAddEmployeeDetail", QString(24, ' ') + "Add Employee Details", 8220, 13230},
                   "SELECT * FROM SettingsEmployeeDetails") {
    QWidget* area = fields()->parentWidget();
    // Created in the order the Tab key walks them.
    txtEmployeeID = textBox("txtEmployeeID", area);
    txtFirstName = textBox("txtFirstName", area);
    txtLastName = textBox("txtLastName", area);
    cmbSex = sexList("cmbSex", area);
    DTPicker1 = new DatePicker("DTPicker1", area);
    txtAge = textBox("txtAge", area);
    txtHomePhone = textBox("txtHomePhone", area);
    txtMobilePhone = textBox("txtMobilePhone", area);
    txtPagerNumber = textBox("txtPagerNumber", area);
    txtAddress = textBox("txtAddress", area);
    txtEmailId = textBox("txtEmailId", area);
    txtEmployeeType = textBox("txtEmployeeType", area);
    txtQualification = textBox("txtQualification", area);
    Picture12 = helpIcon("Picture12", "Last Name May be Your Initial or Father Name ", this);
    Picture11 = helpIcon("Picture11", "Example : Nurses , Office Admin and Etc .. ", this);

    placeField(0, 0, "Employee Id", txtEmployeeID);
    placeField(1, 0, "First Name", txtFirstName);
    placeField(2, 0, "Last Name", txtLastName, Picture12);
    placeField(3, 0, "Sex", cmbSex);
    placeField(4, 0, "Date Of Birth", DTPicker1);
    placeField(5, 0, "Age", txtAge);
    placeField(6, 0, "Home Phone", txtHomePhone);
    placeField(0, 1, "Mobile Phone", txtMobilePhone);
    placeField(1, 1, "Pager Number", txtPagerNumber);
    placeField(2, 1, "Address", txtAddress);
    placeField(3, 1, "Email Id", txtEmailId);
    placeField(4, 1, "Employee Type", txtEmployeeType, Picture11);
    placeField(5, 1, "Qualification", txtQualification);
    fields()->setColumnStretch(1, 1);
    fields()->setColumnStretch(4, 1);

    QWidget* const columns[] = {txtEmployeeID, txtFirstName,   txtLastName,
                                cmbSex,        txtMobilePhone, txtHomePhone};
    for (int c = 0; c < 6; ++c)
        bind(c, columns[c]);
    bind(6, Field::dateText(DTPicker1));
    bind(7, txtAge);
    bind(8, txtPagerNumber);
    bind(9, txtAddress);
    bind(10, txtEmailId);
    bind(11, txtEmployeeType);
    bind(12, txtQualification);

    for (QLineEdit* digits : {txtEmployeeID, txtHomePhone, txtMobilePhone, txtPagerNumber})
        attachNumberOnly(digits, false);
    for (QLineEdit* letters : {txtFirstName, txtLastName})
        attachNameOnly(letters);
    attachAgeText(DTPicker1, txtAge);
    caretToEndOnFocus(txtEmailId);
}

QWidget* frmAddEmployeeDetail::keyField() const {
    return txtEmployeeID;
}

bool frmAddEmployeeDetail::checks() {
    // The key first, whatever else is missing.
    if (duplicateKey(0, txtEmployeeID->text(), "Please Select the Another Employee Id",
                     "This Employee ID Already Assigned"))
        return false;
    const std::pair<QWidget*, const char*> required[] = {{txtEmployeeID, "Please Fill the Employee ID"},
                                                         {txtFirstName, "Please Fill the First Name"},
                                                         {txtLastName, "Please Fill the LastName"},
                                                         {cmbSex, "Please Select the Sex"},
                                                         {txtAddress, "Please Fill the Address"}};
    for (const auto& [field, text] : required)
        if (textOf(field).trimmed().isEmpty()) return warn(field, text);
    ShowAgeText(DTPicker1, txtAge);
    if (DTPicker1->date() == Today()) return warn(DTPicker1, "Please Select the Correct Date");
    if (txtEmployeeType->text().trimmed().isEmpty())
        return warn(txtEmployeeType, "Please Fill the Employee Type");
    if (txtQualification->text().trimmed().isEmpty())
        return warn(txtQualification, "Please Fill the Qualification");
    // Contacts the operator says the employee has not got are stored as "Not Available".
    const std::tuple<QLineEdit*, const char*, const char*> optional[] = {
        {txtMobilePhone, "Please Fill the Mobile Phone",
         "Do u have Mobile then Press 'Yes' Otherwise Press 'No'"},
        {txtHomePhone, "Please Fill the Home Phone",
         "Do u have Home Phone then Press 'Yes' Otherwise Press 'No'"},
        {txtEmailId, "Please Fill the Email ID ", "Do u have Mail ID then Press 'Yes' Otherwise Press 'No'"}};
    for (const auto& [box, line1, line2] : optional) {
        if (!box->text().trimmed().isEmpty()) continue;
        if (MsgBox(MsgIcon::Critical, MsgButtons::YesNo, "Warning", QString(line1) + LineBreak + line2) ==
            MsgAnswer::Yes) {
            box->setFocus();
            return false;
        }
        box->setText(kNotAvailable);
    }
    if (txtPagerNumber->text().trimmed().isEmpty()) txtPagerNumber->setText(kNotAvailable);
    return true;
}

void frmAddEmployeeDetail::openList() {
    if (auto* list = LoadedScreen<frmViewEmployeeDetails>()) list->LookUp(this);
}
