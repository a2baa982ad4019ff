#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

// The seams between the program and its surroundings: folder, clock and the end of the program.
// Tests replace each of them; the program uses the defaults.

// The folder that holds the program, its pictures, sanavo.ini and sanavodb.mdb.
QString AppFolder();
// A relative folder is resolved once, here, against the current folder: the program later makes the
// application folder its current folder, and a path resolved again from there would point elsewhere.
void setAppFolder(const QString& folder);
// The folder joined with a file name ("/" in place of the original "\").
QString AppFile(const QString& name);
// The program's pictures: the application folder's own copy when it has one, otherwise the one in the
// picture folder (an installation keeps them beside the program's shared files, not in each user's folder).
QString PictureFile(const QString& name);
// Empty: only the application folder.
void setPictureFolder(const QString& folder);

// One copy of the program at a time works on an application folder's database. Claims the folder for this
// process; when another running copy holds it, shows the refusal box and returns false without touching
// the database. A claim left behind by a copy that was killed is taken over. The claim lasts until
// ReleaseAppFolder or the end of the process.
bool ClaimAppFolder();
void ReleaseAppFolder();

// Today's date; tests fix it.
QDate Today();
void setToday(std::optional<QDate> fixed);

// Ends the program at once. Tests install a handler that records the call instead;
// callers must therefore return after calling it.
void EndProgram(int code);
void setEndProgramHandler(std::function<void(int)> handler);
