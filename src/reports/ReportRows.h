#pragma once

#include "data/Messages.h"
#include "framework/CollectionReportScreen.h"

// The pieces the eleven collection reports share.
namespace reportrows {

inline const QStringList BillTitles{"", "CASH COLLECTION ECG BILL REPORT",
                                    "CASH COLLECTION SCAN BILL REPORT"};

// A daily report's or a cancelled report's refusal of a date after today, and a period report's.
inline QString dayFutureDate() {
    return "Please Select date Less than Equal To Current System Date" + LineBreak +
           "You cannt Select for Future Date";
}
inline QString rangeFutureDate() {
    return "Please Select date Less than Equal To Current System Date" + LineBreak +
           "You cannt select for Future Date";
}

// Live out-patient or in-patient bills, by number, with the ECG and scan modes.
inline CollectionReportSpec liveBills(const QString& table, bool range,
                                      std::vector<DescriptionPart> description) {
    return {.table = table,
            .status = "Available",
            .orderBy = "BillNo",
            .dateColumn = "Date",
            .range = range,
            .ecgColumn = "EcgCharge",
            .scanColumn = "ScanCharge",
            .amountColumn = "total",
            .description = std::move(description)};
}
// Live lab or X-ray bills over a range, one line per bill.
inline CollectionReportSpec liveTestBills(const QString& table) {
    return {
        .table = table,
        .status = "Available",
        .distinctColumns = {"BillNo", "Date", "total", "patientName", "patientid"},
        .orderBy = "BillNo",
        .dateColumn = "Date",
        .range = true,
        .amountColumn = "total",
        .description = {{"", "BillNo"}, {" - ", "patientName"}, {" - ", "Date", true}, {"-", "patientid"}}};
}
// A day's cancelled bills, in the order they were stored, with the bill number in a column of its own.
inline CollectionReportSpec cancelledBills(const QString& table, QStringList distinct,
                                           std::vector<DescriptionPart> description) {
    return {.table = table,
            .status = "Deleted",
            .distinctColumns = std::move(distinct),
            .dateColumn = "Date",
            .amountColumn = "total",
            .description = std::move(description),
            .billNumberColumn = "BillNo"};
}
// A report's window and its report with what it shows and prints.
inline CollectionReportRow row(ScreenInfo info, CollectionReportSpec spec, QStringList headings,
                               QStringList titles, QString descriptionHeading, QString emptyTable,
                               QString futureDate) {
    spec.headings = std::move(headings);
    spec.titles = std::move(titles);
    spec.descriptionHeading = std::move(descriptionHeading);
    spec.emptyTable = std::move(emptyTable);
    spec.futureDate = std::move(futureDate);
    return {std::move(info), std::move(spec)};
}
inline CollectionReportRow cancelledRow(const QString& name, const QString& caption,
                                        CollectionReportSpec spec, const QString& patientHeading,
                                        const QString& title) {
    return row({name, QString(18, ' ') + caption, 7800, 11400}, std::move(spec),
               {"Sl No", patientHeading, "Bill No", "Total Amt"}, {title}, {}, "No Cancel Bill",
               dayFutureDate());
}
inline QStringList billTitles(const QString& plain) {
    QStringList titles = BillTitles;
    titles[0] = plain;
    return titles;
}

} // namespace reportrows
