#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace veritom {

// Why a file could not be read or written. Nothing here throws: every failure is a result.
enum class FileError {
    None,
    NotFound,  // no such file, or a folder on the way is missing
    NotAFile,  // a folder, device, pipe or socket: never opened for its contents
    TooLarge,  // longer than the caller's limit
    NoAccess,  // the system denies it (permissions, read-only file system)
    System,    // any other failure of the system, e.g. EIO or ENOSPC; see systemError
};

struct FileResult {
    FileError error = FileError::None;
    int systemError = 0;  // the errno behind a System error (and others where known)

    bool Ok() const { return error == FileError::None; }
};

// The whole regular file at path into bytes, refusing anything longer than limit. Folders,
// devices and pipes are refused without waiting on them. On failure bytes is empty.
FileResult ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes,
                         std::size_t limit);

// At most the first count bytes of the regular file at path (fewer when it is shorter).
FileResult ReadFileHead(const std::string& path, std::vector<std::uint8_t>& bytes,
                        std::size_t count);

// Whether path is a regular file this process can open for reading, for files handed on to
// a library that opens them itself.
FileResult CheckReadableFile(const std::string& path);

// Writes bytes to a new file of its own in the target's folder, flushes it to the disk and
// renames it over path, so a failed write never destroys an existing file and no other file
// is ever written through a name someone else chose. A new file gets 0666 less the umask, a
// replaced one keeps its permissions.
FileResult WriteFileReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes);

// One sentence for the user: what went wrong with path.
std::string DescribeFileError(const FileResult& result, const std::string& path);

}  // namespace veritom
