#pragma once

#include "data/Messages.h"

#include <QString>
#include <deque>
#include <ostream>
#include <vector>

struct RecordedMessage {
    MsgIcon icon;
    MsgButtons buttons;
    QString title;
    QString text;
    bool operator==(const RecordedMessage&) const = default;
};
// So that EXPECT_EQ(messages.last(), (RecordedMessage{...})) says what differed.
void PrintTo(const RecordedMessage& m, std::ostream* os);

// Records every message box while it lives and answers Yes/No questions from a script.
// A question with no scripted answer fails the test and is answered No.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void answer(MsgAnswer a) { answers_.push_back(a); }
    const std::vector<RecordedMessage>& calls() const { return calls_; }
    size_t count() const { return calls_.size(); }
    // The last box shown; fails the test when none was.
    RecordedMessage last() const;
    QStringList texts() const;
    void clear() { calls_.clear(); }

private:
    std::vector<RecordedMessage> calls_;
    std::deque<MsgAnswer> answers_;
    MessageHandler previous_;
};
