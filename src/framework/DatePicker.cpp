#include "framework/DatePicker.h"

#include "data/Environment.h"

DatePicker::DatePicker(const QString& objectName, QWidget* parent) : QDateEdit(parent) {
    setObjectName(objectName);
    setDisplayFormat("dd/MM/yyyy");
    setCalendarPopup(true);
    // Every screen's pickers open on today.
    setDate(Today());
}

bool DatePicker::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}
