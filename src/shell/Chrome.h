#pragma once

#include <QRect>
#include <QString>

class QWidget;

// Sizes in the screens' descriptions are twips; the program draws at 15 twips per pixel.
constexpr int TwipsPerPixel = 15;
constexpr int toPixels(int twips) { return twips / TwipsPerPixel; }
constexpr int toTwips(int pixels) { return pixels * TwipsPerPixel; }

// Dresses a screen as every screen of the program looks: the given size in twips, no system title bar,
// a drawn title bar showing the caption exactly (leading blanks kept), a close control that closes
// the screen (running its closing steps) and a minimise control without action, the background
// picture, rounded corners, and dragging by the body. The screen becomes a child window of the
// main window when there is one.
void FormDesign(QWidget* screen, const QString& caption, int heightTwips, int widthTwips);

// Centres the window on the desktop work area.
void CenterForm(QWidget* window);
// The arithmetic of CenterForm: the top-left corner (twips) for a window on a work area (twips).
QPoint centredPosition(const QRect& workAreaTwips, int widthTwips, int heightTwips);
