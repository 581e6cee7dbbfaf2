#include "Paths.h"

namespace veritom {

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty() || dir.back() == '/' || dir.back() == '\\') {
        return dir + name;
    }
    return dir + '/' + name;
}

}  // namespace veritom
