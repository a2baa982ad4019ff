#include "data/modConnectDB.h"
#include "rules/CollectionReport.h"
#include "rules/Formats.h"
#include "support/AppFixture.h"

#include <QHash>
#include <algorithm>
#include <map>
#include <numeric>
#include <optional>
#include <random>
#include <sqlite3.h>
#include <string>
#include <tuple>
#include <utility>

namespace {
using enum ReportMode;

// The eleven reports' lists as their screens set them up. Live bills go by number; those of a table of test
// lines (`distinct`) have no ECG and scan modes.
CollectionReportSpec live(const QString& table, bool range, const std::vector<DescriptionPart>& description,
                          const QStringList& distinct = {}) {
    CollectionReportSpec s;
    s.table = table, s.status = "Available", s.distinctColumns = distinct, s.orderBy = "BillNo";
    s.dateColumn = "Date", s.range = range, s.amountColumn = "total", s.description = description;
    if (distinct.isEmpty()) s.ecgColumn = "EcgCharge", s.scanColumn = "ScanCharge";
    return s;
}
// A day's cancelled bills, as stored, with the bill number in a column of its own.
CollectionReportSpec cancelled(const QString& table, const QStringList& distinct,
                               const std::vector<DescriptionPart>& description) {
    CollectionReportSpec s;
    s.table = table, s.status = "Deleted", s.distinctColumns = distinct, s.dateColumn = "Date";
    s.amountColumn = "total", s.description = description, s.billNumberColumn = "BillNo";
    return s;
}
CollectionReportSpec consultantFees() {
    CollectionReportSpec s;
    s.table = "SettingsConsultant", s.orderBy = "DrName", s.dateColumn = "ConsultDate", s.range = true;
    s.amountColumn = "Amount";
    s.description = {{"", "DrName"}, {" - ", "PatientID"}, {" - ", "ConsultDate", true}};
    return s;
}
const std::map<QString, CollectionReportSpec>& reports() {
    const QStringList testBill = {"BillNo", "Date", "patientName", "total"},
                      testLines = {"BillNo", "Date", "total", "patientName", "patientid"};
    const std::vector<DescriptionPart> testLine = {
        {"", "BillNo"}, {" - ", "patientName"}, {" - ", "Date", true}, {"-", "patientid"}};
    static const std::map<QString, CollectionReportSpec> all = {
        {"frmOutBillReport",
         live("OutPatientPrintDetails", false, {{"", "BillNo"}, {"-", "patientName"}, {"-", "patientid"}})},
        {"frmOutBillReportAll",
         live("OutPatientPrintDetails", true,
              {{"", "BillNo"}, {" - ", "patientName"}, {" - ", "Date", true}, {" - ", "patientid"}})},
        {"frmInBillReport",
         live("InPatientPrintDetails", false,
              {{"", "BillNo"}, {"-", "Date", true}, {"-", "patientName"}, {"-", "patientid"}})},
        {"frmInBillReportAll", live("InPatientPrintDetails", true, testLine)},
        {"frmLabBillReportAll", live("LabPrintDetails", true, testLine, testLines)},
        {"frmXayBillReportAll", live("XRayPrintDetails", true, testLine, testLines)},
        {"frmConsultantBillReportAll", consultantFees()},
        {"frmCancelOutBillReport",
         cancelled("OutPatientPrintDetails", {}, {{"", "patientName"}, {"-", "patientid"}})},
        {"frmCancelInBillReport",
         cancelled("InPatientPrintDetails", {}, {{"", "patientName"}, {"-", "patientid"}})},
        {"frmCancelLabBillReport", cancelled("LabPrintDetails", testBill, {{"", "patientName"}})},
        {"frmCancelXRayBillReport", cancelled("XRayPrintDetails", testBill, {{"", "patientName"}})},
    };
    return all;
}
const CollectionReportSpec& report(const QString& screen) {
    return reports().at(screen);
}

// ---- The reports worked out by hand from every stored row ----

using Cell = std::optional<QString>; // nullopt: NULL
struct Stored {
    QHash<QString, Cell> cells; // by lower-case column name
    Cell at(const QString& column) const { return cells.value(column.toLower()); }
    QString text(const QString& column) const { return at(column).value_or(QString()); }
};

std::vector<Stored> storedRows(const QString& table) {
    std::vector<Stored> rows;
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = ("SELECT * FROM " + table + " ORDER BY rowid").toUtf8();
    EXPECT_EQ(sqlite3_prepare_v2(DbConnection->handle(), sql.constData(), -1, &st, nullptr), SQLITE_OK);
    while (st && sqlite3_step(st) == SQLITE_ROW) {
        Stored row;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
            row.cells.insert(QString(sqlite3_column_name(st, c)).toLower(),
                             t ? Cell(QString::fromUtf8(t)) : std::nullopt);
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(st);
    return rows;
}

// As date-times (ISO text compares in their order): a date alone is its midnight; a day's report lists its
// midnight, a range ends at the last day's midnight.
bool onDates(const CollectionReportSpec& spec, const QString& stored, const QDate& from, const QDate& to) {
    const QString at = stored.size() == 10 ? stored + " 00:00:00" : stored;
    const auto midnight = [](const QDate& d) { return d.toString("yyyy-MM-dd 00:00:00"); };
    return spec.range ? midnight(from) <= at && at <= midnight(to) : at == midnight(from);
}

// Blank: nothing but spaces; a NULL is neither blank nor not.
bool modeKeeps(const CollectionReportSpec& spec, ReportMode mode, const Stored& row) {
    if (spec.ecgColumn.isEmpty()) return true;
    const auto blank = [](const Cell& c) {
        return c ? std::optional(c->count(' ') == c->size()) : std::nullopt;
    };
    const auto ecg = blank(row.at(spec.ecgColumn)), scan = blank(row.at(spec.scanColumn));
    return mode == Ecg ? ecg == false : mode == Scan ? scan == false : ecg == true && scan == true;
}

CollectionReport byHand(const CollectionReportSpec& spec, ReportMode mode, const QDate& from, const QDate& to,
                        const std::vector<Stored>& rows) {
    std::vector<const Stored*> listed;
    QHash<QString, bool> seen;
    for (const Stored& row : rows) { // in rowid order
        if (!spec.status.isEmpty() && row.at("BillDelete") != spec.status) continue;
        if (!onDates(spec, row.text(spec.dateColumn), from, to) || !modeKeeps(spec, mode, row)) continue;
        QString tuple; // a later line of a test bill already listed is left out
        for (const QString& c : spec.distinctColumns)
            tuple += (row.at(c) ? "T" + *row.at(c) : QString("N")) + QChar(0x1f);
        if (!tuple.isEmpty() && std::exchange(seen[tuple], true)) continue;
        listed.push_back(&row);
    }
    if (!spec.orderBy.isEmpty())
        std::stable_sort(listed.begin(), listed.end(), [&](const Stored* a, const Stored* b) {
            bool na = false, nb = false;
            const QString ta = a->text(spec.orderBy), tb = b->text(spec.orderBy);
            const long long ia = ta.toLongLong(&na), ib = tb.toLongLong(&nb);
            return na && nb ? ia < ib : ta < tb;
        });
    CollectionReport report;
    for (const Stored* row : listed) {
        ReportLine line{formatSerial(static_cast<int>(report.lines.size()) + 1), {}, {}, {}};
        for (const DescriptionPart& part : spec.description) {
            const QString t = row->text(part.column);
            line.description +=
                part.separator + (part.date ? t.mid(8, 2) + "/" + t.mid(5, 2) + "/" + t.left(4) : t);
        }
        if (!spec.billNumberColumn.isEmpty()) line.billNumber = row->text(spec.billNumberColumn);
        const Cents cents = amountCents(row->text(spec.amountColumn));
        line.amount = formatCents(cents);
        report.total += cents;
        report.lines.push_back(line);
    }
    return report;
}

// The lines as "serial;description;bill number;amount", one a line.
std::string shown(const CollectionReport& report) {
    QStringList lines;
    for (const ReportLine& l : report.lines)
        lines << QStringList{l.serial, l.description, l.billNumber, l.amount}.join(";");
    return lines.join("\n").toStdString();
}

// Random bills over ten days from 26/11/2026, dated with no time, midnight or half past nine.
QString lit(const char* v) {
    return v ? "'" + QString(v) + "'" : QString("NULL");
}
template <class T, size_t N> const T& pick(std::mt19937& r, const T (&list)[N]) {
    return list[r() % N];
}
QString storedDate(std::mt19937& r) {
    static const char* const times[] = {"", "", " 00:00:00", " 09:30:00"};
    const QDate day = QDate(2026, 11, 26).addDays(r() % 10);
    return "'" + day.toString("yyyy-MM-dd") + pick(r, times) + "'";
}
const char* const Amounts[] = {" 150.5", "100",   "abc", "",        "100.50",
                               "49.50",  "0.125", "-20", "12.5 Rs", nullptr};
const char* const Names[] = {"Ravi", "Sita", "Anu", "Babu", ""};

QString insertRow(const QString& table, const QString& columns, const QStringList& values) {
    return "INSERT INTO " + table + " (" + columns + ") VALUES (" + values.join(", ") + ");";
}
// Bill numbers repeat across bills, so equal numbers keep their stored order.
QString fillBills(const QString& table, std::mt19937& r) {
    static const char* const charges[] = {nullptr, "", "  ", "50", " 20 "};
    QString sql;
    for (int i = 0; i < 300; ++i) {
        QStringList v{QString::number(1 + r() % 80), storedDate(r)};
        v << lit(pick(r, charges)) << lit(pick(r, charges)) << lit(pick(r, Amounts)) << lit(pick(r, Names));
        v << "'OP" + QString::number(r() % 50) + "'" << (r() % 3 ? "'Available'" : "'Deleted'");
        sql += insertRow(table,
                         "BillNo, Date, EcgCharge, ScanCharge, total, patientName, patientid, BillDelete", v);
    }
    return sql;
}
// A test bill is one to four lines with the bill's number, date, total and patient; numbers do not repeat.
QString fillTestBills(const QString& table, std::mt19937& r) {
    std::vector<int> numbers(120);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), r);
    QString sql;
    for (const int number : numbers) {
        const QStringList bill{QString::number(number),
                               storedDate(r),
                               lit(pick(r, Amounts)),
                               lit(pick(r, Names)),
                               "'LB" + QString::number(r() % 50) + "'",
                               r() % 3 ? "'Available'" : "'Deleted'"};
        for (int line = 0, lines = 1 + static_cast<int>(r() % 4); line < lines; ++line)
            sql += insertRow(table, "BillNo, Date, total, patientName, patientid, BillDelete, TestName",
                             bill + QStringList{"'Test " + QString::number(line) + "'"});
    }
    return sql;
}
QString fillConsultantFees(const QString& table, std::mt19937& r) {
    static const char* const doctors[] = {"Dr Anand", "Dr Bala", "dr anand", "Dr Bala "};
    QString sql;
    for (int i = 0; i < 300; ++i) {
        QStringList v{storedDate(r), lit(pick(r, doctors)), lit(pick(r, Amounts))};
        v << "'OP" + QString::number(r() % 50) + "'";
        sql += insertRow(table, "ConsultDate, DrName, Amount, PatientID", v);
    }
    return sql;
}

