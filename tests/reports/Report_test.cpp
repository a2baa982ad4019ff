#include "reports/Formats.h"
#include "reports/ReportLayout.h"
#include "support/AppFixture.h"

#include <QTreeWidget>
#include <algorithm>

namespace {
std::vector<ReportLine> makeLines(int n, bool withBillNumbers = false) {
    std::vector<ReportLine> lines;
    for (int i = 1; i <= n; ++i)
        lines.push_back({formatSerial(i), QString("%1-Patient %2-OP%2").arg(1000 + i).arg(i),
                         withBillNumbers ? QString::number(500 + i) : QString(), formatAmount(i * 10.5)});
    return lines;
}

const ReportLayout kDaily = ReportLayout::daily("CASH COLLECTION OUT-PATIENT BILL REPORT", QDate(2026, 12, 7),
                                                "Bill_No - Patient Name ");

// The serials of the item lines on a sheet (X 800 below the headings, or any on a continuation sheet).
std::vector<PrintEvent> serials(const std::vector<PrintEvent>& doc) {
    std::vector<PrintEvent> out;
    for (const PrintEvent& e : doc)
        if (e.x == 800 && e.text != "Sl no.") out.push_back(e);
    return out;
}

// The characters printed on one line, read from left to right.
QString lineAt(const std::vector<PrintEvent>& doc, double y, double fromX = 5000) {
    std::vector<PrintEvent> on;
    for (const PrintEvent& e : doc)
        if (e.y == y && e.x >= fromX) on.push_back(e);
    std::sort(on.begin(), on.end(), [](const PrintEvent& a, const PrintEvent& b) { return a.x < b.x; });
    QString s;
    for (const PrintEvent& e : on)
        s += e.text;
    return s;
}

bool hasText(const std::vector<PrintEvent>& doc, const QString& text) {
    return std::any_of(doc.begin(), doc.end(), [&](const PrintEvent& e) { return e.text == text; });
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
    };
    ASSERT_GT(d.size(), header.size());
    for (size_t i = 0; i < header.size(); ++i) {
        EXPECT_EQ(d[i].text, header[i].text) << i;
        EXPECT_EQ(d[i].x, header[i].x) << i;
        EXPECT_EQ(d[i].y, header[i].y) << i;
        EXPECT_EQ(d[i].font.size, header[i].size) << i;
    }
    // The line: serial, description, amount right-aligned at 10000, all at Y 5000 in size 10.
    EXPECT_EQ(d[10].text, "01");
    EXPECT_EQ(d[10].y, 5000);
    EXPECT_EQ(d[10].font.size, 10);
    EXPECT_EQ(d[11].text, "1001-Patient 1-OP1");
    EXPECT_EQ(d[11].x, 4000);
    EXPECT_EQ(lineAt(d, 5000), "10.50");
    EXPECT_EQ(d.back().text, rule);
}

TEST_F(ReportTest, ThirtyNineLinesFitOneSheetThenTheClosingBlock) {
    ASSERT_TRUE(printReport(makeLines(39), kDaily, 8190));
    const auto docs = printer->documents();
    ASSERT_EQ(docs.size(), 1u);
    const auto s = serials(docs[0]);
    ASSERT_EQ(s.size(), 39u);
    EXPECT_EQ(s.front().y, 5000);
    EXPECT_EQ(s.back().text, "39");
    EXPECT_EQ(s.back().y, 12600);
    EXPECT_FALSE(std::any_of(docs[0].begin(), docs[0].end(),
                             [](const PrintEvent& e) { return e.text.startsWith("Page"); }));
    // Closing block: rule 1000 below the next line's place, total 500 further, rule 500 further.
    const auto& d = docs[0];
    std::vector<PrintEvent> rules;
    for (const PrintEvent& e : d)
        if (e.text.endsWith("___") && e.y > 5000) rules.push_back(e);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0].y, 13800);
    EXPECT_EQ(rules[0].x, 0);
    EXPECT_EQ(lineAt(d, 14300, 0), "Total : 8190.00");
    EXPECT_EQ(rules[1].y, 14800);
    EXPECT_EQ(rules[1].x, 0);
    EXPECT_EQ(d.back().text, rules[1].text);
}

