#include "Database.h"

#include <sqlite3.h>

#include <cmath>

#include "base/MessageSink.h"
#include "base/Paths.h"
#include "base/StringTable.h"
#include "data/DaoException.h"
#include "data/DataStrings.h"
#include "data/LanguageSource.h"
#include "data/SqlFunctions.h"
#include "data/Statement.h"

namespace veritom {

namespace {

// Another program briefly writing the file should not make the open fail at once.
constexpr int kBusyTimeoutMs = 1000;

bool Execute(sqlite3* db, const char* sql, int& number, std::string& description) {
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        number = rc;
        description = sqlite3_errmsg(db);
        return false;
    }
    return true;
}

// Reading one row takes the file lock, which exclusive locking mode then keeps, and proves
// that the file is an SQLite database with the table of stored queries.
bool CheckStoredQueries(sqlite3* db, int& number, std::string& description) {
    sqlite3_stmt* raw = nullptr;
    int rc =
        sqlite3_prepare_v2(db, "SELECT Name, Sql FROM StoredQueries LIMIT 1", -1, &raw, nullptr);
    const StatementPtr statement(raw);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(raw);
    }
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE) {
        number = rc;
        description = sqlite3_errmsg(db);
        return false;
    }
    return true;
}

}  // namespace

IDatabase::IDatabase(const ILanguageSource& owner) : m_owner(owner) {}

IDatabase::~IDatabase() {
    Close();
}

bool IDatabase::Open(const std::string& directory, const std::string& baseName, bool exclusive,
                     bool readOnly, const std::string& connect) {
    m_directory = directory;
    m_baseName = baseName;
    m_languageCode = m_owner.GetLanguageCode();
    return OpenFile(JoinPath(directory, baseName + m_languageCode + ".mdb"), exclusive, readOnly,
                    connect);
}

bool IDatabase::OpenFile(const std::string& fullPath, bool exclusive, bool readOnly,
                         const std::string& connect) {
    Close();
    m_fullPath = fullPath;
    m_connect = connect;
    int number = 0;
    std::string description;
    if (!Connect(exclusive, readOnly, number, description)) {
        Close();
        MessageBox(DaoErrorText(number, kEngineSource, description + " (" + m_fullPath + ")"),
                   MsgButtons::Ok);
        return false;
    }
    return true;
}

bool IDatabase::Connect(bool exclusive, bool readOnly, int& number, std::string& description) {
    // Never SQLITE_OPEN_CREATE: a missing database is an error, not an empty new file. A
    // connection serves one thread, so the engine's own locking of every call is left out.
    const int flags =
        (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(m_fullPath.c_str(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        number = rc;
        description = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
        return false;
    }
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    if (exclusive && !Execute(m_db, "PRAGMA locking_mode = EXCLUSIVE", number, description)) {
        return false;
    }
    if (!CheckStoredQueries(m_db, number, description)) {
        return false;
    }
    // A database only read is mapped into memory, so reading a page needs no copy into the
    // engine's own cache (long lists read thousands of pages).
    if (readOnly && !Execute(m_db, "PRAGMA mmap_size = 268435456", number, description)) {
        return false;
    }
    // A writable exclusive connection takes the write lock now, so nobody else gets in.
    if (exclusive && !readOnly && !Execute(m_db, "BEGIN EXCLUSIVE; COMMIT", number, description)) {
        return false;
    }
    EnsureSqrtFunction(m_db);
    return true;
}

void IDatabase::Close() {
    if (m_db) {
        // Statements still prepared keep the connection alive until they are finalized.
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

sqlite3* IDatabase::RequireHandle(const std::string& source) const {
    if (!m_db) {
        throw CDaoException(SQLITE_MISUSE, source, LoadString(ids::kEngineDatabaseNotOpen));
    }
    return m_db;
}

std::optional<std::string> IDatabase::FindStoredQuery(const std::string& name) const {
    const StatementPtr statement = PrepareStatement(
        RequireHandle(name),
        "SELECT Sql FROM StoredQueries WHERE Name = ?1 COLLATE NOCASE ORDER BY Name = ?1 DESC "
        "LIMIT 1",
        name);
    sqlite3_bind_text(statement.get(), 1, name.c_str(), static_cast<int>(name.size()),
                      SQLITE_TRANSIENT);
    const int rc = sqlite3_step(statement.get());
    if (rc == SQLITE_DONE) {
        return std::nullopt;
    }
    if (rc != SQLITE_ROW) {
        throw CDaoException(rc, name, sqlite3_errmsg(m_db));
    }
    const auto* text = sqlite3_column_text(statement.get(), 0);
    return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

std::vector<std::string> IDatabase::GetStoredQueryNames() const {
    const StatementPtr statement =
        PrepareStatement(RequireHandle(kEngineSource),
                         "SELECT Name FROM StoredQueries ORDER BY Name", kEngineSource);
    std::vector<std::string> names;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
        const auto* text = sqlite3_column_text(statement.get(), 0);
        names.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
    }
    if (rc != SQLITE_DONE) {
        throw CDaoException(rc, kEngineSource, sqlite3_errmsg(m_db));
    }
    return names;
}

}  // namespace veritom
