#include "framework/PictureButton.h"

#include "data/Environment.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>

namespace {

// A picture button as a screen reader sees it: a button, pressed like one while it is shown and enabled.
class AccessiblePictureButton : public QAccessibleWidget {
public:
    explicit AccessiblePictureButton(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}
    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        auto* button = static_cast<PictureButton*>(widget());
        if (button->isVisible() && button->isEnabled()) emit button->clicked();
    }
};

QAccessibleInterface* accessiblePictureButton(const QString& className, QObject* object) {
    if (className == QLatin1String("PictureButton") && object && object->isWidgetType())
        return new AccessiblePictureButton(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

PictureButton::PictureButton(const QString& objectName, const QString& baseName, QWidget* parent)
    : QWidget(parent), base_(baseName) {
    static const bool accessible = (QAccessible::installFactory(accessiblePictureButton), true);
    (void)accessible;
    setObjectName(objectName);
    // Reached with Tab; a click does not take the focus from the field being typed in.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setNormalImage();
}

bool PictureButton::loadPicture(const QString& fileName) {
    file_ = fileName;
    image_ = QImage(PictureFile(fileName));
    setFixedSize(sizeHint());
    update();
    return !image_.isNull();
}

QSize PictureButton::sizeHint() const {
    return image_.isNull() ? QSize(56, 44) : image_.size();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!image_.isNull()) {
        p.drawImage(0, 0, image_);
    } else {
        // Stand-in for a missing picture: a plain rounded button with the base name.
        const bool lit = highlighted() || pressed_;
        p.setPen(QPen(QColor(140, 34, 44), 1));
        p.setBrush(lit ? QColor(244, 233, 231) : QColor(252, 250, 249));
        p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
        p.setPen(QColor(52, 46, 50));
        p.drawText(rect(), Qt::AlignCenter, base_);
    }
    if (hasFocus()) {
        // The focus mark lies inside the button's shape: round and white on a small icon, a crimson
        // frame along the edge of a button.
        const bool small = std::min(width(), height()) <= 24;
        p.setPen(QPen(small ? QColor(Qt::white) : QColor(140, 34, 44), 2));
        p.setBrush(Qt::NoBrush);
        if (small)
            p.drawEllipse(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
        else
            p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    }
}

namespace {
bool pressKey(const QKeyEvent* e) {
    const bool key = e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    return key && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
} // namespace

// Pressed when the key is let go, as a button is: what the press shows (a tip) stays in sight.
void PictureButton::keyPressEvent(QKeyEvent* e) {
    if (!pressKey(e)) return QWidget::keyPressEvent(e);
    if (!e->isAutoRepeat()) keyDown_ = true;
    e->accept();
}

void PictureButton::keyReleaseEvent(QKeyEvent* e) {
    if (!pressKey(e) || e->isAutoRepeat()) return QWidget::keyReleaseEvent(e);
    e->accept();
    if (!keyDown_) return;
    keyDown_ = false;
    emit clicked();
}

void PictureButton::focusOutEvent(QFocusEvent* e) {
    keyDown_ = false;
    QWidget::focusOutEvent(e);
}

void PictureButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) pressed_ = true;
}

void PictureButton::mouseReleaseEvent(QMouseEvent* e) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    // A click is a press and a release of the left button on the button, as with any button.
    if (wasPressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

void PictureButton::enterEvent(QEnterEvent*) {
    if (hover_) modMouseEventCapture(this, true);
}

void PictureButton::leaveEvent(QEvent*) {
    if (hover_) modMouseEventCapture(this, false);
}

// Entering is the first move with the mouse not yet captured; leaving, the move outside the picture.
void modMouseEventCapture(PictureButton* button, bool inside) {
    if (!button) return;
    if (inside) {
        button->setHighlightedImage();
        return;
    }
    button->setNormalImage();
    if (button->keepsHighlight()) button->setHighlightedImage();
}

QRegion pictureRegion(const QImage& image, QRgb transparent) {
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, image);
    }
    const QRgb clear = transparent & RGB_MASK;
    QRegion region;
    for (int y = 0; y < flat.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(flat.constScanLine(y));
        int x = 0;
        while (x < flat.width()) {
            while (x < flat.width() && (line[x] & RGB_MASK) == clear)
                ++x;
            const int start = x;
            while (x < flat.width() && (line[x] & RGB_MASK) != clear)
                ++x;
            if (x > start) region += QRect(start, y, x - start, 1);
        }
    }
    return region;
}

