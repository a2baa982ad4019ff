// The cancel family, tested once over its four screens: the live numbers, the bill shown, the question, every
// row of the bill marked "Deleted" with its cancellation recorded in one transaction, and nothing else.
#include "BillFixture.h"
#include "billing/frmCancelBill.h"
#include "billing/frmCancelInBill.h"
#include "billing/frmCancelLabBill.h"
#include "billing/frmCancelXRayBill.h"
#include "data/ProgramState.h"
#include "data/modConnectDB.h"

#include <QDateEdit>

namespace {

struct CancelFamilyRow {
    std::string name;
    std::function<QWidget*()> open;
    QString table;
    QString counter;
    QString kind;
    QString title;
    bool lines; // a bill of one row per test, shown as list lines
};
void PrintTo(const CancelFamilyRow& row, std::ostream* os) {
    *os << row.name;
}

class CancelFamily : public BillTest, public testing::WithParamInterface<CancelFamilyRow> {
protected:
    // Bill `number` for `name`: one row, or three test lines.
    void storeBill(int number, const QString& name, const QString& status = "Available") {
        const QString n = QString::number(number);
        if (GetParam().lines) {
            for (const char* test : {"CBC", "ESR", "Sugar"})
                insertRow(GetParam().table,
                          {"BillNo", "Date", "TestName", "TestCharge", "DiscountPercent", "GrossTotal",
                           "total", "patientName", "patientid", "BillDelete"},
                          {n, "2026-12-0" + n, test, "100", "10", " 300", " 270", name, "IP" + n, status});
        } else {
            const QString fee = GetParam().table.startsWith("Out") ? "DrFees" : "BedCharges";
            insertRow(GetParam().table,
                      {"BillNo", "Date", fee, "total", "patientName", "patientid", "BillDelete"},
                      {n, "2026-12-0" + n, "100", " 100", name, "IP" + n, status});
        }
    }
    // Each bill's statuses, one entry per bill and status: a bill cancelled in part shows both.
    QString statuses() {
        return querySql(dbPath(),
                        "SELECT group_concat(BillNo || BillDelete, ',') FROM (SELECT DISTINCT BillNo, "
                        "BillDelete FROM " +
                            GetParam().table + " ORDER BY BillNo, BillDelete)");
    }
    QWidget* openReady() {
        storeBill(1, "Asha");
        storeBill(2, "Bala");
        storeBill(3, "Chitra", "Deleted");
        QWidget* s = GetParam().open();
        if (s) ScreenDriver(s).activate();
        return s;
    }
    static void cancel(QWidget* s) { ScreenDriver(s).click("Picture1"); }
    static QStringList numbers(QWidget* s) {
        auto* box = ScreenDriver(s).control<QComboBox>("cmbBillNumber");
        QStringList out;
        for (int i = 0; box && i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }
    static inline const RecordedMessage kQuestion{MsgIcon::Critical, MsgButtons::YesNo, "Warning",
                                                  "Do you Wish to Cancel ( Delete ) the Current Bill"};

public:
    static std::string rowName(const testing::TestParamInfo<CancelFamilyRow>& info) {
        return info.param.name;
    }
};

} // namespace

TEST_P(CancelFamily, ListsTheLiveNumbersAndShowsTheBillChosen) {
    QWidget* s = openReady();
    ASSERT_NE(s, nullptr);
    const ScreenDriver d(s);
    EXPECT_EQ(s->windowTitle(), QString(19, ' ') + GetParam().title);
    EXPECT_EQ(s->objectName(), s->metaObject()->className()); // a screen goes by its given name
    EXPECT_EQ(numbers(s), (QStringList{"1", "2"}));
    d.type("cmbBillNumber", "2");
    EXPECT_EQ(d.text("txtPatientName"), "Bala");
    EXPECT_EQ(d.text("txtPatientID"), "IP2");
    EXPECT_EQ(d.control<QDateEdit>("DTPicker1")->date(), QDate(2026, 12, 2));
    if (GetParam().lines) {
        auto* list = d.control<QTreeWidget>("List");
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(list->topLevelItem(2)->text(0) + "|" + list->topLevelItem(2)->text(1) + "|" +
                      list->topLevelItem(2)->text(2),
                  "03|Sugar|100");
        EXPECT_EQ(d.text("txtDiscount") + "|" + d.text("txtGrassTotal") + "|" + d.text("txtTotal"),
                  "10| 300| 270");
    } else {
        EXPECT_EQ(d.text("Text1_0") + "|" + d.text("txtTotal"), "100| 100");
    }
    // A number that is no live bill's shows no bill, so none can be cancelled by mistake.
    d.control<QComboBox>("cmbBillNumber")->setEditText("3");
    EXPECT_EQ(d.text("txtPatientID"), "");
    cancel(s);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{{MsgIcon::Critical, MsgButtons::Ok, "Warning",
                                                               "Please select the Bill Number"}}));
    EXPECT_EQ(statuses(), "1Available,2Available,3Deleted");
}

