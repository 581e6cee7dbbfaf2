#pragma once

#include <map>
#include <string>
#include <vector>

namespace veritom {

// What the selection report prints: key name to its texts. The record's values each add one
// key holding a one-element array; writing a key again replaces its entry.
using CReportMap = std::map<std::string, std::vector<std::string>>;

}  // namespace veritom
