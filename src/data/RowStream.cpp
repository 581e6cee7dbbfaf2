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
    for (int column = 0; column < sqlite3_column_count(m_statement); ++column) {
        m_declaredText.push_back(DeclaredAsText(m_statement, column));
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

int CRowStream::TextPosition(FieldRef field) const {
    return Position(field, FieldRead::Text, FieldRead::Text);
}

int CRowStream::NumberPosition(FieldRef field) const {
    return Position(field, FieldRead::Number, FieldRead::Int);
}

// The value is read through its engine value: a text is taken as bytes, since asking for it
// as a C string would make the engine copy it to add a terminator.
std::string_view CRowStream::TextAt(int column) const {
    sqlite3_value* value = sqlite3_column_value(m_statement, column);
    const int storage = sqlite3_value_type(value);
    const void* bytes = nullptr;
    if (storage == SQLITE_TEXT) {
        bytes = sqlite3_value_blob(value);
    } else if ((storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) &&
               m_declaredText[static_cast<std::size_t>(column)]) {
        // A number in a column declared as text reads as its text, as a snapshot reads it.
        bytes = sqlite3_value_text(value);
    }
    return bytes ? std::string_view(static_cast<const char*>(bytes),
                                    static_cast<std::size_t>(sqlite3_value_bytes(value)))
                 : std::string_view();
}

double CRowStream::NumberAt(int column) const {
    sqlite3_value* value = sqlite3_column_value(m_statement, column);
    const int storage = sqlite3_value_type(value);
    return storage == SQLITE_INTEGER || storage == SQLITE_FLOAT ? sqlite3_value_double(value) : 0.0;
}

}  // namespace veritom
