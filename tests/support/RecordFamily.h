#pragma once

// The record screen family, tested once over all its rows: a test program includes this header once and
// instantiates the suite with its screens' rows:
//
//     INSTANTIATE_TEST_SUITE_P(OutPatients, RecordFamily, testing::Values(RecordFamilyRow{...}),
//                              RecordFamily::rowName);
//
// A screen's own tests then cover only what its row cannot say.

#include "data/ProgramState.h"
#include "framework/RecordScreen.h"
#include "framework/Screens.h"
#include "framework/modHotkey.h"
#include "support/ScreenDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QTest>

struct RecordFamilyRow {
    std::string name;
    std::function<RecordScreen*()> open; // as the menu opens it
    QString table;
    QString keyColumn;
    QString keyControl;
    QStringList keys;                                              // three stored keys, in the screen's order
    std::function<void(const ScreenDriver&, const QString&)> fill; // a valid new record with this typed key
    QString typedKey;                                              // typed for a new record
    QString storedKey;                                             // what that stores
    QString duplicate;             // the two lines refusing a stored key again
    QString listScreen;            // objectName of the screen View All opens
    bool replaceDelivered = false; // the table's delivered rows (the first account) are deleted first
    // Rows of other tables the screen needs to open: table, columns, values.
    std::vector<std::tuple<QString, QStringList, QStringList>> prerequisites = {};
};
// A row is named by its name in test output.
inline void PrintTo(const RecordFamilyRow& row, std::ostream* os) {
    *os << row.name;
}

class RecordFamily : public ConnectedAppTest, public testing::WithParamInterface<RecordFamilyRow> {
protected:
    void SetUp() override {
        ConnectedAppTest::SetUp();
        if (GetParam().replaceDelivered) execSql(dbPath(), "DELETE FROM " + GetParam().table);
        for (const auto& [table, columns, values] : GetParam().prerequisites)
            insertRow(table, columns, values);
    }
    RecordScreen* openScreen() {
        RecordScreen* s = GetParam().open();
        if (s) ScreenDriver(s).activate();
        return s;
    }
    void store(const QString& key) { insertRow(GetParam().table, {GetParam().keyColumn}, {key}); }
    int rows() { return rowCount(GetParam().table); }
    QString key(const ScreenDriver& d) { return d.text(GetParam().keyControl); }
    static bool shown(RecordScreen* s, int picture) { return !s->picture(picture)->isHidden(); }
    static void press(RecordScreen* s, int picture) {
        QTest::mouseClick(s->picture(picture), Qt::LeftButton);
    }

public:
    static std::string rowName(const testing::TestParamInfo<RecordFamilyRow>& info) {
        return info.param.name;
    }
};

inline const RecordedMessage kNoRecordFound{MsgIcon::Critical, MsgButtons::Ok, "Warning", "No Record Found"};

TEST_P(RecordFamily, AnEmptyTableOpensEmptyEveryMoveFindsNoRecordAndCancelWritesNothing) {
    RecordScreen* s = openScreen();
    ASSERT_NE(s, nullptr);
    ScreenDriver d(s);
    EXPECT_EQ(messages.count(), 0u);
    EXPECT_EQ(ActiveScreen.data(), s);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(shown(s, i), i <= 8) << i;
    for (int h = 0; h < HotkeyCount; ++h)
        EXPECT_EQ(HotkeyWindow(h), s) << h;
    EXPECT_EQ(key(d), "");
    for (int b = 1; b <= 4; ++b)
        press(s, b);
    EXPECT_EQ(messages.calls(), std::vector<RecordedMessage>(4, kNoRecordFound));
    EXPECT_EQ(s->rememberedNavigation(), "Picture4");
    messages.clear();
    press(s, 5);
    GetParam().fill(d, GetParam().typedKey);
    press(s, 10);
    press(s, 5);
    press(s, 10);
    press(s, 1);
    EXPECT_EQ(s->state(), RecordScreen::State::Browsing);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(messages.calls(), std::vector<RecordedMessage>{kNoRecordFound});
}

TEST_P(RecordFamily, MovesStopAtBothEndsAndADeleteShowsTheNextRecord) {
    const QStringList& k = GetParam().keys;
    for (const QString& key : k)
        store(key);
    RecordScreen* s = openScreen();
    ScreenDriver d(s);
    // The steps and the key shown after each.
    const std::vector<std::pair<int, QString>> moves{{3, k[1]}, {2, k[0]}, {2, k[0]}, {4, k[2]},
                                                     {3, k[2]}, {2, k[1]}, {1, k[0]}, {3, k[1]}};
    for (const auto& [button, shownKey] : moves) {
        press(s, button);
        EXPECT_EQ(key(d), shownKey) << "Picture" << button;
    }
    EXPECT_EQ(messages.count(), 0u);
    messages.answer(MsgAnswer::No); // No deletes nothing
    press(s, 7);
    EXPECT_EQ(messages.last(), (RecordedMessage{MsgIcon::Question, MsgButtons::YesNo, "Confirm Delete",
                                                "Are you sure you want to delete this record?"}));
    EXPECT_EQ(rows(), 3);
    messages.answer(MsgAnswer::Yes); // the middle one: the next is shown
    press(s, 7);
    EXPECT_EQ(key(d), k[2]);
    messages.answer(MsgAnswer::Yes); // the last one: the new last is shown
    press(s, 7);
    EXPECT_EQ(key(d), k[0]);
    messages.answer(MsgAnswer::Yes); // the only one: the key is emptied
    press(s, 7);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(key(d), "");
    messages.clear();
    press(s, 7);
    press(s, 6);
    press(s, 3);
    EXPECT_EQ(messages.texts(),
              QStringList({"Please select any Record", "Please select any Record", "No Record Found"}));
    EXPECT_FALSE(s->EditFlag());
}

