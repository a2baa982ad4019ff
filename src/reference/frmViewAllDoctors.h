#pragma once

#include "framework/GridListScreen.h"

// The names of all doctors in table order, opened by View All of the doctor screen.
class frmViewAllDoctors : public GridListScreen {
    Q_OBJECT
public:
    frmViewAllDoctors();
};
