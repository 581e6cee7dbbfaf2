#pragma once

#include <string>

namespace veritom {

// Joins a directory and a name with one separator, whether or not dir already ends with one.
std::string JoinPath(const std::string& dir, const std::string& name);

}  // namespace veritom
