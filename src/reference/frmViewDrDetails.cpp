#include "reference/frmViewDrDetails.h"

namespace {
const QStringList kHeadings{"Doctor ID",  "First Name",    "Last Name",     "Sex",           "Mobile Phone",
                            "Home Phone", "Date of Birth", "Age",           "Pager Number",  "Address",
                            "Email Id",   "Doctor Type",   "Qualification", "Spcialization", "In Time",
                            "Out Time",   "Available Days"};
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
                    .columns = columnsInTableOrder(kHeadings),
                    .layout = DetailLayout::Transposed}) {}
