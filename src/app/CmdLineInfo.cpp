#include "CmdLineInfo.h"

#include <algorithm>
#include <cctype>

namespace veritom {

namespace {

std::string ToLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// On Linux a leading '/' usually starts an absolute path, so "/word" counts as a switch only
// when the word holds no further '/' and no '.'.
bool IsSwitch(const std::string& arg) {
    if (arg.size() < 2) {
        return false;
    }
    if (arg[0] == '-') {
        return true;
    }
    return arg[0] == '/' && arg.find_first_of("/.", 1) == std::string::npos;
}

}  // namespace

void CCmdLineInfo::Parse(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (IsSwitch(arg)) {
            ParseSwitch(ToLower(arg.substr(1)));
        } else if (m_fileName.empty() && !arg.empty()) {
            m_fileName = arg;
            m_shellCommand = ShellCommand::FileOpen;
        }
    }
}

void CCmdLineInfo::ParseSwitch(const std::string& name) {
    if (name == "verification") {
        m_verification = true;
    } else if (name == "nologo") {
        m_showSplash = false;
    }
}

}  // namespace veritom
