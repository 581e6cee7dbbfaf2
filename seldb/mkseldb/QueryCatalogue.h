#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "SqliteDb.h"

namespace veritom::seldb {

// The stored queries of the database: one file per query under queries/, named in
// queries/queries.txt. A line "-- @include NAME" is replaced by the fragment
// queries/include/NAME.sql (fragments are named in queries/include/fragments.txt).
// Each query is prepared against the finished tables before it is stored, so a query that
// the engine rejects stops the build with its name.
class CQueryCatalogue {
public:
    explicit CQueryCatalogue(std::string sourceDir);

    // Reads the manifests and the query files and expands the fragments.
    void Read();
    // Prepares every query on the database, checks its parameters and stores it.
    void Store(CSqliteDb& db) const;

    const std::map<std::string, std::string>& Queries() const { return m_queries; }

    // Expands the fragment lines of one query text; exposed for tests.
    std::string Expand(const std::string& text, const std::string& queryName,
                       std::vector<std::string>& stack) const;
    // Names of the parameters a prepared query declares, as written (":parX", "?").
    static std::vector<std::string> DeclaredParameters(sqlite3_stmt* statement);

private:
    std::string ReadFragment(const std::string& name, const std::string& queryName) const;
    static void Validate(sqlite3* db, const std::string& name, const std::string& sql);

    std::string m_sourceDir;
    std::set<std::string> m_fragmentNames;
    std::map<std::string, std::string> m_queries;
};

// Reads a manifest: one name a line, blank lines and "#" comments skipped.
std::vector<std::string> ReadManifest(const std::string& path);
std::string ReadTextFile(const std::string& path);

}  // namespace veritom::seldb
