#pragma once

#include <QString>
#include <functional>

// The main window's menu: hidden while a screen is open, shown again when it closes. The main window
// installs what hiding and showing do; while none is installed (no main window, as when a screen is
// tested on its own) both do nothing.
void MenuHide();
void MenuShow(const QString& userType);
void setMenuControl(std::function<void()> hide, std::function<void(const QString&)> show);

// Logs the operator out to the login window (after the screen asking has finished its step). The login window
// installs it; while none is installed it does nothing.
void LogOut();
void setLogOut(std::function<void()> logOut);
