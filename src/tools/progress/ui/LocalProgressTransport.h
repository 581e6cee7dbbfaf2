#pragma once

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "tools/progress/ProgressTransport.h"

namespace veritom {

// The progress display's transport over a local socket: the progress program listens on a
// socket named after its window class, in the user's runtime folder, and answers each
// request on it. Every request waits for its answer, at most kAnswerTimeoutMs.
class CLocalProgressTransport : public IProgressTransport {
public:
    static constexpr int kConnectTimeoutMs = 500;
    static constexpr int kAnswerTimeoutMs = 2000;

    // programDirectory: where the progress program is installed; applicationTitle: the
    // application's display name when asked. A server name other than the default is passed
    // to the program on its command line.
    CLocalProgressTransport(std::string programDirectory,
                            std::function<std::string()> applicationTitle,
                            QString serverName = DefaultServerName());

    // "Veritom Progress" in the user's runtime folder, or in the temporary folder without one.
    static QString DefaultServerName();

    std::string GetApplicationTitle() const override;
    std::string GetProgramDirectory() const override { return m_programDirectory; }
    ProgressWindow FindWindow(const std::string& title) override;
    bool StartProgram(const std::string& path) override;
    bool Send(ProgressWindow window, const std::string& command) override;
    void ActivateMainWindow() override;
    std::int64_t ElapsedMs() const override { return m_clock.elapsed(); }
    void Pause(int ms) override;

    // The program's two text lines ("line|second"), empty when it does not answer.
    std::string AskText();

private:
    bool Connect();
    // Sends one request and waits for its answer.
    std::optional<QString> Request(const QString& text);

    std::string m_programDirectory;
    std::function<std::string()> m_applicationTitle;
    QString m_serverName;
    QLocalSocket m_socket;
    QElapsedTimer m_clock;
};

}  // namespace veritom
