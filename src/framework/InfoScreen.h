#pragma once

#include "framework/Screens.h"

// A menu screen that only shows texts (contact details, about the program).
class InfoScreen : public MenuScreen {
    Q_OBJECT
public:
    // Hides the menu, registers the screen as ActiveScreen, dresses and centres it.
    bool load();

protected:
    InfoScreen(const QString& objectName, const QString& caption, int heightTwips, int widthTwips);
    // A text line of the screen, named so that it can be found.
    void addLine(const QString& objectName, const QString& text, int pixelSize = 13, bool bold = false);

private:
    QString caption_;
    int height_, width_;
};
