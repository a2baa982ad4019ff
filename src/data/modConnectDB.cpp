#include "data/modConnectDB.h"

#include "data/DbError.h"
#include "data/Environment.h"
#include "data/Messages.h"

#include <sqlite3.h>

std::shared_ptr<Connection> DbConnection;
QString ConnectionString;

std::shared_ptr<Connection> Connection::open(const QString& path, QString* error) {
    sqlite3* db = nullptr;
    const QByteArray p = path.toUtf8();
    // One thread uses the connection, so SQLite's own locking is not needed.
    int rc = sqlite3_open_v2(p.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc == SQLITE_OK) {
        // Opening is lazy: reading the schema is what proves the file is a readable database.
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        if (error)
            *error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, 2000);
    std::shared_ptr<Connection> c(new Connection);
    c->db_ = db;
    c->path_ = path;
    return c;
}

Connection::~Connection() {
    if (db_) sqlite3_close_v2(db_);
}

QString Connection::lastError() const {
    return QString::fromUtf8(sqlite3_errmsg(db_));
}

void Connection::exec(const QString& sql) {
    char* msg = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &msg) != SQLITE_OK) {
        const QString d = QString::fromUtf8(msg ? msg : sqlite3_errmsg(db_));
        sqlite3_free(msg);
        throw DbError(d);
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

bool ConnectDB() {
    const QString file = AppFile("sanavodb.mdb");
    ConnectionString = "provider=Sanavo;Data provider=SQLite 3;data source=" + file + ";";
    QString error;
    DbConnection = Connection::open(file, &error);
    if (!DbConnection || DbConnection->State() != 1) {
        DbConnection.reset();
        ShowDatabaseError();
        return false;
    }
    return true;
}
