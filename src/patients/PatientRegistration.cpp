#include "patients/PatientRegistration.h"

#include "data/Environment.h"
#include "framework/Controls.h"
#include "framework/DatePicker.h"
#include "framework/modInputHelpers.h"
#include "rules/Formats.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

QString prefixedPatientId(const QString& prefix, const QString& typed) {
    return typed.trimmed().startsWith(prefix) ? typed : prefix + typed;
}

PatientRegistration::PatientRegistration(ScreenInfo info, QString query, const QString& prefix)
    : RecordScreen(std::move(info), std::move(query)), prefix_(prefix) {
    QWidget* area = fields()->parentWidget();
    // Created in the order the Tab key walks them.
    // The prefix and the number stand side by side, both the label's siblings so that it names the number.
    auto* idRow = new QHBoxLayout;
    idRow->setContentsMargins(0, 0, 0, 0);
    idRow->setSpacing(4);
    lblPrefix = new QLabel(prefix_, area);
    lblPrefix->setObjectName("lblPrefix");
    lblPrefix->setToolTip("Stored in front of the number you type");
    lblPrefix->hide();
    cmbPatientID = editableCombo("cmbPatientID", area);
    idRow->addWidget(lblPrefix);
    idRow->addWidget(cmbPatientID, 1);
    txtFirstName = textBox("txtFirstName", area);
    txtLastName = textBox("txtLastName", area);
    cmbSex = sexList("cmbSex", area);
    cmbMartialStatus = editableCombo("cmbMartialStatus", area);
    txtAge = textBox("txtAge", area);
    txtMobilePhone = textBox("txtMobilePhone", area);
    txtHomePhone = textBox("txtHomePhone", area);
    txtPagerNumber = textBox("txtPagerNumber", area);
    DTPicker1 = new DatePicker("DTPicker1", area);
    txtAddress = textBox("txtAddress", area);
    txtEmailId = textBox("txtEmailId", area);
    Picture12 = helpIcon("Picture12", "Last Name May be Your Initial or Father Name ", this);
    Picture11 = helpIcon("Picture11", "Select Married or Unmarried", this);

    placeField(0, 0, "Patient ID", idRow);
    placeField(1, 0, "First Name", txtFirstName);
    placeField(2, 0, "Last Name", txtLastName, Picture12);
    placeField(3, 0, "Sex", cmbSex);
    placeField(4, 0, "Marital Status", cmbMartialStatus, Picture11);
    placeField(5, 0, "Age", txtAge);
    placeField(0, 1, "Mobile Phone", txtMobilePhone);
    placeField(1, 1, "Home Phone", txtHomePhone);
    placeField(2, 1, "Pager Number", txtPagerNumber);
    placeField(3, 1, "Date Of Birth", DTPicker1);
    placeField(4, 1, "Address", txtAddress);
    placeField(5, 1, "Location", txtEmailId);
    fields()->setColumnStretch(1, 1);
    fields()->setColumnStretch(4, 1);
    fields()->setColumnMinimumWidth(2, 24);
    fields()->setColumnMinimumWidth(3, 110);

    bind(0, Field::text(cmbPatientID, [this](const QString& t) { return prefixedPatientId(prefix_, t); }));
    bind(1, txtFirstName);
    bind(3, cmbSex);
    bind(4, txtMobilePhone);
    bind(7, txtAge);
    bind(9, txtAddress);
    bind(10, txtEmailId);

    attachNameOnly(txtLastName);
    for (QLineEdit* digits : {txtMobilePhone, txtHomePhone, txtPagerNumber, txtAge})
        attachNumberOnly(digits, false);
    attachAutoComplete(cmbMartialStatus, false);
    // Free IDs may be typed; the list completes them only while a record is being added or edited.
    attachAutoComplete(cmbPatientID, true, [this] { return state() != State::Browsing; });
    attachFutureDateRefusal(DTPicker1, MsgIcon::None, AppTitle, NotBornYetText);
    caretToEndOnFocus(txtEmailId);

    // Choosing an ID shows the last row of that ID.
    useKeyList(cmbPatientID, 0, true);
}

QWidget* PatientRegistration::keyField() const {
    return cmbPatientID;
}

void PatientRegistration::fillLists() {
    cmbMartialStatus->addItems({"Married", "Unmarried"});
    emptyControl(cmbMartialStatus);
}

bool PatientRegistration::checks() {
    const QString id = cmbPatientID->currentText().trimmed();
    if (duplicateKey(0, prefixedPatientId(prefix_, id), "Please Select the Another Patient Id",
                     "This Patient ID Already Assigned"))
        return false;
    if (id.isEmpty()) return warn(cmbPatientID, "Please Fill the Employee ID");
    if (txtFirstName->text().trimmed().isEmpty()) return warn(txtFirstName, "Please Fill the First Name");
    if (txtMobilePhone->text().trimmed().isEmpty())
        return warn(txtMobilePhone, "Please Fill the Phone Number");
    if (txtAge->text().trimmed().isEmpty()) return warn(txtAge, "Please Select the Age");
    const double age = numericValue(txtAge->text());
    if (age < 0 || age > 120) return warn(txtAge, "Please Select the Correct Ages");
    if (cmbSex->currentText().trimmed().isEmpty()) return warn(cmbSex, "Please Select the Sex");
    if (txtAddress->text().trimmed().isEmpty()) return warn(txtAddress, "Please Fill the Address");
    if (txtEmailId->text().trimmed().isEmpty()) return warn(txtEmailId, "Please Fill the Location");
    return true;
}

void PatientRegistration::emptyFields(Emptying why) {
    if (why == Emptying::AfterLastDelete)
        for (QWidget* w : inputControls())
            emptyControl(w);
    else
        RecordScreen::emptyFields(why);
}

void PatientRegistration::stateChanged() {
    lblPrefix->setVisible(state() == State::Adding);
}
