#pragma once

#include <string>
#include <vector>

namespace veritom::cli {

// A text as one tab-separated field: backslash, tab and line ends are escaped, so each item
// stays on one line even when a database or record text holds them.
std::string EscapeField(const std::string& text);

// Bytes as one field that gives them back exactly: escaped as EscapeField does, and every
// other control byte and every byte that is not part of a valid UTF-8 character as \xHH.
std::string EscapeBytes(const std::string& bytes);

// Prints the items as one line of escaped, tab-separated fields.
void PrintFields(const std::vector<std::string>& items);

}  // namespace veritom::cli
