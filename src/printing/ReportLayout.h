#pragma once

#include "rules/CollectionReport.h"

#include <QDate>
#include <QString>
#include <vector>

class QTreeWidget;

// The layout every collection report shares: hospital header, dated title, column headings between
// rule lines, numbered lines with right-aligned amounts, a new sheet every 40 lines, closing total.

struct ReportHeading {
    QString text;
    double x = 0;
};

// What distinguishes one report from another.
struct ReportLayout {
    QString title;
    QString dateText; // "Date : dd/mm/yyyy" or "Date : dd/mm/yyyy To dd/mm/yyyy"
    double dateX = 9200;
    std::vector<ReportHeading> headings;
    bool billNumberColumn = false; // the four-column layout of the cancelled-bill reports

    // A daily report: one date at X 9200; headings "Sl no.", the description heading, "Amount.".
    static ReportLayout daily(const QString& title, const QDate& date, const QString& descriptionHeading);
    // A period report: two dates joined with " To " at X 7200; the same three headings.
    static ReportLayout period(const QString& title, const QDate& from, const QDate& to,
                               const QString& descriptionHeading);
    // A cancelled-bill report: one date; headings "Sl no.", "Patient Name - ID", "Bill No", "Amount.".
    static ReportLayout cancelled(const QString& title, const QDate& date);
};

inline constexpr int ReportLinesPerSheet = 40;

// Prints the lines with the layout and the screen's running total, through PrintPage. An empty list
// gets "Please Generate Correct Report" and prints nothing. A printer failure stops the job and gets
// the "Printer Info" box; when sheets were already printed, its description says which sheet failed.
// Returns whether the whole report was printed. The lines are only read.
bool printReport(const std::vector<ReportLine>& lines, const ReportLayout& layout, double runningTotal);

// The rows of a report screen's list: column 0 the serial, column 1 the description, the last column
// the amount and, with four columns, column 2 the bill number.
std::vector<ReportLine> reportLinesOf(const QTreeWidget& list);
