#include "framework/modInputHelpers.h"

#include "data/Environment.h"
#include "data/Messages.h"
#include "framework/Chrome.h"
#include "framework/FlexGrid.h"
#include "framework/ItemListModel.h"
#include "rules/Twips.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <algorithm>

void modResizeFlexGrid(FlexGrid* grid, int row, int col) {
    if (!grid || row < grid->FixedRows() || row >= grid->Rows() || col < 0 || col >= grid->Cols()) return;
    // Heights start from the grid's plain row height, so wrapping again never makes a row grow.
    const int plainHeight = toTwips(grid->verticalHeader()->defaultSectionSize());
    grid->setTextMatrix(row, col, wrapCellText(unwrapCellText(grid->TextMatrix(row, col)), plainHeight).text);
    int height = 0;
    for (int c = 0; c < grid->Cols(); ++c)
        height =
            std::max(height, wrapCellText(unwrapCellText(grid->TextMatrix(row, c)), plainHeight).heightTwips);
    grid->setRowHeight(row - grid->FixedRows(), toPixels(height));
}

bool refuseFutureDate(QDateTimeEdit* picker, MsgIcon icon, const QString& title, const QString& text) {
    if (!picker || picker->date() <= Today()) return false;
    MsgBox(icon, MsgButtons::Ok, title, text);
    picker->setDate(Today());
    return true;
}

void ShowAgeText(QDateTimeEdit* picker, QLineEdit* ageBox) {
    if (!picker) return;
    refuseFutureDate(picker, MsgIcon::None, AppTitle, NotBornYetText);
    if (ageBox) ageBox->setText(ageText(picker->date(), Today()));
}

// ---- Widgets

namespace {

TextBoxState readState(const QLineEdit* edit) {
    if (edit->hasSelectedText()) return {edit->text(), edit->selectionStart(), int(edit->selectionLength())};
    return {edit->text(), edit->cursorPosition(), 0};
}

// The caret at selStart, the selection reaching to its right.
void writeSelection(QLineEdit* edit, const TextBoxState& s) {
    if (s.selLength > 0) {
        edit->setSelection(s.selStart + s.selLength, -s.selLength);
    } else {
        edit->deselect();
        edit->setCursorPosition(s.selStart);
    }
}

void caretToEnd(QLineEdit* box) {
    box->deselect();
    box->setCursorPosition(int(box->text().size()));
}

// The items a keystroke completes from: a long list's own index, or a short list's texts.
ItemList itemsOf(const QComboBox* box) {
    if (const ItemListModel* model = itemListOf(box)) return model->list();
    QStringList items;
    items.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return ItemList(items);
}

TypeAheadResult typeAhead(const QComboBox* box, int key, bool allowFreeText) {
    // A long list is completed from its index without copying it.
    if (const ItemListModel* model = itemListOf(box))
        return autoCompleteKey(model->list(), readState(box->lineEdit()), key, allowFreeText);
    return autoCompleteKey(itemsOf(box), readState(box->lineEdit()), key, allowFreeText);
}

void applyTypeAhead(QComboBox* box, const TypeAheadResult& r) {
    QLineEdit* edit = box->lineEdit();
    if (r.dropDown == DropDown::Open) OpenDropDown(box);
    if (r.matched >= 0) {
        box->setCurrentIndex(r.matched);
        if (QAbstractItemView* view = box->view())
            view->setCurrentIndex(box->model()->index(r.matched, box->modelColumn(), box->rootModelIndex()));
    }
    if (edit->text() != r.box.text) box->setEditText(r.box.text);
    writeSelection(edit, r.box);
    if (r.dropDown == DropDown::Close) box->hidePopup();
}

} // namespace

int modNameOnlyTextBox(QLineEdit* box, int key) {
    const KeyFilterResult r = nameOnlyKey(key);
    if (box && r.caretToEnd) caretToEnd(box);
    return r.key;
}

int modNumberOnlyTextBox(QLineEdit* box, int key, bool allowDecimal) {
    if (!box) return key;
    const KeyFilterResult r = numberOnlyKey(box->text(), key, allowDecimal);
    if (r.caretToEnd) caretToEnd(box);
    return r.key;
}

int modAutoCompleteComboBox(QComboBox* box, int key, bool allowFreeText) {
    // Without an editable text part there is nothing to complete: the list handles the key itself.
    if (!box || !box->lineEdit()) return key;
    try {
        const TypeAheadResult r = typeAhead(box, key, allowFreeText);
        applyTypeAhead(box, r);
        return r.key;
    } catch (...) {
        return key;
    }
}

void OpenDropDown(QComboBox* box) {
    // A list on a screen not shown has no list part to open.
    if (box && box->isVisible() && box->count() > 0 && !box->view()->isVisible()) box->showPopup();
}

// ---- Adapters

