#include "QuietMessages.h"

#include "base/MessageSink.h"

namespace veritom::fuzz {

namespace {

class CQuietSink : public IMessageSink {
public:
    MsgAnswer ShowMessage(const std::string&, MsgButtons buttons, MsgIcon) override {
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
               : buttons == MsgButtons::RetryCancel                               ? MsgAnswer::Retry
                                                                                  : MsgAnswer::Ok;
    }
    void Beep() override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    bool OpenDocument(const std::string&) override { return false; }
    bool ShowHelp(const std::string&, int, const std::string&) override { return false; }
};

}  // namespace

void QuietMessages() {
    static CQuietSink sink;
    static const bool installed = (SetMessageSink(&sink), true);
    (void)installed;
}

}  // namespace veritom::fuzz
