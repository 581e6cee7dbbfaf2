#pragma once

#include <string>
#include <vector>

#include "app/LanguageInfo.h"

namespace veritom {

class IConfigStore;

// The installation's configuration as the application reads it at start-up: the three
// process-wide paths, the table of installed languages and the current language. The Qt
// application holds one and loads the current language's bundle from BundlePath.
class CAppConfiguration {
public:
    // Reads the application key at keyPath: the paths, the user's (else the machine's)
    // language code, the language subkeys, and chooses the current language. Separators come
    // from the user's locale and are given to every language. False when the application
    // key or the language key is missing (the latter with a message); the paths read so far
    // are kept.
    bool Load(const IConfigStore& store, const std::string& keyPath,
              const std::string& thousandsSeparator, const std::string& decimalSeparator);

    const std::string& GetNetPath() const { return m_netPath; }
    const std::string& GetLocalPath() const { return m_localPath; }
    const std::string& GetVeritomRootPath() const { return m_veritomRootPath; }
    // The code read from the configuration, before matching against the table.
    const std::string& GetStoredLanguageCode() const { return m_storedLanguageCode; }

    const std::vector<LanguageInfo>& GetLanguages() const { return m_languages; }
    // -1 until a language has been chosen.
    int GetCurrentIndex() const { return m_currentIndex; }
    bool SetCurrentIndex(int index);
    // Index of the installed language with this code (exact match), or -1.
    int FindLanguage(const std::string& code) const;

    // Of the current language; empty (0) while none is chosen.
    std::string GetLanguageCode() const;
    std::string GetLanguageName() const;
    int GetLanguageStringId() const;
    std::string GetReferenceDir() const;
    std::string GetCADViewerName() const;
    std::string GetCADObjectDLLName() const;
    std::string GetCADObjectHelpFile() const;

    // NetPath joined with the language's bundle file name.
    std::string BundlePath(int index) const;
    // Whether the language's bundle file can be read; otherwise shows string 209 with the
    // language's display name.
    bool CheckBundle(int index) const;

    // Writes the current language's code as the user's "Language".
    bool SaveLanguage(IConfigStore& store, const std::string& keyPath) const;

    // The display name of a language: the string whose id is its "ID".
    static std::string DisplayName(const LanguageInfo& language);
    static int DisplayNameId(const LanguageInfo& language);

private:
    bool ReadPaths(const IConfigStore& store, const std::string& keyPath);
    void ReadStoredLanguageCode(const IConfigStore& store, const std::string& keyPath);
    bool ReadLanguages(const IConfigStore& store, const std::string& keyPath,
                       const std::string& thousandsSeparator, const std::string& decimalSeparator);
    const LanguageInfo* Current() const;

    std::string m_netPath;
    std::string m_localPath;
    std::string m_veritomRootPath;
    std::string m_storedLanguageCode;
    std::vector<LanguageInfo> m_languages;
    int m_currentIndex = -1;
};

}  // namespace veritom
