#include "framework/InfoScreen.h"

#include "framework/Chrome.h"
#include "framework/Palette.h"

#include <QLabel>
#include <QVBoxLayout>

InfoScreen::InfoScreen(ScreenInfo info) : MenuScreen(std::move(info)) {
    body()->setContentsMargins(34, 56, 34, 26);
    body()->setSpacing(6);
}

void InfoScreen::addLine(const QString& objectName, const QString& text, int pixelSize, bool bold) {
    QLabel* label =
        windowText(this, objectName, text, pixelSize, bold, bold ? Palette::ink() : Palette::slate());
    label->setWordWrap(true);
    body()->addWidget(label);
}
