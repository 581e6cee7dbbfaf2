#pragma once

#include <optional>
#include <string>

#include "CliCommand.h"

namespace veritom::cli {

// "query" runs a stored query and prints its records; "queries" lists the stored queries
// with their parameters.
void AddDatabaseCommands(CommandTable& table);

// Removes "--db FILE" or "--db=FILE" from args and returns the file, else the default one
// (with the reason on standard error when there is none).
std::optional<std::string> TakeDatabaseFile(Args& args);

}  // namespace veritom::cli
