#include "support/ScreenDriver.h"

#include "data/ProgramState.h"
#include "framework/RecordScreen.h"
#include "framework/modHotkey.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGridLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

namespace {

// The shortest record screen: two fields over the lab price list.
class LabScreen : public RecordScreen {
public:
    LabScreen()
        : RecordScreen({"frmTestLab", "      Test Lab", 6300, 10995},
                       "SELECT * FROM SettingsLab Order by Description") {
        txtDescription = new QLineEdit(fields()->parentWidget());
        txtDescription->setObjectName("txtDescription");
        txtPassword = new QLineEdit(fields()->parentWidget());
        txtPassword->setObjectName("txtPassword");
        txtNote = new QLineEdit(fields()->parentWidget());
        txtNote->setObjectName("txtNote");
        placeField(0, 0, "Description", txtDescription);
        placeField(1, 0, "Amount", txtPassword);
        placeField(2, 0, "Note", txtNote);
        bind(0, txtDescription);
        bind(1, txtPassword);
    }
    QWidget* keyField() const override { return txtDescription; }
    bool checks() override {
        if (txtDescription->text().trimmed().isEmpty())
            return warn(txtDescription, "Please Fill the Description");
        if (duplicateKey(0, txtDescription->text(), "Please Select the Another Name",
                         "This Name Already Available"))
            return false;
        if (txtPassword->text().trimmed().isEmpty()) return warn(txtPassword, "Please Fill the Amount");
        return true;
    }
    void openList() override { ++listsOpened; }

    QLineEdit* txtDescription;
    QLineEdit* txtPassword;
    QLineEdit* txtNote;
    int listsOpened = 0;
};

// A picture whose left half is white: only the right half is the button.
void writePicture(const QString& path, QColor colour) {
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter(&img).fillRect(10, 0, 10, 10, colour);
    ASSERT_TRUE(img.save(path, "PNG"));
}

class RecordScreenTest : public ConnectedAppTest {
protected:
    void TearDown() override {
        for (Qt::Key k : {Qt::Key_S, Qt::Key_C})
            setHotkeyHeldElsewhere(k, false);
        ConnectedAppTest::TearDown();
    }
    LabScreen* open() {
        screen = new LabScreen;
        EXPECT_TRUE(screen->load());
        ScreenDriver(screen).activate();
        return screen;
    }
    void click(int picture) { QTest::mouseClick(screen->picture(picture), Qt::LeftButton); }
    void addLab(const QString& name, const QString& amount) {
        execSql(dbPath(), QString("INSERT INTO SettingsLab VALUES ('%1', '%2')").arg(name, amount));
    }

    QPointer<LabScreen> screen;
};

} // namespace

TEST_F(RecordScreenTest, ToolbarCarriesItsPicturesTipsAndArrangementsAndAMissingPictureStillWorks) {
    QFile::remove(folder() + "/first.gif");
    writePicture(folder() + "/first.gif", Qt::red);
    QFile::remove(folder() + "/new.gif");
    QFile::remove(folder() + "/new1.gif");
    open();
    const std::pair<const char*, const char*> tipsAndFiles[] = {
        {"Move First ( CTRL +  F ) ", "first"},
        {"Move Previous ( CTRL +  P ) ", "previous"},
        {"Move Next ( CTRL +  N ) ", "next"},
        {"Move Last ( CTRL +  L ) ", "last"},
        {"Add New Record ( CTRL +  A ) ", "new"},
        {"Modify Record ( CTRL +  M ) ", "edit"},
        {"Delete the Current Record ( CTRL +  D ) ", "delete"},
        {"View All the Record ( CTRL +  V ) ", "viewall"},
        {"Save the Current Record ( CTRL +  S ) ", "save"},
        {"Cancel the Record ( CTRL +  C ) ", "cancel"}};
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(screen->picture(i)->toolTip(), tipsAndFiles[i - 1].first) << i;
        EXPECT_EQ(screen->picture(i)->pictureFile(), QString(tipsAndFiles[i - 1].second) + ".gif") << i;
    }
    // The white half is not part of the button.
    PictureButton* first = screen->picture(1);
    ASSERT_TRUE(first->hasPicture());
    EXPECT_EQ(first->mask(), QRegion(10, 0, 10, 10));
    // A click on the white half reaches what lies behind the button.
    QWidget* bar = first->parentWidget();
    EXPECT_EQ(bar->childAt(first->geometry().topLeft() + QPoint(15, 5)), first);
    EXPECT_NE(bar->childAt(first->geometry().topLeft() + QPoint(4, 5)), first);
    // Without its picture, New is still a button of some size that works.
    EXPECT_FALSE(screen->picture(5)->hasPicture());
    EXPECT_TRUE(screen->picture(5)->mask().isEmpty());
    EXPECT_GT(screen->picture(5)->width(), 0);
    EXPECT_EQ(messages.count(), 0u);
    click(5);
    EXPECT_EQ(screen->state(), RecordScreen::State::Adding);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(screen->picture(i)->isHidden(), i <= 8) << i;
}

