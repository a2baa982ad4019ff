#include "data/modConnectDB.h"

#include "data/DbError.h"
#include "data/Environment.h"
#include "data/Messages.h"
#include "data/Recordset.h"

#include <sqlite3.h>

std::shared_ptr<Connection> DbConnection;
QString ConnectionString;

std::shared_ptr<Connection> Connection::open(const QString& path, QString* error) {
    sqlite3* db = nullptr;
    const QByteArray p = path.toUtf8();
    // One thread uses the connection, so SQLite's own locking is not needed.
    int rc = sqlite3_open_v2(p.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc == SQLITE_OK) {
        // Before the first statement, so that even the first read waits out another program's lock.
        sqlite3_busy_timeout(db, DefaultBusyTimeoutMs);
        // Opening is lazy: reading the schema is what proves the file is a readable database.
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) {
        // A decade of rows is read in whole passes (lists, reports): more pages stay cached between passes.
        // (A mapped file would be quicker still, but a fault reading it would end the program.)
        sqlite3_exec(db, "PRAGMA cache_size = -16384", nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        if (error)
            *error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        return nullptr;
    }
    std::shared_ptr<Connection> c(new Connection);
    c->db_ = db;
    c->path_ = path;
    return c;
}

Connection::~Connection() {
    if (db_) sqlite3_close_v2(db_);
}

void Connection::setBusyTimeout(int ms) {
    sqlite3_busy_timeout(db_, ms);
}

QString Connection::tableProblem(const QString& table, int minColumns) const {
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = ("SELECT * FROM " + table).toUtf8();
    QString problem;
    if (sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr) != SQLITE_OK)
        problem = QString::fromUtf8(sqlite3_errmsg(db_));
    else if (sqlite3_column_count(st) < minColumns)
        problem = QString("table %1 has %2 columns, %3 needed")
                      .arg(table)
                      .arg(sqlite3_column_count(st))
                      .arg(minColumns);
    sqlite3_finalize(st);
    return problem;
}

QString Connection::lastError() const {
    return QString::fromUtf8(sqlite3_errmsg(db_));
}

void Connection::exec(const QString& sql) {
    // A write must not run under a read still stepping through the same tables.
    FinishOpenReads(this);
    char* msg = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &msg) != SQLITE_OK) {
        const QString d = QString::fromUtf8(msg ? msg : sqlite3_errmsg(db_));
        sqlite3_free(msg);
        throw DbError(d, sql);
    }
}

Connection::Transaction::Transaction(Connection& c) : conn_(c) {
    conn_.exec("BEGIN IMMEDIATE");
}

Connection::Transaction::~Transaction() {
    if (!done_) sqlite3_exec(conn_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Connection::Transaction::commit() {
    conn_.exec("COMMIT");
    done_ = true;
}

namespace {

// Every table the screens open, with the columns they address by position.
struct NeededTable {
    const char* name;
    int columns;
};
constexpr NeededTable kNeededTables[] = {
    {"SettingsNewUser", 4},
    {"SettingDrDetails", 17},
    {"SettingsEmployeeDetails", 13},
    {"SettingsConsultant", 4},
    {"SettingsLab", 2},
    {"SettingsXRay", 3},
    {"SettingsOutPatient", 11},
    {"SettingsInPatient", 19},
    {"SettingsOutBillNo", 1},
    {"SettingsInBillNo", 1},
    {"SettingsLabBillNo", 1},
    {"SettingsXRayBillNo", 1},
    {"OutPatientPrintDetails", 13},
    {"InPatientPrintDetails", 17},
    {"LabPrintDetails", 10},
    {"XRayPrintDetails", 10},
    {"SettingsCopyDB", 1},
};

} // namespace

QString Connection::programTablesProblem() const {
    for (const NeededTable& t : kNeededTables) {
        QString problem = tableProblem(t.name, t.columns);
        if (!problem.isEmpty()) return problem;
    }
    return {};
}

bool ConnectDB() {
    const QString file = AppFile("sanavodb.mdb");
    ConnectionString = "provider=Sanavo;Data provider=SQLite 3;data source=" + file + ";";
    QString error;
    DbConnection = Connection::open(file, &error);
    // An empty or foreign file opens as a database too; without the program's tables it is refused here,
    // before anyone types a name, and nothing is written to it.
    if (DbConnection) error = DbConnection->programTablesProblem();
    if (!DbConnection || DbConnection->State() != 1 || !error.isEmpty()) {
        DbConnection.reset();
        ShowDatabaseError(error, "open " + file);
        return false;
    }
    // A database from before the record of cancellations gains its table.
    try {
        DbConnection->exec("CREATE TABLE IF NOT EXISTS BillCancellations (Kind TEXT, BillNo INTEGER, "
                           "CancelledAt DATE, UserName TEXT)");
    } catch (const DbError& e) {
        LogFailure("Table not made", e.description(), "BillCancellations");
    }
    // A database from before gains the indexes that keep the patient IDs, the bill screens' patients in
    // name order, the bill numbers and the bill dates quick at a decade of rows; one that cannot take them
    // now (read-only, busy) works without them, only slower.
    QStringList indexes;
    for (const QString table : {"SettingsOutPatient", "SettingsInPatient"})
        indexes << KeyIndexStatements(table, "EmployeeID")
                << "CREATE INDEX IF NOT EXISTS " + table + "FirstName ON " + table + " (FirstName)";
    // The reports select a day's or a range's bills by their date.
    for (const QString table :
         {"OutPatientPrintDetails", "InPatientPrintDetails", "LabPrintDetails", "XRayPrintDetails"})
        indexes << KeyIndexStatements(table, "BillNo")
                << "CREATE INDEX IF NOT EXISTS " + table + "Date ON " + table + " (Date)";
    indexes << "CREATE INDEX IF NOT EXISTS SettingsConsultantConsultDate ON SettingsConsultant (ConsultDate)";
    for (const QString& statement : indexes) {
        try {
            DbConnection->exec(statement);
        } catch (const DbError& e) {
            LogFailure("Index not made", e.description(), statement);
        }
    }
    return true;
}
