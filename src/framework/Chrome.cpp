#include "framework/Chrome.h"

#include "data/Environment.h"
#include "framework/Palette.h"
#include "framework/clsStyle.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

QPointer<QWidget> g_host;
std::optional<QRect> g_workArea;

constexpr int CornerEllipse = 36;

QPainterPath roundedOutline(const QRectF& r) {
    QPainterPath p;
    p.addRoundedRect(r, CornerEllipse / 2.0, CornerEllipse / 2.0);
    return p;
}

// The thin frame along the rounded edge, drawn above the window's contents; clicks pass through it.
class EdgeFrame : public QWidget {
public:
    explicit EdgeFrame(QWidget* window) : QWidget(window) {
        setObjectName("EdgeFrame");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Palette::rose().darker(135), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(roundedOutline(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5)));
    }
};

// What FormDesign put on a window; keeps the pieces placed when the window changes size.
class ChromeParts : public QObject {
public:
    explicit ChromeParts(QWidget* window) : QObject(window), window_(window) {
        setObjectName("ChromeParts");
        window->installEventFilter(this);
    }

    QWidget* window_;
    TitleBar* title = nullptr;
    QLabel* background = nullptr;
    EdgeFrame* frame = nullptr;

    void place() {
        const QSize s = window_->size();
        if (background) background->setGeometry(0, 0, s.width(), s.height());
        if (title) title->setGeometry(0, 0, s.width(), TitleBarHeight);
        if (frame) frame->setGeometry(0, 0, s.width(), s.height());
        window_->setMask(
            QRegion(roundedOutline(QRectF(0, 0, s.width(), s.height())).toFillPolygon().toPolygon()));
    }
    void keepOnTop() {
        if (background) background->lower();
        if (title) title->raise();
        if (frame) frame->raise();
    }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == window_) {
            if (e->type() == QEvent::Resize)
                place();
            else if (e->type() == QEvent::Show)
                keepOnTop();
        }
        return false;
    }
};

ChromeParts* partsOf(QWidget* w) {
    if (!w) return nullptr;
    auto* parts = w->findChild<ChromeParts*>("ChromeParts", Qt::FindDirectChildrenOnly);
    return parts ? parts : new ChromeParts(w);
}

// The background covers the whole window: set in, its edge would show as a line inside the frame.
void dress(QWidget* window, const QString& caption, int heightTwips, int widthTwips, bool intoMainWindow) {
    QWidget* host = intoMainWindow ? g_host.data() : nullptr;
    if (host && window != host && window->parentWidget() != host && !window->isAncestorOf(host)) {
        const bool visible = window->isVisible();
        window->setParent(host, Qt::Widget);
        if (visible) window->show();
    }
    window->setWindowTitle(caption);
    window->resize(toPixels(widthTwips), toPixels(heightTwips));
    window->setAutoFillBackground(true);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, Palette::paper());
    window->setPalette(pal);

    ChromeParts* parts = partsOf(window);
    if (!parts->title)
        parts->title = new TitleBar(window, TitleBar::Style::Screen, "ShockwaveFlash1", "ShockwaveFlash2",
                                    "ShockwaveFlash3");
    parts->title->setCaption(caption);
    if (!parts->background) {
        parts->background = new QLabel(window);
        parts->background->setObjectName("Image1");
        parts->background->setScaledContents(true);
        parts->background->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    // A missing picture leaves the background empty; the window's own colour shows.
    parts->background->setPixmap(QPixmap(PictureFile("backall.gif")));
    FormRoundRect(window);

    clsStyleForm titleStyle;
    titleStyle.Client(window);
    titleStyle.Titlebar(false);
    clsStyleForm dragStyle;
    dragStyle.Client(window);
    dragStyle.AutoDrag(true);

    parts->place();
    parts->keepOnTop();
}

} // namespace

