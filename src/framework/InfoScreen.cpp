#include "framework/InfoScreen.h"

#include "framework/Chrome.h"
#include "framework/Palette.h"

#include <QLabel>
#include <QVBoxLayout>

InfoScreen::InfoScreen(const QString& objectName, const QString& caption, int heightTwips, int widthTwips)
    : MenuScreen(objectName), caption_(caption), height_(heightTwips), width_(widthTwips) {
    body()->setContentsMargins(34, 56, 34, 26);
    body()->setSpacing(6);
}

bool InfoScreen::load() {
    enterScreen();
    dress(caption_, height_, width_);
    return true;
}

void InfoScreen::addLine(const QString& objectName, const QString& text, int pixelSize, bool bold) {
    QLabel* label =
        windowText(this, objectName, text, pixelSize, bold, bold ? Palette::ink() : Palette::slate());
    label->setWordWrap(true);
    body()->addWidget(label);
}
