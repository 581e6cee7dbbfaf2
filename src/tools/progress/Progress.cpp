#include "Progress.h"

#include "base/Paths.h"
#include "tools/progress/ProgressCommand.h"

namespace veritom {

namespace {

IProgressTransport* g_transport = nullptr;
ProgressWindow g_window = kNoProgressWindow;

// Polls until done() holds or timeoutMs have passed; true when it held.
template <typename Done>
bool PollUntil(IProgressTransport& transport, int timeoutMs, Done done) {
    const std::int64_t start = transport.ElapsedMs();
    while (!done()) {
        if (transport.ElapsedMs() - start >= timeoutMs) {
            return false;
        }
        transport.Pause(CProgress::kPollMs);
    }
    return true;
}

}  // namespace

IProgressTransport* CProgress::SetTransport(IProgressTransport* transport) {
    IProgressTransport* previous = g_transport;
    g_transport = transport;
    g_window = kNoProgressWindow;
    return previous;
}

CProgress::CProgress() : m_nested(g_window != kNoProgressWindow) {}

CProgress::~CProgress() {
    Quit();
}

bool CProgress::WindowCheck() const {
    return g_transport && g_window != kNoProgressWindow && !m_title.empty() &&
           g_transport->FindWindow(m_title) == g_window;
}

void CProgress::Forget() {
    g_window = kNoProgressWindow;
    m_owner = false;
    m_title.clear();
}

bool CProgress::Start() {
    if (m_nested || !g_transport) {
        return false;
    }
    IProgressTransport& transport = *g_transport;
    if (g_window != kNoProgressWindow) {
        if (m_owner && WindowCheck()) {
            return true;
        }
        if (!m_owner) {
            // Another object's window, shown since this one was made: this one shows nothing.
            return false;
        }
        Forget();
    }
    m_title = transport.GetApplicationTitle();
    if (m_title.empty()) {
        return false;
    }
    const std::string initial(progress::kInitialTitle);
    ProgressWindow window = transport.FindWindow(initial);
    if (window == kNoProgressWindow) {
        const std::string program =
            JoinPath(transport.GetProgramDirectory(), std::string(progress::kProgramName));
        const bool found =
            transport.StartProgram(program) && PollUntil(transport, kStartTimeoutMs, [&] {
                return (window = transport.FindWindow(initial)) != kNoProgressWindow;
            });
        if (!found) {
            m_title.clear();
            return false;
        }
    }
    g_window = window;
    m_owner = true;
    return SendCommand(progress::StartCommand(m_title), false);
}

bool CProgress::SendCommand(const std::string& command, bool check) {
    if (m_nested || !m_owner || !g_transport || g_window == kNoProgressWindow) {
        return false;
    }
    if ((check && !WindowCheck()) || command.empty()) {
        return false;
    }
    return g_transport->Send(g_window, command);
}

bool CProgress::Text(const std::string& line, const std::string& second) {
    if (line.empty()) {
        return true;
    }
    return SendCommand(progress::TextCommand(line, second), true);
}

bool CProgress::End() {
    return SendCommand(std::string(progress::kEndReset), true);
}

void CProgress::Quit() {
    if (m_nested || !m_owner || !g_transport || g_window == kNoProgressWindow) {
        return;
    }
    IProgressTransport& transport = *g_transport;
    transport.ActivateMainWindow();
    SendCommand(std::string(progress::kQuit), true);
    PollUntil(transport, kQuitTimeoutMs, [this] { return !WindowCheck(); });
    Forget();
}

}  // namespace veritom
