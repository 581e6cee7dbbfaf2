#pragma once

#include <optional>
#include <string>

#include "app/AppConfiguration.h"

namespace veritom::cli {

// The installation's configuration as the program reads it (the machine and user stores),
// read without writing anything.
const CAppConfiguration& InstalledConfiguration();

// The selection database file the command line uses when none is named: the file in the
// environment variable VERITOM_DB, else the installation's own: the machine store's NetPath
// and current language, as the program opens it. Without one, nothing, with the reason in
// error.
std::optional<std::string> DefaultDatabaseFile(std::string& error);

// The folder of the selection databases, one file per language, when none is named: the
// folder of the file in VERITOM_DB, else the installation's NetPath. Without one, nothing,
// with the reason in error.
std::optional<std::string> DefaultDatabaseFolder(std::string& error);

}  // namespace veritom::cli