TEST_F(ReportTest, FortyLinesMakeASecondSheetWithPageNumberOneAndLineForty) {
    ASSERT_TRUE(printReport(makeLines(40), kDaily, 0));
    const auto docs = printer->documents();
    ASSERT_EQ(docs.size(), 2u);
    EXPECT_EQ(serials(docs[0]).size(), 39u);
    const auto& second = docs[1];
    EXPECT_EQ(second[0].text, "Page Number : 1");
    EXPECT_EQ(second[0].x, 4500);
    EXPECT_EQ(second[0].y, 500);
    EXPECT_EQ(second[0].font.size, 10);
    const auto s = serials(second);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].text, "40");
    EXPECT_EQ(s[0].y, 1000);
    // Continuation sheets carry neither the header block nor the headings.
    EXPECT_FALSE(hasText(second, "Your Hospital Name"));
    EXPECT_FALSE(hasText(second, "Amount."));
    EXPECT_EQ(lineAt(second, 1000 + 200 + 1000 + 500, 0), "Total : 0.00");
}

TEST_F(ReportTest, SeventyNineLinesFillTheSecondSheetAndEightyStartAThird) {
    ASSERT_TRUE(printReport(makeLines(79), kDaily, 0));
    auto docs = printer->documents();
    ASSERT_EQ(docs.size(), 2u);
    auto s = serials(docs[1]);
    ASSERT_EQ(s.size(), 40u);
    EXPECT_EQ(s.front().text, "40");
    EXPECT_EQ(s.back().text, "79");
    EXPECT_EQ(s.back().y, 8800);

    printer->clear();
    ASSERT_TRUE(printReport(makeLines(80), kDaily, 0));
    docs = printer->documents();
    ASSERT_EQ(docs.size(), 3u);
    EXPECT_EQ(serials(docs[1]).size(), 40u);
    EXPECT_EQ(docs[2][0].text, "Page Number : 2");
    s = serials(docs[2]);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].text, "80");
    EXPECT_EQ(s[0].y, 1000);
}

TEST_F(ReportTest, AmountsStandOnThePitchAndTheTotalIsTheScreensOwn) {
    std::vector<ReportLine> lines = {{"01", "1-A-OP1", "", "1234.50"}};
    ASSERT_TRUE(printReport(lines, kDaily, 0));
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
    std::vector<ReportLine> lines = {{"01", "Ravi-OP7", "57", "100.00"}, {"02", "Mala-OP9", "1203", "5.50"}};
    ASSERT_TRUE(printReport(lines, layout, 105.5));
    const auto d = printer->documents().at(0);
    EXPECT_TRUE(hasText(d, "Patient Name - ID"));
    EXPECT_TRUE(hasText(d, "CANCEL OUT-PATIENT BILL REPORT"));
    for (const PrintEvent& e : d) {
        if (e.text == "Bill No") {
            EXPECT_EQ(e.x, 7800);
        }
    }
    auto at = [&](double y, double x) {
        for (const PrintEvent& e : d)
            if (e.y == y && e.x == x) return e.text;
        return QString("(none)");
    };
    EXPECT_EQ(at(5000, 8000), "7");
    EXPECT_EQ(at(5000, 7890), "5");
    EXPECT_EQ(at(5200, 8000), "3");
    EXPECT_EQ(at(5200, 7670), "1");
    EXPECT_EQ(at(5200, 10000), "0");
    EXPECT_EQ(at(5200, 9670), "5");
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
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().icon, MsgIcon::Critical);
    EXPECT_EQ(messages.last().title, "Warning");
    EXPECT_EQ(messages.last().text, "Please Generate Correct Report");
    EXPECT_TRUE(printer->events().empty());
}

TEST_F(ReportTest, PrintingTwicePrintsTwice) {
    const auto lines = makeLines(3);
    ASSERT_TRUE(printReport(lines, kDaily, 63));
    ASSERT_TRUE(printReport(lines, kDaily, 63));
    const auto docs = printer->documents();
    ASSERT_EQ(docs.size(), 2u);
    ASSERT_EQ(docs[0].size(), docs[1].size());
    for (size_t i = 0; i < docs[0].size(); ++i) {
        EXPECT_EQ(docs[0][i].text, docs[1][i].text);
        EXPECT_EQ(docs[0][i].y, docs[1][i].y);
    }
    EXPECT_EQ(messages.count(), 0u);
}

