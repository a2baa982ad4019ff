#include "reference/frmViewEmployeeDetails.h"

frmViewEmployeeDetails::frmViewEmployeeDetails()
    : GridListScreen({"frmViewEmployeeDetails", QString(28, ' ') + "View All Employee Details", 6300},
                     {.query = "SELECT * FROM SettingsEmployeeDetails",
                      .columns = {{"No.", 500, RunningNumber},
                                  {"Employee ID", 1100, 0},
                                  {"First Name", 1200, 1},
                                  {"Last Name", 1100, 2},
                                  {"Sex", 700, 3},
                                  {"Mobile Phone", 1200, 4},
                                  {"Home Phone", 1200, 5},
                                  {"Date of Birth", 1100, 6},
                                  {"Age", 2400, 7},
                                  {"Pager Number", 1200, 8},
                                  {"Address", 2000, 9},
                                  {"Email Id", 1600, 10},
                                  {"Employee Type", 1300, 11},
                                  {"Qualification", 1300, 12}},
                      .blankBeforeNumber = true,
                      .widestGridTwips = 15000,
                      .closesWhenEmpty = true}) {}
