#pragma once

#include "rules/Twips.h"

#include <QAbstractButton>
#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>

class QLabel;

// Height of the drawn title bar (490 twips).
constexpr int TitleBarHeight = 32;

// Dresses a screen as every screen of the program looks: the given size in twips, no system title bar,
// a drawn title bar showing the caption exactly (leading blanks kept), a close control that closes
// the screen (running its closing steps) and a minimise control without action, the background
// picture, rounded corners, and dragging by the body. The screen becomes a child window of the
// main window when there is one.
void FormDesign(QWidget* screen, const QString& caption, int heightTwips, int widthTwips);
// The login window's twin: the same chrome, but its close control only reports "Close" through the
// title bar's command signal (the login decides what follows), and it never moves into the main window.
void FormDesignLogin(QWidget* window, const QString& caption, int heightTwips, int widthTwips);

// Centres the window on the desktop work area (for a screen inside the main window: on the part of
// the work area the main window shows it in).
void CenterForm(QWidget* window);
// The arithmetic of CenterForm: the top-left corner (twips) for a window on a work area (twips).
QPoint centredPosition(const QRect& workAreaTwips, int widthTwips, int heightTwips);
// The desktop work area in pixels (the whole screen when it cannot be read).
QRect desktopWorkArea();
// Tests give the work area a desktop would have; nullopt goes back to asking the window system.
void setDesktopWorkArea(std::optional<QRect> pixels);

// Where screens open: the main window's screen area while there is a main window, null otherwise.
void setScreenHost(QWidget* host);
QWidget* screenHost();

// Rounded corners (36 pixel corner ellipses) and a thin frame along the edge.
void FormRoundRect(QWidget* window);

// Per-window opacity, level 0 (clear) to 255 (opaque). Supported when the window system blends windows:
// opacityAvailable for this platform, asking X whether a compositing manager runs.
bool OpacitySupported();
// The decision for a platform ("xcb", "wayland", "offscreen", ...) and, on X, whether a compositing
// manager runs.
bool opacityAvailable(const QString& platform, bool compositorPresent);
void SetWindowOpacity(QWidget* window, int level);

// True when a command sent by a close or minimise control names `expected`, compared trimmed and
// without regard to case ("Close", " CLOSE ").
bool isChromeCommand(const QString& sent, const QString& expected);

// A close or minimise control of a drawn title bar.
class ChromeButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Kind { Close, Minimise };
    ChromeButton(Kind kind, QWidget* parent);
    QSize sizeHint() const override { return {22, 22}; }

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    Kind kind_;
    bool hover_ = false;
};

// The drawn title bar: the caption as given, a minimise and a close control. The controls send
// "Minimize" and "Close" through `command`, as the title movies did.
class TitleBar : public QWidget {
    Q_OBJECT
public:
    enum class Style { Screen, Main };
    // The object names are those of the title, close and minimise controls of the window.
    TitleBar(QWidget* window, Style style, const QString& titleName, const QString& closeName,
             const QString& minimiseName);
    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    ChromeButton* closeControl() const { return close_; }
    ChromeButton* minimiseControl() const { return minimise_; }

signals:
    void command(const QString& text);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    Style style_;
    QString caption_;
    ChromeButton* close_;
    ChromeButton* minimise_;
};

// A text of a window in the program's type: its name, size in pixels, weight and colour.
QLabel* windowText(QWidget* parent, const QString& objectName, const QString& text, int pixelSize, bool bold,
                   const QColor& colour);

// The drawn title bar that FormDesign gave the window, or null.
TitleBar* titleBarOf(QWidget* window);
