#pragma once

#include <QString>
#include <QWidget>

class QMenuBar;
class QTimer;
class TitleBar;
class MainBackdrop;
class GradientStrip;

// The main window: its drawn title strip, the gradient strip `pic`, the horizontal menu
// (`ShockwaveFlash2`), the vertical menu (`ShockwaveFlash1`), the backdrop `Picture2` and the area in
// which every screen opens. Only one exists at a time; MenuHide and MenuShow reach it.
class frmMain : public QWidget {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;
    static frmMain* instance();

    // A menu entry: the command compared exactly; "mnuexit" asks to leave, the rest go to the dispatch.
    void menuCommand(const QString& command);
    // The title strip's close control ("Close", trimmed, any case) and minimise control ("Minimize").
    void closeCommand(const QString& command);
    void minimiseCommand(const QString& command);
    // Asks "Do you want to Really Exit this Application"; Yes closes the open screen and starts the fade.
    void exitConfirmation();
    // One tick of the fade-out timer.
    void fadeTick();

    void MenuHide();
    void MenuShow(const QString& userType);

    QWidget* screenArea() const { return desk_; }
    QMenuBar* horizontalMenu() const { return horizontal_; }
    QWidget* verticalMenu() const { return vertical_; }
    QWidget* backdrop() const;
    TitleBar* titleBar() const { return title_; }
    QTimer* fadeTimer() const { return timer_; }
    int fadeLevel() const { return fadeLevel_; }

protected:
    // Close requests from the window system are refused; the program ends through the fade-out.
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void placeMenus();
    // Hides both menus so that no key reaches them.
    void putAwayMenus();

    TitleBar* title_;
    GradientStrip* pic_;
    QWidget* desk_;
    MainBackdrop* backdrop_;
    QMenuBar* horizontal_;
    QWidget* vertical_;
    QTimer* timer_;
    QPixmap background_;
    unsigned char fadeLevel_ = 255;
    int builtHorizontal_ = -1;
    int builtVertical_ = -1;
};

// The colour of column x of the strip `pic`, `width` columns wide: red, green and blue run linearly
// from (228, 184, 184) at the left edge to (196, 36, 36) at the right edge.
QColor stripColour(int x, int width);
