#pragma once

#include <QApplication>
#include <functional>

// Runs a step of the program so that no exception leaves it: an escaped failure is logged with its reason,
// shown as the "Database Error" box, and the program ends. True when the step ran through.
bool RunGuarded(const std::function<void()>& step);

// The application object. Every event is delivered under the guard, because an exception must never
// cross the event loop: a failure a screen did not trap ends the program with the box, not with an abort.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
