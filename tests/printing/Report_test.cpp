#include "printing/ReportLayout.h"
#include "rules/Formats.h"
#include "support/AppFixture.h"

#include <QTreeWidget>
#include <algorithm>

namespace {
std::vector<ReportLine> makeLines(int n) {
    std::vector<ReportLine> lines;
    for (int i = 1; i <= n; ++i)
        lines.push_back({formatSerial(i), QString("%1-Patient %2-OP%2").arg(1000 + i).arg(i), QString(),
                         formatAmount(i * 10.5)});
    return lines;
}

const ReportLayout kDaily = ReportLayout::daily("CASH COLLECTION OUT-PATIENT BILL REPORT", QDate(2026, 12, 7),
                                                "Bill_No - Patient Name ");
using Doc = std::vector<PrintEvent>;
using Boxes = std::vector<RecordedMessage>;

// The serials of the item lines on a sheet (X 800 below the headings, or any on a continuation sheet).
Doc serials(const Doc& doc) {
    Doc out;
    std::copy_if(doc.begin(), doc.end(), std::back_inserter(out),
                 [](const PrintEvent& e) { return e.x == 800 && e.text != "Sl no."; });
    return out;
}

// The characters printed on one line, read from left to right.
QString lineAt(const Doc& doc, double y, double fromX = 5000) {
    Doc on;
    std::copy_if(doc.begin(), doc.end(), std::back_inserter(on),
                 [&](const PrintEvent& e) { return e.y == y && e.x >= fromX; });
    std::sort(on.begin(), on.end(), [](const PrintEvent& a, const PrintEvent& b) { return a.x < b.x; });
    QString s;
    for (const PrintEvent& e : on)
        s += e.text;
    return s;
}

// The text printed exactly at (x, y), "(none)" when nothing is.
QString textAt(const Doc& doc, double x, double y) {
    for (const PrintEvent& e : doc)
        if (e.y == y && e.x == x) return e.text;
    return "(none)";
}

bool hasText(const Doc& doc, const QString& text) {
    return std::any_of(doc.begin(), doc.end(), [&](const PrintEvent& e) { return e.text == text; });
}

RecordedMessage printerInfo(const QString& text) {
    return {MsgIcon::Critical, MsgButtons::Ok, "Printer Info",
            "Please Check the Printer is Connected or Switch On" + text};
}

void fill(QTreeWidget& list, int rows) {
    list.setColumnCount(3);
    for (int i = 1; i <= rows; ++i)
        new QTreeWidgetItem(&list, {formatSerial(i), QString("%1-Name-OP%1").arg(i), formatAmount(i)});
}

QStringList contents(const QTreeWidget& list) {
    QStringList out;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        for (int c = 0; c < list.columnCount(); ++c)
            out << list.topLevelItem(i)->text(c);
    return out;
}
} // namespace

using ReportTest = AppTest;

TEST_F(ReportTest, HeaderBlockStepByStep) {
    ASSERT_TRUE(printReport(makeLines(1), kDaily, 10.5));
    const auto docs = printer->documents();
    ASSERT_EQ(docs.size(), 1u);
    const auto& d = docs[0];
    const QString rule = QString(5, ' ') + QString(134, '_');
    struct Step {
        QString text;
        double x, y, size;
    };
    const std::vector<Step> header = {
        {"Your Hospital Name", 4400, 1300, 18},
        {"Street, Town, Postal Code", 4200, 1700, 12},
        {"Ph : 000 000 0000", 5000, 2100, 12},
        {"Date : 07/12/2026", 9200, 2600, 12},
        {"CASH COLLECTION OUT-PATIENT BILL REPORT", 3000, 3200, 12},
        {rule, 0, 4100, 10},
        {"Sl no.", 800, 4400, 12},
        {"Bill_No - Patient Name ", 4000, 4400, 12},
        {"Amount.", 9200, 4400, 12},
        {rule, 100, 4600, 10},
        // The line: serial, description, amount right-aligned at 10000, all at Y 5000 in size 10.
        {"01", 800, 5000, 10},
        {"1001-Patient 1-OP1", 4000, 5000, 10},
    };
    ASSERT_GT(d.size(), header.size());
    for (size_t i = 0; i < header.size(); ++i) {
        EXPECT_EQ(d[i].text, header[i].text) << i;
        EXPECT_EQ(QPointF(d[i].x, d[i].y), QPointF(header[i].x, header[i].y)) << i;
        EXPECT_EQ(d[i].font.size, header[i].size) << i;
    }
    EXPECT_EQ(lineAt(d, 5000), "10.50");
}

