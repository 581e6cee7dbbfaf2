#include "FileIo.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <system_error>

#include "base/BaseStrings.h"
#include "base/Format.h"
#include "base/StringTable.h"

namespace veritom {

namespace {

constexpr std::size_t kChunk = 64 * 1024;
constexpr int kTemporaryNameAttempts = 100;

FileResult FromErrno(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return {FileError::NotFound, error};
        case EISDIR:
        case ENXIO:
        case ENODEV:
            return {FileError::NotAFile, error};
        case EACCES:
        case EPERM:
        case EROFS:
            return {FileError::NoAccess, error};
        case EFBIG:
            return {FileError::TooLarge, error};
        default:
            return {FileError::System, error};
    }
}

FileResult LastError() {
    return FromErrno(errno);
}

// Closes its descriptor on every way out.
class CFileDescriptor {
public:
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    ~CFileDescriptor() { Close(); }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;

    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    void Reset(int fd) {
        Close();
        m_fd = fd;
    }
    // False when closing reports a failure, which for a written file may be a lost write.
    bool Close() {
        if (m_fd < 0) {
            return true;
        }
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// Opening never waits: O_NONBLOCK keeps a FIFO without a writer from blocking, and what is
// not a regular file is refused before anything is read from it.
FileResult OpenRegularFile(const std::string& path, CFileDescriptor& file) {
    file.Reset(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.IsOpen()) {
        return LastError();
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) {
        return LastError();
    }
    if (!S_ISREG(info.st_mode)) {
        return {FileError::NotAFile, 0};
    }
    return {};
}

// Reads until the end of the file, or until limit bytes have come (one more when a longer
// file is a failure), retrying after signals.
FileResult ReadOpenFile(int fd, std::vector<std::uint8_t>& bytes, std::size_t limit,
                        bool failWhenLonger) {
    const std::size_t wanted = failWhenLonger ? limit + 1 : limit;
    while (bytes.size() < wanted) {
        const std::size_t start = bytes.size();
        const std::size_t step = std::min(kChunk, wanted - start);
        bytes.resize(start + step);
        const ssize_t got = ::read(fd, bytes.data() + start, step);
        if (got < 0) {
            bytes.resize(start);
            if (errno == EINTR) {
                continue;
            }
            return LastError();
        }
        bytes.resize(start + static_cast<std::size_t>(got));
        if (got == 0) {
            break;
        }
    }
    if (failWhenLonger && bytes.size() > limit) {
        return {FileError::TooLarge, 0};
    }
    return {};
}

FileResult ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::size_t limit,
                    bool failWhenLonger) {
    bytes.clear();
    CFileDescriptor file(-1);
    FileResult result = OpenRegularFile(path, file);
    if (result.Ok()) {
        result = ReadOpenFile(file.Get(), bytes, limit, failWhenLonger);
    }
    if (!result.Ok()) {
        bytes.clear();
    }
    return result;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Letters nobody can know in advance; should the system have no randomness to give, the
// clock and a counter still make each name new (O_EXCL keeps even a guessed one safe).
std::string RandomLetters(std::size_t count) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::uint64_t counter = 0;
    std::vector<unsigned char> noise(count);
    if (::getrandom(noise.data(), noise.size(), GRND_NONBLOCK) != static_cast<ssize_t>(count)) {
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        std::uint64_t mix = static_cast<std::uint64_t>(now.tv_nsec) ^
                            (static_cast<std::uint64_t>(::getpid()) << 32) ^ ++counter;
        for (unsigned char& byte : noise) {
            mix = mix * 6364136223846793005u + 1442695040888963407u;
            byte = static_cast<unsigned char>(mix >> 56);
        }
    }
    std::string letters;
    for (const unsigned char byte : noise) {
        letters += kLetters[byte % (sizeof kLetters - 1)];
    }
    return letters;
}

// A file of a new name beside path, made with O_EXCL so that an existing file or a planted
// symbolic link makes the attempt fail instead of being written through.
int CreateTemporaryBeside(const std::string& path, std::string& temporary) {
    // Short enough that the name stays within NAME_MAX however long the target's is.
    const std::string prefix = FolderOf(path) + "/." + NameOf(path).substr(0, 200) + ".";
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary = prefix + RandomLetters(10);
        const int fd =
            ::open(temporary.c_str(),
                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// The target's own permissions when it is a regular file already, else nothing to do.
bool KeepPermissions(int fd, const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return true;
    }
    return ::fchmod(fd, info.st_mode & 07777) == 0;
}

// The rename is only durable once the folder itself is on the disk; a folder that cannot be
// synchronised (some file systems refuse) does not undo a write that has already happened.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

FileResult ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes,
                         std::size_t limit) {
    return ReadFile(path, bytes, limit, true);
}

FileResult ReadFileHead(const std::string& path, std::vector<std::uint8_t>& bytes,
                        std::size_t count) {
    return ReadFile(path, bytes, count, false);
}

FileResult CheckReadableFile(const std::string& path) {
    CFileDescriptor file(-1);
    return OpenRegularFile(path, file);
}

FileResult WriteFileReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    struct stat target {};
    if (::lstat(path.c_str(), &target) == 0 && !S_ISREG(target.st_mode) &&
        !S_ISLNK(target.st_mode)) {
        return {FileError::NotAFile, 0};
    }
    std::string temporary;
    CFileDescriptor file(CreateTemporaryBeside(path, temporary));
    if (!file.IsOpen()) {
        return LastError();
    }
    FileResult result;
    if (!KeepPermissions(file.Get(), path) || !WriteAll(file.Get(), bytes) ||
        ::fsync(file.Get()) != 0) {
        result = LastError();
    }
    if (!file.Close() && result.Ok()) {
        result = LastError();
    }
    if (result.Ok() && ::rename(temporary.c_str(), path.c_str()) != 0) {
        result = LastError();
    }
    if (!result.Ok()) {
        ::unlink(temporary.c_str());
        return result;
    }
    SyncFolder(FolderOf(path));
    return result;
}

std::string DescribeFileError(const FileResult& result, const std::string& path) {
    switch (result.error) {
        case FileError::None:
            return std::string();
        case FileError::NotFound:
            return Format(LoadString(ids::kFileNotFound), path);
        case FileError::NotAFile:
            return Format(LoadString(ids::kFileNotAFile), path);
        case FileError::TooLarge:
            return Format(LoadString(ids::kFileTooLarge), path);
        case FileError::NoAccess:
            return Format(LoadString(ids::kFileNoAccess), path);
        case FileError::System:
            break;
    }
    return Format(LoadString(ids::kFileSystemError), path,
                  std::error_code(result.systemError, std::generic_category()).message());
}

}  // namespace veritom
