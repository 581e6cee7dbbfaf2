#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/FieldValue.h"

struct sqlite3_stmt;

namespace veritom {

// The field kind a declared column type stands for ("SMALLINT", "VARCHAR(50)", "YESNO"...),
// or nothing for a type the engine's own kinds do not name.
std::optional<FieldKind> KindOfDeclaredType(std::string_view declared);

// The value of one column of the statement's current row. The declared column type decides
// the kind where it can hold the stored value; otherwise SQLite's storage class does, so no
// value is ever truncated (a 16-bit column holding 70000 reads as a 32-bit integer).
CFieldValue ReadColumnValue(sqlite3_stmt* statement, int column);

// "YYYY-MM-DD", optionally followed by " HH:MM", ":SS", fractional seconds and "Z"
// (a "T" may stand for the blank); nothing for any other text or an impossible date.
std::optional<DateTime> ParseDateTime(std::string_view text);
// "YYYY-MM-DD HH:MM:SS".
std::string FormatDateTime(DateTime value);

}  // namespace veritom
