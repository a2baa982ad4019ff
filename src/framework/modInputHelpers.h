#pragma once

#include "data/Messages.h"
#include "rules/InputRules.h"

#include <functional>

class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QObject;
class FlexGrid;

// The input rules (rules/InputRules.h) on real controls: each reads the control, calls the rule and
// applies its result.

// ---- Letters-only text box (modNameOnlyTextBox)

// The filter on a real box: moves the caret when the rule says so; returns the key code to let through.
int modNameOnlyTextBox(QLineEdit* box, int key);

// ---- Digits-only text box (modNumberOnlyTextBox)

int modNumberOnlyTextBox(QLineEdit* box, int key, bool allowDecimal);

// ---- Type-ahead drop-down list (modAutoCompleteComboBox)

// The routine on a real list (its text part must be editable); returns the key code the list should
// still process. Any failure returns the key unchanged, as if there were no completion.
int modAutoCompleteComboBox(QComboBox* box, int key, bool allowFreeText);
// Opens the list part of a drop-down list.
void OpenDropDown(QComboBox* box);

// ---- Detail cell wrapper (modResizeFlexGrid)

// Rewraps one cell of a detail grid and makes its row as tall as its tallest cell needs. Wrapping a cell
// again (a repeated search) gives the same text and height, never a growing row.
void modResizeFlexGrid(FlexGrid* grid, int row, int col);

// ---- Dates after today

// A picker showing a date after Today(): the box with `icon`, `title` and `text` (an OK button), and the
// picker set back to today; returns true. Otherwise returns false and shows nothing.
bool refuseFutureDate(QDateTimeEdit* picker, MsgIcon icon, const QString& title, const QString& text);

// ---- Age text of a date of birth

// The refusal of a date of birth after today (NotBornYetText, no icon, the application title), then the
// age of the picker's date written into ageBox.
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
// On every change of the picker's date: only the refusal of a date after today (refuseFutureDate).
QObject* attachFutureDateRefusal(QDateTimeEdit* picker, MsgIcon icon, const QString& title,
                                 const QString& text);
