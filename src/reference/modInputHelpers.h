#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;
class QDate;
class QDateTimeEdit;
class QLineEdit;
class QObject;
class QTableWidget;

// Input helpers the screens attach to their controls: letters-only and digits-only text boxes, type-ahead
// drop-down lists, the cell wrapper of the two-column detail grids and the age text of a date of birth.
// Each rule is a plain function over plain values; the widget functions and attach* adapters only read
// the control, call the rule and apply its result.
//
// Key codes are character codes: 8 backspace, 13 Enter, 27 Escape, 32 and above printable characters.

// The text of a text box (or of a list's text part) with its selection; the caret is at selStart.
struct TextBoxState {
    QString text;
    int selStart = 0;
    int selLength = 0;
};

// What a keystroke filter decided: the key code to let through (0: dropped) and whether the caret
// goes to the end of the text.
struct KeyFilterResult {
    int key = 0;
    bool caretToEnd = false;
};

// ---- Letters-only text box (modNameOnlyTextBox)

// "A".."Z", "a".."z" and backspace pass; anything else is dropped and sends the caret to the end.
KeyFilterResult nameOnlyKey(int key);
// Inserts pasted text in place of the selection, keeping only the letters; caret after the insertion.
TextBoxState pasteNameOnly(const TextBoxState& box, const QString& pasted);
// The filter on a real box: moves the caret when the rule says so; returns the key code to let through.
int modNameOnlyTextBox(QLineEdit* box, int key);

// ---- Digits-only text box (modNumberOnlyTextBox)

// "0".."9", ":" and backspace pass; with allowDecimal one "." passes. A second "." (the text already
// holds one) is dropped with the caret left where it is; any other refused key sends the caret to the end.
KeyFilterResult numberOnlyKey(const QString& text, int key, bool allowDecimal);
// Inserts pasted text in place of the selection, each character judged against the text built so far.
TextBoxState pasteNumberOnly(const TextBoxState& box, const QString& pasted, bool allowDecimal);
int modNumberOnlyTextBox(QLineEdit* box, int key, bool allowDecimal);

// ---- Type-ahead drop-down list (modAutoCompleteComboBox)

enum class DropDown { Keep, Open, Close };

struct TypeAheadResult {
    int key = 0;      // what the list itself still processes: 13 for Enter, otherwise 0
    TextBoxState box; // the list's text part after the key
    int matched = -1; // the item now selected in the list, -1 when none
    DropDown dropDown = DropDown::Keep;
};

// One keystroke in the text part of a list holding `items`. A printable key completes to the first item
// beginning (case-insensitively) with the typed text and selects the completed tail. With no such item:
// free text keeps what was typed and closes the list; otherwise the box is emptied and the list stays
// open. Backspace removes the selected tail (or the last character); Enter moves
// the caret to the end and passes on; other control keys only clear the selection.
TypeAheadResult autoCompleteKey(const QStringList& items, const TextBoxState& box, int key,
                                bool allowFreeText);
// Pasted text typed into the list character by character (control characters skipped; without free
// text, a character no item continues with is left out rather than clearing what was pasted so far).
TypeAheadResult pasteAutoComplete(const QStringList& items, const TextBoxState& box, const QString& pasted,
                                  bool allowFreeText);
// The routine on a real list (its text part must be editable); returns the key code the list should
// still process. Any failure returns the key unchanged, as if there were no completion.
int modAutoCompleteComboBox(QComboBox* box, int key, bool allowFreeText);
// Opens the list part of a drop-down list.
void OpenDropDown(QComboBox* box);

// ---- Detail cell wrapper (modResizeFlexGrid)

// Characters per line of a wrapped cell.
constexpr int CellLineLength = 30;

struct WrappedCell {
    QString text;    // pieces of 30 characters (the last up to 31), each followed by "\r\n"
    int heightTwips; // the row height the text needs
};

// Longer than 30 characters: (height + 500) * n, n = length / 30 rounded half to even (45 gives 2);
// otherwise height + 200.
WrappedCell wrapCellText(const QString& text, int heightTwips);
// A wrapped text back in one piece (the line breaks a wrap added removed).
QString unwrapCellText(const QString& text);
// Rewraps one cell of a detail grid and makes its row as tall as its tallest cell needs. Wrapping a cell
// again (a repeated search) gives the same text and height, never a growing row.
void modResizeFlexGrid(QTableWidget* grid, int row, int col);

// ---- Age text of a date of birth

// Shown, with no icon and the application title, when a date of birth lies after today.
inline const QString NotBornYetText = QStringLiteral("Sorry ! Sir,you have not born yet. ");

// " 30 Years,  2 Months,  5 Days": a borrowed month counts 30 days; each number is written with a
// leading blank (a minus sign when negative).
QString ageText(const QDate& birth, const QDate& today);
// A picker showing a date after Today(): the message above, the picker set back to today; returns true.
// Otherwise returns false and shows nothing.
bool refuseFutureBirthDate(QDateTimeEdit* picker);
// The refusal, then the age of the picker's date written into ageBox.
void ShowAgeText(QDateTimeEdit* picker, QLineEdit* ageBox);

// ---- Adapters: attach a rule to a control
//
// Each returns the filter object, a child of the control (delete it to detach). Keys with CTRL (or ALT,
// META) are never consumed or altered, except the paste keys, which paste through the rule;
// QEvent::ShortcutOverride is never touched, so a screen's hotkeys still reach it. Keys that type no
// character (arrows, Delete, Home, End, Tab, function keys) pass unchanged. Pasting (keys, context menu,
// middle button), dropping and input-method text all go through the rule character by character.

QObject* attachNameOnly(QLineEdit* box);
QObject* attachNumberOnly(QLineEdit* box, bool allowDecimal);
// Makes the list editable, turns off its own completer and insertion of typed text, and runs the
// type-ahead on every keystroke, also while the list part is open. When `active` is given and returns
// false, keystrokes reach the list unchanged (e.g. a list with type-ahead only while browsing).
QObject* attachAutoComplete(QComboBox* box, bool allowFreeText, std::function<bool()> active = {});
// On every change of the picker's date (programmatic ones included: block its signals to set it quietly):
// ShowAgeText into ageBox.
QObject* attachAgeText(QDateTimeEdit* picker, QLineEdit* ageBox);
// On every change of the picker's date: only the future-date refusal (the age is not touched).
QObject* attachBirthDateRefusal(QDateTimeEdit* picker);
