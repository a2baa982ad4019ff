#include "framework/clsStyle.h"

#include <QMouseEvent>

namespace {

// Moves its window while the left button, pressed on the window body, is held.
class BodyDrag : public QObject {
public:
    explicit BodyDrag(QWidget* window) : QObject(window), window_(window) { setObjectName("BodyDrag"); }

    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress: {
            auto* m = static_cast<QMouseEvent*>(e);
            if (m->button() != Qt::LeftButton) break;
            dragging_ = true;
            pressGlobal_ = m->globalPosition().toPoint();
            pressPos_ = window_->pos();
            return true;
        }
        case QEvent::MouseMove: {
            auto* m = static_cast<QMouseEvent*>(e);
            if (!dragging_ || !(m->buttons() & Qt::LeftButton)) break;
            window_->move(pressPos_ + (m->globalPosition().toPoint() - pressGlobal_));
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) dragging_ = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget* window_;
    bool dragging_ = false;
    QPoint pressGlobal_;
    QPoint pressPos_;
};

BodyDrag* dragOf(const QWidget* w) {
    return w ? w->findChild<BodyDrag*>("BodyDrag", Qt::FindDirectChildrenOnly) : nullptr;
}

} // namespace

bool clsStyle::Titlebar(bool show) {
    if (!client_) return false;
    if (!client_->isWindow()) return !show;
    const bool frameless = client_->windowFlags().testFlag(Qt::FramelessWindowHint);
    if (frameless != show) return true; // already as asked
    const bool visible = client_->isVisible();
    const QRect geometry = client_->geometry();
    client_->setWindowFlag(Qt::FramelessWindowHint, !show);
    // Changing the flags hides a window; put it back where it was.
    if (visible) {
        client_->setGeometry(geometry);
        client_->show();
    }
    pRedraw();
    return client_->windowFlags().testFlag(Qt::FramelessWindowHint) != show;
}

void clsStyle::pRedraw() {
    if (client_) client_->update();
}

void clsStyle::AutoDrag(bool on) {
    if (!client_) return;
    BodyDrag* drag = dragOf(client_);
    if (on && !drag) {
        client_->installEventFilter(new BodyDrag(client_));
    } else if (!on && drag) {
        client_->removeEventFilter(drag);
        delete drag;
    }
}

bool dragsByBody(const QWidget* window) {
    return dragOf(window) != nullptr;
}
