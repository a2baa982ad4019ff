#pragma once

#include <QString>

#include <functional>

class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QObject;
class QTimeEdit;
class QTreeWidget;
class QWidget;

// The input controls of the screens, each under its given name (a date picker: DatePicker's own constructor).

QLineEdit* textBox(const QString& objectName, QWidget* parent);
// A drop-down list whose text may be typed; what is typed never becomes an item.
QComboBox* editableCombo(const QString& objectName, QWidget* parent);
// The list of the sexes ("Male", "Female"), shown empty, completed as typed without free text.
QComboBox* sexList(const QString& objectName, QWidget* parent);
// A time picker showing hours and minutes ("HH:mm"), starting at 00:00.
QTimeEdit* timePicker(const QString& objectName, QWidget* parent);
// The list of a bill's lines: "Sl No", "Particulars", "Amount", amounts standing right.
QTreeWidget* billLinesList(QWidget* parent);
// Runs `then` whenever the control loses the focus; returns the watcher, a child of the control (delete it to
// stop, as a screen must before its controls are destroyed, which moves the focus).
QObject* onFocusOut(QWidget* control, std::function<void()> then);

// What a screen reader reads for a box comes from its visible label: the label's buddy is the first control
// of `field` that takes the keyboard (the field itself, or the first such control inside it); a control that
// is not the label's sibling, where a screen reader does not look for its label, also carries the text as its
// name.
void labelField(QLabel* label, QWidget* field);
// The first control in `controls` that takes the keyboard, searched in order and into nested layouts; null
// when none.
QWidget* firstInput(QLayout* controls);
// A visible label for `field`, made in `parent` and linked to it as labelField does.
QLabel* fieldLabel(const QString& text, QWidget* field, QWidget* parent);
// Every row label of the screen's form layouts that has no buddy yet gets its field's, as labelField does;
// every list and grid without a name is called by the screen's caption.
void nameControls(QWidget* screen, const QString& caption);
