#include "data/Environment.h"

#include "data/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
QString g_folder;
QString g_pictures; // empty: pictures only from the application folder
std::optional<QDate> g_today;
std::function<void(int)> g_endHandler;
std::unique_ptr<QLockFile> g_claim;
} // namespace

QString AppFolder() {
    return g_folder;
}

void setAppFolder(const QString& folder) {
    g_folder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

bool ClaimAppFolder() {
    auto lock = std::make_unique<QLockFile>(AppFile("sanavo.lock"));
    // Held only while its process lives: a copy that was killed leaves a lock Qt sees as stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        g_claim = std::move(lock);
        return true;
    }
    if (lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, app;
        lock->getLockInfo(&pid, &host, &app);
        LogFailure("second copy refused", QString("the database is in use by process %1").arg(pid),
                   AppFile("sanavodb.mdb"));
        MsgBox(
            MsgIcon::Critical, MsgButtons::Ok, AppTitle,
            "Sanavo is already running on this database." + LineBreak +
                "Only one copy of the program may work on it at a time: please use the copy that is open.");
        return false;
    }
    // A folder where no lock can be made cannot take the database's own journal either.
    ShowDatabaseError("cannot create the lock file " + AppFile("sanavo.lock"), {});
    return false;
}

void ReleaseAppFolder() {
    g_claim.reset();
}

QString AppFile(const QString& name) {
    return g_folder + "/" + name;
}

QString PictureFile(const QString& name) {
    const QString own = AppFile(name);
    if (g_pictures.isEmpty() || QFileInfo::exists(own)) return own;
    return g_pictures + "/" + name;
}

void setPictureFolder(const QString& folder) {
    g_pictures = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
}

QDate Today() {
    return g_today ? *g_today : QDate::currentDate();
}

void setToday(std::optional<QDate> fixed) {
    g_today = fixed;
}

void EndProgram(int code) {
    if (g_endHandler) {
        g_endHandler(code);
        return;
    }
    // Every write is committed when it returns, so nothing is lost by not unwinding the windows.
    g_claim.reset();
    std::fflush(nullptr);
    std::_Exit(code);
}

void setEndProgramHandler(std::function<void(int)> handler) {
    g_endHandler = std::move(handler);
}
