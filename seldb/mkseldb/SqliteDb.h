#pragma once

#include <sqlite3.h>

#include <string>
#include <vector>

namespace veritom::seldb {

// One prepared statement, finalized with its owner.
class CStatement {
public:
    CStatement(sqlite3* db, const std::string& sql);
    ~CStatement();
    CStatement(const CStatement&) = delete;
    CStatement& operator=(const CStatement&) = delete;

    sqlite3_stmt* Get() const { return m_stmt; }
    // Steps once; true while a row is available. Engine failures throw CBuildError.
    bool Step();
    void Reset();
    void BindText(int index, const std::string& text);
    void BindNull(int index);
    void BindInt64(int index, long long value);
    void BindDouble(int index, double value);
    void BindBlob(int index, const std::vector<unsigned char>& bytes);
    std::string ColumnText(int column) const;
    long long ColumnInt64(int column) const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// An SQLite connection that the builder writes the database through.
class CSqliteDb {
public:
    explicit CSqliteDb(const std::string& path);
    ~CSqliteDb();
    CSqliteDb(const CSqliteDb&) = delete;
    CSqliteDb& operator=(const CSqliteDb&) = delete;

    sqlite3* Get() const { return m_db; }
    // Runs every statement of the text; a failure names the context and the engine's reason.
    void Exec(const std::string& sql, const std::string& context);
    long long QueryInt(const std::string& sql);
    std::string ErrorMessage() const;

private:
    sqlite3* m_db = nullptr;
};

}  // namespace veritom::seldb
