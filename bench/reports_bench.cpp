// The collection reports at a decade of out-patient bills: 1,000,000 bills over ten years (about 274 a day,
// about 2% cancelled) in a temporary application folder, each report generated as the median of 5 runs
// against plain SQLite stepping the same selection on its own read-only connection. The last lines give
// daily_generate_ms=, period_month_generate_ms=, cancelled_generate_ms=, their sqlite figures and
// ratio_generate_vs_sqlite= (the largest of the three).
#include "data/Environment.h"
#include "data/Messages.h"
#include "data/modConnectDB.h"
#include "rules/CollectionReport.h"
#include "rules/Money.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <sqlite3.h>
#include <tuple>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr int kBills = 1'000'000;
const QDate kFirstDay(2016, 12, 8);
const QDate kLastDay(2026, 12, 7);

// Bills numbered 1 to kBills in date order, spread evenly over the ten years.
void fillBills(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO OutPatientPrintDetails (BillNo, Date, DrFees, EcgCharge, ScanCharge, "
                       "total, patientName, patientid, BillDelete) VALUES (?,?,?,?,?,?,?,?,?)",
                       -1, &st, nullptr);
    const int days = static_cast<int>(kFirstDay.daysTo(kLastDay)) + 1;
    std::vector<QByteArray> dates;
    for (int d = 0; d < days; ++d)
        dates.push_back(kFirstDay.addDays(d).toString("yyyy-MM-dd").toUtf8());
    static const char* first[] = {"Lakshmi", "Mohammed",       "Anitha", "Ravi",  "Fathima", "Suresh",
                                  "Mary",    "Gopalakrishnan", "Priya",  "Abdul", "Kavitha", "Joseph"};
    static const char* last[] = {"Narayanan", "Ashraf", "Joseph", "Kumar", "Beevi", "Babu", "Thomas", "Nair"};
    std::mt19937 random(11);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int i = 1; i <= kBills; ++i) {
        const Cents fees = 10000 + 50 * below(9);
        const Cents ecg = below(5) == 0 ? 15000 + 2550 * below(3) : 0;
        const Cents scan = below(10) == 0 ? 80000 + 5000 * below(4) : 0;
        const QByteArray feesText = formatCents(fees).toUtf8();
        const QByteArray ecgText = ecg ? formatCents(ecg).toUtf8() : QByteArray("");
        const QByteArray scanText = scan ? formatCents(scan).toUtf8() : QByteArray("");
        const QByteArray total = plainCents(fees + ecg + scan).toUtf8();
        const QByteArray name = QByteArray(first[below(12)]) + " " + last[below(8)];
        const QByteArray id = "OP" + QByteArray::number(1 + below(365000));
        const QByteArray& date = dates[static_cast<size_t>((i - 1LL) * days / kBills)];
        sqlite3_bind_int(st, 1, i);
        sqlite3_bind_text(st, 2, date.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 3, feesText.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 4, ecgText.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 5, scanText.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 6, total.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 7, name.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 8, id.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 9, below(50) == 0 ? "Deleted" : "Available", -1, SQLITE_STATIC);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds of `step`, the median of kRuns.
double timed(const std::function<void()>& step) {
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer t;
        t.start();
        step();
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    return median(ms);
}

struct Timing {
    double ms = 0;
    size_t rows = 0;
};

// Steps the selection, reading every column of every row as text.
Timing plainSqlite(sqlite3* db, const QString& sql) {
    const QByteArray text = sql.toUtf8();
    Timing timing;
    timing.ms = timed([&] {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, text.constData(), -1, &st, nullptr) != SQLITE_OK)
            std::printf("(sqlite: %s)\n", sqlite3_errmsg(db));
        size_t rows = 0;
        size_t bytes = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            ++rows;
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                bytes += size_t(sqlite3_column_bytes(st, c)) + (sqlite3_column_text(st, c) ? 1 : 0);
        }
        sqlite3_finalize(st);
        timing.rows = rows;
        if (rows > 0 && bytes == 0) std::puts("(no text read)");
    });
    return timing;
}

