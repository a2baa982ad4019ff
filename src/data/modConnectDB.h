#pragma once

#include <QString>
#include <memory>

struct sqlite3;

// The one connection to sanavodb.mdb in the application folder.
class Connection {
public:
    // Opens an existing database file read-write; never creates one. Null and a description on failure.
    static std::shared_ptr<Connection> open(const QString& path, QString* error);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return db_; }
    const QString& path() const { return path_; }
    // 1 while open, as callers test it.
    int State() const { return db_ ? 1 : 0; }

    // How long a statement waits for a lock another program holds before it fails with the engine's
    // "database is locked": long enough for a backup tool or a second reader.
    static constexpr int DefaultBusyTimeoutMs = 10000;
    void setBusyTimeout(int ms);

    // Runs statements that return no rows; throws DbError.
    void exec(const QString& sql);
    // Why `table` cannot serve the program (missing, or fewer than `minColumns` columns); empty when it can.
    QString tableProblem(const QString& table, int minColumns) const;
    // The first problem of any table the program needs (see tableProblem); empty when all can serve.
    QString programTablesProblem() const;
    QString lastError() const;

    // All or nothing: commits on commit(), rolls back when it goes out of scope uncommitted.
    class Transaction {
    public:
        explicit Transaction(Connection& c);
        ~Transaction();
        void commit();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

    private:
        Connection& conn_;
        bool done_ = false;
    };

private:
    Connection() = default;
    sqlite3* db_ = nullptr;
    QString path_;
};

extern std::shared_ptr<Connection> DbConnection;
extern QString ConnectionString;

// Replaces DbConnection with a new connection to the application folder's database. A file that is not
// the program's database (empty, foreign, a table or a column missing) counts as one that does not open.
// On failure shows the "Database Error" box and ends the program; returns whether it is open.
bool ConnectDB();