TEST_F(RecordScreenTest, HoverHighlightsAndTheLastNavigationButtonKeepsIt) {
    for (const char* f : {"next", "next1", "first", "first1"}) {
        QFile::remove(folder() + "/" + f + ".gif");
        writePicture(folder() + "/" + f + ".gif", Qt::blue);
    }
    addLab("CBC", "250");
    open();
    PictureButton* next = screen->picture(3);
    PictureButton* first = screen->picture(1);
    QEvent leave(QEvent::Leave);
    QEnterEvent enter(QPointF(15, 5), QPointF(15, 5), QPointF(15, 5));
    QApplication::sendEvent(first, &enter);
    EXPECT_EQ(first->pictureFile(), "first1.gif");
    QApplication::sendEvent(first, &leave);
    EXPECT_EQ(first->pictureFile(), "first.gif");

    click(3);
    EXPECT_EQ(screen->rememberedNavigation(), "Picture3");
    EXPECT_EQ(next->pictureFile(), "next1.gif");
    QApplication::sendEvent(next, &enter);
    QApplication::sendEvent(next, &leave);
    EXPECT_EQ(next->pictureFile(), "next1.gif");
    // Pressing another navigation button moves the highlight there.
    click(1);
    EXPECT_EQ(next->pictureFile(), "next.gif");
    EXPECT_EQ(first->pictureFile(), "first1.gif");
}

TEST_F(RecordScreenTest, PictureButtonsAreReachedWithTabAndPressedWithSpaceOrEnter) {
    open();
    // From the last field Tab walks the shown buttons (Save and Cancel are hidden) and comes back.
    screen->txtNote->setFocus();
    QStringList walked;
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(keyboard(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked, QStringList({"Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6",
                                   "Picture7", "Picture8", "txtDescription"}));
    PictureButton* first = screen->picture(1);
    int presses = 0;
    QObject::connect(first, &PictureButton::clicked, first, [&] { ++presses; });
    first->setFocus();
    for (const auto& [key, modifiers] :
         std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>{{Qt::Key_Space, Qt::NoModifier},
                                                                {Qt::Key_Return, Qt::NoModifier},
                                                                {Qt::Key_Enter, Qt::KeypadModifier},
                                                                {Qt::Key_A, Qt::NoModifier},
                                                                {Qt::Key_Space, Qt::ControlModifier}})
        QTest::keyClick(first, key, modifiers);
    EXPECT_EQ(presses, 3);
    // The focus is seen on the button.
    const QImage focused = first->grab().toImage();
    screen->txtNote->setFocus();
    EXPECT_NE(first->grab().toImage(), focused);
}

TEST(PictureRegion, ExcludesWhiteAndSeeThroughPixels) {
    QImage img(4, 2, QImage::Format_ARGB32);
    img.fill(Qt::white);
    img.setPixel(1, 0, qRgb(255, 255, 254)); // nearly white still counts
    img.setPixel(2, 0, qRgb(0, 0, 0));
    img.setPixel(0, 1, qRgba(0, 0, 0, 0)); // see-through: the white behind it
    img.setPixel(3, 1, qRgb(200, 10, 10));
    const QRegion r = pictureRegion(img, qRgb(255, 255, 255));
    EXPECT_EQ(r, QRegion(1, 0, 2, 1) + QRegion(3, 1, 1, 1));
    EXPECT_TRUE(pictureRegion(QImage(), qRgb(255, 255, 255)).isEmpty());
}

TEST(TipLines, WrapAtTheWidthAndKeepEveryBlank) {
    const QString tip = "Delete the Current Record ( CTRL +  D ) ";
    const QFontMetrics fm(QApplication::font());
    const QStringList lines = tipLines(tip, fm, TipMaxWidth);
    EXPECT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(QString()), tip);
    for (const QString& l : lines) {
        if (l.trimmed().contains(' ')) {
            EXPECT_LE(fm.horizontalAdvance(l.trimmed()), TipMaxWidth) << l.toStdString();
        }
    }
    EXPECT_EQ(tipLines("Ok", fm, TipMaxWidth), QStringList({"Ok"}));
    // A control given a new tip carries that one balloon alone.
    QWidget control;
    modToolTip(&control, "first", &control);
    modToolTip(&control, tip, &control);
    EXPECT_EQ(control.toolTip(), tip);
    EXPECT_EQ(control.findChildren<QObject*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
}

TEST_F(RecordScreenTest, AKeyHeldElsewhereIsReportedOnceAndItsButtonStillWorks) {
    setHotkeyHeldElsewhere(Qt::Key_S, true);
    setHotkeyHeldElsewhere(Qt::Key_C, true);
    open();
    const QString failure = "Can not register all %1 one of the hotkeys CTRL+%2 ... Try other keys this key "
                            "is already registered by some other running applications.";
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{
                                    {MsgIcon::Critical, MsgButtons::Ok, AppTitle, failure.arg("or", "S")},
                                    {MsgIcon::Critical, MsgButtons::Ok, AppTitle, failure.arg("0r", "C")}}));
    for (int s = 0; s < HotkeyCount; ++s)
        EXPECT_EQ(HotkeyRegistered(s), s != 3 && s != 4) << s;

    messages.clear();
    click(5);
    QTest::keyClicks(screen->txtDescription, "ESR");
    QTest::keyClicks(screen->txtPassword, "90");
    // A key that could not be taken still never copies out of the box.
    QApplication::clipboard()->setText("untouched");
    screen->txtPassword->selectAll();
    QTest::keyClick(screen->txtPassword, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "untouched");
    EXPECT_EQ(screen->state(), RecordScreen::State::Adding);
    EXPECT_EQ(messages.count(), 0u);
    click(9);
    EXPECT_EQ(querySql(dbPath(), "SELECT Description || Amount FROM SettingsLab"), "ESR90");
}

