#include "reference/frmViewAllDoctors.h"

frmViewAllDoctors::frmViewAllDoctors()
    : GridListScreen({"frmViewAllDoctors", QString(10, ' ') + "View All Doctors Details", 6300},
                     {.query = "SELECT * FROM SettingDrDetails",
                      .columns = {{"No.", 600, RunningNumber}, {"Doctor Name", 4500, 0}},
                      .blankBeforeNumber = true,
                      .widestGridTwips = 10000,
                      .closesWhenEmpty = true}) {}