class CollectionReportTest : public AppTest {};
} // namespace

TEST_F(CollectionReportTest, EveryReportListsWhatAWalkOfItsStoredRowsFinds) {
    std::mt19937 random(20261201);
    const std::vector<std::pair<QString, QString (*)(const QString&, std::mt19937&)>> tables = {
        {"OutPatientPrintDetails", fillBills},      {"InPatientPrintDetails", fillBills},
        {"LabPrintDetails", fillTestBills},         {"XRayPrintDetails", fillTestBills},
        {"SettingsConsultant", fillConsultantFees},
    };
    for (const auto& [table, fill] : tables)
        execSql(dbPath(), "BEGIN;" + fill(table, random) + "COMMIT;");
    connect();
    std::vector<std::pair<QDate, QDate>> days, ranges;
    for (QDate d(2026, 11, 24); d <= QDate(2026, 12, 7); d = d.addDays(1))
        days.push_back({d, d});
    // All ten days, one day, one whose last day has bills after midnight, before the first bill, the end.
    for (const auto& [from, to] : {std::pair{26, 35}, {31, 31}, {28, 32}, {20, 27}, {33, 40}, {35, 35}})
        ranges.push_back({QDate(2026, 11, 1).addDays(from - 1), QDate(2026, 11, 1).addDays(to - 1)});
    for (const auto& [screen, spec] : reports()) {
        const std::vector<Stored> rows = storedRows(spec.table);
        ASSERT_GE(rows.size(), 200u) << spec.table.toStdString();
        const auto modes = spec.ecgColumn.isEmpty() ? std::vector<ReportMode>{Plain}
                                                    : std::vector<ReportMode>{Plain, Ecg, Scan};
        for (const ReportMode mode : modes) {
            int listed = 0; // so no report and mode passes by listing nothing
            for (const auto& [from, to] : spec.range ? ranges : days) {
                CollectionReport want = byHand(spec, mode, from, to, rows);
                CollectionReport got = generateCollection(spec, mode, from, to, DbConnection);
                const std::string what = screen.toStdString() + " mode " + std::to_string(int(mode)) + " " +
                                         from.toString(Qt::ISODate).toStdString() + ".." +
                                         to.toString(Qt::ISODate).toStdString();
                ASSERT_EQ(shown(got), shown(want)) << what;
                ASSERT_EQ(got.total, want.total) << what;
                listed += static_cast<int>(want.lines.size());
            }
            EXPECT_GT(listed, 20) << screen.toStdString() << " mode " << int(mode);
        }
    }
}

