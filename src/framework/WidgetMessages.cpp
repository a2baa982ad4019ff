#include "framework/WidgetMessages.h"

#include "data/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

// Where no window manager runs, nobody gives the keyboard back once a box closes: the box does it itself,
// to the window and the control that had it, if they are still there to take it.
class KeyboardReturn {
public:
    KeyboardReturn() : window_(QApplication::activeWindow()), focus_(QApplication::focusWidget()) {}
    ~KeyboardReturn() {
        if (!window_ || !window_->isVisible()) return;
        window_->activateWindow();
        // Given now, the focus is taken up as soon as the window is active again.
        if (focus_ && focus_->window() == window_ && focus_->isVisible() && focus_->isEnabled())
            focus_->setFocus(Qt::ActiveWindowFocusReason);
    }
    QWidget* window() const { return window_; }

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
};

} // namespace

void installWidgetMessages() {
    setMessageHandler([](MsgIcon icon, MsgButtons buttons, const QString& title, const QString& text) {
        const KeyboardReturn giveBack;
        QMessageBox box(giveBack.window());
        static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Critical,
                                                  QMessageBox::Warning, QMessageBox::Information,
                                                  QMessageBox::Question};
        box.setIcon(icons[static_cast<int>(icon)]);
        box.setWindowTitle(title.isEmpty() ? AppTitle : title);
        box.setText(text);
        if (buttons == MsgButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgAnswer::Ok;
    });
}