namespace {

// A key press as the text box's key-press notification sees it.
struct TypedKey {
    enum Kind { None, Code, Text } kind = None;
    int code = 0;
    QString text; // several characters at once (composed input), handled like a paste
};

TypedKey typedKey(const QKeyEvent* ke) {
    if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    switch (ke->key()) {
    case Qt::Key_Backspace:
        return {TypedKey::Code, KeyBackspace, {}};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {TypedKey::Code, KeyEnter, {}};
    case Qt::Key_Escape:
        return {TypedKey::Code, KeyEscape, {}};
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return {};
    default:
        break;
    }
    const QString text = ke->text();
    if (text.isEmpty() || text.front().unicode() < FirstPrintable || text.front().unicode() == 127) return {};
    if (text.size() == 1) return {TypedKey::Code, text.front().unicode(), {}};
    return {TypedKey::Text, 0, text};
}

// One filter for every way text can enter a control: typed keys go to the key rule, pasted, dropped and
// composed text to the paste rule. Subclasses say what the rules are.
class InputFilter : public QObject {
public:
    using QObject::QObject;

protected:
    virtual bool active() const { return true; }
    virtual bool readOnly() const = 0;
    // The rule's key code: 0 consumes the key press, anything else lets it through.
    virtual int key(int code) = 0;
    virtual void paste(const QString& text) = 0;

    static bool entersText(const QEvent* e) {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::InputMethod:
        case QEvent::Drop:
        case QEvent::ContextMenu:
        case QEvent::MouseButtonRelease:
            return true;
        default:
            return false;
        }
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        // Other events pass untouched, also those a control receives while it is being destroyed.
        if (!entersText(e) || !active() || readOnly()) return false;
        switch (e->type()) {
        case QEvent::KeyPress:
            return keyPress(static_cast<QKeyEvent*>(e));
        case QEvent::InputMethod:
            return inputMethod(static_cast<QInputMethodEvent*>(e));
        case QEvent::Drop:
            return drop(watched, static_cast<QDropEvent*>(e));
        case QEvent::ContextMenu:
            return contextMenu(watched, static_cast<QContextMenuEvent*>(e));
        case QEvent::MouseButtonRelease:
            return middleButtonPaste(watched, static_cast<QMouseEvent*>(e));
        default:
            return false;
        }
    }

    virtual QLineEdit* edit() const = 0;

private:
    bool keyPress(QKeyEvent* ke) {
        // Reaching the control at all means no hotkey took the paste keys: paste through the rule.
        if (ke->matches(QKeySequence::Paste)) {
            paste(QGuiApplication::clipboard()->text());
            return true;
        }
        const TypedKey typed = typedKey(ke);
        if (typed.kind == TypedKey::Text) {
            paste(typed.text);
            return true;
        }
        return typed.kind == TypedKey::Code && key(typed.code) == 0;
    }

    bool inputMethod(QInputMethodEvent* ime) {
        if (ime->commitString().isEmpty()) return false;
        const QString committed = ime->commitString();
        // Let the event carry the preedit state on, but commit nothing: the rule inserts what it accepts.
        ime->setCommitString(QString(), ime->replacementStart(), ime->replacementLength());
        paste(committed);
        return false;
    }

    bool drop(QObject* watched, QDropEvent* de) {
        QLineEdit* target = edit();
        if (watched != target || !de->mimeData()->hasText()) return false;
        const int at = target->cursorPositionAt(de->position().toPoint());
        if (de->source() == target && de->dropAction() == Qt::MoveAction && target->hasSelectedText()) {
            // A move within the box: a dropped selection leaves the box first.
            const int start = target->selectionStart();
            const int length = int(target->selectionLength());
            if (at >= start && at <= start + length) {
                de->ignore();
                return true;
            }
            target->del();
            target->setCursorPosition(at > start ? at - length : at);
        } else {
            target->deselect();
            target->setCursorPosition(at);
        }
        paste(de->mimeData()->text());
        // From elsewhere it is always a copy: refused characters must not vanish from their source.
        de->setDropAction(de->source() == target ? de->dropAction() : Qt::CopyAction);
        de->accept();
        return true;
    }

    bool contextMenu(QObject* watched, QContextMenuEvent* ce) {
        QLineEdit* target = edit();
        if (watched != target || target->contextMenuPolicy() != Qt::DefaultContextMenu) return false;
        QMenu* menu = target->createStandardContextMenu();
        // The box's own menu names its paste entry with the box's own (translated) words.
        const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
        for (QAction* action : menu->actions()) {
            if (action->text().section(u'\t', 0, 0) == pasteText) {
                QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
                QObject::connect(action, &QAction::triggered, this,
                                 [this] { paste(QGuiApplication::clipboard()->text()); });
            }
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(ce->globalPos());
        return true;
    }

    bool middleButtonPaste(QObject* watched, QMouseEvent* me) {
        QLineEdit* target = edit();
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (watched != target || me->button() != Qt::MiddleButton || !clipboard->supportsSelection() ||
            !target->rect().contains(me->position().toPoint()))
            return false;
        target->deselect();
        paste(clipboard->text(QClipboard::Selection));
        return true;
    }
};

class TextBoxFilter : public InputFilter {
public:
    using KeyRule = std::function<int(QLineEdit*, int)>;
    using PasteRule = std::function<TextBoxState(const TextBoxState&, const QString&)>;

