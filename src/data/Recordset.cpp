#include "Recordset.h"

#include <sqlite3.h>

#include <algorithm>
#include <utility>

#include "base/Format.h"
#include "base/NameMatch.h"
#include "base/StringTable.h"
#include "data/DaoException.h"
#include "data/DataStrings.h"
#include "data/Database.h"
#include "data/Query.h"
#include "data/QueryDef.h"
#include "data/Statement.h"

namespace veritom {

IRecordset::IRecordset(IDatabase& db) : m_db(db) {}

IRecordset::~IRecordset() = default;

void IRecordset::Open(IQueryDef& query, OpenType, int) {
    Close();
    m_source = query.GetName();
    m_snapshot = query.Execute();
    m_fieldCount = static_cast<std::int32_t>(m_snapshot.fieldNames.size());
    m_position = 0;
    m_open = true;
}

void IRecordset::Open(CQuery& query, OpenType type, int options) {
    Open(static_cast<IQueryDef&>(query), type, options);
    ResolveDeclaredFields(query.Info());
}

void IRecordset::ResolveDeclaredFields(const CQueryInfo& info) {
    m_declaredQuery = info.id;
    m_declaredPositions.clear();
    for (const QueryField& field : info.fields) {
        const bool byPosition = field.name.empty();
        const bool inResult = byPosition && field.position >= 0 && field.position < m_fieldCount;
        m_declaredPositions.push_back(byPosition ? (inResult ? field.position : -1)
                                                 : FindFieldPosition(field.name));
    }
}

void IRecordset::Open(OpenType, const std::string& sql, int) {
    Close();
    m_source = kEngineSource;
    const StatementPtr statement =
        PrepareStatement(m_db.RequireHandle(kEngineSource), sql, kEngineSource);
    if (sqlite3_bind_parameter_count(statement.get()) > 0) {
        const char* declared = sqlite3_bind_parameter_name(statement.get(), 1);
        throw CDaoException(SQLITE_RANGE, kEngineSource,
                            Format(LoadString(ids::kEngineParameterNotSet),
                                   std::string(declared ? declared : "?")));
    }
    m_snapshot = ReadSnapshot(statement.get(), kEngineSource);
    m_fieldCount = static_cast<std::int32_t>(m_snapshot.fieldNames.size());
    m_position = 0;
    m_open = true;
}

void IRecordset::Close() {
    m_open = false;
    m_declaredQuery = 0;
    m_declaredPositions.clear();
    m_snapshot = CSnapshot();
    m_fieldCount = 0;
    m_position = 0;
}

bool IRecordset::IsBOF() const {
    RequireOpen();
    return m_snapshot.rows.empty() || m_position < 0;
}

bool IRecordset::IsEOF() const {
    RequireOpen();
    return m_snapshot.rows.empty() ||
           m_position >= static_cast<std::int64_t>(m_snapshot.rows.size());
}

void IRecordset::MoveFirst() {
    RequireOpen();
    if (m_snapshot.rows.empty()) {
        throw CDaoException(SQLITE_MISUSE, m_source, LoadString(ids::kEngineNoCurrentRecord));
    }
    m_position = 0;
}

void IRecordset::MoveLast() {
    RequireOpen();
    if (m_snapshot.rows.empty()) {
        throw CDaoException(SQLITE_MISUSE, m_source, LoadString(ids::kEngineNoCurrentRecord));
    }
    m_position = static_cast<std::int64_t>(m_snapshot.rows.size()) - 1;
}

void IRecordset::MoveNext() {
    if (IsEOF()) {
        throw CDaoException(SQLITE_MISUSE, m_source, LoadString(ids::kEngineNoCurrentRecord));
    }
    ++m_position;
}

void IRecordset::MovePrev() {
    if (IsBOF()) {
        throw CDaoException(SQLITE_MISUSE, m_source, LoadString(ids::kEngineNoCurrentRecord));
    }
    --m_position;
}

std::int32_t IRecordset::GetRecordCount() const {
    RequireOpen();
    return static_cast<std::int32_t>(m_snapshot.rows.size());
}

const std::string& IRecordset::GetFieldName(int position) const {
    RequireOpen();
    if (position < 0 || position >= m_fieldCount) {
        throw CDaoException(SQLITE_RANGE, m_source,
                            Format(LoadString(ids::kEngineNoSuchFieldPosition), position));
    }
    return m_snapshot.fieldNames[static_cast<std::size_t>(position)];
}

const CFieldValue& IRecordset::GetFieldValue(const std::string& name) const {
    const int position = FieldPosition(name);
    return CurrentRow()[static_cast<std::size_t>(position)];
}

const CFieldValue& IRecordset::GetFieldValue(int position) const {
    const auto& row = CurrentRow();
    if (position < 0 || position >= m_fieldCount) {
        throw CDaoException(SQLITE_RANGE, m_source,
                            Format(LoadString(ids::kEngineNoSuchFieldPosition), position));
    }
    return row[static_cast<std::size_t>(position)];
}

std::string IRecordset::GetString(const std::string& name) const {
    return AsString(GetFieldValue(name));
}

std::string IRecordset::GetString(int position) const {
    const CFieldValue* value = FieldAt(position, "IRecordset::GetString : Index out of range");
    return value ? AsString(*value) : std::string();
}

std::int32_t IRecordset::GetInt(const std::string& name) const {
    return AsInteger(GetFieldValue(name), "IRecordset::GetInt : Not Integer Type");
}

std::int32_t IRecordset::GetInt(int position) const {
    const CFieldValue* value = FieldAt(position, "IRecordset::GetInt : Index out of range");
    return value ? AsInteger(*value, "IRecordset::GetInt : Not Integer Type") : 0;
}

std::int32_t IRecordset::GetLong(const std::string& name) const {
    return AsInteger(GetFieldValue(name), "IRecordset::GetLong : Not Integer Type");
}

std::int32_t IRecordset::GetLong(int position) const {
    const CFieldValue* value = FieldAt(position, "IRecordset::GetLong : Index out of range");
    return value ? AsInteger(*value, "IRecordset::GetLong : Not Integer Type") : 0;
}

double IRecordset::GetDouble(const std::string& name) const {
    return AsNumber(GetFieldValue(name), "IRecordset::GetDouble : Not Numeric Type");
}

double IRecordset::GetDouble(int position) const {
    const CFieldValue* value = FieldAt(position, "IRecordset::GetDouble : Index out of range");
    return value ? AsNumber(*value, "IRecordset::GetDouble : Not Numeric Type") : 0.0;
}

float IRecordset::GetFloat(const std::string& name) const {
    return static_cast<float>(
        AsNumber(GetFieldValue(name), "IRecordset::GetFloat : Not Numeric Type"));
}

float IRecordset::GetFloat(int position) const {
    const CFieldValue* value = FieldAt(position, "IRecordset::GetFloat : Index out of range");
    return value ? static_cast<float>(AsNumber(*value, "IRecordset::GetFloat : Not Numeric Type"))
                 : 0.0f;
}

bool IRecordset::GetBool(const std::string& name) const {
    return AsBool(GetFieldValue(name));
}

bool IRecordset::GetBool(int position) const {
    const CFieldValue* value = FieldAt(position, "IRecordset::GetBool : Index out of range");
    return value ? AsBool(*value) : false;
}

Currency IRecordset::GetCurrency(const std::string& name) const {
    return AsCurrency(GetFieldValue(name));
}

Currency IRecordset::GetCurrency(int position) const {
    const CFieldValue* value = FieldAt(position, "IRecordset::GetCurrency : Index out of range");
    return value ? AsCurrency(*value) : Currency();
}

DateTime IRecordset::GetDateTime(const std::string& name) const {
    return AsDateTime(GetFieldValue(name));
}

DateTime IRecordset::GetDateTime(int position) const {
    const CFieldValue* value = FieldAt(position, "IRecordset::GetDateTime : Index out of range");
    return value ? AsDateTime(*value) : DateTime();
}

int IRecordset::DeclaredPosition(FieldRef field, std::initializer_list<FieldRead> reads) const {
    RequireOpen();
    const bool readAsDeclared = std::find(reads.begin(), reads.end(), field.read) != reads.end();
    if (field.query != m_declaredQuery || field.index >= m_declaredPositions.size() ||
        !readAsDeclared) {
        throw CDaoException(SQLITE_MISUSE, m_source,
                            Format(LoadString(ids::kEngineUndeclaredUse), m_source));
    }
    const int position = m_declaredPositions[field.index];
    if (position < 0) {
        throw CDaoException(SQLITE_NOTFOUND, m_source,
                            Format(LoadString(ids::kEngineNoSuchField), m_source));
    }
    return position;
}

const CFieldValue& IRecordset::GetFieldValue(FieldRef field) const {
    return GetFieldValue(DeclaredPosition(
        field, {FieldRead::Text, FieldRead::Int, FieldRead::Number, FieldRead::Bytes}));
}

std::string IRecordset::GetString(FieldRef field) const {
    return GetString(DeclaredPosition(field, {FieldRead::Text}));
}

std::int32_t IRecordset::GetInt(FieldRef field) const {
    return GetInt(DeclaredPosition(field, {FieldRead::Int}));
}

double IRecordset::GetDouble(FieldRef field) const {
    return GetDouble(DeclaredPosition(field, {FieldRead::Number, FieldRead::Int}));
}

float IRecordset::GetFloat(FieldRef field) const {
    return GetFloat(DeclaredPosition(field, {FieldRead::Number, FieldRead::Int}));
}

ByteArray IRecordset::GetBytes(FieldRef field) const {
    ByteArray bytes;
    CopyBinaryToGlobal(GetFieldValue(DeclaredPosition(field, {FieldRead::Bytes})), bytes);
    return bytes;
}

bool IRecordset::CopyBinaryToGlobal(const CFieldValue& value, ByteArray& block) {
    const ByteArray* bytes = value.Get<ByteArray>();
    if (!bytes) {
        return false;
    }
    block = *bytes;
    return true;
}

void IRecordset::OnFieldError(const std::string&) const {}

void IRecordset::RequireOpen() const {
    if (!m_open) {
        throw CDaoException(SQLITE_MISUSE, m_source.empty() ? kEngineSource : m_source,
                            LoadString(ids::kEngineNotOpen));
    }
}

void IRecordset::RequireCurrentRecord() const {
    if (IsBOF() || IsEOF()) {
        throw CDaoException(SQLITE_MISUSE, m_source, LoadString(ids::kEngineNoCurrentRecord));
    }
}

const std::vector<CFieldValue>& IRecordset::CurrentRow() const {
    RequireCurrentRecord();
    return m_snapshot.rows[static_cast<std::size_t>(m_position)];
}

const CFieldValue* IRecordset::FieldAt(int position, const char* outOfRange) const {
    const auto& row = CurrentRow();
    if (position < 0 || position >= m_fieldCount) {
        OnFieldError(outOfRange);
        return nullptr;
    }
    return &row[static_cast<std::size_t>(position)];
}

int IRecordset::FindFieldPosition(std::string_view name) const {
    int caseInsensitiveMatch = -1;
    for (int i = 0; i < m_fieldCount; ++i) {
        const std::string& field = m_snapshot.fieldNames[static_cast<std::size_t>(i)];
        if (field == name) {
            return i;
        }
        if (caseInsensitiveMatch < 0 && EqualNoCase(field, name)) {
            caseInsensitiveMatch = i;
        }
    }
    return caseInsensitiveMatch;
}

int IRecordset::FieldPosition(const std::string& name) const {
    RequireOpen();
    const int position = FindFieldPosition(name);
    if (position < 0) {
        throw CDaoException(SQLITE_NOTFOUND, m_source,
                            Format(LoadString(ids::kEngineNoSuchField), name));
    }
    return position;
}

std::string IRecordset::AsString(const CFieldValue& value) const {
    if (const auto* text = value.Get<std::string>()) {
        return *text;
    }
    OnFieldError("IRecordset::GetString : Not String Type");
    return std::string();
}

std::int32_t IRecordset::AsInteger(const CFieldValue& value, const char* mismatch) const {
    if (const auto* small = value.Get<std::int16_t>()) {
        return *small;
    }
    if (const auto* integer = value.Get<std::int32_t>()) {
        return *integer;
    }
    OnFieldError(mismatch);
    return 0;
}

double IRecordset::AsNumber(const CFieldValue& value, const char* mismatch) const {
    if (const auto* small = value.Get<std::int16_t>()) {
        return *small;
    }
    if (const auto* integer = value.Get<std::int32_t>()) {
        return *integer;
    }
    if (const auto* single = value.Get<float>()) {
        return *single;
    }
    if (const auto* real = value.Get<double>()) {
        return *real;
    }
    OnFieldError(mismatch);
    return 0.0;
}

bool IRecordset::AsBool(const CFieldValue& value) const {
    if (const auto* flag = value.Get<bool>()) {
        return *flag;
    }
    OnFieldError("IRecordset::GetBool : Not Logical Type");
    return false;
}

Currency IRecordset::AsCurrency(const CFieldValue& value) const {
    if (const auto* money = value.Get<Currency>()) {
        return *money;
    }
    OnFieldError("IRecordset::GetCurrency : Not Currency Type");
    return Currency();
}

DateTime IRecordset::AsDateTime(const CFieldValue& value) const {
    if (const auto* date = value.Get<DateTime>()) {
        return *date;
    }
    OnFieldError("IRecordset::GetDateTime: Not Date Type");
    return DateTime();
}

}  // namespace veritom
