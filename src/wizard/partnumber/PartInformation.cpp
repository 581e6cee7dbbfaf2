#include "wizard/partnumber/PartInformation.h"

#include <algorithm>
#include <filesystem>

#include "base/MessageSink.h"
#include "base/Paths.h"
#include "base/StringTable.h"
#include "data/CatalogueMessage.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"
#include "wizard/WizardStrings.h"

namespace veritom {

namespace {

constexpr const char* kNoMoreInfo = "NoMoreInfo";

bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::u8path(path), error);
}

}  // namespace

bool CPartInformation::IsPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || c == ':' || byte < 0x20 || byte == 0x7F;
    });
}

void CPartInformation::ShowCatalogInformation(IDatabase& db, const std::string& valveNumber,
                                              const std::string& suffix, const std::string& appType,
                                              const std::string& referenceDir) {
    constexpr auto& q = queries::kGetRefLink;
    CQuery query(db, q);
    query.Set(q.Param("[parValveNumberLink]"), valveNumber);
    query.Set(q.Param("[parSufxLink]"), suffix);
    query.Set(q.Param("[parAppTypeLink]"), appType);
    IRecordset records(db);
    records.Open(query);
    std::string file;
    if (!records.IsEOF()) {
        file = records.GetString(q.Field("ReferenceFile"));
    }
    records.Close();
    if (IsPlainFileName(file)) {
        const std::string path = JoinPath(referenceDir, file);
        if (IsFile(path) && Messages().OpenDocument(path)) {
            return;
        }
    }
    ShowCatalogueMessage(db, kNoMoreInfo);
}

void CPartInformation::ShowFilterHelp(IDatabase& db, const std::string& keyword,
                                      const std::string& netPath) {
    constexpr auto& q = queries::kFilterHelp;
    CQuery query(db, q);
    query.Set(q.Param("[parFilterParam]"), keyword);
    IRecordset records(db);
    records.Open(query);
    if (!records.IsEOF()) {
        const std::string file = records.GetString(q.Field("PN_FilterHelp_File"));
        const std::string page = records.GetString(q.Field("PN_FilterHelp_Page"));
        records.Close();
        if (IsPlainFileName(file)) {
            Messages().ShowHelp(JoinPath(netPath, file), 0, page);
            return;
        }
    }
    MessageBox(LoadString(ids::kNoFilterHelp), MsgButtons::Ok, MsgIcon::Information);
}

}  // namespace veritom
