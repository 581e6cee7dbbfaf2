#pragma once

#include <string>

namespace veritom {

// Joins a directory and a name with one separator, whether or not dir already ends with one.
std::string JoinPath(const std::string& dir, const std::string& name);

// Whether path starts at the root; a relative path would depend on the working directory.
bool IsAbsolutePath(const std::string& path);

// Whether name is the plain name of a file: no folder part, no "." or "..", nothing that
// reads as an address.
bool IsPlainFileName(const std::string& name);

// Whether path names a regular file this process may read (no folder, device or FIFO).
bool IsReadableFile(const std::string& path);

}  // namespace veritom
