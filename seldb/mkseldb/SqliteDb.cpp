#include "SqliteDb.h"

#include <cmath>

#include "data/SqlFunctions.h"

#include "BuildError.h"

namespace veritom::seldb {

CStatement::CStatement(sqlite3* db, const std::string& sql) : m_db(db) {
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &m_stmt, nullptr) !=
        SQLITE_OK) {
        throw CBuildError(sqlite3_errmsg(db));
    }
    if (m_stmt == nullptr) {
        throw CBuildError("the statement is empty");
    }
}

CStatement::~CStatement() {
    sqlite3_finalize(m_stmt);
}

bool CStatement::Step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    throw CBuildError(sqlite3_errmsg(m_db));
}

void CStatement::Reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

void CStatement::BindText(int index, const std::string& text) {
    sqlite3_bind_text(m_stmt, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void CStatement::BindNull(int index) {
    sqlite3_bind_null(m_stmt, index);
}

void CStatement::BindInt64(int index, long long value) {
    sqlite3_bind_int64(m_stmt, index, value);
}

void CStatement::BindDouble(int index, double value) {
    sqlite3_bind_double(m_stmt, index, value);
}

void CStatement::BindBlob(int index, const std::vector<unsigned char>& bytes) {
    sqlite3_bind_blob(m_stmt, index, bytes.data(), static_cast<int>(bytes.size()),
                      SQLITE_TRANSIENT);
}

std::string CStatement::ColumnText(int column) const {
    const unsigned char* text = sqlite3_column_text(m_stmt, column);
    return text == nullptr ? std::string()
                           : std::string(reinterpret_cast<const char*>(text),
                                         static_cast<size_t>(sqlite3_column_bytes(m_stmt, column)));
}

long long CStatement::ColumnInt64(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

CSqliteDb::CSqliteDb(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const std::string reason = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw CBuildError("cannot create " + path + ": " + reason);
    }
    sqlite3_extended_result_codes(m_db, 1);
    veritom::EnsureSqrtFunction(m_db);
}

CSqliteDb::~CSqliteDb() {
    sqlite3_close(m_db);
}

void CSqliteDb::Exec(const std::string& sql, const std::string& context) {
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string reason = error ? error : sqlite3_errmsg(m_db);
        sqlite3_free(error);
        throw CBuildError(context + ": " + reason);
    }
}

long long CSqliteDb::QueryInt(const std::string& sql) {
    CStatement statement(m_db, sql);
    return statement.Step() ? statement.ColumnInt64(0) : 0;
}

std::string CSqliteDb::ErrorMessage() const {
    return sqlite3_errmsg(m_db);
}

}  // namespace veritom::seldb
