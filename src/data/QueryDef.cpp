#include "data/QueryDef.h"

#include <sqlite3.h>

#include <cctype>
#include <charconv>
#include <utility>

#include "base/Format.h"
#include "base/NameMatch.h"
#include "base/StringTable.h"
#include "data/ColumnReader.h"
#include "data/DaoException.h"
#include "data/DataStrings.h"
#include "data/Database.h"

namespace veritom {

namespace {

// A 32-bit float parameter is the number the user typed: widened through its shortest
// decimal form, 0.3f binds as 0.3 and not as 0.30000001192..., so a value equal to a
// stored limit still passes a comparison with it.
double WidenAsTyped(float value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double widened = value;
    if (written.ec == std::errc()) {
        std::from_chars(text, written.ptr, widened);
    }
    return widened;
}

// SQLite names a parameter with its prefix (":", "@" or "$"); the program's names carry
// none, so the prefix is left out of the comparison.
std::string_view WithoutPrefix(const char* declared) {
    return declared && *declared ? std::string_view(declared + 1) : std::string_view();
}

// Built by appending: "[" + std::string(...) draws a false -Wrestrict from GCC 12 at -O2.
std::string BracketedName(std::string_view name) {
    std::string text(1, '[');
    text += name;
    text += ']';
    return text;
}

std::string PositionalName(int index) {
    std::string text(1, '?');
    text += std::to_string(index);
    return text;
}

}  // namespace

IQueryDef::IQueryDef(IDatabase& db) : m_db(db) {}

IQueryDef::~IQueryDef() = default;

void IQueryDef::Open(const std::string& name) {
    Close();
    sqlite3* handle = m_db.RequireHandle(name);
    std::optional<std::string> sql = m_db.FindStoredQuery(name);
    if (!sql) {
        throw CDaoException(SQLITE_NOTFOUND, name,
                            Format(LoadString(ids::kEngineNoSuchQuery), name));
    }
    m_statement = PrepareStatement(handle, *sql, name);
    m_name = name;
    m_sql = std::move(*sql);
    m_values.assign(static_cast<std::size_t>(sqlite3_bind_parameter_count(m_statement.get())),
                    std::nullopt);
}

void IQueryDef::Close() {
    m_statement.reset();
    m_values.clear();
}

std::vector<std::string> IQueryDef::GetParameterNames() const {
    RequireOpen();
    std::vector<std::string> names;
    const int count = sqlite3_bind_parameter_count(m_statement.get());
    for (int i = 1; i <= count; ++i) {
        const char* declared = sqlite3_bind_parameter_name(m_statement.get(), i);
        names.push_back(declared ? BracketedName(WithoutPrefix(declared)) : PositionalName(i));
    }
    return names;
}

void IQueryDef::SetParamValue(const std::string& name, CFieldValue value) {
    RequireOpen();
    const int index = ParameterIndex(name);
    if (index == 0) {
        throw CDaoException(SQLITE_RANGE, m_name,
                            Format(LoadString(ids::kEngineNoSuchParameter), name));
    }
    m_values[static_cast<std::size_t>(index - 1)] = std::move(value);
}

CSnapshot IQueryDef::Execute() {
    return ReadSnapshot(BindStatement(), m_name);
}

sqlite3_stmt* IQueryDef::BindStatement() {
    RequireOpen();
    sqlite3_reset(m_statement.get());
    sqlite3_clear_bindings(m_statement.get());
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        if (!m_values[i]) {
            const char* declared = sqlite3_bind_parameter_name(m_statement.get(), index);
            const std::string shown = declared ? std::string(declared) : PositionalName(index);
            throw CDaoException(SQLITE_RANGE, m_name,
                                Format(LoadString(ids::kEngineParameterNotSet), shown));
        }
        Bind(index, *m_values[i]);
    }
    return m_statement.get();
}

void IQueryDef::ResetStatement() {
    if (m_statement) {
        sqlite3_reset(m_statement.get());
    }
}

std::string IQueryDef::EngineParameterName(std::string_view written) {
    if (!written.empty() && written.front() == '[') {
        written.remove_prefix(1);
    }
    if (!written.empty() && written.back() == ']') {
        written.remove_suffix(1);
    }
    std::string name = ":";
    for (const char c : written) {
        const bool kept =
            std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80;
        name += kept || c == '_' ? c : '_';
    }
    return name;
}

// A statement prepared before the database was closed belongs to the old connection.
bool IQueryDef::IsOpen() const {
    return m_statement && sqlite3_db_handle(m_statement.get()) == m_db.Handle();
}

void IQueryDef::RequireOpen() const {
    if (!IsOpen()) {
        throw CDaoException(SQLITE_MISUSE, m_name.empty() ? kEngineSource : m_name,
                            LoadString(ids::kEngineQueryNotOpen));
    }
}

int IQueryDef::ParameterIndex(const std::string& written) const {
    const std::string wanted = EngineParameterName(written).substr(1);
    const int count = sqlite3_bind_parameter_count(m_statement.get());
    int caseInsensitiveMatch = 0;
    for (int i = 1; i <= count; ++i) {
        const std::string_view declared =
            WithoutPrefix(sqlite3_bind_parameter_name(m_statement.get(), i));
        if (declared == wanted) {
            return i;
        }
        if (caseInsensitiveMatch == 0 && EqualNoCase(declared, wanted)) {
            caseInsensitiveMatch = i;
        }
    }
    return caseInsensitiveMatch;
}

void IQueryDef::Bind(int index, const CFieldValue& value) {
    sqlite3_stmt* statement = m_statement.get();
    switch (value.Kind()) {
        case FieldKind::Null:
            sqlite3_bind_null(statement, index);
            break;
        case FieldKind::Int16:
            sqlite3_bind_int(statement, index, *value.Get<std::int16_t>());
            break;
        case FieldKind::Int32:
            sqlite3_bind_int(statement, index, *value.Get<std::int32_t>());
            break;
        case FieldKind::Float32:
            sqlite3_bind_double(statement, index, WidenAsTyped(*value.Get<float>()));
            break;
        case FieldKind::Float64:
            sqlite3_bind_double(statement, index, *value.Get<double>());
            break;
        case FieldKind::Bool:
            sqlite3_bind_int(statement, index, *value.Get<bool>() ? 1 : 0);
            break;
        case FieldKind::Currency:
            sqlite3_bind_double(statement, index, value.Get<Currency>()->ToDouble());
            break;
        case FieldKind::DateTime: {
            const std::string text = FormatDateTime(*value.Get<DateTime>());
            sqlite3_bind_text(statement, index, text.c_str(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
            break;
        }
        case FieldKind::Text: {
            const std::string& text = *value.Get<std::string>();
            sqlite3_bind_text(statement, index, text.c_str(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
            break;
        }
        case FieldKind::Bytes: {
            const ByteArray& bytes = *value.Get<ByteArray>();
            // An empty array has no data pointer, which SQLite would bind as Null.
            if (bytes.empty()) {
                sqlite3_bind_zeroblob(statement, index, 0);
            } else {
                sqlite3_bind_blob(statement, index, bytes.data(), static_cast<int>(bytes.size()),
                                  SQLITE_TRANSIENT);
            }
            break;
        }
    }
}

}  // namespace veritom
