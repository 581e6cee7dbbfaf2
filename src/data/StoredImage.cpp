#include "StoredImage.h"

#include "data/QD.h"
#include "data/Recordset.h"

namespace veritom {

std::optional<ByteArray> FetchStoredImage(IDatabase& db, const std::string& imageName) {
    if (imageName.empty()) {
        return std::nullopt;
    }
    QD query(db, "qGetImage");
    query.SetParam("[parImageName]", imageName);
    IRecordset records(db);
    records.Open(query);
    if (records.IsBOF()) {
        return std::nullopt;
    }
    records.MoveFirst();
    ByteArray bytes;
    if (!IRecordset::CopyBinaryToGlobal(records.GetFieldValue("Image"), bytes) || bytes.empty()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace veritom