void modTrimPictureBox(PictureButton* button, QRgb transparent) {
    if (!button) return;
    if (!button->hasPicture()) {
        button->clearMask();
        return;
    }
    button->setMask(pictureRegion(button->picture(), transparent));
}

namespace {

// Shows the tip of one control in the balloon's colours and width.
class BalloonTip : public QObject {
public:
    BalloonTip(QWidget* control, const QString& text) : QObject(control), text_(text) {
        setObjectName("BalloonTip");
        control->setToolTip(text);
        control->setStyleSheet("QToolTip { color: white; background-color: rgb(253, 96, 237);"
                               " border: 1px solid rgb(214, 62, 199); border-radius: 5px; padding: 3px; }");
        control->installEventFilter(this);
    }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::ToolTip) return false;
        auto* control = static_cast<QWidget*>(o);
        const QFontMetrics fm(QToolTip::font());
        QStringList lines = tipLines(text_, fm, TipMaxWidth);
        int width = 0;
        for (QString& l : lines) {
            width = std::max(width, fm.horizontalAdvance(l.trimmed()));
            l = l.toHtmlEscaped();
        }
        const QString html = "<p style=\"white-space:pre\">" + lines.join("<br>") + "</p>";
        // The tip hangs centred below the middle of the control, like a balloon pointing at it.
        const QRect tool = control->rect();
        const QPoint at(tool.center().x() - width / 2 - 12, tool.center().y() - 8);
        QToolTip::showText(control->mapToGlobal(at), html, control, tool);
        return true;
    }

private:
    QString text_;
};

} // namespace

QStringList tipLines(const QString& text, const QFontMetrics& metrics, int maxWidth) {
    QStringList lines;
    QString line;
    // Words keep the blanks that follow them, so the text reads exactly as given.
    int i = 0;
    while (i < text.size()) {
        int j = i;
        while (j < text.size() && text[j] != ' ')
            ++j;
        while (j < text.size() && text[j] == ' ')
            ++j;
        const QString word = text.mid(i, j - i);
        if (!line.isEmpty() && metrics.horizontalAdvance((line + word).trimmed()) > maxWidth) {
            lines << line;
            line.clear();
        }
        line += word;
        i = j;
    }
    if (!line.isEmpty() || lines.isEmpty()) lines << line;
    return lines;
}

void modToolTip(QWidget* control, const QString& text, QWidget*) {
    if (!control) return;
    delete control->findChild<QObject*>("BalloonTip", Qt::FindDirectChildrenOnly);
    new BalloonTip(control, text);
}

PictureButton* helpIcon(const QString& objectName, const QString& tip, QWidget* owner) {
    auto* icon = new PictureButton(objectName, "help", owner);
    icon->setAccessibleName("Help");
    icon->setHoverEnabled(false);
    icon->setCursor(Qt::WhatsThisCursor);
    icon->loadPicture("help1.gif");
    modTrimPictureBox(icon);
    modToolTip(icon, tip, owner);
    // Pressed from the keyboard, the icon shows its tip, which otherwise only the pointer brings up.
    QObject::connect(icon, &PictureButton::clicked, icon, [icon] {
        const QPoint centre = icon->rect().center();
        QHelpEvent show(QEvent::ToolTip, centre, icon->mapToGlobal(centre));
        QCoreApplication::sendEvent(icon, &show);
    });
    return icon;
}

PictureRow PictureRow::centred(std::span<const PictureSpec> specs, QBoxLayout* below, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    PictureRow made(specs, row, parent);
    row->addStretch(1);
    below->addLayout(row);
    return made;
}

PictureRow::PictureRow(std::span<const PictureSpec> specs, QBoxLayout* layout, QWidget* parent)
    : specs_(specs.begin(), specs.end()) {
    for (const PictureSpec& spec : specs_) {
        auto* b = new PictureButton(spec.name, spec.base, parent);
        b->setAccessibleName(spec.action);
        buttons_.push_back(b);
        layout->addWidget(b);
    }
}

void PictureRow::setUp(QWidget* owner) const {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setNormalImage();
        modToolTip(buttons_[i], specs_[i].tip, owner);
        modTrimPictureBox(buttons_[i], qRgb(255, 255, 255));
    }
}