TEST_F(RecordScreenTest, WhileAScreenHoldsItsKeysOtherWindowsKeepTheirs) {
    open();
    QLineEdit other;
    other.setText("free");
    other.show();
    QApplication::setActiveWindow(&other);
    other.setFocus();
    QTest::keyClick(&other, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(other.selectedText(), "free");
    EXPECT_EQ(screen->state(), RecordScreen::State::Browsing);
}

TEST_F(RecordScreenTest, TheDispatcherRunsQueuedInputFirstAndOnlyOnAScreenTakingInput) {
    open();
    // A click already queued (New) runs before the hotkey (Save), so the save acts on the new row.
    QWidget* add = screen->picture(5);
    const QPointF at(add->width() / 2.0, add->height() / 2.0);
    QCoreApplication::postEvent(add, new QMouseEvent(QEvent::MouseButtonPress, at, add->mapToGlobal(at),
                                                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(add, new QMouseEvent(QEvent::MouseButtonRelease, at, add->mapToGlobal(at),
                                                     Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    HotkeyDispatch(3);
    EXPECT_EQ(screen->state(), RecordScreen::State::Adding);
    EXPECT_EQ(messages.texts(), QStringList({"Please Fill the Description"}));

    messages.clear();
    screen->setEnabled(false);
    HotkeyDispatch(4);
    EXPECT_EQ(screen->state(), RecordScreen::State::Adding);
    screen->setEnabled(true);
    HotkeyDispatch(-1);
    HotkeyDispatch(10);
    QWidget plain;
    ActiveScreen = &plain;
    HotkeyDispatch(4);
    EXPECT_EQ(screen->state(), RecordScreen::State::Adding);
    ActiveScreen = screen;
    HotkeyDispatch(4);
    EXPECT_EQ(screen->state(), RecordScreen::State::Browsing);
    HotkeyDispatch(9);
    EXPECT_EQ(screen->listsOpened, 1);
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(RecordScreenTest, DefaultFieldsAreEmptiedByNewCancelAndTheLastDelete) {
    addLab("CBC", "250");
    open();
    EXPECT_EQ(screen->txtDescription->text(), "CBC");
    screen->txtNote->setText("kept");
    click(5);
    EXPECT_EQ(screen->txtDescription->text(), "");
    EXPECT_EQ(screen->txtPassword->text(), "");
    EXPECT_EQ(screen->txtNote->text(), "kept"); // not bound: New leaves it
    click(10);
    EXPECT_EQ(screen->txtNote->text(), ""); // Cancel empties every input field
    click(1);
    screen->txtNote->setText("kept");
    messages.answer(MsgAnswer::Yes);
    click(7);
    EXPECT_EQ(querySql(dbPath(), "SELECT COUNT(*) FROM SettingsLab"), "0");
    EXPECT_EQ(screen->txtDescription->text(), "");
    EXPECT_EQ(screen->txtPassword->text(), "250"); // only the key is emptied
    EXPECT_EQ(screen->txtNote->text(), "kept");

    // The key typed in again on an empty table: Edit finds no record to edit.
    screen->txtDescription->setText("CBC");
    click(6);
    EXPECT_EQ(messages.last().text, "No Record Found you cannt Edit");
    EXPECT_FALSE(screen->EditFlag());
}