TEST_F(CollectionReportTest, DaysModesCancelledBillsAndTestBills) {
    const QString bills = "BillNo, Date, EcgCharge, ScanCharge, total, patientName, patientid, BillDelete";
    const QString tests = "BillNo, Date, TestName, total, patientName, patientid, BillDelete";
    const std::vector<std::tuple<QString, QString, QStringList>> stored = {
        {"OutPatientPrintDetails",
         bills,
         {"(12, '2026-12-07 00:00:00', '', ' ', '49.50', 'Sita', 'OP2', 'Available')",
          "(3, '2026-12-07', '50', '', '150', 'Anu', 'OP3', 'Available')",
          "(7, '2026-12-07', '', '', '100.50', 'Ravi', 'OP1', 'Available')",
          "(4, '2026-12-07', '', ' 20 ', '200', 'Babu', 'OP4', 'Available')",
          "(5, '2026-12-07', '50', '20', '250', 'Chris', 'OP5', 'Available')",
          "(6, '2026-12-07 09:30:00', '', '', '60', 'Devi', 'OP6', 'Available')", // not the day's midnight
          "(8, '2026-12-07', NULL, '', '80', 'Esha', 'OP8', 'Available')",        // in no mode
          "(9, '2026-12-06 09:30:00', '', '', '10', 'Gita', 'OP9', 'Available')",
          // Bills of the 5th cancelled on the 7th.
          "(12, '2026-12-05', '', '', '49.50', 'Sita', 'OP2', 'Deleted')",
          "(3, '2026-12-05', '50', '', '150', 'Anu', 'OP3', 'Available')",
          "(7, '2026-12-05 00:00:00', '50', '', '100.50', 'Ravi', 'OP1', 'Deleted')"}},
        {"LabPrintDetails",
         tests,
         {"(7, '2026-12-07', 'Sugar', '300', 'Ravi', 'OP1', 'Available')",
          "(12, '2026-12-07', 'Urine', '80', 'Sita', 'OP2', 'Deleted')",
          "(7, '2026-12-07', 'Blood', '300', 'Ravi', 'OP1', 'Available')",
          "(7, '2026-12-07', 'Lipid', '300', 'Ravi', 'OP1', 'Available')",
          "(12, '2026-12-07', 'Stool', '80', 'Sita', 'OP2', 'Deleted')"}},
        {"XRayPrintDetails",
         tests,
         {"(7, '2026-12-07', 'Chest', '300', 'Ravi', 'OP1', 'Available')",
          "(7, '2026-12-07', 'Knee', '300', 'Ravi', 'OP1', 'Available')"}},
        {"SettingsConsultant",
         "ConsultDate, DrName, Amount, PatientID",
         {"('2026-12-07', 'Dr Bala', '300', 'OP2')", "('2026-12-07 00:00:00', 'Dr Anand', '200', 'OP1')",
          "('2026-12-06', 'Dr Bala', '100', 'OP3')"}},
    };
    for (const auto& [table, columns, rows] : stored)
        execSql(dbPath(), "INSERT INTO " + table + " (" + columns + ") VALUES " + rows.join(", "));
    connect();
    const QDate d4(2026, 12, 4), d5(2026, 12, 5), d6(2026, 12, 6), d7(2026, 12, 7);
    struct Case {
        const char* what;
        const char* screen;
        ReportMode mode;
        QDate from, to;
        const char* lines;
        Cents total;
    };
    const std::vector<Case> cases = {
        {"a day with no bills", "frmOutBillReport", Plain, d4, d4, "", 0},
        {"plain: both charges blank", "frmOutBillReport", Plain, d7, d7,
         "01;7-Ravi-OP1;;100.50\n02;12-Sita-OP2;;49.50", 15000},
        {"ECG alone and with a scan", "frmOutBillReport", Ecg, d7, d7,
         "01;3-Anu-OP3;;150.00\n02;5-Chris-OP5;;250.00", 40000},
        {"scan alone and with an ECG", "frmOutBillReport", Scan, d7, d7,
         "01;4-Babu-OP4;;200.00\n02;5-Chris-OP5;;250.00", 45000},
        {"a range ends at its last midnight", "frmOutBillReportAll", Plain, d6, d7,
         "01;7 - Ravi - 07/12/2026 - OP1;;100.50\n02;9 - Gita - 06/12/2026 - OP9;;10.00\n"
         "03;12 - Sita - 07/12/2026 - OP2;;49.50",
         16000},
        {"cancelled bills not live", "frmOutBillReport", Plain, d5, d5, "", 0},
        {"cancelled bills not live (ECG)", "frmOutBillReport", Ecg, d5, d5, "01;3-Anu-OP3;;150.00", 15000},
        {"cancelled bills not live, equal numbers as stored", "frmOutBillReportAll", Ecg, d5, d7,
         "01;3 - Anu - 07/12/2026 - OP3;;150.00\n02;3 - Anu - 05/12/2026 - OP3;;150.00\n"
         "03;5 - Chris - 07/12/2026 - OP5;;250.00",
         55000},
        {"cancelled bills by their own date, as stored", "frmCancelOutBillReport", Plain, d5, d5,
         "01;Sita-OP2;12;49.50\n02;Ravi-OP1;7;100.50", 15000},
        {"cancelled bills not by the day cancelled", "frmCancelOutBillReport", Plain, d7, d7, "", 0},
        {"a lab bill of three lines once", "frmLabBillReportAll", Plain, d7, d7,
         "01;7 - Ravi - 07/12/2026-OP1;;300.00", 30000},
        {"a cancelled lab bill once", "frmCancelLabBillReport", Plain, d7, d7, "01;Sita;12;80.00", 8000},
        {"an X-ray bill of two lines once", "frmXayBillReportAll", Plain, d6, d7,
         "01;7 - Ravi - 07/12/2026-OP1;;300.00", 30000},
        {"fees by doctor, a doctor's as stored", "frmConsultantBillReportAll", Plain, d6, d7,
         "01;Dr Anand - OP1 - 07/12/2026;;200.00\n02;Dr Bala - OP2 - 07/12/2026;;300.00\n"
         "03;Dr Bala - OP3 - 06/12/2026;;100.00",
         60000},
    };
    for (const Case& c : cases) {
        const CollectionReport got = generateCollection(report(c.screen), c.mode, c.from, c.to, DbConnection);
        EXPECT_EQ(shown(got), c.lines) << c.what;
        EXPECT_EQ(got.total, c.total) << c.what;
    }
}

