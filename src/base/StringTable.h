#pragma once

#include <map>
#include <string>
#include <string_view>

namespace veritom {

using StringMap = std::map<int, std::string>;

// Parses the "ID<TAB>text" form of res/strings.txt. On a bad line returns false and,
// when error is given, says which line and why.
bool ParseStringTable(std::string_view source, StringMap& out, std::string* error = nullptr);

// The program's own (English) table, compiled in.
const StringMap& ProgramStringTable();

// Makes table the installed language's table; an empty table leaves only the program's own.
void InstallLanguageTable(StringMap table);

// Text of the installed language table, else of the program's own table, else empty.
std::string LoadString(int id);

}  // namespace veritom
