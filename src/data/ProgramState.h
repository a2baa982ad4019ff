#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

// The state the whole program shares while it runs.
struct DisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

extern QString CurrentUserName;
extern QString CurrentUserType; // "Admin", "Doctor" or "Employee"
extern QString MenuView;        // "Horizontal" or "Vertical"
extern QPointer<QObject> ActiveScreen;
extern DisplayMode SavedDisplayMode;
