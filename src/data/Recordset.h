#pragma once

#include <cstdint>
#include <string>

#include "data/FieldValue.h"
#include "data/QueryDecl.h"
#include "data/Snapshot.h"

namespace veritom {

class CQuery;
class IDatabase;
class IQueryDef;

// The program only reads, so both open types read the whole result at open.
enum class OpenType { Dynaset = 2, Snapshot = 4 };
inline constexpr int kOpenReadOnly = 4;

// A query result with the engine's navigation and typed field getters. Moving without a
// current record, an unknown field name or an engine error raise CDaoException; a field of
// the wrong kind (Null included) or a position out of range is handed to OnFieldError and
// reads as the getter's zero value, so a Null text reads as "" and a Null number as 0.
class IRecordset {
public:
    explicit IRecordset(IDatabase& db);
    virtual ~IRecordset();
    IRecordset(const IRecordset&) = delete;
    IRecordset& operator=(const IRecordset&) = delete;

    // Runs query with the parameters set on it. An open recordset is closed first, so one
    // recordset serves a dialog's successive queries.
    void Open(IQueryDef& query, OpenType type = OpenType::Snapshot, int options = 0);
    // Runs a declared query and finds its declared fields' positions once, for the getters
    // that take a field handle.
    void Open(CQuery& query, OpenType type = OpenType::Snapshot, int options = 0);
    // Runs a statement text of the engine (fixed lookups such as "RefHelpNames").
    void Open(OpenType type, const std::string& sql, int options = 0);
    void Close();
    bool IsOpen() const { return m_open; }

    // An empty result is both before-first and after-last.
    bool IsBOF() const;
    bool IsEOF() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrev();
    // Always complete: every record was read at open.
    std::int32_t GetRecordCount() const;
    std::int32_t GetFieldCount() const { return m_fieldCount; }
    const std::string& GetFieldName(int position) const;

    // The current record's value, whatever its kind.
    const CFieldValue& GetFieldValue(const std::string& name) const;
    const CFieldValue& GetFieldValue(int position) const;

    std::string GetString(const std::string& name) const;
    std::string GetString(int position) const;
    std::int32_t GetInt(const std::string& name) const;
    std::int32_t GetInt(int position) const;
    std::int32_t GetLong(const std::string& name) const;
    std::int32_t GetLong(int position) const;
    double GetDouble(const std::string& name) const;
    double GetDouble(int position) const;
    float GetFloat(const std::string& name) const;
    float GetFloat(int position) const;
    bool GetBool(const std::string& name) const;
    bool GetBool(int position) const;
    Currency GetCurrency(const std::string& name) const;
    Currency GetCurrency(int position) const;
    DateTime GetDateTime(const std::string& name) const;
    DateTime GetDateTime(int position) const;

    // The declared fields of the query opened last, read the way they are declared: a
    // handle of another query or read another way is the caller's fault and raises
    // CDaoException, as does a declared field the result lacks.
    const CFieldValue& GetFieldValue(FieldRef field) const;
    std::string GetString(FieldRef field) const;
    std::int32_t GetInt(FieldRef field) const;
    double GetDouble(FieldRef field) const;
    float GetFloat(FieldRef field) const;
    ByteArray GetBytes(FieldRef field) const;

    // Copies a byte-array value into block, which the caller owns. Any other kind returns
    // false and leaves block untouched.
    static bool CopyBinaryToGlobal(const CFieldValue& value, ByteArray& block);

protected:
    // Receives the type-mismatch and position messages of the getters; they are discarded.
    virtual void OnFieldError(const std::string& message) const;

private:
    void RequireOpen() const;
    void RequireCurrentRecord() const;
    const std::vector<CFieldValue>& CurrentRow() const;
    // The value at position, or nullptr after reporting outOfRange to OnFieldError.
    const CFieldValue* FieldAt(int position, const char* outOfRange) const;
    int FieldPosition(const std::string& name) const;
    // The position of a name, exact match first, or -1.
    int FindFieldPosition(std::string_view name) const;
    void ResolveDeclaredFields(const CQueryInfo& info);
    int DeclaredPosition(FieldRef field, std::initializer_list<FieldRead> reads) const;

    std::string AsString(const CFieldValue& value) const;
    std::int32_t AsInteger(const CFieldValue& value, const char* mismatch) const;
    double AsNumber(const CFieldValue& value, const char* mismatch) const;
    bool AsBool(const CFieldValue& value) const;
    Currency AsCurrency(const CFieldValue& value) const;
    DateTime AsDateTime(const CFieldValue& value) const;

    IDatabase& m_db;
    std::string m_source;  // the query name, for engine failures
    CSnapshot m_snapshot;
    bool m_open = false;
    std::int32_t m_fieldCount = 0;
    std::int64_t m_position = 0;  // -1 before the first record, the row count after the last
    std::uint32_t m_declaredQuery = 0;
    std::vector<int> m_declaredPositions;  // by declared field index; -1: not in the result
};

}  // namespace veritom
