#include "reference/frmViewAllUsers.h"

frmViewAllUsers::frmViewAllUsers()
    : GridListScreen({"frmViewAllUsers", QString(12, ' ') + "View All User Details", 6300},
                     {.query = "SELECT * FROM SettingsNewUser",
                      .columns = {{"No.", 600, RunningNumber},
                                  {"User Name", 2500, 1},
                                  {"Password", 2500, 2},
                                  {"User Type", 2500, 3}},
                      .blankBeforeNumber = true,
                      .closesWhenEmpty = true}) {}
