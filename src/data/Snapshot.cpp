#include "Snapshot.h"

#include <sqlite3.h>

#include "base/Format.h"
#include "base/StringTable.h"
#include "data/ColumnReader.h"
#include "data/DaoException.h"
#include "data/DataStrings.h"

namespace veritom {

namespace {

std::vector<std::string> ColumnNames(sqlite3_stmt* statement) {
    std::vector<std::string> names;
    const int count = sqlite3_column_count(statement);
    for (int i = 0; i < count; ++i) {
        const char* name = sqlite3_column_name(statement, i);
        names.emplace_back(name ? name : "");
    }
    return names;
}

std::vector<CFieldValue> CurrentRow(sqlite3_stmt* statement, int columns) {
    std::vector<CFieldValue> row;
    row.reserve(static_cast<std::size_t>(columns));
    for (int i = 0; i < columns; ++i) {
        row.push_back(ReadColumnValue(statement, i));
    }
    return row;
}

}  // namespace

CSnapshot ReadSnapshot(sqlite3_stmt* statement, const std::string& source, std::size_t maxRows) {
    CSnapshot snapshot;
    snapshot.fieldNames = ColumnNames(statement);
    const int columns = static_cast<int>(snapshot.fieldNames.size());
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        if (snapshot.rows.size() == maxRows) {
            sqlite3_reset(statement);
            throw CDaoException(
                SQLITE_TOOBIG, source,
                Format(LoadString(ids::kEngineTooManyRows), static_cast<long long>(maxRows)));
        }
        snapshot.rows.push_back(CurrentRow(statement, columns));
    }
    if (rc != SQLITE_DONE) {
        const std::string description = sqlite3_errmsg(sqlite3_db_handle(statement));
        sqlite3_reset(statement);
        throw CDaoException(rc, source, description);
    }
    sqlite3_reset(statement);
    return snapshot;
}

}  // namespace veritom
