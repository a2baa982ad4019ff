// What the doctor screens' family rows cannot say: the days picker, the stored date and hours, the checks.
#include "data/Environment.h"
#include "reference/frmAddDoctorDetail.h"
#include "reference/frmAvailableDays.h"
#include "reference/frmViewDrDetails.h"
#include "support/ScreenDriver.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

namespace {

class DoctorTest : public ConnectedAppTest {
protected:
    frmAddDoctorDetail* open() {
        frmAddDoctorDetail* s = ShowScreen<frmAddDoctorDetail>();
        if (s) ScreenDriver(s).activate();
        return s;
    }
    static void press(RecordScreen* s, int picture) {
        QTest::mouseClick(s->picture(picture), Qt::LeftButton);
    }
    // Opens the days picker from the doctor screen, picks `days` and presses OK.
    void pick(frmAddDoctorDetail* s, const QStringList& days) {
        QTest::mouseClick(ScreenDriver(s).control<QPushButton>("Command1"), Qt::LeftButton);
        auto* picker = LoadedScreen<frmAvailableDays>();
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->caller(), s);
        EXPECT_FALSE(s->isEnabled());
        auto* list = ScreenDriver(picker).control<QListWidget>("List1");
        for (const QString& day : days)
            list->findItems(day, Qt::MatchExactly).value(0)->setSelected(true);
        picker->ok();
        EXPECT_TRUE(s->isEnabled());
    }
};

} // namespace

TEST_F(DoctorTest, PickedDaysAreAppendedToTheBoxAndAllDaysGivesTheWeek) {
    frmAddDoctorDetail* s = open();
    ScreenDriver d(s);
    pick(s, {"Monday", "Friday"});
    EXPECT_EQ(d.text("txtAvailabledays"), "Monday,Friday");
    pick(s, {"Friday", "Monday"});
    EXPECT_EQ(d.text("txtAvailabledays"), "Monday,Friday,Monday,Friday");
    pick(s, {"Sunday", "All Days"});
    EXPECT_EQ(d.text("txtAvailabledays"), "Sunday,Monday,Tuesday,Wednesday,Thursday,Friday,Saturday");
    auto* picker = LoadedScreen<frmAvailableDays>();
    EXPECT_EQ(picker->windowTitle(), " Days");
    QStringList items;
    for (int i = 0; i < ScreenDriver(picker).control<QListWidget>("List1")->count(); ++i)
        items << ScreenDriver(picker).control<QListWidget>("List1")->item(i)->text();
    EXPECT_EQ(items, QStringList({"All Days", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday",
                                  "Friday", "Saturday"}));
    picker->close();
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(DoctorTest, TheBirthDateIsStoredAsTypedDayFirstTheHoursAsHoursAndMinutes) {
    frmAddDoctorDetail* s = open();
    ScreenDriver d(s);
    press(s, 5);
    press(s, 9);
    EXPECT_EQ(messages.texts(), QStringList({"Please Fill the DoctorID"}));
    EXPECT_EQ(s->focusWidget(), d.control("txtDoctorID"));
    d.type("txtDoctorID", "Dr.Rao");
    d.type("txtFirstName", "Rao9");
    d.control<QDateEdit>("DTPicker1")->setDate(Today().addYears(-40));
    EXPECT_EQ(d.text("txtAge"), " 40 Years,  0 Months,  0 Days");
    d.control<QTimeEdit>("DTPicker2")->setTime(QTime(9, 30));
    d.control<QTimeEdit>("DTPicker3")->setTime(QTime(17, 5));
    press(s, 9);
    EXPECT_EQ(querySql(dbPath(),
                       "SELECT FirstName || '|' || DateOfBirth || '|' || InTime || '|' || OutTime FROM "
                       "SettingDrDetails"),
              "Rao|" + Today().addYears(-40).toString("dd/MM/yyyy") + "|09:30|17:05");
    // Shown again from the table, the date read day first.
    press(s, 5);
    press(s, 10);
    press(s, 1);
    EXPECT_EQ(d.control<QDateEdit>("DTPicker1")->date(), Today().addYears(-40));
    EXPECT_EQ(d.control<QTimeEdit>("DTPicker3")->time(), QTime(17, 5));
}

TEST_F(DoctorTest, TheDetailSearchIsExactInLetterCase) {
    insertRow("SettingDrDetails", {"DoctorID", "FirstName"}, {"Dr.Rao", "Anil"});
    frmViewDrDetails* v = ShowScreen<frmViewDrDetails>();
    ScreenDriver d(v);
    d.control<QComboBox>("cmbDrName")->setEditText("anil");
    v->search();
    EXPECT_EQ(messages.texts(), QStringList({"Doctor Name Not Found"}));
}
