#include "reference/frmViewAllLab.h"

frmViewAllLab::frmViewAllLab()
    : GridListScreen(
          {"frmViewAllLab", QString(12, ' ') + "View All Lab Details", 6300},
          {.query = "SELECT * FROM SettingsLab Order by Description",
           .columns = {{"No.", 600, RunningNumber}, {"Investigation", 4500, 0}, {"Amount", 1500, 1}},
           .blankBeforeNumber = true,
           .widestGridTwips = 10000,
           .closesWhenEmpty = true}) {}
