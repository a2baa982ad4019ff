// The collection report family, tested once over its eleven screens: what opens them, their controls and
// headings, a day's (or a range's) lines and total, the printed title, date line and headings, the refused
// range, and the list saved as a CSV file.
#include "support/ScreenDriver.h"

#include "framework/CollectionReportScreen.h"
#include "reports/frmCancelInBillReport.h"
#include "reports/frmCancelLabBillReport.h"
#include "reports/frmCancelOutBillReport.h"
#include "reports/frmCancelXRayBillReport.h"
#include "reports/frmConsultantBillReportAll.h"
#include "reports/frmInBillReport.h"
#include "reports/frmInBillReportAll.h"
#include "reports/frmLabBillReportAll.h"
#include "reports/frmOutBillReport.h"
#include "reports/frmOutBillReportAll.h"
#include "reports/frmXayBillReportAll.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

enum class Kind { OutDay, InDay, Out, In, Test, Consultant, Cancelled, CancelledTest };

struct ReportFamilyRow {
    std::string name;
    std::function<QWidget*()> open;
    Kind kind;
    QString table;
    QString caption;
    QStringList headings;
    QString emptyTable;     // the box that closes the screen while the table has no row of its kind
    QString description;    // of the one line the seeded rows give on 5 December
    QString printedTitle;   // plain mode
    QString printedHeading; // the description's (X 4000)
};
void PrintTo(const ReportFamilyRow& row, std::ostream* os) {
    *os << row.name;
}

class ReportFamily : public ConnectedAppTest, public testing::WithParamInterface<ReportFamilyRow> {
protected:
    bool range() const {
        return GetParam().kind != Kind::OutDay && GetParam().kind != Kind::InDay && !cancelled();
    }
    bool cancelled() const {
        return GetParam().kind == Kind::Cancelled || GetParam().kind == Kind::CancelledTest;
    }
    bool modes() const { return GetParam().kind <= Kind::In; }
    // Bill 7 of 5 December for Asha, of the report's kind, and rows the report must pass over: another
    // status, another day, a charge that keeps it out of the plain mode.
    void seed() {
        const QString mine = cancelled() ? "Deleted" : "Available",
                      other = cancelled() ? "Available" : "Deleted";
        const QString id = GetParam().table.startsWith("Out") ? "OP1" : "IP1";
        if (GetParam().kind == Kind::Consultant) {
            insertRow("SettingsConsultant", {"ConsultDate", "DrName", "Amount", "PatientID"},
                      {"2026-12-05", "Dr.Rao", "100.5", "OP1"});
            insertRow("SettingsConsultant", {"ConsultDate", "DrName", "Amount", "PatientID"},
                      {"2026-12-01", "Dr.Rao", "40", "OP2"});
            return;
        }
        const bool lines = GetParam().table == "LabPrintDetails" || GetParam().table == "XRayPrintDetails";
        const auto bill = [&](const QString& number, const QString& date, const QString& status, int copies,
                              const QString& ecg = {}) {
            for (int i = 0; i < copies; ++i) {
                QStringList columns{"BillNo", "Date", "total", "patientName", "patientid", "BillDelete"};
                QStringList values{number, date, " 100.5", "Asha", id, status};
                if (!lines) {
                    columns << "EcgCharge"
                            << "ScanCharge";
                    values << ecg << "";
                }
                insertRow(GetParam().table, columns, values);
            }
        };
        bill("7", "2026-12-05", mine, lines ? 3 : 1);
        bill("8", "2026-12-05", other, 1);
        bill("9", "2026-12-01", mine, 1);
        if (modes()) bill("10", "2026-12-05", mine, 1, "50"); // an ECG bill
    }
    QWidget* openSeeded() {
        seed();
        QWidget* s = GetParam().open();
        if (s) ScreenDriver(s).activate();
        return s;
    }
    void pick(QWidget* s, const QDate& from, const QDate& to) {
        ScreenDriver d(s);
        d.control<QDateEdit>("DTPicker1")->setDate(from);
        if (range()) d.control<QDateEdit>("DTPicker2")->setDate(to);
    }
    static QStringList row(QWidget* s, int i) {
        auto* list = ScreenDriver(s).control<QTreeWidget>("List");
        QStringList cells;
        for (int c = 0; list && c < list->columnCount(); ++c)
            cells << list->topLevelItem(i)->text(c);
        return cells;
    }
    QStringList expectedRow() const {
        QStringList cells{"01", GetParam().description};
        if (cancelled()) cells << "7";
        return cells << "100.50";
    }

public:
    static std::string rowName(const testing::TestParamInfo<ReportFamilyRow>& info) {
        return info.param.name;
    }
};

} // namespace

