#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/MessageSink.h"

namespace veritom::test {

// Records every message box and desktop call, answers boxes from a script (first button
// when the script is empty), and installs itself for its lifetime.
class MessageRecorder : public IMessageSink {
public:
    struct Box {
        std::string text;
        MsgButtons buttons;
        MsgIcon icon;
    };

    MessageRecorder() : m_previous(SetMessageSink(this)) {}
    ~MessageRecorder() override { SetMessageSink(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Answer(MsgAnswer answer) { m_answers.push_back(answer); }

    MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) override {
        boxes.push_back({text, buttons, icon});
        if (onBox) {
            onBox(text);
        }
        if (!m_answers.empty()) {
            const MsgAnswer answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
               : buttons == MsgButtons::RetryCancel                               ? MsgAnswer::Retry
                                                                                  : MsgAnswer::Ok;
    }
    void Beep() override { ++beeps; }
    void BeginWaitCursor() override { ++waitDepth; }
    void EndWaitCursor() override { --waitDepth; }
    bool OpenDocument(const std::string& urlOrPath) override {
        opened.push_back(urlOrPath);
        return true;
    }
    bool ShowHelp(const std::string& helpFile, int context, const std::string& keyword) override {
        help.push_back(helpFile + "#" + (keyword.empty() ? std::to_string(context) : keyword));
        return true;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes) {
            texts.push_back(box.text);
        }
        return texts;
    }

    // Called with each box's text as it appears, for what a test must see at that moment.
    std::function<void(const std::string&)> onBox;
    std::vector<Box> boxes;
    std::vector<std::string> opened;
    std::vector<std::string> help;
    int beeps = 0;
    int waitDepth = 0;

private:
    IMessageSink* m_previous;
    std::deque<MsgAnswer> m_answers;
};

}  // namespace veritom::test
