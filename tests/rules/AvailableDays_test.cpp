#include "rules/AvailableDays.h"

#include <gtest/gtest.h>

TEST(PickedDays, DaysAreAppendedAndAllDaysGivesExactlyTheWeek) {
    const QString week = "Sunday,Monday,Tuesday,Wednesday,Thursday,Friday,Saturday";
    struct Case {
        QString current;
        QStringList picked;
        QString days;
    };
    for (const Case& c : std::vector<Case>{
             {"", {"Monday", "Friday"}, "Monday,Friday"},
             {"Monday,Friday", {"Monday", "Friday"}, "Monday,Friday,Monday,Friday"},
             {"  ", {"Sunday"}, "Sunday"},
             {"Sunday", {}, "Sunday"},
             {"Tuesday", {AllDays, "Monday"}, week},
             {"", {AllDays}, week},
         }) {
        SCOPED_TRACE(c.current.toStdString() + " + " + c.picked.join('/').toStdString());
        EXPECT_EQ(pickedDays(c.current, c.picked).toStdString(), c.days.toStdString());
    }
}
