#include "shell/GuardedApplication.h"

#include "data/DbError.h"
#include "data/Messages.h"

namespace {

void endOnEscapedFailure(std::exception_ptr failure) {
    QString reason = "an unknown failure";
    QString statement;
    try {
        std::rethrow_exception(failure);
    } catch (const DbError& e) {
        reason = e.description();
        statement = e.statement();
    } catch (const std::exception& e) {
        reason = QString::fromUtf8(e.what());
    } catch (...) {
    }
    ShowDatabaseError("not trapped: " + reason, statement);
}

} // namespace

bool RunGuarded(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (...) {
        endOnEscapedFailure(std::current_exception());
    }
    return false;
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        endOnEscapedFailure(std::current_exception());
    }
    return false;
}
