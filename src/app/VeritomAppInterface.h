#pragma once

#include <string>
#include <vector>

#include "app/LanguageInfo.h"
#include "data/InformationPages.h"
#include "data/LanguageSource.h"

namespace veritom {

class IConfigStore;
class ISelectionDialogs;

// What the selection objects need from the running application. The Qt application
// implements it; core tests implement it with a fake. It names the database file's language
// and where the information pages are.
class IVeritomApp : public ILanguageSource, public IPageLocations {
public:
    std::string GetLanguageCode() const override = 0;
    virtual std::string GetLanguageName() const = 0;  // display name of the current language
    virtual int GetLanguageStringId() const = 0;
    std::string GetReferenceDir() const override = 0;
    virtual const std::vector<LanguageInfo>& GetLanguages() const = 0;
    virtual int GetCurrentLanguageIndex() const = 0;
    virtual bool IsVerificationMode() const = 0;

    // The three process-wide paths read at start-up.
    std::string GetNetPath() const override = 0;
    virtual std::string GetLocalPath() const = 0;
    virtual std::string GetVeritomRootPath() const = 0;

    virtual IConfigStore& GetConfigStore() = 0;
    virtual ISelectionDialogs& GetDialogs() = 0;

    // The button panel asks the selection object again for every state and text.
    virtual void RefreshButtonPanel() = 0;
    // Repaints the main window at once.
    virtual void RedrawMainWindow() = 0;
    virtual void SetDocumentTitle(const std::string& title) = 0;
};

}  // namespace veritom
