#pragma once

#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace veritom {

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const;
};

// A prepared statement, finalized when it goes.
using StatementPtr = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Prepares the one statement of sql. A syntax or schema error, an empty text and a text
// holding a second statement (which would silently never run) raise CDaoException with
// source as its source.
StatementPtr PrepareStatement(sqlite3* db, std::string_view sql, const std::string& source);

// The source of engine failures that belong to no query.
inline constexpr const char* kEngineSource = "SQLite";

}  // namespace veritom
