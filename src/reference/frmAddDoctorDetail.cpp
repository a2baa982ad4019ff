#include "reference/frmAddDoctorDetail.h"

#include "data/Environment.h"
#include "framework/Controls.h"
#include "framework/DatePicker.h"
#include "framework/modInputHelpers.h"
#include "reference/frmAvailableDays.h"
#include "reference/frmViewAllDoctors.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

frmAddDoctorDetail::frmAddDoctorDetail()
    : RecordScreen({"frmAddDoctorDetail", QString(18, ' ') + "Settings Doctor Details", 6705, 8695},
                   "SELECT * FROM SettingDrDetails") {
    QWidget* area = fields()->parentWidget();
    // Created in the order the Tab key walks them.
    txtDoctorID = textBox("txtDoctorID", area);
    txtFirstName = textBox("txtFirstName", area);
    txtLastName = textBox("txtLastName", area);
    cmbSex = sexList("cmbSex", area);
    DTPicker1 = new DatePicker("DTPicker1", area);
    txtAge = textBox("txtAge", area);
    txtHomePhone = textBox("txtHomePhone", area);
    txtMobilePhone = textBox("txtMobilePhone", area);
    txtPagerNumber = textBox("txtPagerNumber", area);
    txtEmailId = textBox("txtEmailId", area);
    txtAddress = textBox("txtAddress", area);
    txtDoctorType = textBox("txtDoctorType", area);
    txtQualification = textBox("txtQualification", area);
    txtSpecialization = textBox("txtSpecialization", area);
    auto* daysBox = new QWidget(area);
    auto* daysRow = new QHBoxLayout(daysBox);
    daysRow->setContentsMargins(0, 0, 0, 0);
    daysRow->setSpacing(4);
    txtAvailabledays = textBox("txtAvailabledays", daysBox);
    Command1 = new QPushButton("...", daysBox);
    Command1->setObjectName("Command1");
    Command1->setAccessibleName("Pick the available days");
    Command1->setFixedWidth(30);
    daysRow->addWidget(txtAvailabledays, 1);
    daysRow->addWidget(Command1);
    DTPicker2 = timePicker("DTPicker2", area);
    DTPicker3 = timePicker("DTPicker3", area);
    Picture12 = helpIcon("Picture12", "Example : Dr.Telmar , M.B.B.S", this);
    Picture11 = helpIcon("Picture11", QString(), this);

    placeField(0, 0, "Doctor Name", txtDoctorID, Picture12);
    placeField(1, 0, "First Name", txtFirstName);
    placeField(2, 0, "Last Name", txtLastName);
    placeField(3, 0, "Sex", cmbSex);
    placeField(4, 0, "Date Of Birth", DTPicker1);
    placeField(5, 0, "Age", txtAge);
    placeField(6, 0, "Home Phone", txtHomePhone);
    placeField(7, 0, "Mobile Phone", txtMobilePhone);
    placeField(8, 0, "Pager Number", txtPagerNumber);
    placeField(0, 1, "Email Id", txtEmailId);
    placeField(1, 1, "Address", txtAddress);
    placeField(2, 1, "Doctor Type", txtDoctorType);
    placeField(3, 1, "Qualification", txtQualification);
    placeField(4, 1, "Specialization", txtSpecialization);
    placeField(5, 1, "Available Days", daysBox, Picture11);
    placeField(6, 1, "In Time", DTPicker2);
    placeField(7, 1, "Out Time", DTPicker3);
    fields()->setColumnStretch(1, 1);
    fields()->setColumnStretch(4, 1);

    QWidget* const inOrder[] = {txtDoctorID, txtFirstName, txtLastName, cmbSex, txtMobilePhone, txtHomePhone};
    for (int c = 0; c < 6; ++c)
        bind(c, inOrder[c]);
    bind(6, Field::dateText(DTPicker1));
    bind(7, txtAge);
    bind(8, txtPagerNumber);
    bind(9, txtAddress);
    bind(10, txtEmailId);
    bind(11, txtDoctorType);
    bind(12, txtQualification);
    bind(13, txtSpecialization);
    bind(14, Field::time(DTPicker2));
    bind(15, Field::time(DTPicker3));
    bind(16, txtAvailabledays);

    for (QLineEdit* letters : {txtFirstName, txtLastName})
        attachNameOnly(letters);
    for (QLineEdit* digits : {txtHomePhone, txtMobilePhone, txtPagerNumber})
        attachNumberOnly(digits, false);
    attachNumberOnly(txtAge, true);
    attachAgeText(DTPicker1, txtAge);
    connect(Command1, &QPushButton::clicked, this, [this] {
        Trapped(TrapWording::DescriptionOnly, [this] {
            if (auto* days = LoadedScreen<frmAvailableDays>()) days->LookUp(this);
        });
    });
}

QWidget* frmAddDoctorDetail::keyField() const {
    return txtDoctorID;
}

bool frmAddDoctorDetail::checks() {
    if (txtDoctorID->text().trimmed().isEmpty()) return warn(txtDoctorID, "Please Fill the DoctorID");
    return !duplicateKey(0, txtDoctorID->text(), "Please Select the Another Doctor Id",
                         "This Doctor ID Already Assigned");
}

void frmAddDoctorDetail::openList() {
    if (auto* list = LoadedScreen<frmViewAllDoctors>()) list->LookUp(this);
}

void ShowAddDoctorDetail() {
    ShowScreen<frmAddDoctorDetail>();
}