    TextBoxFilter(QLineEdit* box, KeyRule keyRule, PasteRule pasteRule)
        : InputFilter(box), box_(box), keyRule_(std::move(keyRule)), pasteRule_(std::move(pasteRule)) {
        box->installEventFilter(this);
    }

protected:
    QLineEdit* edit() const override { return box_; }
    bool readOnly() const override { return box_->isReadOnly(); }
    int key(int code) override { return keyRule_(box_, code); }
    void paste(const QString& text) override {
        // Only the accepted characters are inserted, through the box itself, so undo still works.
        const TextBoxState before = readState(box_);
        const TextBoxState after = pasteRule_(before, text);
        box_->insert(after.text.mid(before.selStart, after.selStart - before.selStart));
    }

private:
    QLineEdit* box_;
    KeyRule keyRule_;
    PasteRule pasteRule_;
};

class ComboFilter : public InputFilter {
public:
    ComboFilter(QComboBox* box, bool allowFreeText, std::function<bool()> active)
        : InputFilter(box), box_(box), list_(box->view()), allowFreeText_(allowFreeText),
          active_(std::move(active)) {
        // The combo box hands its key presses to its text part itself; its list part takes them while open.
        box->installEventFilter(this);
        box->lineEdit()->installEventFilter(this);
        list_->installEventFilter(this);
    }

protected:
    QLineEdit* edit() const override { return box_->lineEdit(); }
    bool active() const override { return !active_ || active_(); }
    bool readOnly() const override { return !box_->lineEdit() || box_->lineEdit()->isReadOnly(); }
    int key(int code) override { return modAutoCompleteComboBox(box_, code, allowFreeText_); }
    void paste(const QString& text) override {
        try {
            applyTypeAhead(
                box_, pasteAutoComplete(itemsOf(box_), readState(box_->lineEdit()), text, allowFreeText_));
        } catch (...) {
        }
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        // In the open list only typing goes to the type-ahead; Enter, Escape and arrows stay the list's.
        if (watched == list_) {
            if (e->type() != QEvent::KeyPress) return false;
            if (leavesByTab(static_cast<QKeyEvent*>(e))) return true;
            const TypedKey typed = typedKey(static_cast<QKeyEvent*>(e));
            const bool typing = (typed.kind == TypedKey::Code &&
                                 (typed.code >= FirstPrintable || typed.code == KeyBackspace)) ||
                                typed.kind == TypedKey::Text;
            if (!typing) return false;
        }
        return InputFilter::eventFilter(watched, e);
    }

private:
    // Tab or Shift+Tab in the open list: the item shown is kept, the list closes and the key goes to the
    // list's box, which moves the focus on as from a closed list. The open list would swallow it.
    bool leavesByTab(const QKeyEvent* ke) {
        const bool tab = ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab;
        if (!tab || (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        box_->hidePopup();
        if (QLineEdit* edit = box_->lineEdit()) caretToEnd(edit);
        QKeyEvent again(ke->type(), ke->key(), ke->modifiers(), ke->text());
        QCoreApplication::sendEvent(box_, &again);
        return true;
    }

    QComboBox* box_;
    QObject* list_;
    bool allowFreeText_;
    std::function<bool()> active_;
};

} // namespace

QObject* attachNameOnly(QLineEdit* box) {
    return new TextBoxFilter(box, modNameOnlyTextBox, pasteNameOnly);
}

QObject* attachNumberOnly(QLineEdit* box, bool allowDecimal) {
    return new TextBoxFilter(
        box, [allowDecimal](QLineEdit* b, int key) { return modNumberOnlyTextBox(b, key, allowDecimal); },
        [allowDecimal](const TextBoxState& s, const QString& t) {
            return pasteNumberOnly(s, t, allowDecimal);
        });
}

QObject* attachAutoComplete(QComboBox* box, bool allowFreeText, std::function<bool()> active) {
    box->setEditable(true);
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    return new ComboFilter(box, allowFreeText, std::move(active));
}

QObject* attachAgeText(QDateTimeEdit* picker, QLineEdit* ageBox) {
    auto* link = new QObject(picker);
    QPointer<QLineEdit> age(ageBox);
    QObject::connect(picker, &QDateTimeEdit::dateChanged, link, [picker, age] { ShowAgeText(picker, age); });
    return link;
}

QObject* attachFutureDateRefusal(QDateTimeEdit* picker, MsgIcon icon, const QString& title,
                                 const QString& text) {
    auto* link = new QObject(picker);
    QObject::connect(picker, &QDateTimeEdit::dateChanged, link,
                     [picker, icon, title, text] { refuseFutureDate(picker, icon, title, text); });
    return link;
}
