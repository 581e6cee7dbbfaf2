#include "CatalogueMessage.h"

#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"

namespace veritom {

std::optional<std::string> LookupCatalogueMessage(IDatabase& db, const std::string& code) {
    constexpr auto& q = queries::kGetMessages;
    CQuery query(db, q);
    query.Set(q.Param("[parMessageLink]"), code);
    IRecordset records(db);
    records.Open(query);
    if (records.IsBOF()) {
        return std::nullopt;
    }
    records.MoveFirst();
    std::string text = records.GetString(q.Field("MessageLinkText"));
    if (text.empty()) {
        return std::nullopt;
    }
    return text;
}

bool ShowCatalogueMessage(IDatabase& db, const std::string& code, MsgIcon icon) {
    const auto text = LookupCatalogueMessage(db, code);
    if (!text) {
        return false;
    }
    MessageBox(*text, MsgButtons::Ok, icon);
    return true;
}

}  // namespace veritom
