// The printer path as an installation whose sanavo.ini says [Printer] Output=printer has it: bills and
// reports go through Qt's CUPS support to the default printer of a CUPS scheduler of the program's own, whose
// queue writes each job as a PDF file; the file is read back word by word.
#include "billing/BillFixture.h"
#include "billing/frmBill.h"
#include "billing/frmInBill.h"
#include "billing/frmLabBillReport.h"
#include "billing/frmXRayBillReport.h"
#include "cups/CupsScheduler.h"
#include "data/Environment.h"
#include "framework/FieldBinding.h"
#include "printing/PdfWords.h"
#include "printing/ReportLayout.h"
#include "rules/Formats.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>
#include <cups/cups.h>

namespace {

CupsScheduler& cups() {
    return CupsScheduler::instance();
}
const QString Queue = CupsScheduler::Queue;

// A text at its place in twips from the printable area's corner.
struct At {
    QString text;
    double x, y;
};

// Right-aligned texts print one character at a time on the 110-twip pitch, the last at rightX.
void rightAligned(std::vector<At>& where, const QString& text, double rightX, double y) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] != ' ')
            where.push_back({QString(text[i]), rightX - 110.0 * double(text.size() - 1 - i), y});
}

// Each text has a word within one point of its place: `origin` (the printable margins, in points) plus its
// twips / 20. Single characters recur, so each place takes the nearest word of its text.
void expectAt(const std::vector<PdfWord>& words, const QMarginsF& origin, const std::vector<At>& where) {
    for (const At& a : where) {
        const double x = origin.left() + a.x / 20, y = origin.top() + a.y / 20;
        const auto distance = [&](const PdfWord& w) { return std::hypot(w.xMin - x, w.yMin - y); };
        const PdfWord* nearest = nullptr;
        for (const PdfWord& w : words)
            if (w.text == a.text && (!nearest || distance(w) < distance(*nearest))) nearest = &w;
        ASSERT_NE(nearest, nullptr) << a.text;
        EXPECT_NEAR(nearest->xMin, x, 1.0) << a.text << " at " << a.x << ", " << a.y;
        EXPECT_NEAR(nearest->yMin, y, 1.0) << a.text << " at " << a.x << ", " << a.y;
    }
}

class PrinterPath : public BillTest {
protected:
    void SetUp() override {
        BillTest::SetUp();
        if (!cups().unavailable().isEmpty())
            GTEST_SKIP() << "CUPS scheduler could not start: " << cups().unavailable();
        ASSERT_EQ(cups().broken(), "");
        QFile ini(folder() + "/sanavo.ini");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write("[Hospital]\nHospitalName=St. Luke's Hospital\nHospitalAddress=12, Lake Road; Riverside\n"
                  "HospitalPhone=0471 555 0199\n\n[Printer]\nOutput=printer\n");
        ini.close();
        PrintPage.setBackend(nullptr); // what sanavo.ini chooses
        jobs_ = cups().jobStates().size();
    }
    void TearDown() override {
        if (cups().unavailable().isEmpty()) { // whatever a test did to the queue, the next finds it ready
            EXPECT_EQ(cups().run("cupsenable", {Queue}), "");
            EXPECT_EQ(cups().run("cupsaccept", {Queue}), "");
        }
        BillTest::TearDown();
    }
    // The words of the one more job the queue has completed since the test began.
    std::vector<PdfWord> nextJob() {
        ++jobs_;
        EXPECT_TRUE(cups().waitForJobs(jobs_)) << jobs_ << " jobs expected";
        const std::vector<int> states = cups().jobStates();
        EXPECT_EQ(states.empty() ? 0 : states.back(), IPP_JSTATE_COMPLETED);
        return pdfWords(cups().output());
    }
    // Where the default printer's printable area starts, as its QPrinter says: the PPD's margins.
    static QMarginsF printableOrigin() {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        const QMarginsF m = printer.pageLayout().margins(QPageLayout::Point);
        EXPECT_NEAR(m.left(), CupsScheduler::Margins.left(), 0.5);
        EXPECT_NEAR(m.top(), CupsScheduler::Margins.top(), 0.5);
        return m;
    }
    static QStringList spoolFiles() { return QDir::temp().entryList({"sanavo-print-*"}, QDir::Files); }
    size_t jobs_ = 0;
};

} // namespace

