#include "data/RowStream.h"

#include <sqlite3.h>

#include "base/Format.h"
#include "base/NameMatch.h"
#include "base/StringTable.h"
#include "data/ColumnReader.h"
#include "data/DaoException.h"
#include "data/DataStrings.h"
#include "data/Query.h"

namespace veritom {

namespace {

// The result column of a declared field: by position, or by name with an exact match first.
int ResultColumn(sqlite3_stmt* statement, const QueryField& field) {
    const int count = sqlite3_column_count(statement);
    if (field.name.empty()) {
        return field.position >= 0 && field.position < count ? field.position : -1;
    }
    int caseInsensitive = -1;
    for (int i = 0; i < count; ++i) {
        const char* name = sqlite3_column_name(statement, i);
        const std::string_view column = name ? name : "";
        if (column == field.name) {
            return i;
        }
        if (caseInsensitive < 0 && EqualNoCase(column, field.name)) {
            caseInsensitive = i;
        }
    }
    return caseInsensitive;
}

bool DeclaredAsText(sqlite3_stmt* statement, int column) {
    const char* declared = sqlite3_column_decltype(statement, column);
    return declared && KindOfDeclaredType(declared) == FieldKind::Text;
}

}  // namespace

CRowStream::CRowStream(CQuery& query) : m_query(query), m_statement(query.BindStatement()) {
    for (const QueryField& field : query.Info().fields) {
        m_positions.push_back(ResultColumn(m_statement, field));
    }
}

CRowStream::~CRowStream() {
    m_query.ResetStatement();
}

bool CRowStream::Next() {
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc != SQLITE_DONE) {
        const std::string description = sqlite3_errmsg(sqlite3_db_handle(m_statement));
        m_query.ResetStatement();
        throw CDaoException(rc, m_query.GetName(), description);
    }
    return false;
}

int CRowStream::Position(FieldRef field, FieldRead read, FieldRead alternative) const {
    if (field.query != m_query.Info().id || field.index >= m_positions.size() ||
        (field.read != read && field.read != alternative)) {
        throw CDaoException(SQLITE_MISUSE, m_query.GetName(),
                            Format(LoadString(ids::kEngineUndeclaredUse), m_query.GetName()));
    }
    const int position = m_positions[field.index];
    if (position < 0) {
        throw CDaoException(SQLITE_NOTFOUND, m_query.GetName(),
                            Format(LoadString(ids::kEngineNoSuchField), m_query.GetName()));
    }
    return position;
}

// The text is taken as bytes: asking for it as a C string would make the engine copy it to
// add a terminator.
std::string_view CRowStream::GetText(FieldRef field) const {
    const int column = Position(field, FieldRead::Text, FieldRead::Text);
    const int storage = sqlite3_column_type(m_statement, column);
    if (storage == SQLITE_TEXT) {
        const void* bytes = sqlite3_column_blob(m_statement, column);
        const int size = sqlite3_column_bytes(m_statement, column);
        return bytes ? std::string_view(static_cast<const char*>(bytes),
                                        static_cast<std::size_t>(size))
                     : std::string_view();
    }
    // A number in a column declared as text reads as its text, as a snapshot reads it.
    if ((storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) &&
        DeclaredAsText(m_statement, column)) {
        const unsigned char* text = sqlite3_column_text(m_statement, column);
        const int size = sqlite3_column_bytes(m_statement, column);
        return text ? std::string_view(reinterpret_cast<const char*>(text),
                                       static_cast<std::size_t>(size))
                    : std::string_view();
    }
    return {};
}

double CRowStream::GetNumber(FieldRef field) const {
    const int column = Position(field, FieldRead::Number, FieldRead::Int);
    const int storage = sqlite3_column_type(m_statement, column);
    if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) {
        return sqlite3_column_double(m_statement, column);
    }
    return 0.0;
}

}  // namespace veritom
