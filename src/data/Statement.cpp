#include "Statement.h"

#include <sqlite3.h>

#include "base/StringTable.h"
#include "data/DaoException.h"
#include "data/DataStrings.h"

namespace veritom {

void StatementFinalizer::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

StatementPtr PrepareStatement(sqlite3* db, std::string_view sql, const std::string& source) {
    const char* end = sql.data() + sql.size();
    const char* tail = end;
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &raw, &tail);
    StatementPtr statement(raw);
    if (rc != SQLITE_OK) {
        throw CDaoException(rc, source, sqlite3_errmsg(db));
    }
    if (!statement) {
        throw CDaoException(SQLITE_ERROR, source, LoadString(ids::kEngineNoStatement));
    }
    sqlite3_stmt* rawSecond = nullptr;
    rc = sqlite3_prepare_v2(db, tail, static_cast<int>(end - tail), &rawSecond, nullptr);
    const StatementPtr second(rawSecond);
    if (rc != SQLITE_OK || second) {
        throw CDaoException(SQLITE_ERROR, source, LoadString(ids::kEngineSecondStatement));
    }
    return statement;
}

}  // namespace veritom
