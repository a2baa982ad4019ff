#pragma once

#include <QPointer>
#include <QWidget>

// Window style controller: hides or shows the system title bar and lets the window be dragged by its
// body. clsStyle serves the main window, clsStyleForm every other window; both behave alike.
class clsStyle {
public:
    virtual ~clsStyle() = default;
    void Client(QWidget* window) { client_ = window; }
    QWidget* client() const { return client_; }
    // Shows (true) or hides (false) the system title bar, then redraws; reports whether it took effect.
    // A window that is not a top-level window never has one, so hiding succeeds and changes nothing.
    bool Titlebar(bool show);
    // Redraws the frame without moving, sizing or re-ordering the window.
    void pRedraw();
    // While on, pressing the left button on the window body (not on a control) moves the window with
    // the mouse. The dragging belongs to the window and lasts as long as it does.
    void AutoDrag(bool on);
    // Reserved for a system menu on the right button; it does nothing.
    void ShowSysMenu() {}

private:
    QPointer<QWidget> client_;
};

class clsStyleForm : public clsStyle {};

// Whether the window moves when dragged by its body.
bool dragsByBody(const QWidget* window);
