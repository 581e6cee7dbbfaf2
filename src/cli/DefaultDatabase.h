#pragma once

#include <optional>
#include <string>

namespace veritom::cli {

// The selection database file the command line uses when none is named: the file in the
// environment variable VERITOM_DB, else the installation's own: the machine store's NetPath
// and current language, as the program opens it. Without one, nothing, with the reason in
// error.
std::optional<std::string> DefaultDatabaseFile(std::string& error);

}  // namespace veritom::cli
