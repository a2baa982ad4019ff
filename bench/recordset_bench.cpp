// Opening and walking a decade of out-patient bills through a record set, against plain SQLite.
// Prints the medians, then ratio_vs_sqlite=<a/b> and memory_vs_file=<bytes held / file bytes>.
#include "data/Recordset.h"
#include "data/modConnectDB.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <sqlite3.h>
#include <vector>

// Bytes the process holds from the allocator, mapped blocks included.
static long long heapBytes() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<long long>(m.uordblks + m.hblkhd);
}

static const char* kQuery =
    "SELECT * FROM OutPatientPrintDetails where BillDelete='Available' Order by BillNo";
constexpr int kRows = 200000;
constexpr int kRuns = 7;

static void fill(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO OutPatientPrintDetails VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)", -1, &st,
                       nullptr);
    static const char* names[] = {"Lakshmi Narayanan", "Mohammed Ashraf",    "Anitha Joseph",
                                  "Ravi Kumar",        "Fathima Beevi",      "Suresh Babu",
                                  "Mary Thomas",       "Gopalakrishnan Nair"};
    srand(7);
    for (int i = 1; i <= kRows; ++i) {
        const QByteArray date = QDate(2016, 1, 1).addDays(i / 55).toString("yyyy-MM-dd").toUtf8();
        const QByteArray fee = QByteArray::number(100 + rand() % 400);
        const QByteArray dressing = rand() % 3 ? QByteArray() : QByteArray::number(50 + rand() % 100);
        const QByteArray total = " " + QByteArray::number(fee.toInt() + dressing.toInt());
        const QByteArray id = "OP" + QByteArray::number(1000 + rand() % 9000);
        sqlite3_bind_int(st, 1, i);
        sqlite3_bind_text(st, 2, date.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, fee.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 4, dressing.constData(), -1, SQLITE_TRANSIENT);
        for (int c = 5; c <= 9; ++c)
            sqlite3_bind_text(st, c, rand() % 5 ? "" : "250", -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 10, total.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 11, names[rand() % 8], -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 12, id.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 13, i % 50 ? "Available" : "Deleted", -1, SQLITE_STATIC);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

static double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int main() {
    QTemporaryDir dir;
    const QString path = dir.path() + "/sanavodb.mdb";
    QFile::copy(SANAVO_DELIVERED_DB, path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    fill(path);
    const double fileBytes = static_cast<double>(QFileInfo(path).size());
    QString error;
    auto conn = Connection::open(path, &error);
    if (!conn) {
        std::fprintf(stderr, "cannot open: %s\n", qPrintable(error));
        return 1;
    }

    std::vector<double> a, b, opens;
    long long heldBytes = 0, checkA = 0, checkB = 0;
    for (int run = 0; run < kRuns; ++run) {
        {
            const long long before = heapBytes();
            QElapsedTimer t;
            t.start();
            Recordset rs;
            rs.Open(kQuery, conn, Recordset::Mode::Editable);
            opens.push_back(t.nsecsElapsed() / 1e6);
            heldBytes = std::max(heldBytes, static_cast<long long>(rs.MemoryBytes()));
            (void)before;
            long long sum = 0;
            for (rs.MoveFirst(); !rs.AtEOF(); rs.MoveNext())
                for (int c = 0; c < rs.FieldCount(); ++c)
                    sum += rs.FieldText(c).size();
            a.push_back(t.nsecsElapsed() / 1e6);
            checkA = sum;
        }
        {
            QElapsedTimer t;
            t.start();
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(conn->handle(), kQuery, -1, &st, nullptr);
            long long sum = 0;
            const int n = sqlite3_column_count(st);
            while (sqlite3_step(st) == SQLITE_ROW)
                for (int c = 0; c < n; ++c) {
                    sqlite3_column_text(st, c);
                    sum += sqlite3_column_bytes(st, c);
                }
            sqlite3_finalize(st);
            b.push_back(t.nsecsElapsed() / 1e6);
            checkB = sum;
        }
    }
    std::printf("rows=%d file_bytes=%.0f runs=%d\n", kRows, fileBytes, kRuns);
    std::printf("recordset_open_walk_ms_median=%.1f\n", median(a));
    std::printf("  of which open_ms_median=%.1f\n", median(opens));
    std::printf("sqlite_step_ms_median=%.1f\n", median(b));
    std::printf("recordset_peak_bytes=%lld (text chars read %lld, sqlite bytes read %lld)\n", heldBytes,
                checkA, checkB);
    std::printf("ratio_vs_sqlite=%.2f\n", median(a) / median(b));
    std::printf("memory_vs_file=%.2f\n", static_cast<double>(heldBytes) / fileBytes);
    return 0;
}