TEST_P(CancelFamily, CancelsEveryRowOfTheBillAndRecordsWhoAfterYes) {
    CurrentUserName = "nurse";
    execSql(dbPath(), "UPDATE " + GetParam().counter + " SET LastBillNo = 3");
    QWidget* s = openReady();
    ASSERT_NE(s, nullptr);
    ScreenDriver(s).type("cmbBillNumber", "2");
    messages.answer(MsgAnswer::No);
    cancel(s);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{kQuestion}));
    EXPECT_EQ(statuses(), "1Available,2Available,3Deleted");
    EXPECT_TRUE(s->isVisible());
    messages.clear();
    messages.answer(MsgAnswer::Yes);
    cancel(s);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{kQuestion,
                                                              {MsgIcon::Information, MsgButtons::Ok, AppTitle,
                                                               "Record Deleted ! Bill Cancelled "}}));
    EXPECT_EQ(statuses(), "1Available,2Deleted,3Deleted");
    EXPECT_EQ(querySql(dbPath(),
                       "SELECT Kind || '|' || BillNo || '|' || substr(CancelledAt, 1, 10) || '|' || "
                       "UserName FROM BillCancellations"),
              GetParam().kind + "|2|2026-12-07|nurse");
    EXPECT_EQ(querySql(dbPath(), "SELECT group_concat(LastBillNo) FROM " + GetParam().counter), "3");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QWidget* again = GetParam().open();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(numbers(again), QStringList{"1"});
}

TEST_P(CancelFamily, ACancellationThatCannotBeRecordedCancelsNothing) {
    execSql(dbPath(),
            "CREATE TRIGGER full BEFORE INSERT ON BillCancellations BEGIN SELECT RAISE(ABORT, 'disk "
            "full'); END");
    QWidget* s = openReady();
    ASSERT_NE(s, nullptr);
    ScreenDriver(s).type("cmbBillNumber", "1");
    messages.answer(MsgAnswer::Yes);
    cancel(s);
    EXPECT_EQ(messages.last(), (RecordedMessage{MsgIcon::None, MsgButtons::Ok, AppTitle, "disk full"}));
    EXPECT_EQ(statuses().left(10), "1Available");
    EXPECT_EQ(
        querySql(dbPath(), "SELECT count(*) FROM " + GetParam().table + " WHERE BillDelete = 'Deleted'"),
        GetParam().lines ? "3" : "1");
    EXPECT_EQ(querySql(dbPath(), "SELECT count(*) FROM BillCancellations"), "0");
}

TEST_F(BillTest, ADatabaseFromBeforeGainsTheRecordOfCancellations) {
    execSql(dbPath(), "DROP TABLE BillCancellations");
    ASSERT_TRUE(ConnectDB());
    EXPECT_EQ(querySql(dbPath(), "SELECT count(*) FROM BillCancellations"), "0");
}

INSTANTIATE_TEST_SUITE_P(
    Cancels, CancelFamily,
    testing::Values(
        CancelFamilyRow{"OutPatient", [] { return static_cast<QWidget*>(ShowScreen<frmCancelBill>()); },
                        "OutPatientPrintDetails", "SettingsOutBillNo", "OutPatient",
                        "Settings Out-Patient Cancel Bill", false},
        CancelFamilyRow{"InPatient", [] { return static_cast<QWidget*>(ShowScreen<frmCancelInBill>()); },
                        "InPatientPrintDetails", "SettingsInBillNo", "InPatient",
                        "Settings In-Patient Cancel Bill", false},
        CancelFamilyRow{"Lab", [] { return static_cast<QWidget*>(ShowScreen<frmCancelLabBill>()); },
                        "LabPrintDetails", "SettingsLabBillNo", "Lab", "Settings Lab Cancel Bill", true},
        CancelFamilyRow{"XRay", [] { return static_cast<QWidget*>(ShowScreen<frmCancelXRayBill>()); },
                        "XRayPrintDetails", "SettingsXRayBillNo", "XRay", "Settings XRay Cancel Bill", true}),
    CancelFamily::rowName);
