#pragma once

#include "rules/ItemList.h"

#include <QString>
#include <QStringList>

class QDate;

// The input rules the screens' controls follow, as plain functions over plain values: letters-only and
// digits-only text boxes, type-ahead drop-down lists, the cell wrapper of the two-column detail grids and
// the age text of a date of birth. The widget adapters (framework/modInputHelpers.h) only read the
// control, call the rule and apply its result.
//
// Key codes are character codes: 8 backspace, 13 Enter, 27 Escape, 32 and above printable characters.
constexpr int KeyBackspace = 8;
constexpr int KeyEnter = 13;
constexpr int KeyEscape = 27;
constexpr int FirstPrintable = 32;

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

// ---- Letters-only text box

// "A".."Z", "a".."z" and backspace pass; anything else is dropped and sends the caret to the end.
KeyFilterResult nameOnlyKey(int key);
// Inserts pasted text in place of the selection, keeping only the letters; caret after the insertion.
TextBoxState pasteNameOnly(const TextBoxState& box, const QString& pasted);
// ---- Digits-only text box

// "0".."9", ":" and backspace pass; with allowDecimal one "." passes. A second "." (the text already
// holds one) is dropped with the caret left where it is; any other refused key sends the caret to the end.
KeyFilterResult numberOnlyKey(const QString& text, int key, bool allowDecimal);
// Inserts pasted text in place of the selection, each character judged against the text built so far.
TextBoxState pasteNumberOnly(const TextBoxState& box, const QString& pasted, bool allowDecimal);
// ---- Type-ahead drop-down list

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
TypeAheadResult autoCompleteKey(const ItemList& items, const TextBoxState& box, int key, bool allowFreeText);
inline TypeAheadResult autoCompleteKey(const QStringList& items, const TextBoxState& box, int key,
                                       bool allowFreeText) {
    return autoCompleteKey(ItemList(items), box, key, allowFreeText);
}
// Pasted text typed into the list character by character (control characters skipped; without free
// text, a character no item continues with is left out rather than clearing what was pasted so far).
TypeAheadResult pasteAutoComplete(const ItemList& items, const TextBoxState& box, const QString& pasted,
                                  bool allowFreeText);
inline TypeAheadResult pasteAutoComplete(const QStringList& items, const TextBoxState& box,
                                         const QString& pasted, bool allowFreeText) {
    return pasteAutoComplete(ItemList(items), box, pasted, allowFreeText);
}
// ---- Detail cell wrapper

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
// ---- Age text of a date of birth

// Shown, with no icon and the application title, when a date of birth lies after today.
inline const QString NotBornYetText = QStringLiteral("Sorry ! Sir,you have not born yet. ");

// " 30 Years,  2 Months,  5 Days": a borrowed month counts 30 days; each number is written with a
// leading blank (a minus sign when negative).
QString ageText(const QDate& birth, const QDate& today);
