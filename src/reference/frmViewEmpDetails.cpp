#include "reference/frmViewEmpDetails.h"

namespace {
const QStringList kHeadings{"Employee ID", "First Name",    "Last Name",    "Sex",          "Mobile Phone",
                            "Home Phone",  "Date of Birth", "Age",          "Pager Number", "Address",
                            "Email Id",    "Employee Type", "Qualification"};
} // namespace

frmViewEmpDetails::frmViewEmpDetails()
    : SearchScreen({"frmViewEmpDetails", QString(16, ' ') + "View Employee Details", 6800, 9000},
                   {.query = "SELECT * FROM SettingsEmployeeDetails",
                    .nameList = "cmbEmpName",
                    .nameLabel = "Employee Name",
                    .nameTip = "Select One Employee Name From List .. ",
                    .nameColumn = 1,
                    .emptyText = "Please select the Employee Name",
                    .notFoundText = "Employee Name Not Found",
                    .columns = columnsInTableOrder(kHeadings),
                    .layout = DetailLayout::Transposed}) {}
