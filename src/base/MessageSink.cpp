#include "MessageSink.h"

#include <iostream>

namespace veritom {

namespace {

CConsoleMessageSink& ConsoleSink() {
    static CConsoleMessageSink sink;
    return sink;
}

IMessageSink*& CurrentSink() {
    static IMessageSink* sink = nullptr;
    return sink;
}

MsgAnswer FirstButton(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            return MsgAnswer::Yes;
        case MsgButtons::RetryCancel:
            return MsgAnswer::Retry;
        case MsgButtons::Ok:
        case MsgButtons::OkCancel:
            break;
    }
    return MsgAnswer::Ok;
}

}  // namespace

MsgAnswer CConsoleMessageSink::ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon) {
    std::cerr << text << '\n';
    return FirstButton(buttons);
}

bool CConsoleMessageSink::OpenDocument(const std::string& urlOrPath) {
    std::cerr << urlOrPath << '\n';
    return false;
}

bool CConsoleMessageSink::ShowHelp(const std::string& helpFile, int, const std::string&) {
    std::cerr << helpFile << '\n';
    return false;
}

IMessageSink& Messages() {
    IMessageSink* sink = CurrentSink();
    return sink ? *sink : ConsoleSink();
}

IMessageSink* SetMessageSink(IMessageSink* sink) {
    IMessageSink* previous = CurrentSink();
    CurrentSink() = sink;
    return previous;
}

MsgAnswer MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon) {
    return Messages().ShowMessage(text, buttons, icon);
}

}  // namespace veritom
