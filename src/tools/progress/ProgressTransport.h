#pragma once

#include <cstdint>
#include <string>

namespace veritom {

// Identifies the progress program's window; kNoProgressWindow when there is none.
using ProgressWindow = std::int64_t;
inline constexpr ProgressWindow kNoProgressWindow = 0;

// What the progress display needs from the desktop and the running program: finding the
// progress program's window, starting the program, passing it a command, and the clock it
// waits by. The Qt program supplies it over a local socket; tests supply a fake.
class IProgressTransport {
public:
    virtual ~IProgressTransport() = default;

    // The application's display name: the title the progress window takes.
    virtual std::string GetApplicationTitle() const = 0;
    // The folder the progress program is installed in (the shared data directory).
    virtual std::string GetProgramDirectory() const = 0;
    // The progress program's window with this title, kNoProgressWindow when none answers.
    virtual ProgressWindow FindWindow(const std::string& title) = 0;
    // Starts the program at path; false when it cannot be started.
    virtual bool StartProgram(const std::string& path) = 0;
    // Passes a command to window and returns once it has been handled; false when it was
    // not acknowledged in time.
    virtual bool Send(ProgressWindow window, const std::string& command) = 0;
    // Brings the application's active window to the front and repaints it.
    virtual void ActivateMainWindow() = 0;
    // Milliseconds of a steady clock, and a short pause while polling.
    virtual std::int64_t ElapsedMs() const = 0;
    virtual void Pause(int ms) = 0;
};

}  // namespace veritom
