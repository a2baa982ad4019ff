#pragma once

#include "data/Value.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QDateEdit;
class QTimeEdit;
class QWidget;

// How one control shows a stored column, gives back what to store, and empties itself. A record screen
// binds each of its stored columns to one of these, so its display, save and emptying need no code of
// their own.
struct Field {
    QWidget* control = nullptr; // the control the operator sees (the first button of an option group)
    std::function<void(const Value&)> show;
    std::function<Value()> read;
    std::function<void()> empty;

    // A text box, combo box or text edit: the column as text. `toStored` may rework the typed text.
    static Field text(QWidget* control, std::function<QString(const QString&)> toStored = {});
    // A date picker whose column holds the date as "dd/mm/yyyy" text (read back as day/month/year).
    static Field dateText(QDateEdit* picker);
    // A date picker whose column holds a date value.
    static Field date(QDateEdit* picker);
    // A time picker; the column holds the time as "hh:mm" text.
    static Field time(QTimeEdit* picker);
    // Option buttons, one per stored value: the button whose value the column holds is chosen; no choice
    // stores an empty text.
    static Field options(QList<QAbstractButton*> buttons, QStringList values);
    // Any of the above stored enciphered: shown deciphered (a text that does not decipher shows empty),
    // written enciphered.
    static Field enciphered(Field plain);
};

// Text of a line edit, combo box or text edit; and setting and emptying it.
QString textOf(const QWidget* control);
void setTextOf(QWidget* control, const QString& text);
void emptyControl(QWidget* control);
