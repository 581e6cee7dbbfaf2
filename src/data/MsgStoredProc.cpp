#include "MsgStoredProc.h"

#include "base/Format.h"
#include "base/StringTable.h"
#include "data/DataStrings.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"

namespace veritom {

CIMsgStoredProc::CIMsgStoredProc(IDatabase& db) : m_db(db) {}

CIMsgStoredProc::~CIMsgStoredProc() = default;

std::string CIMsgStoredProc::GetMessage(const std::string& id) {
    constexpr auto& q = queries::kMsgStr;
    CQuery query(m_db, q);
    query.Set(q.Param("[parMsgId]"), id);
    IRecordset records(m_db);
    records.Open(query);
    if (records.IsBOF()) {
        return Format(LoadString(ids::kMessageNotFoundText), id);
    }
    records.MoveFirst();
    return records.GetString(q.FieldAt(0));
}

std::string CIMsgStoredProc::GetMessage(std::int32_t number) {
    constexpr auto& q = queries::kMsgInt;
    CQuery query(m_db, q);
    query.Set(q.Param("[parMsgIDInt]"), number);
    IRecordset records(m_db);
    records.Open(query);
    if (records.IsBOF()) {
        return Format(LoadString(ids::kMessageNotFoundNumber), number);
    }
    records.MoveFirst();
    return records.GetString(q.Field("WarningText"));
}

}  // namespace veritom