TEST_P(ReportFamily, OpensWithItsControlsOrRefusesAnEmptyTable) {
    QWidget* s = GetParam().open();
    if (!GetParam().emptyTable.isEmpty()) {
        EXPECT_EQ(s, nullptr);
        EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{{MsgIcon::Critical, MsgButtons::Ok,
                                                                   "Warning", GetParam().emptyTable}}));
        messages.clear();
        s = openSeeded();
    }
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(messages.count(), 0u);
    const ScreenDriver d(s);
    EXPECT_EQ(s->windowTitle(), GetParam().caption);
    auto* list = d.control<QTreeWidget>("List");
    QStringList headings;
    for (int c = 0; c < list->columnCount(); ++c)
        headings << list->headerItem()->text(c);
    EXPECT_EQ(headings, GetParam().headings);
    EXPECT_EQ(s->findChild<QDateEdit*>("DTPicker2") != nullptr, range());
    EXPECT_EQ(s->findChild<QCheckBox*>("CheckBox1") != nullptr, modes());
    EXPECT_EQ(d.control<QDateEdit>("DTPicker1")->date(), AppTest::kToday);
    // A date after today is refused with the report's wording.
    d.control<QDateEdit>("DTPicker1")->setDate(AppTest::kToday.addDays(1));
    EXPECT_EQ(messages.last(),
              (RecordedMessage{MsgIcon::Critical, MsgButtons::Ok, "Warning",
                               "Please Select date Less than Equal To Current System Date\r\nYou cannt " +
                                   QString(range() ? "select" : "Select") + " for Future Date"}));
    EXPECT_EQ(d.control<QDateEdit>("DTPicker1")->date(), AppTest::kToday);
}

TEST_P(ReportFamily, GeneratesTheDaysLinesAndPrintsThemUnderItsTitle) {
    QWidget* s = openSeeded();
    ASSERT_NE(s, nullptr);
    auto* screen = static_cast<CollectionReportScreen*>(s);
    const ScreenDriver d(s);
    const QDate day(2026, 12, 5);
    pick(s, day, day);
    screen->generate();
    auto* list = d.control<QTreeWidget>("List");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(row(s, 0), expectedRow());
    EXPECT_EQ(d.text("txtTotal"), "100.50");
    screen->print();
    std::vector<std::tuple<QString, double>> printed; // title, date line and headings
    for (const PrintEvent& e : printer->texts())
        if (e.y == 3200 || e.y == 2600 || e.y == 4400) printed.emplace_back(e.text, e.x);
    std::vector<std::tuple<QString, double>> expected{
        {range() ? "Date : 05/12/2026 To 05/12/2026" : "Date : 05/12/2026", range() ? 7200 : 9200},
        {GetParam().printedTitle, 3000},
        {"Sl no.", 800}};
    if (cancelled()) {
        expected.insert(expected.end(), {{"Patient Name - ID", 4000}, {"Bill No", 7800}});
    } else {
        expected.emplace_back(GetParam().printedHeading, 4000);
    }
    expected.emplace_back("Amount.", 9200);
    EXPECT_EQ(printed, expected);
    if (modes()) {
        // The ECG mode: the bill with an ECG charge, and the ECG title.
        d.control<QCheckBox>("CheckBox1")->setChecked(true);
        screen->generate();
        ASSERT_EQ(list->topLevelItemCount(), 1);
        EXPECT_TRUE(row(s, 0)[1].startsWith("10")) << row(s, 0)[1].toStdString();
        printer->clear();
        screen->print();
        EXPECT_EQ(printer->texts().at(4).text, "CASH COLLECTION ECG BILL REPORT");
    }
}

