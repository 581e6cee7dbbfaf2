#pragma once

#include "CliCommand.h"

namespace veritom::cli {

// "query" runs a stored query and prints its records; "queries" lists the stored queries
// with their parameters.
void AddDatabaseCommands(CommandTable& table);

}  // namespace veritom::cli
