#pragma once

#include <string>
#include <vector>

namespace veritom::cli {

// A text as one tab-separated field: backslash, tab and line ends are escaped, so each item
// stays on one line even when a database or record text holds them.
std::string EscapeField(const std::string& text);

// Prints the items as one line of escaped, tab-separated fields.
void PrintFields(const std::vector<std::string>& items);

}  // namespace veritom::cli
