#pragma once

#include <optional>
#include <string>

#include "data/Database.h"
#include "data/LanguageSource.h"

namespace veritom::cli {

// The selection database of a selection file's language, as every command that reads a
// selection file uses it: the file "Morvane<language>.mdb" in the folder of the file named by
// --db, else in the folder of the default database (VERITOM_DB, else the installation's
// NetPath). A selection's links and texts belong to the database of the language it was made
// in, whatever language the installation runs in now.
class CSelectionDatabase : private ILanguageSource {
public:
    CSelectionDatabase();

    // Opens the database for a file of languageCode; false with the reason on standard
    // error (path names the selection file in the message about a bad language code).
    bool Open(const std::optional<std::string>& named, const std::string& languageCode,
              const std::string& path);

    IDatabase& Get() { return m_database; }

    // A language code names a file of the database folder: letters and digits only.
    static bool IsLanguageCode(const std::string& code);

private:
    std::string GetLanguageCode() const override { return m_languageCode; }

    std::string m_languageCode;
    IDatabase m_database;
};

}  // namespace veritom::cli
