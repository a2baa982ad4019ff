#pragma once

#include "framework/GridListScreen.h"

// The list of all accounts as stored (password and type enciphered), opened by View All of the account
// screen.
class frmViewAllUsers : public GridListScreen {
    Q_OBJECT
public:
    frmViewAllUsers();
};
