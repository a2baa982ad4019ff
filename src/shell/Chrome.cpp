#include "shell/Chrome.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// First cut: size, caption and centring. The drawn title bar, the background and the dragging
// are added with the main window.
void FormDesign(QWidget* screen, const QString& caption, int heightTwips, int widthTwips) {
    screen->setWindowTitle(caption);
    screen->resize(toPixels(widthTwips), toPixels(heightTwips));
}

QPoint centredPosition(const QRect& work, int widthTwips, int heightTwips) {
    const int right = work.x() + work.width();
    const int bottom = work.y() + work.height();
    return {((right - widthTwips) + work.x()) / 2, ((bottom - heightTwips) + work.y()) / 2};
}

void CenterForm(QWidget* window) {
    const QScreen* s = QGuiApplication::primaryScreen();
    const QRect area = s ? s->availableGeometry() : QRect();
    const QRect twips(toTwips(area.x()), toTwips(area.y()), toTwips(area.width()), toTwips(area.height()));
    const QPoint p = centredPosition(twips, toTwips(window->width()), toTwips(window->height()));
    window->move(toPixels(p.x()), toPixels(p.y()));
}
