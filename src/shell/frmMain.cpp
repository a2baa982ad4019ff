#include "shell/frmMain.h"

#include "data/Environment.h"
#include "data/Messages.h"
#include "data/ProgramState.h"
#include "data/modConnectDB.h"
#include "framework/Chrome.h"
#include "framework/MenuControl.h"
#include "framework/Palette.h"
#include "framework/clsStyle.h"
#include "printing/PrintSettings.h"
#include "shell/CommandTable.h"
#include "shell/Desktop.h"
#include "shell/HospitalMark.h"
#include "shell/MenuTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace {

frmMain* g_main = nullptr;

constexpr int StripHeight = 6;
constexpr int ColumnWidth = 230;

// Runs one step of the window's loading; a failure is passed over and the next step runs.
template <class F> void passOver(F step) {
    try {
        step();
    } catch (...) {
    }
}

const char* kMenuStyle = R"(
QMenuBar#ShockwaveFlash2 { background: rgba(252,250,249,235); border-bottom: 1px solid #e4b8b8;
    padding: 2px 8px; font-size: 14px; color: #342e32; }
QMenuBar#ShockwaveFlash2::item { padding: 8px 16px; border-radius: 4px; background: transparent; }
QMenuBar#ShockwaveFlash2::item:selected { background: #f4e9e7; color: #8c222c; }
QMenuBar#ShockwaveFlash2::item:pressed { background: #e4b8b8; color: #8c222c; }
QWidget#ShockwaveFlash1 { background: rgba(252,250,249,235); border-right: 1px solid #e4b8b8; }
QWidget#ShockwaveFlash1 QPushButton#group { text-align: left; padding: 9px 14px; font-size: 14px;
    color: #342e32; background: transparent; border: none; border-radius: 4px; }
QWidget#ShockwaveFlash1 QPushButton#group:hover, QWidget#ShockwaveFlash1 QPushButton#group:focus {
    background: #f4e9e7; color: #8c222c; }
QWidget#ShockwaveFlash1 QPushButton#group:pressed { background: #e4b8b8; }
QMenu { background: #fcfaf9; border: 1px solid #e4b8b8; padding: 4px; font-size: 13px; color: #342e32; }
QMenu::item { padding: 6px 28px 6px 18px; border-radius: 3px; }
QMenu::item:selected { background: #c42424; color: white; }
)";

} // namespace

// The strip `pic`: one vertical line per pixel column.
class GradientStrip : public QWidget {
public:
    explicit GradientStrip(QWidget* parent) : QWidget(parent) { setObjectName("pic"); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (int x = 0; x < width(); ++x) {
            p.setPen(stripColour(x, width()));
            p.drawLine(x, 0, x, height() - 1);
        }
    }
};

