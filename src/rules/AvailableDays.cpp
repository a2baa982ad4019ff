#include "rules/AvailableDays.h"

QString pickedDays(const QString& current, const QStringList& picked) {
    QString days = current;
    for (const QString& day : picked) {
        if (day == AllDays) return WeekDays.join(',');
        days = days.trimmed().isEmpty() ? day : days + ',' + day;
    }
    return days;
}