void FormDesign(QWidget* screen, const QString& caption, int heightTwips, int widthTwips) {
    if (!screen) return;
    const bool fresh = !titleBarOf(screen);
    dress(screen, caption, heightTwips, widthTwips, true);
    if (fresh) {
        QObject::connect(titleBarOf(screen), &TitleBar::command, screen, [screen](const QString& c) {
            if (isChromeCommand(c, "Close")) screen->close();
        });
        // The drawn close control takes no focus, so Escape presses it for whoever works without a mouse.
        // (An open list or calendar takes Escape first and only closes itself.)
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), screen);
        escape->setContext(Qt::WidgetWithChildrenShortcut);
        TitleBar* bar = titleBarOf(screen);
        QObject::connect(escape, &QShortcut::activated, bar, [bar] { bar->closeControl()->click(); });
    }
}

void FormDesignLogin(QWidget* window, const QString& caption, int heightTwips, int widthTwips) {
    if (!window) return;
    dress(window, caption, heightTwips, widthTwips, false);
}

TitleBar* titleBarOf(QWidget* window) {
    if (!window) return nullptr;
    auto* parts = window->findChild<ChromeParts*>("ChromeParts", Qt::FindDirectChildrenOnly);
    return parts ? parts->title : nullptr;
}

void FormRoundRect(QWidget* window) {
    if (!window) return;
    ChromeParts* parts = partsOf(window);
    if (!parts->frame) parts->frame = new EdgeFrame(window);
    parts->place();
    parts->frame->raise();
    window->update();
}

QLabel* windowText(QWidget* parent, const QString& objectName, const QString& text, int pixelSize, bool bold,
                   const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QFont f = label->font();
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

// ---- centring ----

QPoint centredPosition(const QRect& work, int widthTwips, int heightTwips) {
    const int right = work.x() + work.width();
    const int bottom = work.y() + work.height();
    return {((right - widthTwips) + work.x()) / 2, ((bottom - heightTwips) + work.y()) / 2};
}

void setDesktopWorkArea(std::optional<QRect> pixels) {
    g_workArea = pixels;
}

QRect desktopWorkArea() {
    if (g_workArea) return *g_workArea;
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return QRect(0, 0, 1024, 768);
    const QRect area = s->availableGeometry();
    return area.isEmpty() ? QRect(QPoint(0, 0), s->geometry().size()) : area;
}

void CenterForm(QWidget* window) {
    if (!window) return;
    const QRect area = desktopWorkArea();
    const QRect twips(toTwips(area.x()), toTwips(area.y()), toTwips(area.width()), toTwips(area.height()));
    const QPoint p = centredPosition(twips, toTwips(window->width()), toTwips(window->height()));
    QPoint at(toPixels(p.x()), toPixels(p.y()));
    if (!window->isWindow() && window->parentWidget()) {
        // A screen inside the main window: the same desktop point, seen from the main window, and never
        // pushed out of its top-left corner.
        at = window->parentWidget()->mapFromGlobal(at);
        at.setX(std::max(0, at.x()));
        at.setY(std::max(0, at.y()));
    }
    window->move(at);
}

// ---- the main window's screen area ----

void setScreenHost(QWidget* host) {
    g_host = host;
}
QWidget* screenHost() {
    return g_host.data();
}

// ---- opacity ----

bool opacityAvailable(const QString& platform, bool compositorPresent) {
    // X draws a window's opacity only through a compositing manager; Wayland always composites.
    if (platform == "xcb") return compositorPresent;
    if (platform.startsWith("wayland")) return true;
    // Platforms that draw top-level windows without per-window opacity.
    static const QStringList without{"minimal", "linuxfb", "vnc", "eglfs", "vkkhrdisplay"};
    return !without.contains(platform);
}

namespace {

// True when a compositing manager owns the X selection _NET_WM_CM_S<screen>; false off X.
bool x11CompositorPresent() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return false;
    // A compositing manager owns the selection _NET_WM_CM_S<n> of the screen it composites.
    int display = 0;
    int screen = 0;
    char* host = nullptr;
    if (!xcb_parse_display(nullptr, &host, &display, &screen)) screen = 0;
    std::free(host);
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, uint16_t(name.size()), name.constData()), nullptr);
    if (!atom) return false;
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE) return false; // nobody ever claimed it
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
    const bool owned = owner && owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    return owned;
}

} // namespace

