#include "data/Messages.h"

#include "data/Environment.h"

#include <QDateTime>
#include <QStringList>
#include <cstdio>

namespace {
MessageHandler g_handler;

QString failureLine(const QString& what, const QString& reason, const QString& statement) {
    QString line = "Sanavo: " + what + ": " + (reason.isEmpty() ? QString("no reason given") : reason);
    if (!statement.isEmpty()) {
        // The first words name the statement; the whole of a long one would bury the reason.
        const QStringList words = statement.simplified().split(' ');
        line += " [" + words.mid(0, 8).join(' ') + (words.size() > 8 ? " ...]" : "]");
    }
    // One line per failure, whatever the engine's message holds.
    return line.replace('\r', ' ').replace('\n', ' ');
}
} // namespace

MsgAnswer MsgBox(MsgIcon icon, MsgButtons buttons, const QString& title, const QString& text) {
    if (g_handler) return g_handler(icon, buttons, title, text);
    // Without a handler (a tool without windows) nothing can be asked: the safe answer is No.
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
}

MessageHandler setMessageHandler(MessageHandler handler) {
    MessageHandler old = std::move(g_handler);
    g_handler = std::move(handler);
    return old;
}

void LogFailure(const QString& what, const QString& reason, const QString& statement) {
    const QString stamp = QDateTime::currentDateTime().toString(Qt::ISODate);
    std::fprintf(stderr, "%s %s\n", qPrintable(stamp),
                 failureLine(what, reason, statement).toUtf8().constData());
    std::fflush(stderr);
}

void ShowDatabaseError(const QString& reason, const QString& statement) {
    LogFailure("Database Error", reason, statement);
    MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Database Error",
           "Database Error. Please Check the database and try again");
    EndProgram(1);
}

QString trappedText(TrapWording wording, const QString& description) {
    switch (wording) {
    case TrapWording::ErrorColon:
        return "Error:" + description;
    case TrapWording::ErrorSpaceColon:
        return "Error :" + description;
    case TrapWording::DescriptionOnly:
        break;
    }
    return description;
}

void ReportTrapped(TrapWording wording, const QString& description, const QString& statement) {
    LogFailure("trapped failure", description, statement);
    MsgBox(MsgIcon::None, MsgButtons::Ok, AppTitle, trappedText(wording, description));
}
