#pragma once

#include <QDateEdit>

// The date picker of the screens: shows "dd/MM/yyyy", opens a calendar, and Tab leaves it for the next
// control at once (the arrow keys move between day, month and year), as operators expect of a field.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    DatePicker(const QString& objectName, QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
};
