#pragma once

#include <string>
#include <vector>

namespace veritom {

// The command line of the application: a selection file to open and the switches.
// A switch starts with '-' or '/' (see IsSwitch in the source); "verification" in any letter case
// sets the verification flag, "nologo" turns the splash screen off. The first parameter that is not
// a switch names the file to open.
class CCmdLineInfo {
public:
    enum class ShellCommand { FileNew, FileOpen };

    // args without the program name.
    void Parse(const std::vector<std::string>& args);

    bool IsVerification() const { return m_verification; }
    ShellCommand GetShellCommand() const { return m_shellCommand; }
    const std::string& GetFileName() const { return m_fileName; }
    // The splash screen never shows when a file is to be opened.
    bool ShowSplash() const { return m_showSplash && m_shellCommand != ShellCommand::FileOpen; }

private:
    void ParseSwitch(const std::string& name);

    bool m_verification = false;
    bool m_showSplash = true;
    ShellCommand m_shellCommand = ShellCommand::FileNew;
    std::string m_fileName;
};

}  // namespace veritom
