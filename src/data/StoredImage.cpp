#include "StoredImage.h"

#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"

namespace veritom {

std::optional<ByteArray> FetchStoredImage(IDatabase& db, const std::string& imageName) {
    if (imageName.empty()) {
        return std::nullopt;
    }
    constexpr auto& q = queries::kGetImage;
    CQuery query(db, q);
    query.Set(q.Param("[parImageName]"), imageName);
    IRecordset records(db);
    records.Open(query);
    if (records.IsBOF()) {
        return std::nullopt;
    }
    records.MoveFirst();
    ByteArray bytes = records.GetBytes(q.Field("Image"));
    if (bytes.empty()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace veritom
