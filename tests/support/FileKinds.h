#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

namespace veritom::test {

// A fresh temporary folder holding the kinds of path a file reader must refuse without
// blocking or harm: a folder, a FIFO with no writer, a file its reader may not read. Root
// may read every file, so as root the checks on the unreadable file run as user nobody.
class FileKinds {
public:
    static constexpr uid_t kNobody = 65534;

    FileKinds() {
        char pattern[] = "/tmp/veritom-files-XXXXXX";
        m_dir = ::mkdtemp(pattern) ? pattern : "";
        ::chmod(m_dir.c_str(), 0755);  // user nobody must reach the unreadable file
        std::filesystem::create_directory(Folder());
        ::mkfifo(Fifo().c_str(), 0644);
        Write(Unreadable(), "secret");
        ::chmod(Unreadable().c_str(), 0);
    }
    ~FileKinds() {
        std::error_code error;
        std::filesystem::remove_all(m_dir, error);
    }
    FileKinds(const FileKinds&) = delete;
    FileKinds& operator=(const FileKinds&) = delete;

    const std::string& Dir() const { return m_dir; }
    std::string PathOf(const std::string& name) const { return m_dir + "/" + name; }
    std::string Folder() const { return PathOf("a folder"); }
    std::string Fifo() const { return PathOf("a fifo"); }
    static std::string Device() { return "/dev/zero"; }
    std::string Unreadable() const { return PathOf("unreadable"); }

    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static bool IsRoot() { return ::geteuid() == 0; }

    // Runs check in a child process that has no right to read what its user may not read;
    // the child's exit status, or -1 when it could not give up root's rights.
    static int RunUnprivileged(const std::function<int()>& check) {
        const pid_t child = ::fork();
        if (child == 0) {
            if (IsRoot() && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
                ::_exit(255);
            }
            ::_exit(check());
        }
        int status = 0;
        if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) == 255) {
            return -1;
        }
        return WEXITSTATUS(status);
    }

    // What to put before a shell command so that it runs without root's rights; empty when
    // not root. Nothing when that is not possible here.
    static std::optional<std::string> UnprivilegedPrefix() {
        if (!IsRoot()) {
            return std::string();
        }
        const std::string prefix = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
        if (std::system((prefix + "true 2>/dev/null").c_str()) != 0) {
            return std::nullopt;
        }
        return prefix;
    }

private:
    std::string m_dir;
};

}  // namespace veritom::test