TEST_F(PrinterPath, AnOutPatientBillLandsWhereItsTwipsSay) {
    addDoctor();
    addOutPatient("OP1", "Asha");
    auto* s = open<frmBill>();
    ASSERT_NE(s, nullptr);
    choose(s, "OP1");
    type(s, "Text1_0", "100");
    press(s, "Picture1");
    print(s);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{kQuestion, kSaved}));
    EXPECT_EQ(rowCount("OutPatientPrintDetails"), 1);
    std::vector<At> where{{"Name", 0, 555},  {"1", 3580, 700},      {"07/12/2026", 4930, 700},
                          {"41", 3580, 920}, {"Female", 4930, 920}, {"Dr.Rao", 3580, 1150},
                          {"01", 0, 1800},   {"Dr", 800, 1800}};
    rightAligned(where, "100.00", 5500, 1800);
    rightAligned(where, "100.00", 5500, 4600);
    expectAt(nextJob(), printableOrigin(), where);
}

TEST_F(PrinterPath, AReportPageLandsWhereItsTwipsSay) {
    std::vector<ReportLine> lines;
    for (int i = 1; i <= 3; ++i)
        lines.push_back(
            {formatSerial(i), QString("Name%1-OP%1").arg(i), QString(), formatAmount(100 + i * 0.25)});
    ASSERT_TRUE(
        printReport(lines, ReportLayout::daily("Daily Collection", QDate(2026, 12, 7), "Patient"), 300.5));
    EXPECT_EQ(messages.count(), 0u);
    std::vector<At> where{{"St.", 4400, 1300},     {"12,", 4200, 1700},    {"Ph", 5000, 2100},
                          {"Date", 9200, 2600},    {"Daily", 3000, 3200},  {"Sl", 800, 4400},
                          {"Patient", 4000, 4400}, {"Amount.", 9200, 4400}};
    for (int i = 0; i < 3; ++i) {
        where.push_back({lines[i].serial, 800, 5000 + 200.0 * i});
        where.push_back({lines[i].description, 4000, 5000 + 200.0 * i});
        rightAligned(where, lines[i].amount, 10000, 5000 + 200.0 * i);
    }
    rightAligned(where, "Total : " + formatAmount(300.5), 10000, 7100);
    expectAt(nextJob(), printableOrigin(), where);
    EXPECT_EQ(spoolFiles(), QStringList());
}

TEST_F(PrinterPath, AStoppedOrRejectingQueueIsAReportFailureAndGetsNoJob) {
    const struct {
        QString tool, undo, description;
    } conditions[] = {{"cupsdisable", "cupsenable", "The printer sanavo-test is stopped"},
                      {"cupsreject", "cupsaccept", "The printer sanavo-test does not accept jobs"}};
    for (const auto& c : conditions) {
        SCOPED_TRACE(c.tool);
        ASSERT_EQ(cups().run(c.tool, {Queue}), "");
        messages.clear();
        EXPECT_FALSE(printReport({{"1", "Asha-OP1", QString(), "100.00"}},
                                 ReportLayout::daily("T", QDate(2026, 12, 7), "D"), 100));
        EXPECT_EQ(messages.calls(),
                  (std::vector<RecordedMessage>{
                      {MsgIcon::Critical, MsgButtons::Ok, "Printer Info",
                       "Please Check the Printer is Connected or Switch On" + c.description}}));
        ASSERT_EQ(cups().run(c.undo, {Queue}), "");
    }
    EXPECT_EQ(cups().jobStates().size(), jobs_);
}

TEST_F(PrinterPath, AJobTheSchedulerRefusesAtHandOverIsAPrinterFailure) {
    PrintPage.printAt(1000, 1000, "refused"); // the document is open on the printer, which was ready
    ASSERT_EQ(cups().run("cupsreject", {Queue}), "");
    QString description;
    try {
        PrintPage.endDocument();
    } catch (const PrintError& e) {
        description = e.description();
    }
    EXPECT_EQ(description,
              "The printer sanavo-test did not take the document: Destination \"sanavo-test\" is "
              "not accepting jobs.");
    EXPECT_FALSE(PrintPage.documentOpen());
    EXPECT_EQ(cups().jobStates().size(), jobs_);
    EXPECT_EQ(spoolFiles(), QStringList());
}

