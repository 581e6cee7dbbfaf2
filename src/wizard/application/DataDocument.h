#pragma once

#include <optional>
#include <string>

namespace veritom {

// A document the database names by file name, in a folder of the installation: only a plain
// name of a file in that folder is opened; a path, "..", an address or a name of something
// that is not a file there never is.
class CDataDocument {
public:
    CDataDocument(const std::string& folder, const std::string& name);

    // The folder and the name joined, as the messages show it.
    const std::string& Path() const { return m_path; }
    // A plain file name naming a file in the folder.
    bool IsOpenable() const;
    // Opens the document with the desktop's handler; false when it is not openable or the
    // desktop could not open it.
    bool Open() const;
    // Opens the help file at keyword in the help viewer; false when it is not openable.
    bool ShowHelp(const std::string& keyword) const;

    static bool IsPlainFileName(const std::string& name);

private:
    std::string m_name;
    std::string m_path;
};

}  // namespace veritom
