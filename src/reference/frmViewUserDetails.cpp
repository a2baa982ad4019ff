#include "reference/frmViewUserDetails.h"

frmViewUserDetails::frmViewUserDetails()
    : SearchScreen({"frmViewUserDetails", QString(16, ' ') + "View User Details", 4800, 9000},
                   {.query = "SELECT * FROM SettingsNewUser",
                    .nameList = "cmbDrName",
                    .nameLabel = "User Name",
                    .nameTip = "Select One Doctor Name From List .. ",
                    .nameColumn = 1,
                    .emptyText = "Please select the User Name",
                    .notFoundText = "User Name Not Found",
                    .columns = {{"User ID", 0, 0}, {"User Name", 0, 1}, {"Password", 0, 2}, {"Type", 0, 3}},
                    .layout = DetailLayout::Transposed}) {}
