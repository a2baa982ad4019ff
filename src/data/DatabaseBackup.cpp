#include "data/DatabaseBackup.h"

#include "data/Recordset.h"
#include "data/modConnectDB.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

std::function<QString(BackupStage)> g_fault;

QString injected(BackupStage stage) {
    return g_fault ? g_fault(stage) : QString();
}

// Copies every page of `from` into `to` in one step; a lock another program holds is waited out as long
// as a statement would wait. Empty when done, else the engine's reason.
QString copyPages(sqlite3* from, sqlite3* to) {
    sqlite3_backup* b = sqlite3_backup_init(to, "main", from, "main");
    if (!b) return QString::fromUtf8(sqlite3_errmsg(to));
    QElapsedTimer waited;
    waited.start();
    int rc = SQLITE_OK;
    for (;;) {
        rc = sqlite3_backup_step(b, -1);
        if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED) break;
        if (waited.elapsed() > Connection::DefaultBusyTimeoutMs) break;
        sqlite3_sleep(50);
    }
    const int finished = sqlite3_backup_finish(b);
    if (rc != SQLITE_DONE) return QString::fromUtf8(sqlite3_errstr(rc));
    if (finished != SQLITE_OK) return QString::fromUtf8(sqlite3_errmsg(to));
    return {};
}

// The engine's own check of every page and index: empty when it answers "ok".
QString integrityProblem(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(db));
    QString answer;
    const int rc = sqlite3_step(st);
    if (rc == SQLITE_ROW)
        answer = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    else
        answer = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(st);
    return answer == "ok" ? QString() : "integrity check: " + answer;
}

long long countOf(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    long long n = 0;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        n = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return n;
}

// Why the file at `path` is not a sound database of this program; empty when it is.
QString fileProblem(const QString& path, std::shared_ptr<Connection>* opened = nullptr) {
    if (!QFileInfo(path).isFile()) return "the file " + path + " does not exist";
    QString error;
    auto c = Connection::open(path, &error);
    if (!c) return error;
    QString problem = integrityProblem(c->handle());
    if (problem.isEmpty()) problem = c->programTablesProblem();
    if (opened) *opened = c;
    return problem;
}

bool syncPath(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

} // namespace

void setBackupFault(std::function<QString(BackupStage)> fault) {
    g_fault = std::move(fault);
}

bool BackupDatabase(Connection& source, const QString& target, QString* error) {
    const QFileInfo info(target);
    if (!info.dir().exists()) return fail(error, "the folder " + info.absolutePath() + " does not exist");
    // A new file beside the target, so the rename below stays on one disk and replaces it in one move.
    QTemporaryFile reserved(info.absoluteFilePath() + ".XXXXXX");
    reserved.setAutoRemove(false);
    if (!reserved.open())
        return fail(error, "cannot write in " + info.absolutePath() + ": " + reserved.errorString());
    const QString temp = reserved.fileName();
    reserved.close();
    struct Cleanup {
        QString file;
        bool keep = false;
        ~Cleanup() {
            if (keep) return;
            QFile::remove(file);
            QFile::remove(file + "-journal");
        }
    } cleanup{temp};

    sqlite3* copy = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(temp).constData(), &copy, SQLITE_OPEN_READWRITE, nullptr);
    QString problem = rc == SQLITE_OK ? QString() : QString::fromUtf8(sqlite3_errstr(rc));
    if (problem.isEmpty()) {
        FinishOpenReads(&source);
        problem = copyPages(source.handle(), copy);
    }
    sqlite3_close(copy);
    if (problem.isEmpty()) problem = injected(BackupStage::Copied);
    if (problem.isEmpty()) problem = fileProblem(temp);
    if (problem.isEmpty()) problem = injected(BackupStage::Checked);
    if (problem.isEmpty() && !syncPath(temp, O_RDWR)) problem = "the copy could not be written to the disk";
    if (problem.isEmpty()) problem = injected(BackupStage::Flushed);
    if (problem.isEmpty() && ::rename(QFile::encodeName(temp).constData(),
                                      QFile::encodeName(info.absoluteFilePath()).constData()) != 0)
        problem = "the copy could not replace " + info.absoluteFilePath() + ": " +
                  QString::fromLocal8Bit(strerror(errno));
    if (!problem.isEmpty()) return fail(error, problem);
    cleanup.keep = true;
    // The new name must reach the disk too, or a power cut could bring back the old backup.
    syncPath(info.absolutePath(), O_RDONLY | O_DIRECTORY);
    return true;
}

BackupFileCheck CheckBackupFile(const QString& path) {
    BackupFileCheck check;
    std::shared_ptr<Connection> c;
    check.problem = fileProblem(path, &c);
    check.ok = check.problem.isEmpty();
    if (!check.ok) return check;
    sqlite3* db = c->handle();
    check.patients = countOf(db, "SELECT (SELECT count(*) FROM SettingsOutPatient) + "
                                 "(SELECT count(*) FROM SettingsInPatient)");
    check.bills = countOf(db, "SELECT (SELECT count(DISTINCT BillNo) FROM OutPatientPrintDetails) + "
                              "(SELECT count(DISTINCT BillNo) FROM InPatientPrintDetails) + "
                              "(SELECT count(DISTINCT BillNo) FROM LabPrintDetails) + "
                              "(SELECT count(DISTINCT BillNo) FROM XRayPrintDetails)");
    check.modified = QFileInfo(path).lastModified();
    return check;
}

bool RestoreDatabase(Connection& live, const QString& backup, QString* error) {
    const QString problem = fileProblem(backup);
    if (!problem.isEmpty()) return fail(error, problem);
    sqlite3* from = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(backup).constData(), &from, SQLITE_OPEN_READONLY, nullptr);
    QString why = rc == SQLITE_OK ? QString() : QString::fromUtf8(sqlite3_errstr(rc));
    if (why.isEmpty()) {
        FinishOpenReads(&live);
        why = copyPages(from, live.handle());
    }
    sqlite3_close(from);
    return why.isEmpty() || fail(error, why);
}
