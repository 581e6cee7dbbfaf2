#include "DefaultDatabase.h"

#include <cstdlib>

#include "app/StringTable.h"
#include "data/DataStrings.h"

namespace veritom::cli {

std::optional<std::string> DefaultDatabaseFile(std::string& error) {
    const char* file = std::getenv("VERITOM_DB");
    if (file && *file) {
        return std::string(file);
    }
    error = LoadString(ids::kNoDatabaseGiven);
    return std::nullopt;
}

}  // namespace veritom::cli
