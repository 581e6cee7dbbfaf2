#pragma once

#include <cstddef>
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

// Far above the largest list of the catalogue: a query that returns more has gone wrong
// (a damaged or tampered database) and must not fill the memory.
inline constexpr std::size_t kSnapshotRowLimit = 5'000'000;

// Steps statement to its end and resets it. An engine error, or more rows than maxRows,
// raises CDaoException with source as its source.
CSnapshot ReadSnapshot(sqlite3_stmt* statement, const std::string& source,
                       std::size_t maxRows = kSnapshotRowLimit);

}  // namespace veritom
