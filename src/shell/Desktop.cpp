#include "shell/Desktop.h"

#include "data/ProgramState.h"

#include <QGuiApplication>
#include <QScreen>

void SaveDisplayMode() {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return;
    SavedDisplayMode = {s->geometry().width(), s->geometry().height(), s->depth()};
}

void RestoreDesktop() {}
