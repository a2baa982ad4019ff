#pragma once

#include "framework/SearchScreen.h"

// One doctor in detail, found by first name (the first in table order), every column down the grid.
class frmViewDrDetails : public SearchScreen {
    Q_OBJECT
public:
    frmViewDrDetails();
};
