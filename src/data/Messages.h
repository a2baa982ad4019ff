#pragma once

#include <QString>
#include <functional>

// Every message box of the program goes through MsgBox, so tests can record and answer them.
enum class MsgIcon { None, Critical, Exclamation, Information, Question };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

// The title of a box that has no title of its own.
inline const QString AppTitle = QStringLiteral("Sanavo");
// Two-line messages join their lines with a carriage return and a line feed.
inline const QString LineBreak = QStringLiteral("\r\n");

using MessageHandler =
    std::function<MsgAnswer(MsgIcon, MsgButtons, const QString& title, const QString& text)>;

MsgAnswer MsgBox(MsgIcon icon, MsgButtons buttons, const QString& title, const QString& text);
// Installs the handler that shows (or records) boxes; returns the previous one.
MessageHandler setMessageHandler(MessageHandler handler);

// One line on stderr for a failure the operator is told of: the time, what failed, the engine's own reason
// and the first words of the statement, so a damaged file can be diagnosed from the session's journal.
void LogFailure(const QString& what, const QString& reason, const QString& statement = {});

// The critical "Database Error" box, then the end of the program. The reason and statement are logged.
void ShowDatabaseError(const QString& reason, const QString& statement = {});

// The three wordings of a trapped failure, each in a plain OK box titled with the application title.
enum class TrapWording {
    ErrorColon,      // "Error:" + description (loading and moving of record screens)
    ErrorSpaceColon, // "Error :" + description (the backup)
    DescriptionOnly  // new, edit, delete, grid loading, report printing
};
QString trappedText(TrapWording wording, const QString& description);
// Logs the failure, then shows its box.
void ReportTrapped(TrapWording wording, const QString& description, const QString& statement = {});
