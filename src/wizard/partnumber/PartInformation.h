#pragma once

#include <string>
#include <string_view>

namespace veritom {

class IDatabase;

// Catalog information and filter help of the part number step. The file names come from
// the database, which is input like any file: only the plain name of a file inside the
// folder it belongs in is ever opened.
class CPartInformation {
public:
    // A name without a folder part: not empty, no "/" or "\", not "." or "..", no ":" (a
    // drive, a URL scheme), no control character.
    static bool IsPlainFileName(std::string_view name);

    // The catalog sheet of a valve ("qGetRefLink"), opened from the language's reference
    // folder; the message of "NoMoreInfo" when there is none, when its name is not a plain
    // file name, when the file is missing or when the desktop cannot open it.
    static void ShowCatalogInformation(IDatabase& db, const std::string& valveNumber,
                                       const std::string& suffix, const std::string& appType,
                                       const std::string& referenceDir);

    // The help topic of a filter ("qPN_FilterHelp"), from the help file in the shared data
    // folder; "Help not available for this topic." when there is none or its file name is
    // not a plain file name.
    static void ShowFilterHelp(IDatabase& db, const std::string& keyword,
                               const std::string& netPath);
};

}  // namespace veritom
