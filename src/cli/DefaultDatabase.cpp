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

CAppConfiguration ReadInstalledConfiguration() {
    const CIniConfigStore store;
    CAppConfiguration configuration;
    const std::string keyPath = CVeritomObject::RegistryKeyPathFor(CNerithObject::kApplicationName);
    // The language key may be missing while NetPath is there: the file is then the base name.
    configuration.Load(store, keyPath, ",", ".");
    return configuration;
}

}  // namespace

// Read once: a message about the stores is then given once, however often it is asked for.
const CAppConfiguration& InstalledConfiguration() {
    static const CAppConfiguration configuration = ReadInstalledConfiguration();
    return configuration;
}

namespace {

std::optional<std::string> InstalledDatabaseFile() {
    const CAppConfiguration& configuration = InstalledConfiguration();
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

std::optional<std::string> DefaultDatabaseFolder(std::string& error) {
    const char* file = std::getenv("VERITOM_DB");
    if (file && *file) {
        const std::string folder = std::filesystem::path(file).parent_path().string();
        return folder.empty() ? std::string(".") : folder;
    }
    const CAppConfiguration& configuration = InstalledConfiguration();
    std::error_code ec;
    if (!configuration.GetNetPath().empty() &&
        std::filesystem::is_directory(configuration.GetNetPath(), ec)) {
        return configuration.GetNetPath();
    }
    error = LoadString(ids::kNoDatabaseGiven);
    return std::nullopt;
}

}  // namespace veritom::cli
