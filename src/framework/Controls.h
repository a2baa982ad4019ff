#pragma once

#include <QString>

class QComboBox;
class QLineEdit;
class QTimeEdit;
class QWidget;

// The input controls of the screens, each under its given name (a date picker: DatePicker's own constructor).

QLineEdit* textBox(const QString& objectName, QWidget* parent);
// A drop-down list whose text may be typed; what is typed never becomes an item.
QComboBox* editableCombo(const QString& objectName, QWidget* parent);
// The list of the sexes ("Male", "Female"), shown empty, completed as typed without free text.
QComboBox* sexList(const QString& objectName, QWidget* parent);
// A time picker showing hours and minutes ("HH:mm"), starting at 00:00.
QTimeEdit* timePicker(const QString& objectName, QWidget* parent);
