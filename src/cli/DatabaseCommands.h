#pragma once

#include <optional>
#include <string>

#include "CliCommand.h"

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

}  // namespace veritom::cli
