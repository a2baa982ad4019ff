#include "framework/DatePicker.h"

DatePicker::DatePicker(const QString& objectName, QWidget* parent) : QDateEdit(parent) {
    setObjectName(objectName);
    setDisplayFormat("dd/MM/yyyy");
    setCalendarPopup(true);
}

bool DatePicker::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}
