#include "support/MessageRecorder.h"

#include <QStringList>
#include <gtest/gtest.h>

MessageRecorder::MessageRecorder() {
    previous_ = setMessageHandler(
        [this](MsgIcon icon, MsgButtons buttons, const QString& title, const QString& text) {
            calls_.push_back({icon, buttons, title, text});
            if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
            if (answers_.empty()) {
                ADD_FAILURE() << "unexpected question: " << text.toStdString();
                return MsgAnswer::No;
            }
            const MsgAnswer a = answers_.front();
            answers_.pop_front();
            return a;
        });
}

MessageRecorder::~MessageRecorder() {
    setMessageHandler(std::move(previous_));
}

RecordedMessage MessageRecorder::last() const {
    if (calls_.empty()) {
        ADD_FAILURE() << "no message box was shown";
        return {MsgIcon::None, MsgButtons::Ok, {}, {}};
    }
    return calls_.back();
}

QStringList MessageRecorder::texts() const {
    QStringList t;
    for (const auto& c : calls_)
        t << c.text;
    return t;
}

void PrintTo(const RecordedMessage& m, std::ostream* os) {
    static const char* icons[] = {"None", "Critical", "Exclamation", "Information", "Question"};
    *os << "{" << icons[static_cast<int>(m.icon)] << ", " << (m.buttons == MsgButtons::Ok ? "Ok" : "YesNo")
        << ", \"" << m.title.toStdString() << "\", \"" << m.text.toStdString() << "\"}";
}