TEST_P(RecordFamily, HotkeysFollowTheShownButtonsNeverCopyOrPasteAndAreReleasedOnClose) {
    const QStringList& k = GetParam().keys;
    store(k[0]);
    store(k[1]);
    RecordScreen* s = openScreen();
    ScreenDriver d(s);
    QApplication::clipboard()->setText("untouched");
    d.control(GetParam().keyControl)->setFocus();
    d.ctrl(Qt::Key_S); // save and cancel are hidden while browsing
    d.ctrl(Qt::Key_C);
    EXPECT_EQ(messages.count(), 0u);
    d.ctrl(Qt::Key_V); // view all opens the list over its disabled caller; nothing is pasted
    EXPECT_EQ(key(d), k[0]);
    ListScreen* list = nullptr;
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == GetParam().listScreen && w->isVisible()) list = qobject_cast<ListScreen*>(w);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->caller(), s);
    EXPECT_FALSE(s->isEnabled());
    list->close();
    EXPECT_TRUE(s->isEnabled());
    d.activate();
    d.control(GetParam().keyControl)->setFocus();
    for (const auto& [keyPressed, shownKey] : std::vector<std::pair<Qt::Key, QString>>{
             {Qt::Key_N, k[1]}, {Qt::Key_P, k[0]}, {Qt::Key_L, k[1]}, {Qt::Key_F, k[0]}}) {
        d.ctrl(keyPressed);
        EXPECT_EQ(key(d), shownKey) << keyPressed;
    }
    d.ctrl(Qt::Key_A); // add new, not select all; while adding the browsing keys do nothing
    EXPECT_EQ(s->state(), RecordScreen::State::Adding);
    EXPECT_EQ(s->focusWidget(), d.control(GetParam().keyControl));
    for (Qt::Key keyPressed :
         {Qt::Key_N, Qt::Key_P, Qt::Key_F, Qt::Key_L, Qt::Key_A, Qt::Key_M, Qt::Key_D, Qt::Key_V})
        d.ctrl(keyPressed);
    EXPECT_EQ(messages.count(), 0u);
    EXPECT_EQ(s->state(), RecordScreen::State::Adding);
    GetParam().fill(d, GetParam().typedKey);
    d.control(GetParam().keyControl)->setFocus();
    d.ctrl(Qt::Key_C); // cancel, not copy
    EXPECT_EQ(s->state(), RecordScreen::State::Browsing);
    EXPECT_EQ(QApplication::clipboard()->text(), "untouched");
    // Closed while adding: nothing is written, the keys go back, the screen is unloaded.
    press(s, 5);
    GetParam().fill(d, GetParam().typedKey);
    QPointer<RecordScreen> alive(s);
    s->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    for (int h = 0; h < HotkeyCount; ++h)
        EXPECT_FALSE(HotkeyRegistered(h)) << h;
    EXPECT_EQ(ActiveScreen.data(), nullptr);
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(messages.count(), 0u);
}

TEST_P(RecordFamily, ANewRecordIsStoredOnceAndItsKeyIsRefusedAfterwards) {
    RecordScreen* s = openScreen();
    ScreenDriver d(s);
    press(s, 5);
    GetParam().fill(d, GetParam().typedKey);
    press(s, 9);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{{MsgIcon::Exclamation, MsgButtons::Ok,
                                                               "Update Info", "Record Saved Successfully"}}));
    EXPECT_EQ(s->state(), RecordScreen::State::Browsing);
    EXPECT_TRUE(shown(s, 5));
    EXPECT_FALSE(shown(s, 9));
    EXPECT_EQ(querySql(dbPath(), "SELECT " + GetParam().keyColumn + " FROM " + GetParam().table),
              GetParam().storedKey);
    messages.clear();
    press(s, 5);
    GetParam().fill(d, GetParam().typedKey);
    press(s, 9);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{
                                    {MsgIcon::Critical, MsgButtons::Ok, "Warning", GetParam().duplicate}}));
    EXPECT_EQ(s->state(), RecordScreen::State::Adding);
    EXPECT_EQ(s->focusWidget(), d.control(GetParam().keyControl));
    EXPECT_EQ(rows(), 1);
}