TEST_F(ReportTest, ThirtyNineRowsFitTheFirstSheetAndFortyTheOthers) {
    struct Sheet {
        int first, last;
        double firstY, lastY;
    };
    const Sheet one{1, 39, 5000, 12600}, two{40, 79, 1000, 8800};
    const std::vector<std::pair<int, std::vector<Sheet>>> cases = {
        {39, {one}},
        {40, {one, {40, 40, 1000, 1000}}},
        {79, {one, two}},
        {80, {one, two, {80, 80, 1000, 1000}}},
    };
    for (const auto& [rows, sheets] : cases) {
        SCOPED_TRACE(rows);
        printer->clear();
        ASSERT_TRUE(printReport(makeLines(rows), kDaily, 0));
        const auto docs = printer->documents();
        ASSERT_EQ(docs.size(), sheets.size());
        EXPECT_FALSE(std::any_of(docs[0].begin(), docs[0].end(),
                                 [](const PrintEvent& e) { return e.text.startsWith("Page"); }));
        for (size_t k = 0; k < sheets.size(); ++k) {
            const auto s = serials(docs[k]);
            ASSERT_EQ(s.size(), size_t(sheets[k].last - sheets[k].first + 1)) << k;
            EXPECT_EQ(s.front().text, formatSerial(sheets[k].first));
            EXPECT_EQ(s.front().y, sheets[k].firstY);
            EXPECT_EQ(s.back().text, formatSerial(sheets[k].last));
            EXPECT_EQ(s.back().y, sheets[k].lastY);
            if (k == 0) continue;
            // Continuation sheets carry a page number, but neither the header block nor the headings.
            EXPECT_EQ(docs[k][0].text, QString("Page Number : %1").arg(k));
            EXPECT_EQ(QPointF(docs[k][0].x, docs[k][0].y), QPointF(4500, 500));
            EXPECT_EQ(docs[k][0].font.size, 10);
            EXPECT_FALSE(hasText(docs[k], "Your Hospital Name"));
            EXPECT_FALSE(hasText(docs[k], "Amount."));
        }
    }
}

TEST_F(ReportTest, ClosingBlockFollowsTheLastRowOnItsSheet) {
    // Rule 1000 below the next line's place, total 500 further, rule 500 further.
    for (const auto& [rows, ruleY, total] :
         std::vector<std::tuple<int, double, double>>{{39, 13800, 8190}, {40, 2200, 0}}) {
        SCOPED_TRACE(rows);
        printer->clear();
        ASSERT_TRUE(printReport(makeLines(rows), kDaily, total));
        const Doc d = printer->documents().back();
        const double lastRow = serials(d).back().y;
        Doc rules;
        std::copy_if(d.begin(), d.end(), std::back_inserter(rules),
                     [&](const PrintEvent& e) { return e.text.endsWith("___") && e.y > lastRow; });
        ASSERT_EQ(rules.size(), 2u);
        EXPECT_EQ(QPointF(rules[0].x, rules[0].y), QPointF(0, ruleY));
        EXPECT_EQ(lineAt(d, ruleY + 500, 0), "Total : " + formatAmount(total));
        EXPECT_EQ(QPointF(rules[1].x, rules[1].y), QPointF(0, ruleY + 1000));
        EXPECT_EQ(d.back().text, rules[1].text);
    }
}

TEST_F(ReportTest, AmountsStandOnThePitchAndTheTotalIsTheScreensOwn) {
    ASSERT_TRUE(printReport({{"01", "1-A-OP1", "", "1234.50"}}, kDaily, 0));
    const auto d = printer->documents().at(0);
    std::vector<double> xs;
    for (const PrintEvent& e : d)
        if (e.y == 5000 && e.x > 5000) xs.push_back(e.x);
    EXPECT_EQ(xs, (std::vector<double>{10000, 9890, 9780, 9670, 9560, 9450, 9340}));
    // The running total printed is the one given, not a sum of the lines; 0 starts at X 8790.
    double first = 1e9;
    for (const PrintEvent& e : d)
        if (e.y == 5000 + 200 + 1000 + 500) first = std::min(first, e.x);
    EXPECT_EQ(first, 8790);
    EXPECT_EQ(lineAt(d, 6700, 0), "Total : 0.00");
}

TEST_F(ReportTest, FourColumnLayoutPrintsBillNumbersRightAlignedAt8000) {
    const ReportLayout layout = ReportLayout::cancelled("CANCEL OUT-PATIENT BILL REPORT", QDate(2026, 12, 7));
    ASSERT_TRUE(
        printReport({{"01", "Ravi-OP7", "57", "100.00"}, {"02", "Mala-OP9", "1203", "5.50"}}, layout, 105.5));
    const auto d = printer->documents().at(0);
    EXPECT_TRUE(hasText(d, "Patient Name - ID"));
    // The heading, then "57" and "1203" ending at 8000, the amounts at 10000.
    for (const auto& [x, y, text] : std::vector<std::tuple<double, double, QString>>{{7800, 4400, "Bill No"},
                                                                                     {8000, 5000, "7"},
                                                                                     {7890, 5000, "5"},
                                                                                     {8000, 5200, "3"},
                                                                                     {7670, 5200, "1"},
                                                                                     {10000, 5200, "0"},
                                                                                     {9670, 5200, "5"}})
        EXPECT_EQ(textAt(d, x, y), text) << x << "," << y;
    EXPECT_EQ(lineAt(d, 5000, 9000), "100.00");
}

