#include "framework/RecordScreen.h"

#include "data/DbError.h"
#include "data/Messages.h"
#include "data/modConnectDB.h"
#include "framework/Controls.h"
#include "framework/ItemListModel.h"
#include "framework/modHotkey.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QVBoxLayout>

#include <utility>

namespace {

// Picture1 .. Picture10: the picture base names, actions and tips (two blanks after "+", a trailing blank).
constexpr PictureSpec kToolbar[10] = {
    {"Picture1", "first", "Move First", "Move First ( CTRL +  F ) "},
    {"Picture2", "previous", "Move Previous", "Move Previous ( CTRL +  P ) "},
    {"Picture3", "next", "Move Next", "Move Next ( CTRL +  N ) "},
    {"Picture4", "last", "Move Last", "Move Last ( CTRL +  L ) "},
    {"Picture5", "new", "Add New Record", "Add New Record ( CTRL +  A ) "},
    {"Picture6", "edit", "Modify Record", "Modify Record ( CTRL +  M ) "},
    {"Picture7", "delete", "Delete Record", "Delete the Current Record ( CTRL +  D ) "},
    {"Picture8", "viewall", "View All Records", "View All the Record ( CTRL +  V ) "},
    {"Picture9", "save", "Save Record", "Save the Current Record ( CTRL +  S ) "},
    {"Picture10", "cancel", "Cancel Record", "Cancel the Record ( CTRL +  C ) "},
};

const QString kWarning = QStringLiteral("Warning");

struct Counting {
    int& n;
    explicit Counting(int& c) : n(c) { ++n; }
    ~Counting() { --n; }
};

} // namespace

RecordScreen::RecordScreen(ScreenInfo info, QString query)
    : MenuScreen(std::move(info)), query_(std::move(query)) {
    auto* fieldArea = new QWidget(this);
    fieldArea->setObjectName("Fields");
    // A light panel keeps the fields readable over the background picture.
    fieldArea->setAttribute(Qt::WA_StyledBackground);
    fieldArea->setStyleSheet(
        "#Fields { background: rgba(255, 255, 255, 170); border: 1px solid rgb(228, 184, 184);"
        " border-radius: 8px; }");
    fields_ = new QGridLayout(fieldArea);
    fields_->setContentsMargins(14, 12, 14, 12);
    fields_->setHorizontalSpacing(10);
    fields_->setVerticalSpacing(9);
    body()->addWidget(fieldArea);
    body()->addStretch(1);

    auto* bar = new QWidget(this);
    bar->setObjectName("Toolbar");
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addStretch(1);
    toolbar_ = PictureRow(kToolbar, row, bar);
    for (int i = 0; i < 10; ++i)
        pictures_[i] = toolbar_.button(i);
    row->addStretch(1);
    body()->addWidget(bar);

    label3_ = new QLabel(this);
    label3_->setObjectName("Label3");
    label3_->hide();

    // The navigation button pressed last keeps its highlight when the pointer leaves it.
    for (int i = 0; i < 4; ++i)
        pictures_[i]->setKeepHighlight([this, i] { return label3_->text() == pictures_[i]->objectName(); });
    connect(pictures_[0], &PictureButton::clicked, this, &RecordScreen::movef);
    connect(pictures_[1], &PictureButton::clicked, this, &RecordScreen::moven);
    connect(pictures_[2], &PictureButton::clicked, this, &RecordScreen::movep);
    connect(pictures_[3], &PictureButton::clicked, this, &RecordScreen::movel);
    connect(pictures_[4], &PictureButton::clicked, this, &RecordScreen::addnew);
    connect(pictures_[5], &PictureButton::clicked, this, &RecordScreen::edit);
    connect(pictures_[6], &PictureButton::clicked, this, &RecordScreen::Delete);
    connect(pictures_[7], &PictureButton::clicked, this, &RecordScreen::viewall);
    connect(pictures_[8], &PictureButton::clicked, this, &RecordScreen::save);
    connect(pictures_[9], &PictureButton::clicked, this, &RecordScreen::Cancel);
}

