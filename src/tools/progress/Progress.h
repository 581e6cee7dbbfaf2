#pragma once

#include <string>

#include "tools/progress/ProgressTransport.h"

namespace veritom {

// Shows a waiting window while a dialog runs long series of queries: the client of the
// separate progress program. One progress window exists per process; an object created
// while it is shown is nested and does nothing. Without a transport, or when the program is
// missing or does not answer within the start bound, no progress is shown and every call
// simply fails, so the caller's work goes on.
class CProgress {
public:
    static constexpr int kStartTimeoutMs = 5000;
    static constexpr int kQuitTimeoutMs = 3000;
    static constexpr int kPollMs = 20;

    // Installs the process-wide transport (nullptr: none) and returns the one it replaces.
    static IProgressTransport* SetTransport(IProgressTransport* transport);

    CProgress();
    ~CProgress();
    CProgress(const CProgress&) = delete;
    CProgress& operator=(const CProgress&) = delete;

    // Shows the progress window titled with the application's name, starting the program
    // when its window is not there yet.
    bool Start();
    // Shows line (and the second part, when given); an empty line sends nothing and succeeds.
    bool Text(const std::string& line, const std::string& second = {});
    // The current task ended: the display resets.
    bool End();
    // Closes the progress window this object showed and waits (boundedly) until it is gone.
    void Quit();

    bool IsNested() const { return m_nested; }
    bool IsShowing() const { return m_owner; }

private:
    bool WindowCheck() const;
    bool SendCommand(const std::string& command, bool check);
    void Forget();

    bool m_nested;
    bool m_owner = false;
    std::string m_title;
};

}  // namespace veritom
