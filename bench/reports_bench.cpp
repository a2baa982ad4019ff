// The collection reports at a decade of out-patient bills: 1,000,000 bills over ten years (about 274 a day,
// about 2% cancelled) in a temporary application folder. Each report is generated through the engine and,
// by turns, stepped by plain SQLite on its own read-only connection; each figure is the median processor
// time of 21 runs (--runs N). The last lines give daily_generate_ms=, period_month_generate_ms=,
// cancelled_generate_ms=, their sqlite figures and ratio_generate_vs_sqlite= (the largest of the three).
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
#include <ctime>
#include <functional>
#include <random>
#include <sqlite3.h>
#include <tuple>
#include <vector>

namespace {

int runs = 21; // --runs N
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

// Milliseconds of processor time the thread spends in `step`: other programs on the machine then slow
// neither side of a comparison.
double cpuMs(const std::function<void()>& step) {
    timespec start{}, end{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
    step();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
    return static_cast<double>(end.tv_sec - start.tv_sec) * 1e3 +
           static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e6;
}

struct Timing {
    double ms = 0;
    size_t rows = 0;
};

// Steps the selection, reading every column of every row as text.
size_t plainSqlite(sqlite3* db, const QByteArray& sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) != SQLITE_OK)
        std::printf("(sqlite: %s)\n", sqlite3_errmsg(db));
    size_t rows = 0;
    size_t bytes = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        ++rows;
        for (int c = 0; c < sqlite3_column_count(st); ++c)
            bytes += size_t(sqlite3_column_bytes(st, c)) + (sqlite3_column_text(st, c) ? 1 : 0);
    }
    sqlite3_finalize(st);
    if (rows > 0 && bytes == 0) std::puts("(no text read)");
    return rows;
}

// The report through the engine and plain SQLite on the same selection, run by turns so that both meet
// the same conditions; each the median of `runs`.
std::pair<Timing, Timing> compare(sqlite3* reader, const CollectionReportSpec& spec, const QDate& from,
                                  const QDate& to) {
    const QByteArray sql = collectionSelection(spec, ReportMode::Plain, from, to).toUtf8();
    Timing engine, plain;
    std::vector<double> engineMs, plainMs;
    for (int run = 0; run < runs; ++run) {
        plainMs.push_back(cpuMs([&] { plain.rows = plainSqlite(reader, sql); }));
        engineMs.push_back(cpuMs([&] {
            const CollectionReport report =
                generateCollection(spec, ReportMode::Plain, from, to, DbConnection);
            engine.rows = report.lines.size();
        }));
    }
    engine.ms = median(engineMs);
    plain.ms = median(plainMs);
    return {engine, plain};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (const qsizetype at = args.indexOf("--runs"); at >= 0 && at + 1 < args.size())
        runs = std::max(1, args[at + 1].toInt());
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
    const auto [dailyGenerate, dailySqlite] = compare(reader, daily, day, day);
    const auto [periodGenerate, periodSqlite] = compare(reader, period, monthFrom, monthTo);
    const auto [cancelledGenerate, cancelledSqlite] = compare(reader, cancelled, day, day);
    sqlite3_close(reader);

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
