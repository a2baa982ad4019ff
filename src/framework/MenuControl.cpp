#include "framework/MenuControl.h"

namespace {
std::function<void()> g_hide;
std::function<void(const QString&)> g_show;
std::function<void()> g_logOut;
} // namespace

void MenuHide() {
    if (g_hide) g_hide();
}

void MenuShow(const QString& userType) {
    if (g_show) g_show(userType);
}

void setMenuControl(std::function<void()> hide, std::function<void(const QString&)> show) {
    g_hide = std::move(hide);
    g_show = std::move(show);
}

void LogOut() {
    if (g_logOut) g_logOut();
}

void setLogOut(std::function<void()> logOut) {
    g_logOut = std::move(logOut);
}
