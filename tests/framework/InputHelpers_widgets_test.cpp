#include "framework/FlexGrid.h"
#include "framework/modInputHelpers.h"

#include "data/Environment.h"
#include "framework/Chrome.h"
#include "support/MessageRecorder.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A shown, active window holding the controls, so keys can be sent the way the window system sends them.
class WidgetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        layout_ = new QVBoxLayout(&window);
        setToday(QDate(2026, 12, 7));
    }
    void TearDown() override { setToday(std::nullopt); }

    template <typename W> W* add() {
        auto* w = new W;
        layout_->addWidget(w);
        return w;
    }
    void show(QWidget* focus) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        focus->setFocus();
        QApplication::processEvents();
    }
    // Through the window, as a real keyboard: the open list part of a combo box receives them.
    void type(const QString& keys) {
        for (const QChar c : keys)
            QTest::keyClick(window.windowHandle(), c.toLatin1());
    }
    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(window.windowHandle(), key, mods);
    }

    QWidget window;
    MessageRecorder messages;

private:
    QVBoxLayout* layout_ = nullptr;
};

bool listOpen(QComboBox* box) {
    return box->view()->isVisible();
}

} // namespace

TEST_F(WidgetsTest, TextBoxesTakeOnlyWhatTheirRuleAcceptsTypedPastedDroppedOrComposed) {
    auto* name = add<QLineEdit>();
    auto* phone = add<QLineEdit>();
    auto* amount = add<QLineEdit>();
    attachNameOnly(name);
    attachNumberOnly(phone, false);
    QObject* filter = attachNumberOnly(amount, true);
    show(name);
    type("Ab c.D'e-1");
    EXPECT_EQ(name->text(), "AbcDe");
    // Refusals move the caret to the end.
    name->setCursorPosition(2);
    type("x");
    EXPECT_EQ(name->text(), "AbxcDe");
    EXPECT_EQ(name->cursorPosition(), 3);
    type(".");
    EXPECT_EQ(name->text(), "AbxcDe");
    EXPECT_EQ(name->cursorPosition(), 6);
    press(Qt::Key_Backspace);
    EXPECT_EQ(name->text(), "AbxcD");
    // Keys that type nothing keep their usual meaning.
    press(Qt::Key_Home);
    EXPECT_EQ(name->cursorPosition(), 0);
    press(Qt::Key_Delete);
    EXPECT_EQ(name->text(), "bxcD");
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(name->selectedText(), "bxcD");

    name->clear();
    QGuiApplication::clipboard()->setText("O'Neil 3");
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "ONeil");
    press(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(name->text(), "ONeilONeil");

    phone->setFocus();
    type("12:3a-4.5");
    EXPECT_EQ(phone->text(), "12:345");

    amount->setFocus();
    type("1.5.2");
    EXPECT_EQ(amount->text(), "1.52");
    // The second point leaves the caret where it was; another refusal sends it to the end.
    amount->setCursorPosition(1);
    type(".");
    EXPECT_EQ(amount->text(), "1.52");
    EXPECT_EQ(amount->cursorPosition(), 1);
    type("-");
    EXPECT_EQ(amount->cursorPosition(), 4);

    amount->setText("4.5");
    amount->setCursorPosition(0);
    QGuiApplication::clipboard()->setText("1.2x");
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(amount->text(), "124.5");

    amount->clear();
    QGuiApplication::clipboard()->setText("7a.8.9");
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), amount->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(amount, &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().startsWith("&Paste")) paste = a;
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    EXPECT_EQ(amount->text(), "7.89");

    amount->clear();
    QMimeData dropped;
    dropped.setText("1-2.3.4");
    // Only a drag in progress delivers drops to the box; its filter sees them first.
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction | Qt::MoveAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);
    EXPECT_TRUE(filter->eventFilter(amount, &drop));
    EXPECT_EQ(amount->text(), "12.34");
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);

    amount->clear();
    QInputMethodEvent composed;
    composed.setCommitString("x9.y.1");
    QApplication::sendEvent(amount, &composed);
    EXPECT_EQ(amount->text(), "9.1");
}

TEST_F(WidgetsTest, TypeAheadCompletesTypedOrPastedTextInTheOpenListAndClearsOnUnknownText) {
    auto* sex = add<QComboBox>();
    sex->addItems({"Male", "Female"});
    attachAutoComplete(sex, false);
    show(sex);
    sex->setEditText("");

    type("m");
    EXPECT_EQ(sex->currentText(), "Male");
    EXPECT_EQ(sex->lineEdit()->selectedText(), "ale");
    EXPECT_EQ(sex->lineEdit()->cursorPosition(), 1);
    ASSERT_TRUE(listOpen(sex));
    EXPECT_EQ(sex->view()->currentIndex().row(), 0);

    // The list part is open now and takes the keys: they still go through the type-ahead.
    type("x");
    EXPECT_EQ(sex->lineEdit()->text(), "") << "a character no item continues with clears the box";
    EXPECT_TRUE(listOpen(sex));

    sex->hidePopup();
    sex->setEditText("");
    type("fEm");
    EXPECT_EQ(sex->currentText(), "Female");
    EXPECT_EQ(sex->lineEdit()->selectedText(), "ale");
    EXPECT_EQ(sex->view()->currentIndex().row(), 1);
    // Enter chooses it; typed text is never added to the list.
    press(Qt::Key_Return);
    EXPECT_FALSE(listOpen(sex));
    EXPECT_EQ(sex->currentText(), "Female");
    EXPECT_EQ(sex->currentIndex(), 1);
    press(Qt::Key_Return);
    EXPECT_EQ(sex->count(), 2);

    // Pasting types each character.
    sex->setCurrentIndex(0);
    sex->setEditText("");
    QGuiApplication::clipboard()->setText("fe9male");
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(sex->currentText(), "Female");
    EXPECT_EQ(sex->currentIndex(), 1);
}