namespace {
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

TEST_F(ReportTest, PrinterFailingMidReportSaysWhichSheetFailedAndLeavesTheListAlone) {
    QTreeWidget list;
    fill(list, 85);
    const QStringList before = contents(list);
    printer->failAtEndDocument(2, "The printer is not ready");
    EXPECT_FALSE(printReport(reportLinesOf(list), kDaily, 3655));

    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().icon, MsgIcon::Critical);
    EXPECT_EQ(messages.last().title, "Printer Info");
    EXPECT_EQ(messages.last().text,
              "Please Check the Printer is Connected or Switch OnThe printer is not ready\r\n"
              "Sheet 2 of 3 (from line 40) was not printed; sheet 1 was printed.");
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
    const int before = static_cast<int>(docs[0].size() + docs[1].size() + docs[2].size());
    printer->clear();
    printer->failAtText(before + 5, "Paper jam");
    EXPECT_FALSE(printReport(makeLines(130), kDaily, 0));
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().text,
              "Please Check the Printer is Connected or Switch OnPaper jam\r\n"
              "Sheet 4 of 4 (from line 120) was not printed; sheets 1 to 3 were printed.");
    EXPECT_EQ(printer->documents().size(), 3u);
}

TEST_F(ReportTest, PrinterFailingAtOnceGivesTheSystemsDescriptionAlone) {
    PrintPage.setBackend(std::make_shared<FailingBackend>("No printer is installed"));
    EXPECT_FALSE(printReport(makeLines(50), kDaily, 0));
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().text,
              "Please Check the Printer is Connected or Switch OnNo printer is installed");
    // A later report prints normally once the printer is back.
    PrintPage.setBackend(printer);
    EXPECT_TRUE(printReport(makeLines(2), kDaily, 0));
    EXPECT_EQ(printer->documents().size(), 1u);
}

TEST_F(ReportTest, LayoutsOfTheReportScreens) {
    EXPECT_EQ(kDaily.dateText, "Date : 07/12/2026");
    EXPECT_EQ(kDaily.dateX, 9200);
    EXPECT_FALSE(kDaily.billNumberColumn);
    const auto period = ReportLayout::period("CASH COLLECTION LAB BILL REPORT", QDate(2026, 12, 1),
                                             QDate(2026, 12, 7), "Bill_No - Patient Name - ID ");
    EXPECT_EQ(period.dateText, "Date : 01/12/2026 To 07/12/2026");
    EXPECT_EQ(period.dateX, 7200);
    ASSERT_EQ(period.headings.size(), 3u);
    EXPECT_EQ(period.headings[1].text, "Bill_No - Patient Name - ID ");
    EXPECT_EQ(period.headings[2].x, 9200);
    const auto cancelled = ReportLayout::cancelled("CANCEL LAB BILL REPORT", QDate(2026, 12, 7));
    ASSERT_EQ(cancelled.headings.size(), 4u);
    EXPECT_EQ(cancelled.headings[2].text, "Bill No");
    EXPECT_EQ(cancelled.headings[2].x, 7800);
    EXPECT_TRUE(cancelled.billNumberColumn);
}

TEST_F(ReportTest, LinesAreReadFromTheScreensList) {
    QTreeWidget three;
    fill(three, 2);
    auto lines = reportLinesOf(three);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].serial, "02");
    EXPECT_EQ(lines[1].description, "2-Name-OP2");
    EXPECT_EQ(lines[1].amount, "2.00");
    EXPECT_TRUE(lines[1].billNumber.isEmpty());

    QTreeWidget four;
    four.setColumnCount(4);
    new QTreeWidgetItem(&four, {"01", "Ravi-OP7", "57", "100.00"});
    lines = reportLinesOf(four);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].billNumber, "57");
    EXPECT_EQ(lines[0].amount, "100.00");
}
