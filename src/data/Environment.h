#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

// The seams between the program and its surroundings: folder, clock and the end of the program.
// Tests replace each of them; the program uses the defaults.

// The folder that holds the program, its pictures, sanavo.ini and sanavodb.mdb.
QString AppFolder();
void setAppFolder(const QString& folder);
// The folder joined with a file name ("/" in place of the original "\").
QString AppFile(const QString& name);

// Today's date; tests fix it.
QDate Today();
void setToday(std::optional<QDate> fixed);

// Ends the program at once. Tests install a handler that records the call instead;
// callers must therefore return after calling it.
void EndProgram(int code);
void setEndProgramHandler(std::function<void(int)> handler);
