// Each input of the reference data screens is read by its given label, as a screen reader reads it.
#include "reference/frmAddDoctorDetail.h"
#include "reference/frmAddEmployeeDetail.h"
#include "reference/frmAddLabDetails.h"
#include "reference/frmAddNewUser.h"
#include "reference/frmAddXRayDetails.h"
#include "support/ScreenDriver.h"

#include <QAccessible>

TEST_F(ConnectedAppTest, EveryInputIsReadByItsLabel) {
    using Labels = std::vector<std::pair<QString, QString>>; // control, label
    const std::vector<std::pair<std::function<QWidget*()>, Labels>> screens{
        {[] { return ShowScreen<frmAddDoctorDetail>(); },
         {{"txtDoctorID", "Doctor Name"},
          {"txtFirstName", "First Name"},
          {"txtLastName", "Last Name"},
          {"cmbSex", "Sex"},
          {"DTPicker1", "Date Of Birth"},
          {"txtAge", "Age"},
          {"txtHomePhone", "Home Phone"},
          {"txtMobilePhone", "Mobile Phone"},
          {"txtPagerNumber", "Pager Number"},
          {"txtEmailId", "Email Id"},
          {"txtAddress", "Address"},
          {"txtDoctorType", "Doctor Type"},
          {"txtQualification", "Qualification"},
          {"txtSpecialization", "Specialization"},
          {"DTPicker2", "In Time"},
          {"DTPicker3", "Out Time"}}},
        {[] { return ShowScreen<frmAddEmployeeDetail>(); },
         {{"txtEmployeeID", "Employee Id"},
          {"txtFirstName", "First Name"},
          {"txtLastName", "Last Name"},
          {"DTPicker1", "Date Of Birth"},
          {"txtHomePhone", "Home Phone"},
          {"txtMobilePhone", "Mobile Phone"},
          {"txtPagerNumber", "Pager Number"},
          {"txtAddress", "Address"},
          {"txtEmailId", "Email Id"},
          {"txtEmployeeType", "Employee Type"},
          {"txtQualification", "Qualification"}}},
        {[] { return ShowScreen<frmAddNewUser>(); },
         {{"txtUserName", "User Name"},
          {"txtPassword", "Password"},
          {"txtConfirmPassword", "Confirm Password"}}},
        {[] { return ShowScreen<frmAddLabDetails>(); },
         {{"cmbPatientID", "Investication"}, {"txtPassword", "Amount"}}},
        {[] { return ShowScreen<frmAddXRayDetails>(); },
         {{"txtUserName", "Description"}, {"txtPassword", "Adult"}, {"txtConfirmPassword", "Children"}}},
    };
    for (const auto& [open, labels] : screens) {
        QWidget* s = open();
        ASSERT_NE(s, nullptr);
        for (const auto& [name, label] : labels) {
            QWidget* w = ScreenDriver(s).control(name);
            ASSERT_NE(w, nullptr) << name.toStdString();
            EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString(),
                      label.toStdString())
                << s->objectName().toStdString() << "." << name.toStdString();
        }
        s->close();
    }
}
