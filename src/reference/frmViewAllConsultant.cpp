#include "reference/frmViewAllConsultant.h"

frmViewAllConsultant::frmViewAllConsultant()
    : GridListScreen({"frmViewAllConsultant", QString(12, ' ') + "View All Consultant Fees", 6300},
                     {.query = "SELECT * FROM SettingsConsultant Order by DrName",
                      .columns = {{"No.", 600, RunningNumber},
                                  {"Date", 1300, 0},
                                  {"Dr Name", 3000, 1},
                                  {"Amount", 1200, 2},
                                  {"Patient ID", 1500, 3}},
                      .blankBeforeNumber = true,
                      .widestGridTwips = 10000,
                      .closesWhenEmpty = true}) {}
