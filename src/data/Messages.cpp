#include "data/Messages.h"

#include "data/Environment.h"

namespace {
MessageHandler g_handler;
}

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

void ShowDatabaseError() {
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

void ReportTrapped(TrapWording wording, const QString& description) {
    MsgBox(MsgIcon::None, MsgButtons::Ok, AppTitle, trappedText(wording, description));
}
