#include "SqlFunctions.h"

#include <sqlite3.h>

#include <cmath>

namespace veritom {

namespace {

void Sqrt(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_numeric_type(argv[0]);
    const double value = sqlite3_value_double(argv[0]);
    if ((type != SQLITE_INTEGER && type != SQLITE_FLOAT) || value < 0.0) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_double(context, std::sqrt(value));
}

bool HasSqrt(sqlite3* db) {
    sqlite3_stmt* probe = nullptr;
    const bool ok = sqlite3_prepare_v2(db, "SELECT sqrt(4.0)", -1, &probe, nullptr) == SQLITE_OK;
    sqlite3_finalize(probe);
    return ok;
}

}  // namespace

void EnsureSqrtFunction(sqlite3* db) {
    if (!HasSqrt(db)) {
        sqlite3_create_function(db, "sqrt", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, &Sqrt,
                                nullptr, nullptr);
    }
}

}  // namespace veritom