bool OpacitySupported() {
    const QString platform = QGuiApplication::platformName();
    return opacityAvailable(platform, platform == "xcb" && x11CompositorPresent());
}

void SetWindowOpacity(QWidget* window, int level) {
    if (!window) return;
    window->setWindowOpacity(std::clamp(level, 0, 255) / 255.0);
}

bool isChromeCommand(const QString& sent, const QString& expected) {
    return sent.trimmed().compare(expected, Qt::CaseInsensitive) == 0;
}

// ---- the drawn title bar ----

ChromeButton::ChromeButton(Kind kind, QWidget* parent) : QAbstractButton(parent), kind_(kind) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setToolTip(kind == Kind::Close ? "Close" : "Minimize");
    resize(sizeHint());
}

void ChromeButton::enterEvent(QEnterEvent*) {
    hover_ = true;
    update();
}

void ChromeButton::leaveEvent(QEvent*) {
    hover_ = false;
    update();
}

void ChromeButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
    QColor fill = kind_ == Kind::Close ? Palette::crimson() : QColor(255, 255, 255, 40);
    if (hover_) fill = kind_ == Kind::Close ? Palette::crimson().lighter(120) : QColor(255, 255, 255, 80);
    if (isDown()) fill = fill.darker(120);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.setBrush(fill);
    p.drawEllipse(r);
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = r.center();
    const double a = r.width() * 0.2;
    if (kind_ == Kind::Close) {
        p.drawLine(c + QPointF(-a, -a), c + QPointF(a, a));
        p.drawLine(c + QPointF(-a, a), c + QPointF(a, -a));
    } else {
        p.drawLine(c + QPointF(-a, 0), c + QPointF(a, 0));
    }
}

TitleBar::TitleBar(QWidget* window, Style style, const QString& titleName, const QString& closeName,
                   const QString& minimiseName)
    : QWidget(window), style_(style) {
    setObjectName(titleName);
    // The bar is part of the body for dragging: presses on it reach the window.
    setAttribute(Qt::WA_NoMousePropagation, false);
    close_ = new ChromeButton(ChromeButton::Kind::Close, this);
    close_->setObjectName(closeName);
    minimise_ = new ChromeButton(ChromeButton::Kind::Minimise, this);
    minimise_->setObjectName(minimiseName);
    close_->setAccessibleName("Close");
    close_->setAccessibleDescription("Closes the window");
    minimise_->setAccessibleName("Minimize");
    minimise_->setAccessibleDescription("Minimizes the window");
    connect(close_, &QAbstractButton::clicked, this, [this] { emit command("Close"); });
    connect(minimise_, &QAbstractButton::clicked, this, [this] { emit command("Minimize"); });
}

void TitleBar::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TitleBar::resizeEvent(QResizeEvent*) {
    const int y = (height() - close_->height()) / 2;
    const int right = style_ == Style::Main ? 12 : 14;
    close_->move(width() - right - close_->width(), y);
    minimise_->move(close_->x() - 6 - minimise_->width(), y);
}

void TitleBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, Palette::wine().lighter(118));
    g.setColorAt(1, Palette::wine());
    p.fillRect(rect(), g);
    p.setPen(QColor(255, 255, 255, 60));
    p.drawLine(0, height() - 1, width(), height() - 1);

    QFont f = font();
    f.setBold(true);
    f.setPixelSize(style_ == Style::Main ? 16 : 13);
    p.setFont(f);
    p.setPen(Qt::white);
    // The caption is drawn as given: its leading blanks place it within the bar.
    const QRect text(style_ == Style::Main ? 16 : 10, 0, minimise_->x() - 16, height());
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
               p.fontMetrics().elidedText(caption_, Qt::ElideRight, text.width()));
}
