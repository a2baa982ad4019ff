#pragma once

#include "rules/Money.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class Connection;

// The collection reports: which stored rows a report lists for a day or a range of days, and the lines and
// total it shows and prints.

// One row of a report screen's list.
struct ReportLine {
    QString serial;      // "01", "02", ...
    QString description; // bill number, patient and date text built by the screen
    QString billNumber;  // cancelled-bill reports only
    QString amount;      // "0.00"
    bool operator==(const ReportLine&) const = default;
};

// Which rows a report lists besides its date: all, those with an ECG charge, those with a scan charge.
enum class ReportMode { Plain, Ecg, Scan };

// One part of a line's description: the separator before it and the column it shows ("dd/mm/yyyy" for a
// date column).
struct DescriptionPart {
    QString separator;
    QString column;
    bool date = false;
};

struct CollectionReportSpec {
    QString table = {};
    QString status = {};              // the BillDelete the rows carry; empty where the table has none
    QStringList distinctColumns = {}; // a table of test lines: the columns that make one row per bill
    QString orderBy = {};             // "BillNo", "DrName"; empty: the order the rows were stored in
    QString dateColumn = {};
    bool range = false;     // two dates, both ends included; otherwise one day
    QString ecgColumn = {}; // empty where the report has no ECG and scan modes
    QString scanColumn = {};
    QString amountColumn = {};
    std::vector<DescriptionPart> description = {};
    QString billNumberColumn = {}; // the four-column layout's bill number; empty: three columns

    // What the screen shows and prints (the printed positions follow from one day, a range or four columns).
    QStringList headings = {};       // the list's column headings, three or four
    QStringList titles = {};         // the printed title of the plain, ECG and scan modes (one where none)
    QString descriptionHeading = {}; // printed at X 4000 (three columns)
    QString emptyTable = {};         // the box that closes the screen while the table has no row of its kind
    QString futureDate = {};         // the box refusing a date after today
};

struct CollectionReport {
    std::vector<ReportLine> lines;
    Cents total = 0;
};

// The SELECT that gives the report's rows, in the report's order, for the mode and the dates (`to` is
// ignored for one day). A row counts for one day when its date is that day with no time of day or midnight;
// for a range when it lies from the first day to the second as date values (a time after midnight on the
// last day falls outside);
// plain mode lists rows whose ECG and scan columns are both blank, ECG mode those whose ECG column is not,
// scan mode those whose scan column is not (a null column is neither blank nor not blank).
QString collectionSelection(const CollectionReportSpec& spec, ReportMode mode, const QDate& from,
                            const QDate& to);
// The report's lines (serials from "01", amounts "0.00") and their total, each amount added in whole cents.
// Reads only the rows listed. Throws DbError.
CollectionReport generateCollection(const CollectionReportSpec& spec, ReportMode mode, const QDate& from,
                                    const QDate& to, const std::shared_ptr<Connection>& connection);
// Whether the table holds any row of the report's status (whatever its date). Throws DbError.
bool collectionHasRows(const CollectionReportSpec& spec, const std::shared_ptr<Connection>& connection);
// The list as a CSV file (RFC 4180, UTF-8): the headings, the lines, then the total as the last row.
QByteArray reportCsv(const QStringList& headings, const std::vector<ReportLine>& lines, Cents total);