Timing generate(const CollectionReportSpec& spec, const QDate& from, const QDate& to) {
    Timing timing;
    timing.ms = timed([&] {
        const CollectionReport report = generateCollection(spec, ReportMode::Plain, from, to, DbConnection);
        timing.rows = report.lines.size();
    });
    return timing;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString db = dir.path() + "/sanavodb.mdb";
    QFile::copy(SANAVO_DELIVERED_DB, db);
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    QElapsedTimer fillTimer;
    fillTimer.start();
    fillBills(db);
    const double fillSeconds = static_cast<double>(fillTimer.elapsed()) / 1000;
    setAppFolder(dir.path());
    // Every question is answered Yes and every box closes at once; nothing ends the process.
    setMessageHandler([](MsgIcon, MsgButtons b, const QString&, const QString&) {
        return b == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    });
    setEndProgramHandler([](int) {});
    if (!ConnectDB()) return 1;
    std::printf("bills=%d\n", kBills);
    std::printf("fill_s=%.1f\n", fillSeconds);

    CollectionReportSpec daily;
    daily.table = "OutPatientPrintDetails";
    daily.status = "Available";
    daily.orderBy = "BillNo";
    daily.dateColumn = "Date";
    daily.range = false;
    daily.ecgColumn = "EcgCharge";
    daily.scanColumn = "ScanCharge";
    daily.amountColumn = "total";
    daily.description = {{"", "BillNo"}, {"-", "patientName"}, {"-", "patientid"}};

    CollectionReportSpec period = daily;
    period.range = true;
    period.description = {
        {"", "BillNo"}, {" - ", "patientName"}, {" - ", "Date", true}, {" - ", "patientid"}};

    CollectionReportSpec cancelled = daily;
    cancelled.status = "Deleted";
    cancelled.orderBy = "";
    cancelled.ecgColumn = "";
    cancelled.scanColumn = "";
    cancelled.description = {{"", "patientName"}, {"-", "patientid"}};
    cancelled.billNumberColumn = "BillNo";

    const QDate day(2026, 6, 15);
    const QDate monthFrom(2026, 6, 1);
    const QDate monthTo(2026, 6, 30);

    sqlite3* reader = nullptr;
    sqlite3_open_v2(db.toUtf8().constData(), &reader, SQLITE_OPEN_READONLY, nullptr);
    const Timing dailySqlite = plainSqlite(reader, collectionSelection(daily, ReportMode::Plain, day, day));
    const Timing periodSqlite =
        plainSqlite(reader, collectionSelection(period, ReportMode::Plain, monthFrom, monthTo));
    const Timing cancelledSqlite =
        plainSqlite(reader, collectionSelection(cancelled, ReportMode::Plain, day, day));
    sqlite3_close(reader);

    const Timing dailyGenerate = generate(daily, day, day);
    const Timing periodGenerate = generate(period, monthFrom, monthTo);
    const Timing cancelledGenerate = generate(cancelled, day, day);
    for (const auto& [name, engine, plain] : {std::tuple{"daily", dailyGenerate, dailySqlite},
                                              std::tuple{"period_month", periodGenerate, periodSqlite},
                                              std::tuple{"cancelled", cancelledGenerate, cancelledSqlite}})
        if (engine.rows != plain.rows)
            std::printf("(%s: %zu lines from the report, %zu rows from sqlite)\n", name, engine.rows,
                        plain.rows);

    std::printf("daily_rows=%zu\n", dailyGenerate.rows);
    std::printf("daily_generate_ms=%.2f\n", dailyGenerate.ms);
    std::printf("daily_sqlite_ms=%.2f\n", dailySqlite.ms);
    std::printf("period_month_rows=%zu\n", periodGenerate.rows);
    std::printf("period_month_generate_ms=%.2f\n", periodGenerate.ms);
    std::printf("period_month_sqlite_ms=%.2f\n", periodSqlite.ms);
    std::printf("cancelled_rows=%zu\n", cancelledGenerate.rows);
    std::printf("cancelled_generate_ms=%.2f\n", cancelledGenerate.ms);
    std::printf("cancelled_sqlite_ms=%.2f\n", cancelledSqlite.ms);
    const double ratio = std::max({dailyGenerate.ms / dailySqlite.ms, periodGenerate.ms / periodSqlite.ms,
                                   cancelledGenerate.ms / cancelledSqlite.ms});
    std::printf("ratio_generate_vs_sqlite=%.2f\n", ratio);
    return 0;
}
