#include "reference/frmViewAllXRay.h"

frmViewAllXRay::frmViewAllXRay()
    : GridListScreen({"frmViewAllXRay", QString(12, ' ') + "View All XRay Details", 6300},
                     {.query = "SELECT * FROM SettingsXRay Order by Description",
                      .columns = {{"No.", 600, RunningNumber},
                                  {"Description", 4500, 0},
                                  {"Adult(Amt)", 1500, 1},
                                  {"Children ( Amt )", 1800, 2}},
                      .blankBeforeNumber = true,
                      .widestGridTwips = 10000,
                      .closesWhenEmpty = true}) {}
