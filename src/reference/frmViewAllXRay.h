#pragma once

#include "framework/GridListScreen.h"

// The list of all X-ray tests in description order, opened by View All of the X-ray screen.
class frmViewAllXRay : public GridListScreen {
    Q_OBJECT
public:
    frmViewAllXRay();
};
