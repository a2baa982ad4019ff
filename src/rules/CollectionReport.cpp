#include "rules/CollectionReport.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "rules/Formats.h"

namespace {

QString quotedDay(const QDate& day) {
    return "'" + day.toString("yyyy-MM-dd") + "'";
}

QString quotedMidnight(const QDate& day) {
    return "'" + day.toString("yyyy-MM-dd") + " 00:00:00'";
}

// The date test as SQL: dates are stored as ISO text, a time of day after the date; midnight is the day.
QString dateCondition(const CollectionReportSpec& spec, const QDate& from, const QDate& to) {
    const QString c = spec.dateColumn;
    if (!spec.range)
        return "(" + c + " = " + quotedDay(from) + " OR " + c + " = " + quotedMidnight(from) + ")";
    return "((" + c + " >= " + quotedDay(from) + " AND " + c + " <= " + quotedDay(to) + ") OR " + c + " = " +
           quotedMidnight(to) + ")";
}

QString modeCondition(const CollectionReportSpec& spec, ReportMode mode) {
    if (spec.ecgColumn.isEmpty()) return QString();
    // trim() of a null is null, so a null column passes neither test, as a walk of the rows finds.
    switch (mode) {
    case ReportMode::Ecg:
        return " AND trim(" + spec.ecgColumn + ") <> ''";
    case ReportMode::Scan:
        return " AND trim(" + spec.scanColumn + ") <> ''";
    case ReportMode::Plain:
        break;
    }
    return " AND trim(" + spec.ecgColumn + ") = '' AND trim(" + spec.scanColumn + ") = ''";
}

int columnOf(const QStringList& names, const QString& column) {
    for (int c = 0; c < names.size(); ++c)
        if (names[c].compare(column, Qt::CaseInsensitive) == 0) return c;
    throw DbError("Item cannot be found in the collection corresponding to the requested name or ordinal.");
}

} // namespace

QString collectionSelection(const CollectionReportSpec& spec, ReportMode mode, const QDate& from,
                            const QDate& to) {
    const bool distinct = !spec.distinctColumns.isEmpty();
    // Only the columns the lines show are read.
    QStringList columns;
    for (const DescriptionPart& part : spec.description)
        if (!columns.contains(part.column)) columns << part.column;
    for (const QString& c : {spec.billNumberColumn, spec.amountColumn})
        if (!c.isEmpty() && !columns.contains(c)) columns << c;
    QString sql = "SELECT " +
                  (distinct ? "DISTINCT " + spec.distinctColumns.join(", ") : columns.join(", ")) + " FROM " +
                  spec.table + " WHERE ";
    if (!spec.status.isEmpty()) sql += "BillDelete = '" + spec.status + "' AND ";
    sql += dateCondition(spec, from, to) + modeCondition(spec, mode);
    // Ties in the order come as the rows were stored, as a walk of the table gives them.
    if (!spec.orderBy.isEmpty())
        sql += " ORDER BY " + spec.orderBy + (distinct ? QString() : QStringLiteral(", rowid"));
    else if (distinct) // one line per bill, the bills in the order they were stored
        sql += " GROUP BY " + spec.distinctColumns.join(", ") + " ORDER BY min(rowid)";
    else
        sql += " ORDER BY rowid";
    return sql;
}

CollectionReport generateCollection(const CollectionReportSpec& spec, ReportMode mode, const QDate& from,
                                    const QDate& to, const std::shared_ptr<Connection>& connection) {
    CollectionReport report;
    if (!from.isValid() || (spec.range && (!to.isValid() || from > to))) return report;
    // One pass over the rows listed; nothing else of the table is read, and no row is kept.
    QStringList names;
    QList<int> used; // the column of each part, then the amount's, then the bill number's
    int serial = 0;
    ForEachRowText(connection, collectionSelection(spec, mode, from, to), &names,
                   [&](const std::vector<QString>& texts) {
                       if (used.isEmpty()) {
                           for (const DescriptionPart& part : spec.description)
                               used << columnOf(names, part.column);
                           used << columnOf(names, spec.amountColumn);
                           if (!spec.billNumberColumn.isEmpty())
                               used << columnOf(names, spec.billNumberColumn);
                       }
                       ReportLine line;
                       line.serial = formatSerial(++serial);
                       // The description is sized once and filled, so each line allocates it once.
                       const auto part = [&](size_t p) {
                           const QString& value = texts[static_cast<size_t>(used[static_cast<qsizetype>(p)])];
                           return spec.description[p].date ? QStringView(value).left(10) : QStringView(value);
                       };
                       qsizetype length = 0;
                       for (size_t p = 0; p < spec.description.size(); ++p)
                           length += spec.description[p].separator.size() + part(p).size();
                       line.description.reserve(length);
                       for (size_t p = 0; p < spec.description.size(); ++p)
                           line.description.append(spec.description[p].separator).append(part(p));
                       const qsizetype at = static_cast<qsizetype>(spec.description.size());
                       const Cents amount = amountCents(texts[static_cast<size_t>(used[at])]);
                       line.amount = formatCents(amount);
                       if (!spec.billNumberColumn.isEmpty())
                           line.billNumber = texts[static_cast<size_t>(used[at + 1])];
                       report.total += amount;
                       report.lines.push_back(std::move(line));
                   });
    return report;
}

bool collectionHasRows(const CollectionReportSpec& spec, const std::shared_ptr<Connection>& connection) {
    Recordset any;
    const QString sql = "SELECT 1 FROM " + spec.table +
                        (spec.status.isEmpty() ? QString() : " WHERE BillDelete = '" + spec.status + "'") +
                        " LIMIT 1";
    if (!any.Open(sql, connection, Recordset::Mode::Snapshot))
        throw DbError(any.LastError(), any.LastStatement());
    return any.RecordCount() > 0;
}
