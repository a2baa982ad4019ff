// The menu view: a choice takes effect at once, Cancel keeps it, the screen always opens on Horizontal.
#include "data/ProgramState.h"
#include "framework/MenuControl.h"
#include "maintenance/frmChangeMenuSettings.h"
#include "support/ScreenDriver.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPointer>
#include <QRadioButton>

namespace {

class MenuViewTest : public ConnectedAppTest {
protected:
    void SetUp() override {
        ConnectedAppTest::SetUp();
        CurrentUserType = "Doctor";
        // The menu as shown when a screen closes: the view it was shown in.
        setMenuControl([] {}, [this](const QString& type) { shown << type + " " + MenuView; });
    }
    void TearDown() override {
        ConnectedAppTest::TearDown();
        setMenuControl({}, {});
    }
    QStringList shown;
};

} // namespace

TEST_F(MenuViewTest, TheScreenOpensOnHorizontalWhateverTheMenuViewHolds) {
    for (const QString view : {"Horizontal", "Vertical"}) {
        SCOPED_TRACE(view.toStdString());
        MenuView = view;
        frmChangeMenuSettings* s = ShowScreen<frmChangeMenuSettings>();
        ASSERT_NE(s, nullptr);
        ScreenDriver d(s);
        EXPECT_EQ(s->windowTitle(), "          Change Menu View Settings");
        EXPECT_EQ(d.control<QGroupBox>("Frame1")->title(), "Menu View Display");
        EXPECT_EQ(d.control<QRadioButton>("Option1")->text(), "Horizontal");
        EXPECT_EQ(d.control<QRadioButton>("Option2")->text(), "Vertical");
        EXPECT_TRUE(d.control<QRadioButton>("Option1")->isChecked());
        EXPECT_FALSE(d.control<QRadioButton>("Option2")->isChecked());
        EXPECT_EQ(MenuView, view) << "opening is not a choice";
        s->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(MenuViewTest, AChoiceTakesEffectAtOnceAndBothButtonsOnlyClose) {
    struct Case {
        const char* option;
        const char* button;
        QString view;
    };
    for (const Case& c : {Case{"Option2", "Picture2", "Vertical"}, Case{"Option2", "Picture1", "Vertical"},
                          Case{"Option1", "Picture2", "Horizontal"}}) {
        SCOPED_TRACE(std::string(c.option) + " then " + c.button);
        MenuView = c.view == "Vertical" ? "Horizontal" : "Vertical";
        shown.clear();
        frmChangeMenuSettings* s = ShowScreen<frmChangeMenuSettings>();
        ASSERT_NE(s, nullptr);
        ScreenDriver d(s);
        QPointer<frmChangeMenuSettings> alive(s);
        d.control<QRadioButton>(c.option)->click();
        EXPECT_EQ(MenuView, c.view);
        d.click(c.button);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(alive.isNull());
        EXPECT_EQ(MenuView, c.view);
        EXPECT_EQ(shown, QStringList{"Doctor " + c.view});
    }
}
