#include "rules/CollectionReport.h"

namespace {

// A field as RFC 4180 writes it: quoted when a comma, a quote or a line break is in it, or when it starts or
// ends with a blank (a reader may drop bare blanks, and ours matter), a quote inside doubled.
QString csvField(const QString& text) {
    const bool quoted = text.contains(',') || text.contains('"') || text.contains('\r') ||
                        text.contains('\n') ||
                        (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quoted) return text;
    QString doubled = text;
    doubled.replace('"', QStringLiteral("\"\""));
    return '"' + doubled + '"';
}

void appendRecord(QByteArray& csv, const QStringList& fields) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) csv += ',';
        csv += csvField(fields[i]).toUtf8();
    }
    csv += "\r\n";
}

} // namespace

QByteArray reportCsv(const QStringList& headings, const std::vector<ReportLine>& lines, Cents total) {
    // Four headings are the cancelled-bill layout, with the bill number before the amount.
    const bool billNumbers = headings.size() == 4;
    QByteArray csv;
    appendRecord(csv, headings);
    for (const ReportLine& line : lines)
        appendRecord(csv, billNumbers
                              ? QStringList{line.serial, line.description, line.billNumber, line.amount}
                              : QStringList{line.serial, line.description, line.amount});
    QStringList last(billNumbers ? 4 : 3);
    last.front() = "Total";
    last.back() = formatCents(total);
    appendRecord(csv, last);
    return csv;
}
