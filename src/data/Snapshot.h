#pragma once

#include <string>
#include <vector>

#include "data/FieldValue.h"

struct sqlite3_stmt;

namespace veritom {

// Every row of one query result, read at once, so the statement is finished before anyone
// navigates and a record count is always complete.
struct CSnapshot {
    std::vector<std::string> fieldNames;
    std::vector<std::vector<CFieldValue>> rows;
};

// Steps statement to its end and resets it. An engine error raises CDaoException with
// source as its source.
CSnapshot ReadSnapshot(sqlite3_stmt* statement, const std::string& source);

}  // namespace veritom
