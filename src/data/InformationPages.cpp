#include "InformationPages.h"

#include <sqlite3.h>

#include "base/MessageSink.h"
#include "base/NameMatch.h"
#include "base/Paths.h"
#include "data/Database.h"
#include "data/Snapshot.h"
#include "data/Statement.h"

namespace veritom {

namespace {

constexpr const char* kReferenceCategory = "Reference";
constexpr const char* kHelpCategory = "HELP";
constexpr const char* kLookUp = "SELECT FileName FROM RefHelpNames WHERE Category = ?1";

}  // namespace

CInformationPages::CInformationPages(IDatabase& db, const IPageLocations& locations)
    : m_db(db), m_locations(locations) {}

std::optional<std::string> CInformationPages::LookUpFileName(const std::string& category) {
    const StatementPtr statement =
        PrepareStatement(m_db.RequireHandle(kEngineSource), kLookUp, kEngineSource);
    sqlite3_bind_text(statement.get(), 1, category.c_str(), static_cast<int>(category.size()),
                      SQLITE_TRANSIENT);
    const CSnapshot snapshot = ReadSnapshot(statement.get(), kEngineSource);
    if (snapshot.rows.empty()) {
        return std::nullopt;
    }
    const std::string* name = snapshot.rows.front().front().Get<std::string>();
    return name ? *name : std::string();
}

bool CInformationPages::ShowPage(const std::string& category) {
    const std::optional<std::string> name = LookUpFileName(category);
    if (!name || name->empty()) {
        return false;
    }
    if (EndsWithNoCase(*name, "hlp")) {
        return ShowHelpFile(*name, 0);
    }
    const std::string folder = m_locations.GetReferenceDir();
    if (EndsWithNoCase(*name, "pdf") && IsAbsolutePath(folder) && IsPlainFileName(*name)) {
        return Messages().OpenDocument(JoinPath(folder, *name));
    }
    return false;
}

bool CInformationPages::ShowReferencePage() {
    return ShowPage(kReferenceCategory);
}

bool CInformationPages::ShowDialogHelp(int templateId) {
    const std::optional<std::string> name = LookUpFileName(kHelpCategory);
    if (!name || name->empty()) {
        return false;
    }
    return ShowHelpFile(*name, templateId);
}

// Names from the database are plain file names inside the installation's folders; a path,
// a parent folder or an address is never followed.
bool CInformationPages::ShowHelpFile(const std::string& name, int context) {
    const std::string folder = m_locations.GetNetPath();
    if (!IsAbsolutePath(folder) || !IsPlainFileName(name)) {
        return false;
    }
    return Messages().ShowHelp(JoinPath(folder, name), context, "");
}

}  // namespace veritom
