#include "framework/Chrome.h"
#include "framework/clsStyle.h"
#include "support/AppFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

namespace {

// A screen that counts how often its closing steps ran.
class CountingScreen : public QWidget {
public:
    int closings = 0;

protected:
    void closeEvent(QCloseEvent* e) override {
        ++closings;
        QWidget::closeEvent(e);
    }
};

void sendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
    const QPointF global = target->mapToGlobal(QPointF(local));
    QMouseEvent e(type, QPointF(local), global, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

// Presses the left button at `from` on `target`, moves by `delta` and lets go.
void drag(QWidget* target, QPoint from, QPoint delta) {
    sendMouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton);
    sendMouse(target, QEvent::MouseMove, from + delta, Qt::LeftButton);
    sendMouse(target, QEvent::MouseButtonRelease, from + delta, Qt::NoButton);
}

class ChromeTest : public AppTest {
protected:
    void TearDown() override {
        setDesktopWorkArea(std::nullopt);
        AppTest::TearDown();
    }
};

} // namespace

TEST_F(ChromeTest, CenterFormUsesTheWorkAreaRightOfALeftTaskbarOrElseTheScreen) {
    // A taskbar 200 pixels wide on the left and 40 high at the top of a 1280 by 800 screen.
    setDesktopWorkArea(QRect(200, 40, 1080, 760));
    QWidget w;
    w.resize(300, 200);
    CenterForm(&w);
    EXPECT_EQ(w.pos(), QPoint(590, 320));
    // The arithmetic in twips, odd sums included.
    EXPECT_EQ(centredPosition(QRect(3000, 0, 16200, 11400), 4545, 2955),
              QPoint(((19200 - 4545) + 3000) / 2, 4222));
    // Without a readable work area: the screen from its origin.
    setDesktopWorkArea(std::nullopt);
    const QRect area = desktopWorkArea();
    EXPECT_FALSE(area.isEmpty());
    w.resize(100, 60);
    CenterForm(&w);
    EXPECT_EQ(w.pos(), QPoint(area.x() + (area.width() - 100) / 2, area.y() + (area.height() - 60) / 2));
}

TEST_F(ChromeTest, FormDesignDressesATopLevelScreenAndDressingAgainKeepsOneTitleBar) {
    CountingScreen screen;
    const QString caption = QString(24, ' ') + "Add New Out-Patient Details";
    FormDesign(&screen, " Days", 4125, 2640);
    FormDesign(&screen, caption, 6300, 10995);
    screen.show();
    EXPECT_EQ(screen.size(), QSize(733, 420));
    EXPECT_TRUE(screen.isWindow());
    EXPECT_TRUE(screen.windowFlags().testFlag(Qt::FramelessWindowHint));
    TitleBar* bar = titleBarOf(&screen);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->objectName(), "ShockwaveFlash1");
    EXPECT_EQ(bar->caption(), caption); // leading blanks kept
    EXPECT_EQ(bar->width(), screen.width());
    EXPECT_NE(screen.findChild<QLabel*>("Image1"), nullptr);
    // Rounded corners: the very corner is outside the window's shape, the middle inside.
    EXPECT_FALSE(screen.mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(screen.mask().contains(QPoint(732, 419)));
    EXPECT_TRUE(screen.mask().contains(QPoint(366, 210)));

    // The minimise control does nothing; the close control runs the closing steps once.
    QTest::mouseClick(screen.findChild<QAbstractButton*>("ShockwaveFlash3"), Qt::LeftButton);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.closings, 0);
    QTest::mouseClick(screen.findChild<QAbstractButton*>("ShockwaveFlash2"), Qt::LeftButton);
    EXPECT_EQ(screen.closings, 1);
    EXPECT_FALSE(screen.isVisible());

    // Dressed again: one title bar with the new caption and width, and still one close action.
    FormDesign(&screen, "          Login", 2955, 4545);
    screen.show();
    EXPECT_EQ(screen.findChildren<TitleBar*>().size(), 1);
    bar = titleBarOf(&screen);
    EXPECT_EQ(bar->caption(), "          Login");
    EXPECT_EQ(screen.size(), QSize(303, 197));
    EXPECT_EQ(bar->width(), 303);
    bar->closeControl()->click();
    EXPECT_EQ(screen.closings, 2);

    // From the keyboard, Escape where the keyboard is presses the close control.
    auto* box = new QLineEdit(&screen);
    screen.show();
    QApplication::setActiveWindow(&screen);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(screen.closings, 3);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(ChromeTest, ScreensAreDraggedByTheirBodyButNotByTheirControls) {
    QWidget screen;
    FormDesign(&screen, "  Drag", 3000, 6000);
    auto* edit = new QLineEdit(&screen);
    edit->setGeometry(100, 100, 120, 24);
    auto* label = new QLabel("Name", &screen);
    label->setGeometry(20, 100, 60, 20);
    screen.move(50, 60);
    screen.show();

    // A press on the title bar or on a label is a press on the body; a press in a text box stays there.
    for (const auto& [target, from, delta, at] : std::vector<std::tuple<QWidget*, QPoint, QPoint, QPoint>>{
             {&screen, {300, 150}, {25, -10}, {75, 50}},
             {titleBarOf(&screen), {100, 10}, {5, 5}, {80, 55}},
             {label, {5, 5}, {-30, 0}, {50, 55}},
             {edit, {10, 10}, {40, 40}, {50, 55}}}) {
        drag(target, from, delta);
        EXPECT_EQ(screen.pos(), at) << target->metaObject()->className();
    }
    // A move without the button held does not drag.
    sendMouse(&screen, QEvent::MouseMove, QPoint(200, 200), Qt::NoButton);
    EXPECT_EQ(screen.pos(), QPoint(50, 55));
}

