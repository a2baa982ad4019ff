// Opening and walking a decade of out-patient bills through a record set, against plain SQLite.
// Prints the medians, then ratio_vs_sqlite=<a/b> and memory_vs_file=<bytes held / file bytes> for 200,000
// bills, and ratio_walk_1m_vs_sqlite=<a/b> for 1,000,000 bills.
#include "data/Recordset.h"
#include "data/modConnectDB.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>
#include <vector>

static const char* kQuery =
    "SELECT * FROM OutPatientPrintDetails where BillDelete='Available' Order by BillNo";
constexpr int kRuns = 7;

static void fill(const QString& path, int kRows) {
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

struct Figures {
    double walk, open, sqlite, fileBytes;
    long long heldBytes, checkA, checkB;
};

static Figures measure(int rows) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/sanavodb.mdb";
    QFile::copy(SANAVO_DELIVERED_DB, path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    fill(path, rows);
    Figures f{};
    f.fileBytes = static_cast<double>(QFileInfo(path).size());
    QString error;
    auto conn = Connection::open(path, &error);
    if (!conn) {
        std::fprintf(stderr, "cannot open: %s\n", qPrintable(error));
        std::exit(1);
    }
    std::vector<double> a, b, opens;
    for (int run = 0; run < kRuns; ++run) {
        {
            QElapsedTimer t;
            t.start();
            Recordset rs;
            rs.Open(kQuery, conn, Recordset::Mode::Editable);
            opens.push_back(t.nsecsElapsed() / 1e6);
            long long sum = 0;
            for (rs.MoveFirst(); !rs.AtEOF(); rs.MoveNext())
                for (int c = 0; c < rs.FieldCount(); ++c)
                    sum += rs.FieldText(c).size();
            a.push_back(t.nsecsElapsed() / 1e6);
            f.heldBytes = std::max(f.heldBytes, static_cast<long long>(rs.MemoryBytes()));
            f.checkA = sum;
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
            f.checkB = sum;
        }
    }
    f.walk = median(a);
    f.open = median(opens);
    f.sqlite = median(b);
    return f;
}

int main() {
    const Figures f = measure(200000);
    std::printf("rows=200000 file_bytes=%.0f runs=%d\n", f.fileBytes, kRuns);
    std::printf("recordset_open_walk_ms_median=%.1f\n", f.walk);
    std::printf("  of which open_ms_median=%.1f\n", f.open);
    std::printf("sqlite_step_ms_median=%.1f\n", f.sqlite);
    std::printf("recordset_peak_bytes=%lld (text chars read %lld, sqlite bytes read %lld)\n", f.heldBytes,
                f.checkA, f.checkB);
    const Figures m = measure(1000000);
    std::printf(
        "rows=1000000 recordset_open_walk_ms_median=%.1f open_ms_median=%.1f sqlite_step_ms_median=%.1f "
        "recordset_peak_bytes=%lld\n",
        m.walk, m.open, m.sqlite, m.heldBytes);
    std::printf("ratio_vs_sqlite=%.2f\n", f.walk / f.sqlite);
    std::printf("memory_vs_file=%.2f\n", static_cast<double>(f.heldBytes) / f.fileBytes);
    std::printf("ratio_walk_1m_vs_sqlite=%.2f\n", m.walk / m.sqlite);
    return 0;
}
