#pragma once

#include <optional>
#include <string>

#include "CliCommand.h"
#include "data/Database.h"
#include "data/LanguageSource.h"

namespace veritom::cli {

// "query" runs a stored query and prints its records; "queries" lists the stored queries
// with their parameters.
void AddDatabaseCommands(CommandTable& table);

// Takes "--db FILE" or "--db=FILE" out of args into file. False when the option stands
// without a file or more than once: the caller then prints its usage, so that "--db" is never
// mistaken for another argument.
bool TakeDatabaseOption(Args& args, std::optional<std::string>& file);

// The database a command runs on: the named one, else the default one (see
// DefaultDatabaseFile), else nothing with the reason on standard error.
std::optional<std::string> DatabaseFile(const std::optional<std::string>& named);

// The database a command that reads no selection file runs on, opened by its file name as it
// stands (no language code is added to it).
class CCommandDatabase : private ILanguageSource {
public:
    CCommandDatabase() : m_database(*this) {}

    // Opens the named database, else the default one; false with the reason on standard error.
    bool Open(const std::optional<std::string>& named);

    IDatabase& Get() { return m_database; }

private:
    std::string GetLanguageCode() const override { return std::string(); }

    IDatabase m_database;
};

}  // namespace veritom::cli
