#include "reference/frmViewDrDetails.h"

namespace {
std::vector<GridColumn> everyColumn() {
    const QStringList headings{
        "Doctor ID",     "First Name",    "Last Name",    "Sex",      "Mobile Phone",  "Home Phone",
        "Date of Birth", "Age",           "Pager Number", "Address",  "Email Id",      "Doctor Type",
        "Qualification", "Spcialization", "In Time",      "Out Time", "Available Days"};
    std::vector<GridColumn> columns;
    for (int c = 0; c < headings.size(); ++c)
        columns.push_back({headings[c], 0, c});
    return columns;
}
} // namespace

frmViewDrDetails::frmViewDrDetails()
    : SearchScreen({"frmViewDrDetails", QString(16, ' ') + "View Doctors Details", 7800, 9000},
                   {.query = "SELECT * FROM SettingDrDetails",
                    .nameList = "cmbDrName",
                    .nameLabel = "Doctor Name",
                    .nameTip = "Select One Doctor Name From List .. ",
                    .nameColumn = 1,
                    .emptyText = "Please select the Dr Name",
                    .notFoundText = "Doctor Name Not Found",
                    .columns = everyColumn(),
                    .layout = DetailLayout::Transposed}) {}
