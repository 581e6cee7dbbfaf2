#include "Query.h"

#include <sqlite3.h>

#include "base/Format.h"
#include "base/StringTable.h"
#include "data/DaoException.h"
#include "data/DataStrings.h"

namespace veritom {

CQuery::CQuery(IDatabase& db, const CQueryInfo& info) : IQueryDef(db), m_info(info) {
    Open(std::string(info.name));
}

CQuery::~CQuery() {
    Close();
}

void CQuery::Set(ParamRef param, const std::string& value) {
    SetChecked(param, ParamKind::Text, CFieldValue::Text(value));
}

void CQuery::Set(ParamRef param, const char* value) {
    SetChecked(param, ParamKind::Text, CFieldValue::Text(value ? value : ""));
}

void CQuery::Set(ParamRef param, std::int16_t value) {
    SetChecked(param, ParamKind::Int16, CFieldValue::Int16(value));
}

void CQuery::Set(ParamRef param, std::int32_t value) {
    SetChecked(param, ParamKind::Int32, CFieldValue::Int32(value));
}

void CQuery::Set(ParamRef param, float value) {
    SetChecked(param, ParamKind::Float, CFieldValue::Float32(value));
}

// A handle of another query's declaration, or a value of another kind than declared, is a
// fault of the caller; it fails like any other misuse of the engine.
void CQuery::SetChecked(ParamRef param, ParamKind kind, CFieldValue value) {
    if (param.query != m_info.id || param.index >= m_info.params.size() || param.kind != kind) {
        throw CDaoException(SQLITE_MISUSE, GetName(),
                            Format(LoadString(ids::kEngineUndeclaredUse), GetName()));
    }
    SetParamValue(std::string(m_info.params[param.index].name), std::move(value));
}

}  // namespace veritom
