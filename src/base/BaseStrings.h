#pragma once

// String table ids of the bottom layer: why a file could not be read or written.
namespace veritom::ids {

inline constexpr int kFileNotFound = 22300;     // "%s does not exist."
inline constexpr int kFileNotAFile = 22301;     // "%s is a folder, a device or a pipe, not a file."
inline constexpr int kFileTooLarge = 22302;     // "%s is too large."
inline constexpr int kFileNoAccess = 22303;     // "Access to %s is denied."
inline constexpr int kFileSystemError = 22304;  // "The system reported an error with %s: %s."

}  // namespace veritom::ids
