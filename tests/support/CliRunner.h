#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace veritom::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }
};

inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// A temporary folder of its own for each test, removed afterwards.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "cli-XXXXXX").string();
        if (::mkdtemp(pattern.data())) {
            m_path = pattern;
        }
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Runs the staged morvane-cli as a user would from a shell without a display: no VERITOM_DB,
// no DISPLAY and no Qt platform unless environment ("NAME=value" each) sets them; standard
// input is empty, standard error is collected apart in a file of folder. prefix goes before
// the command, e.g. to run it as another user.
inline CliRun RunCliIn(const std::string& folder, const std::vector<std::string>& arguments,
                       const std::vector<std::string>& environment = {},
                       const std::string& prefix = "") {
    const std::string errFile = folder + "/stderr.txt";
    std::string command =
        prefix + "env -u VERITOM_DB -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";
    for (const std::string& assignment : environment) {
        command += ' ' + ShellQuoted(assignment);
    }
    command += ' ' + ShellQuoted(VERITOM_STAGE_DIR "/bin/morvane-cli");
    for (const std::string& argument : arguments) {
        command += ' ' + ShellQuoted(argument);
    }
    command += " </dev/null 2>" + ShellQuoted(errFile);
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return run;
    }
    char buffer[65536];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        run.out.append(buffer, got);
    }
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    return run;
}

inline CliRun RunCli(const TemporaryFolder& folder, const std::vector<std::string>& arguments,
                     const std::vector<std::string>& environment = {}) {
    return RunCliIn(folder.Path(), arguments, environment);
}

}  // namespace veritom::test
