#include "rules/CollectionReport.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "rules/Formats.h"

#include <QHash>

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

ReportLine collectionLine(const CollectionReportSpec& spec, int serial,
                          const std::function<QString(const QString& column)>& text) {
    ReportLine line;
    line.serial = formatSerial(serial);
    for (const DescriptionPart& part : spec.description) {
        // A date column reads "dd/mm/yyyy[ hh:mm:ss]" as a record set shows it: the day is its first ten.
        const QString value = text(part.column);
        line.description += part.separator + (part.date ? value.left(10) : value);
    }
    if (!spec.billNumberColumn.isEmpty()) line.billNumber = text(spec.billNumberColumn);
    line.amount = formatCents(amountCents(text(spec.amountColumn)));
    return line;
}

CollectionReport generateCollection(const CollectionReportSpec& spec, ReportMode mode, const QDate& from,
                                    const QDate& to, const std::shared_ptr<Connection>& connection) {
    CollectionReport report;
    if (!from.isValid() || (spec.range && (!to.isValid() || from > to))) return report;
    Recordset rows;
    // Not the plain "SELECT *" form, so the set is one read of the rows listed and nothing more.
    const QString sql = collectionSelection(spec, mode, from, to) + " LIMIT -1";
    if (!rows.Open(sql, connection, Recordset::Mode::Snapshot))
        throw DbError(rows.LastError(), rows.LastStatement());
    // Each column the lines read is looked up once.
    QHash<QString, int> position;
    for (int c = 0; c < rows.FieldCount(); ++c)
        position.insert(rows.FieldName(c).toLower(), c);
    QHash<QString, int> used;
    QStringList names;
    for (const DescriptionPart& part : spec.description)
        names << part.column;
    names << spec.amountColumn;
    if (!spec.billNumberColumn.isEmpty()) names << spec.billNumberColumn;
    for (const QString& name : names) {
        const auto at = position.constFind(name.toLower());
        if (at == position.cend())
            throw DbError(
                "Item cannot be found in the collection corresponding to the requested name or ordinal.");
        used.insert(name, at.value());
    }
    int serial = 0;
    for (rows.MoveFirst(); !rows.AtEOF(); rows.MoveNext()) {
        ReportLine line = collectionLine(
            spec, ++serial, [&](const QString& name) { return rows.FieldText(used.value(name)); });
        report.total += amountCents(line.amount);
        report.lines.push_back(std::move(line));
    }
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
