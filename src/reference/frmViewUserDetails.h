#pragma once

#include "framework/SearchScreen.h"

// One account in detail, found by its user name (as stored, enciphered texts included).
class frmViewUserDetails : public SearchScreen {
    Q_OBJECT
public:
    frmViewUserDetails();
};