RecordScreen::~RecordScreen() {
    ReleaseHotkeys(this);
    // The controls lose the focus while they are destroyed, after this screen's record sets.
    if (keyList_) {
        delete keyList_->focusOut;
        disconnect(keyList_->box, nullptr, this, nullptr);
    }
}

PictureButton* RecordScreen::picture(int number) const {
    return number >= 1 && number <= 10 ? pictures_[number - 1] : nullptr;
}

QString RecordScreen::rememberedNavigation() const {
    return label3_->text();
}

void RecordScreen::enter() {
    MenuScreen::enter();
    setState(State::Browsing);
    RegisterHotkeys();
}

void RecordScreen::setPictures() {
    modFrmSettings(this);
}

bool RecordScreen::openSets() {
    if (!openOtherSets()) {
        close();
        return false;
    }
    return OpenWorkingSet(rs_, query_, Recordset::Mode::Editable);
}

void RecordScreen::showRows() {
    Trapped(TrapWording::ErrorColon, [this] {
        if (rs_.RecordCount() > 0) {
            if (keyList_) {
                const QSignalBlocker quiet(keyList_->box);
                keyList_->items->setItems(rs_.ColumnTexts(keyList_->column));
            }
            browseSetLoaded();
            rs_.MoveFirst();
            display();
        }
    });
    // The keyboard starts in the key field: the window the screen opens in may already be active, so nothing
    // would hand out the focus.
    keyField()->setFocus();
}

void modFrmSettings(RecordScreen* screen) {
    // The clipping does not depend on the arrangement, so the row clips each button as it sets it up.
    screen->toolbar().setUp(screen);
    modButtonVisible(screen, false);
}

void modButtonVisible(RecordScreen* screen, bool entry) {
    for (int i = 1; i <= 10; ++i)
        screen->picture(i)->setVisible(i <= 8 ? !entry : entry);
}

void RecordScreen::closing() {
    ReleaseHotkeys(this);
    MenuScreen::closing();
}

// ---- commands (each acts only through its shown button)

void RecordScreen::command(int button) {
    // A hidden button's hotkey does nothing.
    if (button < 1 || button > 10 || pictures_[button - 1]->isHidden()) return;
    // What each toolbar button runs, Picture1 to Picture10.
    switch (button) {
    case 1:
    case 2:
    case 3:
    case 4:
        navigate(button);
        break;
    case 5:
        doAddnew();
        break;
    case 6:
        doEdit();
        break;
    case 7:
        doDelete();
        break;
    case 8:
        Trapped(TrapWording::DescriptionOnly, [this] { openList(); });
        break;
    case 9:
        doSave();
        break;
    default:
        doCancel();
    }
}

void RecordScreen::movef() {
    command(1);
}
// moven runs Move Previous (Picture2) and movep Move Next (Picture3), as the program always named them.
void RecordScreen::moven() {
    command(2);
}
void RecordScreen::movep() {
    command(3);
}
void RecordScreen::movel() {
    command(4);
}
void RecordScreen::addnew() {
    command(5);
}
void RecordScreen::edit() {
    command(6);
}
void RecordScreen::Delete() {
    command(7);
}
void RecordScreen::viewall() {
    command(8);
}
void RecordScreen::save() {
    command(9);
}
void RecordScreen::Cancel() {
    command(10);
}

void RecordScreen::navigate(int button) {
    for (int i = 1; i <= 4; ++i) {
        if (i == button)
            picture(i)->setHighlightedImage();
        else
            picture(i)->setNormalImage();
    }
    label3_->setText(picture(button)->objectName());
    Trapped(TrapWording::ErrorColon, [this, button] {
        if (rs_.RecordCount() == 0) {
            MsgBox(MsgIcon::Critical, MsgButtons::Ok, kWarning, "No Record Found");
            return;
        }
        switch (button) {
        case 1:
            rs_.MoveFirst();
            break;
        case 2:
            if (!rs_.AtBOF()) rs_.MovePrevious();
            if (rs_.AtBOF()) rs_.MoveFirst();
            break;
        case 3:
            if (!rs_.AtEOF()) rs_.MoveNext();
            if (rs_.AtEOF()) rs_.MoveLast();
            break;
        default:
            rs_.MoveLast();
        }
        display();
    });
}