TEST_F(ChromeTest, TitlebarStyleReportsAndChangesOnlyWhatIsAsked) {
    QWidget w;
    w.setGeometry(40, 50, 200, 100);
    w.show();
    clsStyleForm style;
    style.Client(&w);
    // Hiding it twice succeeds and changes nothing visible the second time.
    for (int time = 1; time <= 2; ++time) {
        EXPECT_TRUE(style.Titlebar(false)) << time;
        EXPECT_TRUE(w.windowFlags().testFlag(Qt::FramelessWindowHint)) << time;
        EXPECT_TRUE(w.isVisible()) << time;
        EXPECT_EQ(w.geometry(), QRect(40, 50, 200, 100)) << time;
    }
    EXPECT_TRUE(style.Titlebar(true));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(w.isVisible());
    // A window without a client controls nothing.
    clsStyle none;
    EXPECT_FALSE(none.Titlebar(false));

    style.AutoDrag(true);
    EXPECT_TRUE(dragsByBody(&w));
    style.AutoDrag(false);
    EXPECT_FALSE(dragsByBody(&w));
}

TEST_F(ChromeTest, OpacityIsSetFromALevelOf0To255WhereTheWindowSystemBlendsWindows) {
    // Plain X blends windows only while a compositing manager runs; Wayland always does.
    for (const auto& [platform, compositor, blends] :
         std::vector<std::tuple<QString, bool, bool>>{{"xcb", false, false},
                                                      {"xcb", true, true},
                                                      {"wayland", false, true},
                                                      {"wayland-egl", false, true},
                                                      {"offscreen", false, true},
                                                      {"windows", false, true},
                                                      {"minimal", true, false},
                                                      {"linuxfb", false, false},
                                                      {"eglfs", true, false}})
        EXPECT_EQ(opacityAvailable(platform, compositor), blends) << platform.toStdString() << compositor;
    QWidget w;
    EXPECT_TRUE(OpacitySupported());
    SetWindowOpacity(&w, 255);
    EXPECT_DOUBLE_EQ(w.windowOpacity(), 1.0);
    SetWindowOpacity(&w, 5);
    EXPECT_NEAR(w.windowOpacity(), 5 / 255.0, 0.01);
}
