#include "data/Environment.h"

#include <QDir>
#include <cstdio>
#include <cstdlib>

namespace {
QString g_folder;
std::optional<QDate> g_today;
std::function<void(int)> g_endHandler;
} // namespace

QString AppFolder() {
    return g_folder;
}

void setAppFolder(const QString& folder) {
    g_folder = QDir::cleanPath(folder);
}

QString AppFile(const QString& name) {
    return g_folder + "/" + name;
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
    std::fflush(nullptr);
    std::_Exit(code);
}

void setEndProgramHandler(std::function<void(int)> handler) {
    g_endHandler = std::move(handler);
}