void RecordScreen::doAddnew() {
    const bool ok = Trapped(TrapWording::DescriptionOnly, [this] {
        modButtonVisible(this, true);
        emptyFields(Emptying::ForNew);
        keyField()->setFocus();
        rs_.AddNew();
        setState(State::Adding);
    });
    // A new row that could not be started leaves the screen browsing, as it was.
    if (!ok) leaveEntry();
}

void RecordScreen::doEdit() {
    Trapped(TrapWording::DescriptionOnly, [this] {
        if (textOf(keyField()).trimmed().isEmpty()) {
            MsgBox(MsgIcon::Critical, MsgButtons::Ok, kWarning, "Please select any Record");
            return;
        }
        if (clearsNotAvailable())
            for (QWidget* w : inputControls())
                if (auto* box = qobject_cast<QLineEdit*>(w); box && box->text().trimmed() == "Not Available")
                    box->clear();
        if (rs_.RecordCount() > 0) {
            setState(State::Editing);
            modButtonVisible(this, true);
            pictures_[8]->setNormalImage();
            pictures_[9]->setNormalImage();
        } else {
            MsgBox(MsgIcon::Critical, MsgButtons::Ok, kWarning, "No Record Found you cannt Edit");
        }
    });
}

void RecordScreen::doDelete() {
    Trapped(TrapWording::DescriptionOnly, [this] {
        if (textOf(keyField()).trimmed().isEmpty()) {
            MsgBox(MsgIcon::Critical, MsgButtons::Ok, kWarning, "Please select any Record");
            return;
        }
        if (rs_.CurrentIndex() >= 0 && refusesDelete()) return;
        if (MsgBox(MsgIcon::Question, MsgButtons::YesNo, "Confirm Delete",
                   "Are you sure you want to delete this record?") != MsgAnswer::Yes)
            return;
        if (rs_.RecordCount() == 0) {
            MsgBox(MsgIcon::Critical, MsgButtons::Ok, kWarning, "No Record Found");
            return;
        }
        beforeDelete();
        if (keyList_) keyList_->deleted = rs_.FieldText(keyList_->column);
        rs_.Delete();
        if (rs_.RecordCount() > 0) {
            rs_.MoveNext();
            if (rs_.AtEOF()) rs_.MoveLast();
            display();
        } else {
            emptyFields(Emptying::AfterLastDelete);
        }
        if (keyList_) updateKeyList(keyList_->deleted, QString(), keyList_->box->currentText());
        afterDelete();
    });
}

void RecordScreen::doSave() {
    // A failure while writing is reported like those of new, edit and delete, and loses nothing:
    // the screen stays in entry with what was typed.
    Trapped(TrapWording::DescriptionOnly, [this] {
        duplicateTest_.reset();
        if (!checks()) return;
        if (!storeRecord()) return;
        setState(State::Browsing);
        MsgBox(MsgIcon::Exclamation, MsgButtons::Ok, "Update Info", "Record Saved Successfully");
        modButtonVisible(this, false);
        if (keyList_) {
            const QString saved = rs_.FieldText(keyList_->column);
            updateKeyList(std::exchange(keyList_->edited, QString()), saved, saved);
        }
        afterSave();
    });
}

void RecordScreen::doCancel() {
    setState(State::Browsing);
    Trapped(TrapWording::DescriptionOnly, [this] {
        const bool hadRows = rs_.RecordCount() > 0;
        // The pending new row is always dropped, so no empty row can be written by a later move.
        if (rs_.EditPending()) rs_.CancelUpdate();
        if (hadRows) {
            emptyFields(Emptying::ForCancel);
            keyField()->setFocus();
        }
    });
    modButtonVisible(this, false);
}

void RecordScreen::leaveEntry() {
    setState(State::Browsing);
    if (rs_.EditPending()) Trapped(TrapWording::DescriptionOnly, [this] { rs_.CancelUpdate(); });
    modButtonVisible(this, false);
}

void RecordScreen::setState(State s) {
    if (s == state_) return;
    state_ = s;
    // The key the edited row had leaves the key list when the row is saved; kept through the return to
    // browsing that the save makes before the list is updated.
    if (keyList_ && s == State::Editing)
        keyList_->edited = rs_.FieldText(keyList_->column);
    else if (keyList_ && s == State::Adding)
        keyList_->edited = QString();
    stateChanged();
}

