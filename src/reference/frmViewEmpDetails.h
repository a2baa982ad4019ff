#pragma once

#include "framework/SearchScreen.h"

// One employee in detail, found by first name (the first in table order), every column down the grid.
class frmViewEmpDetails : public SearchScreen {
    Q_OBJECT
public:
    frmViewEmpDetails();
};
