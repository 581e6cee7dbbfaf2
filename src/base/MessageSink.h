#pragma once

#include <string>

namespace veritom {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Information, Warning, Error, Question };
// Numbered as the classic dialog results, since selection objects pass them on.
enum class MsgAnswer { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

// The one seam through which core code reaches the user's desktop: message boxes, the
// beep, the wait cursor and opening documents. The GUI implements it with Qt, the command
// line with standard error, the tests with a recorder that returns scripted answers.
class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) = 0;
    virtual void Beep() = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    // Opens a web address or a document with the desktop's handler; false when it could not.
    virtual bool OpenDocument(const std::string& urlOrPath) = 0;
    // Opens a help file at a context number (0: the contents) or at a keyword.
    virtual bool ShowHelp(const std::string& helpFile, int context, const std::string& keyword) = 0;
};

// Writes messages to standard error and answers each box with its first button.
class CConsoleMessageSink : public IMessageSink {
public:
    MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
    void Beep() override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    bool OpenDocument(const std::string& urlOrPath) override;
    bool ShowHelp(const std::string& helpFile, int context, const std::string& keyword) override;
};

// The sink in use; a console sink until one is installed.
IMessageSink& Messages();
// Installs sink (nullptr restores the console sink) and returns the one it replaces.
IMessageSink* SetMessageSink(IMessageSink* sink);

// The usual call: a message box with the given buttons.
MsgAnswer MessageBox(const std::string& text, MsgButtons buttons = MsgButtons::Ok,
                     MsgIcon icon = MsgIcon::None);

// Shows the wait cursor for its lifetime.
class CWaitCursor {
public:
    CWaitCursor() { Messages().BeginWaitCursor(); }
    ~CWaitCursor() { Messages().EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

}  // namespace veritom