// ---- the key list

void RecordScreen::useKeyList(QComboBox* box, int column, bool lastMatch) {
    keyList_ =
        KeyList{box, useItemList(box), column, lastMatch, {}, {}, onFocusOut(box, [this] { chooseKey(); })};
    connect(box, &QComboBox::editTextChanged, this, [this] { chooseKey(); });
    connect(box, &QComboBox::activated, this, [this] { chooseKey(); });
}

void RecordScreen::updateKeyList(const QString& removed, const QString& added, const QString& shown) {
    // One key out and one in, at its place in text order (OP1, OP10, OP2), as a read of the table gives.
    const QSignalBlocker quiet(keyList_->box);
    ItemListModel* items = keyList_->items;
    if (!removed.isNull()) items->removeItem(items->list().sortedIndexOf(removed));
    if (!added.isNull()) items->insertItem(items->list().sortedPosition(added), added);
    keyList_->box->setCurrentIndex(-1);
    keyList_->box->setEditText(shown);
}

void RecordScreen::chooseKey() {
    if (!keyList_ || state() != State::Browsing || displaying()) return;
    const QString wanted = keyList_->box->currentText().trimmed();
    if (wanted.isEmpty()) return;
    Trapped(TrapWording::ErrorColon, [&] {
        const int row = rs_.FindTrimmed(keyList_->column, wanted, keyList_->lastMatch);
        if (row < 0) return;
        rs_.MoveTo(row);
        display();
    });
}

// ---- fields

void RecordScreen::bind(int column, Field field) {
    bindings_.push_back({column, std::move(field)});
}

void RecordScreen::display() {
    Counting quiet(displaying_);
    // What the table does not hold would otherwise stay from the record shown before. Emptied first, so
    // that what the bound controls fill in on their changes stays.
    const auto bound = [this](const QWidget* w) {
        for (const Binding& b : bindings_)
            if (b.field.control == w) return true;
        return false;
    };
    for (QWidget* w : inputControls())
        if (w != keyField() && !bound(w)) emptyControl(w);
    for (const Binding& b : bindings_)
        b.field.show(rs_.Field(b.column));
}

void RecordScreen::writeRecord() {
    for (const Binding& b : bindings_)
        rs_.SetField(b.column, b.field.read());
}

void RecordScreen::emptyFields(Emptying why) {
    switch (why) {
    case Emptying::ForNew:
        emptyControl(keyField());
        for (const Binding& b : bindings_)
            b.field.empty();
        break;
    case Emptying::ForCancel:
        for (QWidget* w : inputControls())
            emptyControl(w);
        // Pickers and option groups are no text controls; their bindings empty them.
        for (const Binding& b : bindings_)
            b.field.empty();
        break;
    case Emptying::AfterLastDelete:
        emptyControl(keyField());
        break;
    }
}

bool RecordScreen::warn(QWidget* focus, const QString& text) {
    MsgBox(MsgIcon::Critical, MsgButtons::Ok, kWarning, text);
    if (focus) focus->setFocus();
    return false;
}

bool RecordScreen::duplicateRow(const std::function<bool(const Recordset&)>& same, const QString& line1,
                                const QString& line2, QWidget* focus) {
    return refusedAsDuplicate(DuplicateTest{same, -1, {}, line1, line2, focus});
}

bool RecordScreen::refusedAsDuplicate(DuplicateTest test) {
    if (EditFlag()) return false;
    // Kept so that the save repeats the test inside the transaction that writes the row.
    duplicateTest_ = std::move(test);
    if (!storedRowMatches(*duplicateTest_)) return false;
    warn(duplicateTest_->focus, duplicateTest_->line1 + LineBreak + duplicateTest_->line2);
    return true;
}

bool RecordScreen::storedRowMatches(const DuplicateTest& test) {
    // A key is asked of the file; any other comparison reads the stored rows again.
    if (test.column >= 0) return rs_.StoredTrimmed(test.column, test.key);
    const auto& same = test.same;
    refreshCheckSet();
    if (check_.RecordCount() == 0) return false;
    for (check_.MoveFirst(); !check_.AtEOF(); check_.MoveNext())
        if (same(check_)) return true;
    return false;
}

