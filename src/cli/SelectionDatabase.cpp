#include "SelectionDatabase.h"

#include <cctype>
#include <filesystem>
#include <iostream>

#include "DefaultDatabase.h"
#include "app/AppStrings.h"
#include "app/NerithObject.h"
#include "base/Format.h"
#include "base/StringTable.h"

namespace veritom::cli {

namespace {

// The folder of a database file; "." for a bare file name, so the name is not taken as a
// path from the root.
std::string FolderOf(const std::string& file) {
    const std::string folder = std::filesystem::path(file).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
}

}  // namespace

CSelectionDatabase::CSelectionDatabase() : m_database(*this) {}

bool CSelectionDatabase::IsLanguageCode(const std::string& code) {
    if (code.empty() || code.size() > 8) {
        return false;
    }
    for (const char c : code) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

bool CSelectionDatabase::Open(const std::optional<std::string>& named,
                              const std::string& languageCode, const std::string& path) {
    if (!IsLanguageCode(languageCode)) {
        std::cerr << Format(LoadString(ids::kDamaged), path) << '\n';
        return false;
    }
    std::string folder;
    if (named) {
        folder = FolderOf(*named);
    } else {
        std::string error;
        const std::optional<std::string> installed = DefaultDatabaseFolder(error);
        if (!installed) {
            std::cerr << error << '\n';
            return false;
        }
        folder = *installed;
    }
    m_languageCode = languageCode;
    return m_database.Open(folder, CNerithObject::kDatabaseName, false, true, "");
}

}  // namespace veritom::cli
