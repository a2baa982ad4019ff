#include "reference/frmViewEmpDetails.h"

namespace {
std::vector<GridColumn> everyColumn() {
    const QStringList headings{"Employee ID", "First Name",    "Last Name",    "Sex",          "Mobile Phone",
                               "Home Phone",  "Date of Birth", "Age",          "Pager Number", "Address",
                               "Email Id",    "Employee Type", "Qualification"};
    std::vector<GridColumn> columns;
    for (int c = 0; c < headings.size(); ++c)
        columns.push_back({headings[c], 0, c});
    return columns;
}
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
                    .columns = everyColumn(),
                    .layout = DetailLayout::Transposed}) {}