// `Picture2`: the backdrop behind the menu, with a card naming the hospital and the operator.
class MainBackdrop : public QWidget {
public:
    explicit MainBackdrop(QWidget* parent) : QWidget(parent) { setObjectName("Picture2"); }
    void setPicture(const QPixmap& p) {
        picture_ = p;
        update();
    }
    const QPixmap& picture() const { return picture_; }
    // The part of the backdrop the vertical menu covers, and where the menu is to be found.
    void setMenuPlace(int coveredLeft, const QString& where) {
        coveredLeft_ = coveredLeft;
        where_ = where;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        if (!picture_.isNull())
            p.drawPixmap(rect(), picture_);
        else
            p.fillRect(rect(), Palette::blush());

        const QRect free = rect().adjusted(coveredLeft_, 0, 0, 0);
        const QSize card(std::min(560, free.width() - 40), 230);
        if (card.width() < 200) return;
        const QRect box(free.center().x() - card.width() / 2, free.center().y() - card.height() / 2 - 30,
                        card.width(), card.height());
        p.setPen(QPen(Palette::rose(), 1));
        p.setBrush(QColor(255, 255, 255, 230));
        p.drawRoundedRect(box, 14, 14);
        drawHospitalMark(p, QRect(box.left() + 34, box.top() + 42, 56, 56));

        const int left = box.left() + 116;
        QFont f = font();
        f.setPixelSize(26);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Palette::ink());
        const QString hospital = HospitalName().isEmpty() ? AppTitle : HospitalName();
        p.drawText(QRect(left, box.top() + 34, box.right() - left - 20, 36), Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(hospital, Qt::ElideRight, box.right() - left - 20));
        f.setPixelSize(15);
        f.setBold(false);
        p.setFont(f);
        p.setPen(Palette::slate());
        p.drawText(QRect(left, box.top() + 72, box.right() - left - 20, 24), Qt::AlignLeft | Qt::AlignVCenter,
                   HospitalAddress());
        p.setPen(QPen(Palette::blush(), 1));
        p.drawLine(box.left() + 24, box.top() + 124, box.right() - 24, box.top() + 124);
        f.setPixelSize(16);
        p.setFont(f);
        p.setPen(Palette::ink());
        const QString who = CurrentUserName.isEmpty() ? QString("Welcome") : "Welcome, " + CurrentUserName;
        p.drawText(QRect(box.left() + 24, box.top() + 138, box.width() - 48, 26),
                   Qt::AlignLeft | Qt::AlignVCenter, who);
        p.setPen(Palette::slate());
        p.drawText(QRect(box.left() + 24, box.top() + 138, box.width() - 48, 26),
                   Qt::AlignRight | Qt::AlignVCenter,
                   QLocale(QLocale::English).toString(Today(), "dddd, d MMMM yyyy"));
        f.setPixelSize(14);
        p.setFont(f);
        p.drawText(QRect(box.left() + 24, box.top() + 176, box.width() - 48, 30),
                   Qt::AlignLeft | Qt::AlignVCenter, where_);
    }

private:
    QPixmap picture_;
    int coveredLeft_ = 0;
    QString where_;
};

QColor stripColour(int x, int width) {
    if (width <= 1) return QColor(228, 184, 184);
    const auto run = [&](int from, int to) { return from + (to - from) * x / (width - 1); };
    return QColor(run(228, 196), run(184, 36), run(184, 36));
}

frmMain::frmMain() {
    g_main = this;
    setMenuControl([this] { MenuHide(); }, [this](const QString& type) { MenuShow(type); });
    setObjectName("frmMain");
    setWindowTitle(AppTitle);
    setStyleSheet(kMenuStyle);

    title_ =
        new TitleBar(this, TitleBar::Style::Main, "ShockwaveFlash5", "ShockwaveFlash4", "ShockwaveFlash3");
    title_->setCaption("Sanavo  \u2013  Hospital Front Office");
    connect(title_, &TitleBar::command, this, [this](const QString& c) {
        closeCommand(c);
        minimiseCommand(c);
    });
    pic_ = new GradientStrip(this);
    desk_ = new QWidget(this);
    desk_->setObjectName("screenArea");
    backdrop_ = new MainBackdrop(desk_);
    horizontal_ = new QMenuBar(desk_);
    horizontal_->setObjectName("ShockwaveFlash2");
    horizontal_->setNativeMenuBar(false);
    vertical_ = new QWidget(desk_);
    vertical_->setObjectName("ShockwaveFlash1");
    vertical_->setAttribute(Qt::WA_StyledBackground);
    horizontal_->hide();
    vertical_->hide();
    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, &frmMain::fadeTick);
    setScreenHost(desk_);

    // Loading, step by step.
    passOver([&] {
        if (const QScreen* s = QGuiApplication::primaryScreen()) setGeometry(s->availableGeometry());
        setWindowState(Qt::WindowMaximized);
    });
    passOver([&] { pic_->update(); });
    passOver([&] {
        clsStyle titleStyle;
        titleStyle.Client(this);
        titleStyle.Titlebar(false);
        clsStyle dragStyle;
        dragStyle.Client(this);
        dragStyle.AutoDrag(true);
    });
    MenuView = "Horizontal";
    passOver([&] {
        background_ = QPixmap(PictureFile("backall.gif"));
        backdrop_->setPicture(background_);
    });
    ConnectDB();
    passOver([&] { MenuShow(CurrentUserType); });
}

