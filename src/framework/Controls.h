#pragma once

#include <QString>

#include <functional>

class QComboBox;
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