TEST_F(CollectionReportTest, HasRowsOfItsStatusWhateverTheDate) {
    connect();
    const QString bill = "INSERT INTO OutPatientPrintDetails (BillNo, Date, total, BillDelete) VALUES ";
    const std::vector<std::pair<QString, std::vector<std::pair<const char*, bool>>>> steps = {
        {"",
         {{"frmOutBillReport", false},
          {"frmCancelOutBillReport", false},
          {"frmConsultantBillReportAll", false}}},
        {bill + "(1, '2020-01-01', '5', 'Deleted')",
         {{"frmOutBillReport", false}, {"frmCancelOutBillReport", true}, {"frmCancelInBillReport", false}}},
        {bill + "(2, '2030-01-01', '5', 'Available')",
         {{"frmOutBillReport", true}, {"frmOutBillReportAll", true}}},
        {"INSERT INTO SettingsConsultant (ConsultDate, DrName) VALUES ('2020-01-01', 'Dr Bala')",
         {{"frmConsultantBillReportAll", true}, {"frmLabBillReportAll", false}}},
    };
    for (const auto& [sql, expected] : steps) {
        if (!sql.isEmpty()) execSql(dbPath(), sql);
        for (const auto& [screen, has] : expected)
            EXPECT_EQ(collectionHasRows(report(screen), DbConnection), has)
                << screen << " after " << sql.toStdString();
    }
}

