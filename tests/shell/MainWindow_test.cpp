#include "data/ProgramState.h"
#include "data/modConnectDB.h"
#include "framework/Chrome.h"
#include "framework/MenuControl.h"
#include "framework/WidgetMessages.h"
#include "shell/CommandTable.h"
#include "shell/MenuTable.h"
#include "shell/frmAboutme.h"
#include "shell/frmMain.h"
#include "shell/frmcontactus.h"
#include "support/AppFixture.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <set>

namespace {

class MainWindowTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        connect();
        CurrentUserName = "admin";
        CurrentUserType = "Admin";
    }
    void TearDown() override {
        main.reset();
        AppTest::TearDown();
    }
    frmMain& open() {
        main = std::make_unique<frmMain>();
        main->show();
        return *main;
    }
    // Shown and given the keyboard, as after the login.
    frmMain& openActive() {
        frmMain& m = open();
        QApplication::setActiveWindow(&m);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m, 1000));
        return m;
    }
    // The commands a menu sends, in the order it offers them.
    static std::vector<QString> commandsOf(const QList<QAction*>& actions) {
        std::vector<QString> out;
        for (QAction* a : actions) {
            if (a->menu()) {
                const auto inner = commandsOf(a->menu()->actions());
                out.insert(out.end(), inner.begin(), inner.end());
            } else if (!a->data().toString().isEmpty()) {
                out.push_back(a->data().toString());
            }
        }
        return out;
    }
    static std::vector<QString> commandsOf(const std::vector<MenuGroup>& groups) {
        std::vector<QString> out;
        for (const MenuGroup& g : groups)
            for (const MenuEntry& e : g.entries)
                out.push_back(e.command);
        return out;
    }
    std::vector<QString> verticalCommands() const {
        std::vector<QString> out;
        for (QPushButton* b : main->verticalMenu()->findChildren<QPushButton*>()) {
            if (b->menu()) continue;
            QMenu* m = b->findChild<QMenu*>();
            const auto inner = m ? commandsOf(m->actions()) : std::vector<QString>{ExitCommand};
            out.insert(out.end(), inner.begin(), inner.end());
        }
        return out;
    }
    frmAboutme* about() const { return main->screenArea()->findChild<frmAboutme*>(); }
    QAction* entry(const QString& command) const {
        for (QAction* a : main->horizontalMenu()->findChildren<QAction*>())
            if (a->data().toString() == command) return a;
        return nullptr;
    }
    std::unique_ptr<frmMain> main;
};

const auto everything = [](const QString&) { return true; };

const std::set<QString> kAdminOnly{"mnuNewUserAccounts",    "mnuViewUserDetails",     "mnuCopyDatabase",
                                   "mnuRestoreDatabase",    "mnuAddDrDetail",         "mnuViewDocctorDetails",
                                   "mnuAddEmployeeDetails", "mnuViewEmployeeDetails", "mnuLabTestNames",
                                   "mnuXRayTestNames"};

} // namespace