frmMain::~frmMain() {
    if (g_main == this) {
        g_main = nullptr;
        setMenuControl({}, {});
    }
    if (screenHost() == desk_) setScreenHost(nullptr);
}

frmMain* frmMain::instance() {
    return g_main;
}

QWidget* frmMain::backdrop() const {
    return backdrop_;
}

void frmMain::resizeEvent(QResizeEvent*) {
    title_->setGeometry(0, 0, width(), 40);
    pic_->setGeometry(0, 40, width(), StripHeight);
    desk_->setGeometry(0, 40 + StripHeight, width(), height() - 40 - StripHeight);
    backdrop_->setGeometry(desk_->rect());
    placeMenus();
}

void frmMain::placeMenus() {
    horizontal_->setGeometry(0, 0, desk_->width(), horizontal_->sizeHint().height());
    vertical_->setGeometry(0, 0, ColumnWidth, desk_->height());
}

void frmMain::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!background_.isNull())
        p.drawPixmap(rect(), background_);
    else
        p.fillRect(rect(), Palette::blush());
}

void frmMain::closeEvent(QCloseEvent* e) {
    e->ignore();
}

// A menu out of sight takes no key at all. The bar keeps the focus after the keyboard opened one of its
// menus, and a bar holding the focus answers its mnemonics even while hidden; disabled, it answers nothing.
void frmMain::putAwayMenus() {
    for (QWidget* menu : {static_cast<QWidget*>(horizontal_), vertical_}) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && (focus == menu || menu->isAncestorOf(focus))) focus->clearFocus();
        menu->setEnabled(false);
        menu->hide();
    }
}

void frmMain::MenuHide() {
    putAwayMenus();
    backdrop_->hide();
}

void frmMain::MenuShow(const QString& userType) {
    backdrop_->show();
    putAwayMenus();
    backdrop_->setMenuPlace(0, QString());
    const MenuKind kind = menuKindFor(userType);
    if (kind == MenuKind::None) return;
    const auto send = [this](const QString& c) { menuCommand(c); };
    if (MenuView == "Horizontal") {
        if (builtHorizontal_ != static_cast<int>(kind)) {
            fillMenuBar(horizontal_, menuGroups(kind), send);
            builtHorizontal_ = static_cast<int>(kind);
        }
        placeMenus();
        horizontal_->setEnabled(true);
        horizontal_->show();
        horizontal_->raise();
        backdrop_->setMenuPlace(0, "Choose what to do from the menu above.");
    } else if (MenuView == "Vertical") {
        if (builtVertical_ != static_cast<int>(kind)) {
            fillMenuColumn(vertical_, menuGroups(kind), send);
            builtVertical_ = static_cast<int>(kind);
        }
        placeMenus();
        vertical_->setEnabled(true);
        vertical_->show();
        vertical_->raise();
        backdrop_->setMenuPlace(ColumnWidth, "Choose what to do from the menu on the left.");
    }
}

void frmMain::menuCommand(const QString& command) {
    if (command == ExitCommand) {
        exitConfirmation();
        return;
    }
    DispatchCommand(command);
}

void frmMain::closeCommand(const QString& command) {
    if (isChromeCommand(command, "Close")) exitConfirmation();
}

void frmMain::minimiseCommand(const QString& command) {
    if (isChromeCommand(command, "Minimize")) showMinimized();
}

void frmMain::exitConfirmation() {
    if (timer_->isActive()) return; // already leaving
    if (MsgBox(MsgIcon::Critical, MsgButtons::YesNo, "Exit", "Do you want to Really Exit this Application") !=
        MsgAnswer::Yes)
        return;
    if (auto* screen = qobject_cast<QWidget*>(ActiveScreen.data())) {
        passOver([&] {
            screen->hide();
            screen->close();
        });
    }
    fadeLevel_ = 255;
    timer_->setInterval(100);
    timer_->start();
}

void frmMain::fadeTick() {
    if (OpacitySupported()) {
        SetWindowOpacity(this, fadeLevel_);
        if (fadeLevel_ >= 11) {
            fadeLevel_ -= 10;
            return;
        }
    }
    timer_->stop();
    RestoreDesktop();
    EndProgram(0);
}
