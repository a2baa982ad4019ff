#include "framework/FieldBinding.h"

#include "data/Environment.h"
#include "data/modVBDes.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimeEdit>

namespace {

const QString kDateText = QStringLiteral("dd/MM/yyyy");
const QString kTimeText = QStringLiteral("HH:mm");

// A stored date as the screens hold it: a date value, "dd/mm/yyyy" text, or ISO text.
QDate storedDate(const Value& v) {
    if (v.kind() == Value::Kind::Date) return v.toDate();
    const QString t = v.toText().trimmed();
    const QDate d = QDate::fromString(t, kDateText);
    return d.isValid() ? d : QDate::fromString(t, Qt::ISODate);
}

// What an emptied picker shows: a date picker today, a time picker midnight.
void emptyPicker(QDateTimeEdit* picker) {
    // A picker cannot be blank: it shows what a new record starts with.
    if (auto* time = qobject_cast<QTimeEdit*>(picker))
        time->setTime(QTime(0, 0));
    else
        picker->setDate(Today());
}

} // namespace

QString textOf(const QWidget* control) {
    if (const auto* e = qobject_cast<const QLineEdit*>(control)) return e->text();
    if (const auto* c = qobject_cast<const QComboBox*>(control)) return c->currentText();
    if (const auto* p = qobject_cast<const QPlainTextEdit*>(control)) return p->toPlainText();
    if (const auto* t = qobject_cast<const QTextEdit*>(control)) return t->toPlainText();
    return {};
}

void setTextOf(QWidget* control, const QString& text) {
    if (auto* e = qobject_cast<QLineEdit*>(control)) {
        e->setText(text);
    } else if (auto* c = qobject_cast<QComboBox*>(control)) {
        if (c->isEditable()) {
            // The same text again keeps the caret and a completed tail the type-ahead selected.
            if (c->currentText() != text) c->setEditText(text);
        } else
            c->setCurrentIndex(c->findText(text));
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(control)) {
        p->setPlainText(text);
    } else if (auto* t = qobject_cast<QTextEdit*>(control)) {
        t->setPlainText(text);
    }
}

void emptyControl(QWidget* control) {
    if (auto* c = qobject_cast<QComboBox*>(control)) {
        c->setCurrentIndex(-1);
        if (c->isEditable()) c->clearEditText();
    } else if (auto* picker = qobject_cast<QDateTimeEdit*>(control)) {
        emptyPicker(picker);
    } else {
        setTextOf(control, QString());
    }
}

Field Field::text(QWidget* control, std::function<QString(const QString&)> toStored) {
    return {control, [control](const Value& v) { setTextOf(control, v.toText()); },
            [control, toStored] {
                const QString t = textOf(control);
                return Value::text(toStored ? toStored(t) : t);
            },
            [control] { emptyControl(control); }};
}

Field Field::dateText(QDateEdit* picker) {
    return {picker,
            [picker](const Value& v) {
                const QDate d = storedDate(v);
                if (d.isValid())
                    picker->setDate(d);
                else
                    emptyPicker(picker);
            },
            [picker] { return Value::text(picker->date().toString(kDateText)); },
            [picker] { emptyPicker(picker); }};
}

Field Field::date(QDateEdit* picker) {
    Field f = dateText(picker);
    f.read = [picker] { return Value::date(picker->date()); };
    return f;
}

Field Field::time(QTimeEdit* picker) {
    return {picker,
            [picker](const Value& v) {
                const QTime t = QTime::fromString(v.toText().trimmed(), kTimeText);
                picker->setTime(t.isValid() ? t : QTime(0, 0));
            },
            [picker] { return Value::text(picker->time().toString(kTimeText)); },
            [picker] { picker->setTime(QTime(0, 0)); }};
}

Field Field::options(QList<QAbstractButton*> buttons, QStringList values) {
    const auto choose = [buttons](int chosen) {
        for (int i = 0; i < buttons.size(); ++i) {
            // Exclusive buttons cannot all be cleared while they are exclusive.
            QAbstractButton* b = buttons[i];
            const bool exclusive = b->autoExclusive();
            b->setAutoExclusive(false);
            b->setChecked(i == chosen);
            b->setAutoExclusive(exclusive);
        }
    };
    return {buttons.value(0),
            [choose, values](const Value& v) { choose(int(values.indexOf(v.toText().trimmed()))); },
            [buttons, values] {
                for (int i = 0; i < buttons.size(); ++i)
                    if (buttons[i]->isChecked()) return Value::text(values.value(i));
                return Value::text(QString());
            },
            [choose] { choose(-1); }};
}

Field Field::enciphered(Field plain) {
    Field f = plain;
    f.show = [show = plain.show](const Value& v) {
        show(Value::text(Decipher(v.toText().trimmed()).value_or(QString())));
    };
    f.read = [read = plain.read] { return Value::text(Encipher(read().toText())); };
    return f;
}
