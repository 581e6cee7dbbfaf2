#include "DefaultDatabase.h"

#include <cstdlib>
#include <filesystem>

#include "app/AppConfiguration.h"
#include "app/IniConfigStore.h"
#include "app/NerithObject.h"
#include "app/VeritomAppInterface.h"
#include "app/VeritomObject.h"
#include "base/Paths.h"
#include "base/StringTable.h"
#include "data/DataStrings.h"

namespace veritom::cli {

namespace {

std::optional<std::string> InstalledDatabaseFile() {
    const CIniConfigStore store;
    CAppConfiguration configuration;
    const std::string keyPath = CVeritomObject::RegistryKeyPathFor(CNerithObject::kApplicationName);
    // The language key may be missing while NetPath is there: the file is then the base name.
    configuration.Load(store, keyPath, ",", ".");
    if (configuration.GetNetPath().empty()) {
        return std::nullopt;
    }
    const std::string file =
        JoinPath(configuration.GetNetPath(), std::string(CNerithObject::kDatabaseName) +
                                                 configuration.GetLanguageCode() + ".mdb");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return std::nullopt;
    }
    return file;
}

}  // namespace

std::optional<std::string> DefaultDatabaseFile(std::string& error) {
    const char* file = std::getenv("VERITOM_DB");
    if (file && *file) {
        return std::string(file);
    }
    if (auto installed = InstalledDatabaseFile()) {
        return installed;
    }
    error = LoadString(ids::kNoDatabaseGiven);
    return std::nullopt;
}

}  // namespace veritom::cli
