#pragma once

#include <optional>
#include <string>

namespace veritom {

class IDatabase;

// Where the installation keeps its help files (NetPath) and the current language's documents
// (its Reference Dir); both can change with the language.
class IPageLocations {
public:
    virtual ~IPageLocations() = default;
    virtual std::string GetNetPath() const = 0;
    virtual std::string GetReferenceDir() const = 0;
};

// The information, reference and help pages named in the database table "RefHelpNames": a
// help file from NetPath or a PDF document from the language's Reference Dir, by category.
class CInformationPages {
public:
    CInformationPages(IDatabase& db, const IPageLocations& locations);

    // False when the category names no page, or one of another kind.
    bool ShowPage(const std::string& category);
    // The Reference button of the dialogs and Reference Contents.
    bool ShowReferencePage();
    // The Help button of a dialog: the help file at the dialog's template id.
    bool ShowDialogHelp(int templateId);

    // The file name stored for category; nothing without a record.
    std::optional<std::string> LookUpFileName(const std::string& category);

private:
    bool ShowHelpFile(const std::string& name, int context);

    IDatabase& m_db;
    const IPageLocations& m_locations;
};

}  // namespace veritom