// ---- every bill screen on a stopped queue

namespace {
struct BillScreenRow {
    std::string name;
    std::function<BillScreen*()> open;
    QString patientId;
    QString entryBox; // where a line of 100 is typed: the amount, or the test "CBC"
    QString billTable;
    QString counterTable;
    bool describesFailure; // the failure box names the failure after its text
};
void PrintTo(const BillScreenRow& row, std::ostream* os) {
    *os << row.name;
}

class StoppedQueue : public PrinterPath, public testing::WithParamInterface<BillScreenRow> {};
} // namespace

TEST_P(StoppedQueue, TheBillScreenShowsItsPrinterFailureAndStoresNoBillUntilTheQueueRunsAgain) {
    const BillScreenRow& row = GetParam();
    addDoctor();
    addOutPatient("OP1", "Asha");
    admit("IP1", "Bala");
    insertRow("SettingsLab", {"Description", "Amount"}, {"CBC", "100"});
    insertRow("SettingsXRay", {"Description", "AdultAmount", "ChildrenAmount"}, {"CBC", "100", "100"});
    BillScreen* s = row.open();
    ASSERT_NE(s, nullptr);
    ScreenDriver(s).activate();
    choose(s, row.patientId);
    emptyControl(ScreenDriver(s).control(row.entryBox));
    type(s, row.entryBox, row.entryBox == "Text1_0" ? "100" : "CBC");
    press(s, "Picture1");
    ASSERT_EQ(listed(s).size(), 1u);
    const QString counter = stored(row.counterTable, "LastBillNo");

    ASSERT_EQ(cups().run("cupsdisable", {Queue}), "");
    messages.clear();
    print(s);
    EXPECT_EQ(messages.calls(),
              (std::vector<RecordedMessage>{
                  kQuestion,
                  {MsgIcon::Critical, MsgButtons::Ok, AppTitle,
                   "Please Check the Printer is Correctly Installed" +
                       (row.describesFailure ? "The printer sanavo-test is stopped" : QString())}}));
    EXPECT_FALSE(s->printed());
    EXPECT_EQ(rowCount(row.billTable), 0);
    EXPECT_EQ(stored(row.counterTable, "LastBillNo"), counter);
    EXPECT_EQ(cups().jobStates().size(), jobs_);

    // Once the printer runs again, the same bill prints and is stored.
    ASSERT_EQ(cups().run("cupsenable", {Queue}), "");
    messages.clear();
    print(s);
    EXPECT_EQ(messages.calls(), (std::vector<RecordedMessage>{kQuestion, kSaved}));
    EXPECT_EQ(rowCount(row.billTable), 1);
    EXPECT_NE(findWord(nextJob(), "Dr.Rao"), nullptr); // the bill came out of the printer
}

INSTANTIATE_TEST_SUITE_P(
    Bills, StoppedQueue,
    testing::Values(
        BillScreenRow{"OutPatient", [] { return static_cast<BillScreen*>(ShowScreen<frmBill>()); }, "OP1",
                      "Text1_0", "OutPatientPrintDetails", "SettingsOutBillNo", true},
        BillScreenRow{"InPatient", [] { return static_cast<BillScreen*>(ShowScreen<frmInBill>()); }, "IP1",
                      "Text1_0", "InPatientPrintDetails", "SettingsInBillNo", false},
        BillScreenRow{"Lab", [] { return static_cast<BillScreen*>(ShowScreen<frmLabBillReport>()); }, "IP1",
                      "cmbDescription", "LabPrintDetails", "SettingsLabBillNo", false},
        BillScreenRow{"XRay", [] { return static_cast<BillScreen*>(ShowScreen<frmXRayBillReport>()); }, "IP1",
                      "cmbDescription", "XRayPrintDetails", "SettingsXRayBillNo", false}),
    [](const testing::TestParamInfo<BillScreenRow>& info) { return info.param.name; });
