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

    // Runs statements that return no rows; throws DbError.
    void exec(const QString& sql);
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

// Replaces DbConnection with a new connection to the application folder's database.
// On failure shows the "Database Error" box and ends the program; returns whether it is open.
bool ConnectDB();
