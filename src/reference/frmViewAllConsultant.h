#pragma once

#include "framework/GridListScreen.h"

// The list of all consultant fees by doctor, opened by View All of the consultant fee screen.
class frmViewAllConsultant : public GridListScreen {
    Q_OBJECT
public:
    frmViewAllConsultant();
};