bool RecordScreen::storeRecord() {
    const std::shared_ptr<Connection> connection = rs_.ActiveConnection();
    if (!connection) throw DbError("Operation is not allowed when the object is closed.");
    const bool adding = state_ == State::Adding;
    const int at = rs_.CurrentIndex();
    bool refused = false;
    try {
        // The duplicate test again and the write in one transaction: no other program can store the same
        // key between them, so a key the screen refuses is never stored twice.
        Connection::Transaction tx(*connection);
        refused = duplicateTest_ && storedRowMatches(*duplicateTest_);
        if (!refused) {
            writeRecord();
            rs_.Update();
            tx.commit();
        }
    } catch (...) {
        // The write was rolled back; a copy that took the row in already (or lost the pending row) is
        // read again and the entry taken up anew, so it never shows a row the file does not hold.
        if (!rs_.EditPending()) {
            rs_.Requery();
            if (adding)
                rs_.AddNew();
            else
                moveToRow(rs_, at);
        }
        throw;
    }
    if (refused) warn(duplicateTest_->focus, duplicateTest_->line1 + LineBreak + duplicateTest_->line2);
    return !refused;
}

void RecordScreen::refreshCheckSet() {
    if (check_.IsOpen()) {
        check_.Requery();
    } else if (!check_.Open(query_, DbConnection, Recordset::Mode::Snapshot)) {
        throw DbError(check_.LastError(), check_.LastStatement());
    }
}

bool RecordScreen::duplicateKey(int column, const QString& key, const QString& line1, const QString& line2) {
    return refusedAsDuplicate(DuplicateTest{{}, column, key.trimmed(), line1, line2, keyField()});
}

bool RecordScreen::showMatching(const std::function<bool(const Recordset&)>& match, bool lastMatch) {
    if (rs_.RecordCount() == 0) return false;
    const int was = rs_.CurrentIndex();
    int found = -1;
    int i = 0;
    for (rs_.MoveFirst(); !rs_.AtEOF(); rs_.MoveNext(), ++i) {
        if (match(rs_)) {
            found = i;
            if (!lastMatch) break;
        }
    }
    moveToRow(rs_, found >= 0 ? found : was);
    if (found >= 0) display();
    return found >= 0;
}

// ---- layout and controls

void RecordScreen::placeField(int row, int column, const QString& label, QWidget* control, QWidget* help) {
    fields_->addWidget(fieldLabel(label, control, fields_->parentWidget()), row, column * 3);
    fields_->addWidget(control, row, column * 3 + 1);
    if (help) fields_->addWidget(help, row, column * 3 + 2);
}

void RecordScreen::placeField(int row, int column, const QString& label, QLayout* controls, QWidget* help) {
    fields_->addWidget(fieldLabel(label, firstInput(controls), fields_->parentWidget()), row, column * 3);
    fields_->addLayout(controls, row, column * 3 + 1);
    if (help) fields_->addWidget(help, row, column * 3 + 2);
}

QList<QWidget*> RecordScreen::inputControls() const {
    QList<QWidget*> out;
    for (QWidget* w : findChildren<QWidget*>()) {
        const QWidget* parent = w->parentWidget();
        if (qobject_cast<QLineEdit*>(w)) {
            // The text parts of combo boxes and pickers belong to those controls.
            if (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent))
                continue;
            out << w;
        } else if (qobject_cast<QComboBox*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                   qobject_cast<QTextEdit*>(w)) {
            out << w;
        }
    }
    return out;
}

namespace {
class CaretToEnd : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::FocusIn) {
            // After the box's own focus handling, which may select its text.
            auto* box = static_cast<QLineEdit*>(o);
            QMetaObject::invokeMethod(
                box,
                [box] {
                    box->deselect();
                    box->end(false);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};
} // namespace

void caretToEndOnFocus(QLineEdit* box) {
    if (box) box->installEventFilter(new CaretToEnd(box));
}

void moveToRow(Recordset& rs, int index) {
    if (rs.RecordCount() > 0) rs.MoveTo(index);
}
