#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

class Connection;

// Whole, consistent copies of the database, made with the engine's own online copy so that a write in
// progress is never caught half-way.

// Writes a copy of the database open on `source` to `target`: first into a new file beside it, which is
// checked (readable as the program's database, the engine's integrity check answering "ok") and flushed
// to the disk, then renamed over `target`. On any failure the file at `target`, if there was one, is left
// as it was, nothing else remains, and the result is false with a description in `error`.
bool BackupDatabase(Connection& source, const QString& target, QString* error);

// What a file offered for a restore holds.
struct BackupFileCheck {
    bool ok = false;
    QString problem;        // why it cannot be restored, when not ok
    long long patients = 0; // out- and in-patients
    long long bills = 0;    // bills of the four kinds, cancelled ones included
    QDateTime modified;     // when the file was written
};
// Whether `path` is a database of this program that passes the integrity check, and what it holds. The
// file is only read.
BackupFileCheck CheckBackupFile(const QString& path);

// Replaces the contents of the database open on `live` with those of the checked file `backup`, in one
// step of the engine (all of it or none of it). False with a description on failure.
bool RestoreDatabase(Connection& live, const QString& backup, QString* error);

// The steps of a backup at which a test may make it fail.
enum class BackupStage { Copied, Checked, Flushed };
// Installs a fault for tests: a non-empty answer makes that stage fail with it as the description.
void setBackupFault(std::function<QString(BackupStage)> fault);
