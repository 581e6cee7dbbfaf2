#include "Paths.h"

#include <unistd.h>

#include <filesystem>

namespace veritom {

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty() || dir.back() == '/' || dir.back() == '\\') {
        return dir + name;
    }
    return dir + '/' + name;
}

bool IsAbsolutePath(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string::npos;
}

bool IsReadableFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error) &&
           ::access(path.c_str(), R_OK) == 0;
}

}  // namespace veritom
