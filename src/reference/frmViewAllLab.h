#pragma once

#include "framework/GridListScreen.h"

// The list of all lab tests in description order, opened by View All of the lab screen.
class frmViewAllLab : public GridListScreen {
    Q_OBJECT
public:
    frmViewAllLab();
};