TEST_P(ReportFamily, ARangeBackToFrontIsRefusedAndTheListIsSavedAsCsv) {
    QWidget* s = openSeeded();
    ASSERT_NE(s, nullptr);
    auto* screen = static_cast<CollectionReportScreen*>(s);
    const QDate day(2026, 12, 5);
    pick(s, day, day);
    screen->generate();
    if (range()) {
        pick(s, day.addDays(1), day);
        screen->generate();
        EXPECT_EQ(messages.last(),
                  (RecordedMessage{MsgIcon::Critical, MsgButtons::Ok, "Warning",
                                   "Please select Correct Date ! It must be lessthan Second Date"}));
        EXPECT_EQ(row(s, 0), expectedRow()); // the list generated before stays
    }
    QTemporaryDir out;
    QString proposed;
    CollectionReportScreen::setSaveFileChooser([&](QWidget*, const QString& name) {
        proposed = name;
        return out.filePath("report.csv");
    });
    screen->exportList();
    CollectionReportScreen::setSaveFileChooser({});
    EXPECT_TRUE(proposed.endsWith(".csv")) << proposed.toStdString();
    QFile file(out.filePath("report.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList records = QString::fromUtf8(file.readAll()).split("\r\n");
    ASSERT_GE(records.size(), 3);
    EXPECT_TRUE(records[0].startsWith("Sl No,")) << records[0].toStdString();
    EXPECT_TRUE(records[1].startsWith("01,")) << records[1].toStdString();
    EXPECT_TRUE(records[1].endsWith(",100.50")) << records[1].toStdString();
    EXPECT_TRUE(records[2].startsWith("Total,") && records[2].endsWith(",100.50"))
        << records[2].toStdString();
}

namespace {
template <class T> std::function<QWidget*()> screen() {
    return [] { return static_cast<QWidget*>(ShowScreen<T>()); };
}
const QString Day19(19, ' '), Range10(10, ' '), Cancel18(18, ' ');
const QStringList DayHeadings{"Sl No", "Bill-No / Patient Name", "Amount"};
const QStringList RangeHeadings{"Sl No", "Bill-No / Patient Name / Date", "Amount"};
const QStringList CancelHeadings{"Sl No", "Patient Name / ID", "Bill No", "Total Amt"};
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Reports, ReportFamily,
    testing::Values(
        ReportFamilyRow{"OutPatientDaily", screen<frmOutBillReport>(), Kind::OutDay, "OutPatientPrintDetails",
                        Day19 + "Daily Collection Out-Patient-Bill Report", DayHeadings,
                        "Please add the OutPatient Details First", "7-Asha-OP1",
                        "CASH COLLECTION OUT-PATIENT BILL REPORT", "Bill_No - Patient Name "},
        ReportFamilyRow{"InPatientDaily", screen<frmInBillReport>(), Kind::InDay, "InPatientPrintDetails",
                        Day19 + "Daily Collection In-Patient-Bill Report", DayHeadings, "",
                        "7-05/12/2026-Asha-IP1", "CASH COLLECTION IN-PATIENT BILL REPORT",
                        "Bill_No - Patient Name "},
        ReportFamilyRow{"OutPatientPeriod", screen<frmOutBillReportAll>(), Kind::Out,
                        "OutPatientPrintDetails",
                        Range10 + "Genarate Out-Patient Weekly/Monthly/Yearly Bill Report", RangeHeadings, "",
                        "7 - Asha - 05/12/2026 - OP1", "CASH COLLECTION OUT-PATIENT BILL REPORT",
                        "Bill_No - Patient Name "},
        ReportFamilyRow{"InPatientPeriod", screen<frmInBillReportAll>(), Kind::In, "InPatientPrintDetails",
                        Range10 + "Genarate In-Patient Weekly/Monthly/Yearly Bill Report", RangeHeadings, "",
                        "7 - Asha - 05/12/2026-IP1", "CASH COLLECTION IN-PATIENT BILL REPORT",
                        "Bill_No - Patient Name "},
        ReportFamilyRow{"LabPeriod", screen<frmLabBillReportAll>(), Kind::Test, "LabPrintDetails",
                        Range10 + "Genarate Lab Weekly/Monthly/Yearly Bill Report", RangeHeadings, "",
                        "7 - Asha - 05/12/2026-IP1", "CASH COLLECTION LAB BILL REPORT",
                        "Bill_No - Patient Name - ID "},
        ReportFamilyRow{"XRayPeriod", screen<frmXayBillReportAll>(), Kind::Test, "XRayPrintDetails",
                        Range10 + "Genarate XRay Weekly/Monthly/Yearly Bill Report", RangeHeadings, "",
                        "7 - Asha - 05/12/2026-IP1", "CASH COLLECTION X-RAY BILL REPORT",
                        "Bill_No - Patient Name - ID"},
        ReportFamilyRow{"ConsultantPeriod", screen<frmConsultantBillReportAll>(), Kind::Consultant,
                        "SettingsConsultant",
                        Range10 + "Genarate Consultant Weekly/Monthly/Yearly Bill Report",
                        QStringList{"Sl No", "Dr. Name / Patient ID / Date   ", "Amount"}, "",
                        "Dr.Rao - OP1 - 05/12/2026", "CASH COLLECTION CONSULTANT BILL REPORT",
                        "Dr. Name - Patient ID - Date"},
        ReportFamilyRow{"OutPatientCancelled", screen<frmCancelOutBillReport>(), Kind::Cancelled,
                        "OutPatientPrintDetails", Cancel18 + "Cancel Out-Patient-Bill Report", CancelHeadings,
                        "No Cancel Bill", "Asha-OP1", "CANCEL OUT-PATIENT BILL REPORT", ""},
        ReportFamilyRow{"InPatientCancelled", screen<frmCancelInBillReport>(), Kind::Cancelled,
                        "InPatientPrintDetails", Cancel18 + "Cancel In-Patient-Bill Report",
                        QStringList{"Sl No", "Patient Name", "Bill No", "Total Amt"}, "No Cancel Bill",
                        "Asha-IP1", "CANCEL IN-PATIENT BILL REPORT", ""},
        ReportFamilyRow{"LabCancelled", screen<frmCancelLabBillReport>(), Kind::CancelledTest,
                        "LabPrintDetails", Cancel18 + "Cancel Lab-Bill Report", CancelHeadings,
                        "No Cancel Bill", "Asha", "CANCEL LAB BILL REPORT", ""},
        ReportFamilyRow{"XRayCancelled", screen<frmCancelXRayBillReport>(), Kind::CancelledTest,
                        "XRayPrintDetails", Cancel18 + "Cancel XRay-Bill Report", CancelHeadings,
                        "No Cancel Bill", "Asha", "CANCEL XRAY BILL REPORT", ""}),
    ReportFamily::rowName);
