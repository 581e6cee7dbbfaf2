#include "AppConfiguration.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>

#include "app/AppStrings.h"
#include "app/VeritomAppInterface.h"
#include "base/ConfigStore.h"
#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/NameMatch.h"
#include "base/Paths.h"
#include "base/StringTable.h"

namespace veritom {

namespace {

constexpr std::size_t kMaxSeparatorCharacters = 5;

std::string ToUpper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// At most count UTF-8 characters, never cutting one in two.
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && characters++ == count) {
            return text.substr(0, i);
        }
    }
    return text;
}

std::string ReadOrEmpty(const IConfigStore& store, const std::string& key,
                        const std::string& name) {
    return store.ReadString(Hive::LocalMachine, key, name).value_or(std::string());
}

}  // namespace

bool CAppConfiguration::Load(const IConfigStore& store, const std::string& keyPath,
                             const std::string& thousandsSeparator,
                             const std::string& decimalSeparator) {
    if (!ReadPaths(store, keyPath)) {
        return false;
    }
    // The database, the bundles and the help are never looked for in the working directory.
    if (!IsAbsolutePath(m_netPath)) {
        MessageBox(Format(LoadString(ids::kNoNetPath), m_netPath), MsgButtons::Ok,
                   MsgIcon::Warning);
        m_netPath.clear();
    }
    ReadStoredLanguageCode(store, keyPath);
    if (!ReadLanguages(store, keyPath, thousandsSeparator, decimalSeparator)) {
        MessageBox(LoadString(ids::kNoLanguageInfo), MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    const int match = FindLanguage(m_storedLanguageCode);
    m_currentIndex = match < 0 ? 0 : match;
    return true;
}

bool CAppConfiguration::ReadPaths(const IConfigStore& store, const std::string& keyPath) {
    if (!store.KeyExists(Hive::LocalMachine, keyPath)) {
        return false;
    }
    for (const std::string& name : store.ValueNames(Hive::LocalMachine, keyPath)) {
        std::string* target = EqualNoCase(name, "NetPath")           ? &m_netPath
                              : EqualNoCase(name, "LocalPath")       ? &m_localPath
                              : EqualNoCase(name, "VeritomRootPath") ? &m_veritomRootPath
                                                                     : nullptr;
        if (!target) {
            continue;
        }
        auto value = store.ReadString(Hive::LocalMachine, keyPath, name);
        if (!value) {
            return false;
        }
        *target = *value;
    }
    return true;
}

void CAppConfiguration::ReadStoredLanguageCode(const IConfigStore& store,
                                               const std::string& keyPath) {
    m_storedLanguageCode =
        store.ReadString(Hive::CurrentUser, keyPath, "Language").value_or(std::string());
    if (m_storedLanguageCode.empty()) {
        m_storedLanguageCode = ReadOrEmpty(store, keyPath, "Language");
    }
}

bool CAppConfiguration::ReadLanguages(const IConfigStore& store, const std::string& keyPath,
                                      const std::string& thousandsSeparator,
                                      const std::string& decimalSeparator) {
    const std::string languageKey = keyPath + "\\Language";
    if (!store.KeyExists(Hive::LocalMachine, languageKey)) {
        return false;
    }
    m_languages.clear();
    for (const std::string& subkey : store.SubKeys(Hive::LocalMachine, languageKey)) {
        const std::string key = languageKey + "\\" + subkey;
        LanguageInfo info;
        info.code = ToUpper(ReadOrEmpty(store, key, "Code"));
        info.dll = ReadOrEmpty(store, key, "DLL");
        info.referenceDir = ReadOrEmpty(store, key, "Reference Dir");
        info.id = ReadOrEmpty(store, key, "ID");
        info.thousandsSeparator = FirstCharacters(thousandsSeparator, kMaxSeparatorCharacters);
        info.decimalSeparator = FirstCharacters(decimalSeparator, kMaxSeparatorCharacters);
        info.dxfFileViewer = ReadOrEmpty(store, key, "DxfFileViewer");
        info.cadObjectDll = ReadOrEmpty(store, key, "CADObjectDLL");
        info.cadObjectHelpFile = ReadOrEmpty(store, key, "CADObjectHelpFile");
        m_languages.push_back(std::move(info));
    }
    // A language key without languages is as unusable as a missing one.
    return !m_languages.empty();
}

bool CAppConfiguration::SetCurrentIndex(int index) {
    if (index < 0 || index >= static_cast<int>(m_languages.size())) {
        return false;
    }
    m_currentIndex = index;
    return true;
}

int CAppConfiguration::FindLanguage(const std::string& code) const {
    for (std::size_t i = 0; i < m_languages.size(); ++i) {
        if (m_languages[i].code == code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const LanguageInfo* CAppConfiguration::Current() const {
    if (m_currentIndex < 0 || m_currentIndex >= static_cast<int>(m_languages.size())) {
        return nullptr;
    }
    return &m_languages[static_cast<std::size_t>(m_currentIndex)];
}

std::string CAppConfiguration::GetLanguageCode() const {
    const LanguageInfo* current = Current();
    return current ? current->code : std::string();
}

std::string CAppConfiguration::GetLanguageName() const {
    const LanguageInfo* current = Current();
    return current ? DisplayName(*current) : std::string();
}

int CAppConfiguration::GetLanguageStringId() const {
    const LanguageInfo* current = Current();
    return current ? DisplayNameId(*current) : 0;
}

std::string CAppConfiguration::GetReferenceDir() const {
    const LanguageInfo* current = Current();
    return current ? current->referenceDir : std::string();
}

std::string CAppConfiguration::GetCADViewerName() const {
    const LanguageInfo* current = Current();
    return current ? current->dxfFileViewer : std::string();
}

std::string CAppConfiguration::GetCADObjectDLLName() const {
    const LanguageInfo* current = Current();
    return current ? current->cadObjectDll : std::string();
}

std::string CAppConfiguration::GetCADObjectHelpFile() const {
    const LanguageInfo* current = Current();
    return current ? current->cadObjectHelpFile : std::string();
}

std::string CAppConfiguration::BundlePath(int index) const {
    if (m_netPath.empty() || index < 0 || index >= static_cast<int>(m_languages.size())) {
        return {};
    }
    return JoinPath(m_netPath, m_languages[static_cast<std::size_t>(index)].dll);
}

bool CAppConfiguration::CheckBundle(int index) const {
    if (m_netPath.empty()) {
        return false;  // reported when the configuration was read
    }
    const std::string path = BundlePath(index);
    std::error_code error;
    if (!path.empty() && std::filesystem::is_regular_file(path, error) &&
        std::ifstream(path, std::ios::binary).is_open()) {
        return true;
    }
    const std::string name = index >= 0 && index < static_cast<int>(m_languages.size())
                                 ? DisplayName(m_languages[static_cast<std::size_t>(index)])
                                 : std::string();
    MessageBox(Format(LoadString(ids::kBundleUnavailable), path, name), MsgButtons::Ok,
               MsgIcon::Warning);
    return false;
}

bool CAppConfiguration::SaveLanguage(IConfigStore& store, const std::string& keyPath) const {
    const LanguageInfo* current = Current();
    return current && store.WriteString(Hive::CurrentUser, keyPath, "Language", current->code);
}

int CAppConfiguration::DisplayNameId(const LanguageInfo& language) {
    int id = 0;
    const char* end = language.id.data() + language.id.size();
    const auto [ptr, ec] = std::from_chars(language.id.data(), end, id);
    return ec == std::errc{} && ptr == end ? id : 0;
}

std::string CAppConfiguration::DisplayName(const LanguageInfo& language) {
    const int id = DisplayNameId(language);
    return id > 0 ? LoadString(id) : std::string();
}

}  // namespace veritom