TEST_F(CollectionReportTest, ADaysBillsAreFoundByTheDateIndex) {
    connect();
    for (const char* screen : {"frmOutBillReport", "frmOutBillReportAll", "frmCancelOutBillReport"})
        for (const ReportMode mode : {Plain, Ecg, Scan}) {
            const CollectionReportSpec& spec = report(screen);
            const QByteArray sql = ("EXPLAIN QUERY PLAN " +
                                    collectionSelection(spec, mode, QDate(2026, 12, 1), QDate(2026, 12, 7)))
                                       .toUtf8();
            sqlite3_stmt* st = nullptr;
            ASSERT_EQ(sqlite3_prepare_v2(DbConnection->handle(), sql.constData(), -1, &st, nullptr),
                      SQLITE_OK)
                << sql.constData();
            QString plan;
            while (sqlite3_step(st) == SQLITE_ROW)
                plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 3))) + "\n";
            sqlite3_finalize(st);
            EXPECT_TRUE(plan.contains("SEARCH OutPatientPrintDetails USING INDEX OutPatientPrintDetailsDate"))
                << screen << ":\n"
                << plan.toStdString();
            EXPECT_FALSE(plan.contains("SCAN OutPatientPrintDetails")) << screen << ":\n"
                                                                       << plan.toStdString();
        }
}
