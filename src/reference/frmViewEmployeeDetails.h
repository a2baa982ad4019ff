#pragma once

#include "framework/GridListScreen.h"

// Every column of every employee, opened by View All of the employee screen.
class frmViewEmployeeDetails : public GridListScreen {
    Q_OBJECT
public:
    frmViewEmployeeDetails();
};
