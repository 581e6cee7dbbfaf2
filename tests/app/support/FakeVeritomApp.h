#pragma once

#include <string>
#include <vector>

#include "MemoryConfigStore.h"
#include "ScriptedWizardDialogs.h"
#include "app/AppConfiguration.h"
#include "app/VeritomAppInterface.h"

namespace veritom::test {

// The running application as the selection objects see it, with settable paths and
// languages and counters for what the objects ask of the window.
class FakeVeritomApp : public IVeritomApp {
public:
    FakeVeritomApp() {
        languages.push_back({"EN", "MorvaneEN.rcc", "/ref/EN", "0", "", ",", ".", "", "", ""});
    }

    std::string GetLanguageCode() const override { return Current().code; }
    std::string GetLanguageName() const override {
        return languageName.empty() ? CAppConfiguration::DisplayName(Current()) : languageName;
    }
    int GetLanguageStringId() const override { return CAppConfiguration::DisplayNameId(Current()); }
    std::string GetReferenceDir() const override { return Current().referenceDir; }
    const std::vector<LanguageInfo>& GetLanguages() const override { return languages; }
    int GetCurrentLanguageIndex() const override { return currentLanguage; }
    bool IsVerificationMode() const override { return verification; }
    std::string GetNetPath() const override { return netPath; }
    std::string GetLocalPath() const override { return localPath; }
    std::string GetVeritomRootPath() const override { return rootPath; }
    IConfigStore& GetConfigStore() override { return store; }
    ISelectionDialogs& GetDialogs() override { return dialogs; }
    void RefreshButtonPanel() override { ++refreshCount; }
    void RedrawMainWindow() override { ++redrawCount; }
    void SetDocumentTitle(const std::string& title) override { documentTitle = title; }

    const LanguageInfo& Current() const {
        return languages.at(static_cast<std::size_t>(currentLanguage));
    }

    std::vector<LanguageInfo> languages;
    int currentLanguage = 0;
    std::string languageName;  // overrides the display name looked up by id when not empty
    bool verification = false;
    std::string netPath = "/net";
    std::string localPath = "/local";
    std::string rootPath = "/root";
    MemoryConfigStore store;
    ScriptedWizardDialogs dialogs;
    int refreshCount = 0;
    int redrawCount = 0;
    std::string documentTitle;
};

}  // namespace veritom::test
