#include "MsgStoredProc.h"

#include "base/Format.h"
#include "base/StringTable.h"
#include "data/DataStrings.h"
#include "data/QD.h"
#include "data/Recordset.h"

namespace veritom {

CIMsgStoredProc::CIMsgStoredProc(IDatabase& db) : m_db(db) {}

CIMsgStoredProc::~CIMsgStoredProc() = default;

std::string CIMsgStoredProc::GetMessage(const std::string& id) {
    QD query(m_db, "qMsgStr");
    query.SetParam("[parMsgId]", id);
    IRecordset records(m_db);
    records.Open(query);
    if (records.IsBOF()) {
        return Format(LoadString(ids::kMessageNotFoundText), id);
    }
    records.MoveFirst();
    return records.GetString(0);
}

std::string CIMsgStoredProc::GetMessage(std::int32_t number) {
    QD query(m_db, "qMsgInt");
    query.SetParam("[parMsgIDInt]", number);
    IRecordset records(m_db);
    records.Open(query);
    if (records.IsBOF()) {
        return Format(LoadString(ids::kMessageNotFoundNumber), number);
    }
    records.MoveFirst();
    return records.GetString("WarningText");
}

}  // namespace veritom