TEST_F(WidgetsTest, TypeAheadWithFreeTextAndOnlyWhileActive) {
    auto* ids = add<QComboBox>();
    ids->addItems({"OP1", "OP12"});
    auto adding = std::make_shared<bool>(true); // outlives the test body with the window
    attachAutoComplete(ids, true, [adding] { return *adding; });
    show(ids);
    ids->setEditText("");

    type("op");
    EXPECT_EQ(ids->currentText(), "OP1");
    EXPECT_TRUE(listOpen(ids));
    type("3");
    EXPECT_EQ(ids->currentText(), "OP3");
    EXPECT_FALSE(listOpen(ids));
    EXPECT_EQ(ids->lineEdit()->cursorPosition(), 3);

    *adding = false;
    ids->setEditText("");
    type("o");
    EXPECT_EQ(ids->currentText(), "o");
    EXPECT_FALSE(listOpen(ids));
}

TEST(ModAutoCompleteComboBox, AListWithoutATextPartHandlesTheKeyItself) {
    QComboBox fixed;
    fixed.addItems({"Male", "Female"});
    EXPECT_EQ(modAutoCompleteComboBox(&fixed, 'f', false), 'f');
    EXPECT_EQ(fixed.currentIndex(), 0);
}

TEST(ModResizeFlexGrid, WrapsTheCellAndSizesTheRowOnceForAll) {
    FlexGrid grid("MSFlexGrid1", 0);
    grid.setRows(2);
    const QString address(61, u'a');
    grid.setTextMatrix(0, 0, "Address");
    grid.setTextMatrix(0, 1, address);
    grid.setTextMatrix(1, 0, "Age");
    const int plain = toTwips(grid.verticalHeader()->defaultSectionSize());

    // A repeated search wraps every cell again: nothing grows.
    for (int search = 0; search < 3; ++search) {
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 2; ++col)
                modResizeFlexGrid(&grid, row, col);
        EXPECT_EQ(grid.TextMatrix(0, 1), address.left(30) + "\r\n" + address.mid(30) + "\r\n");
        EXPECT_EQ(grid.TextMatrix(0, 0), "Address\r\n");
        EXPECT_EQ(grid.rowHeight(0), toPixels((plain + 500) * 2));
        EXPECT_EQ(grid.rowHeight(1), toPixels(plain + 200));
    }
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
    EXPECT_EQ(grid.model()->index(0, 1).data(Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignLeft | Qt::AlignVCenter));
    modResizeFlexGrid(&grid, 2, 0); // outside the grid: nothing happens
    EXPECT_EQ(grid.Rows(), 2);
}

TEST_F(WidgetsTest, AgeFollowsThePickerAndAFutureDateIsRefused) {
    auto* picker = add<QDateEdit>();
    auto* age = add<QLineEdit>();
    picker->setDate(QDate(2000, 1, 1));
    attachAgeText(picker, age);

    picker->setDate(QDate(1990, 12, 8));
    EXPECT_EQ(age->text(), " 35 Years,  11 Months,  29 Days");
    EXPECT_EQ(messages.count(), 0u);

    picker->setDate(QDate(2026, 12, 8));
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{{MsgIcon::None, MsgButtons::Ok, "Sanavo",
                                                               "Sorry ! Sir,you have not born yet. "}}));
    EXPECT_EQ(picker->date(), QDate(2026, 12, 7));
    EXPECT_EQ(age->text(), " 0 Years,  0 Months,  0 Days");

    // The same picker used for refusal only leaves the age alone.
    QDateEdit patientPicker(QDate(2026, 12, 7));
    attachFutureDateRefusal(&patientPicker, MsgIcon::None, AppTitle, NotBornYetText);
    age->setText("40");
    patientPicker.setDate(QDate(2027, 1, 1));
    EXPECT_EQ(messages.count(), 2u);
    EXPECT_EQ(patientPicker.date(), QDate(2026, 12, 7));
    EXPECT_EQ(age->text(), "40");
    patientPicker.setDate(QDate(2026, 12, 7 - 1));
    EXPECT_EQ(messages.count(), 2u);
}