TEST_F(ReportTest, BoldIsSwitchedOffAtTheStartOfEveryDocument) {
    PrintPage.setFontBold(true); // left on by a bill printed before
    ASSERT_TRUE(printReport(makeLines(85), kDaily, 0));
    const auto docs = printer->documents();
    ASSERT_EQ(docs.size(), 3u);
    for (const auto& doc : docs)
        for (const PrintEvent& e : doc)
            ASSERT_FALSE(e.font.bold) << e.text.toStdString();
    EXPECT_FALSE(PrintPage.fontBold());
}

TEST_F(ReportTest, EmptyListIsRefusedAndNothingPrinted) {
    EXPECT_FALSE(printReport({}, kDaily, 0));
    EXPECT_EQ(messages.calls(),
              (Boxes{{MsgIcon::Critical, MsgButtons::Ok, "Warning", "Please Generate Correct Report"}}));
    EXPECT_TRUE(printer->events().empty());
}

TEST_F(ReportTest, PrinterFailingMidReportSaysWhichSheetFailedAndLeavesTheListAlone) {
    QTreeWidget list;
    fill(list, 85);
    const QStringList before = contents(list);
    printer->failAtEndDocument(2, "The printer is not ready");
    EXPECT_FALSE(printReport(reportLinesOf(list), kDaily, 3655));
    EXPECT_EQ(messages.calls(),
              Boxes{printerInfo("The printer is not ready\r\n"
                                "Sheet 2 of 3 (from line 40) was not printed; sheet 1 was printed.")});
    // The first sheet stays printed; the job stopped at the failure.
    EXPECT_EQ(printer->documents().size(), 1u);
    EXPECT_EQ(printer->events().back().kind, PrintEvent::Kind::Abandon);
    EXPECT_FALSE(PrintPage.documentOpen());
    EXPECT_EQ(contents(list), before);
}

TEST_F(ReportTest, PrinterFailingOnALaterSheetCountsThePrintedOnes) {
    // A dry run tells how many texts come before the fourth sheet; then fail a few texts into it.
    ASSERT_TRUE(printReport(makeLines(130), kDaily, 0));
    const auto docs = printer->documents();
    ASSERT_EQ(docs.size(), 4u);
    printer->clear();
    printer->failAtText(static_cast<int>(docs[0].size() + docs[1].size() + docs[2].size()) + 5, "Paper jam");
    EXPECT_FALSE(printReport(makeLines(130), kDaily, 0));
    EXPECT_EQ(
        messages.calls(),
        Boxes{printerInfo("Paper jam\r\n"
                          "Sheet 4 of 4 (from line 120) was not printed; sheets 1 to 3 were printed.")});
    EXPECT_EQ(printer->documents().size(), 3u);
}

TEST_F(ReportTest, PrinterFailingAtOnceGivesTheSystemsDescriptionAlone) {
    PrintPage.setBackend(std::make_shared<FailingBackend>("No printer is installed"));
    EXPECT_FALSE(printReport(makeLines(50), kDaily, 0));
    EXPECT_EQ(messages.calls(), Boxes{printerInfo("No printer is installed")});
    // A later report prints normally once the printer is back.
    PrintPage.setBackend(printer);
    EXPECT_TRUE(printReport(makeLines(2), kDaily, 0));
    EXPECT_EQ(printer->documents().size(), 1u);
}

TEST_F(ReportTest, PeriodLayoutDatesAndHeadings) {
    const auto period = ReportLayout::period("CASH COLLECTION LAB BILL REPORT", QDate(2026, 12, 1),
                                             QDate(2026, 12, 7), "Bill_No - Patient Name - ID ");
    EXPECT_EQ(period.dateText, "Date : 01/12/2026 To 07/12/2026");
    EXPECT_EQ(period.dateX, 7200);
    ASSERT_EQ(period.headings.size(), 3u);
    EXPECT_EQ(period.headings[1].text, "Bill_No - Patient Name - ID ");
    EXPECT_EQ(period.headings[2].x, 9200);
}

TEST_F(ReportTest, LinesAreReadFromTheScreensList) {
    QTreeWidget three, four;
    fill(three, 2);
    EXPECT_EQ(reportLinesOf(three),
              (std::vector<ReportLine>{{"01", "1-Name-OP1", "", "1.00"}, {"02", "2-Name-OP2", "", "2.00"}}));
    four.setColumnCount(4);
    new QTreeWidgetItem(&four, {"01", "Ravi-OP7", "57", "100.00"});
    EXPECT_EQ(reportLinesOf(four), (std::vector<ReportLine>{{"01", "Ravi-OP7", "57", "100.00"}}));
}
