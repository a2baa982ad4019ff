#pragma once

#include <QString>

// The main window's menu: hidden while a screen is open, shown again when it closes.
// Both do nothing while there is no main window (as when a screen is tested on its own).
void MenuHide();
void MenuShow(const QString& userType);
