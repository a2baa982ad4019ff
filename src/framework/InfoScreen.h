#pragma once

#include "framework/Screens.h"

// A menu screen that only shows texts (contact details, about the program).
class InfoScreen : public MenuScreen {
    Q_OBJECT
protected:
    explicit InfoScreen(ScreenInfo info);
    // A text line of the screen, named so that it can be found.
    void addLine(const QString& objectName, const QString& text, int pixelSize = 13, bool bold = false);
};
