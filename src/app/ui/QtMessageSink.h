#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <memory>

#include "base/MessageSink.h"

namespace veritom {

class CHelpWindow;

// The message seam of the running application: message boxes titled with the application
// name, the beep, the wait cursor, documents and web pages through the desktop, and help
// files in a help window of our own. Install it with SetMessageSink once a QApplication
// exists; destroy it before the QApplication, since it owns the help window.
class CQtMessageSink : public IMessageSink {
public:
    explicit CQtMessageSink(QString caption = {});
    ~CQtMessageSink() override;
    CQtMessageSink(const CQtMessageSink&) = delete;
    CQtMessageSink& operator=(const CQtMessageSink&) = delete;

    void SetCaption(const QString& caption) { m_caption = caption; }
    const QString& Caption() const { return m_caption; }
    // Boxes are modal to this window (the main window once there is one).
    void SetParentWindow(QWidget* parent) { m_parent = parent; }

    MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
    void Beep() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    // False when a local file does not exist or the desktop has no handler.
    bool OpenDocument(const std::string& urlOrPath) override;
    // Shows the file in the help window at the context's anchor (the keyword when given);
    // an unreadable file is reported and gives false.
    bool ShowHelp(const std::string& helpFile, int context, const std::string& keyword) override;

    // The box ShowMessage runs, built but not shown.
    std::unique_ptr<QMessageBox> BuildMessageBox(const std::string& text, MsgButtons buttons,
                                                 MsgIcon icon) const;
    // The answer of a clicked standard button; closing the box counts as its escape button.
    static MsgAnswer AnswerFor(QMessageBox::StandardButton button, MsgButtons buttons);
    // A web address stays as it is; anything else is a local path ('\' read as '/').
    static QUrl DocumentUrl(const std::string& urlOrPath);
    // The help window, created on first use.
    CHelpWindow& HelpWindow();

private:
    QString m_caption;
    QPointer<QWidget> m_parent;
    std::unique_ptr<CHelpWindow> m_helpWindow;
    int m_waitDepth = 0;
};

}  // namespace veritom
