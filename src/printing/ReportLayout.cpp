#include "printing/ReportLayout.h"

#include "data/Messages.h"
#include "printing/PrintPage.h"
#include "printing/PrintSettings.h"
#include "rules/Formats.h"

#include <QTreeWidget>

ReportLayout ReportLayout::daily(const QString& title, const QDate& date, const QString& descriptionHeading) {
    return {title,
            "Date : " + formatDate(date),
            9200,
            {{"Sl no.", 800}, {descriptionHeading, 4000}, {"Amount.", 9200}}};
}

ReportLayout ReportLayout::period(const QString& title, const QDate& from, const QDate& to,
                                  const QString& descriptionHeading) {
    return {title,
            "Date : " + formatDate(from) + " To " + formatDate(to),
            7200,
            {{"Sl no.", 800}, {descriptionHeading, 4000}, {"Amount.", 9200}}};
}

ReportLayout ReportLayout::cancelled(const QString& title, const QDate& date) {
    return {title,
            "Date : " + formatDate(date),
            9200,
            {{"Sl no.", 800}, {"Patient Name - ID", 4000}, {"Bill No", 7800}, {"Amount.", 9200}},
            true};
}

namespace {
void printHeader(const ReportLayout& layout) {
    PrintPage.setFontSize(18);
    PrintPage.printAt(4400, 1300, HospitalName());
    PrintPage.setFontSize(12);
    PrintPage.printAt(4200, 1700, HospitalAddress());
    PrintPage.printAt(5000, 2100, "Ph : " + HospitalPhone());
    PrintPage.printAt(layout.dateX, 2600, layout.dateText);
    PrintPage.printAt(3000, 3200, layout.title);
    PrintPage.setFontSize(10);
    printRule(4100);
    PrintPage.setFontSize(12);
    for (const ReportHeading& h : layout.headings)
        PrintPage.printAt(h.x, 4400, h.text);
    PrintPage.setFontSize(10);
    printRule(4600, 100);
}

// The sheet being printed, so that a failure can say what has reached the printer.
struct Progress {
    int sheet = 1;
    int sheets = 1;
};

void printSheets(const std::vector<ReportLine>& lines, const ReportLayout& layout, double runningTotal,
                 Progress& progress) {
    PrintPage.setFontBold(false);
    printHeader(layout);
    double y = 5000;
    PrintPage.setFontSize(10);
    int pageCounter = 0;
    for (size_t i = 1; i <= lines.size(); ++i) {
        const ReportLine& line = lines[i - 1];
        if (i % ReportLinesPerSheet == 0) {
            PrintPage.endDocument();
            ++progress.sheet;
            PrintPage.setFontBold(false);
            ++pageCounter;
            PrintPage.printAt(4500, 500, "Page Number : " + QString::number(pageCounter));
            y = 1000;
        }
        PrintPage.printAt(800, y, line.serial);
        PrintPage.printAt(4000, y, line.description);
        if (layout.billNumberColumn) printRightAligned(line.billNumber, 8000, y);
        printRightAligned(line.amount, 10000, y);
        y += 200;
    }
    y += 1000;
    printRule(y);
    y += 500;
    printRightAligned("Total : " + formatAmount(runningTotal), 10000, y);
    y += 500;
    printRule(y);
    PrintPage.endDocument();
}

QString sheetsPrinted(const Progress& p) {
    const int firstRow = p.sheet == 1 ? 1 : (p.sheet - 1) * ReportLinesPerSheet;
    const QString printed = p.sheet == 2 ? QStringLiteral("sheet 1 was printed")
                                         : QString("sheets 1 to %1 were printed").arg(p.sheet - 1);
    return QString("Sheet %1 of %2 (from line %3) was not printed; %4.")
        .arg(p.sheet)
        .arg(p.sheets)
        .arg(firstRow)
        .arg(printed);
}
} // namespace

bool printReport(const std::vector<ReportLine>& lines, const ReportLayout& layout, double runningTotal) {
    if (lines.empty()) {
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", "Please Generate Correct Report");
        return false;
    }
    Progress progress;
    progress.sheets = static_cast<int>(lines.size() / ReportLinesPerSheet) + 1;
    try {
        printSheets(lines, layout, runningTotal, progress);
    } catch (const PrintError& e) {
        QString description = e.description();
        if (progress.sheet > 1) description += LineBreak + sheetsPrinted(progress);
        ShowPrinterFailure(description);
        return false;
    }
    return true;
}

std::vector<ReportLine> reportLinesOf(const QTreeWidget& list) {
    std::vector<ReportLine> lines;
    const int columns = list.columnCount();
    lines.reserve(list.topLevelItemCount());
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list.topLevelItem(i);
        ReportLine line{item->text(0), item->text(1), QString(), item->text(columns - 1)};
        if (columns >= 4) line.billNumber = item->text(2);
        lines.push_back(line);
    }
    return lines;
}