TEST_F(MainWindowTest, LoadingSetsTheHorizontalMenuTheStripAndTheConnection) {
    MenuView = "Vertical";
    DbConnection.reset();
    frmMain& m = open();
    EXPECT_EQ(MenuView, "Horizontal");
    EXPECT_NE(DbConnection, nullptr);
    EXPECT_TRUE(m.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(m.windowState().testFlag(Qt::WindowMaximized));
    EXPECT_FALSE(m.fadeTimer()->isActive());
    EXPECT_TRUE(m.horizontalMenu()->isVisible());
    EXPECT_FALSE(m.verticalMenu()->isVisible());
    EXPECT_TRUE(m.backdrop()->isVisible());

    // The strip runs from (228, 184, 184) to (196, 36, 36), one colour per pixel column.
    EXPECT_EQ(stripColour(400, 801), QColor(212, 110, 110));
    QWidget* pic = m.findChild<QWidget*>("pic");
    ASSERT_NE(pic, nullptr);
    const QImage strip = pic->grab().toImage();
    EXPECT_EQ(QColor(strip.pixel(0, 2)), QColor(228, 184, 184));
    EXPECT_EQ(QColor(strip.pixel(pic->width() - 1, 2)), QColor(196, 36, 36));
}

TEST_F(MainWindowTest, TheMenuFollowsTheUserTypeAndTheLayoutExactly) {
    frmMain& m = open();
    const std::vector<QString> admin = commandsOf(menuGroups(MenuKind::Admin)),
                               user = commandsOf(menuGroups(MenuKind::User)), none;
    EXPECT_EQ(commandsOf(m.horizontalMenu()->actions()), admin);
    // Any other user type or layout, in any other capitals: no menu, only the backdrop.
    for (const auto& [type, view, commands] :
         std::vector<std::tuple<QString, QString, std::vector<QString>>>{{"Admin", "Vertical", admin},
                                                                         {"Doctor", "Vertical", user},
                                                                         {"Employee", "Horizontal", user},
                                                                         {"admin", "Horizontal", none},
                                                                         {"Admin ", "Horizontal", none},
                                                                         {"Nurse", "Vertical", none},
                                                                         {"Admin", "horizontal", none}}) {
        SCOPED_TRACE((type + "/" + view).toStdString());
        MenuView = view;
        MenuShow(type);
        const bool shown = !commands.empty();
        EXPECT_EQ(m.horizontalMenu()->isVisible(), shown && view == "Horizontal");
        EXPECT_EQ(m.verticalMenu()->isVisible(), shown && view == "Vertical");
        EXPECT_TRUE(m.backdrop()->isVisible());
        if (shown) {
            EXPECT_EQ(view == "Vertical" ? verticalCommands() : commandsOf(m.horizontalMenu()->actions()),
                      commands);
        }
    }
    MenuView = "Horizontal";
    MenuShow("Admin");
    MenuHide();
    EXPECT_FALSE(m.horizontalMenu()->isVisible());
    EXPECT_FALSE(m.verticalMenu()->isVisible());
    EXPECT_FALSE(m.backdrop()->isVisible());
}

TEST_F(MainWindowTest, TheCommandTableGivesAdminsEverythingOthersLessTheMaintenanceEachWithItsMnemonic) {
    const std::vector<QString> all = commandsOf(menuGroups(MenuKind::Admin, everything));
    EXPECT_EQ(all, allMenuCommands());
    // Every opening command of the dispatch and the four extra screens, each once; none that does nothing
    // ("mnuDisChargeSummary", "mnuDrCertificate").
    const std::set<QString> offered(all.begin(), all.end());
    EXPECT_EQ(offered.size(), all.size());
    const QStringList expected =
        QString("mnuOutPatientHistory mnuNewPateient mnuOutAddBill mnuOutCancelBill mnuDailyReport "
                "mnuSearchReport mnuCancelBillReport mnuInPatientHistory mnuInAdmission InAddBill "
                "InCancelBill mnuInDailyReport mnuInSearchReport mnuInDischarge mnuChangeMenuView mnuConBill "
                "mnuCon mnuXRayAddBill mnuXRayCancelBill mnuXRaySearchBill mnuLabAddBill mnuLabCancelBill "
                "mnuLabSearchBill mnuAddDrDetail mnuXRayTestNames mnuLabTestNames mnuNewUserAccounts "
                "mnuChangePassword mnuCopyDatabase mnuRestoreDatabase mnuInBill mnuOutBill mnuXaryBill "
                "mnuLabBill mnuHelpTopic "
                "mnuAboutMe mnuexit mnuViewDocctorDetails mnuAddEmployeeDetails mnuViewEmployeeDetails "
                "mnuViewUserDetails")
            .split(' ');
    EXPECT_EQ(offered, std::set<QString>(expected.begin(), expected.end()));

    std::vector<QString> expectedUser;
    for (const QString& c : all)
        if (!kAdminOnly.count(c)) expectedUser.push_back(c);
    EXPECT_EQ(commandsOf(menuGroups(MenuKind::User, everything)), expectedUser);

    // Each menu and each entry within it has a mnemonic of its own.
    const auto ownMnemonic = [](std::set<QChar>& taken, const QString& label) {
        const qsizetype at = label.indexOf('&');
        return at >= 0 && at + 1 < label.size() && taken.insert(label[at + 1].toLower()).second;
    };
    std::vector<QString> titles;
    std::set<QChar> top;
    for (const MenuGroup& g : menuGroups(MenuKind::Admin, everything)) {
        titles.push_back(g.title);
        EXPECT_TRUE(ownMnemonic(top, g.title)) << g.title.toStdString();
        std::set<QChar> inner;
        for (const MenuEntry& e : g.entries)
            EXPECT_TRUE(ownMnemonic(inner, e.label)) << e.label.toStdString();
    }
    EXPECT_EQ(titles, (std::vector<QString>{"&Out-Patient", "&In-Patient", "&Lab", "&X-Ray", "&Consultant",
                                            "Cancelled &Bills", "&Settings", "&Help", "&Exit"}));

    // The menu offers only commands that open something; every row of the dispatch is reachable from the
    // Admin menu, and no command has two rows.
    const std::vector<QString> menu = commandsOf(menuGroups(MenuKind::Admin));
    for (const QString& c : menu)
        EXPECT_TRUE(c == ExitCommand || hasDispatchRow(c)) << c.toStdString();
    std::set<QString> rows;
    for (const DispatchRow& r : dispatchTable()) {
        EXPECT_TRUE(rows.insert(r.command).second) << r.command;
        EXPECT_NE(std::find(menu.begin(), menu.end(), QString(r.command)), menu.end()) << r.command;
    }
}

TEST_F(MainWindowTest, DispatchComparesExactlyAndOpensTheScreenInsideTheMainWindow) {
    frmMain& m = open();
    for (const char* wrong : {"mnuaboutme", "MNUABOUTME", " mnuAboutMe", "mnuAboutMe ", "mnuDisChargeSummary",
                              "mnuDrCertificate", "Close", "", "mnuNothing"}) {
        m.menuCommand(wrong);
        EXPECT_EQ(m.screenArea()->findChild<frmAboutme*>(), nullptr) << wrong;
        EXPECT_TRUE(m.horizontalMenu()->isVisible()) << wrong;
    }
    EXPECT_EQ(messages.count(), 0u); // "Close" from a menu does not ask to exit

    entry("mnuAboutMe")->trigger();
    ASSERT_NE(about(), nullptr);
    EXPECT_TRUE(about()->isVisible());
    EXPECT_FALSE(about()->isWindow());
    EXPECT_EQ(ActiveScreen.data(), about());
    EXPECT_FALSE(m.horizontalMenu()->isVisible());
    EXPECT_FALSE(m.backdrop()->isVisible());
    EXPECT_EQ(titleBarOf(about())->caption(), "          About Sanavo");
    // Its close control closes it and the menu comes back.
    titleBarOf(about())->closeControl()->click();
    EXPECT_TRUE(m.horizontalMenu()->isVisible());
    EXPECT_TRUE(m.backdrop()->isVisible());
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(MainWindowTest, TheInformationScreensShowTheProgramAndTheHospital) {
    QFile ini(folder() + "/sanavo.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write("[Hospital]\nHospitalName=St. Elm Clinic\nHospitalAddress=1 Elm Road, Fenby\nHospitalPhone=555 "
              "0101\n");
    ini.close();
    frmMain& m = open();
    m.menuCommand("mnuHelpTopic");
    auto* contact = m.screenArea()->findChild<frmcontactus*>();
    ASSERT_NE(contact, nullptr);
    EXPECT_EQ(contact->findChild<QLabel*>("lblHospitalName")->text(), "St. Elm Clinic");
    EXPECT_EQ(contact->findChild<QLabel*>("lblHospitalAddress")->text(), "1 Elm Road, Fenby");
    EXPECT_EQ(contact->findChild<QLabel*>("lblHospitalPhone")->text(), "Phone: 555 0101");
    contact->close();

    m.menuCommand("mnuAboutMe");
    ASSERT_NE(about(), nullptr);
    EXPECT_EQ(about()->findChild<QLabel*>("lblVersion")->text(), "Version 1.0");
    const QStringList libs = libraryLines();
    ASSERT_EQ(libs.size(), 3);
    EXPECT_TRUE(libs[0].startsWith("Qt 6.") && libs[0].contains("Lesser General Public License"));
    EXPECT_TRUE(libs[1].startsWith("SQLite 3.") && libs[1].contains("public domain"));
    EXPECT_TRUE(libs[2].startsWith("OpenSSL 3.") && libs[2].contains("Apache License 2.0"));
    // Opening it again while it is open brings the same screen to the front.
    m.menuCommand("mnuAboutMe");
    EXPECT_EQ(m.screenArea()->findChildren<frmAboutme*>().size(), 1);
}

TEST_F(MainWindowTest, CloseRequestsAreRefusedOtherWordsDoNotAskAndExitAnsweredNoLeavesEverything) {
    frmMain& m = open();
    EXPECT_FALSE(m.close());
    QCloseEvent e;
    QApplication::sendEvent(&m, &e);
    EXPECT_FALSE(e.isAccepted());
    EXPECT_TRUE(m.isVisible());
    m.minimiseCommand("Close");
    m.closeCommand("Minimize");
    m.closeCommand("Closer");
    EXPECT_EQ(messages.count(), 0u);

    m.menuCommand("mnuAboutMe");
    ASSERT_NE(about(), nullptr);
    messages.answer(MsgAnswer::No);
    m.closeCommand("Close");
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last(), (RecordedMessage{MsgIcon::Critical, MsgButtons::YesNo, "Exit",
                                                "Do you want to Really Exit this Application"}));
    EXPECT_TRUE(about()->isVisible());
    EXPECT_FALSE(m.horizontalMenu()->isVisible());
    EXPECT_FALSE(m.fadeTimer()->isActive());
    // The exit entry and the close control ask the same question.
    messages.answer(MsgAnswer::No);
    entry(ExitCommand)->trigger();
    EXPECT_EQ(messages.count(), 2u);
    messages.answer(MsgAnswer::No);
    m.titleBar()->closeControl()->click();
    EXPECT_EQ(messages.count(), 3u);
    EXPECT_EQ(messages.last(), messages.calls().front());
    EXPECT_EQ(programEnds, 0);
}

TEST_F(MainWindowTest, ExitAnsweredYesClosesTheScreenAndFadesOutOver26Ticks) {
    frmMain& m = open();
    m.menuCommand("mnuAboutMe");
    QPointer<frmAboutme> shown = about();
    ASSERT_NE(shown, nullptr);
    messages.answer(MsgAnswer::Yes);
    m.closeCommand("  cLOSE ");
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_TRUE(!shown || !shown->isVisible());
    EXPECT_TRUE(m.fadeTimer()->isActive());
    EXPECT_EQ(m.fadeTimer()->interval(), 100);
    EXPECT_EQ(m.fadeLevel(), 255);
    for (int tick = 1; tick <= 25; ++tick)
        m.fadeTick();
    EXPECT_EQ(programEnds, 0);
    EXPECT_NEAR(m.windowOpacity(), 15 / 255.0, 0.01);
    m.fadeTick();
    EXPECT_EQ(programEnds, 1);
    EXPECT_NEAR(m.windowOpacity(), 5 / 255.0, 0.01);
    EXPECT_FALSE(m.fadeTimer()->isActive());
}

TEST_F(MainWindowTest, MenuControlDoesNothingWithoutAMainWindow) {
    ASSERT_EQ(frmMain::instance(), nullptr);
    MenuHide();
    MenuShow("Admin");
    open();
    main.reset();
    EXPECT_EQ(frmMain::instance(), nullptr);
    EXPECT_EQ(screenHost(), nullptr);
    MenuShow("Admin");
}

TEST_F(MainWindowTest, WhileAScreenIsOpenTheHiddenMenuAnswersNoKey) {
    frmMain& m = openActive();
    const auto popup = [] { return QApplication::activePopupWidget(); };
    // Opened from the keyboard, which leaves the menu bar the focus.
    QTest::keyClick(keyboard(), Qt::Key_H, Qt::AltModifier);
    ASSERT_NE(popup(), nullptr);
    QTest::keyClick(keyboard(), Qt::Key_A);
    ASSERT_NE(about(), nullptr);
    // Neither the keyboard nor a key sent to the bar itself reaches the menu.
    for (const bool toBar : {false, true}) {
        for (Qt::Key key : {Qt::Key_O, Qt::Key_H, Qt::Key_E}) {
            QTest::keyClick(toBar ? m.horizontalMenu() : keyboard(), key, Qt::AltModifier);
            EXPECT_EQ(popup(), nullptr) << (toBar ? "bar " : "keyboard ") << key;
            if (popup()) popup()->close();
        }
    }
    EXPECT_EQ(ActiveScreen.data(), about());
    EXPECT_EQ(messages.count(), 0u);
    // Closing the screen gives the menu its keys back.
    titleBarOf(about())->closeControl()->click();
    QTest::keyClick(keyboard(), Qt::Key_O, Qt::AltModifier);
    EXPECT_NE(popup(), nullptr);
    if (popup()) popup()->close();
}

TEST_F(MainWindowTest, AScreenOpenedFromTheMenuHasItsFirstFieldFocusedAndItsFocusComesBackAfterABox) {
    frmMain& m = openActive();
    for (const auto& [command, field] :
         {std::pair{"mnuOutPatientHistory", "cmbEmpName"}, std::pair{"mnuNewPateient", "cmbPatientID"}}) {
        if (auto* screen = qobject_cast<QWidget*>(ActiveScreen.data())) screen->close();
        m.menuCommand(command);
        auto* first = m.screenArea()->findChild<QWidget*>(field);
        ASSERT_NE(first, nullptr) << field;
        EXPECT_TRUE(first->hasFocus()) << field;
    }
    // After a message box the control that had the focus has it again.
    auto* name = m.screenArea()->findChild<QLineEdit*>("txtFirstName");
    ASSERT_NE(name, nullptr);
    name->setFocus();
    MessageHandler recorder = setMessageHandler({});
    installWidgetMessages();
    for (MsgButtons buttons : {MsgButtons::Ok, MsgButtons::YesNo}) {
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->accept();
        });
        MsgBox(MsgIcon::Critical, buttons, "Warning", "Please Fill the First Name");
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m, 1000));
        EXPECT_EQ(QApplication::focusWidget(), name);
    }
    setMessageHandler(std::move(recorder));
}
