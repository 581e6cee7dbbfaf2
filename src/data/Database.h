#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/LanguageSource.h"

struct sqlite3;

namespace veritom {

// The selection database: one SQLite file per interface language whose stored queries are
// the rows of StoredQueries(Name, Sql). Opening checks all of that at once, so a wrong file
// fails here with a message and never later at the first query.
class IDatabase {
public:
    explicit IDatabase(const ILanguageSource& owner);
    virtual ~IDatabase();
    IDatabase(const IDatabase&) = delete;
    IDatabase& operator=(const IDatabase&) = delete;

    // Opens directory/baseName + the owner's language code + ".mdb". Exclusive keeps the
    // file locked for this connection's lifetime (read-only: other readers still get in);
    // read-only never creates or changes a file. A failure shows the engine's error box and
    // leaves the database closed. An open database is closed first.
    bool Open(const std::string& directory, const std::string& baseName, bool exclusive,
              bool readOnly, const std::string& connect);
    // The same with the file named in full (the command line's --db).
    bool OpenFile(const std::string& fullPath, bool exclusive, bool readOnly,
                  const std::string& connect);
    void Close();
    bool IsOpen() const { return m_db != nullptr; }

    const std::string& GetDirectory() const { return m_directory; }
    const std::string& GetBaseName() const { return m_baseName; }
    // The language code at the last Open.
    const std::string& GetLanguageCode() const { return m_languageCode; }
    const std::string& GetFullPath() const { return m_fullPath; }
    // Kept as given: an SQLite file has no password.
    const std::string& GetConnect() const { return m_connect; }

    // The statement text of the stored query name (names match regardless of case, an exact
    // match first), or nothing. Raises CDaoException when the database is closed.
    std::optional<std::string> FindStoredQuery(const std::string& name) const;
    // Every stored query's name, in name order.
    std::vector<std::string> GetStoredQueryNames() const;

    // The open connection, or nullptr.
    sqlite3* Handle() const { return m_db; }
    // The open connection; raises CDaoException, with source as its source, when closed.
    sqlite3* RequireHandle(const std::string& source) const;

private:
    bool Connect(bool exclusive, bool readOnly, int& number, std::string& description);

    const ILanguageSource& m_owner;
    std::string m_directory;
    std::string m_baseName;
    std::string m_languageCode;
    std::string m_fullPath;
    std::string m_connect;
    sqlite3* m_db = nullptr;
};

}  // namespace veritom
