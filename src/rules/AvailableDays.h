#pragma once

#include <QString>
#include <QStringList>

// The day names of the available-days picker, in its order after "All Days".
inline const QStringList WeekDays{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
inline const QString AllDays = QStringLiteral("All Days");

// The available days after picking `picked` (in the picker's order): "All Days" among them gives the whole
// week in place of what was there; otherwise each day is appended, joined by ",", to what is there already
// (nothing is removed, a day already there is appended again).
QString pickedDays(const QString& current, const QStringList& picked);
